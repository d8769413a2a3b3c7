#pragma once
// The program's own help viewer: the list of topics, the topic with links to
// others, back and forward, and a box that finds topics by their words. It
// keeps its size from one run to the next.

#include <QWidget>

class QLineEdit;
class QUrl;
class QListWidget;
class QTextBrowser;
class QToolButton;

namespace tolvane {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Shows the topic of a help context; false when there is none.
    bool showTopic(int helpContext);
    // A link of the topic shown: opens the topic it names; false when it
    // names none.
    bool followLink(const QUrl& link);
    // The context of the topic shown (0 when none).
    int currentContext() const;

    QTextBrowser* browser() const { return browser_; }
    QListWidget* topicList() const { return list_; }
    QLineEdit* findBox() const { return find_; }
    QToolButton* backButton() const { return back_; }
    QToolButton* forwardButton() const { return forward_; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void filterTopics(const QString& words);
    void followSource(const QUrl& source);
    void saveSize() const;

    QLineEdit* find_;
    QListWidget* list_;
    QTextBrowser* browser_;
    QToolButton* back_;
    QToolButton* forward_;
    QString shownFile_;
};

// Where the topics are bundled.
QString helpTopicUrl(const QString& file);

} // namespace tolvane
