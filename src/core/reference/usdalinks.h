#pragma once
// "foodlinks.tsv" beside "fooditem.dbt": which food items came from the USDA
// reference, and from which food and measure, so that more than the six
// values of the table can be shown for them. One line an item, tab-separated:
// the item's name, the USDA number, the measure as shown ("1 cup", "150 g")
// and its grams. The food item table itself stays as it is.

#include <QString>
#include <vector>

namespace tolvane {

struct UsdaLink {
    QString itemName;
    QString usdaNumber;
    QString measure;
    QString grams;

    bool operator==(const UsdaLink&) const = default;
};

inline const QString UsdaLinksFileName = QStringLiteral("foodlinks.tsv");
// Far above the links of a full food item table; a larger file is not read.
constexpr qint64 MaxUsdaLinksBytes = 4 * 1024 * 1024;

// The links of a file's text; lines that do not read are passed over.
std::vector<UsdaLink> readUsdaLinks(const QByteArray& bytes);
QByteArray usdaLinksText(const std::vector<UsdaLink>& links);

// Adds or replaces the link of `link.itemName` in the folder's file (saved as
// a whole, atomically). False when the file could not be written.
bool storeUsdaLink(const QString& folder, const UsdaLink& link);

} // namespace tolvane
