// The first start on a real X server, with a window manager and without: the
// main window is mapped and painted before the tutor opens and stays so under
// every tutor step, the title prompt and the information window; each window
// shows its own caption, and the main window's frame stands where the settings
// say. The offscreen platform of the widget tests cannot see any of this.

#include "food/foodtableio.h"
#include "guide/informationwindow.h"
#include "guide/tutordialog.h"
#include "printing/titledialog.h"
#include "app/app.h"
#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "testfiles.h"

#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(5000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString windowId(const QWidget* widget) { return QString::number(widget->winId()); }

// What the X server says of the window: mapped and all its ancestors too.
bool viewable(const QWidget* widget)
{
    return run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), windowId(widget)})
        .contains(QStringLiteral("Map State: IsViewable"));
}

// The window's frame on the screen as the X server has it: the window and
// the borders the window manager says it put around it (none without one).
QRect frameOnScreen(const QWidget* widget)
{
    const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), windowId(widget)});
    const auto value = [&info](const QString& name) {
        const QRegularExpressionMatch match = QRegularExpression(name + QStringLiteral(":\\s+(-?\\d+)")).match(info);
        return match.hasMatch() ? match.captured(1).toInt() : -100000;
    };
    const QRegularExpressionMatch extents =
        QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)"))
            .match(run(QStringLiteral("xprop"), {QStringLiteral("-id"), windowId(widget), QStringLiteral("_NET_FRAME_EXTENTS")}));
    const auto extent = [&extents](int i) { return extents.hasMatch() ? extents.captured(i).toInt() : 0; };
    const QRect client(value(QStringLiteral("Absolute upper-left X")), value(QStringLiteral("Absolute upper-left Y")),
                       value(QStringLiteral("Width")), value(QStringLiteral("Height")));
    return client.adjusted(-extent(1), -extent(3), extent(2), extent(4));
}

QPoint frameTopLeft(const QWidget* widget) { return frameOnScreen(widget).topLeft(); }

// The title the window gives the X server.
QString shownTitle(const QWidget* widget)
{
    const QString property = run(QStringLiteral("xprop"), {QStringLiteral("-id"), windowId(widget), QStringLiteral("_NET_WM_NAME")});
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("= \"(.*)\"")).match(property);
    return match.hasMatch() ? match.captured(1) : property;
}

// The share of the main window's pixels on the screen, where no other window
// of the program lies over it, that are what the window paints; and how many
// pixels were compared.
std::pair<double, int> paintedShare(QWidget& window)
{
    const QRect area(window.mapToGlobal(QPoint(0, 0)), window.size());
    QList<QRect> covered;
    for (QWidget* other : QApplication::topLevelWidgets())
        if (other != &window && other->isVisible())  // where the X server has it: Qt may not know yet
            covered.append(frameOnScreen(other).adjusted(-2, -2, 2, 2));
    const QImage screen =
        window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage own = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int compared = 0;
    int same = 0;
    for (int y = 0; y < std::min(screen.height(), own.height()); ++y)
        for (int x = 0; x < std::min(screen.width(), own.width()); ++x) {
            const QPoint at = area.topLeft() + QPoint(x, y);
            if (std::any_of(covered.begin(), covered.end(), [at](const QRect& r) { return r.contains(at); }))
                continue;
            ++compared;
            same += screen.pixel(x, y) == own.pixel(x, y) ? 1 : 0;
        }
    return {compared == 0 ? 0.0 : static_cast<double>(same) / compared, compared};
}

const bool WithWindowManager = qgetenv("TOLVANE_X11_WM") == "openbox";

} // namespace

TEST(FirstStartOnX11, TheMainWindowIsOnTheScreenUnderEveryTutorStepAndTheInformationWindow)
{
    QTemporaryDir dir;
    writeAll(dir.filePath(FoodTableFileName), tableBytes({makeItem(QStringLiteral("Apple")), makeItem(QStringLiteral("Milk"))}));
    QtUserInterface ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};  // none yet: a first start
    App app(ui, settings, dir.path());
    MainWindow window(app);
    ui.setParent(&window);

    QStringList checked;  // what was on the screen when the main window was checked
    QString lastState;
    int settled = 0;
    bool acting = false;
    bool done = false;
    QString tutorTextAtTitle;
    QPoint tutorAtTitle;
    int pageAtTitle = -1;
    bool buttonsClear = false;
    QStringList titles;

    // A loaded machine may take a while to map, place and paint the windows:
    // the check is repeated for up to two seconds before it counts.
    int attempts = 0;
    const auto mainWindowShown = [&](const QString& when) {
        const bool exposed = window.windowHandle() && window.windowHandle()->isExposed();
        const bool isViewable = viewable(&window);
        const auto [share, compared] = paintedShare(window);
        const bool shown = exposed && isViewable && compared > 20000 && share >= 0.95;
        if (!shown && ++attempts < 100)
            return false;
        attempts = 0;
        SCOPED_TRACE(when.toStdString());
        EXPECT_TRUE(exposed);
        EXPECT_TRUE(isViewable);
        EXPECT_GT(compared, 20000);  // most of the window is not covered
        EXPECT_GE(share, 0.95);
        checked.append(when);
        return true;
    };

    QTimer driver;
    driver.setInterval(20);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (acting)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {  // no activity file and the like
            box->accept();
            return;
        }
        QString state;
        if (auto* tutor = qobject_cast<TutorDialog*>(modal))
            state = QStringLiteral("tutor: ") + tutor->textArea()->toPlainText();
        else if (qobject_cast<TitleDialog*>(modal))
            state = QStringLiteral("title prompt");
        else if (qobject_cast<InformationWindow*>(modal))
            state = QStringLiteral("information window");
        if (state.isEmpty() || !modal->windowHandle() || !modal->windowHandle()->isExposed()) {
            lastState.clear();
            return;
        }
        // A few turns for the X server to map, move and paint.
        if (state != lastState) {
            lastState = state;
            settled = 0;
            return;
        }
        if (++settled < 4 || !mainWindowShown(state))
            return;
        lastState.clear();
        titles.append(shownTitle(modal));
        acting = true;
        // Pressed from a later turn of the loop: step 11 opens the title prompt
        // inside the press, and this timer must go on answering.
        QTimer::singleShot(0, modal, [&, modal] {
            acting = false;
            if (auto* tutor = qobject_cast<TutorDialog*>(modal)) {
                tutor->nextButton()->click();
            } else if (auto* title = qobject_cast<TitleDialog*>(modal)) {
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* shown = qobject_cast<TutorDialog*>(w)) {
                        tutorTextAtTitle = shown->textArea()->toPlainText();
                        tutorAtTitle = shown->frameGeometry().topLeft();
                        buttonsClear = true;
                        for (QPushButton* button : title->findChildren<QPushButton*>()) {
                            const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
                            buttonsClear = buttonsClear && !shown->frameGeometry().intersects(onScreen);
                        }
                    }
                pageAtTitle = window.pageControl()->currentIndex();
                title->accept();
            } else if (auto* information = qobject_cast<InformationWindow*>(modal)) {
                information->exitButton()->click();
                done = true;
            }
        });
    });
    driver.start();  // from here on: the start-up asks about the missing menu and activity files
    ASSERT_TRUE(app.program.formCreate().ok);
    window.applyStartPosition();

    window.show();
    EXPECT_TRUE(QApplication::activeModalWidget() == nullptr);  // nothing opens inside the show
    QEventLoop loop;
    QTimer stop;
    QObject::connect(&stop, &QTimer::timeout, &loop, [&] {
        if (done && !QApplication::activeModalWidget())
            loop.quit();
    });
    stop.start(50);
    QTimer::singleShot(60000, &loop, [&] {
        ADD_FAILURE() << "the first start did not end; last checked: " << checked.join(QLatin1String(" | ")).toStdString();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
                dialog->reject();
        done = true;
    });
    loop.exec();
    driver.stop();

    // Thirteen texts, the title prompt that step 11 opens (checked while text 11
    // is shown, see below) and the information window.
    QStringList expected;
    for (int i = 0; i < 10; ++i)
        expected.append(QStringLiteral("tutor: ") + Tutor::texts().at(i));
    expected.append(QStringLiteral("title prompt"));
    for (int i = 10; i < 13; ++i)
        expected.append(QStringLiteral("tutor: ") + Tutor::texts().at(i));
    expected.append(QStringLiteral("information window"));
    EXPECT_EQ(checked, expected);

    // Step 11 was on the screen before the title prompt opened, which the
    // always-on-top tutor leaves uncovered.
    EXPECT_EQ(tutorTextAtTitle, Tutor::texts().at(10));
    EXPECT_EQ(pageAtTitle, MenuPlannerPageIndex);
    EXPECT_EQ(tutorAtTitle, QPoint(app.program.windowLeft(), app.program.windowTop() + 300));
    EXPECT_TRUE(buttonsClear);

    // Every caption stands alone on the X server.
    QStringList expectedTitles(13, QStringLiteral("Tutor"));
    expectedTitles.insert(10, QStringLiteral("Menu Title"));
    expectedTitles.append(QStringLiteral("INFORMATION YOU NEED TO KNOW"));
    EXPECT_EQ(titles, expectedTitles);
    EXPECT_EQ(shownTitle(&window), QStringLiteral("Tolvane"));

    // The stored place is the frame's: the title bar is on the screen at 10/25,
    // and that is what stays stored.
    EXPECT_EQ(frameTopLeft(&window), QPoint(25, 10));
    const QPoint client = window.mapToGlobal(QPoint(0, 0));
    if (WithWindowManager) {
        EXPECT_GT(client.y(), 10);  // below the title bar
    }
    EXPECT_EQ(app.program.windowTop(), 10);
    EXPECT_EQ(app.program.windowLeft(), 25);
    window.close();
}
