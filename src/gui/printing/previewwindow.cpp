#include "printing/previewwindow.h"

#include "printing/paintercanvas.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QShortcut>
#include <QStyle>
#include <QToolBar>
#include <QWheelEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>
#include <algorithm>

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

// A canvas that draws one page of a printout and passes over the others: the
// printout lays out every page (its pen, font and clip go on as they would),
// only the chosen page's figures and texts reach the painter.
class PageCanvas : public PainterCanvas {
public:
    PageCanvas(QPainter& painter, int shown) : PainterCanvas(painter), shown_(shown) {}
    int pages() const { return page_ + 1; }

    void textOut(int x, int y, const QString& text) override
    {
        if (drawing())
            PainterCanvas::textOut(x, y, text);
    }
    void textOutEach(const std::vector<QPoint>& at, const QString& text) override
    {
        if (drawing())
            PainterCanvas::textOutEach(at, text);
    }
    void lineTo(int x, int y) override
    {
        if (drawing())
            PainterCanvas::lineTo(x, y);
        else
            PainterCanvas::moveTo(x, y);
    }
    void rectangle(int x1, int y1, int x2, int y2) override
    {
        if (drawing())
            PainterCanvas::rectangle(x1, y1, x2, y2);
    }
    void fillRect(int x1, int y1, int x2, int y2) override
    {
        if (drawing())
            PainterCanvas::fillRect(x1, y1, x2, y2);
    }
    void ellipse(int x1, int y1, int x2, int y2) override
    {
        if (drawing())
            PainterCanvas::ellipse(x1, y1, x2, y2);
    }
    void pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override
    {
        if (drawing())
            PainterCanvas::pie(x1, y1, x2, y2, x3, y3, x4, y4);
    }
    // A new page starts without a clip, as a fresh sheet does.
    void newPage() override
    {
        ++page_;
        PainterCanvas::clearClip();
    }

private:
    bool drawing() const { return page_ == shown_; }
    int shown_;
    int page_ = 0;
};

// The preview keeps the pages of this many scales.
constexpr std::size_t KeptScales = 3;
} // namespace

QImage PreviewWindow::renderPage(const std::function<void(Canvas&)>& draw, int index, qreal ratio, int* pageCount)
{
    QImage image = blankPage(ratio);
    QPainter painter(&image);
    PageCanvas canvas(painter, index);
    canvas.setBrushColor(colors::White);
    draw(canvas);
    if (pageCount)
        *pageCount = canvas.pages();
    return image;
}

std::vector<QImage> PreviewWindow::renderPages(const std::function<void(Canvas&)>& draw, qreal ratio)
{
    int count = 1;
    std::vector<QImage> pages{renderPage(draw, 0, ratio, &count)};
    for (int i = 1; i < count; ++i)
        pages.push_back(renderPage(draw, i, ratio));
    return pages;
}

QImage PreviewWindow::render(const std::function<void(Canvas&)>& draw) { return renderPage(draw, 0, 1.0); }

QImage PreviewWindow::pageImage(int index) const { return renderPage(request_.draw, index, 1.0); }

PreviewWindow::PreviewWindow(QWidget* parent) : QDialog(parent)
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
    connect(scroll_->verticalScrollBar(), &QScrollBar::valueChanged, this, &PreviewWindow::drawShownPages);
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
            [this, bar] { bar->setValue(zoom_.nextPageTop(bar->value(), pageCount_)); });
    auto* up = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    connect(up, &QShortcut::activated, this,
            [this, bar] { bar->setValue(zoom_.previousPageTop(bar->value(), pageCount_)); });
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == scroll_->viewport()) {
        if (event->type() == QEvent::Resize) {
            const double before = zoom_.scale();
            zoom_.viewResized(viewSize());
            if (zoom_.scale() != before)
                showPages();
            else
                drawShownPages();  // a taller view may show a further page
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
    if (pageCount_ > 1 || zoom_.fit() == PreviewZoom::Fit::Width)
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
    kept_.clear();
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
    // The first page is drawn at the scale that fits as many pages as the
    // last preview had; the pass that draws it counts this preview's pages.
    // Where the count changes the scale, the first page is drawn once more.
    zoom_.fitPage(viewSize());
    const qreal ratio = zoom_.scale() * devicePixelRatioF();
    QImage first = renderPage(request_.draw, 0, ratio, &pageCount_);
    first.setDevicePixelRatio(devicePixelRatioF());
    keptPages(ratio).front() = first;
    zoom_.fitPage(viewSize());
    showPages();
}

std::vector<QImage>& PreviewWindow::keptPages(qreal ratio)
{
    const auto same = std::find_if(kept_.begin(), kept_.end(), [&](const KeptPages& k) { return qFuzzyCompare(k.ratio, ratio); });
    if (same != kept_.end()) {
        std::rotate(kept_.begin(), same, same + 1);
    } else {
        kept_.push_front({ratio, std::vector<QImage>(static_cast<std::size_t>(pageCount_))});
        if (kept_.size() > KeptScales)
            kept_.pop_back();
    }
    return kept_.front().pages;
}

void PreviewWindow::showPages()
{
    zoomText_->setText(QStringLiteral("%1%").arg(std::lround(zoom_.scale() * 100)));
    const QSize page = zoom_.pageSize();
    auto* holder = new QWidget;
    holder->setFixedSize(zoom_.columnSize(pageCount_));
    for (int i = 0; i < pageCount_; ++i) {
        auto* label = new QLabel(holder);
        label->setGeometry(PreviewZoom::Margin, zoom_.pageTop(i), page.width(), page.height());
        label->setAccessibleName(pageCount_ == 1 ? QStringLiteral("Preview page")
                                                 : QStringLiteral("Preview page %1 of %2").arg(i + 1).arg(pageCount_));
    }
    pageShown_.assign(static_cast<std::size_t>(pageCount_), false);
    QScrollBar* bar = scroll_->verticalScrollBar();
    const int top = bar->value();
    {
        const QSignalBlocker quiet(bar);  // the pages are drawn once, below
        scroll_->setWidget(holder);      // replaces and deletes the earlier pages
        bar->setValue(top);
    }
    drawShownPages();
}

void PreviewWindow::drawShownPages()
{
    const QList<QLabel*> labels = pageWidgets();
    if (labels.size() != pageCount_)
        return;
    // Drawn for the scale and the screen's pixel ratio: sharp, not enlarged.
    const qreal screenRatio = devicePixelRatioF();
    const qreal ratio = zoom_.scale() * screenRatio;
    const int top = scroll_->verticalScrollBar()->value();
    const int bottom = top + scroll_->viewport()->height();
    for (int i = zoom_.pageAt(top, pageCount_); i < pageCount_ && zoom_.pageTop(i) < bottom; ++i) {
        if (pageShown_[static_cast<std::size_t>(i)])
            continue;
        QImage& image = keptPages(ratio)[static_cast<std::size_t>(i)];
        if (image.isNull()) {
            image = renderPage(request_.draw, i, ratio);
            image.setDevicePixelRatio(screenRatio);
        }
        labels[i]->setPixmap(QPixmap::fromImage(image));
        pageShown_[static_cast<std::size_t>(i)] = true;
    }
}

} // namespace tolvane
