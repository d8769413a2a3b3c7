#include "menu/shoppinglist.h"

#include "storage/numbertext.h"
#include "storage/real6.h"

#include <algorithm>

namespace tolvane {

namespace {

QByteArray storedName(const FoodItem& item)
{
    const int length = std::min<int>(item.bytes[0], FoodItem::NameCapacity);
    return QByteArray(reinterpret_cast<const char*>(item.bytes.data() + 1), length);
}

void drawTitle(Canvas& canvas, int centre, int y, const QString& title)
{
    canvas.setFontName(QStringLiteral("Arial"));
    canvas.setFontSize(16);
    canvas.setFontStyle(Plain);
    canvas.setFontPitch(FontPitch::Default);
    canvas.textOut(centre - canvas.textWidth(title) / 2, y, title);
}

void setEntryFont(Canvas& canvas)
{
    canvas.setFontName(QStringLiteral("arial"));
    canvas.setFontSize(7);
    canvas.setFontStyle(Bold);
    canvas.setFontPitch(FontPitch::Default);
}

} // namespace

ShoppingList shoplistprep(const Week& week)
{
    ShoppingList list;
    for (const Meal& meal : week) {
        for (int e = 0; e < meal.count(); ++e) {
            const QByteArray name = storedName(meal.item(e));
            auto place = list.begin();
            while (place != list.end() && place->nameBytes < name)
                ++place;
            if (place != list.end() && place->nameBytes == name)
                place->servings = roundToReal6(place->servings + meal.servings(e));
            else
                list.insert(place, {meal.item(e).name(), name, meal.servings(e)});
        }
    }
    return list;
}

QString shoppingLine(const ShoppingEntry& entry)
{
    return (QStringLiteral("(") + formatFixed(entry.servings, 5, 1) + QStringLiteral(")  ") + entry.name).left(44);
}

QString shoppingListTitle(const QDate& today)
{
    return (QStringLiteral("Shopping List - ") + today.toString(QStringLiteral("MM/dd/yy"))).left(40);
}

void drawShoppingListPreview(Canvas& canvas, const ShoppingList& list, const QString& title)
{
    canvas.setBrushColor(colors::White);
    canvas.fillRect(0, 0, PreviewWidth, PreviewHeight);
    canvas.setTransparentText(true);
    canvas.setTextAlign(TextAlign::Left);
    // Centred on the page image, whatever the size of the main window.
    drawTitle(canvas, PreviewWidth / 2, 10, title);
    setEntryFont(canvas);
    // Three columns fill the image; a longer list goes on to a further preview
    // page in the same columns, as the printer page does.
    constexpr int PerPage = ShoppingLinesPerColumn * ShoppingColumnsPerPage;
    for (int r = 0; r < static_cast<int>(list.size()); ++r) {
        const int onPage = r % PerPage;
        if (r > 0 && onPage == 0) {
            canvas.newPage();
            canvas.fillRect(0, 0, PreviewWidth, PreviewHeight);
        }
        canvas.textOut((onPage / ShoppingLinesPerColumn) * 258 + 10, (onPage % ShoppingLinesPerColumn) * 12 + 70,
                       shoppingLine(list[static_cast<std::size_t>(r)]));
    }
}

void drawShoppingListPage(Canvas& canvas, const PageMetrics& page, const ShoppingList& list, const QString& title)
{
    const int margin = page.sideMargin();
    const int gutter = roundMeasure(page.tenth() * 1.5L);
    const int column = (page.width - gutter - 2 * margin) / 3;
    const int top = page.topMargin();
    const int lineHeight = page.lineHeight(ShoppingLinesPerColumn);
    constexpr int PerPage = ShoppingLinesPerColumn * ShoppingColumnsPerPage;

    canvas.setTransparentText(true);
    canvas.setTextAlign(TextAlign::Left);
    drawTitle(canvas, page.width / 2, lineHeight, title);
    setEntryFont(canvas);
    // Three columns fill a portrait page; a longer list goes on to further
    // pages with the same columns rather than off the paper's edge.
    for (int r = 0; r < static_cast<int>(list.size()); ++r) {
        const int onPage = r % PerPage;
        if (r > 0 && onPage == 0)
            canvas.newPage();
        canvas.textOut((onPage / ShoppingLinesPerColumn) * column + margin,
                       (onPage % ShoppingLinesPerColumn) * lineHeight + top,
                       shoppingLine(list[static_cast<std::size_t>(r)]));
    }
}

} // namespace tolvane
