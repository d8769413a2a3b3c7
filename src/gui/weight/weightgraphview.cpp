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
    log_.repaintGraph = [this] { repaint(); };
}

WeightGraphView::~WeightGraphView() { log_.repaintGraph = nullptr; }

void WeightGraphView::paintEvent(QPaintEvent*)
{
    {
        QPainter painter(this);
        PainterCanvas canvas(painter);
        const QColor face = palette().color(QPalette::Button);
        graph_.paint(canvas, Rgb{face.red(), face.green(), face.blue()});
    }
    // A screen reader reads what was drawn.
    if (accessibleDescription() != graph_.description())
        setAccessibleDescription(graph_.description());
    // A message box opened inside a paint would paint this area again.
    if (graph_.messagePending())
        QTimer::singleShot(0, this, [this] { graph_.showPendingMessage(); });
}

} // namespace tolvane
