#pragma once
// The Weight page: the weight grid, its buttons and, beside it, the place of
// the weight graph.

#include "shell/pagewidget.h"

class QPushButton;
class QTableView;

namespace tolvane {

class Program;
class Weight;
class WeightGridModel;

class WeightPage : public PageWidget {
    Q_OBJECT
public:
    WeightPage(Program& program, Weight& weight, QWidget* parent = nullptr);
    ~WeightPage() override;
    void refresh() override;

    QTableView* grid() const { return grid_; }
    WeightGridModel* gridModel() const { return model_; }
    // The area the weight graph is drawn in, 377 x 337 at 232, 8.
    QWidget* graphArea() const { return graphArea_; }
    QPushButton* createPlanButton() const { return createPlan_; }
    QPushButton* newRowButton() const { return newRow_; }
    QPushButton* removeRowButton() const { return removeRow_; }

private:
    // Columns wide enough for their headings in the chosen units.
    void fitHeadings();
    QPushButton* addButton(const QString& caption, const QRect& geometry);

    Program& program_;
    Weight& weight_;
    WeightGridModel* model_;
    QTableView* grid_;
    QWidget* graphArea_;
    QPushButton* createPlan_;
    QPushButton* newRow_;
    QPushButton* removeRow_;
    int newRowToShow_ = 0;  // a data row New Row added since the last refresh
};

} // namespace tolvane
