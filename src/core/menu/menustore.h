#pragma once
// Reading and writing menu files ("currmenu.db" and .mnu files) with the
// messages the user sees when that goes wrong. Every write replaces the file
// as a whole; a damaged file is refused as a whole and changes nothing.

#include "shell/userinterface.h"
#include "storage/safesave.h"
#include "menu/menufile.h"

#include <QString>

namespace tolvane {

inline const QString CurrentMenuFileName = QStringLiteral("currmenu.db");

// The help topic of Copy Day and Paste Day, and of their messages.
constexpr int DayCopyHelpContext = 47;

namespace menumsg {
inline const QString NoCurrentMenu = QStringLiteral("No current menu found.");
// There, but not readable (its permissions): the file is left as it is.
inline const QString CannotReadCurrent = QStringLiteral(
    "The current menu file \"currmenu.db\" cannot be read. The program starts with an empty menu and will not "
    "write over the file.");
inline const QString CannotCreate = QStringLiteral("Could not create current menu file.");
// The file was created but not written whole (a full disk): the old file stays.
inline const QString CannotWriteCurrent = QStringLiteral(
    "Could not write the current menu file completely. Is the disk full? The menu stays in memory and is written "
    "again with the next change.");
inline const QString CannotWriteFile = QStringLiteral(
    "Could not write the menu file completely. Is the disk full? Any earlier file of that name is unchanged.");
inline const QString SaveQuestion = QStringLiteral("Do you want to save the current menu?.");
inline const QString ClearMenuQuestion = QStringLiteral("Are you sure you want to clear the menu?");
inline const QString NoDayCopied = QStringLiteral("No day has been copied yet. Use Copy Day first.");
// Pasting a day over a day that has entries asks first.
QString replaceDayQuestion(const QString& shownDay, const QString& copiedDay);
inline const QString PasteDayIntoCaption = QStringLiteral("Paste Day Into");
QString pasteDayIntoLabel(const QString& copiedDay);
inline const QString MealFull =
    QStringLiteral("There are already 10 items for this meal, you must delete something to add this new item.");
inline const QString InvalidServings = QStringLiteral("The number of servings is invalid.");
inline const QString IllegalActionCaption = QStringLiteral("Illegal Action");
inline const QString IllegalAction =
    QStringLiteral("You can not delete food list items from your\r\npersonal list, use the Remove from Personal "
                   "List menu\r\nitem to remove this item from your Personal List.");

// Why a file was refused, for the messages below.
QString problemText(const MenuFileRead& read);
// A menu file chosen with "&Load" that is damaged or not a menu.
QString refusedFile(const QString& fileName, const QString& problem);
// The current menu at start-up was damaged and put aside (or could not be).
QString damagedCurrentMenu(const QString& problem, const QString& keptAs);
} // namespace menumsg

// The week's changes as "U&ndo" and "Re&do" name them.
namespace weekchange {
inline const QString PasteMeal = QStringLiteral("Paste Meal");
inline const QString PasteDay = QStringLiteral("Paste Day");
inline const QString PasteDayInto = QStringLiteral("Paste Day Into");
inline const QString ClearMeal = QStringLiteral("Clear Meal");
inline const QString ClearMenu = QStringLiteral("Clear Menu");
inline const QString LoadMenu = QStringLiteral("Load Menu");
// "Add Banana to Monday Breakfast", "Remove ... from ...", "Change Servings of ... in ...".
QString addEntry(const QString& name, int day, int meal);
QString removeEntry(const QString& name, int day, int meal);
QString changeServings(const QString& name, int day, int meal);
} // namespace weekchange

inline const QString MenuFileFilter = QStringLiteral("Menu File (*.mnu)");
inline const QString MenuFileSuffix = QStringLiteral("mnu");

// CannotOpen: not there; CannotRead: there but not readable.
enum class MenuFileState { Read, CannotOpen, CannotRead, Damaged };

struct MenuFileLoad {
    MenuFileState state = MenuFileState::CannotOpen;
    MenuFileRead read;
};

// Reads a menu file from disk (never more than its 30022 bytes).
MenuFileLoad loadMenuFile(const QString& path);

// Writes the menu to `path` as a whole; on failure the old file stays.
SaveResult writeMenuFile(const QString& path, const MenuImage& image);
// Writes a menu file the user chose; on failure the user is warned. Returns
// true when written.
bool saveMenuFile(const QString& path, const MenuImage& image, UserInterface& ui);
// The warning of a failed write (`current`: the current menu file).
Message menuSaveFailed(SaveResult result, bool current);


} // namespace tolvane
