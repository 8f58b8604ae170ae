#include "window/modifiertracker.h"

#include "window/keycodes.h"

#include <algorithm>

namespace window {

namespace {

using bout::TShiftState;

TShiftState modifierBit(bout::KeyCode virtualKey)
{
    switch (virtualKey) {
    case KeyShift:
        return bout::ShiftHeld;
    case KeyControl:
        return bout::CtrlHeld;
    case KeyAlt:
        return bout::AltHeld;
    default:
        return 0;
    }
}

bout::KeyCode modifierKey(TShiftState bit)
{
    switch (bit) {
    case bout::ShiftHeld:
        return KeyShift;
    case bout::CtrlHeld:
        return KeyControl;
    default:
        return KeyAlt;
    }
}

bool sameKey(PhysicalKey a, PhysicalKey b)
{
    return a.scanCode == b.scanCode && a.virtualKey == b.virtualKey;
}

} // namespace

TShiftState ModifierTracker::keyDown(PhysicalKey key)
{
    const bool alreadyHeld = std::any_of(heldKeys.begin(), heldKeys.end(),
        [key](PhysicalKey heldKey) { return sameKey(heldKey, key); });
    if (modifierBit(key.virtualKey) != 0 && !alreadyHeld)
        heldKeys.push_back(key);
    return held();
}

TShiftState ModifierTracker::keyUp(PhysicalKey key)
{
    // A modifier taken over by resync has no keycode; any key of that modifier going up ends it.
    std::erase_if(heldKeys, [key](PhysicalKey heldKey) {
        return heldKey.virtualKey == key.virtualKey
            && (heldKey.scanCode == key.scanCode || heldKey.scanCode == 0);
    });
    return held();
}

void ModifierTracker::resync(TShiftState heldNow)
{
    std::erase_if(heldKeys, [heldNow](PhysicalKey heldKey) {
        return (modifierBit(heldKey.virtualKey) & heldNow) == 0;
    });
    const TShiftState known = held();
    for (const TShiftState bit : {bout::ShiftHeld, bout::AltHeld, bout::CtrlHeld}) {
        if ((heldNow & bit) != 0 && (known & bit) == 0)
            heldKeys.push_back({0, modifierKey(bit)});
    }
}

TShiftState ModifierTracker::held() const
{
    TShiftState shift = 0;
    for (const PhysicalKey heldKey : heldKeys)
        shift |= modifierBit(heldKey.virtualKey);
    return shift;
}

} // namespace window
