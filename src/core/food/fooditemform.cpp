#include "food/fooditemform.h"

#include "shell/userinterface.h"
#include "storage/numbertext.h"
#include "storage/real6.h"
#include "storage/shortstring.h"

#include <utility>

namespace tolvane {

namespace {
constexpr int ValueWidth = 8;

const QString& invalidMessage(FoodItemForm::Field field)
{
    switch (field) {
    case FoodItemForm::Calories: return editmsg::InvalidCalories;
    case FoodItemForm::Carbo: return editmsg::InvalidCarbohydrates;
    case FoodItemForm::Protein: return editmsg::InvalidProteins;
    case FoodItemForm::Fat: return editmsg::InvalidFat;
    case FoodItemForm::Sodium: return editmsg::InvalidSodium;
    case FoodItemForm::Chol: return editmsg::InvalidCholesterol;
    case FoodItemForm::Name: break;
    }
    return editmsg::NameNotStorable;
}
} // namespace

FoodItemForm::FoodItemForm(const EditItem& initial, QString caption)
    : caption_(std::move(caption)), item_(initial), shown_(initial)
{
    text(Name) = initial.name;
    for (int n = 0; n < NutrientCount; ++n) {
        const Field field = fieldOf(static_cast<Nutrient>(n));
        text(field) = valueText(field, initial.values[static_cast<std::size_t>(n)]);
    }
    shownTexts_ = texts;
}

QString FoodItemForm::label(Field field)
{
    switch (field) {
    case Name: return QStringLiteral("Food Item");
    case Calories: return QStringLiteral("Calories");
    case Carbo: return QStringLiteral("Carbo");
    case Protein: return QStringLiteral("Protein");
    case Fat: return QStringLiteral("Fat");
    case Sodium: return QStringLiteral("Sodium");
    case Chol: return QStringLiteral("Chol");
    }
    return {};
}

int FoodItemForm::maxLength(Field field) { return field == Name ? FoodItem::NameCapacity : ValueWidth; }

int FoodItemForm::decimals(Field field)
{
    return field == Carbo || field == Protein || field == Fat || field == Sodium ? 1 : 0;
}

QString FoodItemForm::valueText(Field field, long double value)
{
    return formatFixed(value, ValueWidth, decimals(field));
}

bool FoodItemForm::refuse(UserInterface& ui, Field field, const QString& message)
{
    ui.showMessage(Message::typed(message, Icon::Warning, only(Button::Ok), GeneralHelpContext));
    focus_ = field;
    editAccepted_ = false;
    return false;
}

bool FoodItemForm::pressOk(UserInterface& ui)
{
    editAccepted_ = true;
    for (int n = 0; n < NutrientCount; ++n) {
        const Field field = fieldOf(static_cast<Nutrient>(n));
        // A field left as shown keeps its value exactly: the shown text is
        // rounded to the field's decimals, and reading it back would quietly
        // change a value the user did not touch.
        const bool untouched = text(field) == shownTexts_[static_cast<std::size_t>(field)];
        const std::optional<long double> value = untouched
                                                     ? shown_.values[static_cast<std::size_t>(n)]
                                                     : parseLenient(text(field));
        // A value too large for the stored format cannot be kept: it is as
        // unusable as a typing error.
        const std::optional<Real6> stored = value ? longDoubleToReal6(*value) : std::nullopt;
        if (!stored)
            return refuse(ui, field, invalidMessage(field));
        item_.values[static_cast<std::size_t>(n)] = real6ToLongDouble(*stored);
    }
    const QString name = text(Name).left(FoodItem::NameCapacity);
    if (!isWindows1252(name))
        return refuse(ui, Name, editmsg::NameNotStorable);
    item_.name = name;
    return true;
}

void FoodItemForm::pressHelp(UserInterface& ui) const { ui.showHelpTopic(FoodItemHelpContext); }

} // namespace tolvane
