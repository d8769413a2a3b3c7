#include "menu/trashcan.h"

#include "food/dragpayload.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace tolvane {

namespace {
constexpr int Side = 50;
const QString Hint = QStringLiteral("Trash Can");

// The can's body: a tapering bin with ribs.
void drawBody(QPainter& p)
{
    QPainterPath body;
    body.moveTo(12, 18);
    body.lineTo(38, 18);
    body.lineTo(35, 46);
    body.lineTo(15, 46);
    body.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(QColor(150, 155, 160));
    p.drawPath(body);
    p.setPen(QPen(QColor(90, 95, 100), 1.5));
    for (int x : {19, 25, 31})
        p.drawLine(QPointF(x, 22), QPointF(x + (x - 25) * 0.1, 42));
}

// Drawn at the screen's pixel ratio, so the can stays sharp at every zoom.
QPixmap drawPicture(bool open, qreal ratio = 1.0)
{
    QPixmap pixmap(QSize(Side, Side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    drawBody(p);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(QColor(120, 125, 130));
    if (open) {
        // The lid stands up on its hinge at the right; the dark inside shows.
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(QRectF(12, 15, 26, 6));
        p.setBrush(QColor(120, 125, 130));
        p.save();
        p.translate(38, 16);
        p.rotate(-70);
        p.drawRoundedRect(QRectF(-28, -4, 28, 4), 1.5, 1.5);
        p.drawRect(QRectF(-17, -7, 6, 3));
        p.restore();
    } else {
        p.drawRoundedRect(QRectF(10, 13, 30, 5), 1.5, 1.5);
        p.drawRect(QRectF(21, 9, 8, 4));
    }
    return pixmap;
}
} // namespace

TrashCan::TrashCan(DragSource source, QWidget* parent) : QWidget(parent), source_(source)
{
    resize(Side, Side);
    setAcceptDrops(true);
    setToolTip(Hint);
    setAccessibleName(Hint);
    setAccessibleDescription(QStringLiteral("closed"));
}

const QPixmap& TrashCan::closedPicture()
{
    static const QPixmap picture = drawPicture(false);
    return picture;
}

const QPixmap& TrashCan::openPicture()
{
    static const QPixmap picture = drawPicture(true);
    return picture;
}

void TrashCan::setOpen(bool open)
{
    if (open == open_)
        return;
    open_ = open;
    setAccessibleDescription(open ? QStringLiteral("open") : QStringLiteral("closed"));
    update();
}

QPixmap TrashCan::picture(bool open, qreal ratio)
{
    if (ratio == 1.0)
        return open ? openPicture() : closedPicture();
    // The last ratio's pair: a window stays on one screen for a long time.
    static qreal drawnRatio = 0.0;
    static QPixmap drawn[2];
    if (ratio != drawnRatio) {
        drawn[0] = drawPicture(false, ratio);
        drawn[1] = drawPicture(true, ratio);
        drawnRatio = ratio;
    }
    return drawn[open ? 1 : 0];
}

void TrashCan::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, picture(open_, devicePixelRatioF()));
}

bool TrashCan::offer(QDropEvent* event)
{
    const std::optional<DragItem> item = dragItemOf(event->mimeData());
    const bool taken = item && dragOver && dragOver(*item);
    if (taken) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
    return taken;
}

void TrashCan::dragEnterEvent(QDragEnterEvent* event) { offer(event); }

void TrashCan::dragMoveEvent(QDragMoveEvent* event) { offer(event); }

void TrashCan::dropEvent(QDropEvent* event)
{
    const std::optional<DragItem> item = dragItemOf(event->mimeData());
    if (!item) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (dropped)
        dropped(*item);
}

void TrashCan::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    pressedAt_ = event->position().toPoint();
}

void TrashCan::mouseMoveEvent(QMouseEvent* event)
{
    // A can made with no source of its own cannot be dragged.
    if (!pressed_ || source_ == DragSource::None ||
        (event->position().toPoint() - pressedAt_).manhattanLength() < QApplication::startDragDistance())
        return;
    pressed_ = false;
    auto* drag = new QDrag(this);
    drag->setMimeData(makeDragMimeData({source_, -1}));
    drag->setPixmap(closedPicture());
    drag->exec(Qt::CopyAction);
    if (dragEnded)
        dragEnded();
}

void TrashCan::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    if (source_ != DragSource::None && dragEnded)
        dragEnded();
}

} // namespace tolvane
