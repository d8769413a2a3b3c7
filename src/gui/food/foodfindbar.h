#pragma once
// The find field: a small field over the bottom of a food list. Typing selects
// the best name holding the text (a word starting with it first); F3 or Enter
// goes on to the next match; Escape closes it and gives the list back the
// focus. Its selections are ordinary selections of the list, scrolled into
// view above the field.

#include "food/foodfind.h"

#include <QLineEdit>

namespace tolvane {

class FoodListView;

class FoodFindBar : public QLineEdit {
    Q_OBJECT
public:
    // Lies over `list`, in the list's parent; hidden until opened.
    explicit FoodFindBar(FoodListView* list);

    // Shows the field with its last text selected, and takes the focus.
    void open();
    void close();
    FoodListView* list() const { return list_; }
    bool notFound() const { return find_.notFound(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // While shown, the list keeps its rows above the field.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void searched(int row);

    FoodListView* list_;
    FoodFind find_;
    QPalette normal_;
};

} // namespace tolvane
