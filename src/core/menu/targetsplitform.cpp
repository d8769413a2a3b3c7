#include "menu/targetsplitform.h"

#include "shell/userinterface.h"
#include "storage/numbertext.h"

#include <cmath>

namespace tolvane {

namespace {
const QString TypeAPercent = QStringLiteral(" Type a whole percent from 0 to 100.");
// A typed text as a message quotes it: trimmed, and short however long it was.
QString quoted(const QString& typed) { return typed.trimmed().left(TargetSplitForm::MaxLength); }
} // namespace

QString splitmsg::empty(const QString& share)
{
    return QStringLiteral("The %1 share is empty.").arg(share) + TypeAPercent;
}

QString splitmsg::notANumber(const QString& share, const QString& typed)
{
    return QStringLiteral("The %1 share \"%2\" is not a number.").arg(share, quoted(typed)) + TypeAPercent;
}

QString splitmsg::negative(const QString& share)
{
    return QStringLiteral("The %1 share cannot be negative.").arg(share) + TypeAPercent;
}

QString splitmsg::aboveHundred(const QString& share)
{
    return QStringLiteral("The %1 share cannot be above 100%.").arg(share) + TypeAPercent;
}

QString splitmsg::notWhole(const QString& share, const QString& typed)
{
    return QStringLiteral("The %1 share \"%2\" is not a whole percent.").arg(share, quoted(typed)) + TypeAPercent;
}

QString splitmsg::wrongSum(int total)
{
    return QStringLiteral("The three shares add up to %1%. They must add up to 100%.").arg(total);
}

QString TargetSplitForm::label(Field field)
{
    switch (field) {
    case Carbohydrate: return QStringLiteral("&Carbohydrate (%):");
    case Protein: return QStringLiteral("&Protein (%):");
    default: return QStringLiteral("&Fat (%):");
    }
}

QString TargetSplitForm::shareName(Field field)
{
    switch (field) {
    case Carbohydrate: return QStringLiteral("carbohydrate");
    case Protein: return QStringLiteral("protein");
    default: return QStringLiteral("fat");
    }
}

namespace {
std::array<QString, TargetSplitForm::FieldCount> textsOf(const TargetSplit& split)
{
    return {QString::number(split.carbohydrate), QString::number(split.protein), QString::number(split.fat)};
}
} // namespace

TargetSplitForm::TargetSplitForm(const TargetSplit& current) : texts(textsOf(current)), split_(current) {}

bool TargetSplitForm::refuse(UserInterface& ui, Field field, const QString& message)
{
    ui.showMessage(Message::typed(message, Icon::Error, only(Button::Ok), TargetSplitHelpContext));
    focus_ = field;
    return false;
}

bool TargetSplitForm::pressOk(UserInterface& ui)
{
    std::array<int, FieldCount> percents{};
    for (int f = 0; f < FieldCount; ++f) {
        const auto field = static_cast<Field>(f);
        const QString& typed = texts[static_cast<std::size_t>(f)];
        const QString share = shareName(field);
        if (typed.trimmed().isEmpty())
            return refuse(ui, field, splitmsg::empty(share));
        const std::optional<long double> value = parseStrict(typed);
        if (!value || !std::isfinite(*value))
            return refuse(ui, field, splitmsg::notANumber(share, typed));
        if (*value < 0)
            return refuse(ui, field, splitmsg::negative(share));
        if (*value > 100)
            return refuse(ui, field, splitmsg::aboveHundred(share));
        if (*value != std::trunc(*value))
            return refuse(ui, field, splitmsg::notWhole(share, typed));
        percents[static_cast<std::size_t>(f)] = static_cast<int>(*value);
    }
    const int total = percents[0] + percents[1] + percents[2];
    if (total != 100)
        return refuse(ui, Carbohydrate, splitmsg::wrongSum(total));
    split_ = {percents[0], percents[1], percents[2]};
    focus_ = Carbohydrate;
    return true;
}

void TargetSplitForm::pressDefault()
{
    texts = textsOf(TargetSplit{});
    focus_ = Carbohydrate;
}

void TargetSplitForm::pressHelp(UserInterface& ui) { ui.showHelpTopic(TargetSplitHelpContext); }

} // namespace tolvane
