#pragma once
// A notebook of pages chosen by tabs laid out in rows (four per row for the
// seven days of the week). Its pages are empty: what it shows lies over its
// page area.

#include <QFrame>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;

namespace tolvane {

class DayNotebook : public QWidget {
    Q_OBJECT
public:
    DayNotebook(const QStringList& captions, int tabsPerRow, QWidget* parent = nullptr);

    int currentIndex() const { return current_; }
    // Shows a page without telling anyone.
    void setCurrentIndex(int index);
    QAbstractButton* tab(int index) const;
    int count() const { return static_cast<int>(captions_.size()); }
    // Where the pages are, in the notebook's coordinates.
    QRect pageArea() const;

signals:
    // The user picked another page.
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutTabs();

    QStringList captions_;
    int tabsPerRow_;
    int current_ = 0;
    QButtonGroup* group_;
    QFrame* page_;
};

} // namespace tolvane
