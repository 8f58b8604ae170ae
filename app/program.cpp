#include "app/program.h"

#include "app/application.h"
#include "app/closekey.h"
#include "app/endsignals.h"
#include "window/main1.h"

#include <QByteArray>

#include <exception>
#include <string>

namespace app {

namespace {

constexpr const char* DefaultProgramName = "zoddle";

void runCreationHandler(const Application& application, TForm1& window)
{
    try {
        window.FormCreate(&window);
    } catch (const std::exception& failure) {
        // The handler stopped where it failed; the window is made all the same.
        application.reportFailure(failure);
    }
}

} // namespace

int runGame(const char* programName)
{
    return runGame(programName, [] { return std::make_unique<TForm1>(); });
}

int runGame(const char* programName, const WindowMaker& makeWindow)
{
    // The window scales its layout to the screen's density itself; Qt must not scale it again.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");

    // Qt would act on options such as -style or -platform, so it sees the program name alone.
    std::string name = programName != nullptr ? programName : DefaultProgramName;
    int argc = 1;
    char* argv[] = {name.data(), nullptr};
    Application application(argc, argv);
    Application::setStyle(QStringLiteral("Fusion"));
    EndSignals endSignals([&application] { application.requestEnd(); });

    // A failure while the window is made goes on to the last-resort handler.
    std::unique_ptr<TForm1> window = makeWindow();
    new CloseKey(*window);
    Form1 = window.get();
    runCreationHandler(application, *window);

    int status = 0;
    if (!application.endRequested()) {
        window->show();
        status = Application::exec();
    }

    // The window and its controls go before the application object.
    Form1 = nullptr;
    window.reset();
    return status;
}

} // namespace app
