#include "keyinjector.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

Qt::KeyboardModifiers modifierOf(BenchKey key)
{
    if (key.qtKey == Qt::Key_Shift)
        return Qt::ShiftModifier;
    if (key.qtKey == Qt::Key_Control)
        return Qt::ControlModifier;
    return Qt::NoModifier;
}

} // namespace

KeyInjector::KeyInjector(QWidget& window)
    : window(window)
{ }

KeyInjector::~KeyInjector()
{
    for (const BenchKey key : {LetterKey, F5Key, CtrlKey, ShiftKey}) {
        if (std::find(heldKeys.begin(), heldKeys.end(), key.qtKey) != heldKeys.end())
            release(key);
    }
}

void KeyInjector::press(BenchKey key)
{
    send(true, key, false);
    heldModifiers |= modifierOf(key);
    heldKeys.push_back(key.qtKey);
}

void KeyInjector::repeat(BenchKey key)
{
    send(true, key, true);
}

void KeyInjector::release(BenchKey key)
{
    send(false, key, false);
    heldModifiers &= ~modifierOf(key);
    std::erase(heldKeys, key.qtKey);
}

// As the X server reports them, the modifiers of a key event are those held before the key
// moved; Qt counts the event's own modifier key from there.
void KeyInjector::send(bool down, BenchKey key, bool autoRepeat)
{
    QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, key.qtKey, heldModifiers,
        key.scanCode, 0, 0, QString(), autoRepeat);
    QCoreApplication::sendEvent(window.windowHandle(), &event);
}
