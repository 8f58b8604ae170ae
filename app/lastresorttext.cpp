#include "app/lastresorttext.h"

#include <cinttypes>
#include <cstdio>

namespace app {

namespace {

constexpr std::size_t MaxModuleNameLength = 63;

// Keeps at most `count` characters of UTF-8 text, never cutting one in two.
std::string_view firstCharacters(std::string_view text, std::size_t count)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == count)
            return text.substr(0, i);
    }
    return text;
}

std::string hexAddress(std::uintptr_t address)
{
    char text[2 + 2 * sizeof address + 1];
    std::snprintf(text, sizeof text, "0x%" PRIxPTR, address);
    return text;
}

} // namespace

std::string lastResortText(std::string_view kind, std::string_view executablePath,
    std::uintptr_t place, std::string_view message)
{
    const std::string_view fileName = executablePath.substr(executablePath.rfind('/') + 1);
    const bool addFullStop = !message.empty() && !message.ends_with('.');

    std::string text;
    text += kind;
    text += "がﾓｼﾞｭｰﾙ ";
    text += firstCharacters(fileName, MaxModuleNameLength);
    text += " の\n";
    text += hexAddress(place);
    text += " で発生しました。\n";
    text += message;
    if (addFullStop)
        text += '.';
    text += '\n';
    return text;
}

} // namespace app
