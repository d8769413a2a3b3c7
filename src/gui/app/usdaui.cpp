#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "reference/usdawindow.h"

#include <QLineEdit>

namespace tolvane {

void QtUserInterface::showAddFromUsda(AddFromUsda& behaviour)
{
    if (!usdaWindow_) {
        usdaWindow_ = new UsdaWindow(
            behaviour,
            [this] {
                if (auto* window = qobject_cast<MainWindow*>(parent_))
                    window->refresh();
            },
            parent_);
    }
    usdaWindow_->refresh();
    usdaWindow_->show();
    usdaWindow_->raise();
    usdaWindow_->activateWindow();
    usdaWindow_->searchField()->setFocus();
}

UsdaWindow* QtUserInterface::usdaWindow() const { return usdaWindow_; }

} // namespace tolvane
