#pragma once
// The page the daily menu and the recipe printouts share: a centred title, a
// bold label over a row of column headings, and rows of six values per food
// item, on a grid of 66 lines. Row r has its top at r x the line height.

#include "food/fooditem.h"
#include "printing/printsurface.h"

#include <QString>
#include <array>

namespace tolvane {

// The printed columns, in their order on the page.
inline constexpr std::array<Nutrient, 6> ValueColumns = {Nutrient::Calories, Nutrient::Carbohydrate,
                                                         Nutrient::Protein,  Nutrient::Fat,
                                                         Nutrient::Cholesterol, Nutrient::Sodium};
using ValueSums = std::array<long double, 6>;

class ValuePage {
public:
    ValuePage(Canvas& canvas, const PageMetrics& page);

    int margin() const { return margin_; }  // m
    int unit() const { return unit_; }      // c, a tenth of the printable width less 1.5 tenths of an inch

    void text(int x, int row, const QString& s);
    void rightText(int x, int row, const QString& s);

    // The title in Arial 16 centred on row 1, then `label` in bold 10 points
    // at the margin on `labelRow` and the column headings on the row below.
    // The font stays bold 10 points.
    void titleAndHeadings(const QString& title, const QString& label, int labelRow);
    // The six values right-aligned at 5c to 10c.
    void values(int row, const ValueSums& sums);
    // `label` at 2m and the calorie percentages of carbohydrate, protein and
    // fat right-aligned at 6c, 7c and 8c.
    void percents(int row, const QString& label, const ValueSums& sums);

    // What `servings` of `item` contribute to each column.
    static ValueSums contribution(const FoodItem& item, long double servings);

private:
    Canvas& canvas_;
    int pageWidth_ = 0;
    int margin_ = 0;
    int unit_ = 0;
    int line_ = 0;
};

} // namespace tolvane
