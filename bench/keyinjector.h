#pragma once

#include <Qt>
#include <QtGlobal>

#include <vector>

class QWidget;

// A key of a standard PC keyboard with its X keycode, as the X server would report it.
struct BenchKey
{
    Qt::Key qtKey;
    quint32 scanCode;
};

inline constexpr BenchKey ShiftKey {Qt::Key_Shift, 50};
inline constexpr BenchKey CtrlKey {Qt::Key_Control, 37};
inline constexpr BenchKey LetterKey {Qt::Key_A, 38};
inline constexpr BenchKey F5Key {Qt::Key_F5, 71};

// Delivers key events to a shown window the way the platform does: to its native window, from
// where Qt hands them to the focused widget, through every application event filter.
class KeyInjector
{
public:
    explicit KeyInjector(QWidget& window);
    // Lets go of every key still held: the application remembers the modifiers of the last key
    // event, and the next window would take them as held.
    ~KeyInjector();

    KeyInjector(const KeyInjector&) = delete;
    KeyInjector& operator=(const KeyInjector&) = delete;

    void press(BenchKey key);
    // A repetition of a held key: another key-down with no release before it.
    void repeat(BenchKey key);
    void release(BenchKey key);

private:
    QWidget& window;
    Qt::KeyboardModifiers heldModifiers;
    std::vector<Qt::Key> heldKeys;

    void send(bool down, BenchKey key, bool autoRepeat);
};
