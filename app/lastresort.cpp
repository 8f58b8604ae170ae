#include "app/lastresort.h"

#include "app/applicationtitle.h"
#include "app/lastresorttext.h"

#include <QApplication>
#include <QMessageBox>

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
    return reinterpret_cast<std::uintptr_t>(frames[frame])
        - reinterpret_cast<std::uintptr_t>(program);
}

void showLastResortBox(const std::string& text)
{
    QMessageBox box(QMessageBox::Critical,
        QString::fromUtf8(
            LastResortCaption.data(), static_cast<qsizetype>(LastResortCaption.size())),
        QString::fromStdString(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

[[noreturn]] void lastResort()
{
    static std::atomic_flag entered;
    // A failure while the box itself is up ends the program without a second box.
    if (entered.test_and_set())
        std::_Exit(1);

    const FailureDescription failure = describeCurrentFailure();
    const std::string text = lastResortText(
        failure.kind, executablePath(programName), placeOfFailure(), failure.message);
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        showLastResortBox(text);
    } else {
        std::fputs(text.c_str(), stderr);
        std::fflush(stderr);
    }
    // Nothing more runs: the program's state is not to be trusted after such a failure.
    std::_Exit(1);
}

} // namespace

void installLastResortHandler(const char* name)
{
    programName = name != nullptr ? name : "";
    // The first backtrace loads the unwinder; better now than after memory has run out.
    void* frame = nullptr;
    backtrace(&frame, 1);
    std::set_terminate(lastResort);
}

} // namespace app
