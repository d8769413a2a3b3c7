// The windows of a CSV import on the offscreen platform: the progress dialog,
// hidden while the import is quick, then modal to the main window with a Cancel
// button that the mouse and the keyboard both reach; and the update question,
// whose Enter is No.

#include "app/qtuserinterface.h"
#include "exchange/csvmessages.h"
#include "windowtest.h"

#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QMessageBox>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

TEST(ImportProgressDialog, AppearsAfterAMomentAndCancelStopsTheImport)
{
    const std::vector<std::pair<const char*, std::function<void(QProgressDialog*)>>> cancels = {
        {"click", [](QProgressDialog* dialog) { dialog->findChild<QPushButton*>()->click(); }},
        {"Escape", [](QProgressDialog* dialog) { key(dialog, Qt::Key_Escape); }},
    };
    for (const auto& [how, cancel] : cancels) {
        QWidget window;
        window.show();
        QtUserInterface qtUi(&window);
        qtUi.beginImportProgress(QStringLiteral("Import Food Items"), QStringLiteral("Reading foods.csv"), 100);
        const QPointer<QProgressDialog> dialog = qtUi.importProgressDialog();
        ASSERT_NE(dialog, nullptr) << how;
        EXPECT_TRUE(qtUi.advanceImportProgress(10));
        EXPECT_FALSE(dialog->isVisible()) << how;  // a quick import shows nothing
        QThread::msleep(600);
        EXPECT_TRUE(qtUi.advanceImportProgress(20));
        ASSERT_TRUE(dialog->isVisible()) << how;
        EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
        EXPECT_EQ(dialog->parentWidget(), &window);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Import Food Items"));
        EXPECT_EQ(dialog->labelText(), QStringLiteral("Reading foods.csv"));
        EXPECT_EQ(dialog->maximum(), 100);
        EXPECT_EQ(dialog->value(), 20);
        ASSERT_NE(dialog->findChild<QPushButton*>(), nullptr);
        EXPECT_EQ(dialog->findChild<QPushButton*>()->text(), QStringLiteral("Cancel"));

        cancel(dialog);
        EXPECT_FALSE(qtUi.advanceImportProgress(30)) << how;
        qtUi.endImportProgress();
        EXPECT_TRUE(dialog.isNull()) << how;
    }
}

TEST(ImportProgressDialog, EnterOnTheUpdateQuestionAnswersNo)
{
    QtUserInterface qtUi;
    bool noIsDefault = false;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    timer.start();
    Message question = Message::typed(csvmsg::updateQuestion(2, QStringLiteral("foods.csv")), Icon::Confirmation, Button::Yes | Button::No, 17);
    question.defaultButton = Button::No;
    EXPECT_EQ(qtUi.showMessage(question), Button::No);
    timer.stop();
    EXPECT_TRUE(noIsDefault);
}

} // namespace
