#pragma once
// How the food commands reach the user beyond messages and file dialogs: the
// Add/Modify Food Item dialog. The windows implement it with Qt; tests with a
// scripted fake.

namespace tolvane {

class FoodItemForm;

class FoodDialogs {
public:
    virtual ~FoodDialogs() = default;
    // The Add/Modify Food Item dialog, modal. The user's typing goes into the
    // form's texts and the buttons into its press methods; the dialog stays
    // open while the form refuses an OK. True when it closed with OK.
    virtual bool editFoodItem(FoodItemForm& form) = 0;
};

} // namespace tolvane
