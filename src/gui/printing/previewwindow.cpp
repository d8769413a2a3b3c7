#include "printing/previewwindow.h"

#include "printing/paintercanvas.h"

#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>
#include <deque>

namespace tolvane {

namespace {
constexpr int DotsPerMeterAt96Dpi = 3780;
constexpr int PageGap = 8;

// `ratio` device pixels to each pixel of the page: drawn for a zoomed screen.
QImage blankPage(qreal ratio = 1.0)
{
    QImage image(QSize(PreviewWidth, PreviewHeight) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(DotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(DotsPerMeterAt96Dpi);
    image.fill(Qt::white);
    return image;
}

// A canvas that turns to a fresh page image at each new page, keeping the
// pen, brush and font it had.
class PreviewCanvas : public PainterCanvas {
public:
    PreviewCanvas(QPainter& painter, std::deque<QImage>& pages)
        : PainterCanvas(painter), painter_(painter), pages_(pages)
    {
    }
    void newPage() override
    {
        const QPen pen = painter_.pen();
        const QBrush brush = painter_.brush();
        const QFont font = painter_.font();
        const qreal ratio = pages_.back().devicePixelRatio();
        painter_.end();
        pages_.push_back(blankPage(ratio));
        painter_.begin(&pages_.back());
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setPen(pen);
        painter_.setBrush(brush);
        painter_.setFont(font);
    }

private:
    QPainter& painter_;
    std::deque<QImage>& pages_;
};
} // namespace

std::vector<QImage> PreviewWindow::renderPages(const std::function<void(Canvas&)>& draw, qreal ratio)
{
    std::deque<QImage> pages{blankPage(ratio)};
    {
        QPainter painter(&pages.front());
        PreviewCanvas canvas(painter, pages);
        canvas.setBrushColor(colors::White);
        draw(canvas);
    }
    return {pages.begin(), pages.end()};
}

QImage PreviewWindow::render(const std::function<void(Canvas&)>& draw) { return renderPages(draw).front(); }

PreviewWindow::PreviewWindow(QWidget* parent) : QDialog(parent), pages_{blankPage()}
{
    setWindowTitle(QStringLiteral("Print Preview"));
    resize(640, 480);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    menuBar_ = new QMenuBar(this);
    layout->setMenuBar(menuBar_);
    QAction* print = menuBar_->addAction(QStringLiteral("&Print"));
    QAction* setup = menuBar_->addAction(QStringLiteral("Print &Setup"));
    QAction* exit = menuBar_->addAction(QStringLiteral("&Exit"));
    connect(print, &QAction::triggered, this, [this] {
        if (request_.print)
            request_.print();
    });
    connect(setup, &QAction::triggered, this, [this] {
        if (request_.printSetup)
            request_.printSetup();
    });
    connect(exit, &QAction::triggered, this, &QDialog::close);

    scroll_ = new QScrollArea(this);
    scroll_->setAccessibleName(QStringLiteral("Print Preview"));
    layout->addWidget(scroll_);
}

void PreviewWindow::setRequest(const PreviewRequest& request)
{
    request_ = request;
    pages_ = renderPages(request.draw);
    // On a zoomed screen the pages are drawn again at its pixel ratio, sharp
    // rather than enlarged.
    const qreal ratio = devicePixelRatioF();
    const std::vector<QImage> shown = ratio > 1.0 ? renderPages(request.draw, ratio) : pages_;
    // The pages stand one below the other, the first at left 7, top -1.
    const int count = static_cast<int>(pages_.size());
    auto* holder = new QWidget;
    holder->setFixedSize(7 + PreviewWidth, count * (PreviewHeight + PageGap) - PageGap - 1);
    for (int i = 0; i < count; ++i) {
        auto* image = new QLabel(holder);
        image->setGeometry(7, -1 + i * (PreviewHeight + PageGap), PreviewWidth, PreviewHeight);
        image->setPixmap(QPixmap::fromImage(shown[static_cast<std::size_t>(i)]));
        image->setAccessibleName(count == 1 ? QStringLiteral("Preview page")
                                            : QStringLiteral("Preview page %1 of %2").arg(i + 1).arg(count));
    }
    scroll_->setWidget(holder);  // replaces and deletes the earlier pages
}

} // namespace tolvane
