#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "menu/nutrientwindow.h"

#include <QTreeWidget>

namespace tolvane {

void QtUserInterface::showNutrients(NutrientView& view)
{
    if (!nutrientWindow_) {
        nutrientWindow_ = new NutrientWindow(view, parent_);
        // It follows the selection, the week and the Calculators as the value panels do.
        if (auto* window = qobject_cast<MainWindow*>(parent_))
            QObject::connect(window, &MainWindow::refreshed, nutrientWindow_, [this] {
                if (nutrientWindow_->isVisible())
                    nutrientWindow_->refresh();
            });
    }
    nutrientWindow_->refresh();
    nutrientWindow_->show();
    nutrientWindow_->raise();
    nutrientWindow_->activateWindow();
    nutrientWindow_->list()->setFocus();
}

NutrientWindow* QtUserInterface::nutrientWindow() const
{
    return nutrientWindow_;
}

} // namespace tolvane
