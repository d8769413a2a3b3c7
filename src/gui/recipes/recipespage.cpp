#include "recipes/recipespage.h"
#include "recipes/limitedmemo.h"

#include "food/foodlistmodel.h"
#include "food/foodlistview.h"
#include "menu/piewidget.h"
#include "menu/servingsedit.h"
#include "menu/tablistbox.h"
#include "menu/trashcan.h"
#include "recipes/recipeprintout.h"
#include "recipes/recipes.h"
#include "food/foodlist.h"
#include "recipes/recipes.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <algorithm>

namespace tolvane {

namespace {
const QString CrLf = QStringLiteral("\r\n");
constexpr int ListItemHeight = 14;

// Rows of the list box's fixed item height, whatever the font's own height.
class FixedRowHeight : public QStyledItemDelegate {
public:
    FixedRowHeight(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_;
};

// The recipe keeps its lines separated by CR LF; the memo by line feeds.
QString toMemo(QString text)
{
    text.replace(CrLf, QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString fromMemo(QString text) { return text.replace(QLatin1Char('\n'), CrLf); }

// The memo's lines as they show on screen: each paragraph broken where the
// memo wraps it (a paragraph not laid out yet stays whole). A final empty
// paragraph is no line, as with the stored text.
QStringList screenLines(const QPlainTextEdit& memo)
{
    QStringList lines;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (!block.next().isValid() && text.isEmpty())
            break;
        const QTextLayout* layout = block.layout();
        if (!layout || layout->lineCount() <= 1) {
            lines.append(text);
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.append(text.mid(line.textStart(), line.textLength()));
        }
    }
    return lines;
}

ServingsEdit* makeServingsEdit(QWidget* parent, const QRect& geometry, const QString& name)
{
    auto* edit = new ServingsEdit(3, parent);
    edit->setGeometry(geometry);
    edit->setFont(arialFont(13));
    edit->setAccessibleName(name);
    return edit;
}

} // namespace

RecipesPage::RecipesPage(Program& program, FoodList& foods, Recipes& recipes, QWidget* parent)
    : PageWidget(parent), foods_(foods), recipes_(recipes), foodList_(new FoodListView(program, foods, false, this))
{
    placeLabel(this, QStringLiteral("Food Items"), 13, 2, arialFont(13));
    foodList_->setGeometry(4, 16, 217, 210);
    foodList_->setFont(arialFont(11));
    foodList_->setItemDelegate(new FixedRowHeight(ListItemHeight, foodList_));
    foodList_->setAccessibleName(QStringLiteral("Food Items"));
    foodList_->foodModel()->setWholeTable(true);
    foodList_->setDragSource(DragSource::RecipeFoodList);
    connect(foodList_, &FoodListView::keyTyped, this,
            [this](QChar key) { forward([&] { recipes_.foodListKeyPress(key); }); });
    connect(foodList_, &FoodListView::enterPressed, this,
            [this](int row) { forward([&] { recipes_.addFoodRow(row); }); });

    buildIngredients();
    buildRecipeBox();
    connectDrags();
}

void RecipesPage::buildIngredients()
{
    placeLabel(this, QStringLiteral("Recipe Ingredients"), 288, 0, arialFont(13));
    ingredients_ = new TabListBox(this);
    ingredients_->setGeometry(288, 18, 321, 191);
    ingredients_->setFont(arialFont(11));
    ingredients_->setItemHeight(ListItemHeight);
    ingredients_->setTabStops(0);
    ingredients_->setSelectionMode(QAbstractItemView::SingleSelection);
    ingredients_->setAccessibleName(QStringLiteral("Recipe Ingredients"));
    ingredients_->rowSelected = [this](int row) { forward([&] { recipes_.ingredientListClick(row); }); };
    ingredients_->deletePressed = [this](int) { forward([&] { recipes_.deleteSelectedIngredient(); }); };

    QLabel* servingsCaption = placeLabel(this, QStringLiteral("Food Item Servings"), 228, 56, arialFont(11));
    servingsCaption->setWordWrap(true);
    servingsCaption->setGeometry(228, 56, 53, 33);
    foodServings_ = makeServingsEdit(this, QRect(226, 89, 36, 24), QStringLiteral("Food Item Servings"));
    foodServings_->setText(recipes_.foodServingsText());
    // Any change of the text counts, typed or put in by an input tool.
    connect(foodServings_, &QLineEdit::textChanged, this,
            [this](const QString& text) { forward([&] { recipes_.setFoodServingsText(text); }); });
    // Enter gives the selected ingredient these servings.
    connect(foodServings_, &QLineEdit::returnPressed, this,
            [this] { forward([&] { recipes_.changeIngredientServings(); }); });
    foodUpDown_ = new UpDownButtons(QStringLiteral("Food Item Servings"), this);
    foodUpDown_->associate(foodServings_);
    foodUpDown_->setGeometry(262, 89, 12, 24);
    connect(foodUpDown_, &UpDownButtons::stepped, this,
            [this](int delta) { forward([&] { recipes_.stepFoodServings(delta); }); });

    trash_ = new TrashCan(DragSource::None, this);
    trash_->move(231, 128);

    placeLabel(this, QStringLiteral("Recipe Preparation Instructions"), 240, 216, arialFont(13));
    instructions_ = new LimitedMemo(InstructionsCapacity, this);
    instructions_->setGeometry(240, 240, 369, 113);
    instructions_->setFont(arialFont(13));
    instructions_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    instructions_->setTabChangesFocus(true);
    instructions_->setAccessibleName(QStringLiteral("Recipe Preparation Instructions"));
    connect(instructions_, &QPlainTextEdit::textChanged, this, &RecipesPage::instructionsEdited);
    recipes_.memoScreenLines = [memo = QPointer<QPlainTextEdit>(instructions_), &recipes = recipes_] {
        return memo ? screenLines(*memo) : memoLines(recipes.instructions());
    };
}

void RecipesPage::buildRecipeBox()
{
    static const QStringList captions = {QStringLiteral("Calories"), QStringLiteral("Carbo"),
                                         QStringLiteral("Protein"),  QStringLiteral("Fat"),
                                         QStringLiteral("Sodium"),   QStringLiteral("Chol")};
    static const QStringList names = {QStringLiteral("calories"), QStringLiteral("carbohydrate"),
                                      QStringLiteral("protein"),  QStringLiteral("fat"),
                                      QStringLiteral("sodium"),   QStringLiteral("cholesterol")};
    static const QStringList units = {QString(), QStringLiteral("g"), QStringLiteral("g"), QStringLiteral("g"),
                                      QStringLiteral("mg"), QStringLiteral("mg")};
    const QFont small = arialFont(11);

    box_ = new QGroupBox(QStringLiteral("Recipe"), this);
    box_->setGeometry(0, 232, 233, 121);
    box_->setFont(arialFont(13));
    box_->setAccessibleName(QStringLiteral("Recipe"));

    auto* values = new QFrame(box_);
    values->setFrameShape(QFrame::Panel);
    values->setFrameShadow(QFrame::Raised);
    values->setGeometry(4, 18, 103, 95);
    values->setAccessibleName(QStringLiteral("Recipe values"));
    for (int n = 0; n < NutrientCount; ++n) {
        const int y = 6 + 14 * n;
        placeLabel(values, captions.at(n), 6, y, small);
        QLabel* value = placeRightLabel(values, recipes_.panel().values[static_cast<std::size_t>(n)], 85, y, small,
                                        QString(), 56);
        nameValueLabel(value, QStringLiteral("Recipe ") + names.at(n), units.at(n));
        QPalette palette = value->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
        value->setPalette(palette);
        panel_.values[static_cast<std::size_t>(n)] = value;
        if (!units.at(n).isEmpty())
            placeLabel(values, units.at(n), 87, y, small);
    }

    placeLabel(box_, QStringLiteral("# Servings"), 108, 20, small);
    recipeServings_ = makeServingsEdit(box_, QRect(162, 17, 36, 24), QStringLiteral("# Servings"));
    recipeServings_->setText(recipes_.recipeServingsText());
    connect(recipeServings_, &QLineEdit::textChanged, this,
            [this](const QString& text) { forward([&] { recipes_.setRecipeServingsText(text); }); });
    recipeUpDown_ = new UpDownButtons(QStringLiteral("# Servings"), box_);
    recipeUpDown_->associate(recipeServings_);
    recipeUpDown_->setGeometry(198, 17, 12, 24);
    connect(recipeUpDown_, &UpDownButtons::stepped, this,
            [this](int delta) { forward([&] { recipes_.stepRecipeServings(delta); }); });

    placeLegend(box_, QStringLiteral("Carbo"), colors::Lime, 112, 36, small);
    placeLegend(box_, QStringLiteral("Protein"), colors::Aqua, 112, 60, small);
    placeLegend(box_, QStringLiteral("Fat"), colors::Yellow, 112, 84, small);
    // Laid out from the left with their first text, "00%"; they keep that right edge.
    const int right = 131 + QFontMetrics(small).horizontalAdvance(QStringLiteral("00%"));
    panel_.carbohydrate = placeRightLabel(box_, recipes_.panel().carbohydratePercent, right, 48, small,
                                          QStringLiteral("Recipe carbohydrate percentage"), 40);
    panel_.protein = placeRightLabel(box_, recipes_.panel().proteinPercent, right, 72, small,
                                     QStringLiteral("Recipe protein percentage"), 40);
    panel_.fat = placeRightLabel(box_, recipes_.panel().fatPercent, right, 96, small,
                                 QStringLiteral("Recipe fat percentage"), 40);

    panel_.pie = new PieWidget(QStringLiteral("Recipe pie"), [this] { return foods_.foodTable().busy(); }, box_);
    panel_.pie->setGeometry(160, 48, 69, 69);
}

void RecipesPage::connectDrags()
{
    connect(foodList_, &FoodListView::dragFinished, this,
            [this] { forward([&] { recipes_.endDrag(DragSource::RecipeFoodList); }); });

    ingredients_->setDragSource(DragSource::IngredientList);
    ingredients_->acceptsDrop = [this](const DragItem& item) { return recipes_.ingredientListAccepts(item); };
    ingredients_->dropped = [this](const DragItem& item) { forward([&] { recipes_.dropOnIngredientList(item); }); };
    ingredients_->dragEnded = [this] { forward([&] { recipes_.endDrag(DragSource::IngredientList); }); };

    trash_->dragOver = [this](const DragItem& item) {
        const bool wasOpen = recipes_.trashOpen();
        const bool taken = recipes_.trashDragOver(item);
        if (recipes_.trashOpen() != wasOpen)
            emit stateChanged();
        return taken;
    };
    trash_->dropped = [this](const DragItem& item) { forward([&] { recipes_.dropOnTrash(item); }); };
}

void RecipesPage::instructionsEdited()
{
    if (showing_)
        return;
    const QString typed = fromMemo(instructions_->toPlainText());
    recipes_.setInstructions(typed);
    if (recipes_.instructions() == typed)
        return;
    // Text that reached the memo past its limit without passing its input
    // checks (set by a program): the memo shows what the recipe keeps, the
    // cursor where it was.
    const int position = instructions_->textCursor().position();
    showing_ = true;
    instructions_->setPlainText(toMemo(recipes_.instructions()));
    QTextCursor cursor = instructions_->textCursor();
    cursor.setPosition(std::min(position, static_cast<int>(instructions_->document()->characterCount()) - 1));
    instructions_->setTextCursor(cursor);
    showing_ = false;
}

void RecipesPage::refresh()
{
    showing_ = true;
    foodList_->refresh();
    ingredients_->setLines(recipes_.ingredientLines(), recipes_.ingredientSelection());
    const QString memo = toMemo(recipes_.instructions());
    if (instructions_->toPlainText() != memo)
        instructions_->setPlainText(memo);
    showing_ = false;

    showFieldText(foodServings_, recipes_.foodServingsText());
    showFieldText(recipeServings_, recipes_.recipeServingsText());
    trash_->setOpen(recipes_.trashOpen());
    panel_.show(recipes_.panel());

    if (const std::optional<RecipeFocus> focus = recipes_.takeFocusRequest()) {
        switch (*focus) {
        case RecipeFocus::FoodList: foodList_->setFocus(); break;
        case RecipeFocus::FoodServings: foodServings_->setFocus(); break;
        case RecipeFocus::RecipeServings: recipeServings_->setFocus(); break;
        }
    }
}

} // namespace tolvane
