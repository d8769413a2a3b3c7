#pragma once
// Comma-separated values as spreadsheets write them (RFC 4180): fields with a
// comma, a quote or a line break are quoted, quotes doubled inside. Files are
// UTF-8, with or without a byte order mark; lines end in CRLF when written and
// in CRLF or LF when read.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tolvane {

struct CsvRow {
    int line = 0;          // the line of the file where the row starts, from 1
    QStringList fields;
};

enum class CsvProblem { None, NotUtf8, OpenQuote };

struct CsvRead {
    std::vector<CsvRow> rows;        // blank lines are left out
    CsvProblem problem = CsvProblem::None;
    int problemLine = 0;             // where the unclosed quoted field starts
};

// Reads a whole file image; on a problem no rows are returned.
CsvRead readCsv(const QByteArray& bytes);

// One field as it is written: quoted only when it must be.
QString csvField(const QString& text);

// Adds one row (fields joined by commas, CRLF at the end) to `out` as UTF-8.
void appendCsvRow(QByteArray& out, const QStringList& fields);

} // namespace tolvane
