// Reading and writing comma-separated values as spreadsheets do.

#include "exchange/csvtext.h"
#include "qstringprint.h"

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
    const QByteArray bytes("\xEF\xBB\xBFName,Value\r\n\"a, \"\"b\"\"\",1\n\n\"two\r\nlines\",2\r\nlast,\n,\r\n");
    const CsvRead read = readCsv(bytes);
    ASSERT_EQ(read.problem, CsvProblem::None);
    const QList<QStringList> expected = {
        {QStringLiteral("Name"), QStringLiteral("Value")},
        {QStringLiteral("a, \"b\""), QStringLiteral("1")},
        {QStringLiteral("two\r\nlines"), QStringLiteral("2")},
        {QStringLiteral("last"), QString()},
        {QString(), QString()},
    };
    EXPECT_EQ(fieldsOf(read), expected);
    // Lines are those of the file: the blank line 3 is skipped, the quoted
    // line break makes row 3 span lines 4 and 5.
    std::vector<int> lines;
    for (const CsvRow& row : read.rows)
        lines.push_back(row.line);
    EXPECT_EQ(lines, (std::vector<int>{1, 2, 4, 6, 7}));
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

    EXPECT_TRUE(readCsv(QByteArray()).rows.empty());
    EXPECT_TRUE(readCsv(QByteArray("\xEF\xBB\xBF\r\n")).rows.empty());
}

} // namespace
