#pragma once
// The "Add from USDA" window: a search field, the results with their food
// group (or ranked by a nutrient, with its amount), the chosen food's measures and a grams field, the six values of the
// chosen measure, the name and "&Add". Not modal; it stays open for the next
// search. Every part has a label and an accessible name, and the status line
// under the search field tells screen readers what the search found.

#include <QDialog>
#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace tolvane {

class AddFromUsda;

class UsdaWindow : public QDialog {
    Q_OBJECT
public:
    // `added` runs after each item added (the main window shows it).
    UsdaWindow(AddFromUsda& behaviour, std::function<void()> added, QWidget* parent);

    // Shows the behaviour's state in every part.
    void refresh();

    QLineEdit* searchField() const { return search_; }
    QComboBox* rankBy() const { return rankBy_; }
    QComboBox* rankBasis() const { return rankBasis_; }
    QTreeWidget* results() const { return results_; }
    QComboBox* measures() const { return measures_; }
    QLineEdit* gramsField() const { return grams_; }
    QLineEdit* nameField() const { return name_; }
    QLabel* status() const { return status_; }
    QLabel* value(int nutrient) const { return values_[static_cast<std::size_t>(nutrient)]; }
    QPushButton* addButton() const { return add_; }

private:
    void showResults();
    void showChoice();
    void announce(const QString& text);

    AddFromUsda& behaviour_;
    std::function<void()> added_;
    QLineEdit* search_;
    QLabel* status_;
    QComboBox* rankBy_;
    QComboBox* rankBasis_;
    QTreeWidget* results_;
    QComboBox* measures_;
    QLineEdit* grams_;
    std::array<QLabel*, 6> values_{};
    QLineEdit* name_;
    QPushButton* add_;
    QPushButton* close_;
    bool refreshing_ = false;
};

} // namespace tolvane
