#pragma once
// The paper a printout uses when no printer queue names one: the paper of the
// user's locale.

#include <QLocale>

namespace tolvane {

enum class Paper { A4, Letter };

// Letter in the United States and Canada, A4 everywhere else.
Paper localePaper(const QLocale& locale);

} // namespace tolvane
