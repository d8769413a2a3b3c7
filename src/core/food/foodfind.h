#pragma once
// Finding a food item by any part of its name: the rule of the find field
// over the food lists. It only says which row to select; selecting it is an
// ordinary selection of the list.

#include <QString>
#include <QStringList>

namespace tolvane {

// The first row at or after `from` (going round past the end) whose name
// contains `text` anywhere, ignoring case; -1 when no name does or `text` is
// empty. A `from` outside the rows starts at row 0.
int findFoodRow(const QStringList& names, const QString& text, int from);

// The find field's state: the text typed so far and where it searches from.
class FoodFind {
public:
    const QString& text() const { return text_; }
    // The text changed: the row that now matches, searching from the current
    // row itself, so a match that still fits stays selected.
    int setText(const QString& text, const QStringList& names, int current);
    // F3 or Enter: the next match after the current row.
    int next(const QStringList& names, int current);
    // True when the last search found nothing.
    bool notFound() const { return notFound_; }

private:
    QString text_;
    bool notFound_ = false;
};

} // namespace tolvane
