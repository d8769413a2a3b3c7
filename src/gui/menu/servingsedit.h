#pragma once
// The "# Servings" field: the user may type at most a few characters, while
// the program may put in longer texts (an entry's servings as "  2.5"), which
// a QLineEdit length limit would cut. And its up-down buttons.

#include <QLineEdit>

class QToolButton;

namespace tolvane {

class ServingsEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ServingsEdit(int typedLimit, QWidget* parent = nullptr);
    int typedLimit() const { return typedLimit_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int typedLimit_;
};

// Two small arrow buttons on top of each other. They take no focus; the
// Up and Down keys in their field step as they do.
class UpDownButtons : public QWidget {
    Q_OBJECT
public:
    explicit UpDownButtons(const QString& name, QWidget* parent = nullptr);
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }
    void associate(QWidget* field);

signals:
    void stepped(int delta);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace tolvane
