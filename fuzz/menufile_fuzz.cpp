// A menu file (.mnu) loaded with the Menu menu's "&Load"; the week shown
// afterwards is saved with "Save &As" and must read back the same.

#include "fuzzapp.h"

#include "menu/menustore.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    MenuPlanner& menu = f.app.menu;
    const QString chosen = QStringLiteral("chosen.mnu");
    f.write(chosen, fuzz::input(data, size));
    f.ui.answers = {Button::No};  // no save of the current menu first
    f.choose(chosen);
    f.app.program.execute(Command::LoadMenu);

    const QByteArray shown = writeMenuImage(menu.image());
    const QString copy = QStringLiteral("copy.mnu");
    f.choose(copy);
    f.app.program.execute(Command::SaveMenuAs);
    const MenuFileRead back = readMenuImage(f.read(copy));
    if (back.problem != MenuFileProblem::None || writeMenuImage(back.image) != shown)
        fuzz::roundTripFailed("menu file");
    f.forget();
    return 0;
}
