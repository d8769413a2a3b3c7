#pragma once
// A list's selected row as the program sees it. Arrow keys, Home/End,
// type-ahead, a press of the mouse and a screen reader selecting a row all go
// through the view's selection model; following it, rather than the mouse's
// clicked signal, lets every one of them reach the program.

#include <functional>

class QAbstractItemView;

namespace tolvane {

// The single selected row of a view, -1 when none.
int selectedRow(const QAbstractItemView* view);

// Calls `changed` with the selected row (-1: none) after every change of the
// view's selection the user made, and keeps the view's current row on the
// selected one, so that the keys go on from a row a screen reader selected.
void followSelectedRow(QAbstractItemView* view, std::function<void(int row)> changed);

// While one lives, selection changes of the view are the program's own (it
// shows its state) and are not followed.
class QuietSelection {
public:
    explicit QuietSelection(QAbstractItemView* view);
    ~QuietSelection();
    QuietSelection(const QuietSelection&) = delete;
    QuietSelection& operator=(const QuietSelection&) = delete;

private:
    QAbstractItemView* view_;
    bool wasQuiet_;
};

// Shows `row` selected and current (-1: nothing selected) without telling
// the program: for showing the program's own state.
void showSelectedRow(QAbstractItemView* view, int row);

} // namespace tolvane
