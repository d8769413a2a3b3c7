#pragma once
// The shopping list: every distinct food item of the week with the servings
// the week uses, in plain character-code order of the names. It is never
// stored; each preview and printout builds it again from the week.

#include "menu/meal.h"
#include "printing/printsurface.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <vector>

namespace tolvane {

struct ShoppingEntry {
    QString name;
    QByteArray nameBytes;    // the stored name, compared byte by byte
    long double servings = 0;  // summed as a stored real
};

using ShoppingList = std::vector<ShoppingEntry>;

// Visits the meals day by day, meal by meal, entry by entry; equal names
// (exactly, case included) are one entry.
ShoppingList shoplistprep(const Week& week);

// "(" + servings with one decimal in at least 5 characters + ")  " + name, at most 44 characters.
QString shoppingLine(const ShoppingEntry& entry);
// "Shopping List - mm/dd/yy", at most 40 characters.
QString shoppingListTitle(const QDate& today);

// Lines per column on both surfaces; the printer page holds three columns.
inline constexpr int ShoppingLinesPerColumn = 90;
inline constexpr int ShoppingColumnsPerPage = 3;

void drawShoppingListPreview(Canvas& canvas, const ShoppingList& list, const QString& title);
void drawShoppingListPage(Canvas& canvas, const PageMetrics& page, const ShoppingList& list, const QString& title);

} // namespace tolvane
