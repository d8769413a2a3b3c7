#include "nutrients/foodnutrients.h"

#include "shell/program.h"
#include "storage/real6.h"
#include "storage/safesave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tolvane {

namespace {

const QByteArray LinksHeader = "item\tusda_number\tmeasure\tgrams";
constexpr qint64 MaxLinksBytes = 4 * 1024 * 1024;

Message warning(const QString& text)
{
    return Message::typed(text, Icon::Warning, only(Button::Ok), GeneralHelpContext);
}

bool lineReads(const QByteArray& line)
{
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() != 4 || fields[0].isEmpty() || fields[1].size() != 5)
        return false;
    for (const char c : fields[1])
        if (c < '0' || c > '9')
            return false;
    const std::optional<Decimal> grams = Decimal::read(fields[3]);
    return grams && grams->mantissa > 0;
}

QHash<QString, UsdaLink> byName(const std::vector<UsdaLink>& links)
{
    QHash<QString, UsdaLink> map;
    for (const UsdaLink& link : links)
        map.insert(link.itemName, link);
    return map;
}

std::optional<QByteArray> readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(MaxLinksBytes + 1);
}

} // namespace

QString nutrientmsg::damagedLinks(const QString& problem, const QString& keptAs)
{
    QString text = QStringLiteral("The food links file \"%1\" is damaged: %2.").arg(UsdaLinksFileName, problem);
    text += keptAs.isEmpty() ? QStringLiteral(" It could not be kept aside.")
                             : QStringLiteral(" It was kept as \"%1\".").arg(keptAs);
    return text + QStringLiteral(" Food items added from USDA have their six values only until they are added "
                                 "again.");
}

QString linksFileProblem(const QByteArray& bytes)
{
    if (bytes.size() > MaxLinksBytes)
        return QStringLiteral("it is larger than 4 MB");
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.first() != LinksHeader)
        return QStringLiteral("its first line is not the heading");
    for (qsizetype i = 1; i < lines.size(); ++i)
        if (!lines[i].isEmpty() && !lineReads(lines[i]))
            return QStringLiteral("line %1 does not read").arg(i + 1);
    return {};
}

struct FoodNutrients::Link {
    const ReferenceFood* food = nullptr;
    Nutrients six{};          // the six values the item has while it is linked
    NutrientAmounts amounts;  // one serving
};

struct FoodNutrients::State {
    std::optional<UsdaReference> reference;
    QHash<QString, UsdaLink> starter;
    std::vector<UsdaLink> stored;  // foodlinks.tsv, in its order
    QHash<QString, UsdaLink> storedByName;
    QHash<QString, std::optional<Link>> resolved;
    QDateTime fileTime;
    qint64 fileSize = -1;
};

FoodNutrients::FoodNutrients(Program& program) : program_(program) {}

FoodNutrients::~FoodNutrients() = default;

bool FoodNutrients::referenceRead()
{
    ensureLoaded();
    return state_ && state_->reference.has_value();
}

void FoodNutrients::ensureLoaded()
{
    if (!tried_) {
        tried_ = true;
        state_ = std::make_unique<State>();
        const QString path = referencePath_.isEmpty() ? referencePath(QCoreApplication::applicationDirPath())
                                                      : referencePath_;
        state_->reference = UsdaReference::load(path);
        if (!state_->reference)
            return;
        if (const auto starter = readFile(starterLinksPath_))
            state_->starter = byName(readUsdaLinks(*starter));
    }
    if (state_->reference)
        readLinksFile();
}

void FoodNutrients::readLinksFile()
{
    // "Add from USDA" writes the file: it is read again whenever it changed.
    const QString path = QDir(program_.workDir()).filePath(UsdaLinksFileName);
    const QFileInfo info(path);
    const qint64 size = info.exists() ? info.size() : -1;
    if (size == state_->fileSize && (size < 0 || info.lastModified() == state_->fileTime))
        return;
    state_->fileSize = size;
    state_->fileTime = info.lastModified();
    state_->resolved.clear();
    state_->stored.clear();
    const std::optional<QByteArray> bytes = size < 0 ? std::nullopt : readFile(path);
    if (bytes) {
        const QString problem = linksFileProblem(*bytes);
        if (!problem.isEmpty()) {
            const QString keptAs = keepDamagedFile(path, true);
            program_.ui().showMessage(warning(nutrientmsg::damagedLinks(problem, keptAs)));
        } else {
            state_->stored = readUsdaLinks(*bytes);
        }
    }
    QStringList dropped;
    std::erase_if(state_->stored, [&](const UsdaLink& link) {
        if (state_->reference->find(link.usdaNumber))
            return false;
        dropped << nutrientmsg::unknownNumber(link.itemName, link.usdaNumber);
        return true;
    });
    state_->storedByName = byName(state_->stored);
    if (!dropped.isEmpty()) {
        saveLinks();
        for (const QString& text : dropped)
            program_.ui().showMessage(warning(text));
    }
}

void FoodNutrients::saveLinks()
{
    const QString path = QDir(program_.workDir()).filePath(UsdaLinksFileName);
    if (saveFileAtomically(path, usdaLinksText(state_->stored)) == SaveResult::Saved) {
        const QFileInfo info(path);
        state_->fileSize = info.size();
        state_->fileTime = info.lastModified();
    }
    state_->storedByName = byName(state_->stored);
    state_->resolved.clear();
}

const FoodNutrients::Link* FoodNutrients::linkOf(const FoodItem& item)
{
    if (!state_ || !state_->reference)
        return nullptr;
    const QString name = item.name();
    auto found = state_->resolved.find(name);
    if (found == state_->resolved.end()) {
        std::optional<Link> link;
        const auto stored = state_->storedByName.constFind(name);
        const UsdaLink* source = stored != state_->storedByName.cend() ? &*stored : nullptr;
        if (!source) {
            const auto starter = state_->starter.constFind(name);
            source = starter != state_->starter.cend() ? &*starter : nullptr;
        }
        const ReferenceFood* food = source ? state_->reference->find(source->usdaNumber) : nullptr;
        const std::optional<Decimal> grams = source ? Decimal::read(source->grams.toLatin1()) : std::nullopt;
        if (food && grams) {
            link = Link{food, {}, amountsOf(*food, grams->value())};
            const SixValues six = sixValuesFor(*food, *grams);
            for (int n = 0; n < NutrientCount && link; ++n) {
                if (six[static_cast<std::size_t>(n)])
                    link->six[static_cast<std::size_t>(n)] = roundToReal6(*six[static_cast<std::size_t>(n)]);
                else
                    link.reset();
            }
        }
        found = state_->resolved.insert(name, link);
    }
    return *found && (*found)->six == item.nutrients() ? &**found : nullptr;
}

NutrientAmounts FoodNutrients::perServing(const FoodItem& item)
{
    ensureLoaded();
    NutrientAmounts amounts;
    if (const Link* link = linkOf(item))
        amounts = link->amounts;
    for (int n = 0; n < NutrientCount; ++n)
        amounts[static_cast<std::size_t>(catalogueIndex(static_cast<Nutrient>(n)))] =
            item.nutrient(static_cast<Nutrient>(n));
    return amounts;
}

bool FoodNutrients::linked(const FoodItem& item)
{
    ensureLoaded();
    return linkOf(item) != nullptr;
}

void FoodNutrients::itemModified(const FoodItem& before, const FoodItem& after)
{
    if (!linked(before))
        return;
    const QString oldName = before.name();
    const bool stored = state_->storedByName.contains(oldName);
    if (before.nutrients() != after.nutrients()) {
        if (stored) {
            std::erase_if(state_->stored, [&](const UsdaLink& link) { return link.itemName == oldName; });
            saveLinks();
        }
        program_.ui().showMessage(warning(nutrientmsg::linkLost(after.name())));
    } else if (after.name() != oldName) {
        // A renamed item keeps its link (a starter food's too) under its new name.
        UsdaLink link = stored ? state_->storedByName.value(oldName) : state_->starter.value(oldName);
        link.itemName = after.name();
        std::erase_if(state_->stored, [&](const UsdaLink& l) {
            return l.itemName == oldName || l.itemName == link.itemName;
        });
        state_->stored.push_back(link);
        saveLinks();
    }
}

} // namespace tolvane
