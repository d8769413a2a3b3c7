#include "reference/usdareference.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace tolvane {

namespace {
// Far above the 3 MB the reference takes; a larger file is no reference.
constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
constexpr int MaxScale = 6;
constexpr std::int64_t MaxMantissa = 1'000'000'000'000LL;
constexpr int FixedColumns = 6;  // number, group, rank, name, description, measures
constexpr int MeasureFields = 3 + NutrientCount;
constexpr std::array<int, NutrientCount> Decimals{0, 1, 1, 1, 0, 0};

const QByteArray Header =
    "number\tgroup\trank\tname\tdescription\tmeasures\tenergy_kcal\tcarbs_g\tprotein_g\tfat_g\tsodium_mg\t"
    "cholesterol_mg\tfiber_g\tsugars_g\tsaturated_g\tmonounsaturated_g\tpolyunsaturated_g\ttrans_g\tpotassium_mg\t"
    "calcium_mg\tiron_mg\tmagnesium_mg\tphosphorus_mg\tzinc_mg\tcopper_mg\tselenium_ug\tvitamin_a_iu\tretinol_ug\t"
    "beta_carotene_ug\talpha_carotene_ug\tbeta_cryptoxanthin_ug\tvitamin_c_mg\tvitamin_d_iu\tvitamin_e_mg\t"
    "vitamin_k_ug\tthiamin_mg\triboflavin_mg\tniacin_mg\tvitamin_b6_mg\tfolate_total_ug\tvitamin_b12_ug\t"
    "choline_mg\tcaffeine_mg\talcohol_g";

QList<QByteArrayView> split(QByteArrayView text, char separator)
{
    QList<QByteArrayView> parts;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = text.indexOf(separator, start);
        if (end < 0) {
            parts.append(text.sliced(start));
            return parts;
        }
        parts.append(text.sliced(start, end - start));
        start = end + 1;
    }
}

std::int64_t powerOfTen(int n)
{
    std::int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// A decimal value rounded to `decimals`, halves up; exact for USDA's amounts.
long double roundedHalfUp(std::int64_t mantissa, int scale, int decimals)
{
    if (scale <= decimals)
        return static_cast<long double>(mantissa) / static_cast<long double>(powerOfTen(scale));
    const std::int64_t step = powerOfTen(scale - decimals);
    std::int64_t whole = mantissa / step;
    if (2 * (mantissa % step) >= step)
        ++whole;
    return static_cast<long double>(whole) / static_cast<long double>(powerOfTen(decimals));
}

std::optional<std::optional<long double>> readStated(QByteArrayView text)
{
    if (text.isEmpty())
        return std::optional<long double>{};
    const std::optional<Decimal> d = Decimal::read(text);
    if (!d)
        return std::nullopt;
    return std::optional<long double>{d->value()};
}

std::optional<ReferenceMeasure> readMeasure(QByteArrayView text)
{
    const QList<QByteArrayView> fields = split(text, '|');
    if (fields.size() != MeasureFields)
        return std::nullopt;
    ReferenceMeasure measure;
    measure.amount = QString::fromUtf8(fields[0]);
    measure.name = QString::fromUtf8(fields[1]);
    const std::optional<Decimal> grams = Decimal::read(fields[2]);
    if (!Decimal::read(fields[0]) || measure.name.isEmpty() || !grams || grams->mantissa == 0)
        return std::nullopt;
    measure.grams = *grams;
    for (int n = 0; n < NutrientCount; ++n) {
        const auto value = readStated(fields[3 + n]);
        if (!value)
            return std::nullopt;
        measure.stated[static_cast<std::size_t>(n)] = *value;
    }
    return measure;
}

std::optional<ReferenceFood> readFood(QByteArrayView line)
{
    const QList<QByteArrayView> fields = split(line, '\t');
    if (fields.size() != FixedColumns + ReferenceNutrientCount)
        return std::nullopt;
    ReferenceFood food;
    food.number = QString::fromLatin1(fields[0]);
    bool rankRead = false;
    food.rank = fields[2].toInt(&rankRead);
    if (food.number.size() != 5 || !std::all_of(food.number.begin(), food.number.end(),
                                                 [](QChar c) { return c.isDigit(); }) ||
        !rankRead || food.rank < 1)
        return std::nullopt;
    food.group = QString::fromUtf8(fields[1]);
    food.name = QString::fromUtf8(fields[3]);
    food.description = QString::fromUtf8(fields[4]);
    if (food.description.isEmpty() || food.name.isEmpty() || food.name.size() > FoodItem::NameCapacity)
        return std::nullopt;
    if (!fields[5].isEmpty()) {
        for (QByteArrayView text : split(fields[5], ';')) {
            std::optional<ReferenceMeasure> measure = readMeasure(text);
            if (!measure)
                return std::nullopt;
            food.measures.push_back(std::move(*measure));
        }
    }
    for (int n = 0; n < ReferenceNutrientCount; ++n) {
        const QByteArrayView text = fields[FixedColumns + n];
        if (text.isEmpty())
            continue;
        const std::optional<Decimal> value = Decimal::read(text);
        if (!value)
            return std::nullopt;
        food.per100g[static_cast<std::size_t>(n)] = value;
    }
    return food;
}
} // namespace

std::optional<Decimal> Decimal::read(QByteArrayView text)
{
    Decimal d;
    bool point = false;
    bool digit = false;
    for (char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (d.mantissa >= MaxMantissa || (point && d.scale == MaxScale))
                return std::nullopt;
            d.mantissa = d.mantissa * 10 + (c - '0');
            d.scale += point ? 1 : 0;
            digit = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digit)
        return std::nullopt;
    return d;
}

long double Decimal::value() const
{
    return static_cast<long double>(mantissa) / static_cast<long double>(powerOfTen(scale));
}

SixValues sixValuesFor(const ReferenceFood& food, const Decimal& grams)
{
    SixValues values;
    for (int n = 0; n < NutrientCount; ++n) {
        const std::optional<Decimal>& per100 = food.per100g[static_cast<std::size_t>(n)];
        if (!per100)
            continue;
        // amount * grams / 100: the mantissas multiply, the scales add, and
        // the division by 100 is two more decimals.
        std::int64_t product = 0;
        if (__builtin_mul_overflow(per100->mantissa, grams.mantissa, &product))
            continue;  // beyond any food's values; left unknown rather than wrong
        const int scale = per100->scale + grams.scale + 2;
        values[static_cast<std::size_t>(n)] = roundedHalfUp(product, scale, Decimals[static_cast<std::size_t>(n)]);
    }
    return values;
}

std::optional<UsdaReference> UsdaReference::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileBytes)
        return std::nullopt;
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes)
        return std::nullopt;
    return parse(bytes);
}

bool UsdaReference::beginsAsReference(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileBytes)
        return false;
    return file.read(Header.size() + 1) == Header + '\n';
}

std::optional<UsdaReference> UsdaReference::parse(const QByteArray& bytes)
{
    if (!bytes.endsWith('\n'))
        return std::nullopt;
    const QByteArrayView all(bytes.constData(), bytes.size() - 1);
    const qsizetype headerEnd = all.indexOf('\n');
    if (headerEnd < 0 || all.first(headerEnd) != QByteArrayView(Header))
        return std::nullopt;
    UsdaReference reference;
    reference.foods_.reserve(8000);
    qsizetype start = headerEnd + 1;
    while (start < all.size()) {
        qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            end = all.size();
        std::optional<ReferenceFood> food = readFood(all.sliced(start, end - start));
        if (!food || (!reference.foods_.empty() && reference.foods_.back().number >= food->number))
            return std::nullopt;
        reference.foods_.push_back(std::move(*food));
        start = end + 1;
    }
    if (reference.foods_.empty())
        return std::nullopt;
    return reference;
}

const ReferenceFood* UsdaReference::find(const QString& number) const
{
    const auto it = std::lower_bound(foods_.begin(), foods_.end(), number,
                                     [](const ReferenceFood& f, const QString& n) { return f.number < n; });
    return it != foods_.end() && it->number == number ? &*it : nullptr;
}

QString referencePath(const QString& programDir)
{
    const QString fromEnvironment = qEnvironmentVariable("TOLVANE_USDA_REFERENCE");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString beside = QDir(programDir).filePath(QLatin1String(UsdaReference::FileName));
    if (QFileInfo::exists(beside))
        return beside;
    return QDir(programDir).filePath(QStringLiteral("../share/tolvane/") + QLatin1String(UsdaReference::FileName));
}

} // namespace tolvane
