#include "window/keycodes.h"

#include <gtest/gtest.h>

#include <Qt>

namespace {

struct KeyCase
{
    std::uint32_t scanCode;
    int qtKey;
    bout::KeyCode expected;
};

// The physical key decides, whatever the toolkit made of it with the modifiers held.
TEST(KeyCodes, ScanCodesNameThePhysicalKey)
{
    const KeyCase cases[] = {
        {38, Qt::Key_A, 65}, {52, Qt::Key_Z, 90}, {24, Qt::Key_Q, 81}, {10, Qt::Key_1, 49},
        {10, Qt::Key_Exclam, 49}, // Shift+1
        {19, Qt::Key_ParenRight, 48}, // Shift+0
        {67, Qt::Key_F1, 112}, {71, Qt::Key_F5, 116}, {76, Qt::Key_F10, 121},
        {96, Qt::Key_F12, 123}, {191, Qt::Key_F13, 124}, {202, Qt::Key_F24, 135},
        {112, Qt::Key_PageUp, 33}, {117, Qt::Key_PageDown, 34}, {115, Qt::Key_End, 35},
        {110, Qt::Key_Home, 36}, {113, Qt::Key_Left, 37}, {111, Qt::Key_Up, 38},
        {114, Qt::Key_Right, 39}, {116, Qt::Key_Down, 40}, {23, Qt::Key_Tab, 9},
        {23, Qt::Key_Backtab, 9}, // Shift+Tab
        {36, Qt::Key_Return, 13}, {104, Qt::Key_Enter, 13}, {9, Qt::Key_Escape, 27},
        {65, Qt::Key_Space, 32}, {50, Qt::Key_Shift, 16}, {62, Qt::Key_Shift, 16},
        {37, Qt::Key_Control, 17}, {105, Qt::Key_Control, 17}, {64, Qt::Key_Alt, 18},
        {64, Qt::Key_Meta, 18}, // Alt pressed after Shift
        {108, Qt::Key_AltGr, 18}, {20, Qt::Key_Underscore, 189}, // Shift+minus
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "scan code " << c.scanCode);
        EXPECT_EQ(window::virtualKeyCode(c.scanCode, c.qtKey), c.expected);
    }
}

// Without a scan code, or with one the table does not know, the toolkit's key value decides.
TEST(KeyCodes, ToolkitKeysStandInWithoutAKnownScanCode)
{
    const KeyCase cases[] = {
        {0, Qt::Key_A, 65},
        {0, Qt::Key_Z, 90},
        {0, Qt::Key_0, 48},
        {0, Qt::Key_9, 57},
        {0, Qt::Key_Exclam, 49},
        {0, Qt::Key_ParenLeft, 57},
        {0, Qt::Key_F1, 112},
        {0, Qt::Key_F5, 116},
        {0, Qt::Key_F24, 135},
        {0, Qt::Key_PageUp, 33},
        {0, Qt::Key_Home, 36},
        {0, Qt::Key_Down, 40},
        {0, Qt::Key_Backtab, 9},
        {0, Qt::Key_Shift, 16},
        {0, Qt::Key_Control, 17},
        {0, Qt::Key_Meta, 18},
        {0, Qt::Key_Escape, 27},
        {0, Qt::Key_Space, 32},
        {250, Qt::Key_Q, 81},
        {0, Qt::Key_unknown, window::KeyUnknown},
        {250, 0, window::KeyUnknown},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "Qt key 0x" << std::hex << c.qtKey);
        EXPECT_EQ(window::virtualKeyCode(c.scanCode, c.qtKey), c.expected);
    }
}

} // namespace
