#pragma once

#include "bout/boutrules.h"
#include "window/modifiertracker.h"

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace window {

// Hands every key event of one window to its key handlers before any control sees it, as a
// virtual-key code and a modifier byte. Tab without Ctrl or Alt is kept back: it would move the
// focus, and the window has nowhere to move it to.
class KeyRouter : public QObject
{
    Q_OBJECT

public:
    using KeyHandler = std::function<void(bout::KeyCode Key, bout::TShiftState Shift)>;

    // Watches the whole application, so that the window sees a key before its focused control.
    KeyRouter(QWidget& window, KeyHandler keyDown, KeyHandler keyUp);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window;
    KeyHandler keyDown;
    KeyHandler keyUp;
    ModifierTracker modifiers;

    bool isFirstReceiver(const QObject* watched) const;
    bool routeKeyDown(const QKeyEvent& event);
    bool routeKeyUp(const QKeyEvent& event);
};

} // namespace window
