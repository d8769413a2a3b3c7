#include "food/foodfind.h"

namespace tolvane {

int findFoodRow(const QStringList& names, const QString& text, int from)
{
    const auto count = static_cast<int>(names.size());
    if (text.isEmpty() || count == 0)
        return -1;
    const int start = from >= 0 && from < count ? from : 0;
    for (int step = 0; step < count; ++step) {
        const int row = (start + step) % count;
        if (names.at(row).contains(text, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

int FoodFind::setText(const QString& text, const QStringList& names, int current)
{
    text_ = text;
    const int row = findFoodRow(names, text_, current);
    notFound_ = !text_.isEmpty() && row < 0;
    return row;
}

int FoodFind::next(const QStringList& names, int current)
{
    const int row = findFoodRow(names, text_, current + 1);
    notFound_ = !text_.isEmpty() && row < 0;
    return row;
}

} // namespace tolvane
