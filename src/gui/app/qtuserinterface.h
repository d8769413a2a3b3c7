#pragma once
// The program's messages, file dialogs and busy cursor on Qt.

#include "app/appuserinterface.h"

#include <QPointer>
#include <QProgressDialog>

class QWidget;

namespace tolvane {

class PreviewWindow;
class HelpWindow;
class SearchProgress;
class TitleDialog;
class TutorDialog;
class UsdaWindow;
class NutrientWindow;

class QtUserInterface : public AppUserInterface {
public:
    explicit QtUserInterface(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    Button showMessage(const Message& message) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    void setBusy(bool busy) override;
    void showAbout() override;
    void closeMainWindow() override;
    void endProgram(int exitStatus) override;
    bool editFoodItem(FoodItemForm& form) override;
    void showHelpTopic(int helpContext) override;
    void beginProgress(const QString& caption, int maximum) override;
    void setProgress(int value) override;
    void endProgress() override;
    void beginImportProgress(const QString& caption, const QString& label, int maximum) override;
    bool advanceImportProgress(int value) override;
    void endImportProgress() override;
    // The import's progress dialog while an import runs (hidden for its first moment).
    QProgressDialog* importProgressDialog() const { return importProgress_; }
    bool addActivity(ActivityForm& form) override;
    bool editTargetSplit(TargetSplitForm& form) override;
    // Printing (src/gui/app/qtprinting.cpp).
    std::optional<QString> askTitle(const TitlePrompt& prompt) override;
    bool printerInstalled() override;
    std::unique_ptr<PrintJob> beginPrintJob(PageOrientation orientation, const QString& documentTitle) override;
    std::unique_ptr<PrintJob> beginPdfJob(const QString& fileName, PageOrientation orientation,
                                          const QString& documentTitle) override;
    void showPrintPreview(const PreviewRequest& request) override;
    void printSetup() override;
    // The Menu Title dialog and the Print Preview window: one of each for the
    // run, made when first shown.
    TitleDialog* titleDialog();
    PreviewWindow* previewWindow();
    void closePrintPreview() override;
    // The tutor, the information window and the help viewer
    // (src/gui/app/guideui.cpp).
    void showTutor(Tutor& tutor) override;
    void showInformation(Information& information) override;
    void showTutorStep(Tutor& tutor) override;
    void whenMainWindowShown(std::function<void()> action) override;
    void focusServings() override;
    // The "Add from USDA" window (src/gui/app/usdaui.cpp): one for the run.
    void showAddFromUsda(AddFromUsda& behaviour) override;
    UsdaWindow* usdaWindow() const;
    void showNutrients(NutrientView& view) override;
    NutrientWindow* nutrientWindow() const;
    std::optional<int> chooseItem(const ChoiceRequest& request) override;
    std::optional<std::vector<int>> chooseSeveral(const ChoiceRequest& request) override;

    // The help viewer, once it has been opened.
    HelpWindow* helpWindow() const;

private:
    // Brings the main window up to date before a modal box or dialog, so the
    // user sees what it asks about (a selected row, a new caption).
    void refreshWindow();
    void skipActivationAfterFileDialog();
    // A dialog opened while the always-on-top tutor is shown goes beside it,
    // never under it; otherwise it is centred over the main window as usual.
    void keepClearOfTutor(QWidget* dialog) const;

    QWidget* parent_;
    int busyDepth_ = 0;
    QPointer<SearchProgress> progress_;
    QPointer<QProgressDialog> importProgress_;
    QPointer<TitleDialog> titleDialog_;
    QPointer<PreviewWindow> previewWindow_;
    QPointer<HelpWindow> help_;
    QPointer<TutorDialog> tutorDialog_;
    QPointer<UsdaWindow> usdaWindow_;
    QPointer<NutrientWindow> nutrientWindow_;
};

} // namespace tolvane
