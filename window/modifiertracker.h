#pragma once

#include "bout/boutrules.h"

#include <cstdint>
#include <vector>

namespace window {

// A key as the keyboard reports it: its X keycode (0 where the platform gives none) and its
// virtual-key code.
struct PhysicalKey
{
    std::uint32_t scanCode = 0;
    bout::KeyCode virtualKey = 0;
};

// Works out the modifier byte of each key event from the Shift, Ctrl and Alt keys held, each
// physical key on its own, with the event's own key counted. The toolkit's modifier flags
// cannot serve: on X11 they lose Shift when one of two held Shift keys goes up, and Alt
// pressed after Shift arrives without the Alt flag.
class ModifierTracker
{
public:
    bout::TShiftState keyDown(PhysicalKey key);
    bout::TShiftState keyUp(PhysicalKey key);

    // Keys can go up or down while another window is active, unseen by us. Takes the modifiers
    // that the keyboard holds now: the others are forgotten, and one held without our having
    // seen its key go down counts until a key of that modifier goes up.
    void resync(bout::TShiftState heldNow);

    bout::TShiftState held() const;

private:
    std::vector<PhysicalKey> heldKeys;
};

} // namespace window
