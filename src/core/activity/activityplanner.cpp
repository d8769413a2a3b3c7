#include "activity/activityplanner.h"

#include "activity/activitytexts.h"
#include "menu/menuplanner.h"
#include "activity/activitydialogs.h"
#include "food/foodlist.h"
#include "shell/program.h"
#include "storage/numbertext.h"
#include "storage/safesave.h"
#include "storage/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

namespace tolvane {

namespace {
Message warning(const QString& text)
{
    return Message::typed(text, Icon::Warning, only(Button::Ok), GeneralHelpContext);
}
} // namespace

ActivityPlanner::ActivityPlanner(Program& program, ActivityDialogs& dialogs, const FoodList& foods,
                                 const MenuPlanner& menu)
    : program_(program), dialogs_(dialogs), foods_(foods), menu_(menu), days_(program)
{
    program_.setHandler(Command::AddActivity, [this] { addActivity(); });
    program_.setHandler(Command::DeleteActivity, [this] { deleteActivity(); });
    program_.setHandler(Command::AddToDay, [this] { addToDay(); });
    program_.setHandler(Command::RemoveFromDay, [this] { removeFromDay(); });
    program_.hooks.loadActivityTable = [this] {
        loadActivityTable();
        // At start-up only: a restore reloads the days' lists (below) only
        // when it put their file back, as they may hold changes not yet written.
        if (!daysLoaded_)
            days_.load();
        daysLoaded_ = true;
    };
    program_.hooks.loadActivityWeek = [this] {
        days_.load();
        dayRow_ = -1;
    };
    program_.hooks.saveActivityTable = [this] { saveActivityTable(); };
    // A write at close that failed is offered again by the close sequence.
    program_.addPendingSave({QStringLiteral("The activity table"),
                             ActivityFileName,
                             {QString(), QStringLiteral("Activity Table (*.db)"), QStringLiteral("db"),
                              program_.workDir()},
                             [this] { return program_.activityChanged(); },
                             [this] { return activityImage(table_); },
                             [this] { program_.setActivityChanged(false); }});
}

QStringList ActivityPlanner::names() const
{
    QStringList list;
    list.reserve(count());
    for (const ActivityRecord& record : table_)
        list.append(record.name());
    return list;
}

// --- What the page shows.

std::optional<long double> ActivityPlanner::burned() const
{
    if (selectedRow_ < 0 || selectedRow_ >= count())
        return std::nullopt;
    const std::optional<long double> minutes = parseStrict(durationText_);  // strict reading
    if (!minutes)
        return std::nullopt;
    const long double hours = *minutes * (1.0L / 60.0L);
    return record(selectedRow_).caloriesPerHour() * hours;
}

QString ActivityPlanner::caloriesBurnedText() const
{
    const std::optional<long double> value = burned();
    return value ? QString::number(roundHalfEven(*value)) : QString();
}

std::optional<long double> ActivityPlanner::dayBurned() const
{
    const DayActivities& list = dayActivities();
    if (list.empty())
        return std::nullopt;
    long double sum = 0;
    for (const DayActivity& activity : list)
        sum += activity.calories();
    return sum;
}

std::optional<long double> ActivityPlanner::activityCalories() const
{
    const std::optional<long double> day = dayBurned();
    return day ? day : burned();
}

QString ActivityPlanner::activityCaloriesText() const
{
    const std::optional<long double> value = activityCalories();
    return value ? QString::number(roundHalfEven(*value)) : QString();
}

QString ActivityPlanner::calorieBalanceText() const
{
    // Worked out from the shown day's calories each time, so the balance
    // follows the menu when another day is shown or a meal changes.
    const std::optional<long double> value = activityCalories();
    return value ? QString::number(roundHalfEven(menu_.dayCalories() - *value)) : QString();
}

// --- The activities of the shown day.

int ActivityPlanner::shownDay() const { return std::clamp(menu_.shownDay(), 0, DaysPerWeek - 1); }

std::vector<DayActivityLine> ActivityPlanner::dayLines() const
{
    std::vector<DayActivityLine> lines;
    const QLocale locale = QLocale::system();
    for (const DayActivity& activity : dayActivities()) {
        const long double minutes = activity.minutesValue();
        // Whole minutes as they are; a part of a minute to a tenth.
        const int decimals = minutes == static_cast<long double>(static_cast<long long>(minutes)) ? 0 : 1;
        lines.push_back({activity.activity.name(), formatFixed(minutes, 0, decimals, locale),
                         QString::number(roundHalfEven(activity.calories()))});
    }
    return lines;
}

int ActivityPlanner::dayRow() const
{
    const int count = static_cast<int>(dayActivities().size());
    return dayRowDay_ == shownDay() && dayRow_ < count ? dayRow_ : -1;
}

void ActivityPlanner::dayListClick(int row)
{
    dayRow_ = row >= 0 && row < static_cast<int>(dayActivities().size()) ? row : -1;
    dayRowDay_ = shownDay();
}

void ActivityPlanner::tell(const QString& text)
{
    program_.ui().showMessage(Message::typed(text, Icon::Information, only(Button::Ok), GeneralHelpContext));
}

void ActivityPlanner::addToDay()
{
    if (selectedRow_ < 0 || selectedRow_ >= count())
        return tell(activitymsg::NoItemSelected);
    const int day = shownDay();
    if (static_cast<int>(days_.day(day).size()) >= MaxDayActivities)
        return tell(activitymsg::DayFull);
    const std::optional<long double> minutes = parseStrict(durationText_);  // strict reading
    DayActivity activity{record(selectedRow_), {}};
    if (!minutes || !dayMinutesInRange(*minutes) || !storeReal6(*minutes, activity.minutes.data()))
        return tell(activitymsg::BadDayMinutes);
    days_.add(day, activity);
    // The new line is selected, so Delete takes it out again.
    dayRow_ = static_cast<int>(days_.day(day).size()) - 1;
    dayRowDay_ = day;
}

void ActivityPlanner::removeFromDay()
{
    const int row = dayRow();
    if (row < 0)
        return tell(activitymsg::NoItemSelected);
    days_.remove(shownDay(), row);
    // The line that took its place is selected, so Delete goes on down the list.
    dayRow_ = std::min(row, static_cast<int>(dayActivities().size()) - 1);
}

QString ActivityPlanner::dayLabel() const { return menu_.dayShowingLabel(); }

QString ActivityPlanner::menuCaloriesText() const { return menu_.menuCalories(); }

// --- Events of the page.

void ActivityPlanner::listClick(int row) { selectedRow_ = row >= 0 && row < count() ? row : -1; }

void ActivityPlanner::durationChange(const QString& text) { durationText_ = text; }

void ActivityPlanner::stepDuration(int delta)
{
    // The spin control starts from the typed number when it is one of its
    // own positions, else from where it was.
    const std::optional<long double> typed = parseStrict(durationText_);
    if (typed && *typed >= MinDuration && *typed <= MaxDuration && *typed == static_cast<int>(*typed))
        durationPosition_ = static_cast<int>(*typed);
    durationPosition_ = std::clamp(durationPosition_ + delta, MinDuration, MaxDuration);
    durationChange(QString::number(durationPosition_));
}

// --- "&Activity" menu.

int ActivityPlanner::insert(const ActivityRecord& record)
{
    const NameOrder& order = foods_.foodTable().order();
    const QString name = record.name();
    const auto place = std::upper_bound(table_.begin(), table_.end(), name,
                                        [&](const QString& n, const ActivityRecord& r) { return order.less(n, r.name()); });
    const int row = static_cast<int>(place - table_.begin());
    table_.insert(place, record);
    return row;
}

void ActivityPlanner::addActivity()
{
    if (count() >= MaxActivities) {
        program_.ui().showMessage(
            Message::typed(activitymsg::BufferFull, Icon::Information, only(Button::Ok), GeneralHelpContext));
        return;
    }
    if (!dialogs_.addActivity(addForm_))
        return;
    const int row = insert(addForm_.record());
    // The selection stays on the activity it was on.
    if (selectedRow_ >= row)
        ++selectedRow_;
    program_.setActivityChanged(true);
}

void ActivityPlanner::deleteActivity()
{
    if (selectedRow_ < 0 || selectedRow_ >= count()) {
        program_.ui().showMessage(
            Message::typed(activitymsg::NoItemSelected, Icon::Information, only(Button::Ok), GeneralHelpContext));
        return;
    }
    const QString question = activitymsg::DeleteQuestion + record(selectedRow_).name();
    if (program_.ui().showMessage(Message::typed(question, Icon::Information, Button::Yes | Button::No,
                                                 GeneralHelpContext)) != Button::Yes)
        return;
    table_.erase(table_.begin() + selectedRow_);
    // No selection: the three result fields are empty.
    selectedRow_ = -1;
    program_.setActivityChanged(true);
}

// --- Files.

void ActivityPlanner::loadActivityTable()
{
    table_.clear();
    selectedRow_ = -1;
    // Read from the directory current at start-up, which is the working directory.
    const QString path = QDir(program_.workDir()).filePath(ActivityFileName);
    QFile file(path);
    if (openRegularFile(file) != OpenResult::Opened) {
        program_.ui().showMessage(warning(file.exists() ? activitymsg::CannotRead : activitymsg::CannotOpen));
        return;
    }
    const QByteArray bytes = file.read(ActivityFileReadLimit);
    file.close();
    program_.setActivityChanged(false);

    const ActivityFileRead read = readActivityImage(bytes);
    // Each record goes to its sorted place, so a file that is not in name
    // order still gives a list whose row i names slot i.
    for (const ActivityRecord& record : read.records)
        insert(record);

    switch (read.problem) {
    case ActivityFileProblem::None: break;
    case ActivityFileProblem::Truncated:
        // Only a piece of a record is lost: the table is rewritten whole at close.
        program_.ui().showMessage(warning(activitymsg::FileError));
        program_.setActivityChanged(true);
        break;
    case ActivityFileProblem::BadName:
    case ActivityFileProblem::TooMany:
        // Whole records could not be read: the file is kept aside before any
        // change of the table replaces it.
        keepAside(path, count(), read.problem == ActivityFileProblem::TooMany);
        break;
    }
}

void ActivityPlanner::keepAside(const QString& path, int loaded, bool tooMany)
{
    const QString keptAs = keepDamagedFile(path, false);
    program_.ui().showMessage(warning(activitymsg::unreadRecords(loaded, tooMany, keptAs)));
}

bool ActivityPlanner::saveActivityTable()
{
    const SaveResult result =
        saveFileAtomically(QDir(program_.workDir()).filePath(ActivityFileName), activityImage(table_));
    switch (result) {
    case SaveResult::Saved:
        program_.setActivityChanged(false);
        return true;
    case SaveResult::CannotCreate: program_.ui().showMessage(warning(activitymsg::CannotCreate)); return false;
    case SaveResult::WriteFailed: program_.ui().showMessage(warning(activitymsg::CannotWrite)); return false;
    }
    return false;
}

namespace activitymsg {
QString unreadRecords(int loaded, bool tooMany, const QString& keptAs)
{
    QString text = FileError + QLatin1Char(' ');
    text += tooMany ? QStringLiteral("It holds more than %1 activities; the first %2 were loaded.")
                          .arg(MaxActivities)
                          .arg(loaded)
                    : QStringLiteral("Record %1 is not an activity; the %2 before it were loaded.")
                          .arg(loaded + 1)
                          .arg(loaded);
    text += keptAs.isEmpty() ? QStringLiteral(" The file could not be kept aside.")
                             : QStringLiteral(" The whole file is kept as %1.").arg(keptAs);
    return text;
}
} // namespace activitymsg

} // namespace tolvane
