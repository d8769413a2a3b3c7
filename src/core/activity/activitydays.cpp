#include "activity/activitydays.h"

#include "activity/activitytexts.h"
#include "shell/program.h"
#include "storage/safesave.h"
#include "storage/regularfile.h"

#include <QDir>
#include <QFile>

namespace tolvane {

namespace {
Message warning(const QString& text)
{
    return Message::typed(text, Icon::Warning, only(Button::Ok), GeneralHelpContext);
}
} // namespace

ActivityDays::ActivityDays(Program& program) : program_(program)
{
    program_.addPendingSave({QStringLiteral("The activities of the days"),
                             ActivityWeekFileName,
                             {QString(), QStringLiteral("Activities of the Days (*.db)"), QStringLiteral("db"),
                              program_.workDir()},
                             [this] { return unsaved_; },
                             [this] { return activityWeekImage(week_); },
                             [this] { unsaved_ = false; }});
}

void ActivityDays::add(int day, const DayActivity& activity)
{
    DayActivities& list = week_.at(static_cast<std::size_t>(day));
    if (static_cast<int>(list.size()) >= MaxDayActivities)
        return;
    const QByteArray before = activityWeekImage(week_);
    list.push_back(activity);
    save();
    record(QStringLiteral("Add %1 to %2").arg(activity.activity.name(), DayNames.value(day)), before);
}

void ActivityDays::remove(int day, int entry)
{
    DayActivities& list = week_.at(static_cast<std::size_t>(day));
    if (entry < 0 || entry >= static_cast<int>(list.size()))
        return;
    const QByteArray before = activityWeekImage(week_);
    const QString name = list.at(static_cast<std::size_t>(entry)).activity.name();
    list.erase(list.begin() + entry);
    save();
    record(QStringLiteral("Remove %1 from %2").arg(name, DayNames.value(day)), before);
}

void ActivityDays::record(const QString& change, const QByteArray& before)
{
    program_.changes.record(change, before,
                            {[this] { return activityWeekImage(week_); },
                             [this](const QByteArray& bytes) {
                                 const ActivityWeekRead read = readActivityWeekImage(bytes);
                                 if (read.problem != ActivityWeekProblem::None)
                                     return;
                                 week_ = read.week;
                                 save();
                             }});
}

void ActivityDays::load()
{
    week_ = {};
    unsaved_ = false;
    const QString path = QDir(program_.workDir()).filePath(ActivityWeekFileName);
    QFile file(path);
    if (!file.exists())
        return;  // no day has activities yet
    if (openRegularFile(file) != OpenResult::Opened) {
        program_.ui().showMessage(warning(activitymsg::CannotReadWeek));
        // Every write is refused while the file is there; the lists are
        // offered at close.
        unsaved_ = true;
        return;
    }
    const ActivityWeekRead read = readActivityWeekImage(file.read(ActivityWeekFileMaxSize + 1));
    file.close();
    if (read.problem == ActivityWeekProblem::None) {
        week_ = read.week;
        return;
    }
    // The next change would replace the damaged bytes: they go aside first.
    const QString keptAs = keepDamagedFile(path, true);
    program_.ui().showMessage(warning(activitymsg::damagedWeek(read, keptAs)));
}

bool ActivityDays::save()
{
    const SaveResult result =
        saveFileAtomically(QDir(program_.workDir()).filePath(ActivityWeekFileName), activityWeekImage(week_));
    if (result == SaveResult::Saved) {
        unsaved_ = false;
        return true;
    }
    if (!unsaved_)
        program_.ui().showMessage(warning(result == SaveResult::CannotCreate ? activitymsg::CannotCreateWeek
                                                                            : activitymsg::CannotWriteWeek));
    unsaved_ = true;
    return false;
}

namespace activitymsg {
QString damagedWeek(const ActivityWeekRead& read, const QString& keptAs)
{
    const QString day = DayNames.value(read.day);
    QString problem;
    switch (read.problem) {
    case ActivityWeekProblem::None: break;
    case ActivityWeekProblem::Truncated: problem = QStringLiteral("it ends inside %1's activities").arg(day); break;
    case ActivityWeekProblem::CountOutOfRange:
        problem = QStringLiteral("%1 has more than %2 activities").arg(day).arg(MaxDayActivities);
        break;
    case ActivityWeekProblem::BadName:
        problem = QStringLiteral("activity %1 of %2 has no valid name").arg(read.entry + 1).arg(day);
        break;
    case ActivityWeekProblem::BadMinutes:
        problem = QStringLiteral("activity %1 of %2 has minutes out of range").arg(read.entry + 1).arg(day);
        break;
    case ActivityWeekProblem::TrailingBytes: problem = QStringLiteral("it goes on after Saturday"); break;
    }
    QString text = QStringLiteral("The activities of the days in %1 are damaged: %2. The days start without "
                                  "activities.")
                       .arg(ActivityWeekFileName, problem);
    text += keptAs.isEmpty() ? QStringLiteral(" The file could not be kept aside.")
                             : QStringLiteral(" The whole file is kept as %1.").arg(keptAs);
    return text;
}
} // namespace activitymsg

} // namespace tolvane
