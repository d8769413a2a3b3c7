#include "shell/undohistory.h"

#include "shell/program.h"

namespace tolvane {

namespace {

// One kept change. It is already made when it is pushed: the stack's first
// redo does nothing.
class ChangeCommand : public QUndoCommand {
public:
    explicit ChangeCommand(std::unique_ptr<Change> change) : change_(std::move(change))
    {
        setText(change_->text());
    }
    void undo() override { change_->undo(); }
    void redo() override
    {
        if (!std::exchange(made_, false))
            change_->redo();
    }
    const Change& change() const { return *change_; }

private:
    std::unique_ptr<Change> change_;
    bool made_ = true;
};

// A name from the data in a menu caption: "&" shows as itself.
QString captionOf(const QString& verb, const QString& text)
{
    if (text.isEmpty())
        return verb;
    QString shown = text;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return verb + QLatin1Char(' ') + shown;
}
} // namespace

UndoHistory::UndoHistory(Program& program, QObject* parent) : QObject(parent), program_(program)
{
    stack_.setUndoLimit(Steps);
    program_.changes.setRecorder([this](std::unique_ptr<Change> change) {
        stack_.push(new ChangeCommand(std::move(change)));
    });
    program_.changes.forgetAll = [this] { stack_.clear(); };
    program_.setHandler(Command::Undo, [this] {
        program_.changes.settle();
        stack_.undo();
    });
    program_.setHandler(Command::Redo, [this] {
        program_.changes.settle();
        stack_.redo();
    });
    connect(&stack_, &QUndoStack::indexChanged, this, &UndoHistory::showState);
    connect(&stack_, &QUndoStack::cleanChanged, this, &UndoHistory::showState);
    showState();
}

UndoHistory::~UndoHistory()
{
    program_.changes.setRecorder({});
    program_.changes.forgetAll = {};
}

qsizetype UndoHistory::heldBytes() const
{
    qsizetype bytes = 0;
    for (int i = 0; i < stack_.count(); ++i)
        bytes += static_cast<const ChangeCommand*>(stack_.command(i))->change().heldBytes();
    return bytes;
}

void UndoHistory::showState()
{
    program_.setEnabled(Command::Undo, stack_.canUndo());
    program_.setEnabled(Command::Redo, stack_.canRedo());
    program_.setCaption(Command::Undo, captionOf(menuCaption(Command::Undo), stack_.canUndo() ? stack_.undoText() : QString()));
    program_.setCaption(Command::Redo, captionOf(menuCaption(Command::Redo), stack_.canRedo() ? stack_.redoText() : QString()));
}

} // namespace tolvane
