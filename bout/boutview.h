#pragma once

#include <string>

namespace bout {

// What the rules may do to the game window. The window implements it; the rules
// keep no copy of anything it shows.
class BoutView
{
public:
    virtual ~BoutView() = default;

    // Puts picture 1 to 5 on view.
    virtual void ShowPicture(int number) = 0;
    // The slider's position as it stands now, including a move the player made by hand.
    virtual int GetScorePosition() const = 0;
    virtual void SetScorePosition(int position) = 0;
    virtual void SetCaptionText(const std::string& text) = 0;
};

} // namespace bout
