#include "guide/helpwindow.h"

#include "guide/helptopics.h"
#include "guide/topicbrowser.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <algorithm>

// The topics live in a static library: their resource must be pulled in.
static void initHelpResources() { Q_INIT_RESOURCE(help); }

namespace tolvane {

namespace {
const QString SizeGroup = QStringLiteral("HelpViewer");
const QString Caption = QStringLiteral("Tolvane Help");
constexpr int ContextRole = Qt::UserRole;

QSettings sizeSettings() { return QSettings(QStringLiteral("Tolvane"), QStringLiteral("Help")); }

// The topic's words, for finding: its text without the markup.
QString topicText(const HelpTopic& topic)
{
    QFile file(QStringLiteral(":/help/") + topic.file);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    return document.toPlainText();
}

bool containsAll(const QString& text, const QStringList& words)
{
    return std::all_of(words.begin(), words.end(),
                       [&text](const QString& word) { return text.contains(word, Qt::CaseInsensitive); });
}

QTreeWidgetItem* topicItem(const HelpTopic& topic)
{
    auto* item = new QTreeWidgetItem({topic.title});
    item->setData(0, ContextRole, topic.context);
    return item;
}
} // namespace

QString helpTopicUrl(const QString& file) { return QStringLiteral("qrc:/help/") + file; }

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), find_(new QLineEdit), found_(new QLabel), list_(new QTreeWidget),
      browser_(new TopicBrowser), back_(new QToolButton), forward_(new QToolButton),
      close_(new QPushButton(QStringLiteral("&Close")))
{
    initHelpResources();
    setWindowTitle(Caption);
    setAccessibleName(Caption);
    setProperty("helpContext", UsingHelpHelpContext);  // F1 here: how to use help

    find_->setPlaceholderText(QStringLiteral("Find in topics"));
    find_->setAccessibleName(QStringLiteral("Find in topics"));
    find_->setClearButtonEnabled(true);
    found_->setWordWrap(true);
    found_->hide();
    list_->setAccessibleName(QStringLiteral("Topics"));
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    listGroups();
    browser_->setAccessibleName(QStringLiteral("Topic"));
    // Links are followed here so that only bundled topics open.
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    // Keyboard users move through the topic's links with Tab; the link that
    // has the focus is marked in strong colours, also while the window is not
    // the active one.
    browser_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    QPalette marked = browser_->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        marked.setColor(group, QPalette::Highlight, QColor(0, 0, 128));
        marked.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    browser_->setPalette(marked);

    back_->setText(QStringLiteral("< &Back"));
    forward_->setText(QStringLiteral("&Forward >"));
    back_->setAccessibleName(QStringLiteral("Back"));
    forward_->setAccessibleName(QStringLiteral("Forward"));
    back_->setEnabled(false);
    forward_->setEnabled(false);
    close_->setAccessibleName(QStringLiteral("Close"));
    close_->setAutoDefault(false);

    auto* findLabel = new QLabel(QStringLiteral("F&ind:"));
    findLabel->setBuddy(find_);
    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(findLabel);
    findRow->addWidget(find_);
    leftLayout->addLayout(findRow);
    leftLayout->addWidget(found_);
    leftLayout->addWidget(list_);

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    buttons->addWidget(close_);
    rightLayout->addLayout(buttons);
    rightLayout->addWidget(browser_);

    auto* splitter = new QSplitter;
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 440});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::followSource);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    const auto chosen = [this](QTreeWidgetItem* item) {
        const int context = item ? item->data(0, ContextRole).toInt() : 0;
        if (context > 0 && context != currentContext())
            showTopic(context);
    };
    connect(list_, &QTreeWidget::itemActivated, this, chosen);
    connect(list_, &QTreeWidget::currentItemChanged, this, chosen);
    connect(find_, &QLineEdit::textChanged, this, &HelpWindow::filterTopics);
    connect(find_, &QLineEdit::returnPressed, this, [this] {
        if (list_->topLevelItemCount() > 0 && list_->topLevelItem(0)->data(0, ContextRole).toInt() > 0) {
            list_->setCurrentItem(list_->topLevelItem(0));  // the best match
            browser_->find(find_->text().split(QLatin1Char(' '), Qt::SkipEmptyParts).value(0));
        }
    });

    QSettings settings = sizeSettings();
    resize(settings.value(SizeGroup + QStringLiteral("/Width"), 680).toInt(),
           settings.value(SizeGroup + QStringLiteral("/Height"), 480).toInt());
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::listGroups()
{
    const QSignalBlocker block(list_);
    list_->clear();
    for (HelpGroup group : {HelpGroup::UsingTheProgram, HelpGroup::DietAndHealth}) {
        auto* heading = new QTreeWidgetItem(list_, {helpGroupTitle(group)});
        heading->setFlags(Qt::ItemIsEnabled);  // a heading, not a topic
        QFont bold = heading->font(0);
        bold.setBold(true);
        heading->setFont(0, bold);
        for (const HelpTopic& topic : helpTopics())
            if (topic.group == group)
                heading->addChild(topicItem(topic));
    }
    list_->expandAll();
    markCurrent();
}

bool HelpWindow::open(int helpContext)
{
    if (!helpTopic(helpContext))
        return false;
    if (!find_->text().isEmpty())
        find_->clear();  // the topic asked for is in the list again
    return showTopic(helpContext);
}

bool HelpWindow::showTopic(int helpContext)
{
    const std::optional<HelpTopic> topic = helpTopic(helpContext);
    if (!topic)
        return false;
    browser_->setSource(QUrl(helpTopicUrl(topic->file)));
    return true;
}

bool HelpWindow::followLink(const QUrl& link)
{
    const QString file = link.fileName();
    for (const HelpTopic& topic : helpTopics())
        if (topic.file == file) {
            browser_->setSource(QUrl(helpTopicUrl(file)));
            return true;
        }
    return false;
}

int HelpWindow::currentContext() const
{
    for (const HelpTopic& topic : helpTopics())
        if (topic.file == shownFile_)
            return topic.context;
    return 0;
}

QStringList HelpWindow::listedTitles() const
{
    QStringList titles;
    for (QTreeWidgetItemIterator it(list_); *it; ++it)
        if ((*it)->data(0, ContextRole).toInt() > 0)
            titles.append((*it)->text(0));
    return titles;
}

void HelpWindow::markCurrent()
{
    const int context = currentContext();
    const QSignalBlocker block(list_);
    for (QTreeWidgetItemIterator it(list_); *it; ++it)
        if (context > 0 && (*it)->data(0, ContextRole).toInt() == context)
            list_->setCurrentItem(*it);
}

void HelpWindow::followSource(const QUrl& source)
{
    // The browser's own source() is not yet the new one while it tells of it.
    shownFile_ = source.fileName();
    markCurrent();
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? Caption : Caption + QStringLiteral(" - ") + title);
}

void HelpWindow::filterTopics(const QString& words)
{
    const QStringList wanted = words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (wanted.isEmpty()) {
        found_->hide();
        find_->setAccessibleDescription(QString());
        listGroups();
        return;
    }
    // Topics whose title holds the words first, then those whose text does,
    // each in the order of the list.
    std::vector<const HelpTopic*> inTitle;
    std::vector<const HelpTopic*> inText;
    for (const HelpTopic& topic : helpTopics()) {
        if (containsAll(topic.title, wanted))
            inTitle.push_back(&topic);
        else if (containsAll(topic.title + QLatin1Char(' ') + topicText(topic), wanted))
            inText.push_back(&topic);
    }
    const QSignalBlocker block(list_);
    list_->clear();
    for (const auto* list : {&inTitle, &inText})
        for (const HelpTopic* topic : *list)
            list_->addTopLevelItem(topicItem(*topic));
    const std::size_t count = inTitle.size() + inText.size();
    found_->setText(count == 0 ? QStringLiteral("No topic contains \"%1\".").arg(words.trimmed())
                    : count == 1 ? QStringLiteral("1 topic found.")
                                 : QStringLiteral("%1 topics found.").arg(count));
    found_->show();
    // Read where the typing is, as the food list's find field says its result.
    find_->setAccessibleDescription(found_->text());
    markCurrent();
}

void HelpWindow::saveSize() const
{
    QSettings settings = sizeSettings();
    settings.setValue(SizeGroup + QStringLiteral("/Width"), width());
    settings.setValue(SizeGroup + QStringLiteral("/Height"), height());
}

void HelpWindow::hideEvent(QHideEvent* event)
{
    saveSize();
    QWidget::hideEvent(event);
}

} // namespace tolvane
