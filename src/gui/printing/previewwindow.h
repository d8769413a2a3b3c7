#pragma once
// The Print Preview window: the 800 x 1200 page images, one below the other,
// in a scrolling 640 x 480 window, with "&Print", "Print &Setup" and "&Exit"
// in its menu bar. One window serves the whole run; each preview redraws it.

#include "printing/printsurface.h"

#include <QDialog>
#include <QImage>
#include <vector>

class QLabel;
class QMenuBar;
class QScrollArea;

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

private:
    PreviewRequest request_;
    std::vector<QImage> pages_;
    QMenuBar* menuBar_;
    QScrollArea* scroll_;
};

} // namespace tolvane
