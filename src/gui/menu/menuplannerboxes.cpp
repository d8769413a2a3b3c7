// The Food Item and Menu Values boxes of the Menu Planner page.

#include "menu/menuplannerpage.h"

#include "menu/menuplanner.h"
#include "menu/pie.h"
#include "menu/piewidget.h"
#include "menu/servingsedit.h"
#include "food/foodlist.h"

#include <QGroupBox>
#include <QLabel>

namespace tolvane {

namespace {
const QStringList NutrientCaptions = {QStringLiteral("Calories"), QStringLiteral("Carbo"), QStringLiteral("Protein"),
                                      QStringLiteral("Fat"),      QStringLiteral("Sodium"), QStringLiteral("Chol")};
const QStringList NutrientNames = {QStringLiteral("calories"), QStringLiteral("carbohydrate"),
                                   QStringLiteral("protein"),  QStringLiteral("fat"),
                                   QStringLiteral("sodium"),   QStringLiteral("cholesterol")};
const QStringList NutrientUnits = {QString(), QStringLiteral("g"), QStringLiteral("g"), QStringLiteral("g"),
                                   QStringLiteral("mg"), QStringLiteral("mg")};

QFrame* makePanel(QWidget* parent, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setGeometry(geometry);
    return panel;
}

QLabel* valueLabel(QWidget* parent, const QString& text, int right, int y, int nutrient, const QString& owner)
{
    QLabel* label = placeRightLabel(parent, text, right, y, arialFont(11), QString(), 48);
    nameValueLabel(label, owner + NutrientNames.at(nutrient), NutrientUnits.at(nutrient));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    return label;
}

// The three coloured captions and the percentages under them.
void placePercentages(QWidget* box, PanelLabels& labels, int captionX, const int captionY[3], int right,
                      const int percentY[3], const QString& owner, const QString& initial)
{
    const QFont font = arialFont(11);
    placeLegend(box, QStringLiteral("Carbo"), colors::Lime, captionX, captionY[0], font);
    placeLegend(box, QStringLiteral("Protein"), colors::Aqua, captionX, captionY[1], font);
    placeLegend(box, QStringLiteral("Fat"), colors::Yellow, captionX, captionY[2], font);
    labels.carbohydrate =
        placeRightLabel(box, initial, right, percentY[0], font, owner + QStringLiteral(" carbohydrate percentage"), 40);
    labels.protein =
        placeRightLabel(box, initial, right, percentY[1], font, owner + QStringLiteral(" protein percentage"), 40);
    labels.fat = placeRightLabel(box, initial, right, percentY[2], font, owner + QStringLiteral(" fat percentage"), 40);
}
} // namespace

void MenuPlannerPage::buildFoodItemBox()
{
    auto* box = new QGroupBox(QStringLiteral("Food Item"), this);
    box->setGeometry(0, 232, 233, 121);
    box->setFont(arialFont(11));
    box->setAccessibleName(QStringLiteral("Food Item"));

    QFrame* panel = makePanel(box, QRect(4, 18, 101, 95));
    for (int n = 0; n < NutrientCount; ++n) {
        const int y = 6 + 14 * n;
        placeLabel(panel, NutrientCaptions.at(n), 6, y, arialFont(11));
        foodPanel_.values[static_cast<std::size_t>(n)] =
            valueLabel(panel, QStringLiteral("0"), 83, y, n, QStringLiteral("Food item "));
        if (!NutrientUnits.at(n).isEmpty())
            placeLabel(panel, NutrientUnits.at(n), 85, y, arialFont(11));
    }

    placeLabel(box, QStringLiteral("# Servings"), 108, 20, arialFont(11));
    servings_ = new ServingsEdit(3, box);
    servings_->setGeometry(162, 17, 36, 24);
    servings_->setFont(arialFont(13));
    servings_->setText(foods_.servingsText());
    servings_->setAccessibleName(QStringLiteral("# Servings"));
    // Any change of the text counts, typed or put in by an input tool.
    connect(servings_, &QLineEdit::textChanged, this,
            [this](const QString& text) { forward([&] { foods_.setServingsText(text); }); });
    // Enter gives the selected meal entry these servings.
    connect(servings_, &QLineEdit::returnPressed, this, [this] { forward([&] { planner_.changeServings(); }); });
    upDown_ = new UpDownButtons(QStringLiteral("# Servings"), box);
    upDown_->associate(servings_);
    upDown_->setGeometry(198, 17, 12, 24);
    connect(upDown_, &UpDownButtons::stepped, this,
            [this](int delta) { forward([&] { planner_.stepServings(delta); }); });

    const int captionY[3] = {36, 60, 84};
    const int percentY[3] = {48, 72, 96};
    placePercentages(box, foodPanel_, 112, captionY, 153, percentY, QStringLiteral("Food item"), QStringLiteral("00%"));

    foodPanel_.pie =
        new PieWidget(QStringLiteral("Food item pie"), [this] { return foods_.foodTable().busy(); }, box);
    foodPanel_.pie->setGeometry(160, 48, 69, 69);
}

void MenuPlannerPage::buildMenuValuesBox()
{
    auto* box = new QGroupBox(QStringLiteral("Menu Values"), this);
    box->setGeometry(298, 250, 311, 92);
    box->setFont(arialFont(11));
    box->setAccessibleName(QStringLiteral("Menu Values"));

    QFrame* panel = makePanel(box, QRect(4, 16, 177, 65));
    for (int n = 0; n < NutrientCount; ++n) {
        const bool left = n < 3;
        const int y = left ? 7 + 15 * n : 5 + 15 * (n - 3);
        placeLabel(panel, NutrientCaptions.at(n), left ? 8 : 94, y, arialFont(11));
        menuPanel_.values[static_cast<std::size_t>(n)] =
            valueLabel(panel, left ? QStringLiteral("0") : QStringLiteral("XXX"), left ? 89 : 174, y, n,
                       QStringLiteral("Menu "));
    }

    const int captionY[3] = {12, 36, 60};
    const int percentY[3] = {24, 48, 72};
    placePercentages(box, menuPanel_, 184, captionY, 236, percentY, QStringLiteral("Menu"), QStringLiteral("00%"));

    menuPanel_.pie =
        new PieWidget(QStringLiteral("Menu values pie"), [this] { return foods_.foodTable().busy(); }, box);
    menuPanel_.pie->setGeometry(236, 15, 69, 69);
}

} // namespace tolvane
