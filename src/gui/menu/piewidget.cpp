#include "menu/piewidget.h"

#include "menu/pie.h"
#include "printing/paintercanvas.h"

#include <QPainter>

namespace tolvane {

PieWidget::PieWidget(const QString& name, std::function<bool()> busy, QWidget* parent)
    : QWidget(parent), busy_(std::move(busy))
{
    setAccessibleName(name);
    setAccessibleDescription(pieDescription(shares_));
}

void PieWidget::setShares(const Shares& shares)
{
    if (shares == shares_)
        return;
    shares_ = shares;
    setAccessibleDescription(pieDescription(shares_));
    update();
}

void PieWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    PainterCanvas canvas(painter);
    drawPie(canvas, width(), height(), shares_, busy_ && busy_());
}

} // namespace tolvane
