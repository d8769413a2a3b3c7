#include "shell/app.h"

namespace tolvane {

App::App(UserInterface& ui, SettingsStore& settings, const QString& workDir) : program(ui, settings, workDir), food(program), menu(program), recipes(program), weight(program), activity(program, menu), printing(program, menu), exchange(program, menu, weight) {}

} // namespace tolvane
