#pragma once
// The whole program started in a scratch working directory that holds a food
// item table, an activity table and a current menu, with a scripted user.

#include "activity/activitytexts.h"
#include "food/foodtableio.h"
#include "menu/menustore.h"
#include "app/app.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace tolvane::test {

class AppTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("config/Tolvane.conf"))};
    App app{ui, settings, dir.path()};
    Program& program = app.program;
    FoodList& foods = app.foods;

    void SetUp() override
    {
        writeAll(path(FoodTableFileName), tableBytes(numberedItems(3)));
        ActivityRecord walking;
        ASSERT_EQ(walking.setName(QStringLiteral("Walking")), EncodeResult::Ok);
        ASSERT_TRUE(walking.setCaloriesPerHour(300));
        writeAll(path(ActivityFileName), activityImage({walking}));
        ASSERT_TRUE(program.formCreate().ok);
        program.formActivate();
        app.backups.finishAutomaticBackup();  // written in the background
        ASSERT_TRUE(QFile::exists(path(CurrentMenuFileName)));
        ui.messages.clear();
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // Every file of the working directory (hidden ones too) with its bytes.
    std::map<QString, QByteArray> files() const
    {
        std::map<QString, QByteArray> all;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
            all[name] = readAll(path(name));
        return all;
    }

    // "Add Food Item" with a name and values typed and OK pressed.
    void addFoodItem(const QString& name)
    {
        FoodItemAttempt attempt;
        attempt.edits.emplace_back(FoodItemForm::Name, name);
        for (int n = 0; n < NutrientCount; ++n)
            attempt.edits.emplace_back(FoodItemForm::fieldOf(static_cast<Nutrient>(n)), QStringLiteral("1"));
        ui.foodItemAnswers.push_back({attempt});
        program.execute(Command::AddFoodItem);
    }

    void addActivity(const QString& name, const QString& calories)
    {
        ui.activityAnswers.push_back({ActivityAttempt{name, calories, true}});
        program.execute(Command::AddActivity);
    }

    // The weight grid with one row that saves.
    void fillWeightRow()
    {
        WeightLog& log = app.weight.log();
        log.editCell(DateColumn, 1, log.dateText(QDate(2026, 1, 5)));
        log.editCell(PlanColumn, 1, QStringLiteral("180"));
    }

    QStringList texts() const { return ui.texts(); }
};

} // namespace tolvane::test
