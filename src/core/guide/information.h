#pragma once
// The information window "INFORMATION YOU NEED TO KNOW": four topics to read
// before first use. A label once clicked stays marked as read for the run.

#include <QString>
#include <array>
#include <utility>

namespace tolvane {

class UserInterface;

class Information {
public:
    struct Label {
        QString text;
        int x;
        int y;
        int helpContext;
    };
    static constexpr int LabelCount = 4;

    static const QString& caption();
    static const QString& text();
    static const std::array<Label, LabelCount>& labels();

    Information(UserInterface& ui, QString dataFolder) : ui_(ui), dataFolder_(std::move(dataFolder)) {}

    // Where the data files are, below the labels: the first start is where a
    // new user learns it.
    // After it, the zoom the first start chose to fit the screen, if it chose one.
    QString dataFolderText() const;
    void setChosenZoom(int percent) { chosenZoom_ = percent; }
    int chosenZoom() const { return chosenZoom_; }

    // A click on a label opens its topic and marks it read.
    void clickLabel(int index);
    bool visited(int index) const;

private:
    UserInterface& ui_;
    QString dataFolder_;
    int chosenZoom_ = 0;
    std::array<bool, LabelCount> visited_{};
};

} // namespace tolvane
