#include "menu/daynotebook.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QToolButton>

namespace tolvane {

namespace {
constexpr int TabHeight = 15;
}

DayNotebook::DayNotebook(const QStringList& captions, int tabsPerRow, QWidget* parent)
    : QWidget(parent), captions_(captions), tabsPerRow_(std::max(1, tabsPerRow)), group_(new QButtonGroup(this)),
      page_(new QFrame(this))
{
    page_->setFrameShape(QFrame::Panel);
    page_->setFrameShadow(QFrame::Raised);
    page_->setAccessibleName(QStringLiteral("Day page"));
    group_->setExclusive(true);
    for (int i = 0; i < captions_.size(); ++i) {
        auto* button = new QToolButton(this);
        button->setText(captions_.at(i));
        button->setAccessibleName(captions_.at(i));
        button->setCheckable(true);
        button->setAutoRaise(false);
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(this);
        group_->addButton(button, i);
    }
    group_->button(0)->setChecked(true);
    // Checked by a click, a key or a screen reader's toggle action (which
    // checks the button without a click): each is the user picking the page.
    // The program's own setCurrentIndex sets current_ first and passes here quietly.
    connect(group_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (!checked || index == current_)
            return;
        current_ = index;
        emit currentChanged(index);
    });
    layoutTabs();
}

void DayNotebook::setCurrentIndex(int index)
{
    if (index < 0 || index >= count())
        return;
    current_ = index;
    if (!group_->button(index)->isChecked())
        group_->button(index)->setChecked(true);
}

QAbstractButton* DayNotebook::tab(int index) const { return group_->button(index); }

// The keys of a tab bar: Space and Enter pick the focused tab, the arrows
// pick the one before or after it.
bool DayNotebook::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* press = static_cast<QKeyEvent*>(event);
    if (press->modifiers() & ~Qt::KeypadModifier)
        return false;
    const int index = group_->id(button);
    int picked = -1;
    switch (press->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        picked = index;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        picked = std::max(0, index - 1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        picked = std::min(count() - 1, index + 1);
        break;
    default:
        return false;
    }
    QAbstractButton* target = group_->button(picked);
    target->click();
    // The keys go on from the day picked, as in a tab bar (a click hands
    // the focus to the food list).
    target->setFocus(Qt::TabFocusReason);
    return true;
}

QRect DayNotebook::pageArea() const { return page_->geometry(); }

void DayNotebook::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutTabs();
}

void DayNotebook::layoutTabs()
{
    const int rows = (count() + tabsPerRow_ - 1) / tabsPerRow_;
    const int tabWidth = width() / tabsPerRow_;
    for (int i = 0; i < count(); ++i) {
        const int row = i / tabsPerRow_;
        const int column = i % tabsPerRow_;
        group_->button(i)->setGeometry(column * tabWidth, row * TabHeight, tabWidth, TabHeight);
    }
    page_->setGeometry(0, rows * TabHeight, width(), height() - rows * TabHeight);
}

} // namespace tolvane
