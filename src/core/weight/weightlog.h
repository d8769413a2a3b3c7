#pragma once
// The weight log: the cells of the Weight page's grid are its only store, a
// heading row ("Date", "Plan", "Actual") and one row per date with the planned
// and, once entered, the actual weight. Rows are loaded from and saved to
// weight files (.wgt). The graph reads the same cells.

#include "storage/weightfile.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <array>
#include <functional>
#include <vector>

namespace tolvane {

class Program;

inline const QString WeightFileFilter = QStringLiteral("Weight File (*.wgt)");
inline const QString WeightFileSuffix = QStringLiteral("wgt");

namespace weightmsg {
QString cannotOpen(const QString& fileName);
QString conversionError(int row);
QString cannotCreate(const QString& fileName);
// The file was created but not written whole (a full disk).
QString cannotWrite(const QString& fileName);
QString refusedFile(const QString& fileName, const QString& problem);
} // namespace weightmsg

enum WeightColumn { DateColumn = 0, PlanColumn = 1, ActualColumn = 2, WeightColumnCount = 3 };

class WeightLog {
public:
    WeightLog(Program& program, QLocale locale);

    // Rows including the heading row 0; never fewer than 2.
    int rowCount() const { return static_cast<int>(rows_.size()); }
    // A cell's text; empty outside the grid.
    QString cell(int column, int row) const;
    // The user changed a data cell's text: the log has unsaved changes.
    void editCell(int column, int row, const QString& text);

    // Writing the grid without it counting as the user's edit.
    void setCell(int column, int row, const QString& text);
    // Drops rows beyond `rows` or adds empty ones; at least the heading and one data row.
    void setRowCount(int rows);

    // "&New Row", "&Remove Row", "C&lear Grid".
    void newRow();
    void removeRow();
    void clearGrid();
    // "&Load File": asks for a file and loads it.
    void loadFile();
    // "&Save File": asks for a file and saves to it.
    enum class SaveOutcome { Saved, Cancelled, Failed };
    SaveOutcome saveFile();
    // The close question was answered Yes.
    void saveAtClose();

    void loadweightfile(const QString& fileName);
    bool saveweightfile(const QString& fileName);

    // A date as the grid shows it: the short date format, with the year in
    // full where two digits would read back in another century.
    QString dateText(const QDate& date) const;

    // Start-up: headings, one empty data row, no file name.
    void reset();
    const QString& fileName() const { return fileName_; }

    // The graph is to be drawn anew from the cells.
    std::function<void()> repaintGraph;
    // Today, for reading two-digit years.
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    const QLocale& locale() const { return locale_; }

private:
    using Row = std::array<QString, WeightColumnCount>;
    void changed();
    void graph();

    Program& program_;
    QLocale locale_;
    bool twoDigitYear_;
    std::vector<Row> rows_;
    QString fileName_;
};

} // namespace tolvane
