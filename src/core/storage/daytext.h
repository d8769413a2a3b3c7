#pragma once
// Dates are day numbers counted from 30 December 1899; a fraction is a time of
// day. They are shown and read in the user's short date format.

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

namespace tolvane {

// 30 December 1899 is day 0.
long double dayNumberFromDate(const QDate& date);
// The calendar day of a day number: its whole part (truncated towards zero, as
// the stored format counts days before 1899-12-30), the time of day dropped.
QDate dateFromDayNumber(long double dayNumber);

// The short date pattern used for showing and reading: the locale's numeric
// short format, or "M/d/yy" where the locale has none (C/POSIX).
QString shortDatePattern(const QLocale& locale = QLocale::system());

QString formatShortDate(const QDate& date, const QLocale& locale = QLocale::system());

// Which of the three numbers of a short date is the year: 0, 1 or 2 (2 for
// "M/d/yy", 0 for year-first formats such as "yyyy/MM/dd").
int shortDateYearField(const QLocale& locale = QLocale::system());

// Reads a date typed in the short date format. A one- or two-digit year is
// taken in the century of `today` (so "3/5/24" read in 2026 is 2024, never
// 1924); a four-digit year is taken as it stands. Blanks around are allowed.
std::optional<QDate> parseShortDate(const QString& text, const QLocale& locale = QLocale::system(),
                                    const QDate& today = QDate::currentDate());

} // namespace tolvane
