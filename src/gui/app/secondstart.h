#pragma once
// One window per data folder: the running program listens on a local socket
// named for its folder, and a second start on that folder asks it there to
// bring its main window to the front instead of opening another.

#include <QObject>
#include <QString>

class QLocalServer;
class QWidget;

namespace tolvane {

// The socket of the program running on `folder`: in the user's runtime
// folder, named by a hash of the folder's canonical path.
QString runningProgramSocket(const QString& folder);

// Asks the program running on `folder` to raise and activate its main
// window; false when it cannot be reached or does not answer in time.
bool askRunningProgramToShow(const QString& folder, int timeoutMs = 3000);

// Listens for later starts on `folder` (whose lock this run holds, so a
// socket left there by a killed run is stale and removed) and brings
// `window` to the front when one asks.
class SecondStartListener : public QObject {
    Q_OBJECT
public:
    SecondStartListener(const QString& folder, QWidget* window);
    bool listening() const;

private:
    void answer();

    QLocalServer* server_;
    QWidget* window_;
};

} // namespace tolvane
