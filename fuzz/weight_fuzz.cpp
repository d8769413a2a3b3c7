// A weight file (.wgt) loaded with "&Load File"; a file that loads is saved
// from the grid, loaded and saved again, and the two saves must be the same.

#include "fuzzapp.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    WeightLog& log = f.app.weight.log();
    log.reset();
    const QString chosen = QStringLiteral("chosen.wgt");
    f.write(chosen, fuzz::input(data, size));
    log.loadweightfile(f.path(chosen));
    if (!f.ui.messages.empty() || size == 0) {
        f.forget();
        return 0;  // refused as a whole (the grid stays as it was)
    }
    const QString first = f.path(QStringLiteral("first.wgt"));
    const QString second = f.path(QStringLiteral("second.wgt"));
    if (!log.saveweightfile(first))
        fuzz::roundTripFailed("weight grid does not save");
    log.loadweightfile(first);
    if (!log.saveweightfile(second) || f.read(QStringLiteral("first.wgt")) != f.read(QStringLiteral("second.wgt")))
        fuzz::roundTripFailed("weight file");
    f.forget();
    return 0;
}
