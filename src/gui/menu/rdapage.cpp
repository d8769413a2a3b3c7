#include "menu/rdapage.h"

#include "menu/menuplanner.h"
#include "menu/panellabels.h"
#include "menu/piewidget.h"
#include "food/foodlist.h"
#include "menu/menuplanner.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace tolvane {

namespace {
const int Rows[3] = {268, 292, 316};

void placeLegends(QWidget* page, int x)
{
    const QFont font = arialFont(13);
    placeLegend(page, QStringLiteral("Carbo"), colors::Lime, x, Rows[0], font);
    placeLegend(page, QStringLiteral("Protein"), colors::Aqua, x, Rows[1], font);
    placeLegend(page, QStringLiteral("Fat"), colors::Yellow, x, Rows[2], font);
}

QLabel* percentLabel(QWidget* page, const QString& text, int right, int row, const QString& name)
{
    return placeRightLabel(page, text, right, Rows[row] + 12, arialFont(13), name, 44);
}

QLabel* boldBlueLabel(QWidget* page, int x, int y, const QString& name)
{
    QLabel* label = placeLabel(page, QString(), x, y, arialFont(13, true));
    label->resize(80, label->height());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    nameValueLabel(label, name);
    return label;
}
} // namespace

RdaPage::RdaPage(const FoodList& foods, MenuPlanner& planner, QWidget* parent) : PageWidget(parent), planner_(planner)
{
    const auto busy = [&foods] { return foods.foodTable().busy(); };
    // Laid out with the recommended split; refresh() shows the user's target.
    const ReferenceSide recommended = referenceSide(shownTarget_);
    referenceTitle_ = placeLabel(this, recommended.title, 24, 16, arialFont(13, true));
    placeLabel(this, QStringLiteral("Your Menu"), 448, 16, arialFont(13, true));

    recommendedPie_ = new PieWidget(recommended.pieName, busy, this);
    recommendedPie_->setGeometry(32, 40, 225, 225);
    recommendedPie_->setShares(recommended.shares);
    menuPie_ = new PieWidget(QStringLiteral("Your Menu pie"), busy, this);
    menuPie_->setGeometry(368, 40, 225, 225);

    placeLegends(this, 56);
    for (int n = 0; n < 3; ++n) {
        const auto at = static_cast<std::size_t>(n);
        referencePercents_[at] = percentLabel(this, recommended.percents[at], 97, n, recommended.names[at]);
    }
    placeLegends(this, 512);
    yourCarbo_ = percentLabel(this, QStringLiteral("0%"), 553, 0, QStringLiteral("Your carbohydrate"));
    yourProtein_ = percentLabel(this, QStringLiteral("0%"), 553, 1, QStringLiteral("Your protein"));
    yourFat_ = percentLabel(this, QStringLiteral("0%"), 553, 2, QStringLiteral("Your fat"));

    meal_ = boldBlueLabel(this, 320, 288, QStringLiteral("Meal shown"));
    day_ = boldBlueLabel(this, 320, 304, QStringLiteral("Day shown"));

    auto* box = new QGroupBox(QStringLiteral("Selection"), this);
    box->setGeometry(400, 272, 81, 81);
    box->setAccessibleName(QStringLiteral("Selection"));
    comparison_ = new QButtonGroup(this);
    const QStringList items = {QStringLiteral("Meal"), QStringLiteral("Day"), QStringLiteral("Week")};
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items.at(i), box);
        radio->setGeometry(8, 16 + 20 * i, 68, 18);
        radio->setAccessibleName(items.at(i));
        comparison_->addButton(radio, i);
    }
    comparison_->button(0)->setChecked(true);
    const auto choose = [this](int item) {
        planner_.comparisonClick(item);
        emit stateChanged();
    };
    // A click also on the checked button (Avg. Day shows Week checked);
    // a screen reader's toggle action checks the button without a click.
    connect(comparison_, &QButtonGroup::idClicked, this, choose);
    connect(comparison_, &QButtonGroup::idToggled, this, [this, choose](int item, bool checked) {
        if (checked && !showing_)
            choose(item);
    });
}

void RdaPage::showReference(const TargetSplit& target)
{
    shownTarget_ = target;
    const ReferenceSide side = referenceSide(target);
    referenceTitle_->setText(side.title);
    referenceTitle_->adjustSize();
    for (std::size_t n = 0; n < referencePercents_.size(); ++n) {
        nameValueLabel(referencePercents_[n], side.names[n]);
        setLabelText(referencePercents_[n], side.percents[n]);
    }
    recommendedPie_->setAccessibleName(side.pieName);
    recommendedPie_->setShares(side.shares);
}

void RdaPage::refresh()
{
    if (planner_.targetSplit() != shownTarget_)
        showReference(planner_.targetSplit());
    const PanelTexts& panel = planner_.menuPanel();
    setLabelText(yourCarbo_, panel.carbohydratePercent);
    setLabelText(yourProtein_, panel.proteinPercent);
    setLabelText(yourFat_, panel.fatPercent);
    menuPie_->setShares(panel.shares);
    setLabelText(meal_, planner_.rdaMealLabel());
    setLabelText(day_, planner_.rdaDayLabel());
    if (QAbstractButton* chosen = comparison_->button(planner_.comparison()); chosen && !chosen->isChecked()) {
        const QScopedValueRollback quiet(showing_, true);
        chosen->setChecked(true);
    }
}

} // namespace tolvane
