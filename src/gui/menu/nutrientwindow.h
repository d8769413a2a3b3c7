#pragma once
// The "Nutrients" window: a list of every nutrient with its amount, unit,
// share of the reference intake as a number and a bar, and what is
// incomplete or above the upper limit. Not modal; it follows the main
// window's state at each refresh.

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLabel;
class QTreeWidget;

namespace tolvane {

class NutrientView;

class NutrientWindow : public QDialog {
    Q_OBJECT
public:
    enum Column { NameColumn, AmountColumn, UnitColumn, ShareColumn, BarColumn, NoteColumn, ColumnCount };

    NutrientWindow(NutrientView& view, QWidget* parent = nullptr);
    // Computes the view again and shows it.
    void refresh();
    QTreeWidget* list() const { return list_; }

private:
    void showView(const NutrientView& view);

    NutrientView& view_;
    QLabel* heading_;
    QButtonGroup* subjects_;
    QComboBox* condition_;
    QLabel* intakeNote_;
    QLabel* status_;
    QTreeWidget* list_;
};

} // namespace tolvane
