#include "shell/preferences.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QVariant>
#include <algorithm>

namespace tolvane {

namespace {
const QString LastWeightFileKey = QStringLiteral("LastWeightFile");

QString folderKey(FileKind kind)
{
    switch (kind) {
    case FileKind::Menu: return QStringLiteral("Folders/Menus");
    case FileKind::Recipe: return QStringLiteral("Folders/Recipes");
    case FileKind::WeightLog: return QStringLiteral("Folders/WeightLogs");
    case FileKind::Csv: return QStringLiteral("Folders/Csv");
    case FileKind::Pdf: return QStringLiteral("Folders/Pdf");
    }
    return {};
}

// Longer than any path the system takes: a stored text beyond it is damage.
constexpr int MaxPathLength = 4096;
} // namespace

int validZoom(std::optional<int> stored)
{
    if (stored && std::find(ZoomSteps.begin(), ZoomSteps.end(), *stored) != ZoomSteps.end())
        return *stored;
    return DefaultZoom;
}

double interfaceScale(int zoomPercent, const QByteArray& desktopFactor)
{
    bool ok = false;
    double desktop = desktopFactor.trimmed().toDouble(&ok);
    if (!ok || !(desktop > 0.0) || desktop > 100.0)
        desktop = 1.0;
    return desktop * validZoom(zoomPercent) / 100.0;
}

Preferences::Preferences(SettingsStore& store, QString documentsFolder)
    : store_(store), documents_(std::move(documentsFolder))
{
}

QString Preferences::userDocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString Preferences::startFolder(FileKind kind) const
{
    const QString stored = text(folderKey(kind), MaxPathLength);
    if (!stored.isEmpty() && QDir::isAbsolutePath(stored) && QFileInfo(stored).isDir())
        return stored;
    return documents_;
}

void Preferences::rememberFile(FileKind kind, const QString& filePath)
{
    const QString folder = QFileInfo(filePath).absolutePath();
    if (folder != text(folderKey(kind), MaxPathLength))
        write({{folderKey(kind), folder}});
}

int Preferences::zoom() const
{
    if (!store_.open())
        return DefaultZoom;
    const int zoom = validZoom(store_.readInt(ZoomKey));
    store_.close();
    return zoom;
}

void Preferences::setZoom(int percent) { write({{ZoomKey, validZoom(percent)}}); }

bool Preferences::zoomStored() const
{
    if (!store_.open())
        return true;
    const bool stored = store_.readString(ZoomKey).has_value();
    store_.close();
    return stored;
}

QString Preferences::lastWeightFile() const { return text(LastWeightFileKey, MaxPathLength); }

void Preferences::setLastWeightFile(const QString& filePath)
{
    const QString absolute = filePath.isEmpty() ? QString() : QFileInfo(filePath).absoluteFilePath();
    if (absolute != lastWeightFile())
        write({{LastWeightFileKey, absolute}});
}

int Preferences::number(const QString& key, int fallback, int low, int high) const
{
    if (!store_.open())
        return fallback;
    const std::optional<int> stored = store_.readInt(key);
    store_.close();
    return stored && *stored >= low && *stored <= high ? *stored : fallback;
}

QString Preferences::text(const QString& key, int maxLength) const
{
    if (!store_.open())
        return {};
    const std::optional<QString> stored = store_.readString(key);
    store_.close();
    return stored && stored->size() <= maxLength ? *stored : QString();
}

void Preferences::write(const std::vector<std::pair<QString, QVariant>>& values)
{
    if (!store_.open())
        return;
    for (const auto& [key, value] : values) {
        if (value.typeId() == QMetaType::Int)
            store_.writeInt(key, value.toInt());
        else
            store_.writeString(key, value.toString());
    }
    store_.close();
}

} // namespace tolvane
