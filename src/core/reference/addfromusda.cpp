#include "reference/addfromusda.h"

#include "food/foodediting.h"
#include "food/fooditemform.h"
#include "reference/usdalinks.h"
#include "reference/usdawindows.h"
#include "shell/program.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>
#include <numeric>

namespace tolvane {

namespace {
constexpr int MaxTypedGrams = 100000;

QString decimalText(const Decimal& grams)
{
    QString text = QString::number(grams.mantissa);
    if (grams.scale > 0) {
        text = text.rightJustified(grams.scale + 1, QLatin1Char('0'));
        text.insert(text.size() - grams.scale, QLatin1Char('.'));
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

const Decimal HundredGrams{100, 0};

QString nutrientLabel(int n)
{
    return FoodItemForm::label(FoodItemForm::fieldOf(static_cast<Nutrient>(n))).toLower();
}

Message warning(const QString& text)
{
    return Message::typed(text, Icon::Warning, only(Button::Ok), GeneralHelpContext);
}
} // namespace

QString measureAmountText(const QString& amount)
{
    bool ok = false;
    const double value = amount.toDouble(&ok);
    if (!ok || value <= 0)
        return amount;
    for (int denominator : {1, 2, 3, 4, 8}) {
        const double numerator = value * denominator;
        const long rounded = std::lround(numerator);
        if (std::fabs(numerator - static_cast<double>(rounded)) > 0.01 * denominator)
            continue;
        const long whole = rounded / denominator;
        const long rest = rounded % denominator;
        if (rest == 0)
            return QString::number(whole);
        const QString fraction = QStringLiteral("%1/%2").arg(rest).arg(denominator);
        return whole > 0 ? QString::number(whole) + QLatin1Char(' ') + fraction : fraction;
    }
    return QString::number(value);
}

QString measureWord(const QString& name)
{
    QString word = name.section(QLatin1Char(','), 0, 0).section(QLatin1Char('('), 0, 0).simplified().toLower();
    static const std::pair<const char*, const char*> Short[] = {
        {"tablespoons", "tbsp"}, {"tablespoon", "tbsp"}, {"teaspoons", "tsp"}, {"teaspoon", "tsp"},
        {"fluid ounces", "fl oz"}, {"fluid ounce", "fl oz"}, {"ounces", "oz"}, {"ounce", "oz"}, {"cups", "cup"}};
    for (const auto& [longName, shortName] : Short)
        if (word == QLatin1String(longName))
            return QLatin1String(shortName);
    return word;
}

QString fittedName(const QString& foodName, const QString& measure)
{
    const QString tail = QStringLiteral(", ") + measure;
    QString base = foodName;
    // Short words said the way labels say them keep a qualifier that
    // changes the values ("Cookies, choc chip, 1 cookie").
    static const std::pair<const char*, const char*> Shorter[] = {
        {"chocolate", "choc"}, {"Chocolate", "Choc"}, {"vegetables", "veg"}, {"vegetable", "veg"}};
    for (const auto& [longWord, shortWord] : Shorter)
        if (base.size() + tail.size() > FoodItem::NameCapacity)
            base.replace(QLatin1String(longWord), QLatin1String(shortWord));
    while (base.size() + tail.size() > FoodItem::NameCapacity && base.contains(QLatin1String(", ")))
        base.truncate(base.lastIndexOf(QLatin1String(", ")));
    const qsizetype room = FoodItem::NameCapacity - tail.size();
    if (room < 3)
        return base.left(FoodItem::NameCapacity).trimmed();
    return base.left(room).trimmed() + tail;
}

AddFromUsda::AddFromUsda(Program& program, FoodEditing& editing, UsdaWindows& windows)
    : program_(program), editing_(editing), windows_(windows)
{
    program_.setHandler(Command::AddFromUsda, [this] { open(); });
}

AddFromUsda::~AddFromUsda() = default;

void AddFromUsda::open()
{
    if (!tried_) {
        tried_ = true;
        const QString path = referencePath_.isEmpty()
                                 ? referencePath(QCoreApplication::applicationDirPath())
                                 : referencePath_;
        reference_ = UsdaReference::load(path);
        if (reference_)
            search_ = std::make_unique<ReferenceSearch>(reference_->foods());
    }
    if (!reference_) {
        // Told once: the command goes off for the rest of the run.
        if (program_.isEnabled(Command::AddFromUsda)) {
            program_.setEnabled(Command::AddFromUsda, false);
            program_.setToolButtonEnabled(Command::AddFromUsda, false);
            program_.ui().showMessage(warning(usdamsg::Unreadable));
        }
        return;
    }
    windows_.showAddFromUsda(*this);
}

void AddFromUsda::setSearchText(const QString& text)
{
    searchText_ = text;
    if (!search_)
        return;
    if (rankChoice_ > 0) {
        rankResults();
        return;
    }
    std::size_t total = 0;
    const std::vector<int> found = search_->find(text, ShownResults, &total);
    if (found.empty()) {
        // The choice stays where it was.
        status_ = text.trimmed().isEmpty() ? QString() : usdamsg::noMatch(text);
        return;
    }
    results_ = found;
    rankHeading_.clear();
    rankAmounts_.clear();
    const QLocale locale;
    status_ = total > found.size()
                  ? QStringLiteral("The first %1 of %2 foods").arg(found.size()).arg(locale.toString(qulonglong{total}))
              : total == 1 ? QStringLiteral("1 food")
                           : QStringLiteral("%1 foods").arg(total);
    chooseResult(0);
}

QString AddFromUsda::resultDescription(int row) const
{
    return reference_->foods()[static_cast<std::size_t>(results_[static_cast<std::size_t>(row)])].description;
}

QString AddFromUsda::resultGroup(int row) const
{
    return reference_->foods()[static_cast<std::size_t>(results_[static_cast<std::size_t>(row)])].group;
}

const ReferenceFood* AddFromUsda::chosenFood() const
{
    if (current_ < 0 || current_ >= resultCount())
        return nullptr;
    return &reference_->foods()[static_cast<std::size_t>(results_[static_cast<std::size_t>(current_)])];
}

void AddFromUsda::chooseResult(int row)
{
    if (row < 0 || row >= resultCount())
        return;
    current_ = row;
    // The food's first household measure, or 100 g when it has none.
    measure_ = 0;
    proposeName();
}

std::size_t AddFromUsda::measureCount() const
{
    const ReferenceFood* food = chosenFood();
    return food ? food->measures.size() + 2 : 0;
}

QStringList AddFromUsda::measureTexts() const
{
    QStringList texts;
    const ReferenceFood* food = chosenFood();
    if (!food)
        return texts;
    for (const ReferenceMeasure& m : food->measures)
        texts.append(measureAmountText(m.amount) + QLatin1Char(' ') + m.name + QStringLiteral(" (") +
                     decimalText(m.grams) + QStringLiteral(" g)"));
    texts.append(QStringLiteral("100 g"));
    texts.append(QStringLiteral("Grams typed"));
    return texts;
}

void AddFromUsda::chooseMeasure(int index)
{
    if (index < 0 || index >= static_cast<int>(measureCount()))
        return;
    measure_ = index;
    proposeName();
}

void AddFromUsda::setGramsText(const QString& text)
{
    gramsText_ = text;
    if (chosenFood())
        chooseMeasure(typedGramsMeasure());
}

std::optional<Decimal> AddFromUsda::chosenGrams() const
{
    const ReferenceFood* food = chosenFood();
    if (!food || measure_ < 0)
        return std::nullopt;
    const auto index = static_cast<std::size_t>(measure_);
    if (index < food->measures.size())
        return food->measures[index].grams;
    if (index == food->measures.size())
        return HundredGrams;
    QString typed = gramsText_.trimmed();
    typed.replace(QLocale().decimalPoint(), QStringLiteral("."));
    typed.replace(QLatin1Char(','), QLatin1Char('.'));
    const std::optional<Decimal> grams = Decimal::read(typed.toLatin1());
    if (!grams || grams->mantissa == 0 || grams->value() > MaxTypedGrams)
        return std::nullopt;
    return grams;
}

SixValues AddFromUsda::chosenValues() const
{
    const std::optional<Decimal> grams = chosenGrams();
    return grams ? sixValuesFor(*chosenFood(), *grams) : SixValues{};
}

std::array<QString, NutrientCount> AddFromUsda::valueTexts() const
{
    std::array<QString, NutrientCount> texts;
    if (!chosenGrams())
        return texts;
    const SixValues values = chosenValues();
    for (int n = 0; n < NutrientCount; ++n) {
        const auto& value = values[static_cast<std::size_t>(n)];
        const FoodItemForm::Field field = FoodItemForm::fieldOf(static_cast<Nutrient>(n));
        // As the food item table stores it: a 6-byte real.
        texts[static_cast<std::size_t>(n)] =
            value ? FoodItemForm::valueText(field, roundToReal6(*value)).trimmed() : QStringLiteral("?");
    }
    return texts;
}

QString AddFromUsda::measureShort() const
{
    const ReferenceFood* food = chosenFood();
    const std::optional<Decimal> grams = chosenGrams();
    if (!food || !grams)
        return {};
    const auto index = static_cast<std::size_t>(measure_);
    if (index < food->measures.size())
        return measureAmountText(food->measures[index].amount) + QLatin1Char(' ') +
               measureWord(food->measures[index].name);
    return decimalText(*grams) + QStringLiteral(" g");
}

void AddFromUsda::proposeName()
{
    const ReferenceFood* food = chosenFood();
    const QString measure = measureShort();
    if (food)
        name_ = measure.isEmpty() ? food->name : fittedName(food->name, measure);
}

bool AddFromUsda::pressAdd()
{
    const ReferenceFood* food = chosenFood();
    if (!food)
        return false;
    UserInterface& ui = program_.ui();
    const std::optional<Decimal> grams = chosenGrams();
    if (!grams) {
        ui.showMessage(warning(usdamsg::BadGrams));
        return false;
    }
    const SixValues values = chosenValues();
    for (int n = 0; n < NutrientCount; ++n) {
        if (!values[static_cast<std::size_t>(n)]) {
            ui.showMessage(warning(usdamsg::UnknownValue.arg(nutrientLabel(n))));
            return false;
        }
    }
    const QString name = name_.trimmed();
    if (name.isEmpty()) {
        ui.showMessage(warning(usdamsg::NoName));
        return false;
    }
    FoodItem record;
    const EncodeResult encoded = record.setName(name);
    if (encoded != EncodeResult::Ok) {
        ui.showMessage(warning(encoded == EncodeResult::TooLong ? usdamsg::NameTooLong : editmsg::NameNotStorable));
        return false;
    }
    for (int n = 0; n < NutrientCount; ++n)
        record.setNutrient(static_cast<Nutrient>(n), *values[static_cast<std::size_t>(n)]);
    record.setOnPersonalList(true);
    if (!editing_.mayAdd() || !editing_.addRecord(record))
        return false;
    status_ = usdamsg::added(name);
    const UsdaLink link{name, food->number, measureShort(), decimalText(*grams)};
    if (!storeUsdaLink(program_.workDir(), link))
        ui.showMessage(warning(usdamsg::LinkNotSaved));
    return true;
}

QString usdamsg::ranked(std::size_t shown, std::size_t total, std::size_t unknown, const QString& rankedBy)
{
    if (total == 0)
        return QStringLiteral("No food found has a value for %1.").arg(rankedBy);
    const QLocale locale;
    QString text = total > shown ? QStringLiteral("The first %1 of %2 foods, richest in %3 first")
                                       .arg(shown)
                                       .arg(locale.toString(qulonglong{total}), rankedBy)
                   : total == 1 ? QStringLiteral("1 food, richest in %1 first").arg(rankedBy)
                                : QStringLiteral("%1 foods, richest in %2 first").arg(total).arg(rankedBy);
    if (unknown > 0)
        text += QStringLiteral(" (%1 without a value left out)").arg(locale.toString(qulonglong{unknown}));
    return text;
}

QStringList AddFromUsda::rankChoices() const
{
    QStringList choices{usdamsg::BestMatch};
    for (const RankNutrient& nutrient : rankNutrients_)
        choices.append(nutrient.name);
    return choices;
}

QStringList AddFromUsda::basisTexts()
{
    return {QStringLiteral("100 g"), QStringLiteral("100 kcal"), QStringLiteral("serving")};
}

void AddFromUsda::chooseRank(int choice)
{
    if (choice < 0 || choice > static_cast<int>(rankNutrients_.size()) || choice == rankChoice_)
        return;
    rankChoice_ = choice;
    if (choice == 0 && searchText_.trimmed().isEmpty()) {
        // Back to the search's order with nothing searched: nothing listed.
        results_.clear();
        rankHeading_.clear();
        rankAmounts_.clear();
        status_.clear();
        current_ = -1;
        return;
    }
    setSearchText(searchText_);
}

void AddFromUsda::chooseBasis(RankBasis basis)
{
    if (basis == basis_)
        return;
    basis_ = basis;
    if (rankChoice_ > 0)
        setSearchText(searchText_);
}

QString AddFromUsda::resultAmount(int row) const
{
    return row >= 0 && row < rankAmounts_.size() ? rankAmounts_[row] : QString();
}

void AddFromUsda::rankResults()
{
    const RankNutrient& nutrient = rankNutrients_[static_cast<std::size_t>(rankChoice_ - 1)];
    const std::vector<ReferenceFood>& foods = reference_->foods();
    std::vector<int> among;
    if (searchText_.trimmed().isEmpty()) {
        among.resize(foods.size());
        std::iota(among.begin(), among.end(), 0);
    } else {
        among = search_->find(searchText_, foods.size());
        if (among.empty()) {
            status_ = usdamsg::noMatch(searchText_);  // the choice stays where it was
            return;
        }
    }
    const QString basis = basisTexts()[static_cast<int>(basis_)];
    const std::vector<RankedFood> ranked = rankFoods(foods, among, nutrient, basis_);
    const std::size_t shown = std::min(ranked.size(), ShownResults);
    status_ = usdamsg::ranked(shown, ranked.size(), among.size() - ranked.size(), usdamsg::rankedBy(nutrient, basis));
    rankHeading_ = nutrient.name + QStringLiteral(" per ") + basis;
    results_.clear();
    rankAmounts_.clear();
    current_ = -1;
    for (std::size_t i = 0; i < shown; ++i) {
        const ReferenceFood& food = foods[static_cast<std::size_t>(ranked[i].food)];
        QString amount = nutrient.text(ranked[i].amount) + QLatin1Char(' ') + nutrient.unit;
        if (basis_ == RankBasis::PerServing)
            amount += QStringLiteral(" in ") + measureAmountText(food.measures.front().amount) + QLatin1Char(' ') +
                      measureWord(food.measures.front().name);
        results_.push_back(ranked[i].food);
        rankAmounts_.append(amount);
    }
    chooseResult(0);
}

} // namespace tolvane
