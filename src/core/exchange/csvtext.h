#pragma once
// Comma-separated values as spreadsheets write them (RFC 4180): fields with a
// comma, a quote or a line break are quoted, quotes doubled inside. Files are
// UTF-8, with or without a byte order mark; lines end in CRLF when written and
// in CRLF or LF when read.

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QStringView>
#include <limits>
#include <vector>

class QIODevice;

namespace tolvane {

struct CsvRow {
    int line = 0;            // the line of the file where the row starts, from 1
    QStringList fields;      // the fields kept (see CsvLimits)
    qsizetype fieldCount = 0;  // every field of the row, kept or not
};

enum class CsvProblem { None, NotUtf8, OpenQuote, TooLarge, ReadError };

// What a reader keeps of a row, so that a hostile file cannot take the
// memory: fields after the first `fields` are only counted, and a field keeps
// at most `fieldLength` + 1 characters (one more than the limit shows that it
// was cut).
struct CsvLimits {
    qsizetype fields = std::numeric_limits<qsizetype>::max();
    qsizetype fieldLength = std::numeric_limits<qsizetype>::max();
};

// Reads rows one at a time from a file, a chunk of bytes at a time.
class CsvReader {
public:
    // Reads `device` from its position; more than `sizeLimit` bytes is a problem.
    explicit CsvReader(QIODevice& device, qint64 sizeLimit = std::numeric_limits<qint64>::max());
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    void setLimits(const CsvLimits& limits) { limits_ = limits; }
    // The next row that is not blank, valid until the next call. Nothing at
    // the end of the file and on a problem; rows before a problem have been
    // returned already.
    const CsvRow* next();
    CsvProblem problem() const { return problem_; }
    int problemLine() const { return problemLine_; }  // where an unclosed quoted field starts
    qint64 bytesRead() const { return bytesRead_; }

private:
    bool refill();
    void startRow();
    void startField();
    void append(QStringView text);
    void endField();

    QIODevice& device_;
    qint64 sizeLimit_;
    CsvLimits limits_;
    QStringDecoder decoder_;
    QByteArray carry_;       // the start of a character cut at the end of a chunk
    QString text_;
    qsizetype pos_ = 0;
    qint64 bytesRead_ = 0;
    bool atEnd_ = false;
    bool started_ = false;   // the byte order mark has been looked for
    CsvProblem problem_ = CsvProblem::None;
    int problemLine_ = 0;

    int line_ = 1;
    // The row being read; its strings keep their memory from row to row.
    CsvRow row_;
    qsizetype fieldLength_ = 0;  // characters of the current field, kept or not
    bool quoted_ = false;        // inside a quoted field
    bool quoteInQuoted_ = false; // a quote inside it: the field's end, or the first of two
    bool fieldStarted_ = false;  // the row has content (so a blank line is no row)
    bool pendingCr_ = false;     // a CR ended the last line: an LF right after it ends no other
    int quoteLine_ = 0;
};

struct CsvRead {
    std::vector<CsvRow> rows;        // blank lines are left out
    CsvProblem problem = CsvProblem::None;
    int problemLine = 0;             // where the unclosed quoted field starts
};

// Reads a whole file image; on a problem no rows are returned.
CsvRead readCsv(const QByteArray& bytes);

// One field as it is written: quoted only when it must be.
QString csvField(const QString& text);

// A text field (a name, a typed cell) that a spreadsheet would run as a
// formula, one starting with =, +, -, @, a tab or a carriage return, gets a
// leading apostrophe (OWASP's advice against CSV injection); so does one that
// starts with an apostrophe, so that reading takes exactly one away.
QString spreadsheetSafe(const QString& text);
// The text that spreadsheetSafe() was given.
QString fromSpreadsheetSafe(const QString& field);

// Adds one row (fields joined by commas, CRLF at the end) to `out` as UTF-8.
void appendCsvRow(QByteArray& out, const QStringList& fields);

} // namespace tolvane
