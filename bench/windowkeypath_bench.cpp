// The window's whole key path on the offscreen platform: the native window hands the key to the
// application's event filters, the key router works out the modifier byte, the rules act, and
// the window updates its view, slider and caption. With the argument 1, each key event is also
// followed by the repaint it asked for.
#include "benchwindow.h"
#include "keyinjector.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <functional>
#include <iterator>

namespace {

void handleRepaintIfAsked(const benchmark::State& state)
{
    if (state.range(0) == 1)
        settle();
}

// A held Shift repeats: player 1 is ready again and picture 2 is put on view again.
void ReadyKeyDown(benchmark::State& state)
{
    const auto window = makeShownGameWindow();
    KeyInjector keys(*window);
    keys.press(ShiftKey);
    for (auto _ : state) {
        keys.repeat(ShiftKey);
        handleRepaintIfAsked(state);
    }
    keys.release(ShiftKey);
}
BENCHMARK(ReadyKeyDown)->Arg(0)->Arg(1);

// A letter goes up with nothing held: both players idle, picture 1 on view.
void IdleKeyUp(benchmark::State& state)
{
    const auto window = makeShownGameWindow();
    KeyInjector keys(*window);
    for (auto _ : state) {
        keys.release(LetterKey);
        handleRepaintIfAsked(state);
    }
}
BENCHMARK(IdleKeyUp)->Arg(0)->Arg(1);

// With both players ready and Shift and Ctrl held, a held letter repeats: each repetition is a
// point for each player, so the slider moves up a step and back and pictures 5 and 4 are shown.
void ScoringKeyDown(benchmark::State& state)
{
    const auto window = makeShownGameWindow();
    KeyInjector keys(*window);
    keys.press(ShiftKey);
    keys.press(CtrlKey);
    keys.release(ShiftKey);
    keys.repeat(CtrlKey);
    keys.press(ShiftKey);
    keys.press(LetterKey);
    for (auto _ : state) {
        keys.repeat(LetterKey);
        handleRepaintIfAsked(state);
    }
    keys.release(LetterKey);
    keys.release(CtrlKey);
    keys.release(ShiftKey);
}
BENCHMARK(ScoringKeyDown)->Arg(0)->Arg(1);

// A whole point and a reset, six key events that each change what the player sees, one per
// iteration in turn: Shift down (ready), Ctrl down (a point), Ctrl up, Shift up (idle), F5 down
// (reset), F5 up.
void PointAndReset(benchmark::State& state)
{
    const auto window = makeShownGameWindow();
    KeyInjector keys(*window);
    const std::function<void()> round[] = {
        [&keys] { keys.press(ShiftKey); },
        [&keys] { keys.press(CtrlKey); },
        [&keys] { keys.release(CtrlKey); },
        [&keys] { keys.release(ShiftKey); },
        [&keys] { keys.press(F5Key); },
        [&keys] { keys.release(F5Key); },
    };
    std::size_t next = 0;
    for (auto _ : state) {
        round[next]();
        next = (next + 1) % std::size(round);
        handleRepaintIfAsked(state);
    }
}
BENCHMARK(PointAndReset)->Arg(0)->Arg(1);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
