#pragma once
// The Add/Modify Food Item dialog without its window: the seven field texts,
// how they are shown, and what "OK" accepts. The windows (and the tests'
// scripted user) put the typed texts into `texts` and press the buttons through
// `pressOk`, `pressCancel` and `pressHelp`; the caller reads `item` after an OK.

#include "food/fooditem.h"

#include <QString>
#include <array>
#include <optional>

namespace tolvane {

class UserInterface;

// A food item on its way into or out of the dialog: a name and the six values
// of one serving.
struct EditItem {
    QString name;
    Nutrients values{};

    bool operator==(const EditItem&) const = default;
};

inline const QString FoodItemFormCaption = QStringLiteral("Add/Modify Food Item");
constexpr int FoodItemHelpContext = 9;

namespace editmsg {
inline const QString InvalidCalories = QStringLiteral("Invalid entry for calories.");
inline const QString InvalidCarbohydrates = QStringLiteral("Invalid entry for carbohydrates.");
inline const QString InvalidProteins = QStringLiteral("Invalid entry for proteins.");
inline const QString InvalidFat = QStringLiteral("Invalid entry for fat.");
inline const QString InvalidSodium = QStringLiteral("Invalid entry for sodium.");
inline const QString InvalidCholesterol = QStringLiteral("Invalid entry for cholesterol.");
// The file keeps names in the Western European single-byte character set; a
// character outside it would come back as a different name.
inline const QString NameNotStorable = QStringLiteral(
    "The name contains characters that cannot be stored in the food item table. "
    "Use only letters, digits and punctuation of Western European languages.");
} // namespace editmsg

class FoodItemForm {
public:
    // The fields in tab order. The six value fields follow `Nutrient`.
    enum Field { Name = 0, Calories, Carbo, Protein, Fat, Sodium, Chol };
    static constexpr int FieldCount = 7;

    // Fills the fields from `initial` (the dialog's activation) with `caption`
    // as the window's title; the focus starts in the name field.
    explicit FoodItemForm(const EditItem& initial, QString caption = FoodItemFormCaption);

    // The label, the length a user may type and the shown decimals of a field.
    static QString label(Field field);
    static int maxLength(Field field);
    static int decimals(Field field);
    static Nutrient nutrientOf(Field field) { return static_cast<Nutrient>(field - Calories); }
    static Field fieldOf(Nutrient n) { return static_cast<Field>(static_cast<int>(n) + Calories); }
    // A value as its field shows it: right-aligned in at least 8 characters.
    static QString valueText(Field field, long double value);

    const QString& caption() const { return caption_; }
    int helpContext() const { return FoodItemHelpContext; }

    // What the fields hold now; the window copies the user's typing here.
    std::array<QString, FieldCount> texts;
    QString& text(Field field) { return texts[static_cast<std::size_t>(field)]; }
    const QString& text(Field field) const { return texts[static_cast<std::size_t>(field)]; }

    // "OK": reads the six values in field order, then the name; a value
    // whose text is still as shown is kept as it came in. At the first
    // field that does not read, its message is shown, the focus goes to it and
    // the dialog stays open (false). Values read before it stay in `item`.
    bool pressOk(UserInterface& ui);
    // "Cancel": the dialog closes; `item` is not to be used.
    void pressCancel() { editAccepted_ = true; }
    // "&Help": opens the dialog's help topic; the dialog stays open.
    void pressHelp(UserInterface& ui) const;

    // Whether the window may close now (its close query). False after an OK
    // that found a bad field, until the next OK or Cancel.
    bool editAccepted() const { return editAccepted_; }
    // The field that holds the focus.
    Field focusField() const { return focus_; }

    // The item read by the last OK (name and values as they will be stored).
    const EditItem& item() const { return item_; }

private:
    bool refuse(UserInterface& ui, Field field, const QString& text);

    QString caption_;
    EditItem item_;
    EditItem shown_;  // what the dialog opened with
    std::array<QString, FieldCount> shownTexts_;
    Field focus_ = Name;
    bool editAccepted_ = false;
};

} // namespace tolvane
