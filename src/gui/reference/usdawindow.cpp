#include "reference/usdawindow.h"

#include "food/fooditemform.h"
#include "reference/addfromusda.h"

#include <QAccessible>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tolvane {

namespace {
constexpr int UsdaHelpContext = 9;  // the food item topic

QLabel* labelFor(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}
} // namespace

UsdaWindow::UsdaWindow(AddFromUsda& behaviour, std::function<void()> added, QWidget* parent)
    : QDialog(parent), behaviour_(behaviour), added_(std::move(added)), search_(new QLineEdit(this)), status_(new QLabel(this)),
      rankBy_(new QComboBox(this)), rankBasis_(new QComboBox(this)), results_(new QTreeWidget(this)), measures_(new QComboBox(this)), grams_(new QLineEdit(this)),
      name_(new QLineEdit(this)), add_(new QPushButton(QStringLiteral("&Add"), this)),
      close_(new QPushButton(QStringLiteral("&Close"), this))
{
    setWindowTitle(usdamsg::Caption);
    setAccessibleName(usdamsg::Caption);
    setProperty("helpContext", UsdaHelpContext);
    setModal(false);
    resize(640, 520);

    search_->setAccessibleName(QStringLiteral("Search USDA foods"));
    search_->setClearButtonEnabled(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    status_->setFocusPolicy(Qt::NoFocus);
    rankBy_->setAccessibleName(QStringLiteral("Rank by"));
    rankBy_->addItems(behaviour_.rankChoices());
    rankBasis_->setAccessibleName(QStringLiteral("Rank per"));
    rankBasis_->addItems(AddFromUsda::basisTexts());
    results_->setColumnCount(3);
    results_->setHeaderLabels({QStringLiteral("USDA food"), QStringLiteral("Food group"), QString()});
    results_->setRootIsDecorated(false);
    results_->setAccessibleName(QStringLiteral("USDA foods found"));
    results_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    results_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    results_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    results_->header()->setStretchLastSection(false);
    measures_->setAccessibleName(QStringLiteral("Measure"));
    grams_->setAccessibleName(QStringLiteral("Grams"));
    grams_->setMaxLength(10);
    name_->setAccessibleName(QStringLiteral("Food item name"));
    name_->setMaxLength(FoodItem::NameCapacity);
    add_->setAutoDefault(false);
    close_->setAutoDefault(false);

    auto* top = new QFormLayout;
    top->addRow(labelFor(QStringLiteral("&Search:"), search_, this), search_);
    auto* ranking = new QHBoxLayout;
    ranking->addWidget(rankBy_, 1);
    ranking->addWidget(labelFor(QStringLiteral("&Per:"), rankBasis_, this));
    ranking->addWidget(rankBasis_);
    top->addRow(labelFor(QStringLiteral("Rank &by:"), rankBy_, this), ranking);
    top->addRow(QString(), status_);
    auto* values = new QGridLayout;
    for (int n = 0; n < NutrientCount; ++n) {
        const QString caption = FoodItemForm::label(FoodItemForm::fieldOf(static_cast<Nutrient>(n)));
        auto* value = new QLabel(this);
        value->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        value->setMinimumWidth(60);
        values_[static_cast<std::size_t>(n)] = value;
        values->addWidget(new QLabel(caption, this), n / 3, (n % 3) * 2);
        values->addWidget(value, n / 3, (n % 3) * 2 + 1);
    }
    auto* choice = new QFormLayout;
    choice->addRow(labelFor(QStringLiteral("&Measure:"), measures_, this), measures_);
    choice->addRow(labelFor(QStringLiteral("&Grams:"), grams_, this), grams_);
    choice->addRow(QStringLiteral("Values:"), values);
    choice->addRow(labelFor(QStringLiteral("&Name:"), name_, this), name_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(labelFor(QStringLiteral("&Results:"), results_, this));
    layout->addWidget(results_, 1);
    layout->addLayout(choice);
    layout->addLayout(buttons);
    setTabOrder(search_, rankBy_);
    setTabOrder(rankBy_, rankBasis_);
    setTabOrder(rankBasis_, results_);
    setTabOrder(results_, measures_);
    setTabOrder(measures_, grams_);
    setTabOrder(grams_, name_);
    setTabOrder(name_, add_);
    setTabOrder(add_, close_);

    connect(search_, &QLineEdit::textEdited, this, [this](const QString& text) {
        behaviour_.setSearchText(text);
        showResults();
        announce(behaviour_.status());
    });
    connect(rankBy_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (refreshing_)
            return;
        behaviour_.chooseRank(index);
        showResults();
        announce(behaviour_.status());
    });
    connect(rankBasis_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (refreshing_)
            return;
        behaviour_.chooseBasis(static_cast<RankBasis>(index));
        showResults();
        announce(behaviour_.status());
    });
    // Return in the search field goes on to the results; Down too.
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        if (results_->topLevelItemCount() > 0)
            results_->setFocus();
    });
    connect(results_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (refreshing_ || !item)
            return;
        behaviour_.chooseResult(results_->indexOfTopLevelItem(item));
        showChoice();
    });
    connect(results_, &QTreeWidget::itemActivated, this, [this] { measures_->setFocus(); });
    connect(measures_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (refreshing_)
            return;
        behaviour_.chooseMeasure(index);
        showChoice();
    });
    connect(grams_, &QLineEdit::textEdited, this, [this](const QString& text) {
        behaviour_.setGramsText(text);
        showChoice();
    });
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) { behaviour_.setName(text); });
    connect(name_, &QLineEdit::returnPressed, add_, &QPushButton::click);
    connect(add_, &QPushButton::clicked, this, [this] {
        const bool wasAdded = behaviour_.pressAdd();
        if (added_)
            added_();  // also after a refusal: the add path may have selected the item of that name
        if (wasAdded) {
            status_->setText(behaviour_.status());
            announce(behaviour_.status());
            search_->setFocus();
            search_->selectAll();
        }
    });
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    refresh();
}

void UsdaWindow::refresh()
{
    if (search_->text() != behaviour_.searchText())
        search_->setText(behaviour_.searchText());
    showResults();
}

void UsdaWindow::showResults()
{
    refreshing_ = true;
    status_->setText(behaviour_.status());
    results_->clear();
    QList<QTreeWidgetItem*> items;
    for (int row = 0; row < behaviour_.resultCount(); ++row) {
        auto* item = new QTreeWidgetItem(
            {behaviour_.resultDescription(row), behaviour_.resultGroup(row), behaviour_.resultAmount(row)});
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        items.append(item);
    }
    rankBy_->setCurrentIndex(behaviour_.rankChoice());
    rankBasis_->setCurrentIndex(static_cast<int>(behaviour_.basis()));
    results_->headerItem()->setText(2, behaviour_.rankHeading());
    results_->setColumnHidden(2, behaviour_.rankHeading().isEmpty());
    results_->addTopLevelItems(items);
    if (behaviour_.currentResult() >= 0 && behaviour_.currentResult() < results_->topLevelItemCount())
        results_->setCurrentItem(results_->topLevelItem(behaviour_.currentResult()));
    refreshing_ = false;
    showChoice();
}

void UsdaWindow::showChoice()
{
    refreshing_ = true;
    const QStringList texts = behaviour_.measureTexts();
    QStringList shown;
    for (int i = 0; i < measures_->count(); ++i)
        shown.append(measures_->itemText(i));
    if (shown != texts) {
        measures_->clear();
        measures_->addItems(texts);
    }
    measures_->setCurrentIndex(behaviour_.currentMeasure());
    const auto values = behaviour_.valueTexts();
    for (int n = 0; n < NutrientCount; ++n) {
        QLabel* value = values_[static_cast<std::size_t>(n)];
        value->setText(values[static_cast<std::size_t>(n)]);
        // A screen reader reads the value with what it is.
        value->setAccessibleName(FoodItemForm::label(FoodItemForm::fieldOf(static_cast<Nutrient>(n))) +
                                 QLatin1Char(' ') + value->text());
    }
    if (name_->text() != behaviour_.name())
        name_->setText(behaviour_.name());
    add_->setEnabled(behaviour_.currentResult() >= 0);
    refreshing_ = false;
}

void UsdaWindow::announce(const QString& text)
{
    // The status under the field changes without the focus moving: a screen
    // reader is told as it is told of an alert.
    QAccessibleValueChangeEvent event(status_, text);
    QAccessible::updateAccessibility(&event);
    QAccessibleEvent alert(status_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace tolvane
