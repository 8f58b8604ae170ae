#include "window/modifiertracker.h"

#include <gtest/gtest.h>

#include <vector>

using window::ModifierTracker;
using window::PhysicalKey;

namespace {

constexpr PhysicalKey leftShift {50, 16};
constexpr PhysicalKey rightShift {62, 16};
constexpr PhysicalKey leftCtrl {37, 17};
constexpr PhysicalKey rightCtrl {105, 17};
constexpr PhysicalKey leftAlt {64, 18};
constexpr PhysicalKey letterA {38, 65};
// What the toolkit reports where it has no scan codes.
constexpr PhysicalKey someShift {0, 16};
constexpr PhysicalKey someLetter {0, 65};

struct Step
{
    bool down;
    PhysicalKey key;
    bout::TShiftState expected;
};

struct SequenceCase
{
    const char* name;
    std::vector<Step> steps;
};

Step down(PhysicalKey key, bout::TShiftState expected)
{
    return {true, key, expected};
}
Step up(PhysicalKey key, bout::TShiftState expected)
{
    return {false, key, expected};
}

// Each event's byte counts the event's own key: down counts it, the last up no longer does.
TEST(ModifierTracker, ByteFollowsTheKeysHeld)
{
    const SequenceCase cases[] = {
        {"shift alone", {down(leftShift, 1), down(letterA, 1), up(letterA, 1), up(leftShift, 0)}},
        {"road of one point",
            {down(leftShift, 1), down(leftCtrl, 5), up(leftShift, 4), up(leftCtrl, 0)}},
        {"both shift keys, the first released",
            {down(leftShift, 1), down(rightShift, 1), up(leftShift, 1), down(leftCtrl, 5),
                down(letterA, 5), up(rightShift, 4), up(leftCtrl, 0)}},
        {"both ctrl keys, the second released",
            {down(leftCtrl, 4), down(rightCtrl, 4), up(rightCtrl, 4), up(leftCtrl, 0)}},
        {"alt after shift",
            {down(leftShift, 1), down(leftAlt, 3), down(letterA, 3), up(letterA, 3), up(leftAlt, 1),
                up(leftShift, 0)}},
        {"repeats of a held shift",
            {down(leftShift, 1), down(leftShift, 1), down(leftShift, 1), up(leftShift, 0)}},
        {"a letter released with nothing held", {down(letterA, 0), up(letterA, 0)}},
        {"without scan codes", {down(someShift, 1), down(someLetter, 1), up(someShift, 0)}},
    };
    for (const SequenceCase& c : cases) {
        SCOPED_TRACE(c.name);
        ModifierTracker tracker;
        int index = 0;
        for (const Step& step : c.steps) {
            SCOPED_TRACE(testing::Message() << "step " << index++);
            const bout::TShiftState shift
                = step.down ? tracker.keyDown(step.key) : tracker.keyUp(step.key);
            EXPECT_EQ(shift, step.expected);
        }
    }
}

// Keys released while another window had the keyboard gave no key-up.
TEST(ModifierTracker, ResyncForgetsModifiersReleasedElsewhere)
{
    ModifierTracker tracker;
    tracker.keyDown(leftShift);
    tracker.keyDown(leftCtrl);
    tracker.resync(bout::CtrlHeld);
    EXPECT_EQ(tracker.held(), bout::CtrlHeld);
    EXPECT_EQ(tracker.keyUp(leftCtrl), 0);
}

// Keys pressed while another window had the keyboard gave no key-down; the key-up of the actual
// key ends them although its scan code was never seen.
TEST(ModifierTracker, ResyncTakesOverModifiersPressedElsewhere)
{
    ModifierTracker tracker;
    tracker.resync(bout::ShiftHeld | bout::AltHeld);
    EXPECT_EQ(tracker.keyDown(letterA), bout::ShiftHeld | bout::AltHeld);
    EXPECT_EQ(tracker.keyUp(rightShift), bout::AltHeld);
    EXPECT_EQ(tracker.keyUp(leftAlt), 0);
}

// A resync that finds a modifier still held keeps each of its keys apart.
TEST(ModifierTracker, ResyncKeepsKeysStillHeld)
{
    ModifierTracker tracker;
    tracker.keyDown(leftShift);
    tracker.keyDown(rightShift);
    tracker.resync(bout::ShiftHeld);
    EXPECT_EQ(tracker.keyUp(leftShift), bout::ShiftHeld);
    EXPECT_EQ(tracker.keyUp(rightShift), 0);
}

} // namespace
