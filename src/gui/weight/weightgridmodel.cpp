#include "weight/weightgridmodel.h"

#include "weight/weightlog.h"

#include <algorithm>

namespace tolvane {

WeightGridModel::WeightGridModel(WeightLog& log, QObject* parent)
    : QAbstractTableModel(parent), log_(log), shownRows_(log.rowCount() - 1), shownRevision_(log.revision())
{
}

int WeightGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shownRows_; }

int WeightGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : WeightColumnCount; }

QVariant WeightGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return log_.cell(index.column(), index.row() + 1);
}

QVariant WeightGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return log_.cell(section, 0);
}

Qt::ItemFlags WeightGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool WeightGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString text = value.toString();
    // Typing already reached the log key by key; committing the same text is no new edit.
    if (text != log_.cell(index.column(), index.row() + 1)) {
        edit(index, text);
        emit dataChanged(index, index);
    }
    return true;
}

void WeightGridModel::edit(const QModelIndex& index, const QString& text)
{
    if (!index.isValid())
        return;
    // No dataChanged for the one cell here: it would write the text back into
    // the open editor and move its cursor. The edit counts as shown when
    // nothing else changed since the last showing.
    const bool current = log_.revision() == shownRevision_;
    log_.editCell(index.column(), index.row() + 1, text);
    if (current)
        shownRevision_ = log_.revision();
}

void WeightGridModel::showLog()
{
    if (log_.units() != shownUnits_) {
        shownUnits_ = log_.units();
        emit headerDataChanged(Qt::Horizontal, 0, WeightColumnCount - 1);
    }
    if (log_.revision() == shownRevision_)
        return;
    const std::optional<std::pair<int, int>> changed = log_.changedRows(shownRevision_);
    shownRevision_ = log_.revision();
    const int rows = log_.rowCount() - 1;
    if (rows != shownRows_) {
        beginResetModel();
        shownRows_ = rows;
        endResetModel();
        return;
    }
    // The rows that changed, or all of them when the log cannot tell; the
    // view asks again only for the cells it shows.
    const auto [from, to] = changed ? *changed : std::pair{1, rows};
    const int first = std::max(from, 1);
    const int last = std::min(to, rows);
    if (first <= last)
        emit dataChanged(this->index(first - 1, 0), this->index(last - 1, WeightColumnCount - 1));
}

} // namespace tolvane
