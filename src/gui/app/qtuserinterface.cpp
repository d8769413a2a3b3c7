#include "app/qtuserinterface.h"

#include "activity/addactivitydialog.h"
#include "food/fooditemdialog.h"
#include "food/searchprogress.h"
#include "guide/helptopics.h"
#include "menu/targetsplitdialog.h"
#include "shell/aboutdialog.h"
#include "shell/severalchoicedialog.h"
#include "app/mainwindow.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <cstdlib>

namespace tolvane {

namespace {
QMessageBox::Icon qtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Error: return QMessageBox::Critical;
    case Icon::Confirmation: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonPair {
    Button button;
    QMessageBox::StandardButton standard;
};
constexpr ButtonPair ButtonPairs[] = {
    {Button::Yes, QMessageBox::Yes}, {Button::No, QMessageBox::No},       {Button::Ok, QMessageBox::Ok},
    {Button::Cancel, QMessageBox::Cancel}, {Button::Help, QMessageBox::Help}, {Button::Retry, QMessageBox::Retry},
    {Button::Save, QMessageBox::Save},     {Button::Discard, QMessageBox::Discard},
};
} // namespace

Button QtUserInterface::showMessage(const Message& message)
{
    refreshWindow();
    QMessageBox box(qtIcon(message.icon), message.caption, message.text, QMessageBox::NoButton, parent_);
    for (const auto& pair : ButtonPairs)
        if (message.buttons & static_cast<Buttons>(pair.button)) {
            box.addButton(pair.standard);
            if (pair.button == message.defaultButton)
                box.setDefaultButton(pair.standard);
        }
    box.setProperty("helpContext", message.helpContext);
    const int pressed = box.exec();
    for (const auto& pair : ButtonPairs)
        if (pressed == pair.standard)
            return pair.button;
    // Closed with Escape or the title bar: the box's cancel-like answer.
    if (message.buttons & static_cast<Buttons>(Button::Cancel))
        return Button::Cancel;
    if (message.buttons & static_cast<Buttons>(Button::No))
        return Button::No;
    return Button::Ok;
}

std::optional<QString> QtUserInterface::openFile(const FileDialogRequest& request)
{
    // A file dialog is the system's, not one of the program's windows: the main
    // window coming back from it is not a new activation.
    skipActivationAfterFileDialog();
    // The one filter the command names; a name typed without a suffix is
    // looked for with the default one.
    QFileDialog dialog(parent_, request.title, request.initialDirectory, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtUserInterface::saveFile(const FileDialogRequest& request)
{
    skipActivationAfterFileDialog();
    // Qt's question before replacing a file stays: the command itself asks
    // before creating one.
    QFileDialog dialog(parent_, request.title, request.initialDirectory, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.suggestedName.isEmpty())
        dialog.selectFile(request.suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<int> QtUserInterface::chooseItem(const ChoiceRequest& request)
{
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(request.title);
    dialog.setLabelText(request.label);
    dialog.setComboBoxItems(request.items);
    dialog.setComboBoxEditable(false);
    dialog.setProperty("helpContext", request.helpContext);
    if (request.current >= 0 && request.current < request.items.size())
        dialog.setTextValue(request.items.at(request.current));
    // Help beside OK and Cancel, as F1 there: the choice's topic. The dialog
    // makes its buttons as it first lays itself out.
    (void)dialog.sizeHint();
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
        help->setText(QStringLiteral("&Help"));
        help->setAccessibleName(QStringLiteral("Help"));
        QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog,
                [this, context = request.helpContext] { showHelpTopic(context); });
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const int chosen = static_cast<int>(request.items.indexOf(dialog.textValue()));
    return chosen < 0 ? std::nullopt : std::optional<int>(chosen);
}

std::optional<std::vector<int>> QtUserInterface::chooseSeveral(const ChoiceRequest& request)
{
    SeveralChoiceDialog dialog(request, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.ticked();
}

void QtUserInterface::setBusy(bool busy)
{
    if (busy) {
        if (busyDepth_++ == 0)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void QtUserInterface::showAbout()
{
    const auto* window = qobject_cast<MainWindow*>(parent_);
    AboutDialog dialog(window ? window->dataFolder() : QString(), parent_);
    dialog.setProperty("helpContext", StartingHelpContext);
    dialog.exec();
}

void QtUserInterface::closeMainWindow()
{
    if (parent_)
        parent_->close();
}

void QtUserInterface::endProgram(int exitStatus)
{
    std::exit(exitStatus);
}

void QtUserInterface::skipActivationAfterFileDialog()
{
    if (auto* window = qobject_cast<MainWindow*>(parent_))
        window->skipNextActivation();
}

void QtUserInterface::refreshWindow()
{
    if (auto* window = qobject_cast<MainWindow*>(parent_))
        window->refresh();
}

bool QtUserInterface::editFoodItem(FoodItemForm& form)
{
    refreshWindow();
    FoodItemDialog dialog(form, *this, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtUserInterface::addActivity(ActivityForm& form)
{
    refreshWindow();
    AddActivityDialog dialog(form, *this, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtUserInterface::editTargetSplit(TargetSplitForm& form)
{
    refreshWindow();
    TargetSplitDialog dialog(form, *this, parent_);
    return dialog.exec() == QDialog::Accepted;
}

void QtUserInterface::beginProgress(const QString& caption, int maximum)
{
    endProgress();
    progress_ = new SearchProgress(caption, maximum, parent_);
    progress_->show();
}

void QtUserInterface::setProgress(int value)
{
    if (progress_)
        progress_->setValue(value);
}

void QtUserInterface::endProgress()
{
    delete progress_.data();
}

void QtUserInterface::beginImportProgress(const QString& caption, const QString& label, int maximum)
{
    endImportProgress();
    importProgress_ = new QProgressDialog(label, QStringLiteral("Cancel"), 0, maximum, parent_);
    importProgress_->setWindowTitle(caption);
    importProgress_->setProperty("helpContext", CsvHelpContext);
    importProgress_->setAccessibleName(caption);
    // Modal to the main window: while it is shown (after half a second, when
    // the reading is not done by then) the events it lets through reach only
    // the dialog and its Cancel button.
    importProgress_->setWindowModality(Qt::WindowModal);
    importProgress_->setMinimumDuration(500);
    importProgress_->setAutoClose(false);
    importProgress_->setAutoReset(false);
    // Escape (the dialog's reject) cancels as the button does, not only hides.
    QObject::connect(importProgress_, &QDialog::rejected, importProgress_, &QProgressDialog::cancel);
    importProgress_->setValue(0);
}

bool QtUserInterface::advanceImportProgress(int value)
{
    if (!importProgress_)
        return true;
    importProgress_->setValue(value);
    return !importProgress_->wasCanceled();
}

void QtUserInterface::endImportProgress()
{
    delete importProgress_.data();
}

} // namespace tolvane
