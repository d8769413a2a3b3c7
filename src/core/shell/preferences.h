#pragma once
// The user's choices that the program keeps between runs, beside the window
// position: the folder last used for each kind of file, the zoom, the last
// weight file and the calculators' inputs. Each has a default, and a stored
// value out of its range reads as the default. A store that cannot be opened
// reads as all defaults and keeps nothing: none of these is worth a message.

#include "shell/settingsstore.h"

#include <QString>
#include <QVariant>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace tolvane {

// The kinds of the user's own files, each remembering its own folder.
enum class FileKind { Menu, Recipe, WeightLog, Csv, Pdf };

// The zoom steps in percent, the first being the default.
inline constexpr std::array<int, 7> ZoomSteps = {100, 125, 150, 175, 200, 250, 300};
constexpr int DefaultZoom = 100;
inline const QString ZoomKey = QStringLiteral("Zoom");

// `stored` when it is one of the steps, else the default.
int validZoom(std::optional<int> stored);
// The scale the whole interface starts with: the zoom times the desktop's own
// factor (the value QT_SCALE_FACTOR held before; empty, unreadable or not
// positive counts as 1).
double interfaceScale(int zoomPercent, const QByteArray& desktopFactor);

class Preferences {
public:
    // `documentsFolder`: where the file dialogs start before a folder was
    // used; the user's documents folder unless a test names another.
    explicit Preferences(SettingsStore& store, QString documentsFolder = userDocumentsFolder());

    // The user's documents folder (XDG), or the home folder without one.
    static QString userDocumentsFolder();

    // The folder a file dialog for this kind of file opens in: the last one
    // used for it while it still exists, else the documents folder.
    QString startFolder(FileKind kind) const;
    // A file of this kind was chosen (absolute path): its folder is the next start.
    void rememberFile(FileKind kind, const QString& filePath);

    int zoom() const;
    void setZoom(int percent);
    // False until a zoom was kept (a bad value kept counts as kept); true
    // also when the store cannot be opened, as nothing could be kept there.
    bool zoomStored() const;

    // The last weight file loaded or saved (empty: none).
    QString lastWeightFile() const;
    void setLastWeightFile(const QString& filePath);

    // A whole number kept under `key`, within [low, high], else `fallback`.
    int number(const QString& key, int fallback, int low, int high) const;
    // A short text kept under `key`: at most `maxLength` characters, else empty.
    QString text(const QString& key, int maxLength) const;
    // Writes several values at once.
    void write(const std::vector<std::pair<QString, QVariant>>& values);

private:
    SettingsStore& store_;
    QString documents_;
};

} // namespace tolvane
