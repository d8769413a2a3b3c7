#include "weight/weightgraphview.h"

#include "printing/paintercanvas.h"
#include "weight/weightgraph.h"
#include "weight/weightlog.h"

#include <QPainter>
#include <QTimer>

namespace tolvane {

WeightGraphView::WeightGraphView(WeightGraph& graph, WeightLog& log, QWidget* parent)
    : QWidget(parent), graph_(graph), log_(log)
{
    setAccessibleName(QStringLiteral("Weight graph"));
    setAccessibleDescription(describeWeightGraph(std::nullopt, log_.locale()));
    log_.repaintGraph = [this] {
        drawn_.reset();
        repaint();
    };
}

WeightGraphView::~WeightGraphView() { log_.repaintGraph = nullptr; }

void WeightGraphView::paintEvent(QPaintEvent*)
{
    const QColor face = palette().color(QPalette::Button);
    const Drawn now{log_.revision(), log_.today(), size(), devicePixelRatioF(), face.rgba()};
    if (drawn_ != now) {
        // The graph fills its whole area with the face colour first, so the
        // picture is opaque and text is drawn as on the window itself.
        QPixmap picture(size() * now.pixelRatio);
        picture.setDevicePixelRatio(now.pixelRatio);
        picture.fill(face);
        {
            QPainter painter(&picture);
            PainterCanvas canvas(painter);
            graph_.paint(canvas, Rgb{face.red(), face.green(), face.blue()});
        }
        picture_ = std::move(picture);
        drawn_ = now;
        // A screen reader reads what was drawn.
        if (accessibleDescription() != graph_.description())
            setAccessibleDescription(graph_.description());
        // A message box opened inside a paint would paint this area again.
        if (graph_.messagePending())
            QTimer::singleShot(0, this, [this] { graph_.showPendingMessage(); });
    }
    QPainter(this).drawPixmap(0, 0, picture_);
}

} // namespace tolvane
