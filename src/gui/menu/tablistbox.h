#pragma once
// A list box whose lines may hold TAB characters, expanded to tab stops. The
// tab stop distance is given in dialog units (a quarter of the font's average
// character width); 0 means the default stops every 32 units, about eight
// characters. The meal list and the recipe's ingredient list are such lists.
//
// Its rows can be dragged (the drag carries the list's source kind and the
// row) and it takes drops from the program's other controls; what a drop does
// is for its owner to say.

#include "food/dragitem.h"

#include <QListWidget>
#include <functional>

namespace tolvane {

class TabListBox : public QListWidget {
    Q_OBJECT
public:
    // Width 200, height 50, item height 16, a single border, reachable with
    // the Tab key, extended selection.
    explicit TabListBox(QWidget* parent = nullptr);

    int tabStops() const { return tabStops_; }
    void setTabStops(int dialogUnits);
    // The distance between two tab stops in pixels for the current font.
    int tabStopPixels() const;

    int itemHeight() const { return itemHeight_; }
    void setItemHeight(int pixels);

    // Shows these lines with one selected (-1: none), keeping the widget as it
    // is when nothing changed.
    void setLines(const QStringList& lines, int selected);
    QStringList lines() const;

    // The kind of drag this list starts; None: its rows cannot be dragged.
    void setDragSource(DragSource source);

    std::function<bool(const DragItem&)> acceptsDrop;  // may it be dropped here?
    std::function<void(const DragItem&)> dropped;
    // A drag from this list ended; a press and release without a drag is
    // such a drag too.
    std::function<void()> dragEnded;
    // The user selected a row (-1: none): a press on a row (even the row
    // already selected), the keys, or a screen reader. Not called while the
    // list shows lines it was given.
    std::function<void(int row)> rowSelected;
    // The Delete key on the selected row (-1: none).
    std::function<void(int row)> deletePressed;

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool accepts(const QMimeData* mime) const;

    int tabStops_ = 0;
    int itemHeight_ = 16;
    DragSource source_ = DragSource::None;
    bool pressing_ = false;         // the mouse is selecting the pressed row
    bool releaseEndsDrag_ = false;  // pressed, and no drag has started since
};

} // namespace tolvane
