#include "shell/mainwindow.h"

#include "food/foodlistmodel.h"
#include "shell/program.h"
#include "shell/toolicons.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QListView>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolButton>
#include <QWindowStateChangeEvent>

namespace tolvane {

namespace {
constexpr int ClientWidth = 632;
constexpr int ClientHeight = 426;

QString plainCaption(QString caption) { return caption.remove(QLatin1Char('&')); }
} // namespace

MainWindow::MainWindow(Program& program, QWidget* parent) : QMainWindow(parent), program_(program)
{
    setWindowTitle(ProgramCaption);
    setAccessibleName(ProgramCaption);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setProperty("helpContext", MainHelpContext);

    auto* client = new QWidget(this);
    client->setFixedSize(ClientWidth, ClientHeight);
    client->setAccessibleName(QStringLiteral("Main window"));
    setCentralWidget(client);

    buildMenus();
    buildToolBar(client);
    buildPages(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() = default;

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
        const Command command = definition.command;
        connect(button, &QToolButton::clicked, this, [this, command] { run(command); });
        toolButtons_[command] = button;
        x += 25;
    }
}

QListView* MainWindow::makeFoodList(QWidget* page, FoodListModel* model, const QString& name)
{
    auto* list = new QListView(page);
    list->setModel(model);
    list->setAccessibleName(name);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

void MainWindow::buildPages(QWidget* client)
{
    pages_ = new QTabWidget(client);
    pages_->setGeometry(4, 32, 626, 390);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    pages_->setFont(font);
    pages_->setAccessibleName(QStringLiteral("Pages"));
    for (const auto& definition : pages()) {
        auto* page = new QWidget;
        page->setAccessibleName(definition.caption);
        page->setProperty("helpContext", definition.helpContext);
        pages_->addTab(page, definition.caption);
    }

    foodModel_ = new FoodListModel(program_.foodTable(), this);
    foodList_ = makeFoodList(pages_->widget(MenuPlannerPage), foodModel_, QStringLiteral("Food list"));
    foodList_->setGeometry(4, 4, 221, 221);
    connect(foodList_, &QListView::clicked, this, [this](const QModelIndex& index) {
        program_.foodListClick(index.row());
        refresh();
    });

    recipeFoodModel_ = new FoodListModel(program_.foodTable(), this);
    recipeFoodList_ = makeFoodList(pages_->widget(RecipesPage), recipeFoodModel_, QStringLiteral("Recipe food list"));
    recipeFoodList_->setGeometry(4, 4, 221, 221);

    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
        program_.pageControlChange(index);
        refresh();
    });
}

void MainWindow::run(Command command)
{
    program_.execute(command);
    if (!closed_)
        refresh();
}

void MainWindow::refresh()
{
    foodModel_->reload();
    recipeFoodModel_->reload();
    const int row = program_.selectedFoodRow();
    const QModelIndex index = foodModel_->index(row, 0);
    if (row >= 0 && foodList_->currentIndex() != index)
        foodList_->setCurrentIndex(index);
    else if (row < 0)
        foodList_->clearSelection();

    for (const auto& [menu, qmenu] : menus_)
        qmenu->menuAction()->setEnabled(program_.isMenuEnabled(menu));
    for (const auto& [command, action] : actions_) {
        action->setEnabled(program_.isEnabled(command));
        action->setText(program_.caption(command));
    }
    for (const auto& [command, button] : toolButtons_)
        button->setEnabled(program_.isToolButtonEnabled(command));
    if (pages_->currentIndex() != program_.currentPage())
        pages_->setCurrentIndex(program_.currentPage());
}

void MainWindow::applyStartPosition()
{
    move(program_.windowLeft(), program_.windowTop());
    refresh();
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

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Minimising and restoring count as resizes: they keep the position too.
    if (event->type() == QEvent::WindowStateChange)
        savePosition();
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        program_.formActivate();
        refresh();
    }
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    program_.formCloseQuery();
    program_.formClose();
    closed_ = true;
    event->accept();
}

} // namespace tolvane
