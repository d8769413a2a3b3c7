#pragma once
// A program with the menu planner and the menu printouts in a temporary
// working directory, with a scripted user and a small week.

#include "menu/menuplanner.h"
#include "menu/menustore.h"
#include "menu/menuprinting.h"
#include "food/foodlist.h"
#include "shell/program.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tolvane::test {

class PrintTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("config/Tolvane.conf"))};
    Program program{ui, settings, dir.path()};
    FoodList foods{program, ui};
    MenuPlanner planner{program, foods};
    MenuPrinting printing{program, planner};

    static FoodItem apple() { return makeItem(QStringLiteral("Apple"), {52, 14, 0.3L, 0.2L, 1, 0}); }
    static FoodItem bread() { return makeItem(QStringLiteral("Bread"), {80, 15, 3, 1, 150, 0}); }

    // Loads the week as if it were "currmenu.db" at start-up.
    void useWeek(const Week& week, int currentDay = 0)
    {
        MenuImage image;
        image.week = week;
        image.currentDay = currentDay;
        writeAll(dir.filePath(CurrentMenuFileName), writeMenuImage(image));
        planner.loadCurrentMenu();
        ASSERT_TRUE(ui.messages.empty());
    }

    // Monday breakfast: 1.5 Apple and 2 Bread; Friday dinner: 2 Apple.
    void useSmallWeek()
    {
        Week week{};
        week[weekIndex(1, 0)].append(apple(), 1.5L);
        week[weekIndex(1, 0)].append(bread(), 2);
        week[weekIndex(5, 2)].append(apple(), 2);
        useWeek(week);
    }
};

// The texts drawn that are longer than one character (day names are drawn a
// character at a time).
inline QStringList longTexts(const RecordingCanvas& canvas)
{
    QStringList texts;
    for (const QString& call : canvas.only(QStringLiteral("text ")))
        if (call.section(QLatin1Char(' '), 3).size() > 1)
            texts.append(call);
    return texts;
}

inline QString text(int x, int y, const QString& s) { return QStringLiteral("text %1 %2 ").arg(x).arg(y) + s; }

} // namespace tolvane::test
