#include "weight/weightpage.h"

#include "shell/program.h"
#include "weight/weight.h"
#include "weight/weightgraphview.h"
#include "weight/weightgridmodel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>

namespace tolvane {

namespace {
const QRect GridArea(8, 8, 210, 249);
constexpr int WeightColumnWidth = 64;
constexpr int MinimumGap = 6;  // between the grid and the graph

// Hands every keystroke in a cell's editor to the log, as the grid's cells
// are the log itself.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(WeightGridModel& model, WeightPage& page) : QStyledItemDelegate(&page), model_(model), page_(page)
    {
        // Escape gives the cell back the text it had when its editor opened.
        connect(this, &QAbstractItemDelegate::closeEditor, &page_, [this](QWidget*, EndEditHint hint) {
            if (hint == RevertModelCache && opened_.isValid()) {
                model_.setData(opened_, textBefore_, Qt::EditRole);
                emit page_.stateChanged();
            }
            opened_ = QPersistentModelIndex();
        });
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setAccessibleName(QStringLiteral("Weight grid cell"));
            opened_ = index;
            textBefore_ = index.data(Qt::EditRole).toString();
            // Every change of the text counts, also text inserted without keys
            // (input methods, accessibility); the grid's own write of the cell
            // into the editor is no edit.
            const QPersistentModelIndex at(index);
            connect(line, &QLineEdit::textChanged, &page_, [this, at](const QString& text) {
                if (!at.isValid() || text == at.data(Qt::EditRole).toString())
                    return;
                model_.edit(at, text);
                emit page_.stateChanged();
            });
        }
        return editor;
    }

    // The cell being edited already holds what the user typed: writing the
    // same text back would move the cursor to the end and clear the undo steps.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        const auto* line = qobject_cast<QLineEdit*>(editor);
        if (line && line->text() == index.data(Qt::EditRole).toString())
            return;
        QStyledItemDelegate::setEditorData(editor, index);
    }

private:
    WeightGridModel& model_;
    WeightPage& page_;
    // The cell whose editor is open and its text before the first key.
    mutable QPersistentModelIndex opened_;
    mutable QString textBefore_;
};

// Tab and Shift+Tab stop at the grid's last and first cells instead of going
// round to the other end, where the next key typed would replace a cell.
class WeightGridView : public QTableView {
public:
    using QTableView::QTableView;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override
    {
        return atEnd(action) ? currentIndex() : QTableView::moveCursor(action, modifiers);
    }
    // At the end the editor closes with its text, and the cell stays current.
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override
    {
        if ((hint == QAbstractItemDelegate::EditNextItem && atEnd(MoveNext)) ||
            (hint == QAbstractItemDelegate::EditPreviousItem && atEnd(MovePrevious)))
            hint = QAbstractItemDelegate::NoHint;
        QTableView::closeEditor(editor, hint);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
        if (tab && atEnd(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier) ? MoveNext
                                                                                                 : MovePrevious)) {
            event->accept();
            return;
        }
        QTableView::keyPressEvent(event);
    }

private:
    bool atEnd(CursorAction action) const
    {
        const QModelIndex current = currentIndex();
        if (!current.isValid())
            return false;
        if (action == MoveNext)
            return current.row() == model()->rowCount() - 1 && current.column() == model()->columnCount() - 1;
        return action == MovePrevious && current.row() == 0 && current.column() == 0;
    }
};
} // namespace

WeightPage::WeightPage(Program& program, Weight& weight, QWidget* parent)
    : PageWidget(parent), program_(program), weight_(weight), model_(new WeightGridModel(weight.log(), this)),
      grid_(new WeightGridView(this)), graphArea_(new WeightGraphView(weight.graph(), weight.log(), this))
{
    grid_->setModel(model_);
    grid_->setItemDelegate(new CellDelegate(*model_, *this));
    grid_->setGeometry(GridArea);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->horizontalHeader()->setFixedHeight(20);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->setColumnWidth(DateColumn, 76);
    grid_->setColumnWidth(PlanColumn, WeightColumnWidth);
    grid_->setColumnWidth(ActualColumn, WeightColumnWidth);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid_->setTabKeyNavigation(true);
    grid_->setToolTip(QStringLiteral("Enter weight data in grid"));
    grid_->setAccessibleName(QStringLiteral("Weight grid"));
    grid_->setAccessibleDescription(QStringLiteral("Enter weight data in grid"));

    graphArea_->setGeometry(232, 8, 377, 337);
    // New Row: the cursor goes to the new row's date, ready for typing.
    weight_.log().rowAdded = [this](int row) { newRowToShow_ = row; };

    createPlan_ = addButton(QStringLiteral("&Create Plan"), {8, 272, 81, 25});
    connect(createPlan_, &QPushButton::clicked, this, [this] {
        program_.execute(Command::CreatePlan);
        emit stateChanged();
    });
    newRow_ = addButton(QStringLiteral("&New Row"), {112, 272, 81, 25});
    connect(newRow_, &QPushButton::clicked, this, [this] {
        program_.execute(Command::NewWeightRow);
        emit stateChanged();
    });
    removeRow_ = addButton(QStringLiteral("&Remove Row"), {112, 304, 81, 25});
    connect(removeRow_, &QPushButton::clicked, this, [this] {
        weight_.log().removeRow();
        emit stateChanged();
    });
}

WeightPage::~WeightPage() { weight_.log().rowAdded = nullptr; }

void WeightPage::fitHeadings()
{
    // The US headings fit the weight columns; metric ones name the unit
    // ("Actual (kg)") and may need more, which the grid takes from the gap
    // before the graph.
    int extra = 0;
    for (const int column : {PlanColumn, ActualColumn}) {
        const int width = std::max(WeightColumnWidth, grid_->horizontalHeader()->sectionSizeHint(column));
        grid_->setColumnWidth(column, width);
        extra += width - WeightColumnWidth;
    }
    const int widest = graphArea_->x() - GridArea.x() - MinimumGap;
    grid_->resize(std::min(GridArea.width() + extra, widest), GridArea.height());
}

QPushButton* WeightPage::addButton(const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, this);
    button->setGeometry(geometry);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return button;
}

void WeightPage::refresh()
{
    model_->showLog();
    fitHeadings();
    if (newRowToShow_ > 0 && newRowToShow_ <= model_->rowCount()) {
        grid_->setFocus();
        grid_->setCurrentIndex(model_->index(newRowToShow_ - 1, DateColumn));
    }
    newRowToShow_ = 0;
}

} // namespace tolvane
