#pragma once
// The menu's printouts: the weekly menu and the shopping list on the preview
// window and on the printer, the daily menu on the printer, and printer
// set-up. Each printout asks its title through the user interface, draws its
// layout on the canvas it is given and keeps nothing afterwards.

#include "printing/printsurface.h"

#include <QDate>
#include <functional>

namespace tolvane {

class MenuPlanner;
class Program;

class MenuPrinting {
public:
    MenuPrinting(Program& program, MenuPlanner& menu);
    MenuPrinting(const MenuPrinting&) = delete;
    MenuPrinting& operator=(const MenuPrinting&) = delete;

    // What the preview window shows, and so what its "&Print" prints.
    enum class PreviewKind { ShoppingList = 0, Menu = 1 };
    PreviewKind previewKind() const { return previewKind_; }

    // "Menu Print Pre&view" and "&Print Menu".
    void printPreview();
    void printMenu();
    // "S&hopping List Preview" and "Print &Shopping List".
    void shoppingListPreview();
    void printShoppingList();
    // "Print &Day": the day shown in the menu planner, on one page.
    void printDay();
    // "P&rint Setup".
    void printSetup();
    // The preview window's "&Print": prints what the preview shows, from the
    // current week (the weekly menu asks for its title again).
    void previewPrint();

    // While the tutor demonstrates the menu preview, its own prompt stays in
    // the title dialog and the preview is shown without waiting. Each
    // activation of the main window ends it.
    void setTutorPreview(bool on) { tutorPreview_ = on; }
    bool tutorPreview() const { return tutorPreview_; }

    // Today's date, for the shopping list title and the daily menu.
    std::function<QDate()> today = [] { return QDate::currentDate(); };

private:
    PreviewRequest preview(std::function<void(Canvas&)> draw, bool modal);

    Program& program_;
    MenuPlanner& menu_;
    PreviewKind previewKind_ = PreviewKind::Menu;
    bool tutorPreview_ = false;
};

} // namespace tolvane
