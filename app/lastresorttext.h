#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace app {

inline constexpr std::string_view LastResortCaption = "ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ";

// What the last-resort box says about a failure that escaped both guards: its kind, the
// executable's file name (folder dropped, at most 63 characters), the place where it arose and
// its message, with a full stop unless the message is empty or already ends with one.
std::string lastResortText(std::string_view kind, std::string_view executablePath,
    std::uintptr_t place, std::string_view message);

} // namespace app
