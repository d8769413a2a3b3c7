#include "exchange/csvtext.h"

#include <QBuffer>
#include <algorithm>

namespace tolvane {

namespace {
constexpr qint64 ChunkSize = 64 * 1024;

// Where a character cut by the end of the chunk starts (the chunk's size when
// none is cut). Whether the bytes are valid UTF-8 is the decoder's question.
qsizetype cutCharacter(const QByteArray& chunk)
{
    for (qsizetype back = 1; back <= 3 && back <= chunk.size(); ++back) {
        const auto b = static_cast<unsigned char>(chunk.at(chunk.size() - back));
        if ((b & 0xC0) == 0x80)
            continue;  // a continuation byte: look further back
        const int length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        return length > back ? chunk.size() - back : chunk.size();
    }
    return chunk.size();
}
} // namespace

CsvReader::CsvReader(QIODevice& device, qint64 sizeLimit)
    : device_(device), sizeLimit_(sizeLimit),
      // The file's own byte order mark is skipped by hand; one after it is text.
      decoder_(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)
{
}

bool CsvReader::refill()
{
    text_.clear();
    pos_ = 0;
    QByteArray chunk = carry_;
    carry_.clear();
    const qint64 left = sizeLimit_ - bytesRead_;
    // One byte past the limit tells a file over it from one that ends there.
    const qint64 wanted = left >= ChunkSize ? ChunkSize : left + 1;
    const qsizetype kept = chunk.size();
    chunk.resize(kept + wanted);
    const qint64 got = device_.read(chunk.data() + kept, wanted);
    if (got < 0) {
        problem_ = CsvProblem::ReadError;
        return false;
    }
    chunk.truncate(kept + got);
    bytesRead_ += got;
    if (bytesRead_ > sizeLimit_) {
        problem_ = CsvProblem::TooLarge;
        return false;
    }
    if (got == 0) {
        atEnd_ = true;
        if (!chunk.isEmpty())
            problem_ = CsvProblem::NotUtf8;  // the file ends inside a character
        return false;
    }
    if (!started_) {
        started_ = true;
        if (chunk.startsWith("\xEF\xBB\xBF"))
            chunk.remove(0, 3);
    }
    // The decoder would keep a cut character for the next chunk too, but not
    // say at the end that the file stopped inside one: the carry does.
    const qsizetype cut = cutCharacter(chunk);
    carry_ = chunk.sliced(cut);
    chunk.truncate(cut);
    text_ = decoder_.decode(chunk);
    if (decoder_.hasError()) {
        problem_ = CsvProblem::NotUtf8;
        return false;
    }
    return true;
}

void CsvReader::startRow()
{
    row_.line = line_;
    row_.fieldCount = 0;
    fieldStarted_ = false;
    startField();
}

void CsvReader::startField()
{
    fieldLength_ = 0;
    const qsizetype index = row_.fieldCount;
    if (index >= limits_.fields)
        return;
    if (index < row_.fields.size())
        row_.fields[index].resize(0);  // keeps its memory
    else
        row_.fields.append(QString());
}

void CsvReader::append(QStringView text)
{
    const qsizetype index = row_.fieldCount;
    if (index < limits_.fields && fieldLength_ <= limits_.fieldLength) {
        const qsizetype room = limits_.fieldLength - fieldLength_;  // one more shows the cut
        row_.fields[index].append(text.first(std::min(room, text.size() - 1) + 1));
    }
    fieldLength_ += text.size();
}

void CsvReader::endField()
{
    ++row_.fieldCount;
    startField();
}

const CsvRow* CsvReader::next()
{
    // Ends the row at a line break or the end of the file: the row, or
    // nothing for a blank line.
    const auto endRow = [this]() -> const CsvRow* {
        if (!fieldStarted_) {
            startRow();
            return nullptr;
        }
        ++row_.fieldCount;
        row_.fields.resize(std::min(row_.fieldCount, limits_.fields));
        return &row_;
    };
    const auto isSpecial = [](QChar c) { return c == u',' || c == u'"' || c == u'\n' || c == u'\r'; };
    startRow();
    while (problem_ == CsvProblem::None) {
        if (pos_ >= text_.size()) {
            if (!atEnd_ && refill())
                continue;
            if (problem_ != CsvProblem::None || !atEnd_)
                return nullptr;
            if (quoted_ && !quoteInQuoted_) {
                problem_ = CsvProblem::OpenQuote;
                problemLine_ = quoteLine_;
                return nullptr;
            }
            quoted_ = quoteInQuoted_ = false;
            return endRow();
        }
        const QStringView text(text_);
        if (quoteInQuoted_) {
            quoteInQuoted_ = false;
            if (text[pos_] == u'"') {
                append(text.sliced(pos_++, 1));  // a doubled quote stands for one
                continue;
            }
            quoted_ = false;  // the quote closed the field; what follows is read as outside it
        }
        if (quoted_) {
            qsizetype end = pos_;
            while (end < text.size() && text[end] != u'"' && text[end] != u'\n')
                ++end;
            if (end < text.size() && text[end] == u'\n') {
                ++line_;
                ++end;
            }
            append(text.sliced(pos_, end - pos_));
            if (end < text.size() && text[end] == u'"') {
                quoteInQuoted_ = true;
                ++end;
            }
            pos_ = end;
            continue;
        }
        const QChar c = text[pos_];
        if (pendingCr_) {
            pendingCr_ = false;
            if (c == u'\n') {
                ++pos_;
                continue;  // CRLF ends one line
            }
        }
        if (!isSpecial(c) || (c == u'"' && fieldLength_ > 0)) {
            // Plain text up to the next comma, quote or line break.
            qsizetype end = pos_ + 1;
            while (end < text.size() && !isSpecial(text[end]))
                ++end;
            append(text.sliced(pos_, end - pos_));
            pos_ = end;
            fieldStarted_ = true;
            continue;
        }
        ++pos_;
        if (c == u'"') {
            quoted_ = true;
            fieldStarted_ = true;
            quoteLine_ = line_;
        } else if (c == u',') {
            endField();
            fieldStarted_ = true;
        } else {
            pendingCr_ = c == u'\r';
            ++line_;
            if (const CsvRow* row = endRow())
                return row;
        }
    }
    return nullptr;
}

CsvRead readCsv(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CsvReader reader(buffer);
    CsvRead read;
    while (const CsvRow* row = reader.next())
        read.rows.push_back(*row);
    if (reader.problem() != CsvProblem::None) {
        read.rows.clear();
        read.problem = reader.problem();
        read.problemLine = reader.problemLine();
    }
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

namespace {
bool startsFormula(QStringView text)
{
    static constexpr QStringView Starts = u"=+-@\t\r'";
    return !text.isEmpty() && Starts.contains(text.front());
}
} // namespace

QString spreadsheetSafe(const QString& text) { return startsFormula(text) ? u'\'' + text : text; }

QString fromSpreadsheetSafe(const QString& field)
{
    return field.startsWith(u'\'') && startsFormula(QStringView(field).mid(1)) ? field.mid(1) : field;
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
