#include "printing/localepaper.h"

namespace tolvane {

Paper localePaper(const QLocale& locale)
{
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada: return Paper::Letter;
    default: return Paper::A4;
    }
}

} // namespace tolvane
