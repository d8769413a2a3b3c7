#pragma once

#include "shell/commands.h"

#include <QIcon>

namespace tolvane {

// The glyph of a tool button.
QIcon toolIcon(Command command);

} // namespace tolvane
