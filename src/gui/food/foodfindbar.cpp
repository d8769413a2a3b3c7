#include "food/foodfindbar.h"

#include "food/foodlistmodel.h"
#include "food/foodlistview.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QShowEvent>
#include <QToolTip>

namespace tolvane {

namespace {
constexpr int FieldHeight = 22;
const QString Name = QStringLiteral("Find food item");
} // namespace

FoodFindBar::FoodFindBar(FoodListView* list) : QLineEdit(list->parentWidget()), list_(list)
{
    const QRect area = list->geometry();
    setGeometry(area.left(), area.bottom() + 1 - FieldHeight, area.width(), FieldHeight);
    setAccessibleName(Name);
    setPlaceholderText(QStringLiteral("Find"));
    setToolTip(QStringLiteral("Find a food item: F3 or Enter finds the next, Escape closes"));
    normal_ = palette();
    hide();
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { searched(find_.setText(text, list_->foodModel()->names(), list_->selectedRow())); });
}

void FoodFindBar::open()
{
    show();
    raise();
    selectAll();
    setFocus(Qt::ShortcutFocusReason);
}

void FoodFindBar::close()
{
    const bool hadFocus = hasFocus();
    hide();
    if (hadFocus)
        list_->setFocus(Qt::OtherFocusReason);
}

void FoodFindBar::searched(int row)
{
    if (row >= 0)
        list_->selectRow(row);
    QPalette colours = normal_;
    if (find_.notFound())
        colours.setColor(QPalette::Text, QColor(200, 0, 0));
    setPalette(colours);
    const QString said = find_.notFound() ? noFoodItemMatches(text()) : QString();
    if (said == accessibleDescription())
        return;
    setAccessibleDescription(said);
    // Said beside the field, and to a screen reader as an alert: the
    // selection stays where it was.
    if (said.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(mapToGlobal(QPoint(0, -height())), said, this);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void FoodFindBar::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F3:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        searched(find_.next(list_->foodModel()->names(), list_->selectedRow()));
        return;
    case Qt::Key_Escape:
        event->accept();
        close();
        return;
    default: QLineEdit::keyPressEvent(event);
    }
}

void FoodFindBar::showEvent(QShowEvent* event)
{
    QLineEdit::showEvent(event);
    list_->reserveBottom(height());
}

void FoodFindBar::hideEvent(QHideEvent* event)
{
    QLineEdit::hideEvent(event);
    list_->reserveBottom(0);
}

void FoodFindBar::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A menu opened from the field (Alt+F, "Add to Mea&l") returns to it.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::MenuBarFocusReason)
        hide();
}

} // namespace tolvane
