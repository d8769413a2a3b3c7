#include "printing/previewzoom.h"

#include "printing/printsurface.h"

#include <algorithm>
#include <cmath>

namespace tolvane {

namespace {
int scaled(int length, double scale) { return static_cast<int>(std::lround(length * scale)); }
} // namespace

double PreviewZoom::clamp(double scale) { return std::clamp(scale, MinScale, MaxScale); }

void PreviewZoom::fitPage(QSize view)
{
    fit_ = Fit::Page;
    viewResized(view);
}

void PreviewZoom::fitWidth(QSize view)
{
    fit_ = Fit::Width;
    viewResized(view);
}

void PreviewZoom::zoomIn()
{
    fit_ = Fit::None;
    scale_ = clamp(scale_ * Step);
}

void PreviewZoom::zoomOut()
{
    fit_ = Fit::None;
    scale_ = clamp(scale_ / Step);
}

void PreviewZoom::viewResized(QSize view)
{
    const double across = static_cast<double>(view.width() - 2 * Margin) / PreviewWidth;
    const double down = static_cast<double>(view.height() - 2 * Margin) / PreviewHeight;
    // Rounded down to whole pixels of the page's size, so that the page fits.
    const auto fitting = [](double scale, int length) { return std::floor(scale * length) / length; };
    if (fit_ == Fit::Page)
        scale_ = clamp(std::min(fitting(across, PreviewWidth), fitting(down, PreviewHeight)));
    else if (fit_ == Fit::Width)
        scale_ = clamp(fitting(across, PreviewWidth));
}

QSize PreviewZoom::pageSize() const { return {scaled(PreviewWidth, scale_), scaled(PreviewHeight, scale_)}; }

QSize PreviewZoom::columnSize(int pages) const
{
    const QSize page = pageSize();
    const int count = std::max(pages, 1);
    return {page.width() + 2 * Margin, count * page.height() + (count - 1) * Gap + 2 * Margin};
}

int PreviewZoom::pageTop(int page) const { return Margin + page * (pageSize().height() + Gap); }

int PreviewZoom::pageAt(int scrollTop, int pages) const
{
    int page = 0;
    while (page + 1 < pages && pageTop(page + 1) <= scrollTop + Margin)
        ++page;
    return page;
}

// A page's top shows with the margin above it. Inside the last page there is
// no next top: the view stays (it never goes back up).
int PreviewZoom::nextPageTop(int scrollTop, int pages) const
{
    return std::max(scrollTop, pageTop(std::min(pageAt(scrollTop, pages) + 1, std::max(pages - 1, 0))) - Margin);
}

int PreviewZoom::previousPageTop(int scrollTop, int pages) const
{
    const int page = pageAt(scrollTop, pages);
    const int top = pageTop(page) - Margin;
    return scrollTop > top ? top : pageTop(std::max(page - 1, 0)) - Margin;
}

QSize PreviewZoom::openingSize(QSize available, QSize chrome)
{
    const double across = (available.width() * 0.9 - chrome.width() - 2 * Margin) / PreviewWidth;
    const double down = (available.height() * 0.9 - chrome.height() - 2 * Margin) / PreviewHeight;
    const double scale = std::clamp(std::min(across, down), MinScale, 1.0);
    return {scaled(PreviewWidth, scale) + 2 * Margin + chrome.width(),
            scaled(PreviewHeight, scale) + 2 * Margin + chrome.height()};
}

} // namespace tolvane
