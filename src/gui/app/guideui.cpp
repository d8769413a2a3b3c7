// The guiding part of the Qt user interface: the help viewer, the tutor and
// the information window.

#include "guide/helpwindow.h"
#include "guide/informationwindow.h"
#include "guide/tutordialog.h"
#include "menu/menuplannerpage.h"
#include "menu/servingsedit.h"
#include "app/mainwindow.h"
#include "app/qtuserinterface.h"

#include <QApplication>

namespace tolvane {

HelpWindow* QtUserInterface::helpWindow() const { return help_; }

void QtUserInterface::showHelpTopic(int helpContext)
{
    if (!help_)
        help_ = new HelpWindow(parent_);
    if (!help_->showTopic(helpContext)) {
        showMessage(Message::plain(QStringLiteral("There is no help topic %1.").arg(helpContext),
                                   QStringLiteral("Help"), Icon::Information, only(Button::Ok)));
        return;
    }
    // Asked from a modal dialog or message box, the viewer must take input
    // itself: it is modal on top of it until closed. From the main window it
    // stays beside it.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != help_ ? Qt::ApplicationModal : Qt::NonModal;
    if (help_->windowModality() != wanted) {
        help_->hide();
        help_->setWindowModality(wanted);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void QtUserInterface::showTutor(Tutor& tutor)
{
    refreshWindow();
    TutorDialog dialog(tutor, [this] { refreshWindow(); }, parent_);
    dialog.exec();
}

void QtUserInterface::showInformation(Information& information)
{
    refreshWindow();
    InformationWindow window(information, parent_);
    window.exec();
}

void QtUserInterface::focusServings()
{
    auto* window = qobject_cast<MainWindow*>(parent_);
    if (!window)
        return;
    refreshWindow();
    if (auto* planner = qobject_cast<MenuPlannerPage*>(window->page(MenuPlannerPageIndex)))
        planner->servings()->setFocus();
}

} // namespace tolvane
