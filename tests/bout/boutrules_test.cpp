#include "bout/boutrules.h"
#include "recordingview.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

using namespace bout;
using Log = std::vector<std::string>;

namespace {

constexpr KeyCode KeyShift = 16;
constexpr KeyCode KeyCtrl = 17;
constexpr KeyCode KeyA = 65;
constexpr KeyCode KeyF1 = 112;

struct KeyEvent
{
    bool down;
    KeyCode key;
    TShiftState shift;
};

KeyEvent down(KeyCode key, TShiftState shift)
{
    return {true, key, shift};
}
KeyEvent up(KeyCode key, TShiftState shift)
{
    return {false, key, shift};
}

// Common openings, as the window would deliver them.
const std::vector<KeyEvent> nobodyReady {};
const std::vector<KeyEvent> player1Ready {down(KeyShift, 1)};
const std::vector<KeyEvent> player2Ready {down(KeyCtrl, 4)};
// Shift down; Ctrl down (player 1 scores); Shift up with Ctrl held; a repeat of Ctrl
// alone makes player 2 ready as well.
const std::vector<KeyEvent> bothReady {
    down(KeyShift, 1), down(KeyCtrl, 5), up(KeyShift, 4), down(KeyCtrl, 4)};

class BoutTest : public ::testing::Test
{
protected:
    RecordingView view;
    BoutRules rules {view};

    void send(const KeyEvent& event)
    {
        if (event.down)
            rules.FormKeyDown(event.key, event.shift);
        else
            rules.FormKeyUp(event.key, event.shift);
    }

    void play(const std::vector<KeyEvent>& events)
    {
        for (const auto& event : events)
            send(event);
    }

    // Plays the opening, puts the slider where the case wants it and forgets what happened
    // so far, so that the log holds only the effects of the events under test.
    void prepare(const std::vector<KeyEvent>& opening, int position)
    {
        play(opening);
        view.position = position;
        view.log.clear();
    }
};

struct EffectCase
{
    const char* name;
    std::vector<KeyEvent> opening;
    int position;
    KeyEvent event;
    Log effects;
    bool player1ReadyAfter;
    bool player2ReadyAfter;
    int positionAfter;
};

void PrintTo(const EffectCase& c, std::ostream* os)
{
    *os << c.name;
}

class BoutEffects : public BoutTest, public ::testing::WithParamInterface<EffectCase>
{
};

} // namespace

// Each event has exactly the effects of its row in the rules' table, in that order.
TEST_P(BoutEffects, EventHasExactlyItsEffects)
{
    const EffectCase& c = GetParam();
    prepare(c.opening, c.position);

    send(c.event);

    EXPECT_EQ(view.effects(), c.effects);
    EXPECT_EQ(rules.player1Ready(), c.player1ReadyAfter);
    EXPECT_EQ(rules.player2Ready(), c.player2ReadyAfter);
    EXPECT_EQ(view.position, c.positionAfter);
}

INSTANTIATE_TEST_SUITE_P(Rules, BoutEffects,
    ::testing::Values(EffectCase {"ShiftAloneMakesPlayer1Ready", nobodyReady, 5, down(KeyShift, 1),
                          {"picture 2"}, true, false, 5},
        EffectCase {"CtrlAloneMakesPlayer2Ready", nobodyReady, 5, down(KeyCtrl, 4), {"picture 3"},
            false, true, 5},
        EffectCase {"LetterWithShiftMakesPlayer1Ready", nobodyReady, 5, down(KeyA, 1),
            {"picture 2"}, true, false, 5},
        EffectCase {"ShiftCtrlWithNobodyReadyChangesNothing", nobodyReady, 5, down(KeyA, 5), {},
            false, false, 5},
        EffectCase {"CtrlAfterShiftScoresForPlayer1Only", player1Ready, 5, down(KeyCtrl, 5),
            {"picture 5", "position 6"}, true, false, 6},
        EffectCase {"ShiftAfterCtrlScoresForPlayer2Only", player2Ready, 5, down(KeyShift, 5),
            {"picture 4", "position 4"}, false, true, 4},
        EffectCase {"LetterWithShiftCtrlScores", player1Ready, 5, down(KeyA, 5),
            {"picture 5", "position 6"}, true, false, 6},
        EffectCase {"Player1PointAtTopAnnouncesWinAndKeepsPosition", player1Ready, 10,
            down(KeyA, 5), {"picture 5", "caption 1P WIN"}, true, false, 10},
        EffectCase {"Player2PointAtBottomAnnouncesWinAndKeepsPosition", player2Ready, 0,
            down(KeyA, 5), {"picture 4", "caption 2P WIN"}, false, true, 0},
        EffectCase {"NothingHeldOnKeyDownChangesNothing", player1Ready, 5, down(KeyA, 0), {}, true,
            false, 5},
        EffectCase {
            "F1IsAKeyLikeAnyOther", nobodyReady, 5, down(KeyF1, 1), {"picture 2"}, true, false, 5},
        EffectCase {"KeyUpWithNothingHeldClearsBothAndShowsIdle", bothReady, 5, up(KeyA, 0),
            {"picture 1"}, false, false, 5},
        EffectCase {"KeyUpOfF5ClearsLikeAnyKey", bothReady, 5, up(KeyF5, 0), {"picture 1"}, false,
            false, 5},
        EffectCase {
            "ShiftUpWhileCtrlHeldClearsNothing", bothReady, 5, up(KeyShift, 4), {}, true, true, 5},
        EffectCase {
            "CtrlUpWhileShiftHeldClearsNothing", bothReady, 5, up(KeyCtrl, 1), {}, true, true, 5},
        EffectCase {"F5ResetsCaptionAndPositionOnly", bothReady, 9, down(KeyF5, 0),
            {"caption Zoddle", "position 5"}, true, true, 5},
        EffectCase {"F5WithShiftFirstMakesPlayer1Ready", nobodyReady, 8, down(KeyF5, 1),
            {"picture 2", "caption Zoddle", "position 5"}, true, false, 5},
        EffectCase {"F5WithCtrlFirstMakesPlayer2Ready", nobodyReady, 2, down(KeyF5, 4),
            {"picture 3", "caption Zoddle", "position 5"}, false, true, 5},
        EffectCase {"F5WithAltStillResets", player1Ready, 7, down(KeyF5, 2),
            {"caption Zoddle", "position 5"}, true, false, 5},
        EffectCase {"F5WithShiftCtrlAtTopAnnouncesThenResets", player1Ready, 10, down(KeyF5, 5),
            {"picture 5", "caption 1P WIN", "caption Zoddle", "position 5"}, true, false, 5}),
    [](const auto& info) { return std::string(info.param.name); });

// Any byte holding Alt matches neither player nor the scoring test, on key-down or key-up.
class WithAlt : public BoutTest, public ::testing::WithParamInterface<TShiftState>
{
};

TEST_P(WithAlt, KeyDownWithAltChangesNothing)
{
    prepare(bothReady, 5);
    rules.FormKeyDown(KeyA, GetParam());
    EXPECT_EQ(view.log, Log {});
    EXPECT_TRUE(rules.player1Ready());
    EXPECT_TRUE(rules.player2Ready());
}

TEST_P(WithAlt, KeyUpWithAltClearsNothing)
{
    prepare(bothReady, 5);
    rules.FormKeyUp(KeyA, GetParam());
    EXPECT_EQ(view.log, Log {});
    EXPECT_TRUE(rules.player1Ready());
    EXPECT_TRUE(rules.player2Ready());
}

INSTANTIATE_TEST_SUITE_P(Rules, WithAlt, ::testing::Values(2, 3, 6, 7));

struct BothReadyCase
{
    int position;
    Log log;
    int positionAfter;
    std::string captionAfter;
};

class BothReady : public BoutTest, public ::testing::WithParamInterface<BothReadyCase>
{
};

// With both players ready, Win runs before Lose and Lose reads the position Win left.
TEST_P(BothReady, WinThenLoseEachReadThePositionAnew)
{
    const BothReadyCase& c = GetParam();
    prepare(bothReady, c.position);
    ASSERT_TRUE(rules.player1Ready());
    ASSERT_TRUE(rules.player2Ready());

    rules.FormKeyDown(KeyShift, 5);

    EXPECT_EQ(view.log, c.log);
    EXPECT_EQ(view.position, c.positionAfter);
    EXPECT_EQ(view.caption, c.captionAfter);
    EXPECT_EQ(view.picture, Player2ScoresPicture);
}

INSTANTIATE_TEST_SUITE_P(Rules, BothReady,
    ::testing::Values(
        BothReadyCase {0,
            {"picture 5", "read 0", "position 1", "picture 4", "read 1", "position 0"}, 0,
            "Zoddle"},
        BothReadyCase {1,
            {"picture 5", "read 1", "position 2", "picture 4", "read 2", "position 1"}, 1,
            "Zoddle"},
        BothReadyCase {5,
            {"picture 5", "read 5", "position 6", "picture 4", "read 6", "position 5"}, 5,
            "Zoddle"},
        BothReadyCase {9,
            {"picture 5", "read 9", "position 10", "picture 4", "read 10", "position 9"}, 9,
            "Zoddle"},
        BothReadyCase {10,
            {"picture 5", "read 10", "caption 1P WIN", "picture 4", "read 10", "position 9"}, 9,
            "1P WIN"}),
    [](const auto& info) { return "From" + std::to_string(info.param.position); });

struct MatchCase
{
    const char* name;
    std::vector<KeyEvent> opening;
    KeyEvent point;
    std::vector<int> positions;
    std::string winCaption;
};

void PrintTo(const MatchCase& c, std::ostream* os)
{
    *os << c.name;
}

class WholeMatch : public BoutTest, public ::testing::WithParamInterface<MatchCase>
{
};

// From the middle a player needs five points to reach their end and a sixth to win;
// further points announce the win again and move nothing.
TEST_P(WholeMatch, SixthPointAnnouncesTheWin)
{
    const MatchCase& c = GetParam();
    prepare(c.opening, 5);
    for (int point = 0; point < 5; ++point) {
        send(c.point);
        EXPECT_EQ(view.position, c.positions[point]) << "after point " << point + 1;
        EXPECT_EQ(view.caption, "Zoddle") << "after point " << point + 1;
    }
    send(c.point);
    EXPECT_EQ(view.caption, c.winCaption);
    EXPECT_EQ(view.position, c.positions.back());

    view.caption = "Zoddle";
    send(c.point);
    EXPECT_EQ(view.caption, c.winCaption);
    EXPECT_EQ(view.position, c.positions.back());
}

INSTANTIATE_TEST_SUITE_P(Rules, WholeMatch,
    ::testing::Values(
        MatchCase {"Player1", player1Ready, down(KeyCtrl, 5), {6, 7, 8, 9, 10}, "1P WIN"},
        MatchCase {"Player2", player2Ready, down(KeyShift, 5), {4, 3, 2, 1, 0}, "2P WIN"}),
    [](const auto& info) { return std::string(info.param.name); });

// A win does not end the bout: the other player's point moves the slider and leaves the caption.
TEST_F(BoutTest, PointAfterWinMovesOnAndKeepsCaption)
{
    prepare(player1Ready, 10);
    rules.FormKeyDown(KeyCtrl, 5);
    ASSERT_EQ(view.caption, "1P WIN");

    play({up(KeyCtrl, 1), up(KeyShift, 0), down(KeyCtrl, 4), down(KeyShift, 5)});

    EXPECT_EQ(view.position, 9);
    EXPECT_EQ(view.caption, "1P WIN");
}

// The rules keep no copy of the position: a slider moved by hand counts at the next point.
TEST_F(BoutTest, PositionMovedByHandCountsAtTheNextPoint)
{
    prepare(player1Ready, 5);
    view.position = 10;
    rules.FormKeyDown(KeyCtrl, 5);
    EXPECT_EQ(view.caption, "1P WIN");

    play({up(KeyCtrl, 0), down(KeyCtrl, 4)});
    view.position = 0;
    rules.FormKeyDown(KeyShift, 5);
    EXPECT_EQ(view.caption, "2P WIN");
    EXPECT_EQ(view.position, 0);
}

// A repeat is a key-down like the first: holding Ctrl with player 1 ready climbs one step
// per repeat.
TEST_F(BoutTest, AutoRepeatScoresOnEveryRepetition)
{
    prepare(player1Ready, 8);
    play({down(KeyCtrl, 5), down(KeyCtrl, 5), down(KeyCtrl, 5)});
    EXPECT_EQ(view.effects(),
        (Log {
            "picture 5", "position 9", "picture 5", "position 10", "picture 5", "caption 1P WIN"}));
}

// F5 leaves the ready flags alone, so a ready player scores at once afterwards.
TEST_F(BoutTest, ReadyPlayerScoresRightAfterF5)
{
    prepare(player1Ready, 10);
    rules.FormKeyDown(KeyF5, 0);
    view.log.clear();
    rules.FormKeyDown(KeyCtrl, 5);
    EXPECT_EQ(view.effects(), (Log {"picture 5", "position 6"}));
}

// Clearing the flags, as the window does at creation, leaves nobody able to score.
TEST_F(BoutTest, ClearReadyLeavesNobodyToScore)
{
    prepare(bothReady, 5);
    rules.ClearReady();
    rules.FormKeyDown(KeyA, 5);
    EXPECT_FALSE(rules.player1Ready());
    EXPECT_FALSE(rules.player2Ready());
    EXPECT_EQ(view.log, Log {});
}

struct FailureCase
{
    const char* name;
    std::vector<KeyEvent> opening;
    int position;
    KeyEvent event;
    std::string failAt;
    Log doneBefore;
    bool player1ReadyAfter;
    bool player2ReadyAfter;
};

void PrintTo(const FailureCase& c, std::ostream* os)
{
    *os << c.name;
}

class ViewFailure : public BoutTest, public ::testing::WithParamInterface<FailureCase>
{
};

// A failing view operation travels out; what the rules did before it stays done and
// nothing after it happens.
TEST_P(ViewFailure, EarlierEffectsStayAndTheRestIsSkipped)
{
    const FailureCase& c = GetParam();
    prepare(c.opening, c.position);
    view.failAt = c.failAt;

    EXPECT_THROW(send(c.event), std::runtime_error);

    EXPECT_EQ(view.log, c.doneBefore);
    EXPECT_EQ(rules.player1Ready(), c.player1ReadyAfter);
    EXPECT_EQ(rules.player2Ready(), c.player2ReadyAfter);
}

INSTANTIATE_TEST_SUITE_P(Rules, ViewFailure,
    ::testing::Values(FailureCase {"ReadyFlagIsSetBeforeItsPicture", nobodyReady, 5, down(KeyF5, 1),
                          "picture 2", {}, true, false},
        FailureCase {"FlagsAreClearedBeforeIdlePicture", bothReady, 5, up(KeyA, 0), "picture 1", {},
            false, false},
        FailureCase {"WinShowsItsPictureBeforeReading", player1Ready, 5, down(KeyA, 5), "read 5",
            {"picture 5"}, true, false},
        FailureCase {"FailedWinSkipsLose", bothReady, 5, down(KeyA, 5), "position 6",
            {"picture 5", "read 5"}, true, true},
        FailureCase {"FailedLoseSkipsF5", bothReady, 5, down(KeyF5, 5), "picture 4",
            {"picture 5", "read 5", "position 6"}, true, true},
        FailureCase {"FailedCaptionSkipsReset", nobodyReady, 7, down(KeyF5, 0), "caption Zoddle",
            {}, false, false}),
    [](const auto& info) { return std::string(info.param.name); });
