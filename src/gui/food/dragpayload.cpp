#include "food/dragpayload.h"

#include <QMimeData>

namespace tolvane {

namespace {
struct SourceName {
    DragSource source;
    const char* name;
};
constexpr SourceName SourceNames[] = {
    {DragSource::FoodList, "food-list"},
    {DragSource::MealList, "meal-list"},
    {DragSource::TrashCan, "trash-can"},
    {DragSource::RecipeFoodList, "recipe-food-list"},
    {DragSource::IngredientList, "ingredient-list"}};
} // namespace

QMimeData* makeDragMimeData(const DragItem& item)
{
    QByteArray name = "none";
    for (const auto& entry : SourceNames)
        if (entry.source == item.source)
            name = entry.name;
    auto* data = new QMimeData;
    data->setData(DragMimeType, name + ' ' + QByteArray::number(item.row));
    return data;
}

std::optional<DragItem> dragItemOf(const QMimeData* data)
{
    if (!data || !data->hasFormat(DragMimeType))
        return std::nullopt;
    const QList<QByteArray> parts = data->data(DragMimeType).split(' ');
    if (parts.size() != 2)
        return std::nullopt;
    bool ok = false;
    const int row = parts[1].toInt(&ok);
    if (!ok)
        return std::nullopt;
    for (const auto& entry : SourceNames)
        if (parts[0] == entry.name)
            return DragItem{entry.source, row};
    return std::nullopt;
}

} // namespace tolvane
