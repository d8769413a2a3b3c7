#include "shell/userinterface.h"

namespace tolvane {

QString captionForIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QStringLiteral("Information");
    case Icon::Warning: return QStringLiteral("Warning");
    case Icon::Error: return QStringLiteral("Error");
    case Icon::Confirmation: return QStringLiteral("Confirm");
    case Icon::None: break;
    }
    return QStringLiteral("Tolvane");
}

Message Message::typed(const QString& text, Icon icon, Buttons buttons, int helpContext)
{
    return Message{text, captionForIcon(icon), icon, buttons, helpContext};
}

Message Message::plain(const QString& text, const QString& caption, Icon icon, Buttons buttons)
{
    return Message{text, caption, icon, buttons, 0};
}

} // namespace tolvane
