#pragma once
// The one way the program talks to the user: message boxes, file dialogs, the
// busy cursor and the about box. The windows implement it with Qt; tests
// implement it with a scripted fake that records what was shown and answers
// from a queue.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tolvane {

class PrintJob;
struct PreviewRequest;
struct TitlePrompt;
enum class PageOrientation;

enum class Icon { None, Information, Warning, Error, Confirmation };

enum class Button : unsigned { None = 0, Ok = 1, Cancel = 2, Yes = 4, No = 8, Help = 16, Retry = 32, Save = 64, Discard = 128 };
using Buttons = unsigned;
constexpr Buttons operator|(Button a, Button b) { return static_cast<Buttons>(a) | static_cast<Buttons>(b); }
constexpr Buttons only(Button b) { return static_cast<Buttons>(b); }

// Help contexts of the messages.
constexpr int GeneralHelpContext = 17;

struct Message {
    QString text;
    QString caption;
    Icon icon = Icon::None;
    Buttons buttons = only(Button::Ok);
    int helpContext = 0;
    // The button that Enter presses; None leaves it to the toolkit (the first
    // affirmative button).
    Button defaultButton = Button::None;

    // A typed message box: its caption names its type ("Warning", "Error", ...).
    static Message typed(const QString& text, Icon icon, Buttons buttons, int helpContext);
    // A plain box with its own caption and no help context.
    static Message plain(const QString& text, const QString& caption, Icon icon, Buttons buttons);

    bool operator==(const Message&) const = default;
};

// The caption a typed message box gets from its icon.
QString captionForIcon(Icon icon);

struct FileDialogRequest {
    QString title;
    QString filter;          // "Food item tables (*.dbt)"
    QString defaultSuffix;   // "dbt"
    QString initialDirectory;
    QString suggestedName = {};  // the file name the save dialog starts with
};

// A choice of one item from a short list, in a small modal dialog.
struct ChoiceRequest {
    QString title;
    QString label;
    QStringList items;
    int current = 0;  // the item selected when the dialog opens
    int helpContext = GeneralHelpContext;  // the topic F1 opens in the dialog
};

class UserInterface {
public:
    virtual ~UserInterface() = default;
    // A modal message box; returns the button pressed.
    virtual Button showMessage(const Message& message) = 0;
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
    // The hourglass while a file is written or the table reordered.
    virtual void setBusy(bool busy) = 0;
    virtual void showAbout() = 0;
    // Closes the main window, which runs the close sequence.
    virtual void closeMainWindow() = 0;
    // Ends the process at once with this status (after a message that said why).
    virtual void endProgram(int exitStatus) = 0;

    // Opens a topic of the program's help by its help context.
    virtual void showHelpTopic(int helpContext) = 0;
    // A small progress window beside the main window, not modal, while a long
    // operation reads a file: shown with the bar at 0 of `maximum`, advanced,
    // then closed.
    virtual void beginProgress(const QString& caption, int maximum) = 0;
    virtual void setProgress(int value) = 0;
    virtual void endProgress() = 0;
    // The Menu Title dialog, modal, set up as the prompt says. The title typed,
    // or nothing when the user cancelled.
    virtual std::optional<QString> askTitle(const TitlePrompt& prompt) = 0;
    // Whether a printer is there to take printouts.
    virtual bool printerInstalled() = 0;
    // Starts a document on the printer with this orientation and document
    // title. Nothing when the printer refuses it.
    virtual std::unique_ptr<PrintJob> beginPrintJob(PageOrientation orientation, const QString& documentTitle) = 0;
    // The same into a new PDF file, on the paper chosen in printer set-up.
    // The file appears only when the job ends well. Nothing when it cannot be
    // created.
    virtual std::unique_ptr<PrintJob> beginPdfJob(const QString& fileName, PageOrientation orientation,
                                                  const QString& documentTitle) = 0;
    // The Print Preview window with the page the request draws.
    virtual void showPrintPreview(const PreviewRequest& request) = 0;
    // The printer set-up dialog; its choices apply to later printouts.
    virtual void printSetup() = 0;
    // Closes the print preview window when it is open.
    virtual void closePrintPreview() = 0;
    // Puts the focus in the "# Servings" field of the Menu Planner page.
    virtual void focusServings() = 0;
    // Runs `action` once the main window is on the screen and painted, from
    // the event loop: windows opened over it have something to point at, and
    // what the window need not wait for starts after it. Without a screen
    // (tests) it runs at once.
    virtual void whenMainWindowShown(std::function<void()> action) { action(); }
    // The index of the item chosen, or nothing when the user cancelled.
    virtual std::optional<int> chooseItem(const ChoiceRequest& request) = 0;
    // The indexes of the items ticked (none ticked when `current` is out of
    // range), in list order; nothing when the user cancelled.
    virtual std::optional<std::vector<int>> chooseSeveral(const ChoiceRequest& request) = 0;
};

} // namespace tolvane
