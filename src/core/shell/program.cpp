#include "shell/program.h"

#include "shell/zoom.h"

#include <QDir>

#include <algorithm>
#include <utility>

namespace tolvane {

Program::Program(UserInterface& ui, SettingsStore& settings, QString workDir)
    : ui_(ui), settings_(settings), preferences_(settings), workDir_(std::move(workDir))
{
    setHandler(Command::Exit, [this] { closeClick(); });
    setHandler(Command::About, [this] { ui_.showAbout(); });
    setHandler(Command::Zoom, [this] { chooseZoom(ui_, preferences_); });
    for (const HelpMenuTopic& topic : helpMenuTopics())
        setHandler(topic.command, [this, context = topic.helpContext] { ui_.showHelpTopic(context); });
    disabledMenus_.insert(TopMenu::Activity);
    disabled_.insert(Command::RemoveFromPersonalList);
}

StartResult Program::formCreate()
{
    run(hooks.beforeLoad);
    // A save killed between its write and its rename leaves its temporary file.
    if (folderLock_ && folderLock_->held()) {
        QStringList dataFiles;
        for (const PendingSave& data : pendingSaves_)
            dataFiles.append(data.fileName);
        removeSaveLeftovers(workDir_, dataFiles);
    }

    if (hooks.loadFoodTable)
        if (const StartResult loaded = hooks.loadFoodTable(); !loaded.ok)
            return loaded;
    run(hooks.loadCurrentMenu);
    run(hooks.loadActivityTable);

    run(hooks.resetFoodList);
    closing_ = false;
    run(hooks.refreshFoodPanel);
    run(hooks.clearDragState);
    run(hooks.resetRecipe);

    currentPage_ = MenuPlannerPageIndex;
    disabledMenus_.insert(TopMenu::Recipe);
    disabledMenus_.insert(TopMenu::Weight);

    weightChanged_ = false;
    run(hooks.resetWeightPage);

    if (!openSettings())
        return {false, SettingsErrorExitStatus};
    firstRun_ = settings_.wasEmptyAtFirstOpen();
    const auto restore = [this](const QString& key, int fallback) {
        if (const auto value = settings_.readInt(key))
            return *value;
        settings_.writeInt(key, fallback);
        return fallback;
    };
    windowTop_ = restore(TopKey, DefaultTop);
    windowLeft_ = restore(LeftKey, DefaultLeft);
    storedPlace_ = QPoint(windowLeft_, windowTop_);
    if (!settings_.close()) {
        ui_.showMessage(Message::plain(SettingsErrorText, SettingsErrorCaption, Icon::None, only(Button::Ok)));
        return {false, SettingsErrorExitStatus};
    }
    run(hooks.restoreChoices);
    // The window shows without waiting for the weight log (up to 100000 rows)
    // or the automatic backup; a question of either comes over the window.
    ui_.whenMainWindowShown([this] {
        run(hooks.restoreWeightLog);
        run(hooks.started);
    });
    return {};
}

bool Program::openSettings()
{
    if (settings_.open())
        return true;
    ui_.showMessage(Message::plain(SettingsErrorText, SettingsErrorCaption, Icon::None, only(Button::Ok)));
    return false;
}

void Program::formActivate()
{
    run(hooks.clearDragState);
    run(hooks.clearTutorPreview);
    run(hooks.showCurrentMeal);
    if (firstRun_ && !tutorShown_) {
        tutorShown_ = true;
        run(hooks.openTutor);
    }
}

void Program::pageControlChange(int page)
{
    if (page < 0 || page >= PageCount)
        return;
    currentPage_ = page;
    for (const auto& button : toolButtons())
        if (isPlannerToolButton(button.command))
            disabledButtons_.insert(button.command);

    const auto only = [this](std::optional<TopMenu> on) {
        for (TopMenu menu : {TopMenu::FoodItem, TopMenu::Menu, TopMenu::Recipe, TopMenu::Weight, TopMenu::Activity})
            setMenuEnabled(menu, on && *on == menu);
    };
    switch (page) {
    case MenuPlannerPageIndex:
        only(std::nullopt);
        setMenuEnabled(TopMenu::FoodItem, true);
        setMenuEnabled(TopMenu::Menu, true);
        run(hooks.selectFirstFoodRow);
        disabledButtons_.clear();
        break;
    case RecipesPageIndex: only(TopMenu::Recipe); break;
    case WeightPageIndex: only(TopMenu::Weight); break;
    case ActivityPlannerPageIndex: only(TopMenu::Activity); break;
    default: only(std::nullopt); break;
    }
}

QPoint Program::startPosition(const QSize& frame, const QRect& available)
{
    const auto inside = [](int stored, int first, int free, int size) {
        return std::clamp(stored, first, std::max(first, first + free - size));
    };
    const QPoint shown(inside(windowLeft_, available.left(), available.width(), frame.width()),
                       inside(windowTop_, available.top(), available.height(), frame.height()));
    movedInto_ = shown != QPoint(windowLeft_, windowTop_) ? std::optional<QPoint>(shown) : std::nullopt;
    return shown;
}

void Program::formResize(int top, int left)
{
    // Shown where it was moved to, the window keeps its stored place for a
    // run on the screen it came from.
    if (movedInto_ && *movedInto_ == QPoint(left, top)) {
        top = windowTop_;
        left = windowLeft_;
    }
    windowTop_ = top;
    windowLeft_ = left;
    // The first showing at the stored place writes nothing (the settings'
    // write waits for the disk twice).
    if (storedPlace_ == QPoint(left, top))
        return;
    if (!openSettings()) {
        ui_.endProgram(SettingsErrorExitStatus);
        return;
    }
    settings_.writeInt(TopKey, top);
    settings_.writeInt(LeftKey, left);
    if (!settings_.close()) {
        ui_.showMessage(Message::plain(SettingsErrorText, SettingsErrorCaption, Icon::None, only(Button::Ok)));
        ui_.endProgram(SettingsErrorExitStatus);
        return;
    }
    storedPlace_ = QPoint(left, top);
}

void Program::formMove(int top, int left)
{
    windowTop_ = top;
    windowLeft_ = left;
}

void Program::closeClick()
{
    closing_ = true;
    ui_.closeMainWindow();
}

bool Program::formCloseQuery()
{
    if (weightChanged_) {
        const Button answer = ui_.showMessage(Message::typed(
            SaveWeightQuestion, Icon::Information, Button::Yes | Button::No | only(Button::Cancel), WeightHelpContext));
        const bool stay =
            answer == Button::Cancel || (answer == Button::Yes && hooks.saveWeightFile && !hooks.saveWeightFile());
        if (stay) {
            closing_ = false;
            return false;
        }
    }
    closing_ = true;
    run(hooks.dropUnsavedWeight);
    run(hooks.keepChoices);
    if (activityChanged_)
        run(hooks.saveActivityTable);
    // The food item table and the current menu are written at every change;
    // what could not be written then, or just now, must not go unnoticed.
    for (const PendingSave& data : pendingSaves_)
        if (data.unsaved())
            keepBeforeClose(ui_, workDir_, data);
    return true;
}

void Program::formClose() { run(hooks.closing); }

void Program::saveAtSessionEnd()
{
    run(hooks.keepChoices);
    for (const PendingSave& data : pendingSaves_)
        if (data.unsaved() && saveFileAtomically(QDir(workDir_).filePath(data.fileName), data.bytes()) == SaveResult::Saved)
            data.written();
    run(hooks.keepUnsavedWeight);
}

void Program::execute(Command command)
{
    const auto it = handlers_.find(command);
    if (it != handlers_.end() && it->second)
        it->second();
}

void Program::setHandler(Command command, std::function<void()> handler)
{
    handlers_[command] = std::move(handler);
}

bool Program::isEnabled(Command command) const
{
    return handlers_.count(command) != 0 && disabled_.count(command) == 0;
}

bool Program::isMenuEnabled(TopMenu menu) const { return disabledMenus_.count(menu) == 0; }

void Program::setEnabled(Command command, bool enabled)
{
    if (enabled)
        disabled_.erase(command);
    else
        disabled_.insert(command);
}

void Program::setMenuEnabled(TopMenu menu, bool enabled)
{
    if (enabled)
        disabledMenus_.erase(menu);
    else
        disabledMenus_.insert(menu);
}

bool Program::isToolButtonEnabled(Command command) const
{
    return handlers_.count(command) != 0 && disabledButtons_.count(command) == 0;
}

void Program::setToolButtonEnabled(Command command, bool enabled)
{
    if (enabled)
        disabledButtons_.erase(command);
    else
        disabledButtons_.insert(command);
}

QString Program::caption(Command command) const
{
    const auto it = captions_.find(command);
    return it != captions_.end() ? it->second : menuCaption(command);
}

bool Program::isChecked(Command command) const
{
    const auto it = checks_.find(command);
    return it != checks_.end() && it->second && it->second();
}

int Program::readSetting(const QString& key)
{
    if (!settings_.open())
        return 0;
    const int value = settings_.readInt(key).value_or(0);
    settings_.close();
    return value;
}

bool Program::writeSetting(const QString& key, int value)
{
    if (!settings_.open())
        return false;
    settings_.writeInt(key, value);
    return settings_.close();
}

void Program::setCaption(Command command, const QString& caption) { captions_[command] = caption; }

} // namespace tolvane
