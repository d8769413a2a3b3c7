#pragma once
// The Tutor window: a read-only text and "&Next"/"&Cancel", always on top. It
// shows the tutor's text and place after each press and closes with it.

#include <QDialog>
#include <functional>

class QPlainTextEdit;
class QPushButton;

namespace tolvane {

class Tutor;

class TutorDialog : public QDialog {
    Q_OBJECT
public:
    // `afterStep` brings the main window up to date after a step (pages).
    TutorDialog(Tutor& tutor, std::function<void()> afterStep, QWidget* parent = nullptr);

    QPlainTextEdit* textArea() const { return text_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* cancelButton() const { return cancel_; }

    void done(int result) override;
    // Shows the tutor's text, place and pages as they are now.
    void showStep();

private:
    void sync();

    Tutor& tutor_;
    std::function<void()> afterStep_;
    QPlainTextEdit* text_;
    QPushButton* next_;
    QPushButton* cancel_;
};

} // namespace tolvane
