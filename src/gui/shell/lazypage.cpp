#include "shell/lazypage.h"

#include <QResizeEvent>
#include <utility>

namespace tolvane {

LazyPage::LazyPage(Build build, std::function<void(PageWidget*)> built, QWidget* parent)
    : PageWidget(parent), build_(std::move(build)), built_(std::move(built))
{
}

PageWidget* LazyPage::page()
{
    if (!page_) {
        page_ = build_(this);
        page_->setGeometry(rect());
        // A child made while its parent is shown stays hidden until shown.
        page_->show();
        connect(page_, &PageWidget::stateChanged, this, &PageWidget::stateChanged);
        page_->refresh();
        if (built_)
            built_(page_);
    }
    return page_;
}

void LazyPage::refresh()
{
    if (page_)
        page_->refresh();
}

void LazyPage::resizeEvent(QResizeEvent* event)
{
    PageWidget::resizeEvent(event);
    if (page_)
        page_->setGeometry(rect());
}

void LazyPage::showEvent(QShowEvent* event)
{
    page();
    PageWidget::showEvent(event);
}

} // namespace tolvane
