#pragma once
// The menu planner: the week of 28 meals and its files, the meal clipboard,
// the day, meal and totals tabs, meal editing by drag and drop, the Food Item
// and Menu Values panels and the RDA page's "Your Menu" side. The Menu Planner
// and RDA pages show this state and forward their events here.

#include "food/dragitem.h"
#include "menu/meal.h"
#include "menu/panels.h"
#include "menu/menufile.h"
#include "menu/targetsplit.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace tolvane {

class FoodList;
class Program;
class TargetSplitDialogs;

// A control that should take the keyboard focus after an event.
enum class FocusTarget { FoodList, Servings, MealList };

class MenuPlanner {
public:
    MenuPlanner(Program& program, FoodList& foods);
    MenuPlanner(const MenuPlanner&) = delete;
    MenuPlanner& operator=(const MenuPlanner&) = delete;

    // --- The week and the values kept with it in "currmenu.db".
    const Week& week() const { return week_; }
    const Meal& meal(int day, int meal) const { return week_[static_cast<std::size_t>(weekIndex(day, meal))]; }
    int currentDay() const;
    int currentMeal() const { return currentMeal_; }
    int totalsView() const { return totalsView_; }
    const Meal& clipboard() const { return clipboard_; }
    MenuImage image() const;

    // --- What the Menu Planner page shows: day page, meal tab, totals tab.
    int shownDay() const { return shownDay_; }
    int shownMealIndex() const { return shownMeal_; }
    int totalsTab() const { return totalsTab_; }
    const Meal& shownMeal() const { return meal(shownDay_, shownMeal_); }
    const QStringList& mealList() const { return mealList_; }
    int mealListSelection() const { return mealListSelection_; }
    const PanelTexts& foodPanel() const { return foodPanel_; }
    const PanelTexts& menuPanel() const { return menuPanel_; }
    // The day's calories for the Activity Planner page.
    const QString& menuCalories() const { return menuCalories_; }
    // The same calories unrounded, for the Activity Planner's calorie balance.
    long double dayCalories() const { return dayCalories_; }
    // The Activity Planner's day label: "Day Showing" until a day is shown,
    // then the shown day's name.
    const QString& dayShowingLabel() const { return dayShowingLabel_; }
    bool trashOpen() const { return trashOpen_; }
    bool entryServingsShown() const { return entryServingsShown_; }
    // The control that should take the focus now, once.
    std::optional<FocusTarget> takeFocusRequest();

    // --- The RDA page.
    int comparison() const { return comparison_; }
    QString rdaMealLabel() const;
    QString rdaDayLabel() const;

    // --- The user's target split (the settings' one from the start).
    const TargetSplit& targetSplit() const { return target_; }
    // "Target &Split...": a new target from the dialog is kept in the
    // settings, and the panels' fat percentages are marked against it at once.
    void chooseTargetSplit(TargetSplitDialogs& dialogs);
    // Told after the target changed (the recipe panel follows it too).
    std::function<void()> targetSplitChanged;

    // --- Files.
    // Start-up: "currmenu.db" of the working directory.
    void loadCurrentMenu();
    // Writes "currmenu.db". A failure is told once; the menu then stays "not
    // yet written", silently retried at each change and offered at close,
    // until a write succeeds.
    bool saveCurrentMenu();
    bool currentMenuUnsaved() const { return unsaved_; }

    // --- Menu commands.
    void copyMeal();
    void pasteMeal();
    // The shown day's four meals, to paste over another day (the shortcut
    // keys work only while the "&Menu" menu is live).
    void copyDay();
    void pasteDay();
    void pasteDayInto();
    bool dayHasEntries(int day) const;
    // The Menu menu is on and a day was copied; else the user is told.
    bool canPasteDay();
    bool dayCopied() const { return dayClipboard_.has_value(); }
    void clearMeal();
    void clearMenu();
    void loadMenu();
    void saveMenuAs();
    // "Add to Mea&l": the selected food item into the shown meal, as a drop.
    void addToMeal();
    // "Change &Servings" and Enter in the servings field: the selected meal
    // entry takes the servings of the field, read as a drop reads them.
    void changeServings();

    // --- Tabs and activation.
    // The main window became active: tabs follow the current values.
    void showCurrentMeal();
    void dayPageChange(int day);
    void mealTabChange(int meal);
    void totalsTabChange(int view);
    // The RDA page's "Selection" group.
    void comparisonClick(int item);

    // --- Panels.
    // The Food Item panel for the selected row and the servings text.
    void selected();
    // Fills the meal list for a meal, recomputes the totals and saves.
    void mealDisplay(int day, int meal);
    void mealTotals(int day, int meal, int view);

    // --- Meal editing.
    void mealListClick(int row);
    // The up-down buttons of the servings field (whole numbers, at least 1).
    void stepServings(int delta);
    bool mealListAccepts(const DragItem& item) const;
    void dropOnMealList(const DragItem& item);
    // A drag passes over the trash can: it opens. True when it takes the drop.
    bool trashDragOver(const DragItem& item);
    void dropOnTrash(const DragItem& item);
    // The Delete key in the meal list: the selected entry goes, exactly as
    // when it is dropped on the trash can.
    void deleteSelectedEntry();
    // A drag that began at `source` ended, dropped or not.
    void endDrag(DragSource source);
    void clearDragState();

private:
    Meal& shownMealRef() { return week_[static_cast<std::size_t>(weekIndex(shownDay_, shownMeal_))]; }
    void mealDisplayNoSave(int day, int meal);
    // The 28 meals as the menu file stores them: what undo and redo put back.
    QByteArray weekBytes() const;
    void recordWeekChange(const QString& text, const QByteArray& before);
    // Undo or redo: the meals of `bytes`, the first changed meal shown, saved.
    void restoreWeek(const QByteArray& bytes);
    void applyImage(const MenuImage& image);
    void removeEntry(int entry);
    void resetAfterDrag(bool resetServings);

    Program& program_;
    FoodList& foods_;
    Week week_{};
    Meal clipboard_{};
    struct CopiedDay {
        int day = 0;
        std::array<Meal, MealsPerDay> meals{};
    };
    std::optional<CopiedDay> dayClipboard_;
    int currentMeal_ = 0;
    int totalsView_ = 0;

    int shownDay_ = 0;
    int shownMeal_ = 0;
    int totalsTab_ = 0;
    QStringList mealList_;
    int mealListSelection_ = -1;
    PanelTexts foodPanel_ = initialFoodPanel();
    PanelTexts menuPanel_ = initialMenuPanel();
    QString menuCalories_;
    long double dayCalories_ = 0;
    QString dayShowingLabel_ = QStringLiteral("Day Showing");
    int comparison_ = 0;
    bool comparisonSync_ = false;
    TargetSplit target_;
    bool trashOpen_ = false;
    bool entryServingsShown_ = false;
    std::optional<FocusTarget> focusRequest_;
    bool entryDropped_ = false;  // the meal list's drag ended on the trash can
    bool unsaved_ = false;
    // The current menu file's bytes as this run last read or wrote them.
    QByteArray onDisk_;
};

} // namespace tolvane
