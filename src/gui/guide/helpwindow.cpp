#include "guide/helpwindow.h"

#include "guide/helptopics.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

// The topics live in a static library: their resource must be pulled in.
static void initHelpResources() { Q_INIT_RESOURCE(help); }

namespace tolvane {

namespace {
const QString SizeGroup = QStringLiteral("HelpViewer");
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
} // namespace

QString helpTopicUrl(const QString& file) { return QStringLiteral("qrc:/help/") + file; }

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), find_(new QLineEdit), list_(new QListWidget), browser_(new QTextBrowser),
      back_(new QToolButton), forward_(new QToolButton)
{
    initHelpResources();
    setWindowTitle(QStringLiteral("Tolvane Help"));
    setAccessibleName(QStringLiteral("Tolvane Help"));

    find_->setPlaceholderText(QStringLiteral("Find in topics"));
    find_->setAccessibleName(QStringLiteral("Find in topics"));
    find_->setClearButtonEnabled(true);
    list_->setAccessibleName(QStringLiteral("Topics"));
    for (const HelpTopic& topic : helpTopics()) {
        auto* item = new QListWidgetItem(topic.title, list_);
        item->setData(ContextRole, topic.context);
    }
    browser_->setAccessibleName(QStringLiteral("Topic"));
    // Links are followed here so that only bundled topics open.
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    // Keyboard users move through the topic's links with Tab.
    browser_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);

    back_->setText(QStringLiteral("< &Back"));
    forward_->setText(QStringLiteral("&Forward >"));
    back_->setAccessibleName(QStringLiteral("Back"));
    forward_->setAccessibleName(QStringLiteral("Forward"));
    back_->setEnabled(false);
    forward_->setEnabled(false);

    auto* findLabel = new QLabel(QStringLiteral("F&ind:"));
    findLabel->setBuddy(find_);
    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(findLabel);
    findRow->addWidget(find_);
    leftLayout->addLayout(findRow);
    leftLayout->addWidget(list_);

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    rightLayout->addLayout(buttons);
    rightLayout->addWidget(browser_);

    auto* splitter = new QSplitter;
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({180, 460});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::followSource);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showTopic(item->data(ContextRole).toInt()); });
    connect(list_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && item->data(ContextRole).toInt() != currentContext())
            showTopic(item->data(ContextRole).toInt());
    });
    connect(find_, &QLineEdit::textChanged, this, &HelpWindow::filterTopics);
    connect(find_, &QLineEdit::returnPressed, this, [this] {
        for (int row = 0; row < list_->count(); ++row)
            if (!list_->item(row)->isHidden()) {
                list_->setCurrentRow(row);
                browser_->find(find_->text());
                return;
            }
    });

    QSettings settings = sizeSettings();
    resize(settings.value(SizeGroup + QStringLiteral("/Width"), 680).toInt(),
           settings.value(SizeGroup + QStringLiteral("/Height"), 480).toInt());
}

HelpWindow::~HelpWindow() = default;

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

void HelpWindow::followSource(const QUrl& source)
{
    // The browser's own source() is not yet the new one while it tells of it.
    shownFile_ = source.fileName();
    const int context = currentContext();
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->data(ContextRole).toInt() == context) {
            const QSignalBlocker block(list_);
            list_->setCurrentRow(row);
        }
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Tolvane Help") : QStringLiteral("Tolvane Help - ") + title);
}

void HelpWindow::filterTopics(const QString& words)
{
    const QStringList wanted = words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        const std::optional<HelpTopic> topic = helpTopic(item->data(ContextRole).toInt());
        const QString text = topic ? topic->title + QLatin1Char(' ') + topicText(*topic) : QString();
        bool all = true;
        for (const QString& word : wanted)
            all = all && text.contains(word, Qt::CaseInsensitive);
        item->setHidden(!all);
    }
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
