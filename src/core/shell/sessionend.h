#pragma once
// The end of a session under the program: a logout or shutdown (SIGTERM, or
// SIGHUP from a closed terminal) and Ctrl+C (SIGINT). The signal handler only
// writes the signal's number into a pipe; the event loop reads it and calls
// back, so the program saves through its ordinary save path, outside the
// handler. One instance at a time; its end gives the signals back to the
// system's default.

#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace tolvane {

class TerminationSignals {
public:
    explicit TerminationSignals(std::function<void(int signal)> received);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // False when the pipe or a handler could not be set up.
    bool installed() const { return installed_; }

private:
    std::function<void(int)> received_;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool installed_ = false;
};

// The status a program ends with after such a signal, as a shell reports it.
constexpr int statusAfterSignal(int signal) { return 128 + signal; }

} // namespace tolvane
