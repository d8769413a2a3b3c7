#pragma once
// F1 anywhere in the program opens the help topic of the window, page or
// message box that has the focus: the nearest "helpContext" property on the
// way from the focused widget up to its window.

#include <QObject>

class QWidget;

namespace tolvane {

class UserInterface;

class HelpKey : public QObject {
    Q_OBJECT
public:
    HelpKey(UserInterface& ui, QObject* parent) : QObject(parent), ui_(ui) {}

    // The help context for a widget; 0 when it has none.
    static int contextOf(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    UserInterface& ui_;
};

} // namespace tolvane
