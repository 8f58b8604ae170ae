#pragma once

// Bench builds only. The start-up driver passes a pipe in ZODDLE_FIRST_PAINT_FD; once the
// program's first frame is known to have reached the X server, it writes the monotonic clock
// there, and the CPU time the process has used. Without the variable this does nothing.
namespace bench {

void signalFirstPaint();

} // namespace bench
