// The weight log: the grid's rows and commands, the weight file byte for byte,
// loading over the grid, refused files, the checks before saving, and the
// question at close.

#include "weightfixture.h"
#include "storage/regularfile.h"

#include <QFile>
#include <sys/stat.h>

#include <QFile>
#include <limits>
#include <utility>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const QString Date = QStringLiteral("Date");

// 12/7/26 plan 150 no actual; 12/14/26 plan 149.5 actual 148.
const QByteArray Golden = QByteArray::fromHex("0000000060a3e640"
                                              "880000000016"
                                              "000000000000"
                                              "0000000040a4e640"
                                              "880000008015"
                                              "880000000014");

class WeightLogTest : public WeightTest {
protected:
    void load(const QString& name)
    {
        ui.openAnswers.push_back(path(name));
        program.execute(Command::LoadWeightFile);
    }
    // A new file is created after its question, which is checked and left
    // out of `ui.messages`.
    void save(const QString& name)
    {
        const bool isNew = !QFile::exists(path(name));
        const std::size_t before = ui.messages.size();
        ui.saveAnswers.push_back(path(name));
        program.execute(Command::SaveWeightFile);
        if (!isNew)
            return;
        if (ui.messages.size() > before && ui.messages[before] == createQuestion(name))
            ui.messages.erase(ui.messages.begin() + static_cast<std::ptrdiff_t>(before));
        else
            ADD_FAILURE() << "no question before creating " << name.toStdString();
    }
    void fillGolden()
    {
        fill({{QStringLiteral("12/7/26"), QStringLiteral("150"), QString()},
              {QStringLiteral("12/14/2026"), QStringLiteral(" 149.5 "), QStringLiteral("148.0")}});
    }
};

TEST_F(WeightLogTest, StartsWithHeadingsAndOneEmptyRow)
{
    EXPECT_EQ(log.rowCount(), 2);
    EXPECT_EQ(row(0), (QStringList{Date, QStringLiteral("Plan"), QStringLiteral("Actual")}));
    EXPECT_EQ(row(1), (QStringList{QString(), QString(), QString()}));
    EXPECT_FALSE(program.weightChanged());
    EXPECT_TRUE(log.fileName().isEmpty());
    for (Command c : {Command::CreatePlan, Command::NewWeightRow, Command::LoadWeightFile, Command::SaveWeightFile,
                      Command::ClearWeightGrid})
        EXPECT_TRUE(program.isEnabled(c));
}

TEST_F(WeightLogTest, RowCommandsAndTheChangedFlag)
{
    log.editCell(PlanColumn, 1, QStringLiteral("15"));
    EXPECT_TRUE(program.weightChanged());
    EXPECT_EQ(graphRepaints, 1);
    program.setWeightChanged(false);
    program.execute(Command::NewWeightRow);
    EXPECT_EQ(log.rowCount(), 3);
    EXPECT_TRUE(program.weightChanged());
    log.editCell(DateColumn, 2, QStringLiteral("x"));
    program.execute(Command::NewWeightRow);
    // Remove Row drops the last row whatever is selected.
    log.removeRow();
    EXPECT_EQ(log.rowCount(), 3);
    EXPECT_EQ(log.cell(DateColumn, 2), QStringLiteral("x"));
    log.removeRow();
    // The last data row is emptied, never removed: the heading stays a heading.
    log.removeRow();
    EXPECT_EQ(log.rowCount(), 2);
    EXPECT_EQ(row(1), (QStringList{QString(), QString(), QString()}));
    EXPECT_EQ(log.cell(DateColumn, 0), Date);
    // Headings are not data.
    log.editCell(DateColumn, 0, QStringLiteral("y"));
    EXPECT_EQ(log.cell(DateColumn, 0), Date);
    EXPECT_EQ(graphRepaints, 2);

    program.setWeightChanged(false);
    fillGolden();
    program.execute(Command::ClearWeightGrid);
    EXPECT_EQ(log.rowCount(), 2);
    EXPECT_EQ(row(1), (QStringList{QString(), QString(), QString()}));
    EXPECT_FALSE(program.weightChanged());
    EXPECT_EQ(graphRepaints, 3);
}

// Clear Grid asks before it empties rows that no file holds: the question
// counts the rows with text, Cancel keeps them, and nothing is asked once
// they are saved or when the unsaved rows are empty.
TEST_F(WeightLogTest, ClearGridAsksForRowsThatAreNotSaved)
{
    const auto question = [](const char* text) {
        return Message::typed(QString::fromLatin1(text), Icon::Warning, Button::Ok | Button::Cancel, WeightHelpContext);
    };
    fillGolden();
    program.execute(Command::NewWeightRow);  // a third, empty row is not counted
    log.editCell(ActualColumn, 1, QStringLiteral("151"));
    ui.answers = {Button::Cancel};
    program.execute(Command::ClearWeightGrid);
    EXPECT_EQ(ui.messages, std::vector<Message>{question("Clear 2 rows that are not saved?")});
    EXPECT_EQ(log.rowCount(), 4);
    EXPECT_EQ(log.cell(ActualColumn, 1), QStringLiteral("151"));

    log.removeRow();
    log.removeRow();
    ui.messages.clear();
    ui.answers = {Button::Ok};
    program.execute(Command::ClearWeightGrid);
    EXPECT_EQ(ui.messages, std::vector<Message>{question("Clear 1 row that is not saved?")});
    EXPECT_EQ(row(1), (QStringList{QString(), QString(), QString()}));

    // Typed and erased again: nothing to lose. Saved rows: nothing to lose.
    ui.messages.clear();
    log.editCell(DateColumn, 1, QStringLiteral(" "));
    program.execute(Command::ClearWeightGrid);
    fillGolden();
    log.editCell(ActualColumn, 1, QStringLiteral("151"));
    save(QStringLiteral("kept.wgt"));
    program.execute(Command::ClearWeightGrid);
    EXPECT_EQ(ui.messages, std::vector<Message>{});
    EXPECT_EQ(log.rowCount(), 2);
}

TEST_F(WeightLogTest, SaveWritesTheGoldenBytesAndLoadReadsThemBack)
{
    fillGolden();
    save(QStringLiteral("log.wgt"));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(readAll(path(QStringLiteral("log.wgt"))).toHex(), Golden.toHex());
    EXPECT_EQ(log.fileName(), path(QStringLiteral("log.wgt")));
    ASSERT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(ui.saveRequests[0].filter, QStringLiteral("Weight File (*.wgt)"));
    EXPECT_EQ(ui.saveRequests[0].defaultSuffix, QStringLiteral("wgt"));
    // The next save proposes the file just chosen.
    program.execute(Command::SaveWeightFile);
    EXPECT_EQ(ui.saveRequests[1].initialDirectory, path(QStringLiteral("log.wgt")));

    program.execute(Command::ClearWeightGrid);
    load(QStringLiteral("log.wgt"));
    EXPECT_EQ(log.rowCount(), 3);
    EXPECT_EQ(row(1), (QStringList{QStringLiteral("12/7/26"), QStringLiteral(" 150.0"), QString()}));
    EXPECT_EQ(row(2), (QStringList{QStringLiteral("12/14/26"), QStringLiteral(" 149.5"), QStringLiteral(" 148.0")}));
    // The padded texts save back to the same bytes.
    save(QStringLiteral("again.wgt"));
    EXPECT_EQ(readAll(path(QStringLiteral("again.wgt"))), Golden);
}

TEST_F(WeightLogTest, LoadingReplacesRowsFromRowOneAndDropsTheRest)
{
    writeAll(path(QStringLiteral("log.wgt")), Golden);
    fill(std::vector<std::array<QString, 3>>(9, {QStringLiteral("old"), QStringLiteral("1"), QStringLiteral("2")}));
    program.setWeightChanged(false);
    load(QStringLiteral("log.wgt"));
    EXPECT_EQ(log.rowCount(), 3);
    EXPECT_EQ(log.cell(DateColumn, 2), QStringLiteral("12/14/26"));
    EXPECT_FALSE(program.weightChanged());
    EXPECT_EQ(graphRepaints, 1);
    // An empty file has no rows, and is no file to save the grid to.
    writeAll(path(QStringLiteral("empty.wgt")), {});
    load(QStringLiteral("empty.wgt"));
    EXPECT_EQ(log.rowCount(), 2);
    EXPECT_EQ(row(1), (QStringList{QString(), QString(), QString()}));
    EXPECT_EQ(log.fileName(), QString());
    EXPECT_TRUE(ui.messages.empty());
    // A cancelled dialog changes nothing, and the graph is drawn anyway.
    load(QStringLiteral("log.wgt"));
    program.execute(Command::LoadWeightFile);
    EXPECT_EQ(log.fileName(), path(QStringLiteral("log.wgt")));
    EXPECT_EQ(graphRepaints, 4);
}

TEST_F(WeightLogTest, DamagedFilesAreRefusedAndChangeNothing)
{
    fillGolden();
    const auto refusedWith = [&](const QString& name, const QByteArray& bytes, const QString& problem) {
        writeAll(path(name), bytes);
        ui.messages.clear();
        load(name);
        EXPECT_EQ(ui.messages, (std::vector<Message>{warning(weightmsg::refusedFile(path(name), problem))}))
            << name.toStdString();
        EXPECT_EQ(log.rowCount(), 3);
        EXPECT_EQ(log.cell(PlanColumn, 2), QStringLiteral(" 149.5 "));
    };
    refusedWith(QStringLiteral("short.wgt"), Golden.left(39),
                QStringLiteral("it is 39 bytes long, which is not a whole number of 20-byte records"));
    refusedWith(QStringLiteral("long.wgt"), Golden + "x",
                QStringLiteral("it is 41 bytes long, which is not a whole number of 20-byte records"));
    QByteArray nan = Golden;
    nan.replace(20, 8, QByteArray::fromHex("000000000000f87f"));
    refusedWith(QStringLiteral("nan.wgt"), nan, QStringLiteral("record 2 holds no valid date"));
    QByteArray far = Golden;
    far.replace(0, 8, QByteArray::fromHex("0000000000004e41"));  // 3.9e6 days: year 12577
    refusedWith(QStringLiteral("far.wgt"), far, QStringLiteral("record 1 holds no valid date"));
    refusedWith(QStringLiteral("huge.wgt"), QByteArray((MaxWeightRecords + 1) * WeightRecordSize, '\0'),
                QStringLiteral("it holds more than 100000 records"));
    // A "%1" in the file's name is named as it is.
    refusedWith(QStringLiteral("50%1.wgt"), Golden.left(39),
                QStringLiteral("it is 39 bytes long, which is not a whole number of 20-byte records"));
    EXPECT_TRUE(ui.messages.at(0).text.startsWith(QStringLiteral("The file \"%1\" is not a valid weight file: it is 39 ")
                                                      .replace(QStringLiteral("%1"), path(QStringLiteral("50%1.wgt")))));

    ui.messages.clear();
    ui.openAnswers.push_back(path(QStringLiteral("missing.wgt")));
    program.execute(Command::LoadWeightFile);
    EXPECT_EQ(ui.messages,
              (std::vector<Message>{warning(QStringLiteral("Can not open file ") + path(QStringLiteral("missing.wgt")) +
                                            QStringLiteral("."))}));
    // A refused file is not the one the save dialog proposes; a pipe is not read.
    EXPECT_EQ(log.fileName(), QString());
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(QStringLiteral("pipe.wgt"))).constData(), 0600), 0);
    ui.messages.clear();
    load(QStringLiteral("pipe.wgt"));
    EXPECT_EQ(ui.messages, (std::vector<Message>{warning(notRegularFileText(path(QStringLiteral("pipe.wgt"))))}));
    EXPECT_EQ(log.fileName(), QString());
}

TEST_F(WeightLogTest, DatesOfAnotherCenturyKeepTheirYearThroughASave)
{
    // 3/1/99 would read back as 2099 in 2026: the grid shows the year in full.
    QByteArray bytes = Golden.left(20);
    bytes.replace(0, 8, QByteArray::fromHex("0000000080afe140"));  // 1999-03-01
    writeAll(path(QStringLiteral("old.wgt")), bytes);
    load(QStringLiteral("old.wgt"));
    EXPECT_EQ(log.cell(DateColumn, 1), QStringLiteral("3/1/1999"));
    save(QStringLiteral("again.wgt"));
    EXPECT_EQ(readAll(path(QStringLiteral("again.wgt"))), bytes);
}

TEST_F(WeightLogTest, ActualWeightsOfZeroOrBelowReadBackEmpty)
{
    QByteArray bytes = Golden.left(20);
    bytes.replace(14, 6, QByteArray::fromHex("880000000096"));  // -150
    writeAll(path(QStringLiteral("neg.wgt")), bytes);
    load(QStringLiteral("neg.wgt"));
    EXPECT_EQ(log.rowCount(), 2);
    EXPECT_EQ(log.cell(ActualColumn, 1), QString());
}

TEST_F(WeightLogTest, RowsThatDoNotConvertStopTheSaveAndKeepTheFile)
{
    writeAll(path(QStringLiteral("log.wgt")), Golden);
    const auto refusedAt = [&](int r, const std::vector<std::array<QString, 3>>& rows) {
        fill(rows);
        ui.messages.clear();
        save(QStringLiteral("log.wgt"));
        EXPECT_EQ(ui.messages, (std::vector<Message>{Message::typed(
                                   QStringLiteral("Weight conversion error in row %1.").arg(r), Icon::Information,
                                   only(Button::Ok), GeneralHelpContext)}));
        EXPECT_EQ(readAll(path(QStringLiteral("log.wgt"))), Golden);
    };
    const QString d = QStringLiteral("12/7/26");
    const QString w = QStringLiteral("150");
    refusedAt(3, {{d, w, {}}, {d, w, {}}, {d, QString(), {}}});            // no plan
    refusedAt(1, {{d + QStringLiteral(" 10:00"), w, {}}});                 // a time after the date
    refusedAt(1, {{d + QStringLiteral("x"), w, {}}});
    refusedAt(2, {{d, w, {}}, {QStringLiteral("13/1/26"), w, {}}});        // no 13th month
    refusedAt(1, {{d, QStringLiteral("150,5"), {}}});                      // not the decimal separator
    refusedAt(1, {{d, w, QStringLiteral("1e40")}});                        // beyond a stored real
    refusedAt(1, {{d, w, QStringLiteral("abc")}});
    // Blank actual weights count as 0; signs and exponents are read.
    fill({{d, QStringLiteral("+1.5e2"), QStringLiteral("   ")}});
    save(QStringLiteral("one.wgt"));
    EXPECT_EQ(readAll(path(QStringLiteral("one.wgt"))), Golden.left(20));
}

TEST_F(WeightLogTest, FileThatCannotBeCreatedIsReported)
{
    fillGolden();
    const QString name = dir.filePath(QStringLiteral("no/such/dir/log.wgt"));
    ui.saveAnswers.push_back(name);
    program.execute(Command::SaveWeightFile);
    EXPECT_EQ(ui.messages,
              (std::vector<Message>{createQuestion(QStringLiteral("log.wgt")),
                                    warning(QStringLiteral("Cannot create weight file ") + name + QStringLiteral("."))}));
}

TEST_F(WeightLogTest, CloseAsksOnlyAfterChangesAndSavesOnYes)
{
    program.formCloseQuery();
    EXPECT_TRUE(ui.messages.empty());

    log.editCell(DateColumn, 1, QStringLiteral("12/7/26"));
    log.editCell(PlanColumn, 1, QStringLiteral("150"));
    save(QStringLiteral("log.wgt"));
    EXPECT_TRUE(program.weightChanged());  // saving does not clear it
    ui.answers.push_back(Button::Yes);
    ui.saveAnswers.push_back(path(QStringLiteral("close.wgt")));
    EXPECT_TRUE(program.formCloseQuery());
    const Message question = Message::typed(SaveWeightQuestion, Icon::Information,
                                            Button::Yes | Button::No | only(Button::Cancel), WeightHelpContext);
    EXPECT_EQ(ui.messages, (std::vector<Message>{question, createQuestion(QStringLiteral("close.wgt"))}));
    EXPECT_EQ(readAll(path(QStringLiteral("close.wgt"))), Golden.left(20));

    // No: nothing written.
    ui.messages.clear();
    ui.answers.push_back(Button::No);
    program.formCloseQuery();
    EXPECT_EQ(ui.saveRequests.size(), 2u);
}

TEST_F(WeightLogTest, FailedSaveAtCloseAsksAgain)
{
    log.editCell(DateColumn, 1, QStringLiteral("12/7/26"));
    log.editCell(PlanColumn, 1, QStringLiteral("150"));
    const QString bad = dir.filePath(QStringLiteral("no/such/log.wgt"));
    ui.answers = {Button::Yes, Button::Yes, Button::Ok, Button::Yes, Button::Yes};
    ui.saveAnswers = {bad, path(QStringLiteral("good.wgt"))};
    EXPECT_TRUE(program.formCloseQuery());
    const Message question = Message::typed(SaveWeightQuestion, Icon::Information,
                                            Button::Yes | Button::No | only(Button::Cancel), WeightHelpContext);
    EXPECT_EQ(ui.messages, (std::vector<Message>{question, createQuestion(QStringLiteral("log.wgt")),
                                                 warning(weightmsg::cannotCreate(bad)), question,
                                                 createQuestion(QStringLiteral("good.wgt"))}));
    EXPECT_EQ(readAll(path(QStringLiteral("good.wgt"))), Golden.left(20));
    // A cancelled dialog at close keeps the program open without asking again.
    ui.messages.clear();
    ui.answers = {Button::Yes};
    EXPECT_FALSE(program.formCloseQuery());
    EXPECT_EQ(ui.messages, (std::vector<Message>{question}));
    EXPECT_FALSE(program.closing());
    // A failed save, then Cancel at the question asked again: still open; No lets go.
    for (const Button last : {Button::Cancel, Button::No}) {
        ui.messages.clear();
        ui.answers = {Button::Yes, Button::Yes, Button::Ok, last};
        ui.saveAnswers = {bad};
        EXPECT_EQ(program.formCloseQuery(), last == Button::No);
        EXPECT_EQ(ui.messages.size(), 4u);
        EXPECT_EQ(program.closing(), last == Button::No);
    }
}

TEST(WeightFile, ReaderAndWriterAgreeOnEveryField)
{
    std::vector<WeightRecord> records(3);
    records[0] = {-1.0, {0x88, 0, 0, 0, 0, 0x16}, {}};
    records[1] = {2958465.0, {0x81, 1, 2, 3, 4, 5}, {0x7f, 0, 0, 0, 0, 0x80}};  // 9999-12-31
    records[2] = {46363.75, {}, {0x88, 0, 0, 0, 0, 0x14}};  // a time of day is dropped when shown, kept here
    const QByteArray bytes = writeWeightImage(records);
    ASSERT_EQ(bytes.size(), 60);
    EXPECT_EQ(bytes.mid(20, 20).toHex(), QByteArray("00000080409246418101020304057f0000000080"));
    const WeightFileRead read = readWeightImage(bytes);
    EXPECT_EQ(read.problem, WeightFileProblem::None);
    EXPECT_EQ(read.records, records);
    EXPECT_EQ(readWeightImage({}).records.size(), 0u);
    EXPECT_EQ(checkWeightFileSize(MaxWeightRecords * WeightRecordSize), WeightFileProblem::None);
}

} // namespace

// A record's day is usable from 0001-01-01 to 9999-12-31; the time of day
// (the fraction, cut towards zero) does not move a day across either end.
TEST(WeightFile, DaysFromYearOneToYear9999AreReadOthersAreRefused)
{
    const auto problemOf = [](double day) {
        const std::vector<WeightRecord> records{{46363.0, {}, {}}, {day, {}, {}}};
        const WeightFileRead read = readWeightImage(writeWeightImage(records));
        return std::pair{read.problem, read.record};
    };
    const auto ok = std::pair{WeightFileProblem::None, qint64{0}};
    const auto bad = std::pair{WeightFileProblem::BadDate, qint64{2}};
    EXPECT_EQ(problemOf(-693593.0), ok);  // 0001-01-01
    EXPECT_EQ(problemOf(-693593.9), ok);
    EXPECT_EQ(problemOf(-693594.0), bad);
    EXPECT_EQ(problemOf(2958465.0), ok);  // 9999-12-31
    EXPECT_EQ(problemOf(2958465.99), ok);
    EXPECT_EQ(problemOf(2958466.0), bad);
    EXPECT_EQ(problemOf(-0.5), ok);
    EXPECT_EQ(problemOf(1.0e13), bad);
    EXPECT_EQ(problemOf(-1.0e13), bad);
    EXPECT_EQ(problemOf(std::numeric_limits<double>::quiet_NaN()), bad);
    EXPECT_EQ(problemOf(std::numeric_limits<double>::infinity()), bad);
    EXPECT_EQ(problemOf(-std::numeric_limits<double>::infinity()), bad);
}
