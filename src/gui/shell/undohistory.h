#pragma once
// The user's changes on Qt's undo stack: each change the core keeps becomes a
// command; "U&ndo" and "Re&do" of the "&Main" menu take them back and make
// them again, and their captions name the change. The changes themselves
// (what they put back, which files they save) are the core's.

#include <QObject>
#include <QUndoStack>

namespace tolvane {

class Program;

class UndoHistory : public QObject {
    Q_OBJECT
public:
    // At least this many changes can be taken back in a session.
    static constexpr int Steps = 1000;

    explicit UndoHistory(Program& program, QObject* parent = nullptr);
    ~UndoHistory() override;
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    QUndoStack& stack() { return stack_; }
    // The bytes the kept changes hold.
    qsizetype heldBytes() const;

private:
    void showState();

    Program& program_;
    QUndoStack stack_;
};

} // namespace tolvane
