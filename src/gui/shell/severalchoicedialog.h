#pragma once

#include <QDialog>
#include <vector>

class QListWidget;

namespace tolvane {

struct ChoiceRequest;

// A list of items to tick, any number of them (Space ticks the current one),
// with OK and Cancel.
class SeveralChoiceDialog : public QDialog {
    Q_OBJECT
public:
    explicit SeveralChoiceDialog(const ChoiceRequest& request, QWidget* parent = nullptr);
    QListWidget* list() const { return list_; }
    std::vector<int> ticked() const;

private:
    QListWidget* list_;
};

} // namespace tolvane
