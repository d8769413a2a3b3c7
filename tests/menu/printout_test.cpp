// Where a printout goes: the printer, or a PDF file the user names for this
// printout alone when no printer is installed; every failure is told.

#include "shell/printout.h"
#include "printfixture.h"

namespace tolvane::test {
namespace {

Message error(const QString& text) { return Message::typed(text, Icon::Error, only(Button::Ok), GeneralHelpContext); }

const Message Offer =
    Message::typed(QStringLiteral("No printer is installed. Save the printout as a PDF file instead?"),
                   Icon::Confirmation, Button::Yes | Button::No, GeneralHelpContext);

TEST_F(PrintTest, WithoutAPrinterEachPrintoutOffersItsOwnPdfFile)
{
    ui.printerAvailable = false;
    const QString first = dir.filePath(QStringLiteral("Weekly Menu.pdf"));
    ui.answers.push_back(Button::Yes);
    ui.saveAnswers.push_back(first);
    program.execute(Command::PrintMenu);

    // The user is told where the file went.
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0], Offer);
    EXPECT_EQ(ui.messages[1],
              Message::typed(QStringLiteral("The file was written to:\n") + QDir::toNativeSeparators(first),
                             Icon::Information, only(Button::Ok), GeneralHelpContext));
    ASSERT_EQ(ui.saveRequests.size(), 1u);
    const FileDialogRequest& request = ui.saveRequests[0];
    EXPECT_EQ(request.title, QStringLiteral("Save Printout"));
    EXPECT_EQ(request.filter, QStringLiteral("PDF files (*.pdf)"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("pdf"));
    // The first PDF file is offered in the documents folder, not the data folder.
    EXPECT_EQ(request.initialDirectory, Preferences::userDocumentsFolder());
    EXPECT_NE(request.initialDirectory, dir.path());
    ASSERT_EQ(ui.prints.size(), 1u);
    EXPECT_EQ(ui.prints[0]->pdfFile, first);
    EXPECT_EQ(ui.prints[0]->documentTitle, QStringLiteral("Weekly Menu"));
    EXPECT_TRUE(ui.prints[0]->ended);

    // The next printout asks again, in the folder of the last PDF file; a
    // name already taken there is not offered.
    writeAll(first, "earlier printout");
    ui.answers.push_back(Button::Yes);
    program.execute(Command::PrintMenu);
    ASSERT_EQ(ui.saveRequests.size(), 2u);
    EXPECT_EQ(ui.saveRequests[1].initialDirectory, dir.path());
    EXPECT_EQ(ui.saveRequests[1].suggestedName, QStringLiteral("Weekly Menu (2).pdf"));
    EXPECT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.prints.size(), 1u);  // the dialog was cancelled

    // "No" to the offer asks for no file and prints nothing.
    ui.answers.push_back(Button::No);
    program.execute(Command::PrintDay);
    EXPECT_EQ(ui.saveRequests.size(), 2u);
    EXPECT_EQ(ui.prints.size(), 1u);
}

TEST_F(PrintTest, FailuresOfThePrinterAndOfThePdfFileAreTold)
{
    ui.jobsStart = false;
    program.execute(Command::PrintShoppingList);
    EXPECT_EQ(ui.messages, std::vector<Message>{error(QStringLiteral("The printer could not start the printout."))});

    ui.messages.clear();
    ui.jobsStart = true;
    ui.jobsEnd = false;
    program.execute(Command::PrintShoppingList);
    ASSERT_EQ(ui.prints.size(), 1u);
    EXPECT_TRUE(ui.prints[0]->ended);
    EXPECT_EQ(ui.messages, std::vector<Message>{error(QStringLiteral("The printer could not finish the printout."))});

    ui.printerAvailable = false;
    const QString file = dir.filePath(QStringLiteral("list.pdf"));
    for (const bool starts : {false, true}) {
        ui.messages.clear();
        ui.jobsStart = starts;
        ui.answers.push_back(Button::Yes);
        ui.saveAnswers.push_back(file);
        program.execute(Command::PrintShoppingList);
        ASSERT_EQ(ui.messages.size(), 2u);
        const QString told = starts ? QStringLiteral("Cannot write file %1. Is the disk full? Nothing was saved.")
                                    : QStringLiteral("Cannot create file %1");
        EXPECT_EQ(ui.messages[1], error(told.arg(file)));
    }
}

TEST(PdfName, TitleMadeSafeAndNumberedPastTakenNames)
{
    QTemporaryDir dir;
    EXPECT_EQ(suggestedPdfName(dir.path(), QStringLiteral("Daily Menu for Monday")),
              QStringLiteral("Daily Menu for Monday.pdf"));
    EXPECT_EQ(suggestedPdfName(dir.path(), QStringLiteral("Shopping List - 12/07/26")),
              QStringLiteral("Shopping List - 12-07-26.pdf"));
    EXPECT_EQ(suggestedPdfName(dir.path(), QStringLiteral("a:b*c?\"<>|\\")), QStringLiteral("a-b-c------.pdf"));
    EXPECT_EQ(suggestedPdfName(dir.path(), QStringLiteral("  ")), QStringLiteral("Printout.pdf"));
    EXPECT_EQ(suggestedPdfName(dir.path(), QStringLiteral("..")), QStringLiteral("Printout...pdf"));
    writeAll(dir.filePath(QStringLiteral("Menu.pdf")), "x");
    writeAll(dir.filePath(QStringLiteral("Menu (2).pdf")), "x");
    EXPECT_EQ(suggestedPdfName(dir.path(), QStringLiteral("Menu")), QStringLiteral("Menu (3).pdf"));
}

} // namespace
} // namespace tolvane::test
