#pragma once
// A program with three food items and the menu planner, in a temporary
// working directory, with a scripted user.

#include "menu/menuplanner.h"
#include "menu/menustore.h"
#include "food/foodlist.h"
#include "shell/program.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tolvane::test {

class PlannerTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("config/Tolvane.conf"))};
    Program program{ui, settings, dir.path()};
    FoodList foods{program, ui};
    MenuPlanner planner{program, foods};
    int deleteRequests = 0;

    void SetUp() override
    {
        foods.foodTable().assign({makeItem(QStringLiteral("Apple"), {52, 14, 0.3L, 0.2L, 1, 0}),
                                    makeItem(QStringLiteral("Bread"), {80, 15, 3, 1, 150, 0}),
                                    makeItem(QStringLiteral("Cheese"), {110, 0.4L, 7, 9, 180, 30})});
        program.setHandler(Command::DeleteFoodItem, [this] { ++deleteRequests; });
    }

    QString menuPath() const { return dir.filePath(CurrentMenuFileName); }
    MenuImage stored() const
    {
        const MenuFileRead read = readMenuImage(readAll(menuPath()));
        EXPECT_EQ(read.problem, MenuFileProblem::None);
        return read.image;
    }

    // The user presses food list row `row` and drops it on the meal list.
    void dropFood(int row, const QString& servings = QStringLiteral("1"))
    {
        foods.setServingsText(servings);
        planner.dropOnMealList({DragSource::FoodList, row});
        planner.endDrag(DragSource::FoodList);
    }

    QStringList names(const Meal& meal) const
    {
        QStringList list;
        for (int i = 0; i < meal.count(); ++i)
            list.append(meal.item(i).name());
        return list;
    }
};

} // namespace tolvane::test
