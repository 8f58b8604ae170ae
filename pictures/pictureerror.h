#pragma once

#include <stdexcept>

namespace pictures {

// A picture could not be made or read. The text is the message the player sees (UTF-8).
class PictureError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace pictures
