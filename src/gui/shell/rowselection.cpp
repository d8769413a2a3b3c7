#include "shell/rowselection.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

namespace tolvane {

namespace {
const char* const QuietProperty = "tolvaneQuietSelection";

bool isQuiet(const QAbstractItemView* view) { return view->property(QuietProperty).toBool(); }
} // namespace

QuietSelection::QuietSelection(QAbstractItemView* view) : view_(view), wasQuiet_(isQuiet(view))
{
    view_->setProperty(QuietProperty, true);
}

QuietSelection::~QuietSelection() { view_->setProperty(QuietProperty, wasQuiet_); }

int selectedRow(const QAbstractItemView* view)
{
    const QItemSelectionModel* selection = view->selectionModel();
    if (!selection)
        return -1;
    const QModelIndexList rows = selection->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void followSelectedRow(QAbstractItemView* view, std::function<void(int row)> changed)
{
    QItemSelectionModel* selection = view->selectionModel();
    QObject::connect(selection, &QItemSelectionModel::selectionChanged, view,
                     [view, selection, changed = std::move(changed)] {
                         if (isQuiet(view))
                             return;
                         const int row = selectedRow(view);
                         if (row >= 0 && selection->currentIndex().row() != row) {
                             const QuietSelection quiet(view);
                             selection->setCurrentIndex(view->model()->index(row, 0), QItemSelectionModel::NoUpdate);
                         }
                         changed(row);
                     });
}

void showSelectedRow(QAbstractItemView* view, int row)
{
    const QuietSelection quiet(view);
    QItemSelectionModel* selection = view->selectionModel();
    if (row < 0 || row >= view->model()->rowCount()) {
        if (selection->hasSelection() || selection->currentIndex().isValid())
            selection->clear();
        return;
    }
    const QModelIndex index = view->model()->index(row, 0);
    if (selection->currentIndex() != index || !selection->isSelected(index)) {
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view->scrollTo(index);
    }
}

} // namespace tolvane
