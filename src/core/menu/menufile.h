#pragma once
// The menu file: "currmenu.db" and every .mnu file, 30022 bytes, little-endian,
// no header:
//      0     2  current day (0..6)
//      2     2  current meal (0..3)
//      4     2  totals view (0..3)
//      6  28 x 1072  the meals, Sunday Breakfast first, Saturday Snack last
// The file carries no signature, so the reader checks what it can: the size,
// the three current values and every meal's entry count.

#include "menu/meal.h"

#include <QByteArray>

namespace tolvane {

constexpr int MenuFileSize = 6 + MealsPerWeek * Meal::Size;  // 30022

struct MenuImage {
    int currentDay = 0;
    int currentMeal = 0;
    int totalsView = 0;
    Week week{};
    bool operator==(const MenuImage&) const = default;
};

enum class MenuFileProblem { None, TooShort, CurrentValuesOutOfRange, CountOutOfRange };

struct MenuFileRead {
    MenuImage image;             // meaningful only when problem is None
    MenuFileProblem problem = MenuFileProblem::None;
    int badMeal = -1;            // the first meal with a bad count
};

// Reads the first 30022 bytes of a file image; a shorter image, a current value
// out of range or an entry count outside 0..10 refuses the whole file.
MenuFileRead readMenuImage(const QByteArray& bytes);

QByteArray writeMenuImage(const MenuImage& image);

} // namespace tolvane
