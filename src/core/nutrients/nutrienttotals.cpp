#include "nutrients/nutrienttotals.h"

namespace tolvane {

void NutrientTotals::add(const NutrientAmounts& perServing, long double servings)
{
    ++entries;
    for (std::size_t i = 0; i < perServing.size(); ++i)
        if (perServing[i]) {
            sums[i] += *perServing[i] * servings;
            ++known[i];
        }
}

NutrientTotals NutrientTotals::dividedBy(long double divisor) const
{
    NutrientTotals shown = *this;
    for (long double& sum : shown.sums)
        sum /= divisor;
    return shown;
}

QString totalAmountText(const NutrientTotals& totals, int index)
{
    const auto i = static_cast<std::size_t>(index);
    if (totals.entries == 0)
        return {};
    return totals.known[i] == 0 ? QStringLiteral("unknown") : amountText(index, totals.sums[i]);
}

QString completenessText(const NutrientTotals& totals, int index)
{
    const int known = totals.known[static_cast<std::size_t>(index)];
    if (known == 0 || known == totals.entries)
        return {};
    return QStringLiteral("from %1 of %2 entries").arg(known).arg(totals.entries);
}

QString totalText(const NutrientTotals& totals, int index)
{
    const CatalogueNutrient& nutrient = nutrientCatalogue()[static_cast<std::size_t>(index)];
    const QString amount = totalAmountText(totals, index);
    QString text = nutrient.name + QLatin1Char(' ') + amount;
    if (totals.known[static_cast<std::size_t>(index)] > 0)
        text += QLatin1Char(' ') + nutrient.unit;
    const QString completeness = completenessText(totals, index);
    return completeness.isEmpty() ? text : text + QStringLiteral(" (") + completeness + QLatin1Char(')');
}

} // namespace tolvane
