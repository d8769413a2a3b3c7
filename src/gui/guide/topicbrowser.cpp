#include "guide/topicbrowser.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <memory>
#include <vector>

namespace tolvane {

TopicBrowser::TopicBrowser(QWidget* parent) : QTextBrowser(parent) { installTopicAccessibility(); }

QList<TopicBrowser::Part> TopicBrowser::parts() const
{
    QList<Part> found;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (const int level = block.blockFormat().headingLevel(); level > 0) {
            found.append({false, level, block.position(), block.position() + block.length() - 1,
                          block.text().trimmed(), {}});
            continue;
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.isAnchor() || format.anchorHref().isEmpty())
                continue;
            // A link split over fragments (a bold word inside it) is one link.
            if (!found.isEmpty() && found.back().link && found.back().href == format.anchorHref() &&
                found.back().end == fragment.position()) {
                found.back().end += fragment.length();
                found.back().text += fragment.text();
            } else {
                found.append({true, 0, fragment.position(), fragment.position() + fragment.length(), fragment.text(),
                              format.anchorHref()});
            }
        }
    }
    return found;
}

void TopicBrowser::mark(const Part& part)
{
    QTextCursor cursor(document());
    cursor.setPosition(part.start);
    cursor.setPosition(part.end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

namespace {

QString selectedText(const QTextDocument* document, int start, int end)
{
    QTextCursor cursor(const_cast<QTextDocument*>(document));
    cursor.setPosition(std::clamp(start, 0, document->characterCount() - 1));
    cursor.setPosition(std::clamp(end, 0, document->characterCount() - 1), QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

// A heading or a link of the document.
class PartInterface : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PartInterface(TopicBrowser* browser, TopicBrowser::Part part) : browser_(browser), part_(std::move(part)) {}

    bool isValid() const override { return !browser_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return browser_ ? browser_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(browser_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return part_.text;
        case QAccessible::Value: return part_.link ? part_.href : QString::number(part_.level);
        default: return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!browser_)
            return {};
        QTextCursor cursor(browser_->document());
        cursor.setPosition(part_.start);
        QRect area = browser_->cursorRect(cursor);
        cursor.setPosition(part_.end);
        area = area.united(browser_->cursorRect(cursor));
        return QRect(browser_->viewport()->mapToGlobal(area.topLeft()), area.size());
    }
    QAccessible::Role role() const override { return part_.link ? QAccessible::Link : QAccessible::Heading; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.focusable = part_.link;
        if (browser_) {
            const QTextCursor cursor = browser_->textCursor();
            state.focused = part_.link && browser_->hasFocus() && cursor.selectionStart() == part_.start &&
                            cursor.selectionEnd() == part_.end;
            state.invisible = !browser_->isVisible();
        }
        state.linked = part_.link;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        return part_.link ? QStringList{pressAction(), setFocusAction()} : QStringList{setFocusAction()};
    }
    void doAction(const QString& name) override
    {
        if (!browser_)
            return;
        if (name == setFocusAction() || name == pressAction()) {
            browser_->setFocus(Qt::OtherFocusReason);
            browser_->mark(part_);
        }
        if (name == pressAction() && part_.link)
            emit browser_->anchorClicked(QUrl(part_.href));
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TopicBrowser> browser_;
    TopicBrowser::Part part_;
};

// The document: its text, and its headings and links as children.
class TopicInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TopicInterface(TopicBrowser* browser) : QAccessibleWidget(browser, QAccessible::Document) {}
    ~TopicInterface() override { dropParts(); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.focusable = true;
        return state;
    }
    int childCount() const override { return static_cast<int>(current().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const auto& parts = current();
        return index >= 0 && index < static_cast<int>(parts.size()) ? parts[static_cast<std::size_t>(index)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto& parts = current();
        const auto it = std::find(parts.begin(), parts.end(), child);
        return it == parts.end() ? -1 : static_cast<int>(it - parts.begin());
    }
    QAccessibleInterface* focusChild() const override
    {
        for (QAccessibleInterface* part : current())
            if (part->state().focused)
                return part;
        return nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (QAccessibleInterface* part : current())
            if (part->rect().contains(x, y))
                return part;
        return nullptr;
    }

    // The text, as the document holds it.
    void selection(int index, int* start, int* end) const override
    {
        const QTextCursor cursor = browser()->textCursor();
        *start = *end = 0;
        if (index == 0 && cursor.hasSelection()) {
            *start = cursor.selectionStart();
            *end = cursor.selectionEnd();
        }
    }
    int selectionCount() const override { return browser()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override
    {
        QTextCursor cursor = browser()->textCursor();
        cursor.clearSelection();
        browser()->setTextCursor(cursor);
    }
    void setSelection(int, int start, int end) override
    {
        QTextCursor cursor(browser()->document());
        cursor.setPosition(std::clamp(start, 0, characterCount()));
        cursor.setPosition(std::clamp(end, 0, characterCount()), QTextCursor::KeepAnchor);
        browser()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return browser()->textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(0, position, position); }
    QString text(int start, int end) const override { return selectedText(browser()->document(), start, end); }
    QString text(QAccessible::Text t) const override { return QAccessibleWidget::text(t); }
    int characterCount() const override { return browser()->document()->characterCount() - 1; }
    QRect characterRect(int offset) const override
    {
        QTextCursor cursor(browser()->document());
        cursor.setPosition(std::clamp(offset, 0, characterCount()));
        const QRect at = browser()->cursorRect(cursor);
        const QString character = selectedText(browser()->document(), offset, offset + 1);
        const int width = QFontMetrics(cursor.charFormat().font()).horizontalAdvance(character);
        return QRect(browser()->viewport()->mapToGlobal(at.topLeft()), QSize(std::max(width, 1), at.height()));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return browser()->cursorForPosition(browser()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int end) override
    {
        setSelection(0, start, end);
        browser()->ensureCursorVisible();
    }
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = offset;
        *end = offset;
        return {};
    }

private:
    TopicBrowser* browser() const { return static_cast<TopicBrowser*>(widget()); }

    // The parts of the document shown now, made again when it changes.
    const std::vector<QAccessibleInterface*>& current() const
    {
        const QTextDocument* document = browser()->document();
        if (document != document_ || document->revision() != revision_ || browser()->source() != source_) {
            dropParts();
            document_ = document;
            revision_ = document->revision();
            source_ = browser()->source();
            for (const TopicBrowser::Part& part : browser()->parts()) {
                auto* child = new PartInterface(browser(), part);
                QAccessible::registerAccessibleInterface(child);
                parts_.push_back(child);
            }
        }
        return parts_;
    }
    void dropParts() const
    {
        for (QAccessibleInterface* part : parts_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(part));
        parts_.clear();
    }

    mutable std::vector<QAccessibleInterface*> parts_;
    mutable const QTextDocument* document_ = nullptr;
    mutable int revision_ = -1;
    mutable QUrl source_;
};

QAccessibleInterface* topicFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(TopicBrowser::staticMetaObject.className()) && object && object->isWidgetType())
        return new TopicInterface(static_cast<TopicBrowser*>(object));
    return nullptr;
}

} // namespace

void installTopicAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(topicFactory);
        return true;
    }();
    (void)installed;
}

} // namespace tolvane
