#include "menu/daynotebook.h"

#include <QButtonGroup>
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
        group_->addButton(button, i);
    }
    group_->button(0)->setChecked(true);
    connect(group_, &QButtonGroup::idClicked, this, [this](int index) {
        if (index == current_)
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
