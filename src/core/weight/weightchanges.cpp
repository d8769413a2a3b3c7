// The grid's changes for undo and redo. The grid is written to no file until
// "&Save File", so a change keeps the rows it touched (one for a typed cell,
// all of them for a loaded file or a plan) and trades them with the grid's:
// taking a change back and making it again move rows, never copy them.

#include "weight/weightlog.h"

#include "shell/program.h"

#include <algorithm>
#include <iterator>

namespace tolvane {

namespace {
constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }
} // namespace

namespace weightchange {
QString editCell(int column, int row)
{
    static const QStringList columns{QStringLiteral("Date"), QStringLiteral("Plan"), QStringLiteral("Actual")};
    return QStringLiteral("Edit %1 in Row %2").arg(columns.value(column)).arg(row);
}
QString loadFile(const QString& fileName) { return QStringLiteral("Load File %1").arg(fileName); }
} // namespace weightchange

class WeightLog::RowsChange final : public Change {
public:
    RowsChange(const QString& text, WeightLog& log, int first, int count, Rows other)
        : Change(text), log_(log), first_(first), count_(count), other_(std::move(other))
    {
    }
    void undo() override { log_.swapRows(first_, count_, other_); }
    void redo() override { log_.swapRows(first_, count_, other_); }
    qsizetype heldBytes() const override
    {
        qsizetype bytes = static_cast<qsizetype>(other_.rows.capacity() * sizeof(Row));
        for (const Row& row : other_.rows)
            for (const QString& text : row.text)
                bytes += text.size() * 2;
        return bytes;
    }

private:
    WeightLog& log_;
    int first_;
    int count_;
    Rows other_;
};

WeightLog::Rows WeightLog::rowsNow() const { return {rows_, fileName_}; }

WeightLog::Rows WeightLog::replaceRows(int rows)
{
    Rows before{std::vector<Row>(at(std::max(rows, 2))), fileName_};
    std::swap(rows_, before.rows);
    touch(1, static_cast<int>(rows_.size()) - 1, true);
    for (Row& row : rows_)
        row.stamp = revision_;
    setHeadings();
    return before;
}

WeightLog::Rows WeightLog::rowsAt(int first, int count) const
{
    const auto begin = rows_.begin() + first;
    return {std::vector<Row>(begin, begin + count), fileName_};
}

void WeightLog::record(const QString& text, int first, int count, Rows other)
{
    if (program_.changes.recording())
        program_.changes.record(std::make_unique<RowsChange>(text, *this, first, count, std::move(other)));
}

void WeightLog::recordWholeGrid(const QString& text, Rows before)
{
    record(text, 0, rowCount(), std::move(before));
}

void WeightLog::swapRows(int first, int& count, Rows& other)
{
    const auto otherCount = static_cast<int>(other.rows.size());
    const bool whole = first == 0 && count == rowCount();
    if (whole) {
        std::swap(rows_, other.rows);
    } else if (count == otherCount) {
        std::swap_ranges(rows_.begin() + first, rows_.begin() + first + count, other.rows.begin());
    } else {
        const auto begin = rows_.begin() + first;
        std::vector<Row> live(std::make_move_iterator(begin), std::make_move_iterator(begin + count));
        rows_.erase(begin, begin + count);
        rows_.insert(rows_.begin() + first, std::make_move_iterator(other.rows.begin()),
                     std::make_move_iterator(other.rows.end()));
        other.rows = std::move(live);
    }
    touch(first, first + otherCount - 1, whole || count != otherCount);
    count = otherCount;
    std::swap(fileName_, other.fileName);
    for (int r = first; r < first + otherCount; ++r)
        rows_[static_cast<std::size_t>(r)].stamp = revision_;
    setHeadings();
    // The grid now differs from any file: the close asks as after typing.
    changed();
    graph();
}

} // namespace tolvane
