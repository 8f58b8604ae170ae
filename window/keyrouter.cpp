#include "window/keyrouter.h"

#include "window/autorepeat.h"
#include "window/keycodes.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>

#include <utility>

namespace window {

namespace {

PhysicalKey physicalKey(const QKeyEvent& event)
{
    return {event.nativeScanCode(), virtualKeyCode(event.nativeScanCode(), event.key())};
}

bout::TShiftState heldModifiers()
{
    const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
    bout::TShiftState shift = 0;
    if (held & Qt::ShiftModifier)
        shift |= bout::ShiftHeld;
    if (held & Qt::AltModifier)
        shift |= bout::AltHeld;
    if (held & Qt::ControlModifier)
        shift |= bout::CtrlHeld;
    return shift;
}

} // namespace

KeyRouter::KeyRouter(QWidget& window, KeyHandler keyDown, KeyHandler keyUp)
    : QObject(&window)
    , window(window)
    , keyDown(std::move(keyDown))
    , keyUp(std::move(keyUp))
{
    enableDetectableAutoRepeat();
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return isFirstReceiver(watched) && routeKeyDown(static_cast<const QKeyEvent&>(*event));
    case QEvent::KeyRelease:
        return isFirstReceiver(watched) && routeKeyUp(static_cast<const QKeyEvent&>(*event));
    case QEvent::WindowActivate:
        // Keys may have gone up or down while another window had the keyboard.
        if (watched == &window)
            modifiers.resync(heldModifiers());
        return false;
    default:
        return false;
    }
}

bool KeyRouter::isFirstReceiver(const QObject* watched) const
{
    // A key event goes to the window's focused control, or to the window when none has the
    // focus, and travels on to the parents from there: act on its first stop only.
    const QWidget* focused = window.focusWidget();
    return watched == (focused ? focused : &window);
}

bool KeyRouter::routeKeyDown(const QKeyEvent& event)
{
    const PhysicalKey key = physicalKey(event);
    const bout::TShiftState shift = modifiers.keyDown(key);
    // Focus navigation takes Tab and finds no tab stop on this window: the key goes no further.
    if (key.virtualKey == KeyTab && (shift & (bout::AltHeld | bout::CtrlHeld)) == 0)
        return true;
    keyDown(key.virtualKey, shift);
    return false;
}

bool KeyRouter::routeKeyUp(const QKeyEvent& event)
{
    // Without detectable auto-repeat, X reports a release before every repetition; the key is
    // still down.
    if (event.isAutoRepeat())
        return true;
    const PhysicalKey key = physicalKey(event);
    keyUp(key.virtualKey, modifiers.keyUp(key));
    return false;
}

} // namespace window
