#pragma once
// The main window's behaviour: start-up, the pages and which menus and tool
// buttons are live on each, the window position, and the orderly close. The
// windows forward their events here and show the state that results.

#include "shell/changes.h"
#include "shell/commands.h"
#include "shell/folderlock.h"
#include "shell/pendingsave.h"
#include "shell/preferences.h"
#include "shell/settingsstore.h"
#include "shell/userinterface.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace tolvane {

inline const QString ProgramCaption = QStringLiteral("Tolvane");
inline const QString ApplicationTitle = QStringLiteral("Tolvane for Windows 95");
inline const QString HelpFileName = QStringLiteral("Tolvane.hlp");
inline const QString VersionText = QStringLiteral("Version 5.04");
inline const QString SaveWeightQuestion = QStringLiteral("Do you want to save the weight data?");
constexpr int MainHelpContext = 1;
constexpr int WeightHelpContext = 11;

inline const QStringList DayNames = {QStringLiteral("Sunday"),   QStringLiteral("Monday"),
                                     QStringLiteral("Tuesday"),  QStringLiteral("Wednesday"),
                                     QStringLiteral("Thursday"), QStringLiteral("Friday"),
                                     QStringLiteral("Saturday")};

// The user's own files that the program loads and saves.
enum class UserFile { Menu, Recipe, Weight };

struct StartResult {
    bool ok = true;
    int exitStatus = 0;  // the status to end with when not ok
};

// Where the other parts of the program plug into start-up, activation and
// close. Each does nothing until its part is there.
struct ProgramHooks {
    std::function<void()> beforeLoad;           // first of all: finishes what a kill cut short
    std::function<StartResult()> loadFoodTable; // "fooditem.dbt"; a damaged table ends the start
    std::function<void()> loadCurrentMenu;      // "currmenu.db"
    std::function<void()> loadActivityTable;    // "activity.db"
    std::function<void()> loadActivityWeek;     // "activityweek.db" again, after a restore placed it
    std::function<void()> resetFoodList;        // first row selected, the whole table shown
    std::function<void()> selectFirstFoodRow;   // the menu planner page was picked
    std::function<void()> refreshFoodPanel;     // the food item panel for the selected row
    std::function<void()> clearDragState;       // the menu planner's drag flags
    std::function<void()> resetRecipe;          // recipe totals 0, empty pie, "0%" labels
    std::function<void()> resetWeightPage;      // grid headings, no file name
    std::function<void()> showCurrentMeal;      // day page, meal and totals tabs of the loaded week
    std::function<bool()> saveWeightFile;       // "Save File" of the weight page; false: stay open
    std::function<void()> saveActivityTable;    // "activity.db"
    std::function<void()> openTutor;            // the tutor, on the first run
    std::function<void()> clearTutorPreview;    // each activation ends a tutor's menu preview
    std::function<void()> restoreChoices;       // the last run's calculator inputs and units
    std::function<void()> restoreWeightLog;     // the last run's weight file, the unsaved rows offered back
    std::function<void()> keepChoices;          // at close: what the next run restores
    std::function<void()> keepUnsavedWeight;    // the session ends: unsaved weight rows to their recovery file
    std::function<void()> dropUnsavedWeight;    // an orderly close asked about them: the recovery file goes
    std::function<void()> started;              // the window is shown: the start goes on (the automatic backup)
    std::function<void()> closing;              // the main window closes: what still runs ends first
    std::function<void(UserFile, const QString&)> userFileUsed;  // a file loaded or saved (its path)
    std::function<void(UserFile, const QString&)> userFileRestored;  // a backup put the file back (its path)
};

class Program {
public:
    Program(UserInterface& ui, SettingsStore& settings, QString workDir);

    ProgramHooks hooks;
    // The user's changes to the data, for undo and redo.
    ChangeHistory changes;

    // The main window is being created: loads the data files, sets up the
    // pages and restores the window position.
    StartResult formCreate();
    // The main window became active.
    void formActivate();
    // The user picked another page.
    void pageControlChange(int page);
    // Where the main window, `frame` in size with its border, is shown on a
    // screen whose free area is `available`: at the stored place, moved just
    // far enough to lie inside the area (a place stored on another monitor or
    // at another scale). The stored place is kept while the window stands
    // where it was moved to.
    QPoint startPosition(const QSize& frame, const QRect& available);
    // The main window was shown, minimised or restored at this position.
    void formResize(int top, int left);
    // The main window moved: windows placed beside it (the tutor) follow,
    // but the stored position changes only on a resize.
    void formMove(int top, int left);
    // "E&xit" and "Exit Program".
    void closeClick();
    // The main window is about to close. False: the user chose to stay (Cancel
    // at the weight question, or no file chosen to save the weight data in).
    bool formCloseQuery();
    void formClose();
    // The session ends under the program (a signal, the session manager's
    // request to save its data): without a question, writes every data file
    // that holds changes, keeps the choices for the next run and puts weight
    // rows not saved into their recovery file. The program stays usable.
    void saveAtSessionEnd();

    // A menu, recipe or weight file was loaded or saved at `path`.
    void userFileUsed(UserFile kind, const QString& path)
    {
        if (hooks.userFileUsed)
            hooks.userFileUsed(kind, path);
    }

    // Runs the command of a menu item or tool button, when it is live.
    void execute(Command command);
    // Makes a command available; commands without a handler stay disabled.
    void setHandler(Command command, std::function<void()> handler);

    bool isEnabled(Command command) const;
    bool isMenuEnabled(TopMenu menu) const;
    void setEnabled(Command command, bool enabled);
    void setMenuEnabled(TopMenu menu, bool enabled);
    bool isToolButtonEnabled(Command command) const;
    void setToolButtonEnabled(Command command, bool enabled);
    // A menu item's caption now (some change with the state).
    QString caption(Command command) const;
    void setCaption(Command command, const QString& caption);

    // An option's check mark in its menu item, as the option's owner tells it.
    bool isChecked(Command command) const;
    void setCheckState(Command command, std::function<bool()> checked) { checks_[command] = std::move(checked); }

    // A setting of the user's beyond the window position (0 when never
    // stored), read and written at once. False when it could not be written.
    int readSetting(const QString& key);
    bool writeSetting(const QString& key, int value);

    // Data the program writes into the working directory by itself: its
    // leftover temporary files are removed at start-up, and a failed write is
    // offered again at close, in the order registered.
    void addPendingSave(PendingSave data) { pendingSaves_.push_back(std::move(data)); }
    // The lock this run holds on the working directory. Leftover temporary
    // files are removed at start-up only under it: without it they may be
    // another run's saves in progress.
    void setDataFolderLock(std::shared_ptr<const DataFolderLock> lock) { folderLock_ = std::move(lock); }

    const QString& workDir() const { return workDir_; }
    int currentPage() const { return currentPage_; }
    int currentDay() const { return currentDay_; }
    void setCurrentDay(int day) { currentDay_ = day; }
    int windowTop() const { return windowTop_; }
    int windowLeft() const { return windowLeft_; }
    bool closing() const { return closing_; }
    bool weightChanged() const { return weightChanged_; }
    void setWeightChanged(bool changed) { weightChanged_ = changed; }
    bool activityChanged() const { return activityChanged_; }
    void setActivityChanged(bool changed) { activityChanged_ = changed; }
    bool firstRun() const { return firstRun_; }

    UserInterface& ui() { return ui_; }
    // The choices kept between runs (folders, zoom, the last weight file, ...).
    Preferences& preferences() { return preferences_; }

private:
    bool openSettings();
    static void run(const std::function<void()>& hook)
    {
        if (hook)
            hook();
    }

    UserInterface& ui_;
    SettingsStore& settings_;
    Preferences preferences_;
    QString workDir_;
    int currentPage_ = MenuPlannerPageIndex;
    int currentDay_ = 0;
    int windowTop_ = DefaultTop;
    int windowLeft_ = DefaultLeft;
    std::optional<QPoint> movedInto_;  // where a stored place off the screen was shown
    std::optional<QPoint> storedPlace_;  // the place in the settings (left, top)
    bool closing_ = false;
    bool weightChanged_ = false;
    bool activityChanged_ = false;
    bool firstRun_ = false;
    bool tutorShown_ = false;
    std::vector<PendingSave> pendingSaves_;
    std::shared_ptr<const DataFolderLock> folderLock_;

    std::map<Command, std::function<void()>> handlers_;
    std::set<Command> disabled_;
    std::set<TopMenu> disabledMenus_;
    std::set<Command> disabledButtons_;
    std::map<Command, QString> captions_;
    std::map<Command, std::function<bool()>> checks_;
};

} // namespace tolvane
