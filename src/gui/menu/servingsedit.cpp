#include "menu/servingsedit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QToolButton>

namespace tolvane {

ServingsEdit::ServingsEdit(int typedLimit, QWidget* parent) : QLineEdit(parent), typedLimit_(typedLimit) {}

void ServingsEdit::keyPressEvent(QKeyEvent* event)
{
    QString inserted;
    if (event->matches(QKeySequence::Paste))
        inserted = QApplication::clipboard()->text();
    else if (!event->text().isEmpty() && event->text().front().isPrint())
        inserted = event->text();
    if (!inserted.isEmpty() && text().size() - selectedText().size() + inserted.size() > typedLimit_) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

UpDownButtons::UpDownButtons(const QString& name, QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    setAccessibleName(name);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAccessibleName(name + QStringLiteral(" up"));
    down_->setAccessibleName(name + QStringLiteral(" down"));
    up_->setAutoRepeat(true);
    down_->setAutoRepeat(true);
    up_->setFocusPolicy(Qt::NoFocus);
    down_->setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, [this] { emit stepped(1); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}

void UpDownButtons::associate(QWidget* field) { field->installEventFilter(this); }

bool UpDownButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        if (press->modifiers() == Qt::NoModifier && (press->key() == Qt::Key_Up || press->key() == Qt::Key_Down)) {
            emit stepped(press->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDownButtons::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

} // namespace tolvane
