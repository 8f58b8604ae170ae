#pragma once

#include <string>
#include <string_view>

namespace pictures {

// The texts the player reads in the error box (which adds the full stop).
inline constexpr std::string_view ReadErrorMessage = "ｽﾄﾘｰﾑからの読み込みｴﾗｰ";
inline constexpr std::string_view InvalidImageMessage = "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です";
inline constexpr std::string_view OutOfMemoryMessage = "ﾒﾓﾘｽﾄﾘｰﾑの拡大中にﾒﾓﾘが足りなくなりました";
inline constexpr std::string_view OutOfResourcesMessage = "ｼｽﾃﾑ ﾘｿｰｽが足りません";

// "ﾌｧｲﾙ %s は開けません" with the file name as the game wrote it.
std::string cannotOpenFileMessage(std::string_view name);

} // namespace pictures
