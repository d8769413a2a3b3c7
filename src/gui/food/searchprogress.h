#pragma once
// The small window that shows how far a food item table file has been read
// during a merge. Not modal: it stays beside the questions and the dialog.

#include <QWidget>

class QProgressBar;

namespace tolvane {

class SearchProgress : public QWidget {
    Q_OBJECT
public:
    SearchProgress(const QString& caption, int maximum, QWidget* parent = nullptr);

    void setValue(int value);
    QProgressBar* bar() const { return bar_; }

private:
    QProgressBar* bar_;
    int shownPercent_ = -1;
};

} // namespace tolvane
