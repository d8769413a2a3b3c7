#include "weight/units.h"

#include "storage/real6.h"

namespace tolvane {

namespace {
// Exact by definition: the international pound and inch.
constexpr long double KilogramsPerPound = 0.45359237L;
constexpr long double CentimetresPerInch = 2.54L;
} // namespace

// Britain (ImperialUK) weighs in stones and pounds and measures in feet and
// inches: whole pounds and inches, so US units, not metric.
Units defaultUnits(const QLocale& locale)
{
    return locale.measurementSystem() == QLocale::MetricSystem ? Units::Metric : Units::Us;
}

Units validUnits(std::optional<int> stored, const QLocale& locale)
{
    if (stored && (*stored == static_cast<int>(Units::Us) || *stored == static_cast<int>(Units::Metric)))
        return static_cast<Units>(*stored);
    return defaultUnits(locale);
}

// Converted values are held as stored reals, as every value the formulas keep.
long double toPounds(long double weight, Units units)
{
    return units == Units::Metric ? roundToReal6(weight / KilogramsPerPound) : weight;
}

long double fromPounds(long double pounds, Units units)
{
    return units == Units::Metric ? roundToReal6(pounds * KilogramsPerPound) : pounds;
}

long double toInches(long double height, Units units)
{
    return units == Units::Metric ? roundToReal6(height / CentimetresPerInch) : height;
}

long double fromInches(long double inches, Units units)
{
    return units == Units::Metric ? roundToReal6(inches * CentimetresPerInch) : inches;
}

QString weightUnit(Units units) { return units == Units::Metric ? QStringLiteral("kg") : QStringLiteral("lb"); }

QString heightUnit(Units units) { return units == Units::Metric ? QStringLiteral("cm") : QStringLiteral("in"); }

} // namespace tolvane
