#pragma once

namespace app {

// Makes the last-resort handler catch every failure that escapes both guards: it shows the
// task-modal box titled "ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ" (or, while no application object exists to show one,
// prints the same text to standard error) and ends the program with exit status 1.
// Such a failure must be left uncaught: the handler then still finds the stack as it stood
// where the failure arose.
// `programName` (may be null) stands in for the executable's path where the system cannot tell it.
void installLastResortHandler(const char* programName);

} // namespace app
