#include "guide/tutor.h"

#include "guide/guidewindows.h"
#include "menu/menuprinting.h"
#include "shell/program.h"

namespace tolvane {

namespace {
struct StepPlace {
    bool moves;
    int top;
    int left;
};
// Where steps 2 to 14 put the tutor, relative to the main window; a step that
// does not move keeps the earlier place, and step 3 moves it down only.
constexpr int Unchanged = -1;
constexpr StepPlace StepPlaces[] = {
    {false, 0, 0},           // 2
    {true, 250, Unchanged},  // 3
    {true, 300, 220},        // 4
    {true, 280, 300},        // 5
    {true, 75, 25},          // 6
    {true, 100, 300},        // 7
    {true, 30, 375},         // 8
    {true, 100, 30},         // 9
    {true, 240, 200},        // 10
    {true, 300, 0},          // 11
    {true, 250, 350},        // 12
    {false, 0, 0},           // 13
    {true, 100, 250},        // 14
};
constexpr int FirstStep = 2;
constexpr int LastStep = 14;
} // namespace

const QString& Tutor::caption()
{
    static const QString value = QStringLiteral("Tutor");
    return value;
}

const QStringList& Tutor::texts()
{
    static const QStringList value = {
        QStringLiteral("The food item list to the left, contains all of the foods that are in your database.  You can "
                       "have up to 2000 items."),
        QStringLiteral("Items are moved from the food list to the menu or recipe planner by draging and dropping. "
                       "Select a food item, enter the number of servings and then drag to the menu day and meal."),
        QStringLiteral("The values shown to the left are for a single food item modified by the number of servings."),
        QStringLiteral("The number of servings needs to be entered before a food item is dropped on the menu, the "
                       "default value is 1 serving.  When the food item list is in focus the + and - key will change "
                       "the number of servings by a whole number."),
        QStringLiteral("Items that have been dropped on the trash can from the food item or menu list will be deleted."),
        QStringLiteral("The menu planner, to the right, allows you to select a day and a meal.  Items dropped for that "
                       "day and meal will become part of the current menu."),
        QStringLiteral("The values below show the food component values for a meal, day, week, or daily average."),
        QStringLiteral("This area to the left contains the speed buttons.  All buttons have hints so if you put the "
                       "cursor on a button it will tell you what it does."),
        QStringLiteral("The weight graph data is loaded from a file for each program user. It allows you to create a "
                       "plan and graph your progress toward that goal."),
        QStringLiteral("The RDA comparison, compares your menus to the Recommended Daily Allowances."),
        QStringLiteral("The preview screen allows you to see your printed output before it is sent to the printer. "
                       "Click OK on the menu title to see the output."),
        QStringLiteral("The program uses context sensitive helps, so by pressing F1 you will call up the help file with "
                       "pertinent information applicable to the view."),
        QStringLiteral("These are just the basic features of the program.  See the Help file for a complete "
                       "description of the capabilities."),
    };
    return value;
}

Tutor::Tutor(Program& program, GuideWindows& windows, MenuPrinting& printing)
    : program_(program), windows_(windows), printing_(printing), information_(program.ui(), program.workDir())
{
    program_.setHandler(Command::Tutor, [this] { open(); });
    // The first start's tutor points at the main window: it waits until the
    // window is really there.
    program_.hooks.openTutor = [this] { program_.ui().whenMainWindowShown([this] { open(); }); };
}

void Tutor::place(int top, int left)
{
    top_ = program_.windowTop() + top;
    left_ = program_.windowLeft() + left;
}

void Tutor::showPage(int page)
{
    if (program_.currentPage() != page)
        program_.pageControlChange(page);
}

void Tutor::open()
{
    if (open_)
        return;
    text_ = texts().at(0);
    step_ = FirstStep;
    place(100, 250);
    open_ = true;
    focusRequest_ = false;
    windows_.showTutor(*this);
    close();  // the window is gone, whichever way it went
    windows_.showInformation(information_);
}

void Tutor::pressNext()
{
    if (!open_)
        return;
    text_.clear();
    const int step = step_;
    if (step < FirstStep || step > LastStep)
        return;
    const StepPlace& at = StepPlaces[step - FirstStep];
    if (at.moves) {
        top_ = program_.windowTop() + at.top;
        if (at.left != Unchanged)
            left_ = program_.windowLeft() + at.left;
    }
    if (step == LastStep) {
        step_ = FirstStep;
        close();
        return;
    }
    text_ = texts().at(step - 1);
    switch (step) {
    case 9: showPage(WeightPageIndex); break;
    case 10: showPage(RdaPageIndex); break;
    case 11:
        showPage(MenuPlannerPageIndex);
        printing_.setTutorPreview(true);
        // Text 11 tells what to do in the title prompt: it is on the screen first.
        windows_.showTutorStep(*this);
        printing_.printPreview();
        break;
    case 12:
        printing_.setTutorPreview(false);
        program_.ui().closePrintPreview();
        break;
    case 13: printing_.setTutorPreview(false); break;
    default: break;
    }
    ++step_;
    if (step >= 9)
        focusRequest_ = true;
}

void Tutor::close()
{
    if (!open_)
        return;
    open_ = false;
    printing_.setTutorPreview(false);
    showPage(MenuPlannerPageIndex);
    program_.ui().focusServings();
}

bool Tutor::takeFocusRequest()
{
    const bool request = focusRequest_;
    focusRequest_ = false;
    return request;
}

} // namespace tolvane
