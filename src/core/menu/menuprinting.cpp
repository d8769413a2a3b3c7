#include "menu/menuprinting.h"

#include "menu/menuplanner.h"
#include "menu/dayprintout.h"
#include "menu/menuprintout.h"
#include "shell/printout.h"
#include "menu/shoppinglist.h"
#include "shell/program.h"
#include "storage/daytext.h"

namespace tolvane {

namespace {
// The title box holds at most 30 characters, whatever the dialog returned.
std::optional<QString> askTitle(UserInterface& ui, const TitlePrompt& prompt)
{
    std::optional<QString> title = ui.askTitle(prompt);
    if (title)
        title = title->left(TitleMaxLength);
    return title;
}
} // namespace

MenuPrinting::MenuPrinting(Program& program, MenuPlanner& menu) : program_(program), menu_(menu)
{
    program_.setHandler(Command::MenuPrintPreview, [this] { printPreview(); });
    program_.setHandler(Command::PrintMenu, [this] { printMenu(); });
    program_.setHandler(Command::ShoppingListPreview, [this] { shoppingListPreview(); });
    program_.setHandler(Command::PrintShoppingList, [this] { printShoppingList(); });
    program_.setHandler(Command::PrintDay, [this] { printDay(); });
    program_.setHandler(Command::PrintSetup, [this] { printSetup(); });
    program_.hooks.clearTutorPreview = [this] { tutorPreview_ = false; };
}

PreviewRequest MenuPrinting::preview(std::function<void(Canvas&)> draw, bool modal)
{
    PreviewRequest request;
    request.draw = std::move(draw);
    request.print = [this] { previewPrint(); };
    request.printSetup = [this] { printSetup(); };
    request.modal = modal;
    return request;
}

void MenuPrinting::printPreview()
{
    previewKind_ = PreviewKind::Menu;
    TitlePrompt prompt = menuTitlePrompt();
    if (tutorPreview_)
        prompt.prompt.clear();  // the tutor's own prompt stays in the dialog
    const std::optional<QString> title = askTitle(program_.ui(), prompt);
    if (!title)
        return;
    const Week week = menu_.week();
    program_.ui().showPrintPreview(
        preview([week, t = *title](Canvas& canvas) { drawMenuPreview(canvas, week, t); }, !tutorPreview_));
}

void MenuPrinting::printMenu()
{
    const std::optional<QString> title = askTitle(program_.ui(), menuTitlePrompt());
    if (!title)
        return;
    runPrintout(program_.ui(), program_.preferences(), PageOrientation::Portrait, *title,
                [&](Canvas& canvas, const PageMetrics& page) {
                    drawMenuPage(canvas, page, menu_.week(), *title);
                });
}

void MenuPrinting::shoppingListPreview()
{
    previewKind_ = PreviewKind::ShoppingList;
    const ShoppingList list = shoplistprep(menu_.week());
    const QString title = shoppingListTitle(today());
    program_.ui().showPrintPreview(
        preview([list, title](Canvas& canvas) { drawShoppingListPreview(canvas, list, title); }, true));
}

void MenuPrinting::printShoppingList()
{
    const ShoppingList list = shoplistprep(menu_.week());
    const QString title = shoppingListTitle(today());
    runPrintout(program_.ui(), program_.preferences(), PageOrientation::Portrait, title,
                [&](Canvas& canvas, const PageMetrics& page) {
                    drawShoppingListPage(canvas, page, list, title);
                });
}

void MenuPrinting::printDay()
{
    const int day = menu_.currentDay();
    const std::optional<QString> title = askTitle(program_.ui(), dayTitlePrompt(day));
    if (!title)
        return;
    const QString printedOn = formatShortDate(today());
    runPrintout(program_.ui(), program_.preferences(), PageOrientation::Portrait, *title,
                [&](Canvas& canvas, const PageMetrics& page) {
                    drawDayPage(canvas, page, menu_.week(), day, *title, printedOn);
                });
}

void MenuPrinting::printSetup() { program_.ui().printSetup(); }

void MenuPrinting::previewPrint()
{
    if (previewKind_ == PreviewKind::Menu)
        printMenu();
    else
        printShoppingList();
}

} // namespace tolvane
