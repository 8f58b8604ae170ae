#include "window/keycodes.h"

#include <Qt>

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

namespace window {

namespace {

using bout::KeyCode;

// Keys at their place on a standard PC keyboard, letters as on a US layout.
constexpr std::pair<std::uint32_t, KeyCode> scanCodeTable[] = {
    {9, 27}, // Escape
    {10, 49}, {11, 50}, {12, 51}, {13, 52}, {14, 53}, // 1 to 5
    {15, 54}, {16, 55}, {17, 56}, {18, 57}, {19, 48}, // 6 to 9, 0
    {20, 189}, // minus
    {21, 187}, // equal
    {22, 8}, // Backspace
    {23, KeyTab}, {24, 'Q'}, {25, 'W'}, {26, 'E'}, {27, 'R'}, {28, 'T'}, {29, 'Y'}, {30, 'U'},
    {31, 'I'}, {32, 'O'}, {33, 'P'}, {34, 219}, // bracket left
    {35, 221}, // bracket right
    {36, 13}, // Return
    {37, KeyControl}, // left Ctrl
    {38, 'A'}, {39, 'S'}, {40, 'D'}, {41, 'F'}, {42, 'G'}, {43, 'H'}, {44, 'J'}, {45, 'K'},
    {46, 'L'}, {47, 186}, // semicolon
    {48, 222}, // apostrophe
    {49, 192}, // grave
    {50, KeyShift}, // left Shift
    {51, 220}, // backslash
    {52, 'Z'}, {53, 'X'}, {54, 'C'}, {55, 'V'}, {56, 'B'}, {57, 'N'}, {58, 'M'}, {59, 188}, // comma
    {60, 190}, // period
    {61, 191}, // slash
    {62, KeyShift}, // right Shift
    {63, 106}, // keypad multiply
    {64, KeyAlt}, // left Alt
    {65, 32}, // Space
    {66, 20}, // Caps Lock
    {67, 112}, {68, 113}, {69, 114}, {70, 115}, {71, 116}, // F1 to F5
    {72, 117}, {73, 118}, {74, 119}, {75, 120}, {76, 121}, // F6 to F10
    {77, 144}, // Num Lock
    {78, 145}, // Scroll Lock
    {79, 103}, {80, 104}, {81, 105}, // keypad 7 to 9
    {82, 109}, // keypad minus
    {83, 100}, {84, 101}, {85, 102}, // keypad 4 to 6
    {86, 107}, // keypad plus
    {87, 97}, {88, 98}, {89, 99}, {90, 96}, // keypad 1 to 3, 0
    {91, 110}, // keypad decimal
    {94, 226}, // the extra key beside left Shift on ISO keyboards
    {95, 122}, {96, 123}, // F11, F12
    {104, 13}, // keypad Enter
    {105, KeyControl}, // right Ctrl
    {106, 111}, // keypad divide
    {107, 44}, // Print
    {108, KeyAlt}, // right Alt (AltGr)
    {110, 36}, // Home
    {111, 38}, // Up
    {112, 33}, // Page Up
    {113, 37}, // Left
    {114, 39}, // Right
    {115, 35}, // End
    {116, 40}, // Down
    {117, 34}, // Page Down
    {118, 45}, // Insert
    {119, 46}, // Delete
    {127, 19}, // Pause
    {133, 91}, // left Windows key
    {134, 92}, // right Windows key
    {135, 93}, // Menu
    {191, 124}, {192, 125}, {193, 126}, {194, 127}, {195, 128}, {196, 129}, // F13 to F18
    {197, 130}, {198, 131}, {199, 132}, {200, 133}, {201, 134}, {202, 135}, // F19 to F24
};

// The toolkit's key values that are not letters, digits or function keys. Shifted symbols map
// to the key that carries them on a US layout, so the code does not depend on Shift.
constexpr std::pair<int, KeyCode> qtKeyTable[] = {
    {Qt::Key_Escape, 27},
    {Qt::Key_Tab, KeyTab},
    {Qt::Key_Backtab, KeyTab},
    {Qt::Key_Backspace, 8},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Pause, 19},
    {Qt::Key_Print, 44},
    {Qt::Key_Home, 36},
    {Qt::Key_End, 35},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_Shift, KeyShift},
    {Qt::Key_Control, KeyControl},
    {Qt::Key_Alt, KeyAlt},
    // X11 reports Alt pressed after Shift as Meta, and some layouts put AltGr there.
    {Qt::Key_Meta, KeyAlt},
    {Qt::Key_AltGr, KeyAlt},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Super_L, 91},
    {Qt::Key_Super_R, 92},
    {Qt::Key_Menu, 93},
    {Qt::Key_Space, 32},
    {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},
    {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
};

// X keycodes are below 256: the table indexed by keycode, 0 where it has no key.
constexpr auto codeByScanCode = [] {
    std::array<KeyCode, 256> codes {};
    for (const auto& [scanCode, code] : scanCodeTable)
        codes[scanCode] = code;
    return codes;
}();

KeyCode fromQtKey(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return static_cast<KeyCode>('A' + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<KeyCode>('0' + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<KeyCode>(112 + (qtKey - Qt::Key_F1));
    const auto found = std::find_if(std::begin(qtKeyTable), std::end(qtKeyTable),
        [qtKey](const auto& entry) { return entry.first == qtKey; });
    return found == std::end(qtKeyTable) ? KeyUnknown : found->second;
}

} // namespace

KeyCode virtualKeyCode(std::uint32_t nativeScanCode, int qtKey)
{
    if (nativeScanCode < codeByScanCode.size() && codeByScanCode[nativeScanCode] != 0)
        return codeByScanCode[nativeScanCode];
    return fromQtKey(qtKey);
}

} // namespace window
