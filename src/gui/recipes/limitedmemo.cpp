#include "recipes/limitedmemo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace tolvane {

namespace {
// Every way a line break reaches the memo: typed, pasted from another system,
// or as the document's own paragraph and line separators.
bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator ||
           c == QChar::LineSeparator;
}

// The text with CR LF taken as one line break, as the memo inserts it.
QString singleBreaks(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
} // namespace

LimitedMemo::LimitedMemo(int capacity, QWidget* parent) : QPlainTextEdit(parent), capacity_(capacity) {}

int LimitedMemo::storedLength(const QString& text)
{
    int length = 0;
    for (QChar c : singleBreaks(text))
        length += isLineBreak(c) ? 2 : 1;
    return length;
}

int LimitedMemo::room() const
{
    return capacity_ - storedLength(toPlainText()) + storedLength(textCursor().selectedText());
}

QString LimitedMemo::fitting(const QString& text) const
{
    const QString single = singleBreaks(text);
    int left = room();
    qsizetype n = 0;
    for (; n < single.size(); ++n) {
        const int cost = isLineBreak(single[n]) ? 2 : 1;
        if (cost > left)
            break;
        left -= cost;
    }
    return single.left(n);
}

void LimitedMemo::keyPressEvent(QKeyEvent* event)
{
    QString typed;
    if (!isReadOnly() && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            typed = QStringLiteral("\n");
        else if (!event->text().isEmpty() && event->text().front().isPrint())
            typed = event->text();
    }
    if (!typed.isEmpty() && fitting(typed) != singleBreaks(typed)) {
        event->accept();
        QApplication::beep();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedMemo::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    const QString fits = fitting(commit);
    if (fits == singleBreaks(commit)) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(fits, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cut);
    event->accept();
}

void LimitedMemo::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText() || isReadOnly()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    const QString text = source->text();
    const QString fits = fitting(text);
    if (fits.isEmpty() && !text.isEmpty()) {
        QApplication::beep();
        return;
    }
    // One edit, so that a single undo takes the whole insertion back.
    QTextCursor cursor = textCursor();
    cursor.insertText(fits);
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace tolvane
