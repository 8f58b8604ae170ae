#pragma once

#include "bout/boutrules.h"

#include <string>
#include <vector>

namespace keystorm {

// The keys a storm plays with, as physical keys a player could hold.
enum class StormKey { Shift, Ctrl, Letter, F5 };

struct KeyMove
{
    StormKey key;
    bool down;
};

// What the window should show once every move has been handled.
struct StormOutcome
{
    std::string caption;
    int picture = 0; // 0: the start picture is still on view
    int position = bout::MiddleScorePosition;
};

// A fixed, repeatable mix of `count` key moves (even, at least 2): players getting ready, scoring,
// letting go and pressing F5, every key released again by the end.
std::vector<KeyMove> stormPlan(int count);

// Runs the moves through the rules the way the window delivers them, from a freshly made
// window: the modifier byte counts the keys held with each move's own key counted.
StormOutcome predictOutcome(const std::vector<KeyMove>& moves);

} // namespace keystorm
