#pragma once

#include "bout/boutview.h"

#include <string>

// The cheapest window the rules can drive: it only remembers the last effect of each kind.
// It always reads the middle position, so a point is a step of the slider and never a win.
class TrivialView : public bout::BoutView
{
public:
    int picture = 0;
    int position = bout::MiddleScorePosition;
    std::string caption;

    void ShowPicture(int number) override { picture = number; }
    int GetScorePosition() const override { return bout::MiddleScorePosition; }
    void SetScorePosition(int newPosition) override { position = newPosition; }
    void SetCaptionText(const std::string& text) override { caption = text; }
};
