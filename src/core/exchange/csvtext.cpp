#include "exchange/csvtext.h"

#include <QStringDecoder>

namespace tolvane {

CsvRead readCsv(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    const QString text = decoder.decode(view);
    CsvRead read;
    if (decoder.hasError()) {
        read.problem = CsvProblem::NotUtf8;
        return read;
    }

    int line = 1;
    CsvRow row{line, {}};
    QString field;
    bool quoted = false;       // inside a quoted field
    bool fieldStarted = false; // the row has content (so a blank line is no row)
    int quoteLine = 0;
    const auto endRow = [&] {
        if (fieldStarted || !row.fields.isEmpty()) {
            row.fields.append(field);
            read.rows.push_back(row);
        }
        row = CsvRow{line, {}};
        field.clear();
        fieldStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text.at(i + 1) == u'"') {
                    field.append(u'"');
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                field.append(c);
            }
            continue;
        }
        if (c == u'"' && field.isEmpty()) {
            quoted = true;
            fieldStarted = true;
            quoteLine = line;
        } else if (c == u',') {
            row.fields.append(field);
            field.clear();
            fieldStarted = true;
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            ++line;
            endRow();
        } else {
            field.append(c);
            fieldStarted = true;
        }
    }
    if (quoted) {
        read.rows.clear();
        read.problem = CsvProblem::OpenQuote;
        read.problemLine = quoteLine;
        return read;
    }
    endRow();
    return read;
}

QString csvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

void appendCsvRow(QByteArray& out, const QStringList& fields)
{
    QStringList written;
    written.reserve(fields.size());
    for (const QString& f : fields)
        written.append(csvField(f));
    out.append(written.join(u',').toUtf8());
    out.append("\r\n");
}

} // namespace tolvane
