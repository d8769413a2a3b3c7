#include "shell/zoom.h"

#include "shell/preferences.h"
#include "shell/program.h"
#include "shell/userinterface.h"

#include <algorithm>

namespace tolvane {

QString zoommsg::appliesAtNextStart(int percent)
{
    return QStringLiteral("The zoom of %1 applies at the next start of Tolvane.").arg(zoomText(percent));
}

QString zoommsg::chosenToFit(int percent)
{
    return QStringLiteral("Tolvane chose a zoom of %1 to fit your screen; \"Main\" > \"Zoom...\" changes it.")
        .arg(zoomText(percent));
}

QString zoomText(int percent) { return QStringLiteral("%1%").arg(percent); }

int fittingZoom(QSize window, QSize available)
{
    int chosen = DefaultZoom;
    for (const int step : ZoomSteps)
        // Whole numbers: width x step / 100 <= available x 3 / 4.
        if (4LL * window.width() * step <= 300LL * available.width() &&
            4LL * window.height() * step <= 300LL * available.height())
            chosen = step;
    return chosen;
}

void chooseZoom(UserInterface& ui, Preferences& preferences)
{
    const int current = preferences.zoom();
    ChoiceRequest request{zoommsg::Title, zoommsg::Label, {}, 0, MainHelpContext};
    for (const int step : ZoomSteps)
        request.items.append(zoomText(step));
    request.current = static_cast<int>(std::find(ZoomSteps.begin(), ZoomSteps.end(), current) - ZoomSteps.begin());
    const std::optional<int> chosen = ui.chooseItem(request);
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(ZoomSteps.size()))
        return;
    const int percent = ZoomSteps.at(static_cast<std::size_t>(*chosen));
    if (percent == current)
        return;
    preferences.setZoom(percent);
    ui.showMessage(Message::typed(zoommsg::appliesAtNextStart(percent), Icon::Information, only(Button::Ok),
                                  GeneralHelpContext));
}

} // namespace tolvane
