#pragma once

#include "shell/commands.h"

#include <QIcon>

namespace tolvane {

// The glyph of a tool button: the desktop icon theme's picture for the action
// when the theme has one, else the program's own drawing.
QIcon toolIcon(Command command);

// The freedesktop icon name of a tool button's action.
QString toolIconThemeName(Command command);

// The program's own drawing of a tool button's glyph, sharp at every size and
// device pixel ratio.
QIcon drawnToolIcon(Command command);

} // namespace tolvane
