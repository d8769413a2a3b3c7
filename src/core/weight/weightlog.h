#pragma once
// The weight log: the cells of the Weight page's grid are its only store, a
// heading row ("Date", "Plan", "Actual") and one row per date with the planned
// and, once entered, the actual weight. Rows are loaded from and saved to
// weight files (.wgt). The graph reads the same cells.
//
// A loaded row keeps its record and shows its texts only when a cell is read,
// so a file of 100000 records costs no 300000 texts; a cell set or typed keeps
// its own text. Every change stamps its rows with a new revision, so the grid
// and the graph redo only what changed.

#include "weight/units.h"
#include "weight/weightfile.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace tolvane {

class Program;

inline const QString WeightFileFilter = QStringLiteral("Weight File (*.wgt)");
inline const QString WeightFileSuffix = QStringLiteral("wgt");
// In the data folder: the grid's rows not saved when a session ended under
// the program, for the next start to offer.
inline const QString WeightRecoveryName = QStringLiteral("weight-recovery.txt");

namespace weightmsg {
QString cannotOpen(const QString& fileName);
QString conversionError(int row);
QString cannotCreate(const QString& fileName);
// The file was created but not written whole (a full disk).
QString cannotWrite(const QString& fileName);
// Clear Grid's question while the grid holds rows that no file has.
QString clearQuestion(int rows);
QString refusedFile(const QString& fileName, const QString& problem);
QString recoveryQuestion(const QString& path);
} // namespace weightmsg

// The grid's changes as "U&ndo" and "Re&do" name them.
namespace weightchange {
QString editCell(int column, int row);
inline const QString NewRow = QStringLiteral("New Row");
inline const QString RemoveRow = QStringLiteral("Remove Row");
inline const QString ClearGrid = QStringLiteral("Clear Grid");
inline const QString CreatePlan = QStringLiteral("Create Plan");
QString loadFile(const QString& fileName);
} // namespace weightchange

enum WeightColumn { DateColumn = 0, PlanColumn = 1, ActualColumn = 2, WeightColumnCount = 3 };

// A stored weight's six bytes and its column as one number, for tables of the
// texts of loaded weights read back.
inline quint64 storedWeightKey(const Real6& stored, int column)
{
    quint64 key = static_cast<quint64>(column);
    for (const std::uint8_t byte : stored)
        key = (key << 8) | byte;
    return key;
}

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

    // "&New Row", "&Remove Row", "C&lear Grid". Clear Grid asks first while
    // the grid holds unsaved rows; false when the user kept them.
    void newRow();
    void removeRow();
    bool clearGrid();
    // Data rows with any text in them.
    int filledRows() const;
    // "&Load File": asks for a file and loads it.
    void loadFile();
    // "&Save File": asks for a file and saves to it.
    enum class SaveOutcome { Saved, Cancelled, Failed };
    SaveOutcome saveFile();
    // The close question was answered Yes. False when the user gave the save
    // up with Cancel (the program stays open); true when saved or let go.
    bool saveAtClose();
    // Start-up: loads the file of the last run when it is still there (a file
    // that can no longer be read is told and forgotten). Writes nothing.
    void loadLastFile(const QString& fileName);

    // The session ends with rows not saved: their cells as they stand go to
    // `path`, after the name of the weight file they belong to (without such
    // rows an earlier recovery file goes). False when there was nothing to
    // keep or the file could not be written.
    bool keepRecovery(const QString& path) const;
    // Start-up: rows that a session end kept in `path` are offered; Yes puts
    // them into the grid as changes not saved. The file goes once answered.
    void offerRecovery(const QString& path);

    // True when the file was read (an empty one too); else the user was told.
    bool loadweightfile(const QString& fileName);
    bool saveweightfile(const QString& fileName);

    // A date as the grid shows it: the short date format, with the year in
    // full where two digits would read back in another century.
    QString dateText(const QDate& date) const;

    // Start-up: headings, one empty data row, no file name.
    void reset();
    // The grid holds changes that no weight file has, since the last load,
    // save or Clear Grid.
    bool unsaved() const { return unsaved_; }
    // The grid was changed other than by typing (a plan): unsaved data.
    void markChanged() { changed(); }
    const QString& fileName() const { return fileName_; }

    // The graph is to be drawn anew from the cells.
    std::function<void()> repaintGraph;
    // New Row added this data row: the grid puts its cursor there.
    std::function<void(int row)> rowAdded;
    // Today, for reading two-digit years.
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    const QLocale& locale() const { return locale_; }

    // The units the weights are typed in: metric headings name them ("Plan
    // (kg)"); US headings stay "Plan" and "Actual". The cells are left as typed.
    Units units() const { return units_; }
    void setUnits(Units units);

    // Grows with every change of a cell or of the row count.
    quint64 revision() const { return revision_; }
    // The revision of a data row's last change; 0 outside the grid.
    quint64 rowStamp(int row) const
    {
        return row >= 1 && row < rowCount() ? rows_[static_cast<std::size_t>(row)].stamp : 0;
    }
    // The data rows changed since `revision`, first to last (none when first
    // is past last), so that a reader redoes only those; nothing when rows
    // were added, removed or replaced since, or it is too long ago to tell.
    std::optional<std::pair<int, int>> changedRows(quint64 revision) const;
    // The record a data row was loaded from while all its cells still show
    // it, so that readers can take its values without reading the texts.
    const WeightRecord* loadedRecord(int row) const;

    // --- Undo and redo. The grid's rows as they are now, with the file name:
    // a change of the whole grid (a plan) is recorded from it.
    struct Rows;
    Rows rowsNow() const;
    // The grid becomes `rows` empty rows (heading included); the rows it held
    // are handed back, moved, not copied.
    Rows replaceRows(int rows);
    void recordWholeGrid(const QString& text, Rows before);

private:
    struct Row {
        std::array<QString, WeightColumnCount> text;  // cells set or typed
        WeightRecord record{};                        // a loaded row's values
        quint8 loaded = 0;                            // a bit per cell still showing `record`
        quint64 stamp = 0;
    };
    class RowsChange;
    // Rows from `first` on, `count` of them, for the other side of a change.
    Rows rowsAt(int first, int count) const;
    void record(const QString& text, int first, int count, Rows other);
    // Undo and redo: the rows from `first`, `count` of them, trade places
    // with `other`'s; `count` becomes the number now in the grid.
    void swapRows(int first, int& count, Rows& other);
    QString loadedText(const WeightRecord& record, int column) const;
    void store(int column, int row, const QString& text);
    void resizeRows(std::size_t rows);
    // A new revision, for the rows from `first` to `last` (all of them and
    // their number when `resized`).
    quint64 touch(int first, int last, bool resized);
    // Reads a weight file into new rows; the grid's rows go to `replaced`.
    bool loadRows(const QString& fileName, Rows* replaced);
    void changed();
    void graph();
    void setHeadings();

    Program& program_;
    QLocale locale_;
    bool twoDigitYear_;
    std::vector<Row> rows_;
    quint64 revision_ = 0;
    struct Touch {
        quint64 revision = 0;
        int first = 0, last = 0;
        bool resized = true;
    };
    std::array<Touch, 32> touches_{};  // the last revisions', by revision
    QString fileName_;
    bool unsaved_ = false;
    bool emptyFileLoaded_ = false;  // the last file loaded had no rows
    Units units_ = Units::Us;
};

struct WeightLog::Rows {
    std::vector<Row> rows;
    QString fileName;
};

} // namespace tolvane
