#pragma once
// The Print Preview window: the 800 x 1200 page images, one below the other,
// in a scrolling window that opens showing a whole page, with "&Print",
// "Print &Setup" and "&Exit" in its menu bar and the zoom in a tool bar
// ("Fit Page" Ctrl+0, "Fit Width", "Zoom In" Ctrl++, "Zoom Out" Ctrl+-, the
// wheel with Ctrl); Page Up and Page Down go from page to page. The pages are
// drawn anew for each scale at the screen's pixel ratio. One window serves
// the whole run; each preview redraws it.

#include "printing/previewzoom.h"
#include "printing/printsurface.h"

#include <QDialog>
#include <QImage>
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

    // Draws the request's pages and takes its menu commands.
    void setRequest(const PreviewRequest& request);

    const std::vector<QImage>& pages() const { return pages_; }
    const QImage& page() const { return pages_.front(); }
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
    // Draws the pages at the zoom's scale and places them.
    void showPages();
    // The view the pages are shown in, less a scroll bar where the column is taller.
    QSize viewSize() const;

    PreviewRequest request_;
    std::vector<QImage> pages_;
    PreviewZoom zoom_;
    bool sized_ = false;
    QMenuBar* menuBar_;
    QToolBar* zoomBar_ = nullptr;
    QLabel* zoomText_ = nullptr;
    QScrollArea* scroll_;
};

} // namespace tolvane
