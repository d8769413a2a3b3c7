#include "weight/weightlog.h"

#include "shell/filechoice.h"
#include "shell/program.h"
#include "storage/daytext.h"
#include "storage/numbertext.h"
#include "storage/real6.h"
#include "storage/regularfile.h"
#include "storage/safesave.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace tolvane {

namespace weightmsg {
QString cannotOpen(const QString& fileName) { return QStringLiteral("Can not open file ") + fileName + u'.'; }
QString conversionError(int row) { return QStringLiteral("Weight conversion error in row %1.").arg(row); }
QString cannotCreate(const QString& fileName) { return QStringLiteral("Cannot create weight file ") + fileName + u'.'; }
QString cannotWrite(const QString& fileName)
{
    return QStringLiteral("Cannot write weight file %1 completely. Is the disk full? Any earlier file of that name "
                          "is unchanged.")
        .arg(fileName);
}
QString clearQuestion(int rows)
{
    return rows == 1 ? QStringLiteral("Clear 1 row that is not saved?")
                     : QStringLiteral("Clear %1 rows that are not saved?").arg(rows);
}
QString refusedFile(const QString& fileName, const QString& problem)
{
    return QStringLiteral("The file \"%1\" is not a valid weight file: %2. Nothing was loaded.").arg(fileName, problem);
}
} // namespace weightmsg

namespace {
constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }

Message warning(const QString& text) { return Message::typed(text, Icon::Warning, only(Button::Ok), GeneralHelpContext); }

QString problemText(WeightFileProblem problem, qint64 size, qint64 record)
{
    switch (problem) {
    case WeightFileProblem::PartialRecord:
        return QStringLiteral("it is %1 bytes long, which is not a whole number of %2-byte records")
            .arg(size)
            .arg(WeightRecordSize);
    case WeightFileProblem::TooLarge:
        return QStringLiteral("it holds more than %1 records").arg(MaxWeightRecords);
    case WeightFileProblem::BadDate: return QStringLiteral("record %1 holds no valid date").arg(record);
    case WeightFileProblem::None: break;
    }
    return {};
}

// A weight as a stored real holds it, read strictly; empty when it is no number.
std::optional<Real6> weightValue(const QString& text, const QLocale& locale)
{
    const std::optional<long double> value = parseStrict(text, locale);
    if (!value)
        return std::nullopt;
    return longDoubleToReal6(*value);
}
} // namespace

WeightLog::WeightLog(Program& program, QLocale locale)
    : program_(program), locale_(std::move(locale)), twoDigitYear_(!shortDatePattern(locale_).contains(QStringLiteral("yyyy")))
{
    reset();
}

QString WeightLog::cell(int column, int row) const
{
    if (column < 0 || column >= WeightColumnCount || row < 0 || row >= rowCount())
        return {};
    const Row& r = rows_[at(row)];
    if (r.loaded & (1u << column))
        return loadedText(r.record, column);
    return r.text[at(column)];
}

quint64 WeightLog::touch(int first, int last, bool resized)
{
    ++revision_;
    touches_[revision_ % touches_.size()] = {revision_, first, last, resized};
    return revision_;
}

std::optional<std::pair<int, int>> WeightLog::changedRows(quint64 revision) const
{
    if (revision > revision_ || revision_ - revision > touches_.size())
        return std::nullopt;
    std::pair<int, int> rows{rowCount(), 0};
    for (quint64 r = revision + 1; r <= revision_; ++r) {
        const Touch& touched = touches_[r % touches_.size()];
        if (touched.revision != r || touched.resized)
            return std::nullopt;
        rows = {std::min(rows.first, touched.first), std::max(rows.second, touched.last)};
    }
    return rows;
}

const WeightRecord* WeightLog::loadedRecord(int row) const
{
    if (row < 1 || row >= rowCount())
        return nullptr;
    const Row& r = rows_[at(row)];
    return r.loaded == (1u << WeightColumnCount) - 1 ? &r.record : nullptr;
}

QString WeightLog::loadedText(const WeightRecord& record, int column) const
{
    switch (column) {
    case DateColumn: return dateText(dateFromDayNumber(static_cast<long double>(record.date)));
    case PlanColumn: return formatFixed(real6ToLongDouble(record.plan), 6, 1, locale_);
    case ActualColumn: {
        const long double actual = real6ToLongDouble(record.actual);
        return actual > 0 ? formatFixed(actual, 6, 1, locale_) : QString();
    }
    default: return {};
    }
}

void WeightLog::store(int column, int row, const QString& text)
{
    Row& r = rows_[at(row)];
    r.text[at(column)] = text;
    r.loaded &= static_cast<quint8>(~(1u << column));
    r.stamp = touch(row, row, false);
}

void WeightLog::resizeRows(std::size_t rows)
{
    const std::size_t old = rows_.size();
    rows_.resize(rows);
    touch(static_cast<int>(old), static_cast<int>(rows) - 1, old != rows);
    for (std::size_t r = old; r < rows; ++r)
        rows_[r].stamp = revision_;
}

void WeightLog::setCell(int column, int row, const QString& text)
{
    if (column < 0 || column >= WeightColumnCount || row < 1 || row >= rowCount())
        return;
    store(column, row, text);
}

void WeightLog::editCell(int column, int row, const QString& text)
{
    if (column < 0 || column >= WeightColumnCount || row < 1 || row >= rowCount())
        return;
    const bool same = cell(column, row) == text;
    Rows before = rowsAt(row, 1);
    store(column, row, text);
    if (!same)
        record(weightchange::editCell(column, row), row, 1, std::move(before));
    changed();
    graph();
}

void WeightLog::setRowCount(int rows) { resizeRows(at(std::max(rows, 2))); }

void WeightLog::newRow()
{
    resizeRows(rows_.size() + 1);
    changed();
    record(weightchange::NewRow, rowCount() - 1, 1, rowsAt(rowCount(), 0));
    if (rowAdded)
        rowAdded(rowCount() - 1);
}

void WeightLog::removeRow()
{
    const int last = rowCount() - 1;
    Rows before = rowsAt(last, 1);
    // The heading row stays a heading: the last data row is emptied instead of removed.
    if (rowCount() > 2) {
        resizeRows(rows_.size() - 1);
    } else {
        rows_[1] = Row{};
        rows_[1].stamp = touch(1, 1, false);
    }
    changed();
    record(weightchange::RemoveRow, last, rowCount() - last, std::move(before));
}

int WeightLog::filledRows() const
{
    int filled = 0;
    for (int r = 1; r < rowCount(); ++r) {
        // A loaded row always holds its date; other rows are read cell by cell.
        const Row& row = rows_[at(r)];
        bool any = row.loaded != 0;
        for (int c = 0; c < WeightColumnCount && !any; ++c)
            any = !cell(c, r).trimmed().isEmpty();
        filled += any ? 1 : 0;
    }
    return filled;
}

bool WeightLog::clearGrid()
{
    // Rows that no file holds are not emptied without a word.
    if (unsaved_) {
        if (const int rows = filledRows(); rows > 0) {
            const Button answer = program_.ui().showMessage(Message::typed(
                weightmsg::clearQuestion(rows), Icon::Warning, Button::Ok | Button::Cancel, WeightHelpContext));
            if (answer != Button::Ok)
                return false;
        }
    }
    Rows before = replaceRows(2);
    unsaved_ = false;  // nothing left to lose
    graph();
    recordWholeGrid(weightchange::ClearGrid, std::move(before));
    return true;
}

void WeightLog::loadFile()
{
    const std::optional<QString> path =
        chooseUserFileToOpen(program_, FileKind::WeightLog, {QString(), WeightFileFilter, WeightFileSuffix, QString()});
    Rows before{{}, fileName_};
    // A file refused, or one without rows, is no file to save to.
    if (path && loadRows(*path, &before)) {
        fileName_ = emptyFileLoaded_ ? QString() : *path;
        program_.preferences().setLastWeightFile(fileName_);
    }
    graph();
    // A refused file left the grid as it was: no change to keep.
    if (path && !before.rows.empty())
        recordWholeGrid(weightchange::loadFile(QFileInfo(*path).fileName()), std::move(before));
}

void WeightLog::loadLastFile(const QString& fileName)
{
    if (fileName.isEmpty() || !QFileInfo::exists(fileName))
        return;
    // A folder, pipe or device in its place is not read, nor kept.
    if (QFileInfo(fileName).isFile() && loadweightfile(fileName) && !emptyFileLoaded_)
        fileName_ = fileName;
    else
        program_.preferences().setLastWeightFile(QString());
    graph();
}

WeightLog::SaveOutcome WeightLog::saveFile()
{
    // The file loaded or saved before is proposed again.
    const QString proposed = fileName_;
    const std::optional<QString> path =
        chooseUserFileToSave(program_, FileKind::WeightLog, {QString(), WeightFileFilter, WeightFileSuffix, proposed});
    if (!path)
        return SaveOutcome::Cancelled;
    fileName_ = *path;
    if (!saveweightfile(*path))
        return SaveOutcome::Failed;
    program_.preferences().setLastWeightFile(*path);
    return SaveOutcome::Saved;
}

bool WeightLog::saveAtClose()
{
    // A save that failed is offered again, so that a file name that cannot be
    // written does not lose the log; a cancelled dialog keeps the program open.
    for (;;) {
        switch (saveFile()) {
        case SaveOutcome::Saved: return true;
        case SaveOutcome::Cancelled: return false;
        case SaveOutcome::Failed: break;
        }
        const Button again = program_.ui().showMessage(Message::typed(
            SaveWeightQuestion, Icon::Information, Button::Yes | Button::No | only(Button::Cancel), WeightHelpContext));
        if (again != Button::Yes)
            return again == Button::No;
    }
}

bool WeightLog::loadweightfile(const QString& fileName) { return loadRows(fileName, nullptr); }

bool WeightLog::loadRows(const QString& fileName, Rows* replaced)
{
    UserInterface& ui = program_.ui();
    QFile file(fileName);
    switch (openRegularFile(file)) {
    case OpenResult::Opened: break;
    case OpenResult::NotRegular: ui.showMessage(warning(notRegularFileText(fileName))); return false;
    case OpenResult::CannotOpen: ui.showMessage(warning(weightmsg::cannotOpen(fileName))); return false;
    }
    const qint64 size = file.size();
    // The size is checked before anything is read, so an oversized file is never read in.
    const WeightFileProblem sizeProblem = checkWeightFileSize(size);
    if (sizeProblem != WeightFileProblem::None) {
        ui.showMessage(warning(weightmsg::refusedFile(fileName, problemText(sizeProblem, size, 0))));
        return false;
    }
    const QByteArray bytes = file.read(size);
    if (bytes.size() != size) {
        ui.showMessage(warning(weightmsg::cannotOpen(fileName)));
        return false;
    }
    const WeightFileRead read = readWeightImage(bytes);
    if (read.problem != WeightFileProblem::None) {
        ui.showMessage(warning(weightmsg::refusedFile(fileName, problemText(read.problem, size, read.record))));
        return false;
    }
    emptyFileLoaded_ = read.records.empty();
    // The grid's table is made once at the file's size (no file gives fewer
    // than the heading and one empty row); the rows it held are moved out.
    Rows before = replaceRows(static_cast<int>(read.records.size()) + 1);
    if (replaced)
        replaced->rows = std::move(before.rows);
    unsaved_ = false;
    if (emptyFileLoaded_)
        return true;  // no rows: the grid shows none either
    program_.userFileUsed(UserFile::Weight, fileName);
    for (std::size_t i = 0; i < read.records.size(); ++i) {
        Row& row = rows_[i + 1];
        row.record = read.records[i];
        row.loaded = (1u << WeightColumnCount) - 1;
    }
    return true;
}

bool WeightLog::saveweightfile(const QString& fileName)
{
    UserInterface& ui = program_.ui();
    std::vector<WeightRecord> records;
    records.reserve(rows_.size());
    const QDate now = today();
    // A loaded row's texts were written to read back as its record: its day is
    // the record's, and each stored weight's text is read once.
    QHash<quint64, std::optional<Real6>> loadedWeights;
    const auto loadedWeight = [&](const Real6& stored, int column, int r) {
        const quint64 key = storedWeightKey(stored, column);
        auto it = loadedWeights.constFind(key);
        if (it == loadedWeights.constEnd()) {
            const QString text = cell(column, r);
            it = loadedWeights.insert(key, text.trimmed().isEmpty() ? std::optional<Real6>(Real6{})
                                                                    : weightValue(text, locale_));
        }
        return *it;
    };
    for (int r = 1; r < rowCount(); ++r) {
        if (const WeightRecord* loaded = loadedRecord(r)) {
            const std::optional<Real6> plan = loadedWeight(loaded->plan, PlanColumn, r);
            const std::optional<Real6> actual = loadedWeight(loaded->actual, ActualColumn, r);
            if (plan && actual) {
                const long double day = dayNumberFromDate(dateFromDayNumber(static_cast<long double>(loaded->date)));
                records.push_back({static_cast<double>(day), *plan, *actual});
                continue;
            }
        }
        const QString actualText = cell(ActualColumn, r);
        const std::optional<QDate> date = parseShortDate(cell(DateColumn, r), locale_, now);
        const std::optional<Real6> plan = weightValue(cell(PlanColumn, r), locale_);
        const bool noActual = actualText.trimmed().isEmpty();
        const std::optional<Real6> actual = noActual ? std::optional<Real6>(Real6{}) : weightValue(actualText, locale_);
        if (!date || !plan || !actual) {
            ui.showMessage(Message::typed(weightmsg::conversionError(r), Icon::Information, only(Button::Ok),
                                          GeneralHelpContext));
            return false;
        }
        records.push_back({static_cast<double>(dayNumberFromDate(*date)), *plan, *actual});
    }
    switch (saveFileAtomically(fileName, writeWeightImage(records))) {
    case SaveResult::Saved:
        unsaved_ = false;
        program_.userFileUsed(UserFile::Weight, fileName);
        return true;
    case SaveResult::CannotCreate: ui.showMessage(warning(weightmsg::cannotCreate(fileName))); break;
    case SaveResult::WriteFailed: ui.showMessage(warning(weightmsg::cannotWrite(fileName))); break;
    }
    return false;
}

QString WeightLog::dateText(const QDate& date) const
{
    // A two-digit year reads back in the century of today.
    if (!twoDigitYear_ || date.year() / 100 == today().year() / 100)
        return formatShortDate(date, locale_);
    QString pattern = shortDatePattern(locale_);
    pattern.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return date.toString(pattern);
}

void WeightLog::reset()
{
    rows_.assign(2, Row{});
    rows_[1].stamp = touch(1, 1, true);
    setHeadings();
    fileName_.clear();
    unsaved_ = false;
}

void WeightLog::setUnits(Units units)
{
    units_ = units;
    setHeadings();
    graph();
}

void WeightLog::setHeadings()
{
    const QString unit = units_ == Units::Metric ? QStringLiteral(" (%1)").arg(weightUnit(units_)) : QString();
    rows_[0].text = {QStringLiteral("Date"), QStringLiteral("Plan") + unit, QStringLiteral("Actual") + unit};
}

void WeightLog::changed()
{
    program_.setWeightChanged(true);
    unsaved_ = true;
}

void WeightLog::graph()
{
    if (repaintGraph)
        repaintGraph();
}

} // namespace tolvane
