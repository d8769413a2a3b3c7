#include "menu/menuplanner.h"

#include "menu/menustore.h"
#include "storage/safesave.h"
#include "menu/targetsplitdialogs.h"
#include "menu/targetsplitform.h"
#include "shell/filechoice.h"
#include "food/foodlist.h"
#include "shell/program.h"

#include <QDir>
#include <QFileInfo>

namespace tolvane {

MenuPlanner::MenuPlanner(Program& program, FoodList& foods)
    : program_(program), foods_(foods), target_(keptTargetSplit(program.preferences()))
{
    program_.setHandler(Command::LoadMenu, [this] { loadMenu(); });
    program_.setHandler(Command::SaveMenuAs, [this] { saveMenuAs(); });
    program_.setHandler(Command::ClearMeal, [this] { clearMeal(); });
    program_.setHandler(Command::CopyMeal, [this] { copyMeal(); });
    program_.setHandler(Command::PasteMeal, [this] { pasteMeal(); });
    program_.setHandler(Command::ClearMenu, [this] { clearMenu(); });
    program_.setHandler(Command::CopyDay, [this] { copyDay(); });
    program_.setHandler(Command::PasteDay, [this] { pasteDay(); });
    program_.setHandler(Command::PasteDayInto, [this] { pasteDayInto(); });
    program_.setHandler(Command::AddToMeal, [this] { addToMeal(); });
    program_.setHandler(Command::ChangeServings, [this] { changeServings(); });

    program_.hooks.loadCurrentMenu = [this] { loadCurrentMenu(); };
    program_.hooks.showCurrentMeal = [this] { showCurrentMeal(); };
    program_.hooks.refreshFoodPanel = [this] { selected(); };
    program_.hooks.clearDragState = [this] { clearDragState(); };
    program_.addPendingSave({QStringLiteral("The current menu"),
                             CurrentMenuFileName,
                             {QString(), MenuFileFilter, MenuFileSuffix, program_.workDir()},
                             [this] { return unsaved_; },
                             [this] { return writeMenuImage(image()); },
                             [this] {
                                 unsaved_ = false;
                                 onDisk_ = writeMenuImage(image());
                             }});
}

int MenuPlanner::currentDay() const { return program_.currentDay(); }

MenuImage MenuPlanner::image() const { return {currentDay(), currentMeal_, totalsView_, week_}; }

std::optional<FocusTarget> MenuPlanner::takeFocusRequest() { return std::exchange(focusRequest_, std::nullopt); }

QString MenuPlanner::rdaMealLabel() const { return MealNames.value(shownMeal_); }

QString MenuPlanner::rdaDayLabel() const { return DayNames.value(shownDay_); }

void MenuPlanner::chooseTargetSplit(TargetSplitDialogs& dialogs)
{
    TargetSplitForm form(target_);
    if (!dialogs.editTargetSplit(form) || form.split() == target_)
        return;
    target_ = form.split();
    keepTargetSplit(program_.preferences(), target_);
    markFat(foodPanel_, target_.fat);
    markFat(menuPanel_, target_.fat);
    if (targetSplitChanged)
        targetSplitChanged();
}

// --- Files.

void MenuPlanner::loadCurrentMenu()
{
    const QString path = QDir(program_.workDir()).filePath(CurrentMenuFileName);
    for (Meal& m : week_)
        m.clear();
    const MenuFileLoad load = loadMenuFile(path);
    switch (load.state) {
    case MenuFileState::CannotOpen:
        program_.ui().showMessage(
            Message::typed(menumsg::NoCurrentMenu, Icon::Information, only(Button::Ok), GeneralHelpContext));
        break;
    case MenuFileState::CannotRead:
        program_.ui().showMessage(
            Message::typed(menumsg::CannotReadCurrent, Icon::Warning, only(Button::Ok), GeneralHelpContext));
        // Every write is refused while the file is there: said once here,
        // and the week is offered at close.
        unsaved_ = true;
        break;
    case MenuFileState::Damaged: {
        // Keep the damaged bytes for the user: the next change would replace them.
        const QString keptAs = keepDamagedFile(path, true);
        program_.ui().showMessage(Message::typed(menumsg::damagedCurrentMenu(menumsg::problemText(load.read), keptAs),
                                                 Icon::Warning, only(Button::Ok), GeneralHelpContext));
        applyImage(MenuImage{});
        break;
    }
    case MenuFileState::Read:
        applyImage(load.read.image);
        onDisk_ = writeMenuImage(image());
        return;
    }
    onDisk_.clear();
}

bool MenuPlanner::saveCurrentMenu()
{
    // A tab shown again, the start's first showing: the file holds this week
    // already, and a write would only wait for the disk twice.
    QByteArray bytes = writeMenuImage(image());
    if (!unsaved_ && bytes == onDisk_)
        return true;
    const SaveResult result = saveFileAtomically(QDir(program_.workDir()).filePath(CurrentMenuFileName), bytes);
    if (result == SaveResult::Saved) {
        unsaved_ = false;
        onDisk_ = std::move(bytes);
        return true;
    }
    // Every tab click writes the menu: one warning until a write succeeds.
    if (!unsaved_)
        program_.ui().showMessage(menuSaveFailed(result, true));
    unsaved_ = true;
    return false;
}

void MenuPlanner::applyImage(const MenuImage& image)
{
    week_ = image.week;
    program_.setCurrentDay(image.currentDay);
    currentMeal_ = image.currentMeal;
    totalsView_ = image.totalsView;
}

// --- Menu commands.

void MenuPlanner::copyMeal() { clipboard_ = shownMeal(); }

void MenuPlanner::pasteMeal()
{
    const QByteArray before = weekBytes();
    shownMealRef() = clipboard_;
    mealDisplay(shownDay_, shownMeal_);
    recordWeekChange(weekchange::PasteMeal, before);
}

void MenuPlanner::copyDay()
{
    if (!program_.isMenuEnabled(TopMenu::Menu))
        return;
    CopiedDay copied{shownDay_, {}};
    for (int m = 0; m < MealsPerDay; ++m)
        copied.meals[static_cast<std::size_t>(m)] = meal(shownDay_, m);
    dayClipboard_ = copied;
}

bool MenuPlanner::dayHasEntries(int day) const
{
    for (int m = 0; m < MealsPerDay; ++m)
        if (meal(day, m).count() > 0)
            return true;
    return false;
}

bool MenuPlanner::canPasteDay()
{
    if (!program_.isMenuEnabled(TopMenu::Menu))
        return false;
    if (!dayClipboard_) {
        program_.ui().showMessage(
            Message::typed(menumsg::NoDayCopied, Icon::Information, only(Button::Ok), DayCopyHelpContext));
        return false;
    }
    return true;
}

void MenuPlanner::pasteDay()
{
    if (!canPasteDay())
        return;
    if (dayHasEntries(shownDay_)) {
        const Button answer = program_.ui().showMessage(
            Message::typed(menumsg::replaceDayQuestion(DayNames.value(shownDay_), DayNames.value(dayClipboard_->day)),
                           Icon::Confirmation, Button::Yes | Button::No, DayCopyHelpContext));
        if (answer != Button::Yes)
            return;
    }
    const QByteArray before = weekBytes();
    for (int m = 0; m < MealsPerDay; ++m)
        week_[static_cast<std::size_t>(weekIndex(shownDay_, m))] = dayClipboard_->meals[static_cast<std::size_t>(m)];
    mealDisplay(shownDay_, shownMeal_);
    recordWeekChange(weekchange::PasteDay, before);
}

void MenuPlanner::pasteDayInto()
{
    if (!canPasteDay())
        return;
    const QString copied = DayNames.value(dayClipboard_->day);
    const std::optional<std::vector<int>> chosen = program_.ui().chooseSeveral(
        {menumsg::PasteDayIntoCaption, menumsg::pasteDayIntoLabel(copied), DayNames, -1, DayCopyHelpContext});
    if (!chosen || chosen->empty())
        return;
    QStringList replaced;
    for (const int day : *chosen)
        if (day >= 0 && day < DaysPerWeek && dayHasEntries(day))
            replaced.append(DayNames.value(day));
    // One question for all the days that would lose entries.
    if (!replaced.isEmpty()) {
        const Button answer = program_.ui().showMessage(
            Message::typed(menumsg::replaceDayQuestion(replaced.join(QStringLiteral(", ")), copied),
                           Icon::Confirmation, Button::Yes | Button::No, DayCopyHelpContext));
        if (answer != Button::Yes)
            return;
    }
    const QByteArray before = weekBytes();
    for (const int day : *chosen)
        if (day >= 0 && day < DaysPerWeek)
            for (int m = 0; m < MealsPerDay; ++m)
                week_[static_cast<std::size_t>(weekIndex(day, m))] = dayClipboard_->meals[static_cast<std::size_t>(m)];
    mealDisplay(shownDay_, shownMeal_);
    recordWeekChange(weekchange::PasteDayInto, before);
}

void MenuPlanner::clearMeal()
{
    const QByteArray before = weekBytes();
    mealList_.clear();
    shownMealRef().clear();
    mealDisplay(shownDay_, shownMeal_);
    recordWeekChange(weekchange::ClearMeal, before);
}

void MenuPlanner::clearMenu()
{
    const Button answer = program_.ui().showMessage(
        Message::typed(menumsg::ClearMenuQuestion, Icon::Information, Button::Yes | Button::No, GeneralHelpContext));
    if (answer != Button::Yes)
        return;
    const QByteArray before = weekBytes();
    mealList_.clear();
    for (Meal& m : week_)
        m.clear();
    mealDisplay(shownDay_, shownMeal_);
    recordWeekChange(weekchange::ClearMenu, before);
}

void MenuPlanner::loadMenu()
{
    const Button answer = program_.ui().showMessage(Message::typed(
        menumsg::SaveQuestion, Icon::Information, Button::Yes | Button::No | only(Button::Cancel), GeneralHelpContext));
    if (answer == Button::Cancel)
        return;
    if (answer == Button::Yes)
        saveMenuAs();
    const QByteArray before = weekBytes();

    const std::optional<QString> chosen =
        chooseUserFileToOpen(program_, FileKind::Menu, {QString(), MenuFileFilter, MenuFileSuffix, QString()});
    if (chosen) {
        const MenuFileLoad load = loadMenuFile(QDir(program_.workDir()).filePath(*chosen));
        switch (load.state) {
        case MenuFileState::CannotOpen:
        case MenuFileState::CannotRead:
            // The week stays: emptying it would write an empty week over the
            // current menu at the redisplay below.
            program_.ui().showMessage(
                Message::typed(menumsg::NoCurrentMenu, Icon::Information, only(Button::Ok), GeneralHelpContext));
            break;
        case MenuFileState::Damaged:
            program_.ui().showMessage(
                Message::typed(menumsg::refusedFile(QFileInfo(*chosen).fileName(), menumsg::problemText(load.read)),
                               Icon::Warning, only(Button::Ok), GeneralHelpContext));
            break;
        case MenuFileState::Read:
            applyImage(load.read.image);
            program_.userFileUsed(UserFile::Menu, QDir(program_.workDir()).filePath(*chosen));
            break;
        }
    }
    mealDisplay(shownDay_, shownMeal_);
    recordWeekChange(weekchange::LoadMenu, before);
}

void MenuPlanner::saveMenuAs()
{
    const std::optional<QString> chosen =
        chooseUserFileToSave(program_, FileKind::Menu, {QString(), MenuFileFilter, MenuFileSuffix, QString()});
    if (!chosen)
        return;
    const QString path = QDir(program_.workDir()).filePath(*chosen);
    if (saveMenuFile(path, image(), program_.ui()))
        program_.userFileUsed(UserFile::Menu, path);
}

// --- Tabs and activation.

void MenuPlanner::showCurrentMeal()
{
    const int day = currentDay();
    if (shownDay_ != day)
        dayPageChange(day);
    if (shownMeal_ != currentMeal_)
        mealTabChange(currentMeal_);
    if (totalsTab_ != totalsView_)
        totalsTabChange(totalsView_);
    // Nothing above fired for the first meal of the first day.
    if (day == 0 && currentMeal_ == 0)
        mealDisplay(0, 0);
    dayShowingLabel_ = DayNames.value(day);
}

void MenuPlanner::dayPageChange(int day)
{
    if (day < 0 || day >= DaysPerWeek)
        return;
    shownDay_ = day;
    mealDisplayNoSave(day, shownMeal_);
    program_.setCurrentDay(day);
    dayShowingLabel_ = DayNames.value(day);
    focusRequest_ = FocusTarget::FoodList;
    saveCurrentMenu();
}

void MenuPlanner::mealTabChange(int meal)
{
    if (meal < 0 || meal >= MealsPerDay)
        return;
    shownMeal_ = meal;
    mealDisplayNoSave(shownDay_, meal);
    currentMeal_ = meal;
    focusRequest_ = FocusTarget::FoodList;
    saveCurrentMenu();
}

void MenuPlanner::totalsTabChange(int view)
{
    if (view < 0 || view >= TotalsViewCount)
        return;
    mealTotals(shownDay_, shownMeal_, view);
    totalsTab_ = view;
    totalsView_ = view;
    // The "Selection" group has no Avg. Day: it shows the week.
    comparisonSync_ = true;
    comparison_ = view == AverageDayTotalsView ? WeekTotalsView : view;
    comparisonSync_ = false;
    saveCurrentMenu();
}

void MenuPlanner::comparisonClick(int item)
{
    if (comparisonSync_ || item < MealTotalsView || item > WeekTotalsView || item == totalsTab_)
        return;
    totalsTabChange(item);
}

// --- Panels.

void MenuPlanner::selected()
{
    const int row = foods_.selectedFoodRow();
    const FoodItem* item = row >= 0 ? &foods_.foodTable().rowItem(row) : nullptr;
    foodPanel_ = tolvane::foodPanel(item, foods_.servingsText(), target_.fat);
}

void MenuPlanner::mealDisplay(int day, int meal)
{
    mealDisplayNoSave(day, meal);
    saveCurrentMenu();
}

void MenuPlanner::mealDisplayNoSave(int day, int meal)
{
    mealList_ = mealLines(this->meal(day, meal));
    mealListSelection_ = -1;
    mealTotals(day, meal, totalsTab_);
}

void MenuPlanner::mealTotals(int day, int meal, int view)
{
    const MenuSums sums = sumMenu(week_, day, meal);
    menuPanel_ = tolvane::menuPanel(shownSums(sums, view), target_.fat);
    menuCalories_ = menuCaloriesText(sums);
    dayCalories_ = sums.day[static_cast<std::size_t>(Nutrient::Calories)];
}

} // namespace tolvane
