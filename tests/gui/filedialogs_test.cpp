// The file dialogs on Qt: the command's one filter, the default suffix on a
// name typed without one, and Qt's question before replacing a file.

#include "app/qtuserinterface.h"
#include "testfiles.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

struct SeenDialog {
    QStringList filters;
    QString defaultSuffix;
    bool confirmsOverwrite = false;
};

// Types `name` into the file dialog the next event shows and accepts it.
void typeIntoNextDialog(const QString& name, SeenDialog& seen)
{
    QTimer::singleShot(0, [name, &seen] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen.filters = dialog->nameFilters();
        seen.defaultSuffix = dialog->defaultSuffix();
        seen.confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        dialog->selectFile(name);
        static_cast<QDialog*>(dialog)->accept();  // as the dialog's own button does
        if (dialog->isVisible())
            dialog->reject();
    });
}

TEST(QtFileDialogs, OneFilterAndTheDefaultSuffix)
{
    QTemporaryDir dir;
    writeAll(dir.filePath(QStringLiteral("week.mnu")), QByteArrayLiteral("x"));
    QtUserInterface qtUi;
    const FileDialogRequest request{QString(), QStringLiteral("Menu File (*.mnu)"), QStringLiteral("mnu"),
                                    dir.path()};

    // "week" finds "week.mnu".
    SeenDialog open;
    typeIntoNextDialog(QStringLiteral("week"), open);
    EXPECT_EQ(qtUi.openFile(request), dir.filePath(QStringLiteral("week.mnu")));
    EXPECT_EQ(open.filters, QStringList{QStringLiteral("Menu File (*.mnu)")});
    EXPECT_EQ(open.defaultSuffix, QStringLiteral("mnu"));

    SeenDialog save;
    typeIntoNextDialog(QStringLiteral("new"), save);
    EXPECT_EQ(qtUi.saveFile(request), dir.filePath(QStringLiteral("new.mnu")));
    EXPECT_EQ(save.filters, QStringList{QStringLiteral("Menu File (*.mnu)")});
    EXPECT_TRUE(save.confirmsOverwrite);
}

} // namespace
