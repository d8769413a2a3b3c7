#pragma once
// The window of "Add from &USDA...": the main window's side shows it with Qt,
// tests with a scripted fake.

namespace tolvane {

class AddFromUsda;

class UsdaWindows {
public:
    virtual ~UsdaWindows() = default;
    // Shows the window, not modal, or brings it to the front when it is open;
    // it stays open after each "&Add" until the user closes it. The window
    // forwards the user's typing and choices to `window` and shows its state.
    virtual void showAddFromUsda(AddFromUsda& window) = 0;
};

} // namespace tolvane
