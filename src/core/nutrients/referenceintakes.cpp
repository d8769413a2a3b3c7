#include "nutrients/referenceintakes.h"

#include "reference/usdareference.h"

#include <QFile>
#include <climits>

// The table is a resource of the core library, which is linked statically:
// its registration has to be called by name, from outside any namespace.
static void registerReferenceIntakesTable()
{
    Q_INIT_RESOURCE(referenceintakes);
}

namespace tolvane {

namespace {

constexpr qsizetype FixedColumns = 5;  // table, group, sex, condition, ages
constexpr int AdultAge = 31;           // the group meant when no age is known

struct Cell {
    std::optional<long double> value;
    char mark = 0;
};

// "-" (none), "130", "38*" or "350s": a number with at most one of `marks`.
std::optional<Cell> readCell(QByteArrayView text, QByteArrayView marks)
{
    Cell cell;
    if (text == "-")
        return cell;
    if (!text.isEmpty() && marks.contains(text.back())) {
        cell.mark = text.back();
        text.chop(1);
    }
    const std::optional<Decimal> number = Decimal::read(text);
    if (!number)
        return std::nullopt;
    cell.value = number->value();
    return cell;
}

// "1-3", "71-" (no upper bound).
bool readAges(QByteArrayView text, int& from, int& to)
{
    const qsizetype dash = text.indexOf('-');
    if (dash < 1)
        return false;
    bool fromRead = false;
    bool toRead = true;
    from = text.first(dash).toInt(&fromRead);
    const QByteArrayView upper = text.sliced(dash + 1);
    to = upper.isEmpty() ? INT_MAX : upper.toInt(&toRead);
    return fromRead && toRead && from >= 1 && to >= from;
}

QList<QByteArrayView> split(QByteArrayView text, char separator)
{
    QList<QByteArrayView> parts;
    qsizetype start = 0;
    for (qsizetype at = text.indexOf(separator); at >= 0; at = text.indexOf(separator, start)) {
        parts.append(text.sliced(start, at - start));
        start = at + 1;
    }
    parts.append(text.sliced(start));
    return parts;
}

} // namespace

bool ReferenceIntakes::readRow(const QList<QByteArrayView>& fields)
{
    if (fields.size() != FixedColumns + keys_.size())
        return false;
    const bool upper = fields[0] == "UL";
    if (!upper && fields[0] != "RDA/AI")
        return false;
    Group row;
    row.label = QString::fromUtf8(fields[1]);
    if (fields[2] == "female")
        row.sex = IntakeSex::Female;
    else if (fields[2] == "male")
        row.sex = IntakeSex::Male;
    else if (fields[2] != "any")
        return false;
    if (fields[3] == "pregnancy")
        row.condition = IntakeCondition::Pregnancy;
    else if (fields[3] == "lactation")
        row.condition = IntakeCondition::Lactation;
    else if (fields[3] != "-")
        return false;
    if (row.label.isEmpty() || !readAges(fields[4], row.fromAge, row.toAge))
        return false;

    if (!upper) {
        for (qsizetype k = 0; k < keys_.size(); ++k) {
            const std::optional<Cell> cell = readCell(fields[FixedColumns + k], "*");
            if (!cell)
                return false;
            row.goals.push_back({cell->value, cell->mark == '*', std::nullopt, false});
        }
        groups_.push_back(std::move(row));
        return true;
    }
    // A UL row completes the RDA/AI row of its group.
    auto group = std::find_if(groups_.begin(), groups_.end(), [&](const Group& g) { return g.label == row.label; });
    if (group == groups_.end() || group->upperRead || group->sex != row.sex || group->condition != row.condition ||
        group->fromAge != row.fromAge || group->toAge != row.toAge)
        return false;
    for (qsizetype k = 0; k < keys_.size(); ++k) {
        const std::optional<Cell> cell = readCell(fields[FixedColumns + k], "src");
        if (!cell)
            return false;
        IntakeGoal& goal = group->goals[static_cast<std::size_t>(k)];
        goal.upperLimit = cell->value;
        goal.upperLimitSupplementsOnly = cell->mark == 's' || cell->mark == 'r';
    }
    group->upperRead = true;
    return true;
}

std::optional<ReferenceIntakes> ReferenceIntakes::parse(const QByteArray& bytes)
{
    ReferenceIntakes table;
    bool headerRead = false;
    for (QByteArrayView line : split(bytes, '\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArrayView> fields = split(line, '\t');
        if (headerRead) {
            if (!table.readRow(fields))
                return std::nullopt;
            continue;
        }
        if (fields.size() <= FixedColumns || fields[0] != "table")
            return std::nullopt;
        for (qsizetype k = FixedColumns; k < fields.size(); ++k) {
            const QString key = QString::fromUtf8(fields[k]);
            if (key.isEmpty() || table.keys_.contains(key))
                return std::nullopt;
            table.keys_.append(key);
        }
        headerRead = true;
    }
    const bool complete = std::all_of(table.groups_.begin(), table.groups_.end(),
                                      [](const Group& g) { return g.upperRead; });
    if (table.groups_.empty() || !complete)
        return std::nullopt;
    return table;
}

const ReferenceIntakes& ReferenceIntakes::builtIn()
{
    static const ReferenceIntakes table = [] {
        registerReferenceIntakesTable();
        QFile file(QStringLiteral(":/nutrients/reference_intakes.tsv"));
        std::optional<ReferenceIntakes> read;
        if (file.open(QIODevice::ReadOnly))
            read = parse(file.readAll());
        if (!read)
            qFatal("The compiled-in table of reference intakes does not read.");
        return std::move(*read);
    }();
    return table;
}

const ReferenceIntakes::Group* ReferenceIntakes::groupFor(IntakeSex sex, std::optional<int> ageYears,
                                                          IntakeCondition condition) const
{
    const int years = ageYears.value_or(AdultAge);
    auto find = [&](IntakeCondition wanted) -> const Group* {
        for (const Group& group : groups_) {
            if (group.condition == wanted && (!group.sex || *group.sex == sex) && years >= group.fromAge &&
                years <= group.toAge)
                return &group;
        }
        return nullptr;
    };
    const Group* group = condition == IntakeCondition::None ? nullptr : find(condition);
    return group ? group : find(IntakeCondition::None);
}

QString ReferenceIntakes::groupLabel(IntakeSex sex, std::optional<int> ageYears, IntakeCondition condition) const
{
    const Group* group = groupFor(sex, ageYears, condition);
    return group ? group->label : QStringLiteral("No reference intakes under 1 year");
}

IntakeGoal ReferenceIntakes::goal(const QString& nutrientKey, IntakeSex sex, std::optional<int> ageYears,
                                  IntakeCondition condition) const
{
    const Group* group = groupFor(sex, ageYears, condition);
    const qsizetype key = keys_.indexOf(nutrientKey);
    if (!group || key < 0)
        return {};
    return group->goals[static_cast<std::size_t>(key)];
}

} // namespace tolvane
