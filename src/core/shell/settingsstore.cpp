#include "shell/settingsstore.h"

#include <QSettings>

namespace tolvane {

SettingsStore::SettingsStore() = default;
SettingsStore::SettingsStore(const QString& filePath) : filePath_(filePath) {}
SettingsStore::~SettingsStore() { close(); }

bool SettingsStore::open()
{
    close();
    if (filePath_.isEmpty())
        settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                QStringLiteral("Tolvane"));
    else
        settings_ = std::make_unique<QSettings>(filePath_, QSettings::NativeFormat);
    if (!wasEmpty_)
        wasEmpty_ = settings_->allKeys().isEmpty();
    return settings_->isWritable() && settings_->status() == QSettings::NoError;
}

bool SettingsStore::close()
{
    if (!settings_)
        return true;
    settings_->sync();
    const bool ok = settings_->status() == QSettings::NoError;
    settings_.reset();
    return ok;
}

std::optional<int> SettingsStore::readInt(const QString& key) const
{
    if (!settings_)
        return std::nullopt;
    const QVariant value = settings_->value(key);
    if (!value.isValid())
        return std::nullopt;
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

void SettingsStore::writeInt(const QString& key, int value)
{
    if (settings_)
        settings_->setValue(key, value);
}

std::optional<QString> SettingsStore::readString(const QString& key) const
{
    if (!settings_)
        return std::nullopt;
    const QVariant value = settings_->value(key);
    if (!value.isValid() || !value.canConvert<QString>())
        return std::nullopt;
    return value.toString();
}

void SettingsStore::writeString(const QString& key, const QString& value)
{
    if (settings_)
        settings_->setValue(key, value);
}

QStringList SettingsStore::readTexts(const QString& key) const
{
    return settings_ ? settings_->value(key).toStringList() : QStringList();
}

void SettingsStore::writeTexts(const QString& key, const QStringList& values)
{
    if (settings_)
        settings_->setValue(key, values);
}

} // namespace tolvane
