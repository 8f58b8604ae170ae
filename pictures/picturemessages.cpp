#include "pictures/picturemessages.h"

namespace pictures {

std::string cannotOpenFileMessage(std::string_view name)
{
    std::string message = "ﾌｧｲﾙ ";
    message += name;
    message += " は開けません";
    return message;
}

} // namespace pictures
