#include "guide/tutordialog.h"

#include "guide/tutor.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace tolvane {

TutorDialog::TutorDialog(Tutor& tutor, std::function<void()> afterStep, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      tutor_(tutor), afterStep_(std::move(afterStep)), text_(new QPlainTextEdit(this)),
      next_(new QPushButton(QStringLiteral("&Next"), this)), cancel_(new QPushButton(QStringLiteral("&Cancel"), this))
{
    setWindowTitle(Tutor::caption());
    setAccessibleName(Tutor::caption());
    setFixedSize(Tutor::ClientWidth, Tutor::ClientHeight);

    text_->setGeometry(6, 5, 235, 132);
    text_->setReadOnly(true);
    text_->setAccessibleName(QStringLiteral("Tutor text"));
    // Read-only, but still reachable by Tab so a screen reader can read it.
    text_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    next_->setGeometry(54, 145, 61, 24);
    cancel_->setGeometry(135, 145, 61, 24);
    next_->setAccessibleName(QStringLiteral("Next"));
    cancel_->setAccessibleName(QStringLiteral("Cancel"));
    next_->setDefault(true);

    connect(next_, &QPushButton::clicked, this, [this] {
        tutor_.pressNext();
        sync();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        tutor_.pressCancel();
        sync();
    });
    sync();
}

void TutorDialog::showStep()
{
    if (afterStep_)
        afterStep_();
    if (!tutor_.isOpen())
        return;
    text_->setPlainText(tutor_.text());
    move(tutor_.left(), tutor_.top());
}

void TutorDialog::sync()
{
    showStep();
    if (!tutor_.isOpen()) {
        accept();
        return;
    }
    if (tutor_.takeFocusRequest()) {
        raise();
        activateWindow();
        next_->setFocus();
    }
}

void TutorDialog::done(int result)
{
    // Every way of closing (a button, Escape, the close box) ends the tutor.
    tutor_.close();
    QDialog::done(result);
}

} // namespace tolvane
