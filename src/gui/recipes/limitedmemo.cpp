#include "recipes/limitedmemo.h"

#include <QApplication>
#include <QTextDocument>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

#include <algorithm>

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

LimitedMemo::LimitedMemo(int capacity, QWidget* parent) : QPlainTextEdit(parent), capacity_(capacity)
{
    // Connected before anyone else, so the text others see has been cut.
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedMemo::cutOverflow);
    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int, int added) {
        changeStart_ = position;
        changeAdded_ = added;
    });
}

void LimitedMemo::cutOverflow()
{
    if (cutting_)
        return;
    const QString text = toPlainText();
    if (storedLength(text) <= capacity_)
        return;
    // The change's range, within the text (the document's last paragraph
    // separator is no character of it).
    const int end = std::clamp(changeStart_ + changeAdded_, 0, static_cast<int>(text.size()));
    const int start = std::clamp(changeStart_, 0, end);
    // The least taken from the end of what came in that makes the text fit;
    // when that is not enough, the rest comes off the end of the memo.
    const auto fitsWithout = [&](int n) {
        const int from = end - std::min(n, end - start);
        QString kept = text.left(from) + text.mid(end);
        kept.chop(std::max(0, n - (end - from)));
        return storedLength(kept) <= capacity_;
    };
    // Taking more never makes the text longer as stored, so the least that
    // fits is found by halving (taking everything always fits).
    int cut = 0;
    for (int most = static_cast<int>(text.size()); cut < most;) {
        const int middle = (cut + most) / 2;
        if (fitsWithout(middle))
            most = middle;
        else
            cut = middle + 1;
    }
    const int fromInsert = std::min(cut, end - start);

    cutting_ = true;
    QTextCursor cursor(document());
    cursor.joinPreviousEditBlock();
    if (fromInsert > 0) {
        cursor.setPosition(end - fromInsert);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    if (cut > fromInsert) {
        cursor.movePosition(QTextCursor::End);
        cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor, cut - fromInsert);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
    cutting_ = false;
}

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
