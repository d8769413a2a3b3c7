#pragma once

#include <QDialog>

namespace tolvane {

// The about box: the product name, its version, where the data files are and
// an OK button.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(const QString& dataFolder, QWidget* parent = nullptr);
};

} // namespace tolvane
