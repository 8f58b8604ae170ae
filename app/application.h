#pragma once

#include <QApplication>
#include <QString>

#include <exception>

namespace app {

// The application object: the event loop with its guard, the error box, the application title
// and the program icon, and the end of the loop on request.
class Application : public QApplication
{
public:
    // `argv` holds the program name alone: Qt must not act on the player's command line.
    Application(int& argc, char** argv);

    const QString& title() const { return programTitle; }

    // The guard around every event: a failure that escapes a handler is reported in the error
    // box and the loop goes on with the next event.
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the failure's message in the error box; returns once the player has closed it.
    void reportFailure(const std::exception& failure) const;

    // Ends every running event loop, error boxes included, and keeps the main loop from
    // starting if it has not started yet. Used for a logoff, a shutdown or a termination signal.
    void requestEnd();
    bool endRequested() const { return endWasRequested; }

private:
    QString programTitle;
    bool endWasRequested = false;
};

} // namespace app
