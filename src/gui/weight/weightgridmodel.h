#pragma once
// The weight grid as a table model over the weight log's cells: row 0 of the
// log is the heading, the log's data rows are the model's rows.

#include "weight/units.h"

#include <QAbstractTableModel>

namespace tolvane {

class WeightLog;

class WeightGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit WeightGridModel(WeightLog& log, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The user typed into a cell's editor: the log takes the text at once.
    void edit(const QModelIndex& index, const QString& text);
    // Shows what changed in the log since it was last shown. The user's own
    // typing is shown already, so the cell being edited is never written back
    // into its editor; an open editor survives unless rows changed.
    void showLog();

private:
    WeightLog& log_;
    int shownRows_ = 0;
    quint64 shownRevision_ = 0;
    Units shownUnits_ = Units::Us;  // whose unit the headings name
};

} // namespace tolvane
