#pragma once
// The whole program for a fuzz target: built once in a scratch working
// directory with a user who answers every question the first way (OK, Yes)
// and accepts every Add/Modify Food Item dialog as it opens. Each input is
// written to a file there and loaded the way the user's command loads it.

#include "app/app.h"
#include "scriptedui.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace tolvane::fuzz {

class AcceptingUi : public test::ScriptedUi {
public:
    Button showMessage(const Message& message) override;
    bool editFoodItem(FoodItemForm& form) override;
};

struct FuzzApp {
    FuzzApp();

    QTemporaryDir dir;
    AcceptingUi ui;
    SettingsStore settings;
    App app;

    QString path(const QString& name) const { return dir.filePath(name); }
    // Puts the input into a file of the working directory.
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    // The user picks `name` in the next file dialog.
    void choose(const QString& name);
    // Forgets what the user was shown and asked.
    void forget();
};

FuzzApp& fuzzApp();

inline QByteArray input(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A round trip that changed what it must keep: crash so libFuzzer keeps the input.
[[noreturn]] void roundTripFailed(const char* what);

} // namespace tolvane::fuzz
