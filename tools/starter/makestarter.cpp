// Build step: turns the committed starter lists into the data files a new data
// folder starts with, using the program's own readers and writers.
//
//   makestarter FOODS.csv ACTIVITIES.csv OUTPUT_FOLDER
//
// Writes fooditem.dbt, activity.db and currmenu.db (an empty week), and
// starterlinks.tsv: each food's USDA number and serving, in the format of
// foodlinks.tsv. Any row the program would refuse fails the build.

#include "exchange/csvtext.h"
#include "exchange/foodimport.h"
#include "food/foodtable.h"
#include "food/nameorder.h"
#include "activity/activityfile.h"
#include "menu/menufile.h"
#include "reference/usdalinks.h"
#include "storage/numbertext.h"
#include "storage/safesave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdio>

using namespace tolvane;

namespace {

int fail(const QString& why)
{
    std::fprintf(stderr, "makestarter: %s\n", qUtf8Printable(why));
    return 1;
}

std::optional<QByteArray> readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        return fail(QStringLiteral("usage: makestarter FOODS.csv ACTIVITIES.csv OUTPUT_FOLDER"));
    const QDir out(args[3]);
    QDir().mkpath(out.path());

    // Names sort as in an English locale here; the program sorts the table
    // again for the user's locale when it loads it.
    const NameOrder order{QLocale(QLocale::English, QLocale::UnitedStates)};

    const auto foods = readAll(args[1]);
    if (!foods)
        return fail(QStringLiteral("cannot read %1").arg(args[1]));
    FoodTable table(order);
    const FoodImport imported = importFoodCsv(*foods, args[1], table);
    if (!imported.readable || imported.refused != 0 || imported.skipped != 0)
        return fail(imported.problems.join(u'\n') + QStringLiteral(" (%1 names twice)").arg(imported.skipped));
    if (table.count() > 1998)
        return fail(QStringLiteral("too many foods: %1").arg(table.count()));

    const CsvRead foodRows = readCsv(*foods);
    std::vector<UsdaLink> links;
    for (std::size_t r = 1; r < foodRows.rows.size(); ++r) {
        const QStringList& f = foodRows.rows[r].fields;
        if (f.size() < 10 || f[7].size() != 5)
            return fail(QStringLiteral("%1, line %2 has no USDA number").arg(args[1]).arg(foodRows.rows[r].line));
        links.push_back(UsdaLink{f[0], f[7], f[8], f[9]});
    }

    const auto activityBytes = readAll(args[2]);
    if (!activityBytes)
        return fail(QStringLiteral("cannot read %1").arg(args[2]));
    const CsvRead csv = readCsv(*activityBytes);
    if (csv.problem != CsvProblem::None || csv.rows.size() < 2)
        return fail(QStringLiteral("%1 is not a CSV file with activities").arg(args[2]));
    std::vector<ActivityRecord> activities;
    for (std::size_t r = 1; r < csv.rows.size(); ++r) {
        const CsvRow& row = csv.rows[r];
        ActivityRecord record;
        const auto calories = parseLenient(row.fields.value(1));
        const auto met = parseLenient(row.fields.value(2));
        // Calories per hour for a 70 kg adult: MET x 70.
        if (record.setName(row.fields.value(0)) != EncodeResult::Ok || !calories || !met ||
            std::abs(*met * 70 - *calories) > 1e-9L || !record.setCaloriesPerHour(*calories))
            return fail(QStringLiteral("%1, line %2 is not a valid activity").arg(args[2]).arg(row.line));
        activities.push_back(record);
    }
    if (activities.size() > MaxActivities)
        return fail(QStringLiteral("too many activities"));
    std::stable_sort(activities.begin(), activities.end(),
                     [&](const ActivityRecord& a, const ActivityRecord& b) { return order.less(a.name(), b.name()); });

    if (saveFileAtomically(out.filePath(QStringLiteral("fooditem.dbt")), table.toBytes()) != SaveResult::Saved ||
        saveFileAtomically(out.filePath(QStringLiteral("activity.db")), activityImage(activities)) !=
            SaveResult::Saved ||
        saveFileAtomically(out.filePath(QStringLiteral("currmenu.db")), writeMenuImage(MenuImage{})) !=
            SaveResult::Saved ||
        saveFileAtomically(out.filePath(QStringLiteral("starterlinks.tsv")), usdaLinksText(links)) !=
            SaveResult::Saved)
        return fail(QStringLiteral("cannot write into %1").arg(out.path()));
    return 0;
}
