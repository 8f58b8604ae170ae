#include "bout/boutrules.h"
#include "trivialview.h"

#include <benchmark/benchmark.h>

using namespace bout;

namespace {

constexpr KeyCode KeyShift = 16;
constexpr KeyCode KeyCtrl = 17;
constexpr KeyCode KeyA = 65;

// Ctrl goes down (or repeats) while player 1 is ready and Shift is held: one point.
void ScoringKeyDown(benchmark::State& state)
{
    TrivialView view;
    BoutRules rules(view);
    rules.FormKeyDown(KeyShift, ShiftHeld);
    for (auto _ : state) {
        rules.FormKeyDown(KeyCtrl, ShiftHeld | CtrlHeld);
        benchmark::DoNotOptimize(view.position);
    }
}
BENCHMARK(ScoringKeyDown);

// A key goes down (or repeats) with exactly Shift held: player 1 is ready again.
void ReadyKeyDown(benchmark::State& state)
{
    TrivialView view;
    BoutRules rules(view);
    for (auto _ : state) {
        rules.FormKeyDown(KeyShift, ShiftHeld);
        benchmark::DoNotOptimize(view.picture);
    }
}
BENCHMARK(ReadyKeyDown);

// A key goes up with no modifier held: both players idle.
void IdleKeyUp(benchmark::State& state)
{
    TrivialView view;
    BoutRules rules(view);
    for (auto _ : state) {
        rules.FormKeyUp(KeyA, 0);
        benchmark::DoNotOptimize(view.picture);
    }
}
BENCHMARK(IdleKeyUp);

} // namespace
