#pragma once
// A plain-text memo whose text, as stored with CR LF between lines, holds at
// most a fixed number of characters. Typing, pasting, dropping and input
// methods that would go past it are refused or cut to what fits, so nothing
// already in the memo is lost and the cursor and undo history stay as they are.
// Text put in past these checks (a screen reader's insert, a program's set)
// loses the end of what was put in, in the same undo step.

#include <QPlainTextEdit>

namespace tolvane {

class LimitedMemo : public QPlainTextEdit {
public:
    explicit LimitedMemo(int capacity, QWidget* parent = nullptr);

    int capacity() const { return capacity_; }

    // Characters of `text` as stored: a line break counts two (CR LF).
    static int storedLength(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Stored characters still free once the selection is replaced.
    int room() const;
    // The longest start of `text` that fits in the room left.
    QString fitting(const QString& text) const;
    // Removes what the last change put in past the capacity, from its end.
    void cutOverflow();

    int capacity_;
    int changeStart_ = 0;  // where the document last changed, and how much came in
    int changeAdded_ = 0;
    bool cutting_ = false;
};

} // namespace tolvane
