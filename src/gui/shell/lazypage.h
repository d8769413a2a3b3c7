#pragma once
// A page of the main window that is built the first time it is shown or asked
// for, so that a start builds only the page it shows. Until then it holds
// nothing; afterwards it holds the page, filling it.

#include "shell/pagewidget.h"

#include <functional>

namespace tolvane {

class LazyPage : public PageWidget {
    Q_OBJECT
public:
    // Builds the page as a child of the given widget.
    using Build = std::function<PageWidget*(QWidget* parent)>;
    // `built` hears of the page once it exists.
    LazyPage(Build build, std::function<void(PageWidget*)> built, QWidget* parent = nullptr);

    // The page, built now if it was not yet.
    PageWidget* page();
    bool isBuilt() const { return page_ != nullptr; }
    // Refreshes the page once it is built; a page not built yet shows the
    // program's state when it is.
    void refresh() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Build build_;
    std::function<void(PageWidget*)> built_;
    PageWidget* page_ = nullptr;
};

} // namespace tolvane
