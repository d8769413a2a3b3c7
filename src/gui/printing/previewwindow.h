#pragma once
// The Print Preview window: the 800 x 1200 page images, one below the other,
// in a scrolling window that opens showing a whole page, with "&Print",
// "Print &Setup" and "&Exit" in its menu bar and the zoom in a tool bar
// ("Fit Page" Ctrl+0, "Fit Width", "Zoom In" Ctrl++, "Zoom Out" Ctrl+-, the
// wheel with Ctrl); Page Up and Page Down go from page to page. A page is
// drawn when it first comes into view, at the scale shown and the screen's
// pixel ratio, and kept for that scale: opening shows the first page without
// drawing the others, and zooming back to a scale shown before draws nothing.
// One window serves the whole run; each preview starts it afresh.

#include "printing/previewzoom.h"
#include "printing/printsurface.h"

#include <QDialog>
#include <QImage>
#include <deque>
#include <vector>

class QLabel;
class QMenuBar;
class QScrollArea;
class QToolBar;

namespace tolvane {

class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget* parent = nullptr);

    // The page images that `draw` paints, a further one at each new page:
    // white, 800 x 1200, at the screen's 96 dots per inch so point sizes come
    // out as on screen. With `ratio` above 1 each image has that many device
    // pixels to a page pixel (the same page, drawn for a zoomed screen).
    static std::vector<QImage> renderPages(const std::function<void(Canvas&)>& draw, qreal ratio = 1.0);
    // The first of them.
    static QImage render(const std::function<void(Canvas&)>& draw);
    // Page `index` alone (-1: none): `draw` runs whole, only that page's
    // figures reach the image. `pageCount`, when given, learns the pages.
    static QImage renderPage(const std::function<void(Canvas&)>& draw, int index, qreal ratio, int* pageCount = nullptr);

    // Shows the request's first page and takes its menu commands.
    void setRequest(const PreviewRequest& request);

    int pageCount() const { return pageCount_; }
    // A page of the request at 100%, drawn anew (the shown ones are at the zoom's scale).
    QImage pageImage(int index) const;
    QMenuBar* menuBar() const { return menuBar_; }
    QToolBar* zoomBar() const { return zoomBar_; }
    QScrollArea* scrollArea() const { return scroll_; }
    // The page widgets as shown, one per page.
    QList<QLabel*> pageWidgets() const;
    const PreviewZoom& zoom() const { return zoom_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addZoomBar();
    void addPageKeys();
    // Places the pages at the zoom's scale and draws the ones in view.
    void showPages();
    // Draws the pages in view that are not drawn yet, or takes them from the kept ones.
    void drawShownPages();
    std::vector<QImage>& keptPages(qreal ratio);
    // The view the pages are shown in, less a scroll bar where the column is taller.
    QSize viewSize() const;

    PreviewRequest request_;
    int pageCount_ = 1;
    // The pages drawn at the last few ratios, the latest first; a null image is not drawn yet.
    struct KeptPages {
        qreal ratio;
        std::vector<QImage> pages;
    };
    std::deque<KeptPages> kept_;
    std::vector<bool> pageShown_;
    PreviewZoom zoom_;
    bool sized_ = false;
    QMenuBar* menuBar_;
    QToolBar* zoomBar_ = nullptr;
    QLabel* zoomText_ = nullptr;
    QScrollArea* scroll_;
};

} // namespace tolvane
