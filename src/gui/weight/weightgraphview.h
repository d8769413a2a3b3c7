#pragma once
// The graph area of the Weight page: draws the weight graph from the log's
// cells whenever they, the day or the area changed, or the program asks for a
// new drawing, and shows that picture on every other repaint (a window moved
// over it, a repaint of the whole page) without reading 100000 rows again.

#include <QDate>
#include <QPixmap>
#include <QWidget>
#include <optional>

namespace tolvane {

class WeightGraph;
class WeightLog;

class WeightGraphView : public QWidget {
    Q_OBJECT
public:
    WeightGraphView(WeightGraph& graph, WeightLog& log, QWidget* parent = nullptr);
    ~WeightGraphView() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What the picture was drawn from.
    struct Drawn {
        quint64 revision = 0;  // of the log
        QDate today;           // two-digit years read for this day
        QSize size;
        qreal pixelRatio = 1;
        QRgb face = 0;
        bool operator==(const Drawn&) const = default;
    };

    WeightGraph& graph_;
    WeightLog& log_;
    std::optional<Drawn> drawn_;  // none: draw anew at the next paint
    QPixmap picture_;
};

} // namespace tolvane
