#pragma once
// "&Zoom...": the size of the whole interface, as one picture of the window's
// layout at 100% to 300%. Qt scales every window, font and picture by it from
// the program's start, so a new zoom applies at the next start.

#include <QSize>
#include <QString>

namespace tolvane {

class Preferences;
class UserInterface;

namespace zoommsg {
inline const QString Title = QStringLiteral("Zoom");
inline const QString Label =
    QStringLiteral("Size of every window of Tolvane\n(on top of the desktop's own scale; applies at the next start):");
QString appliesAtNextStart(int percent);
// The first start's note on the zoom it chose.
QString chosenToFit(int percent);
} // namespace zoommsg

// "100%", "125%", ...
QString zoomText(int percent);

// The first start's zoom: the largest step at which a window of `window`
// pixels at 100% fits three quarters of the screen's `available` area in
// width and in height (sizes in the desktop's own pixels); 100% at least.
int fittingZoom(QSize window, QSize available);

// Asks for a zoom step and keeps it; tells the user when it takes effect.
void chooseZoom(UserInterface& ui, Preferences& preferences);

} // namespace tolvane
