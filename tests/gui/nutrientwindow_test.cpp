// The "Nutrients" window by keys, and what a screen reader reads of its rows.

#include "menu/nutrientwindow.h"
#include "reference/usdalinks.h"
#include "qstringprint.h"
#include "windowtest.h"

#include <QAction>
#include <QRadioButton>
#include <QTreeWidget>

using namespace tolvane;
using namespace tolvane::test;

TEST_F(WindowTest, NutrientWindowOpensByItsKeysAndReadsEachRowWhole)
{
    writeAll(dir.filePath(UsdaLinksFileName), "item\tusda_number\tmeasure\tgrams\nMilk\t01077\t1 cup\t244\n");
    ASSERT_NO_FATAL_FAILURE(openWindow({makeItem(QStringLiteral("Milk"), {149, 11.7L, 7.7L, 7.9L, 105, 24})}));
    app->nutrients.setReferencePath(QStringLiteral(TOLVANE_USDA_REFERENCE_TSV));
    EXPECT_EQ(window->action(Command::ShowNutrients)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+N")));
    window->action(Command::ShowNutrients)->trigger();
    EXPECT_EQ(ui.windows, QStringList{QStringLiteral("nutrients")});

    app->foods.foodListClick(0);
    app->foods.setServingsText(QStringLiteral("2"));
    NutrientWindow shown(app->nutrientView);
    shown.show();
    auto* foodItem = shown.findChildren<QRadioButton*>().at(NutrientView::SelectedFoodItem);
    key(foodItem, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QStringList read;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(shown.list());
    for (int c = 0; c < list->childCount(); ++c)
        read << list->child(c)->text(QAccessible::Name);
    EXPECT_TRUE(read.contains(QStringLiteral("Calcium 551 mg, 55% of the RDA 1000 mg"))) << read.join(u'|').toStdString();
    EXPECT_EQ(shown.list()->topLevelItemCount(), CatalogueSize);
}
