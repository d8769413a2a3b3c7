#pragma once
// The per-user settings: the main window's position, kept as the integers Top
// and Left in the "Tolvane" settings of the user (~/.config/Tolvane.conf).

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QSettings;

namespace tolvane {

inline const QString TopKey = QStringLiteral("Top");
inline const QString LeftKey = QStringLiteral("Left");
constexpr int DefaultTop = 10;
constexpr int DefaultLeft = 25;

inline const QString SettingsErrorText = QStringLiteral("There is a problem writing to the registry. Exit");
inline const QString SettingsErrorCaption = QStringLiteral("Registry Error");
// The program ends with this status when its settings cannot be stored.
constexpr int SettingsErrorExitStatus = 3;

class SettingsStore {
public:
    // The user's settings; tests pass a file of their own.
    SettingsStore();
    explicit SettingsStore(const QString& filePath);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Opens the store (closing it first if open). False when it cannot be
    // written to.
    bool open();
    // Writes everything to disk at once and closes the store. False when the
    // write failed.
    bool close();

    // True when the store held no values before this run wrote any.
    bool wasEmptyAtFirstOpen() const { return wasEmpty_.value_or(true); }

    std::optional<int> readInt(const QString& key) const;
    void writeInt(const QString& key, int value);
    std::optional<QString> readString(const QString& key) const;
    void writeString(const QString& key, const QString& value);
    // A list of texts (file paths); empty when missing.
    QStringList readTexts(const QString& key) const;
    void writeTexts(const QString& key, const QStringList& values);

private:
    QString filePath_;
    std::unique_ptr<QSettings> settings_;
    std::optional<bool> wasEmpty_;
};

} // namespace tolvane
