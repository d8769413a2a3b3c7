#pragma once
// The Menu Title dialog: a prompt, one line for the title (at most 30
// characters) and OK / Cancel. Each printout sets its prompt, caption and
// starting title before showing it.

#include "printing/printsurface.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace tolvane {

class TitleDialog : public QDialog {
    Q_OBJECT
public:
    explicit TitleDialog(QWidget* parent = nullptr);

    void setUp(const TitlePrompt& prompt);
    QString title() const;
    QLineEdit* titleEdit() const { return edit_; }
    QLabel* promptLabel() const { return label_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* label_;
    QLineEdit* edit_;
};

} // namespace tolvane
