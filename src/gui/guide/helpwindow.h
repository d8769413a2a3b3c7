#pragma once
// The program's own help viewer: the topics in two groups, the topic with links
// to others, back and forward, and a box that finds topics by their words. It
// keeps its size from one run to the next; Esc, Ctrl+W and "&Close" close it.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QUrl;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tolvane {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Opens a topic for someone who asked for it (F1, a menu item, a label):
    // the whole topic list comes back, then the topic shows; false when the
    // help context has none.
    bool open(int helpContext);
    // Shows the topic of a help context; false when there is none.
    bool showTopic(int helpContext);
    // A link of the topic shown: opens the topic it names; false when it
    // names none.
    bool followLink(const QUrl& link);
    // The context of the topic shown (0 when none).
    int currentContext() const;
    // The titles the topic list shows, in its order: the groups' topics, or
    // those found.
    QStringList listedTitles() const;

    QTextBrowser* browser() const { return browser_; }
    QTreeWidget* topicList() const { return list_; }
    QLineEdit* findBox() const { return find_; }
    // What the find box found ("No topic contains ...").
    QLabel* findResult() const { return found_; }
    QToolButton* backButton() const { return back_; }
    QToolButton* forwardButton() const { return forward_; }
    QPushButton* closeButton() const { return close_; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void filterTopics(const QString& words);
    void listGroups();
    void markCurrent();
    void followSource(const QUrl& source);
    void saveSize() const;

    QLineEdit* find_;
    QLabel* found_;
    QTreeWidget* list_;
    QTextBrowser* browser_;
    QToolButton* back_;
    QToolButton* forward_;
    QPushButton* close_;
    QString shownFile_;
};

// Where the topics are bundled.
QString helpTopicUrl(const QString& file);

} // namespace tolvane
