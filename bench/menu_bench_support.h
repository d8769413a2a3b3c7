#pragma once
// What the menu benchmarks share: timing, a user who answers nothing, and a
// full week (28 meals of ten entries).

#include "menu/menuplanner.h"
#include "shell/userinterface.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace menubench {

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

class SilentUi : public tolvane::UserInterface {
public:
    tolvane::Button showMessage(const tolvane::Message&) override { return tolvane::Button::Ok; }
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

inline tolvane::FoodItem item(int i)
{
    tolvane::FoodItem food;
    food.setName(QStringLiteral("Food item %1").arg(i, 4, 10, QLatin1Char('0')));
    const long double values[] = {120.0L + i, 15.5L, 4.25L, 3.1L + i % 7, 210.0L, 12.0L};
    for (int n = 0; n < tolvane::NutrientCount; ++n)
        food.setNutrient(static_cast<tolvane::Nutrient>(n), values[n]);
    return food;
}

// Twenty-eight meals of ten entries each, servings 0.5 to 5.
inline tolvane::Week fullWeek()
{
    tolvane::Week week{};
    for (int k = 0; k < tolvane::MealsPerWeek; ++k)
        for (int e = 0; e < tolvane::Meal::Capacity; ++e)
            week[static_cast<std::size_t>(k)].append(item(k * 10 + e), 0.5L * (1 + (k + e) % 10));
    return week;
}

} // namespace menubench
