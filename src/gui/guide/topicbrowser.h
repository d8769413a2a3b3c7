#pragma once
// The topic document of the help viewer. Beside its text, a screen reader
// finds its headings and links as parts of the document through the
// accessibility interface, in reading order: it can move from heading to
// heading and link to link, mark a link (which shows as the keyboard's
// focus) and follow it.

#include <QTextBrowser>

namespace tolvane {

class TopicBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit TopicBrowser(QWidget* parent = nullptr);

    struct Part {
        bool link;     // a link; otherwise a heading
        int level;     // of a heading: 1 for the topic's title
        int start;     // in the document
        int end;
        QString text;
        QString href;  // of a link
    };
    // The headings and links, in the order they are read.
    QList<Part> parts() const;
    // Marks a part as the keyboard marks a link: selected and scrolled into view.
    void mark(const Part& part);
};

// Lets the accessibility interface see the topic's parts (once per run).
void installTopicAccessibility();

} // namespace tolvane
