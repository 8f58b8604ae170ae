#pragma once

#include "bout/boutrules.h"
#include "bout/boutview.h"

#include <stdexcept>
#include <string>
#include <vector>

// A window stand-in that records every effect in order ("picture 2", "position 6",
// "caption 1P WIN", "read 5") and can be told to fail at one of them.
class RecordingView : public bout::BoutView
{
public:
    mutable std::vector<std::string> log;
    int position = bout::MiddleScorePosition;
    std::string caption {bout::TitleCaption};
    int picture = 0; // 0: the start picture is still on view
    std::string failAt; // the effect that throws instead of happening

    void ShowPicture(int number) override
    {
        record("picture " + std::to_string(number));
        picture = number;
    }

    int GetScorePosition() const override
    {
        record("read " + std::to_string(position));
        return position;
    }

    void SetScorePosition(int newPosition) override
    {
        record("position " + std::to_string(newPosition));
        position = newPosition;
    }

    void SetCaptionText(const std::string& text) override
    {
        record("caption " + text);
        caption = text;
    }

    // The effects without the reads, for cases where only what the player sees matters.
    std::vector<std::string> effects() const
    {
        std::vector<std::string> seen;
        for (const auto& entry : log) {
            if (entry.rfind("read ", 0) != 0)
                seen.push_back(entry);
        }
        return seen;
    }

private:
    void record(const std::string& effect) const
    {
        if (effect == failAt)
            throw std::runtime_error("view failed at " + effect);
        log.push_back(effect);
    }
};
