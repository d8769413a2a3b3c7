#pragma once
// The recipe printout: one portrait job with the typed title, the ingredients
// with what each contributes, the recipe totals, the totals per serving, the
// calorie percentages and the preparation instructions. There is no preview.
// Text is placed by row: row r has its top at r x the line height.

#include "printing/printsurface.h"

#include <QString>
#include <QStringList>

namespace tolvane {

class Preferences;
class Recipes;
class UserInterface;

// The Menu Title dialog as the recipe printout sets it up (empty title).
TitlePrompt recipeTitlePrompt();

// The instruction lines as the memo holds them: CR LF separates lines and a
// final CR LF opens no further line; an empty memo has no lines.
QStringList memoLines(const QString& text);

// The instructions continue on this row after a page break, and a page ends
// once a line has been drawn on the last row.
inline constexpr int RecipeContinuationRow = 1;
inline constexpr int RecipeLastRow = 60;

// Draws the recipe on the printer page of `page`'s size with `instructions`
// one line per row, starting new pages as they need them.
void drawRecipePage(Canvas& canvas, const PageMetrics& page, const Recipes& recipes, const QString& title,
                    const QStringList& instructions);

// "Print &Recipe": asks for the title and prints; Cancel prints nothing.
void printRecipe(UserInterface& ui, Preferences& preferences, const Recipes& recipes, const QStringList& instructions);

} // namespace tolvane
