#include "shell/toolicons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QPixmap>

namespace tolvane {

namespace {

// Each glyph is drawn with vector strokes in a 24 x 24 box scaled to the size
// asked for, so it stays sharp at every size and device pixel ratio.
class DrawnIcon : public QIconEngine {
public:
    explicit DrawnIcon(Command command) : command_(command) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 24.0, rect.height() / 24.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.35);
        draw(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // `size` is in device pixels already (QIcon multiplies by `scale`).
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        {
            QPainter painter(&picture);
            paint(&painter, QRect(QPoint(0, 0), picture.size()), mode, state);
        }
        picture.setDevicePixelRatio(scale);
        return picture;
    }

    QIconEngine* clone() const override { return new DrawnIcon(command_); }
    QString key() const override { return QStringLiteral("tolvane-drawn"); }

private:
    void draw(QPainter& p) const;

    Command command_;
};

const QColor Ink(0x30, 0x30, 0x30);
const QColor Paper(0xfb, 0xfb, 0xf6);
const QColor Blue(0x3b, 0x7d, 0xd8);
const QColor Red(0xd0, 0x3b, 0x2f);
const QColor Green(0x3a, 0xa0, 0x3e);

QPen pen(const QColor& colour, qreal width = 1.2)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A sheet of paper with a folded corner and a few lines of text.
void page(QPainter& p, const QRectF& r, int lines = 3)
{
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - 4, r.top());
    sheet.lineTo(r.right(), r.top() + 4);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(pen(Ink));
    p.setBrush(Paper);
    p.drawPath(sheet);
    p.setPen(pen(QColor(0x90, 0x90, 0x90), 1.0));
    for (int line = 0; line < lines; ++line) {
        const qreal y = r.top() + 5 + line * 3;
        if (y < r.bottom() - 1.5)
            p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
    }
}

// A plate seen from above, the picture of a meal.
void plate(QPainter& p, const QPointF& centre, qreal radius)
{
    p.setPen(pen(Ink));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius, radius);
    p.setPen(pen(QColor(0xa0, 0xa0, 0xa0), 1.0));
    p.drawEllipse(centre, radius * 0.6, radius * 0.6);
}

// An eraser lying across the lower right.
void eraser(QPainter& p)
{
    p.save();
    p.translate(15.5, 17);
    p.rotate(-40);
    p.setPen(pen(Ink));
    p.setBrush(QColor(0xf2, 0x8d, 0xa0));
    p.drawRoundedRect(QRectF(-6.5, -3, 7, 6), 1, 1);
    p.setBrush(Blue);
    p.drawRoundedRect(QRectF(0.5, -3, 6, 6), 1, 1);
    p.restore();
}

// A round badge in the lower right: a plus or a minus.
void badge(QPainter& p, const QColor& colour, bool plus)
{
    p.setPen(pen(Qt::white, 1.0));
    p.setBrush(colour);
    p.drawEllipse(QPointF(17.5, 17.5), 5.5, 5.5);
    p.setPen(pen(Qt::white, 2.0));
    p.drawLine(QPointF(14.5, 17.5), QPointF(20.5, 17.5));
    if (plus)
        p.drawLine(QPointF(17.5, 14.5), QPointF(17.5, 20.5));
}

// An apple, the picture of a food item.
void apple(QPainter& p)
{
    QPainterPath fruit;
    fruit.moveTo(10, 7);
    fruit.cubicTo(4, 3, 0.5, 10, 3, 15);
    fruit.cubicTo(5, 20, 8, 20.5, 10, 19);
    fruit.cubicTo(12, 20.5, 15, 20, 17, 15);
    fruit.cubicTo(19.5, 10, 16, 3, 10, 7);
    p.setPen(pen(Ink));
    p.setBrush(QColor(0xe0, 0x45, 0x3a));
    p.drawPath(fruit);
    p.setPen(pen(QColor(0x6b, 0x44, 0x23), 1.4));
    p.drawLine(QPointF(10, 7), QPointF(11, 3));
    p.setPen(pen(Ink, 0.8));
    p.setBrush(Green);
    p.drawEllipse(QRectF(11.5, 2.5, 4, 2.5));
}

void printer(QPainter& p)
{
    p.setPen(pen(Ink));
    p.setBrush(Paper);
    p.drawRect(QRectF(6.5, 2.5, 11, 8));
    p.setBrush(QColor(0x9a, 0xa3, 0xad));
    p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 1.5, 1.5);
    p.setBrush(Paper);
    p.drawRect(QRectF(6.5, 14.5, 11, 7));
    p.setPen(pen(QColor(0x90, 0x90, 0x90), 1.0));
    p.drawLine(QPointF(8.5, 17), QPointF(15.5, 17));
    p.drawLine(QPointF(8.5, 19.2), QPointF(13.5, 19.2));
    p.setPen(Qt::NoPen);
    p.setBrush(Green);
    p.drawEllipse(QPointF(18.5, 12), 1, 1);
}

void DrawnIcon::draw(QPainter& p) const
{
    switch (command_) {
    case Command::CopyMeal:
        page(p, QRectF(3.5, 2.5, 11, 14));
        page(p, QRectF(9.5, 7.5, 11, 14));
        break;
    case Command::PasteMeal:
        p.setPen(pen(Ink));
        p.setBrush(QColor(0xc4, 0x92, 0x5a));
        p.drawRoundedRect(QRectF(3.5, 3.5, 14, 18), 1.5, 1.5);
        p.setBrush(QColor(0x9a, 0xa3, 0xad));
        p.drawRoundedRect(QRectF(7, 1.5, 7, 4), 1, 1);
        page(p, QRectF(10.5, 8.5, 10, 13));
        break;
    case Command::ClearMeal:
        plate(p, QPointF(10.5, 10.5), 8);
        eraser(p);
        break;
    case Command::ClearMenu:
        page(p, QRectF(4.5, 2.5, 13, 17), 4);
        eraser(p);
        break;
    case Command::SaveMenuAs:
        p.setPen(pen(Ink));
        p.setBrush(Blue);
        p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 1.5, 1.5);
        p.setBrush(Paper);
        p.drawRect(QRectF(6.5, 3.5, 11, 7));
        p.setBrush(QColor(0xd8, 0xd8, 0xd8));
        p.drawRect(QRectF(7.5, 14.5, 9, 6));
        break;
    case Command::LoadMenu: {
        p.setPen(pen(Ink));
        p.setBrush(QColor(0xd9, 0xa4, 0x41));
        p.drawPolygon(QPolygonF({{2.5, 19.5}, {2.5, 5.5}, {8.5, 5.5}, {10.5, 7.5}, {19.5, 7.5}, {19.5, 19.5}}));
        p.setBrush(QColor(0xf2, 0xc8, 0x6b));
        p.drawPolygon(QPolygonF({{2.5, 19.5}, {6, 11.5}, {22.5, 11.5}, {19.5, 19.5}}));
        break;
    }
    case Command::PrintMenu: printer(p); break;
    case Command::PrintShoppingList: {
        page(p, QRectF(4.5, 2.5, 15, 19), 0);
        for (int row = 0; row < 3; ++row) {
            const qreal y = 7 + row * 5;
            p.setPen(pen(Green, 1.4));
            p.drawPolyline(QPolygonF({QPointF(6.5, y), QPointF(7.8, y + 1.3), QPointF(10, y - 1.5)}));
            p.setPen(pen(QColor(0x90, 0x90, 0x90), 1.0));
            p.drawLine(QPointF(11.5, y), QPointF(17, y));
        }
        break;
    }
    case Command::AddFoodItem:
        apple(p);
        badge(p, Green, true);
        break;
    case Command::AddFromUsda: {
        apple(p);
        // A magnifying glass over the apple: found in the reference.
        p.setPen(pen(Ink, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(15, 9), 4.2, 4.2);
        p.drawLine(QPointF(18, 12), QPointF(22, 16));
        break;
    }
    case Command::DeleteFoodItem:
        apple(p);
        badge(p, Red, false);
        break;
    case Command::Exit: {
        p.setPen(pen(Ink));
        p.setBrush(QColor(0x8b, 0x5a, 0x2b));
        p.drawRect(QRectF(3.5, 2.5, 10, 19));
        p.setBrush(QColor(0xe8, 0xc5, 0x47));
        p.drawEllipse(QPointF(11.3, 12), 0.9, 0.9);
        p.setPen(pen(Red, 2.0));
        p.drawLine(QPointF(12.5, 12), QPointF(21, 12));
        p.drawPolyline(QPolygonF({QPointF(18, 9), QPointF(21, 12), QPointF(18, 15)}));
        break;
    }
    default: break;
    }
}

} // namespace

QString toolIconThemeName(Command command)
{
    switch (command) {
    case Command::CopyMeal: return QStringLiteral("edit-copy");
    case Command::PasteMeal: return QStringLiteral("edit-paste");
    case Command::ClearMeal: return QStringLiteral("edit-clear");
    case Command::SaveMenuAs: return QStringLiteral("document-save");
    case Command::LoadMenu: return QStringLiteral("document-open");
    case Command::ClearMenu: return QStringLiteral("edit-clear-all");
    case Command::PrintMenu: return QStringLiteral("document-print");
    case Command::PrintShoppingList: return QStringLiteral("document-print-preview");
    case Command::AddFoodItem: return QStringLiteral("list-add");
    case Command::AddFromUsda: return QStringLiteral("edit-find");
    case Command::DeleteFoodItem: return QStringLiteral("list-remove");
    case Command::Exit: return QStringLiteral("application-exit");
    default: break;
    }
    return {};
}

QIcon drawnToolIcon(Command command) { return QIcon(new DrawnIcon(command)); }

QIcon toolIcon(Command command)
{
    const QString name = toolIconThemeName(command);
    if (name.isEmpty())
        return {};
    return QIcon::fromTheme(name, drawnToolIcon(command));
}

} // namespace tolvane
