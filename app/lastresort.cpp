#include "app/lastresort.h"

#include "app/applicationtitle.h"
#include "app/errorbox.h"
#include "app/lastresorttext.h"

#include <QApplication>

#include <cxxabi.h>
#include <dlfcn.h>
#include <execinfo.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <typeinfo>

namespace app {

namespace {

struct FailureDescription
{
    std::string kind;
    std::string message;
};

std::string programName;

std::string demangled(const char* name)
{
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> text(
        abi::__cxa_demangle(name, nullptr, nullptr, &status), &std::free);
    return status == 0 && text ? std::string(text.get()) : std::string(name);
}

FailureDescription describeCurrentFailure()
{
    const std::type_info* type = abi::__cxa_current_exception_type();
    if (type == nullptr)
        return {"std::terminate", {}};
    FailureDescription failure {demangled(type->name()), {}};
    try {
        throw;
    } catch (const std::exception& exception) {
        failure.message = exception.what();
    } catch (...) { }
    return failure;
}

const void* moduleBase(const void* address)
{
    Dl_info info {};
    return dladdr(address, &info) != 0 ? info.dli_fbase : nullptr;
}

// The place where the failure arose, as an offset into the executable (so that `addr2line -e`
// names it): the innermost return address in the program beyond the run-time's own frames,
// which for a failure that found no handler still lie on the stack above this handler. For a
// failure thrown inside a library, it is the place in the program that called the library.
std::uintptr_t placeOfFailure()
{
    constexpr int MaxFrames = 128;
    void* frames[MaxFrames];
    const int count = backtrace(frames, MaxFrames);
    const void* program = moduleBase(reinterpret_cast<const void*>(&installLastResortHandler));
    const auto inProgram
        = [program](const void* address) { return moduleBase(address) == program; };

    int frame = 0;
    while (frame < count && inProgram(frames[frame]))
        ++frame;
    while (frame < count && !inProgram(frames[frame]))
        ++frame;
    if (frame == count || program == nullptr)
        return 0;
    // A return address points past its call, maybe past the end of a function that never
    // returns; one byte back lies within the call.
    return reinterpret_cast<std::uintptr_t>(frames[frame]) - 1
        - reinterpret_cast<std::uintptr_t>(program);
}

void showLastResortBox(const std::string& text)
{
    ErrorBox box(QString::fromUtf8(LastResortCaption.data(), qsizetype(LastResortCaption.size())),
        QString::fromStdString(text));
    box.exec();
}

// A box needs an application object that has finished coming up, display connection and all.
bool canShowBoxes()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr
        && !QCoreApplication::startingUp() && !QCoreApplication::closingDown();
}

[[noreturn]] void endWithLastResort(const FailureDescription& failure)
{
    static std::atomic_flag entered;
    // A failure while the box itself is up ends the program without a second box.
    if (entered.test_and_set())
        std::_Exit(1);

    const std::string text = lastResortText(
        failure.kind, executablePath(programName), placeOfFailure(), failure.message);
    if (canShowBoxes()) {
        showLastResortBox(text);
    } else {
        std::fputs(text.c_str(), stderr);
        std::fflush(stderr);
    }
    // Nothing more runs: the program's state is not to be trusted after such a failure.
    std::_Exit(1);
}

[[noreturn]] void lastResortForFailure()
{
    endWithLastResort(describeCurrentFailure());
}

QtMessageHandler qtMessageHandler = nullptr;

// Qt's fatal errors, such as finding no display to connect to, are failures outside both guards
// too; its other messages go where they went before.
void handleQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg)
        endWithLastResort({"qFatal", message.trimmed().toStdString()});
    qtMessageHandler(type, context, message);
}

} // namespace

void installLastResortHandler(const char* name)
{
    programName = name != nullptr ? name : "";
    // The first backtrace loads the unwinder; better now than after memory has run out.
    void* frame = nullptr;
    backtrace(&frame, 1);
    std::set_terminate(lastResortForFailure);
    qtMessageHandler = qInstallMessageHandler(handleQtMessage);
}

} // namespace app
