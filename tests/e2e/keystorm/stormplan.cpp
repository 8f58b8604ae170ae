#include "stormplan.h"

#include "bout/boutview.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

namespace keystorm {

namespace {

constexpr std::array<StormKey, 4> AllKeys {
    StormKey::Shift, StormKey::Ctrl, StormKey::Letter, StormKey::F5};

// The window's side of the contract: positions are kept within the slider's range.
class WindowModel : public bout::BoutView
{
public:
    StormOutcome shown {std::string(bout::TitleCaption)};

    void ShowPicture(int number) override { shown.picture = number; }
    int GetScorePosition() const override { return shown.position; }
    void SetScorePosition(int position) override
    {
        shown.position
            = std::clamp(position, bout::LowestScorePosition, bout::HighestScorePosition);
    }
    void SetCaptionText(const std::string& text) override { shown.caption = text; }
};

// A small generator of our own, so that the plan is the same with every standard library. Its
// seed makes the 20,000-move storm end on a win announcement with the score off both ends.
class Lcg
{
public:
    unsigned next(unsigned bound)
    {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<unsigned>(state >> 33) % bound;
    }

private:
    std::uint64_t state = 9;
};

std::size_t indexOf(StormKey key)
{
    return static_cast<std::size_t>(key);
}

bout::KeyCode keyCode(StormKey key)
{
    switch (key) {
    case StormKey::Shift:
        return 16;
    case StormKey::Ctrl:
        return 17;
    case StormKey::Letter:
        return 65;
    case StormKey::F5:
        return bout::KeyF5;
    }
    throw std::logic_error("unknown storm key");
}

} // namespace

std::vector<KeyMove> stormPlan(int count)
{
    // Every press is matched by a release, so a whole storm has an even number of moves.
    if (count < 2 || count % 2 != 0)
        throw std::invalid_argument("a storm needs an even number of key moves, at least two");
    // How often each key is pressed when up, out of 100: F5 is rare, so the score wanders
    // far enough to reach both ends and announce wins.
    constexpr std::array<unsigned, 4> pressWeight {30, 30, 38, 2};
    std::array<bool, 4> held {};
    std::vector<KeyMove> moves;
    moves.reserve(static_cast<std::size_t>(count));
    Lcg random;
    const auto heldCount = [&held] { return std::count(held.begin(), held.end(), true); };
    while (static_cast<long>(moves.size()) + heldCount() < count) {
        const StormKey key = AllKeys[random.next(AllKeys.size())];
        bool& isHeld = held[indexOf(key)];
        // A held key is let go half the time it is picked; one that is up is pressed by weight.
        if (isHeld ? random.next(2) == 0 : random.next(100) >= pressWeight[indexOf(key)])
            continue;
        isHeld = !isHeld;
        moves.push_back({key, isHeld});
    }
    for (const StormKey key : AllKeys) {
        if (held[indexOf(key)])
            moves.push_back({key, false});
    }
    return moves;
}

StormOutcome predictOutcome(const std::vector<KeyMove>& moves)
{
    WindowModel window;
    bout::BoutRules rules(window);
    bool shiftHeld = false;
    bool ctrlHeld = false;
    for (const KeyMove& move : moves) {
        if (move.key == StormKey::Shift)
            shiftHeld = move.down;
        if (move.key == StormKey::Ctrl)
            ctrlHeld = move.down;
        const bout::TShiftState shift
            = (shiftHeld ? bout::ShiftHeld : 0) | (ctrlHeld ? bout::CtrlHeld : 0);
        if (move.down)
            rules.FormKeyDown(keyCode(move.key), shift);
        else
            rules.FormKeyUp(keyCode(move.key), shift);
    }
    return window.shown;
}

} // namespace keystorm
