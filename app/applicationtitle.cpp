#include "app/applicationtitle.h"

#include <QString>

#include <filesystem>
#include <system_error>

namespace app {

namespace {

constexpr qsizetype MaxTitleLength = 255;

// The number of UTF-16 units that make up the first character, so a character outside the
// basic plane is never cut in two.
qsizetype firstCharacterLength(const QString& text)
{
    if (text.isEmpty())
        return 0;
    return text.front().isHighSurrogate() && text.size() > 1 ? 2 : 1;
}

} // namespace

std::string applicationTitle(std::string_view executablePath)
{
    // A '/' byte never occurs inside a multi-byte UTF-8 character, so the last one is the
    // last separator.
    const std::string_view fileName = executablePath.substr(executablePath.rfind('/') + 1);
    const std::string_view stem = fileName.substr(0, fileName.find('.'));

    QString title = QString::fromUtf8(stem.data(), static_cast<qsizetype>(stem.size()));
    const qsizetype first = firstCharacterLength(title);
    title = title.left(first) + title.mid(first).toLower();
    if (title.size() > MaxTitleLength) {
        const bool splitsPair = title.at(MaxTitleLength - 1).isHighSurrogate();
        title.truncate(splitsPair ? MaxTitleLength - 1 : MaxTitleLength);
    }
    return title.toStdString();
}

std::string executablePath(std::string_view programName)
{
    // The kernel's link to the running executable names the file itself, whatever the program
    // was called by: argv[0] is chosen by whoever starts the process and may be anything,
    // and a symbolic link in a menu folder resolves to the file it points to.
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::string(programName);
    return path.string();
}

} // namespace app
