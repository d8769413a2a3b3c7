#include "guide/helpkey.h"

#include "shell/userinterface.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTabWidget>
#include <QWidget>

namespace tolvane {

int HelpKey::contextOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        // On a page control's tab bar the shown page is meant.
        if (const auto* tabs = qobject_cast<const QTabWidget*>(w); tabs && tabs->currentWidget()) {
            const int page = tabs->currentWidget()->property("helpContext").toInt();
            if (page > 0)
                return page;
        }
        const QVariant context = w->property("helpContext");
        if (context.isValid())
            return context.toInt();
        // A dialog without a context of its own does not borrow its owner's;
        // an open menu belongs to its window.
        if (w->isWindow() && !qobject_cast<const QMenu*>(w))
            break;
    }
    return 0;
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        watched->isWidgetType()) {
        const int context = contextOf(static_cast<QWidget*>(watched));
        if (context > 0) {
            ui_.showHelpTopic(context);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tolvane
