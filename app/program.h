#pragma once

#include <functional>
#include <memory>

class TForm1;

namespace app {

using WindowMaker = std::function<std::unique_ptr<TForm1>()>;

// The program's life from start-up to the end: brings up the application object, makes the
// game window and runs its creation handler under the creation guard, runs the event loop until
// the window closes or the end is requested, destroys the window before the application object.
// Returns the exit status. `programName` is the name the program was started under (it may be
// null); the rest of the command line is ignored.
int runGame(const char* programName);

// The same with a window made by `makeWindow` in place of the game's own.
int runGame(const char* programName, const WindowMaker& makeWindow);

} // namespace app
