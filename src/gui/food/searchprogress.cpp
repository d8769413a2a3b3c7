#include "food/searchprogress.h"

#include <QCoreApplication>
#include <QProgressBar>

namespace tolvane {

SearchProgress::SearchProgress(const QString& caption, int maximum, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint), bar_(new QProgressBar(this))
{
    setWindowTitle(caption);
    setAccessibleName(caption);
    setFixedSize(300, 50);
    bar_->setGeometry(12, 14, 276, 22);
    bar_->setRange(0, maximum);
    bar_->setValue(0);
    bar_->setAccessibleName(caption);
}

void SearchProgress::setValue(int value)
{
    bar_->setValue(value);
    // The merge runs in one event handler: let the bar paint, but only when
    // the shown percentage moves, so a large file is not slowed down.
    const int maximum = bar_->maximum();
    const int percent = maximum > 0 ? static_cast<int>(100LL * value / maximum) : 100;
    if (percent != shownPercent_) {
        shownPercent_ = percent;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

} // namespace tolvane
