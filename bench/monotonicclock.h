#pragma once

#include <ctime>

namespace bench {

inline long long nanoseconds(clockid_t clock)
{
    timespec now {};
    clock_gettime(clock, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// The clock that the driver and the programs it starts share: comparable across processes.
inline long long monotonicNanoseconds()
{
    return nanoseconds(CLOCK_MONOTONIC);
}

// The CPU time this process has used so far, all its threads together: unlike the time on the
// wall, it hardly depends on what else the machine is doing.
inline long long processCpuNanoseconds()
{
    return nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
}

} // namespace bench
