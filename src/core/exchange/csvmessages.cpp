#include "exchange/csvmessages.h"

namespace tolvane::csvmsg {

namespace {
constexpr qsizetype MaxListedCsvLines = 20;

QString quoted(const QString& text) { return u'"' + text + u'"'; }

// "1 food item", "2 food items".
QString counted(qsizetype count, const QString& one, const QString& many)
{
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}
} // namespace

QString cannotRead(const QString& file) { return QStringLiteral("The file %1 cannot be read.").arg(file); }
QString fileTooLarge(const QString& file)
{
    return QStringLiteral("The file %1 is larger than 64 MB. Nothing was imported.").arg(file);
}
QString notUtf8(const QString& file)
{
    return QStringLiteral("The file %1 is not UTF-8 text. Nothing was imported.").arg(file);
}
QString openQuote(const QString& file, int line)
{
    return QStringLiteral("The file %1 is not a valid CSV file: the quoted value that starts on line %2 is not "
                          "closed. Nothing was imported.")
        .arg(file, QString::number(line));
}
QString noRows(const QString& file) { return QStringLiteral("The file %1 holds no food items.").arg(file); }
QString badHeader(const QString& file)
{
    return QStringLiteral("The first line of %1 must name the columns Name, Calories, Carbo, Protein, Fat, Sodium "
                          "and Chol. Nothing was imported.")
        .arg(file);
}
QString columnTwice(const QString& file, const QString& column)
{
    return QStringLiteral("The first line of %1 names the column %2 twice. Nothing was imported.").arg(file, column);
}
QString tooManyValues(int line, qsizetype values, qsizetype columns)
{
    return QStringLiteral("Line %1: %2, more than the %3 of the first line.")
        .arg(line)
        .arg(counted(values, QStringLiteral("value"), QStringLiteral("values")),
             counted(columns, QStringLiteral("column"), QStringLiteral("columns")));
}
QString missingValue(int line) { return QStringLiteral("Line %1: a value is missing.").arg(line); }
QString emptyName(int line) { return QStringLiteral("Line %1: the name is empty.").arg(line); }
QString nameControlCharacter(int line)
{
    return QStringLiteral("Line %1: the name contains a control character (such as a tab or a line break).")
        .arg(line);
}
QString nameTooLong(int line, const QString& name)
{
    return QStringLiteral("Line %1: the name %2 is longer than 30 characters.").arg(line).arg(quoted(name));
}
QString nameNotStorable(int line, const QString& name)
{
    return QStringLiteral("Line %1: the name %2 contains characters that cannot be stored in the food item table.")
        .arg(line)
        .arg(quoted(name));
}
QString valueTooLong(int line, const QString& label)
{
    return QStringLiteral("Line %1: the value of %2 is longer than 1000 characters.").arg(line).arg(label);
}
QString notANumber(int line, const QString& text, const QString& label)
{
    return QStringLiteral("Line %1: %2 is not a number (%3).").arg(line).arg(quoted(text), label);
}
QString outOfRange(int line, const QString& text, const QString& label)
{
    return QStringLiteral("Line %1: %2 is out of range (%3).").arg(line).arg(quoted(text), label);
}
QString tableFull(int line)
{
    return QStringLiteral("Line %1: the food item table is full (2000 items); this line and the lines after it "
                          "were not added.")
        .arg(line);
}
QString disagreeQuestion(const QList<int>& lines, const QString& file)
{
    if (lines.size() == 1)
        return QStringLiteral("Line %1 of %2 gives calories that disagree with its carbohydrate, protein and fat (4, 4 "
                              "and 9 calories a gram): its values may be one column off. Add it anyway?")
            .arg(QString::number(lines.front()), file);
    QStringList shown;
    for (qsizetype i = 0; i < lines.size() && i < MaxListedCsvLines; ++i)
        shown.append(QString::number(lines[i]));
    if (lines.size() > MaxListedCsvLines)
        shown.append(QStringLiteral("..."));
    return QStringLiteral("%1 lines of %2 give calories that disagree with their carbohydrate, protein and fat (4, 4 "
                          "and 9 calories a gram): their values may be one column off (lines %3). Add them anyway?")
        .arg(QString::number(lines.size()), file, shown.join(QStringLiteral(", ")));
}

QString updateQuestion(int count, const QString& file)
{
    if (count == 1)
        return QStringLiteral("1 food item of %1 is already present with other values. Update its values? (Its "
                              "place on the personal list is kept.)")
            .arg(file);
    return QStringLiteral("%1 food items of %2 are already present with other values. Update their values? (Their "
                          "places on the personal list are kept.)")
        .arg(count)
        .arg(file);
}
QString summary(int added, int updated, int skipped, int refused)
{
    return QStringLiteral("%1 added, %2 updated, %3 already present and skipped, %4 refused.")
        .arg(counted(added, QStringLiteral("food item"), QStringLiteral("food items")))
        .arg(updated)
        .arg(skipped)
        .arg(counted(refused, QStringLiteral("line"), QStringLiteral("lines")));
}
QString importProgressLabel(const QString& file) { return QStringLiteral("Reading %1").arg(file); }
QString cannotWrite(const QString& file)
{
    return QStringLiteral("The file %1 could not be written.").arg(file);
}

} // namespace tolvane::csvmsg
