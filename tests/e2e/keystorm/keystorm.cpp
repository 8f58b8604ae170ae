// Plays a storm of real key events into the X server, then prints what the game window should
// show once it has handled them all:
//
//   keystorm COUNT [--window ID] [--catch-up PID]
//
// prints "caption=...", "picture=N" (0 for the start picture) and "position=N", one a line.
// --window gives the focus to that X window first. --catch-up plays the storm in bursts of
// 1,000 moves, each as fast as the server takes it, and lets the process PID handle each burst,
// the last one included, before going on: a program that falls behind an unbroken storm holds
// the whole backlog of events in memory until it has caught up, and keeps that memory after.
#include "processidle.h"
#include "stormplan.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>

using keystorm::StormKey;

namespace {

constexpr std::size_t BurstMoves = 1000;

struct Options
{
    int count = 0;
    std::optional<Window> window;
    std::optional<pid_t> catchUp;
};

Options parseOptions(int argc, char* argv[])
{
    if (argc < 2)
        throw std::invalid_argument("usage: keystorm COUNT [--window ID] [--catch-up PID]");
    Options options;
    options.count = std::stoi(argv[1]);
    for (int index = 2; index + 1 < argc; index += 2) {
        const std::string option = argv[index];
        if (option == "--window")
            options.window = std::stoul(argv[index + 1], nullptr, 0);
        else if (option == "--catch-up")
            options.catchUp = static_cast<pid_t>(std::stol(argv[index + 1]));
        else
            throw std::invalid_argument("unknown option " + option);
    }
    if (argc % 2 != 0)
        throw std::invalid_argument("an option is missing its value");
    return options;
}

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

void play(Display* display, const std::vector<keystorm::KeyMove>& moves, const Options& options)
{
    std::array<KeyCode, 4> codes {};
    for (const StormKey key : {StormKey::Shift, StormKey::Ctrl, StormKey::Letter, StormKey::F5})
        codes[static_cast<std::size_t>(key)] = XKeysymToKeycode(display, keySym(key));
    if (options.window)
        XSetInputFocus(display, *options.window, RevertToParent, CurrentTime);
    setAutoRepeat(display, codes, AutoRepeatModeOff);
    for (std::size_t played = 0; played < moves.size(); ++played) {
        const keystorm::KeyMove& move = moves[played];
        XTestFakeKeyEvent(
            display, codes[static_cast<std::size_t>(move.key)], move.down, CurrentTime);
        if (options.catchUp && ((played + 1) % BurstMoves == 0 || played + 1 == moves.size())) {
            XSync(display, False);
            using namespace std::chrono_literals;
            keystorm::waitUntilIdle(*options.catchUp, 100ms, 10s);
        }
    }
    // Every move is in the server's hands once it answers.
    XSync(display, False);
    setAutoRepeat(display, codes, AutoRepeatModeDefault);
    XSync(display, False);
}

} // namespace

int main(int argc, char* argv[])
{
    try {
        const Options options = parseOptions(argc, argv);
        const auto moves = keystorm::stormPlan(options.count);
        const keystorm::StormOutcome outcome = keystorm::predictOutcome(moves);

        Display* display = XOpenDisplay(nullptr);
        if (display == nullptr)
            throw std::runtime_error("cannot open the display");
        int eventBase = 0;
        int errorBase = 0;
        int major = 0;
        int minor = 0;
        if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor))
            throw std::runtime_error("the X server has no XTEST extension");
        play(display, moves, options);
        XCloseDisplay(display);

        std::cout << "caption=" << outcome.caption << "\npicture=" << outcome.picture
                  << "\nposition=" << outcome.position << '\n';
    } catch (const std::exception& error) {
        std::cerr << "keystorm: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
