#pragma once

namespace window {

// Makes a held key repeat as further key presses with no release in between, where the platform
// is X11; elsewhere does nothing.
void enableDetectableAutoRepeat();

} // namespace window
