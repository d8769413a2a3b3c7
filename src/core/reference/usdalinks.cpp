#include "reference/usdalinks.h"

#include "storage/safesave.h"

#include <QDir>
#include <QFile>

namespace tolvane {

namespace {
const QByteArray Header = "item\tusda_number\tmeasure\tgrams\n";

QString field(const QString& text)
{
    QString clean = text;
    clean.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return clean.replace(QLatin1Char('\r'), QLatin1Char(' '));
}
} // namespace

std::vector<UsdaLink> readUsdaLinks(const QByteArray& bytes)
{
    std::vector<UsdaLink> links;
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].split('\t');
        if (fields.size() != 4 || fields[0].isEmpty() || fields[1].size() != 5)
            continue;
        links.push_back(UsdaLink{QString::fromUtf8(fields[0]), QString::fromUtf8(fields[1]),
                                 QString::fromUtf8(fields[2]), QString::fromUtf8(fields[3])});
    }
    return links;
}

QByteArray usdaLinksText(const std::vector<UsdaLink>& links)
{
    QByteArray text = Header;
    for (const UsdaLink& link : links)
        text += (field(link.itemName) + QLatin1Char('\t') + field(link.usdaNumber) + QLatin1Char('\t') +
                 field(link.measure) + QLatin1Char('\t') + field(link.grams) + QLatin1Char('\n'))
                    .toUtf8();
    return text;
}

bool storeUsdaLink(const QString& folder, const UsdaLink& link)
{
    const QString path = QDir(folder).filePath(UsdaLinksFileName);
    std::vector<UsdaLink> links;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        links = readUsdaLinks(file.read(MaxUsdaLinksBytes));
    std::erase_if(links, [&](const UsdaLink& l) { return l.itemName == link.itemName; });
    links.push_back(link);
    return saveFileAtomically(path, usdaLinksText(links)) == SaveResult::Saved;
}

} // namespace tolvane
