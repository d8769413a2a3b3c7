#include "app/app.h"

namespace tolvane {

App::App(AppUserInterface& ui, SettingsStore& settings, const QString& workDir)
    : program(ui, settings, workDir),
      foods(program, ui),
      food(program, foods),
      menu(program, foods),
      recipes(program, foods),
      weight(program),
      activity(program, ui, foods, menu),
      printing(program, menu),
      exchange(program, ui, foods, menu, weight),
      tutor(program, ui, printing),
      backups(program, settings, menu)
{
}

} // namespace tolvane
