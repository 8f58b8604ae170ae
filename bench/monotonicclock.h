#pragma once

#include <ctime>

namespace bench {

// The clock that the driver and the programs it starts share: comparable across processes.
inline long long monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

} // namespace bench
