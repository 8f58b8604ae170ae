#pragma once

#include <cstdint>
#include <string_view>

namespace bout {

class BoutView;

// The modifier byte delivered with every key event. The rules compare the whole byte,
// so a set that also holds Alt matches neither player.
using TShiftState = std::uint8_t;
inline constexpr TShiftState ShiftHeld = 1;
inline constexpr TShiftState AltHeld = 2;
inline constexpr TShiftState CtrlHeld = 4;

// Windows-style virtual-key code of the key that moved.
using KeyCode = std::uint16_t;
inline constexpr KeyCode KeyF5 = 0x74;

inline constexpr std::string_view TitleCaption = "Zoddle";
inline constexpr std::string_view Player1WinsCaption = "1P WIN";
inline constexpr std::string_view Player2WinsCaption = "2P WIN";

inline constexpr int LowestScorePosition = 0;
inline constexpr int MiddleScorePosition = 5;
inline constexpr int HighestScorePosition = 10;

// Pictures put on view, by the moment of the game they belong to.
inline constexpr int IdlePicture = 1;
inline constexpr int Player1ReadyPicture = 2;
inline constexpr int Player2ReadyPicture = 3;
inline constexpr int Player2ScoresPicture = 4;
inline constexpr int Player1ScoresPicture = 5;

// The match rules: two ready flags fed by key events, acting on the window only through
// BoutView. Exceptions from the view travel out unchanged; what was done before stays done.
class BoutRules
{
public:
    explicit BoutRules(BoutView& view);

    void FormKeyDown(KeyCode Key, TShiftState Shift);
    void FormKeyUp(KeyCode Key, TShiftState Shift);

    // A point for player 1.
    void Win();
    // A point for player 2.
    void Lose();

    void ClearReady();

    bool player1Ready() const { return Player1Ready == 1; }
    bool player2Ready() const { return Player2Ready == 1; }

private:
    BoutView& view;
    std::uint8_t Player1Ready = 0;
    std::uint8_t Player2Ready = 0;
};

} // namespace bout
