#include "app/application.h"

#include "app/applicationtitle.h"
#include "app/errorbox.h"

#include <QIcon>
#include <QSessionManager>

namespace app {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
    , programTitle(QString::fromStdString(applicationTitle(executablePath(argv[0]))))
{
    // MAINICON alone: the larger rendering serves the installed menu entry, and decoding it
    // here would cost the start-up more than reading all five pictures.
    setWindowIcon(QIcon(QStringLiteral(":/zoddle/mainicon.ico")));
    setDesktopFileName(QStringLiteral("org.zoddle.Zoddle"));
    // A logoff asks nothing: the game has nothing to save.
    connect(this, &QGuiApplication::commitDataRequest, this, [this] { requestEnd(); });
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        reportFailure(failure);
        // The failure ended the event's handling where it arose; nobody else is to handle it.
        return true;
    }
}

void Application::reportFailure(const std::exception& failure) const
{
    showErrorBox(programTitle, failure.what());
}

void Application::requestEnd()
{
    endWasRequested = true;
    // exit() rather than quit(): quit() ignores a request made before the main loop runs,
    // while an error box of the start-up is open.
    exit(0);
}

} // namespace app
