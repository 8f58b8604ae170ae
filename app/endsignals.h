#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace app {

// Turns SIGTERM and SIGHUP, the signals of a shutdown or a logoff, into a call of `onEnd` made
// from the event loop: the signal handler itself only writes a byte into a pipe.
class EndSignals : public QObject
{
public:
    explicit EndSignals(std::function<void()> onEnd, QObject* parent = nullptr);
    ~EndSignals() override;

    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

private:
    void takeSignal();

    std::function<void()> onEnd;
    QSocketNotifier* notifier = nullptr;
};

} // namespace app
