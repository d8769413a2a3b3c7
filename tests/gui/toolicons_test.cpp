// The tool bar's glyphs: theme names, and the drawn pictures that stand in
// where the theme has none; the choice dialog of the zoom.

#include "app/qtuserinterface.h"
#include "shell/severalchoicedialog.h"
#include "shell/toolicons.h"
#include "shell/zoom.h"
#include "guide/helpkey.h"
#include "guide/helpwindow.h"
#include "weight/units.h"
#include "windowtest.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QImage>
#include <QInputDialog>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <set>

using namespace tolvane;
using namespace tolvane::test;
using namespace Qt::StringLiterals;

namespace {

// Share of the pixels that are not transparent.
double inked(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return double(count) / (image.width() * image.height());
}

// Pixels of `sharp` that are neither clear nor solid: the antialiased edges.
int edgePixels(const QImage& sharp)
{
    int count = 0;
    for (int y = 0; y < sharp.height(); ++y)
        for (int x = 0; x < sharp.width(); ++x) {
            const int alpha = qAlpha(sharp.pixel(x, y));
            count += alpha > 0 && alpha < 255;
        }
    return count;
}

} // namespace

TEST(ToolIcons, EveryButtonHasAThemeNameAndItsOwnDrawnPicture)
{
    const std::set<QString> expectedNames = {
        u"edit-copy"_s,      u"edit-paste"_s,     u"edit-clear"_s,  u"document-save"_s,
        u"document-open"_s,  u"edit-clear-all"_s, u"document-print"_s, u"document-print-preview"_s,
        u"list-add"_s,       u"list-remove"_s,    u"application-exit"_s};
    std::set<QString> names;
    std::set<QByteArray> pictures;
    for (const auto& button : toolButtons()) {
        names.insert(toolIconThemeName(button.command));
        const QIcon icon = drawnToolIcon(button.command);
        const QImage image = icon.pixmap(QSize(24, 24), 1.0).toImage();
        ASSERT_EQ(image.size(), QSize(24, 24));
        // A picture fills a fair part of its box (not a thin letter).
        EXPECT_GT(inked(image), 0.25) << qPrintable(button.hint);
        pictures.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(names, expectedNames);
    EXPECT_EQ(pictures.size(), toolButtons().size()) << "two buttons share a picture";
}

TEST(ToolIcons, DrawnAtTheDevicePixelRatioNotScaledUp)
{
    for (const qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
        const QPixmap pixmap = drawnToolIcon(Command::SaveMenuAs).pixmap(QSize(20, 20), ratio);
        EXPECT_EQ(pixmap.size(), QSize(20, 20) * ratio) << ratio;
        EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), ratio);
    }
    // Drawn anew at twice the size, an outline keeps edges about one device
    // pixel wide: the edge pixels grow with the length (x2), where a picture
    // scaled up would have blurred edges twice as wide (x4).
    const QImage one = drawnToolIcon(Command::PrintMenu).pixmap(QSize(24, 24), 1.0).toImage();
    const QImage two = drawnToolIcon(Command::PrintMenu).pixmap(QSize(24, 24), 2.0).toImage();
    const QImage blurred = one.scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(edgePixels(two), edgePixels(blurred));
}

TEST(ToolIcons, DisabledPictureIsFainter)
{
    const QIcon icon = drawnToolIcon(Command::CopyMeal);
    const QImage normal = icon.pixmap(QSize(24, 24), 1.0, QIcon::Normal).toImage();
    const QImage disabled = icon.pixmap(QSize(24, 24), 1.0, QIcon::Disabled).toImage();
    EXPECT_LT(qAlpha(disabled.pixel(8, 10)), qAlpha(normal.pixel(8, 10)));
}

class ToolBarTest : public WindowTest {};

TEST_F(ToolBarTest, ButtonsAreNoTabStopsAndKeepTheirHintsAndIcons)
{
    ASSERT_NO_FATAL_FAILURE(openWindow({makeItem(QStringLiteral("Toast"))}));
    window->show();
    for (const auto& definition : toolButtons()) {
        QToolButton* button = window->toolButton(definition.command);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << qPrintable(definition.hint);
        EXPECT_EQ(button->toolTip(), definition.hint);
        EXPECT_FALSE(button->icon().isNull());
    }
}

// The choice dialog of "&Zoom...", as the desktop shows it: a list to pick
// from with the keyboard, opening on the current step.
TEST(ChoiceDialog, OpensOnTheCurrentItemAndGivesTheOnePickedOrNothing)
{
    QtUserInterface qtUi;
    const ChoiceRequest request{u"Zoom"_s, u"Size:"_s, {u"100%"_s, u"150%"_s, u"200%"_s}, 1};
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown = dialog->textValue();
        auto* list = dialog->findChild<QComboBox*>();
        ASSERT_NE(list, nullptr);
        list->setFocus();
        key(list, Qt::Key_Down);
        dialog->accept();
    });
    EXPECT_EQ(qtUi.chooseItem(request), std::optional<int>(2));
    EXPECT_EQ(shown, u"150%"_s);

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(qtUi.chooseItem(request), std::nullopt);
}

// The tick list of "Paste Day Into...": ticked by Space on the current row,
// read through the accessibility interface, Escape gives nothing, Return
// gives what is ticked.
TEST(ChoiceDialog, SeveralAreTickedByKeysAndReadAsTicked)
{
    QtUserInterface qtUi;
    const ChoiceRequest request{u"Paste Day Into"_s, u"Days:"_s, {u"Sunday"_s, u"Monday"_s, u"Tuesday"_s}, -1, 47};
    QStringList states;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<SeveralChoiceDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), u"Paste Day Into"_s);
        EXPECT_EQ(dialog->property("helpContext").toInt(), 47);
        QListWidget* list = dialog->list();
        EXPECT_EQ(list->currentRow(), 0);
        key(list, Qt::Key_Down);
        key(list, Qt::Key_Space, Qt::NoModifier, u" "_s);
        key(list, Qt::Key_Down);
        key(list, Qt::Key_Space, Qt::NoModifier, u" "_s);
        key(list, Qt::Key_Up);
        key(list, Qt::Key_Space, Qt::NoModifier, u" "_s);  // Monday off again
        for (int i = 0; i < list->count(); ++i) {
            QAccessibleInterface* row = QAccessible::queryAccessibleInterface(list)->child(i);
            states.append(row->text(QAccessible::Name) + (row->state().checked ? u" ticked"_s : QString()));
        }
        dialog->accept();
    });
    EXPECT_EQ(qtUi.chooseSeveral(request), std::optional<std::vector<int>>(std::vector<int>{2}));
    EXPECT_EQ(states, QStringList({u"Sunday"_s, u"Monday"_s, u"Tuesday ticked"_s}));

    QTimer::singleShot(0, [] { key(QApplication::activeModalWidget(), Qt::Key_Escape); });
    EXPECT_EQ(qtUi.chooseSeveral(request), std::nullopt);

    // A `current` in range opens ticked and current; OK gives it alone.
    ChoiceRequest withCurrent = request;
    withCurrent.current = 1;
    int openedOn = -1;
    QTimer::singleShot(0, [&openedOn] {
        auto* dialog = qobject_cast<SeveralChoiceDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        openedOn = dialog->list()->currentRow();
        key(dialog->list(), Qt::Key_Return);
    });
    EXPECT_EQ(qtUi.chooseSeveral(withCurrent), std::optional<std::vector<int>>(std::vector<int>{1}));
    EXPECT_EQ(openedOn, 1);
}

// The Zoom and Units choices open their help topics by a Help button and by
// F1, each its own.
TEST(ChoiceDialog, HelpButtonAndF1OpenTheChoicesTopic)
{
    QtUserInterface qtUi;
    HelpKey f1(qtUi, nullptr);
    qApp->installEventFilter(&f1);
    const std::vector<ChoiceRequest> choices = {
        {zoommsg::Title, zoommsg::Label, {u"100%"_s, u"150%"_s}, 0, MainHelpContext},
        {unitsmsg::Title, unitsmsg::Label, {unitsmsg::Us, unitsmsg::Metric}, 0, CalculatorsHelpContext}};
    for (const ChoiceRequest& choice : choices) {
        SCOPED_TRACE(choice.title.toStdString());
        for (const bool byKey : {false, true}) {
            int shown = 0;
            QTimer::singleShot(0, [&] {
                QWidget* dialog = QApplication::activeModalWidget();
                QPushButton* help = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help);
                if (!help) {
                    ADD_FAILURE() << "no Help button";
                    dialog->close();
                    return;
                }
                EXPECT_EQ(help->text(), u"&Help"_s);
                if (byKey)
                    QTest::keyClick(dialog->findChild<QComboBox*>(), Qt::Key_F1);
                else
                    QTest::mouseClick(help, Qt::LeftButton);
                shown = qtUi.helpWindow() && qtUi.helpWindow()->isVisible() ? qtUi.helpWindow()->currentContext() : 0;
                if (qtUi.helpWindow())
                    qtUi.helpWindow()->close();
                dialog->close();
            });
            EXPECT_EQ(qtUi.chooseItem(choice), std::nullopt);
            EXPECT_EQ(shown, choice.helpContext) << (byKey ? "F1" : "Help");
        }
    }
    qApp->removeEventFilter(&f1);
    delete qtUi.helpWindow();
}
