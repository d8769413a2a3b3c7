// Reading and writing comma-separated values as spreadsheets do.

#include "exchange/csvtext.h"
#include "qstringprint.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace tolvane;

namespace {

QList<QStringList> fieldsOf(const CsvRead& read)
{
    QList<QStringList> rows;
    for (const CsvRow& row : read.rows)
        rows.append(row.fields);
    return rows;
}

TEST(CsvText, QuotesOnlyWhatMustBeQuoted)
{
    EXPECT_EQ(csvField(QStringLiteral("Milk, whole")), QStringLiteral("\"Milk, whole\""));
    EXPECT_EQ(csvField(QStringLiteral("12\" pizza")), QStringLiteral("\"12\"\" pizza\""));
    EXPECT_EQ(csvField(QStringLiteral("two\nlines")), QStringLiteral("\"two\nlines\""));
    EXPECT_EQ(csvField(QStringLiteral("Plain")), QStringLiteral("Plain"));
    QByteArray out;
    appendCsvRow(out, {QStringLiteral("Café, au lait"), QStringLiteral("1.5"), QString()});
    EXPECT_EQ(out, QByteArray("\"Caf\xC3\xA9, au lait\",1.5,\r\n"));
}

TEST(CsvText, ReadsQuotedFieldsLineBreaksAndByteOrderMark)
{
    const QByteArray bytes(
        "\xEF\xBB\xBFName,Value\r\n\"a, \"\"b\"\"\",1\n\n\"two\r\nlines\",2\r\n12\" pizza,3\r\nlast,\n,\r\n");
    const CsvRead read = readCsv(bytes);
    ASSERT_EQ(read.problem, CsvProblem::None);
    const QList<QStringList> expected = {
        {QStringLiteral("Name"), QStringLiteral("Value")},
        {QStringLiteral("a, \"b\""), QStringLiteral("1")},
        {QStringLiteral("two\r\nlines"), QStringLiteral("2")},
        {QStringLiteral("12\" pizza"), QStringLiteral("3")},  // a quote inside a field is text
        {QStringLiteral("last"), QString()},
        {QString(), QString()},
    };
    EXPECT_EQ(fieldsOf(read), expected);
    // Lines are those of the file: the blank line 3 is skipped, the quoted
    // line break makes row 3 span lines 4 and 5.
    std::vector<int> lines;
    for (const CsvRow& row : read.rows)
        lines.push_back(row.line);
    EXPECT_EQ(lines, (std::vector<int>{1, 2, 4, 6, 7, 8}));
}

TEST(CsvText, WrittenRowsReadBack)
{
    const QStringList row{QStringLiteral("x,\"y\"\nz"), QStringLiteral(" lead"), QString(), QStringLiteral("é")};
    QByteArray out;
    appendCsvRow(out, row);
    appendCsvRow(out, row);
    const CsvRead read = readCsv(out);
    ASSERT_EQ(read.rows.size(), 2U);
    EXPECT_EQ(read.rows[0].fields, row);
    EXPECT_EQ(read.rows[1].fields, row);
}

TEST(CsvText, RefusesAnOpenQuoteAndBytesThatAreNotUtf8)
{
    const CsvRead open = readCsv(QByteArray("a,b\nc,\"d\ne\n"));
    EXPECT_EQ(open.problem, CsvProblem::OpenQuote);
    EXPECT_EQ(open.problemLine, 2);
    EXPECT_TRUE(open.rows.empty());

    const CsvRead latin1 = readCsv(QByteArray("Caf\xE9,1\n"));
    EXPECT_EQ(latin1.problem, CsvProblem::NotUtf8);
    EXPECT_TRUE(latin1.rows.empty());

    // A file that ends inside a character of several bytes.
    EXPECT_EQ(readCsv(QByteArray("a,\xE2\x82")).problem, CsvProblem::NotUtf8);
    EXPECT_EQ(readCsv(QByteArray("a,\xF0\x9F\x8D")).problem, CsvProblem::NotUtf8);
    // A quoted field closed at the very end of the file is no open quote.
    const QList<QStringList> closed = {{QStringLiteral("a"), QStringLiteral("b")}};
    EXPECT_EQ(fieldsOf(readCsv(QByteArray("a,\"b\""))), closed);

    EXPECT_TRUE(readCsv(QByteArray()).rows.empty());
    EXPECT_TRUE(readCsv(QByteArray("\xEF\xBB\xBF\r\n")).rows.empty());
}

// The file is read 64 KiB at a time: a CRLF, a doubled quote or a character
// of several bytes cut by the end of a chunk reads as a whole one.
TEST(CsvText, RowsReadTheSameWhereverAChunkEnds)
{
    const QByteArray tail("\"a\"\"b\",\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8D\x8E\r\n\"x\"\r\n\"\"\r\n");
    const QList<QStringList> expectedTail = {{QStringLiteral("a\"b"), QStringLiteral("\u00E9\u20AC\U0001F34E")},
                                             {QStringLiteral("x")},
                                             {QString()}};
    constexpr int Chunk = 64 * 1024;
    for (int cut = 1; cut < tail.size(); ++cut) {
        // A first line that ends `cut` bytes before the end of the first chunk.
        const QByteArray first = QByteArray(Chunk - cut - 1, 'p') + '\n';
        const CsvRead read = readCsv(first + tail);
        ASSERT_EQ(read.problem, CsvProblem::None) << cut;
        EXPECT_EQ(fieldsOf(read), QList<QStringList>{QStringList{QString::fromLatin1(first.chopped(1))}} + expectedTail)
            << cut;
        ASSERT_EQ(read.rows.size(), 4U);
        EXPECT_EQ(read.rows[3].line, 4) << cut;
    }
}

TEST(CsvText, AReaderKeepsWhatItsLimitsAllowAndStopsAtItsSize)
{
    QBuffer buffer;
    buffer.setData("a,bbbbbb,c,d\n1,2\n");
    buffer.open(QIODevice::ReadOnly);
    CsvReader reader(buffer, 17);
    reader.setLimits({2, 3});
    const CsvRow* row = reader.next();
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->fields, (QStringList{QStringLiteral("a"), QStringLiteral("bbbb")}));  // one more than 3 shows the cut
    EXPECT_EQ(row->fieldCount, 4);
    row = reader.next();
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->fields, (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(row->fieldCount, 2);
    EXPECT_EQ(reader.next(), nullptr);
    EXPECT_EQ(reader.problem(), CsvProblem::None);

    buffer.seek(0);
    CsvReader smaller(buffer, 16);
    EXPECT_EQ(smaller.next(), nullptr);
    EXPECT_EQ(smaller.problem(), CsvProblem::TooLarge);
}

} // namespace
