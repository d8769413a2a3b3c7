#include "app/app.h"

namespace tolvane {

App::App(UserInterface& ui, SettingsStore& settings, const QString& workDir)
    : program(ui, settings, workDir), foods(program), food(program, foods), menu(program, foods), recipes(program, foods),
      weight(program), activity(program, foods, menu), printing(program, menu), exchange(program, foods, menu, weight),
      tutor(program, printing)
{
}

} // namespace tolvane
