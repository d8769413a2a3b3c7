// The weight log, plan, calculators and graph under decimal-comma and
// year-first locales: every text the program writes into the grid or a field
// reads back, and the screen graph finds the year wherever the format puts it.

#include "food/foodlist.h"
#include "shell/program.h"
#include "storage/daytext.h"
#include "weight/weight.h"
#include "recordingcanvas.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;
using namespace Qt::StringLiterals;
using F = Calculators::Field;

namespace {

// 12/7/26 plan 150 no actual; 12/14/26 plan 149.5 actual 148.
const QByteArray Golden = QByteArray::fromHex("0000000060a3e640880000000016000000000000"
                                              "0000000040a4e640880000008015880000000014");

// A started program whose weight subsystem works in `locale`.
struct LocalWeight {
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(u"Tolvane.conf"_s)};
    Program program{ui, settings, dir.path()};
    FoodList foods{program, ui};
    Weight weight;
    WeightLog& log = weight.log();

    explicit LocalWeight(const QLocale& locale) : weight(program, locale)
    {
        EXPECT_TRUE(program.formCreate().ok);
        // The cases type and draw pounds whatever the locale's default units;
        // metric units under these locales have their own test.
        weight.applyUnits(Units::Us);
        log.today = [] { return QDate(2026, 12, 7); };
        program.pageControlChange(WeightPageIndex);
        ui.messages.clear();
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    void load(const QString& name)
    {
        ui.openAnswers.push_back(path(name));
        program.execute(Command::LoadWeightFile);
    }
    void save(const QString& name)
    {
        // A new file is created only after its question, answered Yes.
        const bool isNew = !QFileInfo::exists(path(name));
        ui.saveAnswers.push_back(path(name));
        const std::size_t before = ui.messages.size();
        program.execute(Command::SaveWeightFile);
        if (isNew) {
            ASSERT_GT(ui.messages.size(), before);
            EXPECT_EQ(ui.messages[before], createQuestion(name));
            ui.messages.erase(ui.messages.begin() + static_cast<std::ptrdiff_t>(before));
        }
    }
    QStringList row(int r) const { return {log.cell(0, r), log.cell(1, r), log.cell(2, r)}; }
    QStringList texts()
    {
        RecordingCanvas canvas;
        weight.graph().paint(canvas, Rgb{212, 208, 200});
        weight.graph().showPendingMessage();
        return canvas.only(u"text"_s);
    }
};

struct Case {
    QLocale locale;
    QStringList row1;
    QStringList row2;
};

const std::vector<Case>& cases()
{
    static const std::vector<Case> all = {
        {QLocale(QLocale::German, QLocale::Germany), {u"07.12.26"_s, u" 150,0"_s, QString()},
         {u"14.12.26"_s, u" 149,5"_s, u" 148,0"_s}},
        {QLocale(QLocale::French, QLocale::France), {u"07/12/2026"_s, u" 150,0"_s, QString()},
         {u"14/12/2026"_s, u" 149,5"_s, u" 148,0"_s}},
        {QLocale(QLocale::Swedish, QLocale::Sweden), {u"2026-12-07"_s, u" 150,0"_s, QString()},
         {u"2026-12-14"_s, u" 149,5"_s, u" 148,0"_s}},
        {QLocale(QLocale::Japanese, QLocale::Japan), {u"2026/12/07"_s, u" 150.0"_s, QString()},
         {u"2026/12/14"_s, u" 149.5"_s, u" 148.0"_s}},
        {QLocale(QLocale::English, QLocale::UnitedStates), {u"12/7/26"_s, u" 150.0"_s, QString()},
         {u"12/14/26"_s, u" 149.5"_s, u" 148.0"_s}},
    };
    return all;
}

} // namespace

TEST(WeightLocales, ALoadedFileSavesBackAndDrawsInEveryLocale)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.locale.name().toStdString());
        LocalWeight w(c.locale);
        writeAll(w.path(u"log.wgt"_s), Golden);
        w.load(u"log.wgt"_s);
        EXPECT_EQ(w.row(1), c.row1);
        EXPECT_EQ(w.row(2), c.row2);
        w.save(u"again.wgt"_s);
        EXPECT_TRUE(w.ui.messages.empty());
        EXPECT_EQ(readAll(w.path(u"again.wgt"_s)).toHex(), Golden.toHex());

        const GraphRead read = readGraph(w.log, GraphReading::Screen);
        ASSERT_EQ(read.status, GraphRead::Status::Ok);
        EXPECT_EQ(dateFromDayNumber(read.data.points[1].date), QDate(2026, 12, 14));
        EXPECT_EQ(read.data.max, 150.0L);
        EXPECT_EQ(readGraph(w.log, GraphReading::Printer).status, GraphRead::Status::Ok);
        // Weight labels in the locale's separator, dates in its short format.
        const QStringList labels = w.texts();
        ASSERT_EQ(labels.size(), 21);
        EXPECT_EQ(labels[0], u"text 5 1 150.0"_s.replace(u'.', c.locale.decimalPoint()));
        EXPECT_EQ(labels[11], u"text 56 303 "_s + c.row1[0].trimmed());
        EXPECT_TRUE(w.ui.messages.empty());
    }
}

TEST(WeightLocales, APlanAndTheBmiUseTheLocaleSeparatorAndSave)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.locale.name().toStdString());
        LocalWeight w(c.locale);
        Calculators& calc = w.weight.calculators();
        const QString point = c.locale.decimalPoint();
        calc.setText(F::CurrentWeight, u"150"_s + point + u"0"_s);
        calc.setText(F::Age, u"40"_s);
        calc.setText(F::Height, u"65"_s);
        calc.setText(F::PlanCalories, u"1500"_s);
        calc.setText(F::GoalWeight, u"140"_s + point + u"0"_s);
        EXPECT_EQ(calc.text(F::BmiNow), u"25.0"_s.replace(u'.', point));
        EXPECT_EQ(calc.text(F::BmiGoal), u"23.3"_s.replace(u'.', point));
        w.ui.messages.clear();

        ASSERT_TRUE(w.weight.createPlan());
        EXPECT_EQ(w.log.cell(PlanColumn, 1), u"150.0"_s.replace(u'.', point));
        EXPECT_EQ(w.log.cell(PlanColumn, 2), u"149.1"_s.replace(u'.', point));
        EXPECT_EQ(readGraph(w.log, GraphReading::Screen).status, GraphRead::Status::Ok);
        w.save(u"plan.wgt"_s);
        EXPECT_TRUE(w.ui.messages.empty());
        EXPECT_EQ(readAll(w.path(u"plan.wgt"_s)).size(), (w.log.rowCount() - 1) * WeightRecordSize);
    }
}

TEST(WeightLocales, TheScreenTakesATwoDigitYearWhereverTheFormatPutsIt)
{
    const auto firstDate = [](const QLocale& locale, const QString& row1, const QString& row2) {
        LocalWeight w(locale);
        w.log.today = [] { return QDate(2199, 1, 1); };  // another century shows the rebuild
        w.log.setRowCount(3);
        w.log.setCell(DateColumn, 1, row1);
        w.log.setCell(PlanColumn, 1, u"100"_s);
        w.log.setCell(DateColumn, 2, row2);
        w.log.setCell(PlanColumn, 2, u"90"_s);
        const GraphRead read = readGraph(w.log, GraphReading::Screen);
        return read.status == GraphRead::Status::Ok ? dateFromDayNumber(read.data.points[0].date) : QDate();
    };
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    // Year first: a four-digit year stands; a two-digit one up to 80 is 20xx.
    EXPECT_EQ(firstDate(japanese, u"2026/12/07"_s, u"2026/12/14"_s), QDate(2026, 12, 7));
    EXPECT_EQ(firstDate(japanese, u"26/12/07"_s, u"2026/12/14"_s), QDate(2026, 12, 7));
    EXPECT_EQ(firstDate(swedish, u"2005-01-03"_s, u"2005-01-13"_s), QDate(2005, 1, 3));
    EXPECT_EQ(firstDate(swedish, u"05-01-03"_s, u"2005-01-13"_s), QDate(2005, 1, 3));
    EXPECT_EQ(firstDate(swedish, u"85-01-03"_s, u"2005-01-13"_s), QDate(2185, 1, 3));
    // Year last, two digits: the rebuild as before; a year written in full stands.
    EXPECT_EQ(firstDate(german, u"03.01.05"_s, u"13.01.05"_s), QDate(2005, 1, 3));
    EXPECT_EQ(firstDate(us, u"1/3/05"_s, u"1/13/05"_s), QDate(2005, 1, 3));
    EXPECT_EQ(firstDate(us, u"1/3/81"_s, u"1/13/05"_s), QDate(2181, 1, 3));
    EXPECT_EQ(firstDate(us, u"1/3/1981"_s, u"1/13/05"_s), QDate(1981, 1, 3));
    // The printer reads the text unchanged: the two-digit year is in today's century.
    LocalWeight w(japanese);
    w.log.today = [] { return QDate(2199, 1, 1); };
    w.log.setRowCount(3);
    w.log.setCell(DateColumn, 1, u"26/12/07"_s);
    w.log.setCell(PlanColumn, 1, u"100"_s);
    w.log.setCell(DateColumn, 2, u"2126/12/14"_s);
    w.log.setCell(PlanColumn, 2, u"90"_s);
    const GraphRead printed = readGraph(w.log, GraphReading::Printer);
    ASSERT_EQ(printed.status, GraphRead::Status::Ok);
    EXPECT_EQ(dateFromDayNumber(printed.data.points[0].date), QDate(2126, 12, 7));
}
