#include "app/endsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <system_error>

#include <sys/socket.h>
#include <unistd.h>

namespace app {

namespace {

constexpr int EndingSignals[] = {SIGTERM, SIGHUP};

// [0] is written by the signal handler, [1] is read by the event loop.
int signalPipe[2] = {-1, -1};

extern "C" void writeSignalByte(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe already holds a byte that will end the program.
    [[maybe_unused]] const ssize_t written = write(signalPipe[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

EndSignals::EndSignals(std::function<void()> onEnd, QObject* parent)
    : QObject(parent)
    , onEnd(std::move(onEnd))
{
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalPipe) != 0)
        throw std::system_error(errno, std::generic_category(), "socketpair");
    notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &EndSignals::takeSignal);

    struct sigaction action
    {
    };
    action.sa_handler = writeSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : EndingSignals)
        sigaction(signal, &action, nullptr);
}

EndSignals::~EndSignals()
{
    for (const int signal : EndingSignals)
        std::signal(signal, SIG_DFL);
    delete notifier;
    close(signalPipe[0]);
    close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void EndSignals::takeSignal()
{
    char bytes[16];
    while (read(signalPipe[1], bytes, sizeof bytes) > 0) { }
    onEnd();
}

} // namespace app
