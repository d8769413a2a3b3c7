#pragma once
// The trash can: a 50 x 50 picture, closed, or open while a drag passes over
// it. It takes drops from the program's lists and can itself be dragged; what
// a drag over it, a drop and the end of its own drag do is for its owner.

#include "food/dragitem.h"

#include <QPixmap>
#include <QWidget>
#include <functional>

namespace tolvane {

class TrashCan : public QWidget {
    Q_OBJECT
public:
    // `source`: what a drag of the can itself reports (None: it cannot be dragged).
    explicit TrashCan(DragSource source = DragSource::TrashCan, QWidget* parent = nullptr);

    bool isOpen() const { return open_; }
    void setOpen(bool open);

    // The two pictures, drawn once.
    static const QPixmap& closedPicture();
    static const QPixmap& openPicture();
    // The can drawn for a screen of this device pixel ratio.
    static QPixmap picture(bool open, qreal ratio);

    std::function<bool(const DragItem&)> dragOver;  // true: the drop is taken
    std::function<void(const DragItem&)> dropped;
    // A drag of the can itself ended; a press and release without a drag
    // is such a drag too.
    std::function<void()> dragEnded;

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool offer(QDropEvent* event);

    DragSource source_;
    bool open_ = false;
    QPoint pressedAt_;
    bool pressed_ = false;
};

} // namespace tolvane
