#include "exchange/foodcsv.h"

#include "exchange/csvtext.h"
#include "food/fooditemform.h"
#include "storage/numbertext.h"
#include "storage/shortstring.h"

#include <array>
#include <cmath>

namespace tolvane {

namespace {
constexpr std::array<FoodItemForm::Field, NutrientCount> ValueFields = {
    FoodItemForm::Calories, FoodItemForm::Carbo, FoodItemForm::Protein,
    FoodItemForm::Fat,      FoodItemForm::Sodium, FoodItemForm::Chol};

QString quoted(const QString& text) { return u'"' + text + u'"'; }
} // namespace

QStringList foodCsvHeader()
{
    QStringList header{QStringLiteral("Name")};
    for (FoodItemForm::Field field : ValueFields)
        header.append(FoodItemForm::label(field));
    return header;
}

QString exactNumberText(long double value)
{
    // A stored value has 40 significant bits, so a double holds it exactly and
    // 13 significant digits always tell it apart from its neighbours.
    const auto stored = [](long double v) {
        std::array<std::uint8_t, 6> bytes{};
        storeReal6(v, bytes.data());
        return bytes;
    };
    const auto target = stored(value);
    const auto readsBack = [&](const QString& text) {
        const auto back = parseLenient(text);
        return back && stored(*back) == target;
    };
    const double v = static_cast<double>(value);
    // Plain decimals where a spreadsheet shows them so; an exponent only for
    // the very large and the very small.
    if (std::fabs(v) >= 1e-6 && std::fabs(v) < 1e15)
        for (int decimals = 0; decimals <= 21; ++decimals)
            if (const QString text = QString::number(v, 'f', decimals); readsBack(text))
                return text;
    for (int digits = 1; digits < 17; ++digits)
        if (const QString text = QString::number(v, 'g', digits); readsBack(text))
            return text;
    return QString::number(v, 'g', 17);
}

QByteArray exportFoodCsv(const FoodTable& table)
{
    QByteArray out;
    appendCsvRow(out, foodCsvHeader());
    for (int slot = 0; slot < table.count(); ++slot) {
        const FoodItem& item = table.item(slot);
        QStringList row{item.name()};
        for (long double v : item.nutrients())
            row.append(exactNumberText(v));
        appendCsvRow(out, row);
    }
    return out;
}

namespace csvmsg {
QString cannotRead(const QString& file) { return QStringLiteral("The file %1 cannot be read.").arg(file); }
QString notUtf8(const QString& file)
{
    return QStringLiteral("The file %1 is not UTF-8 text. Nothing was imported.").arg(file);
}
QString openQuote(const QString& file, int line)
{
    return QStringLiteral("The file %1 is not a valid CSV file: the quoted value that starts on line %2 is not "
                          "closed. Nothing was imported.")
        .arg(file)
        .arg(line);
}
QString noRows(const QString& file) { return QStringLiteral("The file %1 holds no food items.").arg(file); }
QString badHeader(const QString& file)
{
    return QStringLiteral("The first line of %1 must name the columns Name, Calories, Carbo, Protein, Fat, Sodium "
                          "and Chol. Nothing was imported.")
        .arg(file);
}
QString missingValue(int line) { return QStringLiteral("Line %1: a value is missing.").arg(line); }
QString emptyName(int line) { return QStringLiteral("Line %1: the name is empty.").arg(line); }
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
QString notANumber(int line, const QString& text, const QString& label)
{
    return QStringLiteral("Line %1: %2 is not a number (%3).").arg(line).arg(quoted(text), label);
}
QString tooLarge(int line, const QString& text, const QString& label)
{
    return QStringLiteral("Line %1: %2 is too large to be stored (%3).").arg(line).arg(quoted(text), label);
}
QString tableFull(int line)
{
    return QStringLiteral("Line %1: the food item table is full (2000 items); this line and the lines after it "
                          "were not added.")
        .arg(line);
}
QString summary(int added, int present, int refused)
{
    return QStringLiteral("%1 food items added, %2 already present and skipped, %3 lines refused.")
        .arg(added)
        .arg(present)
        .arg(refused);
}
QString cannotWrite(const QString& file)
{
    return QStringLiteral("The file %1 could not be written.").arg(file);
}
} // namespace csvmsg

FoodImport importFoodCsv(const QByteArray& bytes, const QString& file, FoodTable& table)
{
    FoodImport result;
    const CsvRead csv = readCsv(bytes);
    const auto refuse = [&](const QString& why) {
        result.readable = false;
        result.problems = {why};
        return result;
    };
    if (csv.problem == CsvProblem::NotUtf8)
        return refuse(csvmsg::notUtf8(file));
    if (csv.problem == CsvProblem::OpenQuote)
        return refuse(csvmsg::openQuote(file, csv.problemLine));
    if (csv.rows.empty())
        return refuse(csvmsg::noRows(file));

    // Where each of the seven columns is.
    std::array<qsizetype, 1 + NutrientCount> column{};
    const QStringList header = foodCsvHeader();
    const QStringList& names = csv.rows.front().fields;
    for (int i = 0; i < header.size(); ++i) {
        column[static_cast<std::size_t>(i)] = -1;
        for (qsizetype c = 0; c < names.size(); ++c)
            if (names[c].trimmed().compare(header[i], Qt::CaseInsensitive) == 0) {
                column[static_cast<std::size_t>(i)] = c;
                break;
            }
        if (column[static_cast<std::size_t>(i)] < 0)
            return refuse(csvmsg::badHeader(file));
    }

    for (std::size_t r = 1; r < csv.rows.size(); ++r) {
        const CsvRow& row = csv.rows[r];
        const auto field = [&](std::size_t i) { return row.fields.value(column[i]); };
        bool complete = true;
        for (qsizetype c : column)
            complete = complete && c < row.fields.size();
        if (!complete) {
            result.problems.append(csvmsg::missingValue(row.line));
            continue;
        }
        const QString name = field(0);
        FoodItem record;
        if (name.isEmpty()) {
            result.problems.append(csvmsg::emptyName(row.line));
            continue;
        }
        if (const EncodeResult encoded = record.setName(name); encoded != EncodeResult::Ok) {
            result.problems.append(encoded == EncodeResult::TooLong ? csvmsg::nameTooLong(row.line, name)
                                                                     : csvmsg::nameNotStorable(row.line, name));
            continue;
        }
        QString problem;
        for (std::size_t n = 0; n < ValueFields.size() && problem.isEmpty(); ++n) {
            const QString text = field(n + 1);
            const QString label = FoodItemForm::label(ValueFields[n]);
            const auto value = parseLenient(text);
            if (!value)
                problem = csvmsg::notANumber(row.line, text, label);
            else if (!record.setNutrient(static_cast<Nutrient>(n), *value))
                problem = csvmsg::tooLarge(row.line, text, label);
        }
        if (!problem.isEmpty()) {
            result.problems.append(problem);
            continue;
        }
        if (table.findSameName(name) >= 0) {
            ++result.present;
            continue;
        }
        if (table.isFull()) {
            result.problems.append(csvmsg::tableFull(row.line));
            break;
        }
        result.lastAddedSlot = table.insert(record);
        ++result.added;
    }
    return result;
}

} // namespace tolvane
