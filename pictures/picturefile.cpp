#include "pictures/picturefile.h"

#include "pictures/bmpreader.h"
#include "pictures/pictureerror.h"
#include "pictures/picturemessages.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <vector>

namespace pictures {

namespace {

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd)
        : fd(fd)
    { }
    ~FileDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd; }

private:
    int fd;
};

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

// Pictures copied from systems that ignore letter case arrive as "data1.bmp" or "DATA1.BMP".
std::optional<std::string> findIgnoringCase(const std::string& name)
{
    DIR* directory = ::opendir(".");
    if (!directory)
        return std::nullopt;
    std::vector<std::string> matches;
    while (const dirent* entry = ::readdir(directory)) {
        if (equalIgnoringAsciiCase(entry->d_name, name))
            matches.emplace_back(entry->d_name);
    }
    ::closedir(directory);
    if (matches.size() != 1)
        return std::nullopt;
    return matches.front();
}

int openReadOnly(const std::string& name)
{
    // Non-blocking so that a FIFO or a device under the name cannot hang the game at start.
    return ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
}

int openPictureFile(const std::string& name)
{
    const int fd = openReadOnly(name);
    if (fd >= 0 || errno != ENOENT || name.find('/') != std::string::npos)
        return fd;
    const auto other = findIgnoringCase(name);
    return other ? openReadOnly(*other) : -1;
}

bool readFully(int fd, std::span<std::uint8_t> into)
{
    while (!into.empty()) {
        const ssize_t got = ::read(fd, into.data(), into.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        into = into.subspan(static_cast<std::size_t>(got));
    }
    return true;
}

} // namespace

std::shared_ptr<const PictureData> readPictureFile(
    const std::string& name, const BlockAllocator& allocate)
{
    const FileDescriptor file(openPictureFile(name));
    struct stat status;
    // Only a regular file is a picture file; another program's exclusive lock keeps it from us.
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)
        || ::flock(file.get(), LOCK_EX | LOCK_NB) != 0)
        throw PictureError(cannotOpenFileMessage(name));

    const auto readNext = [&](std::span<std::uint8_t> into) { return readFully(file.get(), into); };
    return readBmp(static_cast<std::uint64_t>(status.st_size), readNext, allocate);
}

} // namespace pictures
