#include "bout/boutrules.h"

#include "bout/boutview.h"

#include <string>

namespace bout {

BoutRules::BoutRules(BoutView& view)
    : view(view)
{ }

void BoutRules::FormKeyDown(KeyCode Key, TShiftState Shift)
{
    // The four tests are independent: the F5 test runs after whichever modifier test matched.
    if (Shift == ShiftHeld) {
        Player1Ready = 1;
        view.ShowPicture(Player1ReadyPicture);
    }
    if (Shift == CtrlHeld) {
        Player2Ready = 1;
        view.ShowPicture(Player2ReadyPicture);
    }
    if (Shift == (ShiftHeld | CtrlHeld)) {
        if (Player1Ready == 1)
            Win();
        if (Player2Ready == 1)
            Lose();
    }
    if (Key == KeyF5) {
        view.SetCaptionText(std::string(TitleCaption));
        view.SetScorePosition(MiddleScorePosition);
    }
}

void BoutRules::FormKeyUp(KeyCode, TShiftState Shift)
{
    if (Shift != 0)
        return;
    ClearReady();
    view.ShowPicture(IdlePicture);
}

void BoutRules::Win()
{
    view.ShowPicture(Player1ScoresPicture);
    // Read anew every time: the player may have dragged the slider since the last point.
    const int position = view.GetScorePosition();
    if (position == HighestScorePosition)
        view.SetCaptionText(std::string(Player1WinsCaption));
    else
        view.SetScorePosition(position + 1);
}

void BoutRules::Lose()
{
    view.ShowPicture(Player2ScoresPicture);
    const int position = view.GetScorePosition();
    if (position == LowestScorePosition)
        view.SetCaptionText(std::string(Player2WinsCaption));
    else
        view.SetScorePosition(position - 1);
}

void BoutRules::ClearReady()
{
    Player1Ready = 0;
    Player2Ready = 0;
}

} // namespace bout
