#include "exchange/foodimport.h"

#include "exchange/csvtext.h"
#include "exchange/foodcsv.h"
#include "storage/numbertext.h"
#include "storage/real6.h"
#include "storage/shortstring.h"

#include <QBuffer>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <array>

namespace tolvane {

namespace {

constexpr int ValueBytes = 6 * NutrientCount;

bool hasControlCharacter(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

bool sameValues(const FoodItem& a, const FoodItem& b)
{
    const auto values = [](const FoodItem& item) { return item.bytes.begin() + FoodItem::NutrientsOffset; };
    return std::equal(values(a), values(a) + ValueBytes, values(b));
}

QString readingProblem(const CsvReader& reader, const QString& file)
{
    switch (reader.problem()) {
    case CsvProblem::NotUtf8: return csvmsg::notUtf8(file);
    case CsvProblem::OpenQuote: return csvmsg::openQuote(file, reader.problemLine());
    case CsvProblem::TooLarge: return csvmsg::fileTooLarge(file);
    case CsvProblem::ReadError:
    case CsvProblem::None: break;
    }
    return csvmsg::cannotRead(file);
}

FoodImport refusal(const QString& why)
{
    FoodImport refused;
    refused.readable = false;
    refused.problems = {why};
    return refused;
}

} // namespace

FoodImport readFoodCsv(QIODevice& device, const QString& file, const FoodTable& table,
                       const std::function<bool(qint64)>& progress)
{
    CsvReader reader(device, MaxCsvFileSize);
    reader.setLimits({MaxCsvColumns, MaxCsvValueLength});
    const CsvRow* first = reader.next();
    if (!first)
        return refusal(reader.problem() == CsvProblem::None ? csvmsg::noRows(file) : readingProblem(reader, file));
    const CsvRow header = *first;

    // Where each of the seven columns is; a column named twice would leave
    // the choice between them to a guess.
    const QStringList labels = foodCsvHeader();
    std::array<qsizetype, 1 + NutrientCount> column{};
    column.fill(-1);
    for (qsizetype c = 0; c < header.fields.size(); ++c) {
        const QString name = header.fields[c].trimmed();
        for (std::size_t i = 0; i < column.size(); ++i) {
            if (name.compare(labels[static_cast<qsizetype>(i)], Qt::CaseInsensitive) != 0)
                continue;
            if (column[i] >= 0)
                return refusal(csvmsg::columnTwice(file, labels[static_cast<qsizetype>(i)]));
            column[i] = c;
        }
    }
    if (std::find(column.begin(), column.end(), -1) != column.end())
        return refusal(csvmsg::badHeader(file));
    const qsizetype lastColumn = *std::max_element(column.begin(), column.end());
    reader.setLimits({lastColumn + 1, MaxCsvValueLength});

    // The table's names by the key that tells names apart (the first of equal
    // ones, as a search finds it), and which of them the file has named.
    QHash<QString, int> tableSlots;
    tableSlots.reserve(table.count());
    for (int slot = table.count() - 1; slot >= 0; --slot)
        tableSlots.insert(NameOrder::sameNameKey(table.item(slot).name()), slot);
    std::vector<bool> named(static_cast<std::size_t>(table.count()), false);
    QSet<QString> added;

    FoodImport result;
    const auto refuse = [&result](const auto& message) {
        ++result.refused;
        if (result.problems.size() < MaxListedCsvProblems)
            result.problems.append(message());
    };
    qint64 reported = 0;
    bool full = false;  // the table is full: nothing more is taken
    while (const CsvRow* next = reader.next()) {
        const CsvRow& row = *next;
        if (progress && reader.bytesRead() != reported) {
            reported = reader.bytesRead();
            if (!progress(reported)) {
                FoodImport cancelled;
                cancelled.cancelled = true;
                return cancelled;
            }
        }
        const int line = row.line;
        if (row.fieldCount > header.fieldCount) {
            refuse([&] { return csvmsg::tooManyValues(line, row.fieldCount, header.fieldCount); });
            continue;
        }
        if (row.fieldCount <= lastColumn) {
            refuse([&] { return csvmsg::missingValue(line); });
            continue;
        }
        if (full)
            continue;  // read on only for a fault of the file
        const QString name = fromSpreadsheetSafe(row.fields[column[0]].trimmed());
        if (name.isEmpty()) {
            refuse([&] { return csvmsg::emptyName(line); });
            continue;
        }
        if (hasControlCharacter(name)) {
            refuse([&] { return csvmsg::nameControlCharacter(line); });
            continue;
        }
        FoodItem record;
        if (const EncodeResult encoded = record.setName(name); encoded != EncodeResult::Ok) {
            refuse([&] {
                return encoded == EncodeResult::TooLong ? csvmsg::nameTooLong(line, name)
                                                        : csvmsg::nameNotStorable(line, name);
            });
            continue;
        }
        bool valuesRead = true;
        for (int n = 0; n < NutrientCount && valuesRead; ++n) {
            const QString& text = row.fields[column[static_cast<std::size_t>(n) + 1]];
            const QString& label = labels[n + 1];
            NumberReading reading = text.size() > MaxCsvValueLength ? NumberReading{} : readLenient(text);
            // Too small for a stored number is out of range, not 0.
            if (reading.value && *reading.value != 0 && roundToReal6(*reading.value) == 0) {
                reading.value.reset();
                reading.outOfRange = true;
            }
            valuesRead = reading.value && record.setNutrient(static_cast<Nutrient>(n), *reading.value);
            if (valuesRead)
                continue;
            refuse([&] {
                if (text.size() > MaxCsvValueLength)
                    return csvmsg::valueTooLong(line, label);
                return reading.value || reading.outOfRange ? csvmsg::outOfRange(line, text, label)
                                                           : csvmsg::notANumber(line, text, label);
            });
        }
        if (!valuesRead)
            continue;

        const bool doubtful = caloriesDisagree(record);
        const QString key = NameOrder::sameNameKey(name);
        if (const auto found = tableSlots.constFind(key); found != tableSlots.cend()) {
            const auto slot = static_cast<std::size_t>(*found);
            if (!named[slot] && !sameValues(record, table.item(*found))) {
                result.updates.push_back({*found, record, doubtful});
                if (doubtful)
                    result.doubtfulLines.append(line);
            } else
                ++result.skipped;
            named[slot] = true;
            continue;
        }
        if (added.contains(key)) {
            ++result.skipped;
            continue;
        }
        if (table.count() + static_cast<int>(result.additions.size()) >= MaxFoodItems) {
            refuse([&] { return csvmsg::tableFull(line); });
            full = true;
            continue;
        }
        added.insert(key);
        result.additions.push_back(record);
        result.doubtfulAdditions.push_back(doubtful);
        if (doubtful)
            result.doubtfulLines.append(line);
    }
    if (reader.problem() != CsvProblem::None)
        return refusal(readingProblem(reader, file));
    return result;
}

bool caloriesDisagree(const FoodItem& item)
{
    constexpr long double FibreShare = 0.42L;
    constexpr long double RoundingCalories = 2;
    constexpr long double AlcoholCalories = 130;
    const long double calories = item.nutrient(Nutrient::Calories);
    const long double split =
        4 * item.nutrient(Nutrient::Carbohydrate) + 4 * item.nutrient(Nutrient::Protein) + 9 * item.nutrient(Nutrient::Fat);
    return split - calories > FibreShare * split + RoundingCalories || calories - split > AlcoholCalories;
}

int applyFoodImport(const FoodImport& import, FoodTable& table, bool update, bool doubtful)
{
    if (update)
        for (const FoodUpdate& u : import.updates) {
            if (u.doubtful && !doubtful)
                continue;
            const auto from = u.record.bytes.begin() + FoodItem::NutrientsOffset;
            std::copy(from, from + ValueBytes, table.item(u.slot).bytes.begin() + FoodItem::NutrientsOffset);
        }
    QString last;
    for (std::size_t i = 0; i < import.additions.size(); ++i) {
        if (!doubtful && import.doubtfulAdditions.at(i))
            continue;
        table.insert(import.additions[i]);
        last = import.additions[i].name();
    }
    return last.isEmpty() ? -1 : table.findSameName(last);
}

int foodImportCount(const FoodImport& import, bool update, bool doubtful)
{
    int count = 0;
    for (std::size_t i = 0; i < import.additions.size(); ++i)
        count += doubtful || !import.doubtfulAdditions.at(i) ? 1 : 0;
    if (update)
        for (const FoodUpdate& u : import.updates)
            count += doubtful || !u.doubtful ? 1 : 0;
    return count;
}

FoodImport importFoodCsv(const QByteArray& bytes, const QString& file, FoodTable& table)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    FoodImport imported = readFoodCsv(buffer, file, table);
    applyFoodImport(imported, table, false);
    return imported;
}

} // namespace tolvane
