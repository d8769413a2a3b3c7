// "currmenu.db" as the start-up loads it; a week that loads is written and
// loaded again and must come back the same.

#include "fuzzapp.h"

#include "menu/menustore.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    MenuPlanner& menu = f.app.menu;
    f.write(CurrentMenuFileName, fuzz::input(data, size));
    menu.loadCurrentMenu();
    const QByteArray first = writeMenuImage(menu.image());
    if (!menu.saveCurrentMenu())
        std::abort();
    menu.loadCurrentMenu();
    if (writeMenuImage(menu.image()) != first)
        fuzz::roundTripFailed("current menu");
    f.forget();
    return 0;
}
