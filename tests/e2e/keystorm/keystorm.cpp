// Plays a storm of real key events into the X server as fast as it takes them, then prints
// what the game window should show once it has handled them all:
//
//   keystorm COUNT [WINDOW]
//
// prints "caption=...", "picture=N" (0 for the start picture) and "position=N", one a line.
// With WINDOW (an X window id), the focus is given to that window first.
#include "stormplan.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <array>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

using keystorm::StormKey;

namespace {

KeySym keySym(StormKey key)
{
    switch (key) {
    case StormKey::Shift:
        return XK_Shift_L;
    case StormKey::Ctrl:
        return XK_Control_L;
    case StormKey::Letter:
        return XK_a;
    case StormKey::F5:
        return XK_F5;
    }
    return NoSymbol;
}

// Held keys must not repeat on their own: a repetition would be a key move the plan does not
// know.
void setAutoRepeat(Display* display, const std::array<KeyCode, 4>& codes, int mode)
{
    for (const KeyCode code : codes) {
        XKeyboardControl control {};
        control.key = code;
        control.auto_repeat_mode = mode;
        XChangeKeyboardControl(display, KBKey | KBAutoRepeatMode, &control);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: keystorm COUNT [WINDOW]\n";
        return 2;
    }
    try {
        const auto moves = keystorm::stormPlan(std::atoi(argv[1]));
        const keystorm::StormOutcome outcome = keystorm::predictOutcome(moves);

        Display* display = XOpenDisplay(nullptr);
        if (display == nullptr) {
            std::cerr << "keystorm: cannot open the display\n";
            return 1;
        }
        int eventBase = 0;
        int errorBase = 0;
        int major = 0;
        int minor = 0;
        if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
            std::cerr << "keystorm: the X server has no XTEST extension\n";
            return 1;
        }
        std::array<KeyCode, 4> codes {};
        for (const StormKey key : {StormKey::Shift, StormKey::Ctrl, StormKey::Letter, StormKey::F5})
            codes[static_cast<std::size_t>(key)] = XKeysymToKeycode(display, keySym(key));
        if (argc == 3) {
            XSetInputFocus(display, std::strtoul(argv[2], nullptr, 0), RevertToParent, CurrentTime);
        }
        setAutoRepeat(display, codes, AutoRepeatModeOff);
        for (const keystorm::KeyMove& move : moves) {
            XTestFakeKeyEvent(
                display, codes[static_cast<std::size_t>(move.key)], move.down, CurrentTime);
        }
        // Every move is in the server's hands once it answers.
        XSync(display, False);
        setAutoRepeat(display, codes, AutoRepeatModeDefault);
        XCloseDisplay(display);

        std::cout << "caption=" << outcome.caption << "\npicture=" << outcome.picture
                  << "\nposition=" << outcome.position << '\n';
    } catch (const std::exception& error) {
        std::cerr << "keystorm: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
