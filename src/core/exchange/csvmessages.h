#pragma once
// What the CSV commands tell the user. Counts agree in number with what they
// count ("1 food item", "2 lines").

#include <QList>
#include <QString>

namespace tolvane::csvmsg {

QString cannotRead(const QString& file);
QString fileTooLarge(const QString& file);
QString notUtf8(const QString& file);
QString openQuote(const QString& file, int line);
QString noRows(const QString& file);
QString badHeader(const QString& file);
QString columnTwice(const QString& file, const QString& column);
QString tooManyValues(int line, qsizetype values, qsizetype columns);
QString missingValue(int line);
QString emptyName(int line);
QString nameControlCharacter(int line);
QString nameTooLong(int line, const QString& name);
QString nameNotStorable(int line, const QString& name);
QString valueTooLong(int line, const QString& label);
QString notANumber(int line, const QString& text, const QString& label);
QString outOfRange(int line, const QString& text, const QString& label);
QString tableFull(int line);
QString updateQuestion(int count, const QString& file);
// Lines whose calories disagree with their carbohydrate, protein and fat.
QString disagreeQuestion(const QList<int>& lines, const QString& file);
QString summary(int added, int updated, int skipped, int refused);
inline const QString MoreLines = QStringLiteral("(only the first 20 refused lines are listed)");
inline const QString PersonalListShown = QStringLiteral(
    "You must be showing the Whole Food List in the Menu Planner to use this function. Change the view and "
    "return here to import food items");
inline const QString ImportCaption = QStringLiteral("Import Food Items");
QString importProgressLabel(const QString& file);
QString cannotWrite(const QString& file);

} // namespace tolvane::csvmsg
