#pragma once
// A started program with the food commands, in a scratch working directory,
// with a scripted user.

#include "food/fooddata.h"
#include "food/foodtableio.h"
#include "food/foodlist.h"
#include "shell/program.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tolvane::test {

// The six values as typed into the dialog's fields, calories first.
using TypedValues = std::array<const char*, NutrientCount>;

class FoodFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};
    Program program{ui, settings, dir.path()};
    FoodList foods{program, ui};
    FoodData food{program, foods};
    int panelRefreshes = 0;

    // Starts the program on a table file holding `items`.
    void start(const std::vector<FoodItem>& items)
    {
        writeAll(tablePath(), tableBytes(items));
        foods.foodTable() = FoodTable{NameOrder(QLocale::c())};
        program.hooks.refreshFoodPanel = [this] { ++panelRefreshes; };
        ASSERT_TRUE(program.formCreate().ok);
        ui.messages.clear();
        panelRefreshes = 0;
    }

    QString tablePath() const { return dir.filePath(FoodTableFileName); }
    QByteArray fileBytes() const { return readAll(tablePath()); }

    // Clicks the row that shows `name`.
    void click(const QString& name)
    {
        const int row = static_cast<int>(foods.foodTable().rowNames().indexOf(name));
        ASSERT_GE(row, 0) << name.toStdString();
        foods.foodListClick(row);
    }

    QString selectedName() const
    {
        const int row = foods.selectedFoodRow();
        return row < 0 ? QString() : foods.foodTable().rowItem(row).name();
    }

    // Types a name and six values into the dialog, then presses OK.
    static FoodItemAttempt enter(const QString& name, const TypedValues& values)
    {
        FoodItemAttempt attempt;
        attempt.edits.emplace_back(FoodItemForm::Name, name);
        for (int n = 0; n < NutrientCount; ++n)
            attempt.edits.emplace_back(FoodItemForm::fieldOf(static_cast<Nutrient>(n)),
                                       QString::fromLatin1(values[static_cast<std::size_t>(n)]));
        return attempt;
    }
    static FoodItemAttempt pressOk() { return FoodItemAttempt{}; }
    static FoodItemAttempt pressCancel() { return FoodItemAttempt{{}, false}; }
    static FoodItemAttempt set(FoodItemForm::Field field, const QString& text, bool ok = true)
    {
        return FoodItemAttempt{{{field, text}}, ok};
    }

    static Message typed(const QString& text, Icon icon, Buttons buttons = only(Button::Ok))
    {
        return Message::typed(text, icon, buttons, GeneralHelpContext);
    }
};

// Hex text ("81 00 ...", blanks ignored) as bytes.
inline QByteArray hex(const char* text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

} // namespace tolvane::test
