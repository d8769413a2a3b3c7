#pragma once
// The units the user weighs and measures in: US (pounds, inches) or metric
// (kilograms, centimetres). The formulas work in pounds and inches; typed
// values are converted on the way in and plan weights on the way out. Files
// keep the plain numbers the user typed, whatever the unit.

#include <QLocale>
#include <QString>
#include <optional>

namespace tolvane {

enum class Units { Us = 0, Metric = 1 };

inline const QString UnitsKey = QStringLiteral("Units");

// Metric where the locale measures in the metric system, else US.
Units defaultUnits(const QLocale& locale);
// A stored value read back: an unknown one is the locale's default.
Units validUnits(std::optional<int> stored, const QLocale& locale);

// A weight or a height in the user's units, in pounds or inches; unchanged in US units.
long double toPounds(long double weight, Units units);
long double fromPounds(long double pounds, Units units);
long double toInches(long double height, Units units);
long double fromInches(long double inches, Units units);

// "lb" or "kg", "in" or "cm".
QString weightUnit(Units units);
QString heightUnit(Units units);

// The Calculators topic, which tells about the units too.
constexpr int CalculatorsHelpContext = 25;

namespace unitsmsg {
inline const QString Title = QStringLiteral("Units");
inline const QString Label = QStringLiteral("Units of the calculators, the weight grid and the graph:");
inline const QString Us = QStringLiteral("US (lb, in)");
inline const QString Metric = QStringLiteral("Metric (kg, cm)");
} // namespace unitsmsg

} // namespace tolvane
