// The tutor, the information window, the help viewer and F1, as the user
// meets them in the windows.

#include "food/foodtableio.h"
#include "food/fooditemdialog.h"
#include "guide/helpkey.h"
#include "guide/helptopics.h"
#include "guide/helpwindow.h"
#include "guide/informationwindow.h"
#include "guide/tutordialog.h"
#include "printing/previewwindow.h"
#include "printing/titledialog.h"
#include "app/app.h"
#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "scriptedui.h"
#include "testfiles.h"
#include "windowtest.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <set>

using namespace tolvane;
using namespace tolvane::test;

namespace {

// Every help context the program uses: the named help context constants and
// the numbers given to messages in the sources, and the tables of pages, help
// items and information labels.
std::set<int> usedHelpContexts()
{
    std::set<int> contexts;
    const QRegularExpression constant(QStringLiteral(R"(\w*HelpContext\s*=\s*(\d+)\s*;)"));
    const QRegularExpression literal(QStringLiteral(R"(Message::typed\([^;]*?,\s*(\d+)\s*\)\s*\))"));
    QDirIterator files(QStringLiteral(TOLVANE_SOURCE_DIR "/src"), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpression& pattern : {constant, literal}) {
            auto matches = pattern.globalMatch(text);
            while (matches.hasNext())
                contexts.insert(matches.next().captured(1).toInt());
        }
    }
    for (const PageDefinition& page : pages())
        contexts.insert(page.helpContext);
    for (const HelpMenuTopic& item : helpMenuTopics())
        contexts.insert(item.helpContext);
    for (const Information::Label& label : Information::labels())
        contexts.insert(label.helpContext);
    contexts.erase(0);  // no help
    return contexts;
}

class GuideWindowTest : public WindowTest {
protected:

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(openWindow({makeItem(QStringLiteral("Apple")), makeItem(QStringLiteral("Milk"))}));
        window->applyStartPosition();
    }
};

} // namespace

TEST_F(GuideWindowTest, TheFirstShowingOpensTheTutorThroughTheProgramItself)
{
    window->show();
    EXPECT_EQ(ui.windows, QStringList({QStringLiteral("tutor"), QStringLiteral("information")}));
    for (QAction* action : window->topMenu(TopMenu::Help)->actions())
        if (!action->isSeparator()) {
            EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
        }
}

TEST_F(GuideWindowTest, TutorWindowStepsThroughItsTextsPlacesAndPages)
{
    std::vector<QPoint> places;
    std::vector<int> shownPages;
    QString firstText;
    QRect textArea, next, cancel;
    QSize size;
    bool onTop = false;
    bool closed = false;
    ui.tutorScripts.push_back([&](Tutor& tutor) {
        TutorDialog dialog(tutor, [&] { window->refresh(); }, window.get());
        dialog.show();
        size = dialog.size();
        textArea = dialog.textArea()->geometry();
        next = dialog.nextButton()->geometry();
        cancel = dialog.cancelButton()->geometry();
        onTop = dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        firstText = dialog.textArea()->toPlainText();
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tutor"));
        EXPECT_EQ(dialog.nextButton()->text(), QStringLiteral("&Next"));
        EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("&Cancel"));
        EXPECT_TRUE(dialog.textArea()->isReadOnly());
        for (int i = 0; i < 12; ++i) {
            QTest::mouseClick(dialog.nextButton(), Qt::LeftButton);
            places.push_back(dialog.pos());
            shownPages.push_back(window->pageControl()->currentIndex());
            if (i == 11) {
                EXPECT_EQ(dialog.textArea()->toPlainText(), Tutor::texts().at(12));
            }
        }
        QTest::mouseClick(dialog.nextButton(), Qt::LeftButton);
        closed = !dialog.isVisible() && dialog.result() == QDialog::Accepted;
    });
    app->program.execute(Command::Tutor);

    EXPECT_EQ(size, QSize(250, 174));
    EXPECT_EQ(textArea, QRect(6, 5, 235, 132));
    EXPECT_EQ(next, QRect(54, 145, 61, 24));
    EXPECT_EQ(cancel, QRect(135, 145, 61, 24));
    EXPECT_TRUE(onTop);
    EXPECT_EQ(firstText, Tutor::texts().at(0));
    const int top = app->program.windowTop();
    const int left = app->program.windowLeft();
    ASSERT_EQ(places.size(), 12u);
    EXPECT_EQ(places[1], QPoint(left + 250, top + 250));   // step 3
    EXPECT_EQ(places[4], QPoint(left + 25, top + 75));     // step 6
    EXPECT_EQ(places[10], QPoint(left + 350, top + 250));  // step 12
    EXPECT_EQ(shownPages[7], WeightPageIndex);
    EXPECT_EQ(shownPages[8], RdaPageIndex);
    EXPECT_EQ(shownPages[9], MenuPlannerPageIndex);
    EXPECT_TRUE(closed);
    EXPECT_EQ(ui.windows.back(), QStringLiteral("information"));
}

TEST_F(GuideWindowTest, ClosingTheTutorWindowReturnsToThePlanner)
{
    ui.tutorScripts.push_back([&](Tutor& tutor) {
        TutorDialog dialog(tutor, [&] { window->refresh(); }, window.get());
        dialog.show();
        for (int i = 0; i < 8; ++i)
            QTest::mouseClick(dialog.nextButton(), Qt::LeftButton);
        EXPECT_EQ(window->pageControl()->currentIndex(), WeightPageIndex);
        dialog.close();  // the close box
        EXPECT_FALSE(tutor.isOpen());
    });
    app->program.execute(Command::Tutor);
    window->refresh();
    EXPECT_EQ(window->pageControl()->currentIndex(), MenuPlannerPageIndex);
}

TEST_F(GuideWindowTest, InformationLabelsAreBlueThenMagentaForTheRun)
{
    Information& information = app->tutor.information();
    {
        InformationWindow shown(information, window.get());
        EXPECT_EQ(shown.windowTitle(), QStringLiteral("INFORMATION YOU NEED TO KNOW"));
        EXPECT_EQ(shown.textArea()->toPlainText(), Information::text());
        const QStringList texts = {QStringLiteral("Disclaimer"), QStringLiteral("Updated Food Item List"),
                                   QStringLiteral("Personal List"), QStringLiteral("Building a Weight Graph")};
        const int ys[] = {88, 112, 136, 160};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(shown.label(i)->text(), texts[i]);
            EXPECT_EQ(shown.label(i)->pos(), QPoint(24, ys[i]));
            EXPECT_EQ(shown.label(i)->palette().color(QPalette::ButtonText), QColor(Qt::blue));
        }
        EXPECT_EQ(shown.exitButton()->text(), QStringLiteral("E&xit"));
        QTest::mouseClick(shown.label(1), Qt::LeftButton);
        shown.label(3)->setFocus();
        QTest::keyClick(shown.label(3), Qt::Key_Space);  // the keyboard reads them too
        EXPECT_EQ(shown.label(1)->palette().color(QPalette::ButtonText), QColor(Qt::magenta));
    }
    EXPECT_EQ(ui.helpTopics, std::vector<int>({32, 11}));
    InformationWindow again(information, window.get());
    EXPECT_EQ(again.label(1)->palette().color(QPalette::ButtonText), QColor(Qt::magenta));
    EXPECT_EQ(again.label(3)->palette().color(QPalette::ButtonText), QColor(Qt::magenta));
    EXPECT_EQ(again.label(0)->palette().color(QPalette::ButtonText), QColor(Qt::blue));
}

TEST(HelpTopics, EveryHelpContextUsedOpensANamedTopicWithWorkingLinks)
{
    const std::set<int> used = usedHelpContexts();
    // The contexts of the program's tables, at least.
    for (int context : {1, 3, 4, 5, 6, 7, 9, 10, 11, 17, 21, 22, 25, 26, 32, 33})
        EXPECT_TRUE(used.count(context)) << context;
    HelpWindow help;
    for (int context : used) {
        SCOPED_TRACE(context);
        const std::optional<HelpTopic> topic = helpTopic(context);
        ASSERT_TRUE(topic.has_value());
        ASSERT_TRUE(help.showTopic(context));
        EXPECT_EQ(help.currentContext(), context);
        EXPECT_EQ(help.browser()->documentTitle(), topic->title);
        const QString text = help.browser()->toPlainText();
        EXPECT_TRUE(text.startsWith(topic->title));
        EXPECT_GT(text.size(), 400);
        // Each link leads to a bundled topic.
        QFile file(QStringLiteral(":/help/") + topic->file);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        auto links = QRegularExpression(QStringLiteral(R"(href="([^"]+)\")")).globalMatch(QString::fromUtf8(file.readAll()));
        while (links.hasNext()) {
            const QString target = links.next().captured(1);
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + target)) << target.toStdString();
        }
    }
    EXPECT_EQ(help.topicList()->count(), static_cast<int>(helpTopics().size()));
    EXPECT_FALSE(help.showTopic(2));
}

TEST(HelpTopics, DietaryTopicsNameTheirSourcesAndTheDisclaimerSaysItIsNotMedicalAdvice)
{
    HelpWindow help;
    for (int context : {3, 4, 5, 6, 7, 21}) {
        SCOPED_TRACE(context);
        help.showTopic(context);
        const QString text = help.browser()->toPlainText();
        EXPECT_TRUE(text.contains(QStringLiteral("Sources")));
        EXPECT_TRUE(text.contains(QStringLiteral("not medical advice")));
    }
    help.showTopic(22);
    EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("information, not medical advice")));
    help.showTopic(3);
    EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("Acceptable Macronutrient Distribution")));
    help.showTopic(32);
    EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("Standard Reference, Release 24")));
}

TEST(HelpViewer, LinksBackForwardFindAndItsSize)
{
    QSettings(QStringLiteral("Tolvane"), QStringLiteral("Help")).clear();
    {
        HelpWindow help;
        EXPECT_EQ(help.size(), QSize(680, 480));
        help.show();
        EXPECT_FALSE(help.backButton()->isEnabled());
        help.showTopic(1);
        ASSERT_TRUE(help.followLink(QUrl(QStringLiteral("weight.html"))));  // a link of the topic
        EXPECT_FALSE(help.followLink(QUrl(QStringLiteral("https://example.org/"))));
        EXPECT_EQ(help.currentContext(), 11);
        EXPECT_EQ(help.topicList()->currentItem()->text(), QStringLiteral("Building a Weight Graph"));
        ASSERT_TRUE(help.backButton()->isEnabled());
        QTest::mouseClick(help.backButton(), Qt::LeftButton);
        EXPECT_EQ(help.currentContext(), 1);
        QTest::mouseClick(help.forwardButton(), Qt::LeftButton);
        EXPECT_EQ(help.currentContext(), 11);

        help.topicList()->setCurrentRow(0);  // choosing a topic from the list
        EXPECT_EQ(help.currentContext(), helpTopics().front().context);

        QTest::keyClicks(help.findBox(), QStringLiteral("sodium milligrams"));
        QStringList found;
        for (int row = 0; row < help.topicList()->count(); ++row)
            if (!help.topicList()->item(row)->isHidden())
                found.append(help.topicList()->item(row)->text());
        EXPECT_TRUE(found.contains(QStringLiteral("Low Sodium")));
        EXPECT_FALSE(found.contains(QStringLiteral("Personal List")));
        QTest::keyClick(help.findBox(), Qt::Key_Return);
        EXPECT_NE(help.currentContext(), 0);
        EXPECT_TRUE(found.contains(help.topicList()->currentItem()->text()))
            << help.topicList()->currentItem()->text().toStdString() << " " << found.join(QLatin1Char(',')).toStdString();

        EXPECT_EQ(help.browser()->accessibleName(), QStringLiteral("Topic"));
        QAccessibleInterface* topic = QAccessible::queryAccessibleInterface(help.browser());
        ASSERT_TRUE(topic && topic->textInterface());
        EXPECT_TRUE(topic->textInterface()
                        ->text(0, topic->textInterface()->characterCount())
                        .contains(QStringLiteral("sodium"), Qt::CaseInsensitive));
        help.resize(700, 520);
        help.close();
    }
    HelpWindow again;
    EXPECT_EQ(again.size(), QSize(700, 520));
}

TEST_F(GuideWindowTest, F1OnEachPageAndDialogOpensItsTopic)
{
    window->show();
    ui.helpTopics.clear();
    for (int index = 0; index < PageCount; ++index) {
        window->pageControl()->setCurrentIndex(index);
        QWidget* page = window->pageControl()->widget(index);
        QWidget* focus = page->findChild<QWidget*>();
        ASSERT_TRUE(focus);
        QTest::keyClick(focus, Qt::Key_F1);
        ASSERT_FALSE(ui.helpTopics.empty());
        EXPECT_EQ(ui.helpTopics.back(), pages()[static_cast<std::size_t>(index)].helpContext) << index;
    }
    window->pageControl()->setCurrentIndex(WeightPageIndex);
    QTest::keyClick(window->pageControl()->tabBar(), Qt::Key_F1);  // the page control's tabs: the page shown
    EXPECT_EQ(ui.helpTopics.back(), 11);
    QTest::keyClick(window->toolButton(Command::Exit), Qt::Key_F1);
    EXPECT_EQ(ui.helpTopics.back(), 1);
    ui.helpTopics.clear();
    QTest::keyClick(window->topMenu(TopMenu::Help), Qt::Key_F1);  // an open menu
    EXPECT_EQ(ui.helpTopics, std::vector<int>({1}));

    FoodItemForm form{EditItem{}};
    FoodItemDialog dialog(form, ui, window.get());
    QTest::keyClick(dialog.findChild<QLineEdit*>(), Qt::Key_F1);
    EXPECT_EQ(ui.helpTopics.back(), 9);
    QPushButton* helpButton = nullptr;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("&Help"))
            helpButton = button;
    ASSERT_TRUE(helpButton);
    QTest::mouseClick(helpButton, Qt::LeftButton);
    EXPECT_EQ(ui.helpTopics.back(), 9);

    // A window without a help context of its own does not borrow its owner's.
    const std::size_t before = ui.helpTopics.size();
    TitleDialog title(window.get());
    QTest::keyClick(title.titleEdit(), Qt::Key_F1);
    EXPECT_EQ(ui.helpTopics.size(), before);
}

TEST(QtHelp, F1InAMessageBoxOpensTheViewerAboveIt)
{
    QtUserInterface ui;
    HelpKey key(ui, nullptr);
    qApp->installEventFilter(&key);
    int shown = 0;
    bool modalOnTop = false;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QTest::keyClick(box, Qt::Key_F1);
        } else if (auto* help = qobject_cast<HelpWindow*>(modal)) {
            shown = help->currentContext();
            modalOnTop = true;
            help->close();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* shownBox = qobject_cast<QMessageBox*>(w); shownBox && shownBox->isVisible())
                    shownBox->accept();
        }
    });
    timer.start();
    ui.showMessage(Message::typed(QStringLiteral("Fooditem table full."), Icon::Information, only(Button::Ok), 17));
    timer.stop();
    qApp->removeEventFilter(&key);
    EXPECT_EQ(shown, 17);
    EXPECT_TRUE(modalOnTop);
    // From the main window the viewer is not modal.
    ui.showHelpTopic(22);
    ASSERT_TRUE(ui.helpWindow());
    EXPECT_EQ(ui.helpWindow()->windowModality(), Qt::NonModal);
    EXPECT_EQ(ui.helpWindow()->currentContext(), 22);
    delete ui.helpWindow();
}

TEST(QtTutor, TheRealWindowsWalkTheTutorWithThePreviewAndTheInformationWindow)
{
    QTemporaryDir dir;
    writeAll(dir.filePath(FoodTableFileName), tableBytes({makeItem(QStringLiteral("Apple"))}));
    QtUserInterface ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};
    App app(ui, settings, dir.path());
    MainWindow window(app);
    ui.setParent(&window);

    int presses = 0;
    int titles = 0;
    bool previewWhileTutor = false;
    bool information = false;
    bool pending = false;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->accept();  // no menu or activity file yet
        } else if (auto* title = qobject_cast<TitleDialog*>(modal)) {
            ++titles;
            title->accept();
        } else if (auto* tutor = qobject_cast<TutorDialog*>(modal); tutor && !pending) {
            // Pressed from a later turn of the loop: step 11 opens a modal
            // title dialog inside the press, and this timer must answer it.
            pending = true;
            QTimer::singleShot(0, tutor, [&, tutor] {
                pending = false;
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (qobject_cast<PreviewWindow*>(w) && w->isVisible() && presses == 10)
                        previewWhileTutor = true;
                ++presses;
                tutor->nextButton()->click();
            });
        } else if (auto* info = qobject_cast<InformationWindow*>(modal)) {
            information = true;
            info->exitButton()->click();
        }
    });
    timer.start();
    ASSERT_TRUE(app.program.formCreate().ok);
    window.applyStartPosition();
    window.show();  // the first start opens the tutor
    timer.stop();
    EXPECT_EQ(presses, 13);
    EXPECT_EQ(titles, 1);
    EXPECT_TRUE(previewWhileTutor);
    EXPECT_TRUE(information);
    QApplication::processEvents();
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<PreviewWindow*>(w) && w->isVisible());
    EXPECT_EQ(window.pageControl()->currentIndex(), MenuPlannerPageIndex);
    EXPECT_FALSE(app.printing.tutorPreview());
}
