#pragma once
// For the food benchmarks: timing, a user interface that answers nothing and
// shows nothing, and a table of numbered items.

#include "food/fooditem.h"
#include "food/fooditemform.h"
#include "shell/userinterface.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace foodbench {

inline double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

class QuietUi : public tolvane::UserInterface {
public:
    int messages = 0;
    tolvane::Button showMessage(const tolvane::Message&) override
    {
        ++messages;
        return tolvane::Button::No;
    }
    std::optional<QString> openFile(const tolvane::FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(const tolvane::FileDialogRequest&) override { return std::nullopt; }
    void setBusy(bool) override {}
    void showAbout() override {}
    void closeMainWindow() override {}
    void endProgram(int) override {}
    bool editFoodItem(tolvane::FoodItemForm&) override { return false; }
    void showHelpTopic(int) override {}
    void beginProgress(const QString&, int) override {}
    void setProgress(int) override {}
    void endProgress() override {}
};

// "Food item 0000", ... in name order, with values in every field.
inline std::vector<tolvane::FoodItem> numberedItems(int count)
{
    std::vector<tolvane::FoodItem> items(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        tolvane::FoodItem& item = items[static_cast<std::size_t>(i)];
        item.setName(QStringLiteral("Food item %1").arg(i, 4, 10, QLatin1Char('0')));
        for (int n = 0; n < tolvane::NutrientCount; ++n)
            item.setNutrient(static_cast<tolvane::Nutrient>(n), i * 1.5L + n);
    }
    return items;
}

} // namespace foodbench
