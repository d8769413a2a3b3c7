#include "fuzzapp.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <cstdio>

namespace tolvane::fuzz {

Button AcceptingUi::showMessage(const Message& message)
{
    // Only the last few are kept: a long run must not grow without bound.
    if (messages.size() > 64)
        messages.clear();
    return ScriptedUi::showMessage(message);
}

bool AcceptingUi::editFoodItem(FoodItemForm& form)
{
    if (form.pressOk(*this))
        return true;
    form.pressCancel();
    return false;
}

namespace {
QCoreApplication& application()
{
    static int argc = 1;
    static char name[] = "tolvane-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}
} // namespace

FuzzApp::FuzzApp()
    : settings((application(), QStandardPaths::setTestModeEnabled(true), dir.filePath(QStringLiteral("Tolvane.conf")))),
      app(ui, settings, dir.path())
{
    if (!dir.isValid() || !app.program.formCreate().ok)
        std::abort();
    app.program.formActivate();
    forget();
}

void FuzzApp::write(const QString& name, const QByteArray& bytes) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

QByteArray FuzzApp::read(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void FuzzApp::choose(const QString& name)
{
    ui.openAnswers = {path(name)};
    ui.saveAnswers = {path(name)};
}

void FuzzApp::forget()
{
    ui.messages.clear();
    ui.answers.clear();
    ui.openAnswers.clear();
    ui.saveAnswers.clear();
    ui.progress.clear();
    ui.importProgress.clear();
    ui.foodItemShown.clear();
    ui.openRequests.clear();
    ui.saveRequests.clear();
}

FuzzApp& fuzzApp()
{
    static FuzzApp app;
    return app;
}

void roundTripFailed(const char* what)
{
    std::fprintf(stderr, "round trip changed the data: %s\n", what);
    std::abort();
}

} // namespace tolvane::fuzz
