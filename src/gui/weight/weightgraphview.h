#pragma once
// The graph area of the Weight page: paints the weight graph from the log's
// cells on every repaint.

#include <QWidget>

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
    WeightGraph& graph_;
    WeightLog& log_;
};

} // namespace tolvane
