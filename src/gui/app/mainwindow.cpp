#include "app/mainwindow.h"
#include "shell/undohistory.h"

#include "activity/activityplannerpage.h"
#include "food/foodfindbar.h"
#include "guide/helpkey.h"
#include "menu/menuplannerpage.h"
#include "menu/rdapage.h"
#include "recipes/recipespage.h"
#include "app/app.h"
#include "shell/emptypage.h"
#include "shell/lazypage.h"
#include "shell/program.h"
#include "shell/toolicons.h"
#include "weight/calculatorspage.h"
#include "weight/weightpage.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <QWindowStateChangeEvent>

namespace tolvane {

namespace {
constexpr int ClientWidth = 632;
constexpr int ClientHeight = 426;

QString plainCaption(QString caption) { return caption.remove(QLatin1Char('&')); }

// The window's own font, "System": Windows' bold 16-pixel screen font. Linux
// has no font of that name, so the desktop's general font stands in, in the
// same size and weight. The menus and dialogs keep the desktop's fonts.
QFont windowFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}
} // namespace

MainWindow::MainWindow(App& app, QWidget* parent)
    : QMainWindow(parent), app_(app), program_(app.program), undoHistory_(new UndoHistory(app.program, this))
{
    // The caption stands alone (an application display name would be added to
    // every window's title); the application's title is the name the window
    // gives the task bar and icon boxes.
    setWindowTitle(ProgramCaption);
    setWindowIconText(ApplicationTitle);
    setAccessibleName(ProgramCaption);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setProperty("helpContext", MainHelpContext);

    auto* client = new QWidget(this);
    client->setFixedSize(ClientWidth, ClientHeight);
    client->setFont(windowFont());
    client->setAccessibleName(QStringLiteral("Main window"));
    setCentralWidget(client);

    buildMenus();
    buildToolBar(client);
    buildPages(client);
    buildKeys();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    qApp->installEventFilter(new HelpKey(program_.ui(), this));
}

MainWindow::~MainWindow() = default;

QSize MainWindow::designSize()
{
    QMenuBar bar;
    bar.addMenu(QStringLiteral("&Main"));
    return {ClientWidth, ClientHeight + bar.sizeHint().height()};
}

void MainWindow::buildMenus()
{
    for (const auto& definition : mainMenu()) {
        QMenu* menu = menuBar()->addMenu(definition.caption);
        menu->setAccessibleName(plainCaption(definition.caption));
        menus_[definition.menu] = menu;
        for (const auto& entry : definition.entries) {
            if (entry.separator) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(entry.caption);
            if (!entry.shortcut.isEmpty())
                action->setShortcuts(QKeySequence::listFromString(entry.shortcut, QKeySequence::PortableText));
            action->setCheckable(entry.checkable);
            const Command command = entry.command;
            connect(action, &QAction::triggered, this, [this, command] { run(command); });
            actions_[command] = action;
        }
    }
}

void MainWindow::buildToolBar(QWidget* client)
{
    auto* bar = new QWidget(client);
    bar->setGeometry(8, 0, 330, 29);
    bar->setAccessibleName(QStringLiteral("Tool bar"));
    int x = 2;
    for (const auto& definition : toolButtons()) {
        auto* button = new QToolButton(bar);
        button->setGeometry(x, 2, 25, 25);
        button->setToolTip(definition.hint);
        button->setStatusTip(definition.hint);
        button->setAccessibleName(definition.hint);
        button->setIcon(toolIcon(definition.command));
        button->setAutoRaise(true);
        // As on the desktop whose layout the window keeps, tool buttons are
        // reached by mouse and by the menus (which hold every command), not by Tab.
        button->setFocusPolicy(Qt::NoFocus);
        const Command command = definition.command;
        connect(button, &QToolButton::clicked, this, [this, command] { run(command); });
        toolButtons_[command] = button;
        x += 25;
    }
}

void MainWindow::buildPages(QWidget* client)
{
    pages_ = new QTabWidget(client);
    pages_->setGeometry(4, 32, 626, 390);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(false);  // not the window's bold
    pages_->setFont(font);
    pages_->setAccessibleName(QStringLiteral("Pages"));
    for (int index = 0; index < PageCount; ++index) {
        const PageDefinition& definition = pages()[static_cast<std::size_t>(index)];
        const auto build = [this, index, definition](QWidget* parent) -> PageWidget* {
            PageWidget* page = nullptr;
            switch (index) {
            case MenuPlannerPageIndex: page = new MenuPlannerPage(app_.program, app_.foods, app_.menu, parent); break;
            case RecipesPageIndex: page = new RecipesPage(app_.program, app_.foods, app_.recipes, parent); break;
            case RdaPageIndex: page = new RdaPage(app_.foods, app_.menu, parent); break;
            case WeightPageIndex: page = new WeightPage(app_.program, app_.weight, parent); break;
            case CalculatorsPageIndex: page = new CalculatorsPage(app_.weight, parent); break;
            case ActivityPlannerPageIndex: page = new ActivityPlannerPage(app_.activity, parent); break;
            default: page = new EmptyPage(parent); break;
            }
            page->setAccessibleName(definition.caption);
            page->setProperty("helpContext", definition.helpContext);
            return page;
        };
        // The pages with a food list get their find field with the list.
        const auto built = [this, index](PageWidget* page) {
            if (index == MenuPlannerPageIndex)
                findBars_[index] = new FoodFindBar(static_cast<MenuPlannerPage*>(page)->foodList());
            else if (index == RecipesPageIndex)
                findBars_[index] = new FoodFindBar(static_cast<RecipesPage*>(page)->foodList());
        };
        auto* slot = new LazyPage(build, built);
        slot->setProperty("helpContext", definition.helpContext);
        pages_->addTab(slot, definition.caption);
        pageSlots_.push_back(slot);
        connect(slot, &PageWidget::stateChanged, this, &MainWindow::refresh);
    }

    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
        program_.pageControlChange(index);
        refresh();
    });
}

void MainWindow::buildKeys()
{
    // The page control's keys wherever the focus is: Ctrl+Tab and Ctrl+PgDown
    // go to the next page, Ctrl+Shift+Tab and Ctrl+PgUp to the one before.
    const auto step = [this](int delta) {
        const int count = pages_->count();
        pages_->setCurrentIndex((pages_->currentIndex() + delta + count) % count);
    };
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, [step] { step(1); });
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                    QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, [step] { step(-1); });

    // Ctrl+F finds a food item on every page with a food list, also where the
    // "&Food Item" menu is off; the menu item shows the key and works while
    // its menu is open.
    program_.setHandler(Command::FindFoodItem, [this] { openFind(); });
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] { run(Command::FindFoodItem); });
    if (QAction* find = action(Command::FindFoodItem)) {
        find->setShortcut(QKeySequence::Find);
        find->setShortcutContext(Qt::WidgetShortcut);
    }
}

void MainWindow::openFind()
{
    if (FoodFindBar* bar = findBar(pages_->currentIndex()))
        bar->open();
}

FoodFindBar* MainWindow::findBar(int index) const
{
    page(index);
    const auto it = findBars_.find(index);
    return it == findBars_.end() ? nullptr : it->second;
}

void MainWindow::run(Command command)
{
    program_.execute(command);
    if (!closed_)
        refresh();
}

void MainWindow::refresh()
{
    for (LazyPage* slot : pageSlots_)
        slot->refresh();
    for (const auto& [menu, qmenu] : menus_)
        qmenu->menuAction()->setEnabled(program_.isMenuEnabled(menu));
    for (const auto& [command, action] : actions_) {
        action->setEnabled(program_.isEnabled(command));
        action->setText(program_.caption(command));
        if (action->isCheckable())
            action->setChecked(program_.isChecked(command));
    }
    for (const auto& [command, button] : toolButtons_)
        button->setEnabled(program_.isToolButtonEnabled(command));
    if (pages_->currentIndex() != program_.currentPage())
        pages_->setCurrentIndex(program_.currentPage());
    emit refreshed();
}

void MainWindow::applyStartPosition()
{
    move(program_.windowLeft(), program_.windowTop());
    refresh();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (placedOnScreen_)
        return;
    placedOnScreen_ = true;
    if (windowHandle())
        windowHandle()->installEventFilter(this);
    // Only a shown window knows its frame: a place stored on another monitor
    // or at another scale is brought inside the screen now.
    const QRect frame = frameGeometry();
    QScreen* screen = QGuiApplication::screenAt(frame.topLeft());
    if (!screen)
        screen = this->screen();
    if (!screen)
        return;
    startPlace_ = program_.startPosition(frame.size(), screen->availableGeometry());
    if (startPlace_ != frame.topLeft())
        move(startPlace_);
}

QPoint MainWindow::framePlace() const
{
    // The window's own frame margins are asked of the X server when they
    // changed; the widget's copy of them may be older.
    QWindow* window = windowHandle();
    return window ? window->framePosition() : frameGeometry().topLeft();
}

QString MainWindow::dataFolder() const { return program_.workDir(); }

void MainWindow::whenShown(std::function<void()> action)
{
    if (onScreen_)
        QTimer::singleShot(0, this, std::move(action));
    else
        whenShown_.push_back(std::move(action));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The window system exposes the window once it is mapped; handling the
    // exposure paints it and puts the picture on the screen. What waits for
    // that runs after it.
    if (watched == windowHandle() && event->type() == QEvent::Expose && !onScreen_)
        QTimer::singleShot(0, this, [this] {
            if (!onScreen_ && windowHandle() && windowHandle()->isExposed())
                cameOnScreen();
        });
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::cameOnScreen()
{
    onScreen_ = true;
    // The window manager's frame is known once the window is on the screen:
    // the stored place is the frame's, so that the title bar is on the screen.
    // Asking the X server for the frame now: what Qt last knew of it can be
    // from before the window manager put it around the window, and a move
    // from that wrong place would put the title bar above the screen.
    if (placedOnScreen_ && framePlace() != startPlace_) {
        QWindow* window = windowHandle();
        const QMargins frame = window->frameMargins();
        window->setPosition(startPlace_ + QPoint(frame.left(), frame.top()));
    }
    for (auto& action : whenShown_)
        QTimer::singleShot(0, this, std::move(action));
    whenShown_.clear();
}

PageWidget* MainWindow::page(int index) const
{
    return index >= 0 && index < static_cast<int>(pageSlots_.size()) ? pageSlots_[static_cast<std::size_t>(index)]->page()
                                                                      : nullptr;
}

QAction* MainWindow::action(Command command) const
{
    const auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* MainWindow::topMenu(TopMenu menu) const
{
    const auto it = menus_.find(menu);
    return it == menus_.end() ? nullptr : it->second;
}

QToolButton* MainWindow::toolButton(Command command) const
{
    const auto it = toolButtons_.find(command);
    return it == toolButtons_.end() ? nullptr : it->second;
}

void MainWindow::savePosition()
{
    const QRect frame = frameGeometry();
    program_.formResize(frame.top(), frame.left());
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    savePosition();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    const QRect frame = frameGeometry();
    program_.formMove(frame.top(), frame.left());
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Minimising and restoring count as resizes: they keep the position too.
    if (event->type() == QEvent::WindowStateChange)
        savePosition();
}

bool MainWindow::event(QEvent* event)
{
    // The first showing counts as an activation even where no window manager
    // activates windows (a bare X server, the offscreen platform).
    const bool firstShow = event->type() == QEvent::Show && !activated_;
    if (event->type() == QEvent::WindowActivate && skipActivation_ && !firstShow) {
        skipActivation_ = false;
    } else if (event->type() == QEvent::WindowActivate || firstShow) {
        activated_ = true;
        program_.formActivate();
        refresh();
    }
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!program_.formCloseQuery()) {
        event->ignore();
        return;
    }
    program_.formClose();
    closed_ = true;
    event->accept();
}

} // namespace tolvane
