#pragma once
// A started program with the recipe subsystem and a few food items, in a
// scratch working directory, with a scripted user.

#include "food/foodtableio.h"
#include "recipes/recipes.h"
#include "recipes/recipetexts.h"
#include "food/foodlist.h"
#include "shell/program.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tolvane::test {

// A record with zero reserved bytes, as golden files want it.
inline FoodItem plainItem(const QString& name, const Nutrients& values)
{
    FoodItem item;
    EXPECT_EQ(item.setName(name), EncodeResult::Ok);
    for (int n = 0; n < NutrientCount; ++n)
        EXPECT_TRUE(item.setNutrient(static_cast<Nutrient>(n), values[static_cast<std::size_t>(n)]));
    return item;
}

// Patches hand-written hex into an image at an offset.
inline void put(QByteArray& bytes, int offset, const char* hex)
{
    const QByteArray patch = QByteArray::fromHex(QByteArray(hex));
    bytes.replace(offset, patch.size(), patch);
}

inline std::size_t at(Nutrient n) { return static_cast<std::size_t>(n); }

class RecipeTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};
    Program program{ui, settings, dir.path()};
    FoodList foods{program, ui};
    Recipes recipes{program, foods};
    int panelRefreshes = 0;

    // Starts the program on a table file holding `items` (slot order = name order).
    void start(const std::vector<FoodItem>& items)
    {
        writeAll(dir.filePath(FoodTableFileName), tableBytes(items));
        foods.foodTable() = FoodTable{NameOrder(QLocale::c())};
        program.hooks.refreshFoodPanel = [this] { ++panelRefreshes; };
        ASSERT_TRUE(program.formCreate().ok);
        program.pageControlChange(RecipesPageIndex);
        ui.messages.clear();
        panelRefreshes = 0;
    }

    void SetUp() override
    {
        start({plainItem(QStringLiteral("Apple"), {52, 14, 0.3L, 0.2L, 1, 0}),
               plainItem(QStringLiteral("Bread"), {80, 15, 3, 1, 150, 0}),
               plainItem(QStringLiteral("Soup"), {100, 10, 5, 2, 4, 2})});
    }

    // The user drags food list row `row` onto the ingredient list.
    void drop(int row, const QString& servings = QStringLiteral("1"))
    {
        recipes.setFoodServingsText(servings);
        recipes.dropOnIngredientList({DragSource::RecipeFoodList, row});
        recipes.endDrag(DragSource::RecipeFoodList);
    }

    // The user drags ingredient `i` onto the trash can.
    void trash(int i)
    {
        EXPECT_TRUE(recipes.trashDragOver({DragSource::IngredientList, i}));
        recipes.dropOnTrash({DragSource::IngredientList, i});
        recipes.endDrag(DragSource::IngredientList);
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // "&Save Recipe" into `name` of the working directory.
    // A new file is created after its question, which is checked and left
    // out of `ui.messages`.
    QByteArray saveAs(const QString& name)
    {
        const bool isNew = !QFile::exists(path(name));
        const std::size_t before = ui.messages.size();
        ui.saveAnswers.push_back(name);
        program.execute(Command::SaveRecipe);
        if (!isNew)
            return readAll(path(name));
        if (ui.messages.size() > before && ui.messages[before] == createQuestion(name))
            ui.messages.erase(ui.messages.begin() + static_cast<std::ptrdiff_t>(before));
        else
            ADD_FAILURE() << "no question before creating " << name.toStdString();
        return readAll(path(name));
    }

    // "&Load Recipe" of `name` (no question expected unless answers are queued).
    void loadFrom(const QString& name)
    {
        ui.openAnswers.push_back(name);
        program.execute(Command::LoadRecipe);
    }

    Message warning(const QString& text) const
    {
        return Message::typed(text, Icon::Warning, only(Button::Ok), GeneralHelpContext);
    }
};

} // namespace tolvane::test
