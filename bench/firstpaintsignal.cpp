#include "firstpaintsignal.h"

#include "monotonicclock.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace bench {

void signalFirstPaint()
{
    const long long paintedAt = monotonicNanoseconds();
    const long long cpuUsed = processCpuNanoseconds();
    const char* fd = std::getenv("ZODDLE_FIRST_PAINT_FD");
    if (fd == nullptr)
        return;
    const std::string line
        = "paint " + std::to_string(paintedAt) + " " + std::to_string(cpuUsed) + "\n";
    // One write of a few bytes to a pipe is atomic; a failure only costs this run its figure.
    [[maybe_unused]] const ssize_t written = write(std::atoi(fd), line.data(), line.size());
}

} // namespace bench
