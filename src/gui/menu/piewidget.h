#pragma once
// A calorie pie painted from three shares with the program's pie drawing.

#include "menu/caloriesplit.h"

#include <QWidget>
#include <functional>

namespace tolvane {

class PieWidget : public QWidget {
    Q_OBJECT
public:
    // `busy` tells whether the food item table is being rewritten; the pie is
    // not drawn meanwhile.
    PieWidget(const QString& name, std::function<bool()> busy, QWidget* parent = nullptr);

    const Shares& shares() const { return shares_; }
    void setShares(const Shares& shares);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shares shares_;
    std::function<bool()> busy_;
};

} // namespace tolvane
