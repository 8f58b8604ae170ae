#pragma once

#include <string>
#include <string_view>

namespace app {

// The title the program goes by in its error box and task-list entry, made from the
// executable's path (UTF-8): the file name up to its first ".", every character after the
// first in lower case, at most 255 characters. "MyGame.EXE" gives "Mygame".
std::string applicationTitle(std::string_view executablePath);

// The executable's path as the system knows it, see the definition for where it comes from.
// `programName` stands in when the system cannot tell.
std::string executablePath(std::string_view programName);

} // namespace app
