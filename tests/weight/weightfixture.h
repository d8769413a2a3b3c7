#pragma once
// A started program with the weight subsystem in a scratch working directory,
// a scripted user, US dates (M/d/yy) and a fixed today.

#include "food/foodlist.h"
#include "shell/program.h"
#include "weight/weight.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tolvane::test {

inline const QLocale UsLocale{QLocale::English, QLocale::UnitedStates};

class WeightTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};
    Program program{ui, settings, dir.path()};
    FoodList foods{program, ui};
    Weight weight{program, UsLocale};
    WeightLog& log = weight.log();
    Calculators& calc = weight.calculators();
    int graphRepaints = 0;

    void SetUp() override
    {
        ASSERT_TRUE(program.formCreate().ok);
        log.today = [] { return QDate(2026, 12, 7); };
        log.repaintGraph = [this] { ++graphRepaints; };
        program.pageControlChange(WeightPageIndex);
        ui.messages.clear();
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // Fills the grid with these rows of Date, Plan, Actual.
    void fill(const std::vector<std::array<QString, 3>>& rows)
    {
        log.setRowCount(static_cast<int>(rows.size()) + 1);
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (int c = 0; c < 3; ++c)
                log.setCell(c, static_cast<int>(r) + 1, rows[r][static_cast<std::size_t>(c)]);
    }

    QStringList row(int r) const { return {log.cell(0, r), log.cell(1, r), log.cell(2, r)}; }

    // The calculators' inputs, typed field by field.
    void type(Calculators::Field field, const char* text) { calc.setText(field, QString::fromLatin1(text)); }

    Message info(const QString& text) const
    {
        return Message::typed(text, Icon::Information, only(Button::Ok), GeneralHelpContext);
    }
    Message warning(const QString& text) const
    {
        return Message::typed(text, Icon::Warning, only(Button::Ok), GeneralHelpContext);
    }
};

} // namespace tolvane::test
