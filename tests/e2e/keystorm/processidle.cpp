#include "processidle.h"

#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace keystorm {

namespace {

// User and system CPU time used so far, in clock ticks; -1 once the process is gone.
long long cpuTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    if (!std::getline(stat, text))
        return -1;
    // The command name may hold spaces and parentheses; the fields after it are plain numbers,
    // the third of them being field 3 of the file.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long long ticks = 0;
    for (int index = 3; index <= 15 && fields >> field; ++index) {
        if (index >= 14)
            ticks += std::stoll(field);
    }
    return ticks;
}

} // namespace

bool waitUntilIdle(pid_t pid, std::chrono::milliseconds quiet, std::chrono::milliseconds limit)
{
    constexpr std::chrono::milliseconds Sample {20};
    const auto deadline = std::chrono::steady_clock::now() + limit;
    long long last = cpuTicks(pid);
    auto quietSince = std::chrono::steady_clock::now();
    while (last >= 0) {
        std::this_thread::sleep_for(Sample);
        const auto now = std::chrono::steady_clock::now();
        const long long ticks = cpuTicks(pid);
        if (ticks != last)
            quietSince = now;
        else if (now - quietSince >= quiet)
            return true;
        if (now >= deadline)
            return false;
        last = ticks;
    }
    return true;
}

} // namespace keystorm
