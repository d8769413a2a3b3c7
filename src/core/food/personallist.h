#pragma once
// The personal list: the user's own subset of the food items (the flag in each
// record), the "&Food Item" commands that edit it and switch the food list
// between the whole table and the subset, and the food list's "+"/"-" keys.

#include <QChar>
#include <QString>

namespace tolvane {

class FoodList;
class Program;

inline const QString ShowPersonalListCaption = QStringLiteral("Show &Personal List");
inline const QString ShowWholeListCaption = QStringLiteral("Show &Whole List");

namespace personalmsg {
inline const QString NoSelection = QStringLiteral("No food item selected.");
inline const QString NoSelectionCaption = QStringLiteral("No Selection");
inline const QString ClearQuestion = QStringLiteral("Are you sure you want to clear the personal list?");
inline const QString ClearCaption = QStringLiteral("Clear Personal List");
} // namespace personalmsg

class PersonalList {
public:
    // Registers the four personal-list commands with `program`.
    PersonalList(Program& program, FoodList& foods);

    // "Add &to Personal List": marks the selected item.
    void addSelected();
    // "&Remove from Personal List": unmarks the selected item.
    void removeSelected();
    // "&Show Personal List" / "Show &Whole List".
    void toggleView();
    // "Clear Whole &Personal List": unmarks every item, after asking.
    void clear();

private:
    // Shows the whole table or the personal list, with the commands that work
    // in that view.
    void showView(bool personal);
    void noSelection();

    Program& program_;
    FoodList& foods_;
};

// A key typed in the food list: "+" and "-" add 1 to or take 1 from the number
// of servings. True when the key was used; other keys are the list's own.
bool foodListKeyPress(FoodList& foods, QChar key);

} // namespace tolvane
