#pragma once
// What a drag between the program's lists and trash cans carries: where it
// began and the row pressed there, as mime data of the program's own type.

#include "food/dragitem.h"

#include <QString>
#include <optional>

class QMimeData;

namespace tolvane {

inline const QString DragMimeType = QStringLiteral("application/x-tolvane-drag");

// New mime data for a drag; the caller (usually QDrag) owns it.
QMimeData* makeDragMimeData(const DragItem& item);
// The drag item of mime data, or nothing when it does not come from the program.
std::optional<DragItem> dragItemOf(const QMimeData* data);

} // namespace tolvane
