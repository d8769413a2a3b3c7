#include "guide/information.h"

#include "shell/userinterface.h"
#include "shell/zoom.h"

namespace tolvane {

const QString& Information::caption()
{
    static const QString value = QStringLiteral("INFORMATION YOU NEED TO KNOW");
    return value;
}

const QString& Information::text()
{
    static const QString value = QStringLiteral(
        "The information in the following help screens is information that you need to know before you start "
        "using Tolvane.  Select an item, then close the help window and go to the next item.");
    return value;
}

const std::array<Information::Label, Information::LabelCount>& Information::labels()
{
    static const std::array<Label, LabelCount> value = {{
        {QStringLiteral("Disclaimer"), 24, 88, 22},
        {QStringLiteral("Updated Food Item List"), 24, 112, 32},
        {QStringLiteral("Personal List"), 24, 136, 33},
        {QStringLiteral("Building a Weight Graph"), 24, 160, 11},
    }};
    return value;
}

QString Information::dataFolderText() const
{
    const QString folder = QStringLiteral("Your data files are kept in %1").arg(dataFolder_);
    return chosenZoom_ > 0 ? folder + u'\n' + zoommsg::chosenToFit(chosenZoom_) : folder;
}

void Information::clickLabel(int index)
{
    if (index < 0 || index >= LabelCount)
        return;
    ui_.showHelpTopic(labels()[static_cast<std::size_t>(index)].helpContext);
    visited_[static_cast<std::size_t>(index)] = true;
}

bool Information::visited(int index) const
{
    return index >= 0 && index < LabelCount && visited_[static_cast<std::size_t>(index)];
}

} // namespace tolvane
