#pragma once

#include <QDialog>

namespace tolvane {

// The about box: the product name, its version and an OK button.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace tolvane
