#include "printing/previewwindow.h"

#include "printing/paintercanvas.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QToolBar>
#include <QWheelEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>
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
    setSizeGripEnabled(true);
    resize(640, 480);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
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

    addZoomBar();
    layout->addWidget(zoomBar_);
    scroll_ = new QScrollArea(this);
    scroll_->setAccessibleName(QStringLiteral("Print Preview"));
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->viewport()->installEventFilter(this);
    layout->addWidget(scroll_);
    addPageKeys();
}

void PreviewWindow::addZoomBar()
{
    zoomBar_ = new QToolBar(QStringLiteral("Zoom"), this);
    zoomBar_->setAccessibleName(QStringLiteral("Zoom"));
    const auto add = [this](const QString& text, const QList<QKeySequence>& keys, auto change) {
        QAction* action = zoomBar_->addAction(text);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        if (!keys.isEmpty())
            action->setToolTip(QStringLiteral("%1 (%2)").arg(text, keys.front().toString(QKeySequence::NativeText)));
        connect(action, &QAction::triggered, this, [this, change] {
            change();
            showPages();
        });
    };
    add(QStringLiteral("Fit Page"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { zoom_.fitPage(viewSize()); });
    add(QStringLiteral("Fit Width"), {}, [this] { zoom_.fitWidth(viewSize()); });
    add(QStringLiteral("Zoom In"), {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        [this] { zoom_.zoomIn(); });
    add(QStringLiteral("Zoom Out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { zoom_.zoomOut(); });
    zoomBar_->addSeparator();
    zoomText_ = new QLabel(zoomBar_);
    zoomText_->setAccessibleName(QStringLiteral("Zoom"));
    zoomBar_->addWidget(zoomText_);
}

void PreviewWindow::addPageKeys()
{
    QScrollBar* bar = scroll_->verticalScrollBar();
    auto* down = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(down, &QShortcut::activated, this,
            [this, bar] { bar->setValue(zoom_.nextPageTop(bar->value(), static_cast<int>(pages_.size()))); });
    auto* up = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    connect(up, &QShortcut::activated, this,
            [this, bar] { bar->setValue(zoom_.previousPageTop(bar->value(), static_cast<int>(pages_.size()))); });
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == scroll_->viewport()) {
        if (event->type() == QEvent::Resize && zoom_.fit() != PreviewZoom::Fit::None) {
            const double before = zoom_.scale();
            zoom_.viewResized(viewSize());
            if (zoom_.scale() != before)
                showPages();
        } else if (event->type() == QEvent::Wheel) {
            const auto* wheel = static_cast<QWheelEvent*>(event);
            if (wheel->modifiers() & Qt::ControlModifier) {
                if (wheel->angleDelta().y() > 0)
                    zoom_.zoomIn();
                else if (wheel->angleDelta().y() < 0)
                    zoom_.zoomOut();
                showPages();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

QSize PreviewWindow::viewSize() const
{
    const int frame = 2 * scroll_->frameWidth();
    QSize view = scroll_->size() - QSize(frame, frame);
    // A column of several pages, or one wider than the view, scrolls.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
    if (pages_.size() > 1 || zoom_.fit() == PreviewZoom::Fit::Width)
        view.rwidth() -= bar;
    return view;
}

QList<QLabel*> PreviewWindow::pageWidgets() const
{
    return scroll_->widget() ? scroll_->widget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly) : QList<QLabel*>();
}

void PreviewWindow::setRequest(const PreviewRequest& request)
{
    request_ = request;
    pages_ = renderPages(request.draw);
    if (!sized_) {
        // The first preview opens with room for a whole page.
        sized_ = true;
        const int frame = 2 * scroll_->frameWidth();
        const QSize chrome(frame + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_),
                           frame + menuBar_->sizeHint().height() + zoomBar_->sizeHint().height());
        const QScreen* screen = this->screen();
        if (screen)
            resize(PreviewZoom::openingSize(screen->availableSize(), chrome));
        layout()->activate();
    }
    zoom_.fitPage(viewSize());
    showPages();
}

void PreviewWindow::showPages()
{
    zoomText_->setText(QStringLiteral("%1%").arg(std::lround(zoom_.scale() * 100)));
    // Drawn anew for the scale and the screen's pixel ratio: sharp, not enlarged.
    const qreal screenRatio = devicePixelRatioF();
    std::vector<QImage> shown = renderPages(request_.draw, zoom_.scale() * screenRatio);
    const int count = static_cast<int>(shown.size());
    const QSize page = zoom_.pageSize();
    auto* holder = new QWidget;
    holder->setFixedSize(zoom_.columnSize(count));
    for (int i = 0; i < count; ++i) {
        QImage& image = shown[static_cast<std::size_t>(i)];
        image.setDevicePixelRatio(screenRatio);
        auto* label = new QLabel(holder);
        label->setGeometry(PreviewZoom::Margin, zoom_.pageTop(i), page.width(), page.height());
        label->setPixmap(QPixmap::fromImage(image));
        label->setAccessibleName(count == 1 ? QStringLiteral("Preview page")
                                            : QStringLiteral("Preview page %1 of %2").arg(i + 1).arg(count));
    }
    const int top = scroll_->verticalScrollBar()->value();
    scroll_->setWidget(holder);  // replaces and deletes the earlier pages
    scroll_->verticalScrollBar()->setValue(top);
}

} // namespace tolvane
