// A screen reader's "activate" through AT-SPI, on a real X server with the
// accessibility bus of a desktop session (with-atspi.sh): a day button's
// action switches the day and saves it, and the radio buttons' actions reach
// the program, as clicks do.

#include "food/foodtableio.h"
#include "menu/daynotebook.h"
#include "menu/menuplannerpage.h"
#include "menu/rdapage.h"
#include "weight/calculatorspage.h"
#include "app/app.h"
#include "app/mainwindow.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QButtonGroup>
#include <QTabWidget>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

// Performs the first action of `widget` as a screen reader does: a call on
// the accessibility bus to the program's AT-SPI object of the widget.
bool doFirstActionOverAtSpi(QWidget* widget)
{
    const QDBusMessage address = QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"), QStringLiteral("org.a11y.Bus"),
        QStringLiteral("GetAddress")));
    if (address.type() != QDBusMessage::ReplyMessage)
        return false;
    QDBusConnection bus =
        QDBusConnection::connectToBus(address.arguments().value(0).toString(), QStringLiteral("screen reader"));
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/") +
                         QString::number(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)));
    bool done = false;
    for (const QString& name : bus.interface()->registeredServiceNames().value()) {
        if (!name.startsWith(u':') || name == bus.baseService())
            continue;
        QDBusMessage call = QDBusMessage::createMethodCall(name, path, QStringLiteral("org.a11y.atspi.Action"),
                                                           QStringLiteral("DoAction"));
        call << 0;
        // The program answers from this thread's event loop.
        const QDBusMessage reply = bus.call(call, QDBus::BlockWithGui, 5000);
        if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool())
            done = true;
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("screen reader"));
    return done;
}

} // namespace

TEST(AtSpiOnX11, TheDayButtonsActionSwitchesAndSavesTheDay)
{
    QTemporaryDir dir;
    writeAll(dir.filePath(FoodTableFileName), tableBytes({makeItem(QStringLiteral("Apple"))}));
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};
    App app(ui, settings, dir.path());
    MainWindow window(app);
    ASSERT_TRUE(app.program.formCreate().ok);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, 10000));
    ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000)) << "no AT-SPI bridge";

    DayNotebook* days = static_cast<MenuPlannerPage*>(window.page(MenuPlannerPageIndex))->dayNotebook();
    ASSERT_TRUE(doFirstActionOverAtSpi(days->tab(1)));  // Monday's "Toggle"
    EXPECT_EQ(days->currentIndex(), 1);
    EXPECT_EQ(app.menu.shownDay(), 1);
    int checked = 0;
    for (int d = 0; d < days->count(); ++d)
        checked += days->tab(d)->isChecked() ? 1 : 0;
    EXPECT_EQ(checked, 1);
    App reopened(ui, settings, dir.path());
    ASSERT_TRUE(reopened.program.formCreate().ok);
    EXPECT_EQ(reopened.program.currentDay(), 1);

    // The RDA page's "Day" shows the day's totals; the Calculators' "Male" counts.
    window.pageControl()->setCurrentIndex(RdaPageIndex);
    auto* rda = static_cast<RdaPage*>(window.page(RdaPageIndex));
    ASSERT_TRUE(doFirstActionOverAtSpi(rda->comparison()->button(1)));
    EXPECT_EQ(app.menu.comparison(), 1);
    EXPECT_EQ(app.menu.totalsTab(), 1);
    window.pageControl()->setCurrentIndex(CalculatorsPageIndex);
    auto* calculators = static_cast<CalculatorsPage*>(window.page(CalculatorsPageIndex));
    ASSERT_TRUE(doFirstActionOverAtSpi(calculators->gender()->button(1)));
    EXPECT_EQ(app.weight.calculators().gender(), static_cast<Gender>(1));
}
