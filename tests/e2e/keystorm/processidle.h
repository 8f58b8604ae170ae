#pragma once

#include <chrono>
#include <sys/types.h>

namespace keystorm {

// Waits until the process has used no CPU time for `quiet`, or until `limit` has passed.
// Returns whether it went quiet. A process that has ended counts as quiet.
bool waitUntilIdle(pid_t pid, std::chrono::milliseconds quiet, std::chrono::milliseconds limit);

} // namespace keystorm
