#pragma once
// The Activity Planner's fixed texts: captions, labels and messages.

#include <QString>

namespace tolvane {

struct ActivityWeekRead;

inline const QString ActivityFileName = QStringLiteral("activity.db");
// The activities of each day of the week.
inline const QString ActivityWeekFileName = QStringLiteral("activityweek.db");
constexpr int ActivityPlannerHelpContext = 26;
inline const QString InitialDuration = QStringLiteral("60");
constexpr int MinDuration = 0;
constexpr int MaxDuration = 120;

namespace activitymsg {
inline const QString CannotOpen = QStringLiteral("Can not open file activity file.");
// There, but not readable (its permissions): the file is left as it is.
inline const QString CannotRead = QStringLiteral(
    "The activity table activity.db cannot be read. The program will continue without activities and will not "
    "write over the file.");
inline const QString FileError = QStringLiteral("There is an error in the activity file.");
inline const QString CannotCreate = QStringLiteral("Cannot create activity table.");
inline const QString CannotWrite = QStringLiteral(
    "Cannot write the activity table. Is the disk full? The activity file is left as it was.");
inline const QString BufferFull = QStringLiteral("There are already 100 activities, buffer full.");
inline const QString NotNumeric = QStringLiteral("The calorie field is not numeric.");
inline const QString OutOfRange = QStringLiteral("The calorie field is too large to be stored.");
inline const QString NameNotStorable = QStringLiteral(
    "The activity name contains characters that cannot be stored in the activity table. "
    "Use only letters, digits and punctuation of Western European languages.");
inline const QString NoItemSelected = QStringLiteral("No item selected.");
inline const QString DeleteQuestion = QStringLiteral("Are you sure you want to delete - ");

inline const QString DayFull = QStringLiteral("The day already has 20 activities.");
inline const QString BadDayMinutes =
    QStringLiteral("The duration must be a number of minutes above 0 and at most 1440.");
inline const QString CannotReadWeek = QStringLiteral(
    "The activities of the days, activityweek.db, cannot be read. The program will continue without them and will "
    "not write over the file.");
inline const QString CannotCreateWeek = QStringLiteral("Cannot create activityweek.db for the activities of the days.");
inline const QString CannotWriteWeek = QStringLiteral(
    "Cannot write the activities of the days to activityweek.db. Is the disk full? The file is left as it was.");
// A day-lists file that was refused: what is wrong and where it was kept
// (`keptAs` empty when it could not be kept).
QString damagedWeek(const ActivityWeekRead& read, const QString& keptAs);

// A file whose records could not all be read: what was loaded and where the
// whole file was kept (`keptAs` empty when it could not be kept).
QString unreadRecords(int loaded, bool tooMany, const QString& keptAs);
} // namespace activitymsg

namespace activitylabel {
inline const QString List = QStringLiteral("Activity");
inline const QString Duration = QStringLiteral("Duration:");
inline const QString CaloriesBurned = QStringLiteral("Calories Burned:");
inline const QString BalanceGroup = QStringLiteral("Calorie Balance");
inline const QString DayShowing = QStringLiteral("Day Showing");
inline const QString MenuCalories = QStringLiteral("Menu Calories:");
inline const QString ActivityCalories = QStringLiteral("Activity Calories:");
inline const QString Balance = QStringLiteral("Calorie Balance:");
inline const QString DayList = QStringLiteral("Activities of the Day");
inline const QString DayListActivity = QStringLiteral("Activity");
inline const QString DayListMinutes = QStringLiteral("Minutes");
inline const QString DayListCalories = QStringLiteral("Calories");
inline const QString AddToDayButton = QStringLiteral("Add to &Day");
inline const QString RemoveButton = QStringLiteral("R&emove");
inline const QString DialogCaption = QStringLiteral("Add Activity");
inline const QString DialogName = QStringLiteral("Activity:");
inline const QString DialogCalories = QStringLiteral("Calories per hour:");
inline const QString AddButton = QStringLiteral("&Add");
inline const QString CancelButton = QStringLiteral("&Cancel");
} // namespace activitylabel

} // namespace tolvane
