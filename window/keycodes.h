#pragma once

#include "bout/boutrules.h"

#include <cstdint>

namespace window {

// Windows-style virtual-key codes the window itself relies on.
inline constexpr bout::KeyCode KeyTab = 9;
inline constexpr bout::KeyCode KeyShift = 16;
inline constexpr bout::KeyCode KeyControl = 17;
inline constexpr bout::KeyCode KeyAlt = 18;
// Windows' code for a key it has no code of its own for.
inline constexpr bout::KeyCode KeyUnknown = 0xFF;

// The virtual-key code of the physical key that moved, whatever modifiers are held. The X
// keycode (evdev numbering, as X servers and Wayland compositors report it) names the physical
// key; where the platform gives none (0), the toolkit's key value stands in.
bout::KeyCode virtualKeyCode(std::uint32_t nativeScanCode, int qtKey);

} // namespace window
