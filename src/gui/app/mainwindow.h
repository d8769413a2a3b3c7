#pragma once
// The main window: tool bar, six pages and the main menu. It shows the state of
// the program and forwards the user's events to it.

#include "shell/commands.h"

#include <QMainWindow>
#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenu;
class QTabWidget;
class QToolButton;

namespace tolvane {

class App;
class FoodFindBar;
class LazyPage;
class PageWidget;
class Program;
class UndoHistory;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The window's size at 100%, before it is made: the client area and the menu bar.
    static QSize designSize();
    explicit MainWindow(App& app, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows the program's state: enabled commands, captions, lists, selection.
    void refresh();
    // Puts the window where the settings say, after start-up.
    void applyStartPosition();
    // The next activation returns from a file dialog: it does not re-show the
    // week's current day, meal and view (a menu just loaded keeps the tabs).
    void skipNextActivation() { skipActivation_ = true; }
    // The folder of the data files.
    QString dataFolder() const;
    // Runs `action` from the event loop once the window is exposed on the
    // screen and painted (queued at once when it already was).
    void whenShown(std::function<void()> action);

    QTabWidget* pageControl() const { return pages_; }
    UndoHistory& undoHistory() const { return *undoHistory_; }
    // A page, built now if it has not been shown yet.
    PageWidget* page(int index) const;
    QAction* action(Command command) const;
    QMenu* topMenu(TopMenu menu) const;
    QToolButton* toolButton(Command command) const;
    // The find field over the food list of a page (none: the page has no food list).
    FoodFindBar* findBar(int index) const;

signals:
    // After each refresh: windows beside the main one follow its state.
    void refreshed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void buildMenus();
    void buildToolBar(QWidget* client);
    void buildPages(QWidget* client);
    void buildKeys();
    void openFind();
    void run(Command command);
    void savePosition();
    void cameOnScreen();
    QPoint framePlace() const;

    App& app_;
    Program& program_;
    UndoHistory* undoHistory_;  // the user's changes, for "U&ndo" and "Re&do"
    QTabWidget* pages_ = nullptr;
    std::vector<LazyPage*> pageSlots_;  // each builds its page when first shown
    std::map<Command, QAction*> actions_;
    std::map<TopMenu, QMenu*> menus_;
    std::map<Command, QToolButton*> toolButtons_;
    std::map<int, FoodFindBar*> findBars_;
    bool closed_ = false;
    bool activated_ = false;
    bool skipActivation_ = false;
    bool placedOnScreen_ = false;
    QPoint startPlace_;     // where the frame goes at the first showing
    bool onScreen_ = false;  // exposed on the screen and painted once
    std::vector<std::function<void()>> whenShown_;
};

} // namespace tolvane
