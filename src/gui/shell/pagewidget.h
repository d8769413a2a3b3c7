#pragma once

#include <QWidget>

namespace tolvane {

// One page of the main window. After every event the main window asks each
// page to show the program's state anew; a page's own events end with
// stateChanged(), which does the same.
class PageWidget : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void refresh() = 0;

signals:
    // The user changed something on the page: the whole window shows it.
    void stateChanged();
};

} // namespace tolvane
