#pragma once
// The information window: its text, four topic labels that turn magenta once
// read, where the data files are, and "E&xit".

#include <QDialog>
#include <array>

class QPlainTextEdit;
class QPushButton;

namespace tolvane {

class Information;

class InformationWindow : public QDialog {
    Q_OBJECT
public:
    explicit InformationWindow(Information& information, QWidget* parent = nullptr);

    QPushButton* label(int index) const { return labels_.at(static_cast<std::size_t>(index)); }
    QPushButton* exitButton() const { return exit_; }
    QPlainTextEdit* textArea() const { return text_; }
    QPlainTextEdit* folderText() const { return folder_; }

private:
    void showLabel(int index);

    Information& information_;
    QPlainTextEdit* text_;
    QPlainTextEdit* folder_;
    std::array<QPushButton*, 4> labels_{};
    QPushButton* exit_;
};

} // namespace tolvane
