#include "backup/backupset.h"

#include "activity/activityfile.h"
#include "activity/activityweekfile.h"
#include "food/foodtablefile.h"
#include "menu/menufile.h"
#include "menu/panels.h"
#include "reference/usdalinks.h"
#include "storage/numbertext.h"
#include "storage/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace tolvane {

namespace {

// The file's bytes when it is there, fits its kind and loads as it.
std::optional<QByteArray> readKind(const QString& path, BackupKind kind)
{
    QFile file(path);
    if (openRegularFile(file) != OpenResult::Opened)
        return std::nullopt;
    const QByteArray bytes = file.read(maxFileBytes(kind) + 1);
    if (file.error() != QFileDevice::NoError || !loadsAs(kind, bytes))
        return std::nullopt;
    return bytes;
}

QDateTime wholeSeconds(const QDateTime& time)
{
    return QDateTime::fromSecsSinceEpoch(time.toSecsSinceEpoch(), Qt::UTC);
}

QDateTime modifiedTime(const QString& path) { return wholeSeconds(QFileInfo(path).lastModified()); }

// "5 activities on 3 days"
QString dayActivities(const QByteArray& bytes)
{
    const ActivityWeek week = readActivityWeekImage(bytes).week;
    std::size_t activities = 0;
    int days = 0;
    for (const DayActivities& day : week) {
        activities += day.size();
        days += day.empty() ? 0 : 1;
    }
    return QStringLiteral("%1 activities on %2 days").arg(activities).arg(days);
}

QString weekTotals(const QByteArray& bytes)
{
    const MenuFileRead read = readMenuImage(bytes);
    const Nutrients week = sumMenu(read.image.week, 0, 0).week;
    const auto value = [&week](Nutrient n) { return week[static_cast<std::size_t>(n)]; };
    return QStringLiteral("the week's totals %1 calories, %2 g carbohydrate, %3 g protein, %4 g fat, %5 mg sodium, "
                          "%6 mg cholesterol")
        .arg(roundHalfEven(value(Nutrient::Calories)))
        .arg(formatFixed(value(Nutrient::Carbohydrate), 0, 1), formatFixed(value(Nutrient::Protein), 0, 1),
             formatFixed(value(Nutrient::Fat), 0, 1), formatFixed(value(Nutrient::Sodium), 0, 1),
             formatFixed(value(Nutrient::Cholesterol), 0, 1));
}

} // namespace

CollectedBackup collectBackup(const QString& dataFolder, const KnownFiles& known, const QString& version,
                              const QDateTime& now)
{
    CollectedBackup collected;
    collected.contents.version = version;
    collected.contents.created = wholeSeconds(now.toUTC());
    const QDir folder(dataFolder);
    for (BackupKind kind :
         {BackupKind::FoodTable, BackupKind::CurrentMenu, BackupKind::ActivityTable, BackupKind::DaysActivities,
          BackupKind::FoodLinks}) {
        const QString path = folder.filePath(dataFileName(kind));
        if (!QFileInfo::exists(path))
            continue;
        if (const auto bytes = readKind(path, kind))
            collected.contents.files.push_back({kind, dataFileName(kind), QString(), modifiedTime(path), *bytes});
        else
            collected.skipped.append(path);
    }
    int number = 0;
    const auto addUserFiles = [&](const QStringList& paths, BackupKind kind) {
        for (const QString& given : paths) {
            const QString path = QDir::cleanPath(QFileInfo(given).absoluteFilePath());
            const auto bytes = readKind(path, kind);
            // Put back only under its own suffix, as the reader demands.
            if (!bytes || !isUserFileTarget(kind, path)) {
                collected.skipped.append(path);
                continue;
            }
            const QString entry = UserFilesFolder + QString::number(++number) + u'-' + QFileInfo(path).fileName();
            collected.contents.files.push_back({kind, entry, path, modifiedTime(path), *bytes});
        }
    };
    addUserFiles(known.weight.mid(0, 1), BackupKind::WeightFile);
    addUserFiles(known.menus.mid(0, MaxKnownFiles), BackupKind::MenuFile);
    addUserFiles(known.recipes.mid(0, MaxKnownFiles), BackupKind::RecipeFile);
    return collected;
}

CollectedBackup collectReplaced(const BackupContents& restoring, const RestorePlan& plan, const QString& version,
                                const QDateTime& now)
{
    CollectedBackup collected;
    collected.contents.version = version;
    collected.contents.created = wholeSeconds(now.toUTC());
    int number = 0;
    for (std::size_t i = 0; i < restoring.files.size(); ++i) {
        const BackupKind kind = restoring.files[i].kind;
        const QString& place = plan.targets.at(i).place;
        if (!QFileInfo::exists(place))
            continue;
        const auto bytes = readKind(place, kind);
        if (!bytes) {
            collected.skipped.append(place);
            continue;
        }
        const bool dataFile = !dataFileName(kind).isEmpty();
        const QString entry = dataFile ? dataFileName(kind)
                                       : UserFilesFolder + QString::number(++number) + u'-' + QFileInfo(place).fileName();
        collected.contents.files.push_back({kind, entry, dataFile ? QString() : place, modifiedTime(place), *bytes});
    }
    return collected;
}

QStringList describeBackup(const BackupContents& contents, const RestorePlan& plan)
{
    const QLocale locale;
    QStringList lines;
    for (std::size_t i = 0; i < contents.files.size(); ++i) {
        const BackupFile& file = contents.files[i];
        const RestoreTarget& target = plan.targets.at(i);
        const QString name = dataFileName(file.kind).isEmpty() ? QFileInfo(file.originalPath).fileName()
                                                              : dataFileName(file.kind);
        QString line = QStringLiteral("%1 (%2 of %3)")
                           .arg(name, kindText(file.kind), locale.toString(file.modified.toLocalTime(), QLocale::ShortFormat));
        switch (file.kind) {
        case BackupKind::FoodTable:
            line += QStringLiteral(": %1 food items").arg(readFoodTableImage(file.bytes).records.size());
            break;
        case BackupKind::CurrentMenu: line += QStringLiteral(": ") + weekTotals(file.bytes); break;
        case BackupKind::ActivityTable:
            line += QStringLiteral(": %1 activities").arg(readActivityImage(file.bytes).records.size());
            break;
        case BackupKind::DaysActivities: line += QStringLiteral(": ") + dayActivities(file.bytes); break;
        case BackupKind::FoodLinks:
            line += QStringLiteral(": %1 food items from USDA").arg(readUsdaLinks(file.bytes).size());
            break;
        case BackupKind::MenuFile:
            line += QStringLiteral(": ") + weekTotals(file.bytes);
            [[fallthrough]];
        case BackupKind::RecipeFile:
        case BackupKind::WeightFile:
            if (target.moved == PlaceProblem::None)
                line += QStringLiteral(", back to %1").arg(QDir::toNativeSeparators(target.place));
            else
                line += QStringLiteral(", to %1 (not back to %2, which is %3)")
                            .arg(QDir::toNativeSeparators(target.place), QDir::toNativeSeparators(target.wanted),
                                 placeProblemText(target.moved));
            break;
        }
        lines.append(line);
    }
    return lines;
}

} // namespace tolvane
