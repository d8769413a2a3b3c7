// The tutor, the information window, the help viewer and F1, as the user
// meets them in the windows.

#include "food/foodtableio.h"
#include "activity/activityform.h"
#include "activity/activitytexts.h"
#include "exchange/tablecsv.h"
#include "food/foodediting.h"
#include "food/fooditemform.h"
#include "food/personallist.h"
#include "menu/menustore.h"
#include "menu/targetsplitform.h"
#include "recipes/recipetexts.h"
#include "weight/calculators.h"
#include "food/fooditemdialog.h"
#include "guide/helpkey.h"
#include "guide/helptopics.h"
#include "guide/helpwindow.h"
#include "guide/informationwindow.h"
#include "nutrients/referenceintakes.h"
#include "reference/addfromusda.h"
#include "shell/zoom.h"
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
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QLabel>
#include <QScrollBar>
#include <QTextCursor>
#include <QTreeWidget>
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
        // The whole text shows without scrolling, and where the data files are.
        shown.show();
        EXPECT_EQ(shown.textArea()->verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(shown.folderText()->verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(shown.folderText()->toPlainText(), QStringLiteral("Your data files are kept in ") + dir.path());
        // A zoom the first start chose is told under the folder, also without scrolling.
        information.setChosenZoom(150);
        InformationWindow zoomed(information, window.get());
        zoomed.show();
        EXPECT_EQ(zoomed.folderText()->toPlainText(), QStringLiteral("Your data files are kept in ") + dir.path() +
                                                           u'\n' + zoommsg::chosenToFit(150));
        EXPECT_EQ(zoomed.folderText()->verticalScrollBar()->maximum(), 0);
        EXPECT_LT(zoomed.folderText()->geometry().bottom(), zoomed.exitButton()->y());
        information.setChosenZoom(0);
        // Tab goes through the four topics before "E&xit".
        std::vector<QWidget*> order;
        for (QWidget* w = shown.textArea()->nextInFocusChain(); w != shown.textArea(); w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                order.push_back(w);
        const auto at = [&order](QWidget* w) { return std::find(order.begin(), order.end(), w) - order.begin(); };
        for (int i = 0; i < 3; ++i)
            EXPECT_LT(at(shown.label(i)), at(shown.label(i + 1))) << i;
        EXPECT_LT(at(shown.label(3)), at(shown.exitButton()));
        EXPECT_LT(at(shown.exitButton()), static_cast<std::ptrdiff_t>(order.size()));
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
    EXPECT_EQ(help.listedTitles().size(), static_cast<qsizetype>(helpTopics().size()));
    EXPECT_FALSE(help.showTopic(2));
}

TEST(HelpTopics, DietaryTopicsNameEachSourceWithItsEditionAndTheDisclaimerSaysItIsNotMedicalAdvice)
{
    HelpWindow help;
    // The dietary topics, and the program's topics that give figures on the body.
    for (int context : {3, 4, 5, 6, 7, 21, 25, 26, 11, NutrientsHelpContext}) {
        SCOPED_TRACE(context);
        QFile file(QStringLiteral(":/help/") + helpTopic(context)->file);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        const QRegularExpressionMatch sources =
            QRegularExpression(QStringLiteral("<h2>Sources</h2>\\s*<ul>(.*?)</ul>"),
                               QRegularExpression::DotMatchesEverythingOption)
                .match(html);
        ASSERT_TRUE(sources.hasMatch());
        const QStringList items = sources.captured(1).split(QStringLiteral("<li>"), Qt::SkipEmptyParts);
        ASSERT_FALSE(items.isEmpty());
        for (const QString& item : items) {  // an edition: the year of the text cited
            if (!item.trimmed().isEmpty()) {
                EXPECT_TRUE(QRegularExpression(QStringLiteral("\\b(19|20)\\d\\d\\b")).match(item).hasMatch())
                    << item.toStdString();
            }
        }
        help.showTopic(context);
        if (context != 26 && context != 11) {
            EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("not medical advice")));
        }
    }
    help.showTopic(22);
    EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("information, not medical advice")));
    help.showTopic(3);
    EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("Acceptable Macronutrient Distribution")));
    help.showTopic(32);
    EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("Standard Reference, Release 24")));
}

TEST(HelpTopics, TopicsQuoteTheProgramsOwnWords)
{
    const auto plain = [](QString text) { return text.remove(QLatin1Char('&')).replace(QStringLiteral("\r\n"), QStringLiteral(" ")); };
    const std::vector<std::pair<int, QString>> quotes = {
        {17, menumsg::MealFull},
        {17, recipemsg::RecipeFull},
        {17, activitymsg::BufferFull},
        {17, editmsg::TableFull},
        {17, plain(ShowWholeListCaption)},
        {33, plain(ShowWholeListCaption)},
        {9, FoodItemForm::label(FoodItemForm::Name)},
        {10, recipemsg::InvalidRecipeServings},
        {26, activitymsg::NotNumeric},
        {26, activitylabel::DialogCalories},
        {26, activitylabel::DayList},
        {26, plain(activitylabel::AddToDayButton)},
        {26, plain(menuCaption(Command::RemoveFromDay))},
        {26, ActivityWeekFileName},
        {17, activitymsg::DayFull},
        {17, activitymsg::BadDayMinutes},
        {25, calcmsg::NeedBmr},
        {11, SaveWeightQuestion},
        {11, QStringLiteral("Remove Row")},
        {1, plain(menuCaption(Command::FindFoodItem)).remove(QStringLiteral("..."))},
        {43, plain(menuCaption(Command::ImportFoodItemsCsv)).remove(QStringLiteral("..."))},
        {43, plain(menuCaption(Command::ExportMenuCsv)).remove(QStringLiteral("..."))},
        {43, DayTotalText},
        {40, Information::caption()},
        {3, QStringLiteral("Selection")},
        {3, plain(menuCaption(Command::TargetSplit)).remove(QStringLiteral("..."))},
        {1, plain(menuCaption(Command::TargetSplit)).remove(QStringLiteral("..."))},
        {3, splitmsg::wrongSum(90)},
        {3, referenceSide(TargetSplit{25, 15, 60}).title},
        {3, plain(splitmsg::DefaultButton)},
        {NutrientsHelpContext, ReferenceIntakes::builtIn().groupLabel(IntakeSex::Female, std::nullopt, IntakeCondition::None)},
        {NutrientsHelpContext, usdamsg::BestMatch},
    };
    HelpWindow help;
    for (const auto& [context, quote] : quotes) {
        SCOPED_TRACE(quote.toStdString());
        ASSERT_TRUE(help.showTopic(context));
        EXPECT_TRUE(help.browser()->toPlainText().simplified().contains(quote.simplified())) << context;
    }
    // What the program does not do, no topic says.
    for (const HelpTopic& topic : helpTopics()) {
        help.showTopic(topic.context);
        const QString text = help.browser()->toPlainText().simplified();
        EXPECT_FALSE(text.contains(QStringLiteral("folder the program was started in"))) << topic.file.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("asks how many servings"))) << topic.file.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("allows for this"))) << topic.file.toStdString();
    }
}

TEST(HelpViewer, LinksBackForwardGroupsAndItsSize)
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
        EXPECT_EQ(help.topicList()->currentItem()->text(0), QStringLiteral("Building a Weight Graph"));
        ASSERT_TRUE(help.backButton()->isEnabled());
        QTest::mouseClick(help.backButton(), Qt::LeftButton);
        EXPECT_EQ(help.currentContext(), 1);
        QTest::mouseClick(help.forwardButton(), Qt::LeftButton);
        EXPECT_EQ(help.currentContext(), 11);

        // Two groups: using the program, then diet and health.
        QTreeWidget* list = help.topicList();
        ASSERT_EQ(list->topLevelItemCount(), 2);
        EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("Using the program"));
        EXPECT_EQ(list->topLevelItem(1)->text(0), QStringLiteral("Diet and health"));
        QStringList diet;
        for (int i = 0; i < list->topLevelItem(1)->childCount(); ++i)
            diet.append(list->topLevelItem(1)->child(i)->text(0));
        EXPECT_EQ(diet, QStringList({QStringLiteral("RDA Guidelines"), QStringLiteral("Low Calorie"),
                                     QStringLiteral("Diabetic"), QStringLiteral("Low Sodium"),
                                     QStringLiteral("Low Cholesterol"), QStringLiteral("Dieting Hints"),
                                     QStringLiteral("Disclaimer"), QStringLiteral("Nutrients and Reference Intakes")}));
        list->setCurrentItem(list->topLevelItem(1)->child(0));  // choosing a topic from the list
        EXPECT_EQ(help.currentContext(), 3);
        list->setCurrentItem(list->topLevelItem(0));  // a group heading opens nothing
        EXPECT_EQ(help.currentContext(), 3);

        EXPECT_EQ(help.browser()->accessibleName(), QStringLiteral("Topic"));
        help.resize(700, 520);
        help.close();
    }
    HelpWindow again;
    EXPECT_EQ(again.size(), QSize(700, 520));
}

TEST(HelpViewer, FindingRanksTitlesFirstAndSaysWhenNothingIsFound)
{
    HelpWindow help;
    help.show();
    QTest::keyClicks(help.findBox(), QStringLiteral("sodium"));
    const QStringList found = help.listedTitles();
    ASSERT_GE(found.size(), 3);
    EXPECT_EQ(found.front(), QStringLiteral("Low Sodium"));  // the one title before the many texts
    EXPECT_TRUE(found.contains(QStringLiteral("RDA Guidelines")));
    EXPECT_FALSE(found.contains(QStringLiteral("Personal List")));
    EXPECT_EQ(help.findResult()->text(), QStringLiteral("%1 topics found.").arg(found.size()));
    QTest::keyClick(help.findBox(), Qt::Key_Return);
    EXPECT_EQ(help.currentContext(), 6);

    help.findBox()->clear();
    QTest::keyClicks(help.findBox(), QStringLiteral("sodium xyzzy"));
    EXPECT_TRUE(help.listedTitles().isEmpty());
    EXPECT_TRUE(help.findResult()->isVisible());
    EXPECT_EQ(help.findResult()->text(), QStringLiteral("No topic contains \"sodium xyzzy\"."));
    // A screen reader hears the result at the field and on the result itself.
    for (QWidget* w : {static_cast<QWidget*>(help.findBox()), static_cast<QWidget*>(help.findResult())}) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        EXPECT_TRUE(a->text(QAccessible::Name).contains(QStringLiteral("xyzzy")) ||
                    a->text(QAccessible::Description).contains(QStringLiteral("xyzzy")));
    }
    QTest::keyClick(help.findBox(), Qt::Key_Return);  // nothing to open
    EXPECT_EQ(help.currentContext(), 6);

    // A topic asked for from outside brings the whole list back with it.
    ASSERT_TRUE(help.open(33));
    EXPECT_TRUE(help.findBox()->text().isEmpty());
    EXPECT_FALSE(help.findResult()->isVisible());
    EXPECT_EQ(help.listedTitles().size(), static_cast<qsizetype>(helpTopics().size()));
    EXPECT_EQ(help.topicList()->currentItem()->text(0), QStringLiteral("Personal List"));
}

TEST(HelpViewer, CloseEscapeCtrlWAndF1ForUsingHelp)
{
    QtUserInterface ui;
    HelpKey key(ui, nullptr);
    qApp->installEventFilter(&key);
    const std::vector<std::function<void(HelpWindow&)>> closers = {
        [](HelpWindow& help) { QTest::mouseClick(help.closeButton(), Qt::LeftButton); },
        [](HelpWindow& help) { QTest::keyClick(help.browser(), Qt::Key_Escape); },
        [](HelpWindow& help) { QTest::keyClick(help.topicList(), Qt::Key_W, Qt::ControlModifier); },
    };
    for (std::size_t i = 0; i < closers.size(); ++i) {
        SCOPED_TRACE(i);
        ui.showHelpTopic(22);
        HelpWindow* help = ui.helpWindow();
        ASSERT_TRUE(help);
        help->browser()->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(help));
        QTest::keyClick(help->browser(), Qt::Key_F1);
        EXPECT_EQ(help->currentContext(), UsingHelpHelpContext);
        EXPECT_EQ(help->browser()->documentTitle(), QStringLiteral("Using help"));
        closers[i](*help);
        EXPECT_FALSE(help->isVisible());
    }
    qApp->removeEventFilter(&key);
    delete ui.helpWindow();
}

TEST(HelpViewer, AScreenReaderWalksTheTopicsHeadingsAndLinks)
{
    HelpWindow help;
    help.show();
    help.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    ASSERT_TRUE(help.showTopic(1));
    QFile file(QStringLiteral(":/help/general.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QStringList headings;
    for (auto m = QRegularExpression(QStringLiteral("<h[1-6]>(.*?)</h[1-6]>")).globalMatch(html); m.hasNext();)
        headings.append(m.next().captured(1));
    QStringList links;
    for (auto m = QRegularExpression(QStringLiteral("<a href=\"[^\"]+\">(.*?)</a>")).globalMatch(html); m.hasNext();)
        links.append(m.next().captured(1));
    ASSERT_GT(headings.size(), 3);
    ASSERT_GT(links.size(), 10);

    QAccessibleInterface* topic = QAccessible::queryAccessibleInterface(help.browser());
    ASSERT_TRUE(topic && topic->textInterface());
    EXPECT_EQ(topic->role(), QAccessible::Document);
    EXPECT_TRUE(topic->textInterface()
                    ->text(0, topic->textInterface()->characterCount())
                    .startsWith(QStringLiteral("General: the Menu Planner")));
    QStringList readHeadings;
    QStringList readLinks;
    QAccessibleInterface* recipes = nullptr;
    for (int i = 0; i < topic->childCount(); ++i) {
        QAccessibleInterface* part = topic->child(i);
        ASSERT_TRUE(part);
        EXPECT_EQ(topic->indexOfChild(part), i);
        EXPECT_EQ(part->parent(), topic);
        if (part->role() == QAccessible::Heading) {
            readHeadings.append(part->text(QAccessible::Name));
        } else {
            ASSERT_EQ(part->role(), QAccessible::Link);
            readLinks.append(part->text(QAccessible::Name));
            if (part->text(QAccessible::Value) == QStringLiteral("recipes.html"))
                recipes = part;
        }
    }
    EXPECT_EQ(readHeadings, headings);
    EXPECT_EQ(readLinks, links);

    // Marking a link is the keyboard's focus on it; pressing it follows it.
    ASSERT_TRUE(recipes && recipes->actionInterface());
    recipes->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_EQ(help.browser()->textCursor().selectedText(), QStringLiteral("Recipes"));
    EXPECT_TRUE(recipes->state().focused);
    EXPECT_EQ(topic->focusChild(), recipes);
    recipes->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(help.currentContext(), 10);
    ASSERT_GT(topic->childCount(), 0);
    EXPECT_EQ(topic->child(0)->text(QAccessible::Name), QStringLiteral("Recipes"));  // the new topic's title
}

TEST(HelpViewer, TheFocusedLinkIsMarkedInStrongColours)
{
    HelpWindow help;
    help.show();
    help.showTopic(1);
    help.browser()->setFocus();
    QTest::keyClick(help.browser(), Qt::Key_Tab);  // the first link
    const QTextCursor cursor = help.browser()->textCursor();
    ASSERT_TRUE(cursor.hasSelection());
    EXPECT_TRUE(cursor.charFormat().isAnchor());
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor marked = help.browser()->palette().color(group, QPalette::Highlight);
        const QColor text = help.browser()->palette().color(group, QPalette::HighlightedText);
        const QColor page = help.browser()->palette().color(group, QPalette::Base);
        EXPECT_GT(std::abs(marked.lightness() - page.lightness()), 150) << group;
        EXPECT_GT(std::abs(marked.lightness() - text.lightness()), 150) << group;
    }
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
    window.show();
    // The first start opens the tutor once the window is painted, not inside
    // the show.
    EXPECT_EQ(presses, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return information; }, 20000));
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

TEST(QtHelp, F1InEveryWindowAndDialogOpensItsTopic)
{
    QTemporaryDir dir;
    writeAll(dir.filePath(FoodTableFileName), tableBytes({makeItem(QStringLiteral("Apple"))}));
    QtUserInterface ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};
    App app(ui, settings, dir.path());
    MainWindow window(app);  // F1 is watched from here on
    ui.setParent(&window);

    // F1 in each modal window of the program, then the help viewer it opened
    // is read and closed, then the window.
    QStringList seen;
    QList<int> opened;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* help = qobject_cast<HelpWindow*>(modal)) {
            opened.append(help->currentContext());
            help->close();
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {  // no menu or activity file yet
            box->accept();
            return;
        }
        const QString name = modal->windowTitle();
        if (seen.isEmpty() || seen.back() != name) {
            seen.append(name);
            QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
            QTest::keyClick(target, Qt::Key_F1);
            return;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
    timer.start();
    ASSERT_TRUE(app.program.formCreate().ok);
    app.program.execute(Command::Tutor);  // the tutor, then the information window
    ui.askTitle(TitlePrompt{QStringLiteral("Title"), QStringLiteral("Menu Title"), QString()});
    ui.showPrintPreview(PreviewRequest{[](Canvas&) {}, {}, {}, true});
    ActivityForm activity;
    ui.addActivity(activity);
    ui.showAbout();
    timer.stop();
    EXPECT_EQ(seen, QStringList({QStringLiteral("Tutor"), QStringLiteral("INFORMATION YOU NEED TO KNOW"),
                                 QStringLiteral("Menu Title"), QStringLiteral("Print Preview"),
                                 QStringLiteral("Add Activity"), QStringLiteral("About")}));
    EXPECT_EQ(opened, QList<int>({StartingHelpContext, StartingHelpContext, PrintingHelpContext, PrintingHelpContext,
                                  ActivityPlannerHelpContext, StartingHelpContext}));
    delete ui.helpWindow();
}
