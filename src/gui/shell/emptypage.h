#pragma once

#include "shell/pagewidget.h"

namespace tolvane {

// A page whose contents are still to come.
class EmptyPage : public PageWidget {
    Q_OBJECT
public:
    using PageWidget::PageWidget;
    void refresh() override {}
};

} // namespace tolvane
