#pragma once
// How the print preview shows its pages: the scale of a page on the screen
// (a whole page in the window, the page's width, or steps in and out), where
// each page stands in the scrolled column of pages, and the size the window
// opens at so that a whole page shows.

#include <QSize>

namespace tolvane {

class PreviewZoom {
public:
    enum class Fit { Page, Width, None };
    static constexpr double MinScale = 0.1;
    static constexpr double MaxScale = 4.0;
    static constexpr double Step = 1.25;
    // Around and between the pages, in screen pixels.
    static constexpr int Margin = 8;
    static constexpr int Gap = 8;

    Fit fit() const { return fit_; }
    double scale() const { return scale_; }

    // "Fit Page", "Fit Width": the scale follows the view's size from now on.
    void fitPage(QSize view);
    void fitWidth(QSize view);
    // Ctrl++ and Ctrl+-: a step from the scale shown, kept when the view changes size.
    void zoomIn();
    void zoomOut();
    // The view changed size: a fitting scale follows it.
    void viewResized(QSize view);

    // A page on the screen, the column of `pages` pages, and a page's top in it.
    QSize pageSize() const;
    QSize columnSize(int pages) const;
    int pageTop(int page) const;
    // The page whose top is at or above `scrollTop`, and the tops Page Down
    // and Page Up scroll to.
    int pageAt(int scrollTop, int pages) const;
    int nextPageTop(int scrollTop, int pages) const;
    int previousPageTop(int scrollTop, int pages) const;

    // The window's size at opening: a whole page at up to 100%, the window
    // within nine tenths of the screen's `available` area; `chrome` is what
    // the window needs beside the view (menu, tool bar, frame, scroll bar).
    static QSize openingSize(QSize available, QSize chrome);

private:
    static double clamp(double scale);
    Fit fit_ = Fit::Page;
    double scale_ = 1.0;
};

} // namespace tolvane
