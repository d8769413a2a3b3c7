#pragma once
// The Print Preview window: the 800 x 1200 page image in a scrolling
// 640 x 480 window, with "&Print", "Print &Setup" and "&Exit" in its menu bar.

#include "printing/printsurface.h"

#include <QDialog>
#include <QImage>

class QLabel;
class QMenuBar;

namespace tolvane {

class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit PreviewWindow(const PreviewRequest& request, QWidget* parent = nullptr);

    // The page image that `draw` paints: white, 800 x 1200, at the screen's
    // 96 dots per inch so point sizes come out as on screen.
    static QImage render(const std::function<void(Canvas&)>& draw);

    const QImage& page() const { return page_; }
    QMenuBar* menuBar() const { return menuBar_; }

private:
    PreviewRequest request_;
    QImage page_;
    QMenuBar* menuBar_;
};

} // namespace tolvane
