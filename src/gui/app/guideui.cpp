// The guiding part of the Qt user interface: the help viewer, the tutor and
// the information window.

#include "guide/helptopics.h"
#include "guide/helpwindow.h"
#include "guide/informationwindow.h"
#include "guide/tutordialog.h"
#include "menu/menuplannerpage.h"
#include "menu/servingsedit.h"
#include "app/mainwindow.h"
#include "app/qtuserinterface.h"

#include <QApplication>
#include <QScreen>

namespace tolvane {

HelpWindow* QtUserInterface::helpWindow() const { return help_; }

void QtUserInterface::showHelpTopic(int helpContext)
{
    if (!help_)
        help_ = new HelpWindow(parent_);
    if (!help_->open(helpContext)) {
        showMessage(Message::plain(QStringLiteral("There is no help topic %1.").arg(helpContext),
                                   QStringLiteral("Help"), Icon::Information, only(Button::Ok)));
        return;
    }
    // Asked from a modal dialog or message box, the viewer must take input
    // itself: it is modal on top of it until closed. From the main window it
    // stays beside it.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != help_ ? Qt::ApplicationModal : Qt::NonModal;
    // Asked from inside the viewer (F1 there), it keeps the modality it has.
    if (modal != help_ && help_->windowModality() != wanted) {
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
    dialog.setProperty("helpContext", StartingHelpContext);
    tutorDialog_ = &dialog;
    dialog.exec();
}

void QtUserInterface::showTutorStep(Tutor&)
{
    if (!tutorDialog_)
        return;
    tutorDialog_->showStep();
    // Painted now: the window the step opens next comes after it.
    if (parent_)
        parent_->repaint();
    tutorDialog_->repaint();
}

void QtUserInterface::keepClearOfTutor(QWidget* dialog) const
{
    if (!tutorDialog_ || !tutorDialog_->isVisible()) {
        dialog->setAttribute(Qt::WA_Moved, false);
        return;
    }
    constexpr int Gap = 8;
    const QRect tutor = tutorDialog_->frameGeometry();
    // Its own frame is not known before it is shown: the tutor's is alike.
    const QSize size = dialog->size() + (tutor.size() - tutorDialog_->size());
    const QScreen* screen = tutorDialog_->screen();
    const QRect free = screen ? screen->availableGeometry() : tutor.adjusted(-10000, -10000, 10000, 10000);
    QPoint place(tutor.right() + 1 + Gap, tutor.top());  // to the right
    if (place.x() + size.width() > free.right() + 1)
        place.setX(tutor.left() - Gap - size.width());  // to the left
    if (place.x() < free.left())
        place = QPoint(tutor.left(), tutor.top() - Gap - size.height());  // above
    dialog->move(place);
}

void QtUserInterface::whenMainWindowShown(std::function<void()> action)
{
    if (auto* window = qobject_cast<MainWindow*>(parent_))
        window->whenShown(std::move(action));
    else
        action();
}

void QtUserInterface::showInformation(Information& information)
{
    refreshWindow();
    InformationWindow window(information, parent_);
    window.setProperty("helpContext", StartingHelpContext);
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
