// Choosing files: the default suffix on a name typed without one, and the
// question before a save creates a new file.

#include "shell/filechoice.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const FileDialogRequest MenuRequest{QString(), QStringLiteral("Menu File (*.mnu)"), QStringLiteral("mnu"), QString()};

Message createQuestion(const char* fileName)
{
    return Message::plain(QString::fromLatin1(fileName) +
                              QStringLiteral("\nThis file does not exist.\nDo you want to create it?"),
                          QStringLiteral("Save As"), Icon::Warning, Button::Yes | Button::No);
}

TEST(FileChoice, OpenAddsTheDefaultSuffixToANameWithoutOne)
{
    ScriptedUi ui;
    ui.openAnswers = {QStringLiteral("/data/week"), QStringLiteral("/data/week.txt"), QStringLiteral("/my.dir/week"),
                      QStringLiteral("week"), std::nullopt};
    EXPECT_EQ(chooseFileToOpen(ui, MenuRequest), QStringLiteral("/data/week.mnu"));
    EXPECT_EQ(chooseFileToOpen(ui, MenuRequest), QStringLiteral("/data/week.txt"));
    EXPECT_EQ(chooseFileToOpen(ui, MenuRequest), QStringLiteral("/my.dir/week.mnu"));
    EXPECT_EQ(chooseFileToOpen(ui, MenuRequest), QStringLiteral("week.mnu"));
    EXPECT_EQ(chooseFileToOpen(ui, MenuRequest), std::nullopt);
    ASSERT_EQ(ui.openRequests.size(), 5u);
    EXPECT_EQ(ui.openRequests[0].filter, QStringLiteral("Menu File (*.mnu)"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(FileChoice, SaveAsksBeforeCreatingAndNotBeforeReplacing)
{
    QTemporaryDir dir;
    writeAll(dir.filePath(QStringLiteral("old.mnu")), QByteArrayLiteral("x"));
    ScriptedUi ui;

    // An existing file (named without its suffix) is taken without a question.
    ui.saveAnswers = {QStringLiteral("old")};
    EXPECT_EQ(chooseFileToSave(ui, MenuRequest, dir.path()), QStringLiteral("old.mnu"));
    EXPECT_TRUE(ui.messages.empty());

    // A new one: "No" goes back to the dialog, "Yes" takes it.
    ui.saveAnswers = {dir.filePath(QStringLiteral("new")), dir.filePath(QStringLiteral("new.mnu"))};
    ui.answers = {Button::No, Button::Yes};
    EXPECT_EQ(chooseFileToSave(ui, MenuRequest, dir.path()), dir.filePath(QStringLiteral("new.mnu")));
    EXPECT_EQ(ui.messages, (std::vector<Message>{createQuestion("new.mnu"), createQuestion("new.mnu")}));
    EXPECT_EQ(ui.saveRequests.size(), 3u);

    // "No", then the dialog cancelled: nothing chosen.
    ui.messages.clear();
    ui.saveAnswers = {QStringLiteral("other.mnu")};
    ui.answers = {Button::No};
    EXPECT_EQ(chooseFileToSave(ui, MenuRequest, dir.path()), std::nullopt);
    EXPECT_EQ(ui.messages, (std::vector<Message>{createQuestion("other.mnu")}));
}

} // namespace
