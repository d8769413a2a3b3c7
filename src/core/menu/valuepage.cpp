#include "menu/valuepage.h"

#include "menu/menuprintout.h"
#include "storage/numbertext.h"

namespace tolvane {

namespace {

QString valueText(std::size_t column, long double value)
{
    const Nutrient n = ValueColumns[column];
    return n == Nutrient::Calories || n == Nutrient::Cholesterol || n == Nutrient::Sodium ? formatFixed(value, 5, 0)
                                                                                         : formatFixed(value, 4, 1);
}

} // namespace

ValuePage::ValuePage(Canvas& canvas, const PageMetrics& page) : canvas_(canvas), pageWidth_(page.width)
{
    margin_ = page.sideMargin();
    unit_ = (page.width - 2 * margin_ - roundMeasure(1.5L * page.tenth())) / 10;
    // The top allowance only shortens the line height; rows start at 0.
    const int allowance = roundMeasure((page.height / 11) * 0.75L);
    line_ = (page.height - allowance) / 66;
}

void ValuePage::text(int x, int row, const QString& s) { canvas_.textOut(x, row * line_, s); }

void ValuePage::rightText(int x, int row, const QString& s)
{
    canvas_.setTextAlign(TextAlign::Right);
    canvas_.textOut(x, row * line_, s);
    canvas_.setTextAlign(TextAlign::Left);
}

void ValuePage::titleAndHeadings(const QString& title, const QString& label, int labelRow)
{
    canvas_.setTransparentText(true);
    canvas_.setTextAlign(TextAlign::Left);
    canvas_.setFontName(QStringLiteral("Arial"));
    canvas_.setFontSize(16);
    canvas_.setFontStyle(Plain);
    canvas_.setFontPitch(FontPitch::Default);
    text(pageWidth_ / 2 - canvas_.textWidth(title) / 2, 1, title);

    canvas_.setFontSize(10);
    canvas_.setFontStyle(Bold);
    text(margin_, labelRow, label);
    const std::pair<const char16_t*, long double> headings[] = {
        {u"Food Item", 2.5L}, {u"KCal", 4.5L},     {u"Carbo(g)", 5.5L}, {u"Prot(g)", 6.5L},
        {u"Fat(g)", 7.5L},    {u"Chol(mg)", 8.5L}, {u"Na(mg)", 9.5L}};
    for (const auto& [heading, at] : headings)
        text(roundMeasure(at * unit_), labelRow + 1, QString::fromUtf16(heading));
}

void ValuePage::values(int row, const ValueSums& sums)
{
    for (std::size_t i = 0; i < ValueColumns.size(); ++i)
        rightText(static_cast<int>(5 + i) * unit_, row, valueText(i, sums[i]));
}

void ValuePage::percents(int row, const QString& label, const ValueSums& sums)
{
    text(2 * margin_, row, label);
    const EnergyPercents p = energyPercents(sums[1], sums[2], sums[3]);
    const QString percent = QStringLiteral("%");
    rightText(6 * unit_, row, formatFixed(p.carbohydrate, 2, 1) + percent);
    rightText(7 * unit_, row, formatFixed(p.protein, 2, 1) + percent);
    rightText(8 * unit_, row, formatFixed(p.fat, 2, 1) + percent);
}

ValueSums ValuePage::contribution(const FoodItem& item, long double servings)
{
    ValueSums products{};
    for (std::size_t i = 0; i < ValueColumns.size(); ++i)
        products[i] = item.nutrient(ValueColumns[i]) * servings;
    return products;
}

} // namespace tolvane
