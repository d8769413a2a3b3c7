#include "menu/tablistbox.h"

#include "food/dragpayload.h"
#include "shell/rowselection.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextOption>
#include <utility>

namespace tolvane {

namespace {
constexpr int DefaultTabStopUnits = 32;

// Draws a line's text with TAB characters expanded to the list's tab stops.
class TabStopDelegate : public QStyledItemDelegate {
public:
    explicit TabStopDelegate(TabListBox* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        QTextOption textOption(Qt::AlignLeft | Qt::AlignVCenter);
        textOption.setWrapMode(QTextOption::NoWrap);
        textOption.setTabStopDistance(list_->tabStopPixels());
        const bool selected = (opt.state & QStyle::State_Selected) != 0;
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QRectF(opt.rect.adjusted(2, 0, -2, 0)), text, textOption);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), list_->itemHeight());
    }

private:
    TabListBox* list_;
};
} // namespace

TabListBox::TabListBox(QWidget* parent) : QListWidget(parent)
{
    resize(200, 50);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setItemDelegate(new TabStopDelegate(this));
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DropOnly);
    followSelectedRow(this, [this](int row) {
        if (!pressing_ && rowSelected)
            rowSelected(row);
    });
}

void TabListBox::setTabStops(int dialogUnits)
{
    if (dialogUnits == tabStops_)
        return;
    tabStops_ = dialogUnits;
    viewport()->update();
}

int TabListBox::tabStopPixels() const
{
    // The average character width as the classic dialog units measure it.
    const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const int average = (fontMetrics().horizontalAdvance(alphabet) / 26 + 1) / 2;
    const int units = tabStops_ > 0 ? tabStops_ : DefaultTabStopUnits;
    return std::max(1, units * average / 4);
}

void TabListBox::setItemHeight(int pixels)
{
    itemHeight_ = pixels;
    doItemsLayout();
}

void TabListBox::setLines(const QStringList& lines, int selected)
{
    const QuietSelection quiet(this);
    if (this->lines() != lines) {
        clear();
        addItems(lines);
    }
    showSelectedRow(this, selected);
}

QStringList TabListBox::lines() const
{
    QStringList texts;
    for (int i = 0; i < count(); ++i)
        texts.append(item(i)->text());
    return texts;
}

void TabListBox::setDragSource(DragSource source)
{
    source_ = source;
    setDragEnabled(source != DragSource::None);
    setDragDropMode(source != DragSource::None ? QAbstractItemView::DragDrop : QAbstractItemView::DropOnly);
}

QStringList TabListBox::mimeTypes() const { return {DragMimeType}; }

QMimeData* TabListBox::mimeData(const QList<QListWidgetItem*>& items) const
{
    return makeDragMimeData({source_, items.isEmpty() ? currentRow() : row(items.first())});
}

void TabListBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QListWidget::mousePressEvent(event);
        return;
    }
    // A press anywhere starts a drag; one on no line keeps the selection.
    releaseEndsDrag_ = source_ != DragSource::None;
    const QModelIndex at = indexAt(event->position().toPoint());
    if (!at.isValid()) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    pressing_ = true;
    QListWidget::mousePressEvent(event);
    pressing_ = false;
    // The click itself, on the press, even on the line already selected.
    if (rowSelected)
        rowSelected(at.row());
}

void TabListBox::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && std::exchange(releaseEndsDrag_, false) && dragEnded)
        dragEnded();
}

void TabListBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier && deletePressed) {
        event->accept();
        deletePressed(selectedRow(this));
        return;
    }
    QListWidget::keyPressEvent(event);
}

void TabListBox::startDrag(Qt::DropActions)
{
    const int pressed = currentRow();
    if (source_ == DragSource::None || pressed < 0)
        return;
    releaseEndsDrag_ = false;
    auto* drag = new QDrag(this);
    drag->setMimeData(makeDragMimeData({source_, pressed}));
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
    if (dragEnded)
        dragEnded();
}

bool TabListBox::accepts(const QMimeData* mime) const
{
    const std::optional<DragItem> item = dragItemOf(mime);
    return item && acceptsDrop && acceptsDrop(*item);
}

void TabListBox::dragEnterEvent(QDragEnterEvent* event)
{
    if (accepts(event->mimeData())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TabListBox::dragMoveEvent(QDragMoveEvent* event)
{
    if (accepts(event->mimeData())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TabListBox::dropEvent(QDropEvent* event)
{
    const std::optional<DragItem> item = dragItemOf(event->mimeData());
    if (!item || !accepts(event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (dropped)
        dropped(*item);
}

} // namespace tolvane
