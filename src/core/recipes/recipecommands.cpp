// The "&Recipe" menu: "&Save Recipe", "&Load Recipe", "&Clear Recipe" and
// "&Add to Food Items".

#include "recipes/recipes.h"

#include "food/foodediting.h"
#include "food/fooditemform.h"
#include "recipes/recipetexts.h"
#include "shell/filechoice.h"
#include "food/fooddialogs.h"
#include "food/foodlist.h"
#include "shell/program.h"
#include "storage/numbertext.h"
#include "storage/safesave.h"
#include "storage/shortstring.h"
#include "storage/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tolvane {

namespace {
constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }

Message warning(const QString& text)
{
    return Message::typed(text, Icon::Warning, only(Button::Ok), GeneralHelpContext);
}

QString problemText(const RecipeFileRead& read)
{
    switch (read.problem) {
    case RecipeFileProblem::WrongSize:
        return QStringLiteral("it is %1 bytes long, and a recipe file has %2").arg(read.size).arg(RecipeFileSize);
    case RecipeFileProblem::CountOutOfRange:
        return QStringLiteral("its ingredient count %1 is outside 0 to %2").arg(read.count).arg(RecipeCapacity);
    case RecipeFileProblem::NoTerminator:
        return QStringLiteral("its preparation instructions do not end within %1 characters").arg(InstructionsCapacity);
    case RecipeFileProblem::None: break;
    }
    return {};
}

// A per-serving value as the Add/Modify Food Item dialog shows it, so that
// what is stored is what the user saw and confirmed.
long double asShown(FoodItemForm::Field field, long double value)
{
    const std::optional<long double> shown = parseLenient(FoodItemForm::valueText(field, value));
    return roundToReal6(shown.value_or(value));
}
} // namespace

namespace recipemsg {
QString refusedFile(const QString& fileName, const QString& problem)
{
    return QStringLiteral("The file \"%1\" is not a valid recipe file: %2. Nothing was loaded.").arg(fileName, problem);
}
} // namespace recipemsg

std::optional<RecipeImage> Recipes::image() const
{
    const std::optional<QByteArray> text = encodeWindows1252(instructions_);
    if (!text)
        return std::nullopt;
    RecipeImage image;
    image.count = count_;
    for (int i = 0; i < count_; ++i) {
        image.ingredients[at(i)] = ingredients_[at(i)];
        image.servings[at(i)] = servings_[at(i)];
    }
    image.totals = totals_;
    image.instructions = *text;
    const std::optional<long double> servings = parseLenient(recipeServings_);
    if (!servings || !storeReal6(*servings, image.recipeServings.data()))
        storeReal6(1.0L, image.recipeServings.data());
    return image;
}

Recipes::SaveOutcome Recipes::save()
{
    UserInterface& ui = program_.ui();
    const std::optional<RecipeImage> recipe = image();
    if (!recipe) {
        ui.showMessage(warning(recipemsg::InstructionsNotStorable));
        return SaveOutcome::Failed;
    }
    const std::optional<QString> chosen =
        chooseUserFileToSave(program_, FileKind::Recipe, {QString(), RecipeFileFilter, RecipeFileSuffix, QString()});
    if (!chosen)
        return SaveOutcome::Cancelled;
    const QString path = QDir(program_.workDir()).filePath(*chosen);
    switch (saveFileAtomically(path, writeRecipeImage(*recipe))) {
    case SaveResult::Saved: program_.userFileUsed(UserFile::Recipe, path); return SaveOutcome::Saved;
    case SaveResult::CannotCreate: ui.showMessage(warning(recipemsg::CannotCreate)); break;
    case SaveResult::WriteFailed: ui.showMessage(warning(recipemsg::WriteFailed)); break;
    }
    return SaveOutcome::Failed;
}

void Recipes::load()
{
    beginChange();
    loadFile();
    recordChange(recipechange::Load);
}

void Recipes::loadFile()
{
    UserInterface& ui = program_.ui();
    if (count_ > 0) {
        const Button answer = ui.showMessage(
            Message::typed(recipemsg::SaveQuestion, Icon::Information, Button::Yes | Button::No, RecipesHelpContext));
        // A save the user asked for that did not happen keeps the recipe:
        // clearing it now would lose what could not be written.
        if (answer == Button::Yes && save() == SaveOutcome::Failed)
            return;
        clear();
    }

    const std::optional<QString> chosen =
        chooseUserFileToOpen(program_, FileKind::Recipe, {QString(), RecipeFileFilter, RecipeFileSuffix, QString()});
    if (!chosen)
        return;
    QFile file(QDir(program_.workDir()).filePath(*chosen));
    if (openRegularFile(file) != OpenResult::Opened) {
        ui.showMessage(warning(recipemsg::CannotOpen));
        return;
    }
    // One byte more than a recipe is enough to tell a longer file.
    const QByteArray bytes = file.read(RecipeFileSize + 1);
    RecipeFileRead read = readRecipeImage(bytes);
    if (read.problem == RecipeFileProblem::WrongSize)
        read.size = std::max<qint64>(file.size(), bytes.size());
    if (read.problem != RecipeFileProblem::None) {
        ui.showMessage(warning(recipemsg::refusedFile(QFileInfo(*chosen).fileName(), problemText(read))));
        return;
    }
    apply(read.image);
    program_.userFileUsed(UserFile::Recipe, file.fileName());
}

void Recipes::apply(const RecipeImage& image)
{
    lines_.clear();
    ingredients_.fill(FoodItem{});
    servings_.fill(Real6{});
    count_ = 0;
    selection_ = -1;
    // The file's totals are not trusted: they are summed from the ingredients.
    totals_ = Nutrients{};
    // Summed one by one as the ingredients are added; the panel shows the
    // end. A file without ingredients leaves the panel as it was.
    for (int i = 0; i < image.count && i < RecipeCapacity; ++i) {
        appendIngredient(image.ingredients[at(i)], image.servings[at(i)], false);
        addToTotals(i);
    }
    if (count_ > 0)
        refreshPanel();
    setInstructions(decodeWindows1252(reinterpret_cast<const std::uint8_t*>(image.instructions.constData()),
                                      std::min<qsizetype>(image.instructions.size(), InstructionsCapacity)));
    setRecipeServingsText(formatFixed(real6ToLongDouble(image.recipeServings), 5, 1));
    requestFocus(RecipeFocus::FoodList);
}

void Recipes::clear()
{
    lines_.clear();
    ingredients_.fill(FoodItem{});
    servings_.fill(Real6{});
    instructions_.clear();
    totals_ = Nutrients{};
    totals(RecipeCapacity);
    count_ = 0;
    selection_ = -1;
}

void Recipes::addToFoodItems()
{
    FoodTable& table = foods_.foodTable();
    UserInterface& ui = program_.ui();
    if (table.personalListShown()) {
        ui.showMessage(warning(recipemsg::PersonalListShown));
        return;
    }
    if (table.rowCount() >= MaxFoodItems) {
        ui.showMessage(warning(recipemsg::TableFull));
        return;
    }
    // Servings of 0 would divide by zero: as unusable as no number.
    const std::optional<long double> servings = parseLenient(recipeServings_);
    if (!servings || *servings == 0) {
        ui.showMessage(Message::typed(recipemsg::InvalidRecipeServings, Icon::Information, only(Button::Ok),
                                      GeneralHelpContext));
        requestFocus(RecipeFocus::RecipeServings);
        return;
    }

    EditItem perServing;
    for (int n = 0; n < NutrientCount; ++n) {
        const auto nutrient = static_cast<Nutrient>(n);
        perServing.values[at(n)] =
            asShown(FoodItemForm::fieldOf(nutrient), roundToReal6(totals_[at(n)] / *servings));
    }
    FoodItemForm form(perServing);
    if (!foods_.dialogs().editFoodItem(form))
        return;

    const FoodItem record = recordFromEditItem(form.item());
    const int existing = table.findSameName(form.item().name);
    if (existing >= 0) {
        ui.showMessage(warning(recipemsg::SameName));
        foods_.selectFoodRow(table.rowOfSlot(existing));
        if (program_.hooks.refreshFoodPanel)
            program_.hooks.refreshFoodPanel();
        return;
    }
    foods_.insertFoodItem(record, foodchange::addRecipe(form.item().name));
}

} // namespace tolvane
