#include "app/closekey.h"

#include <QKeyEvent>
#include <QWidget>

namespace app {

CloseKey::CloseKey(QWidget& window)
    : QObject(&window)
    , window(window)
{
    // A filter on the window itself runs after the application-wide filter that routes keys to
    // the game, and also sees the keys its controls leave unhandled.
    window.installEventFilter(this);
}

bool CloseKey::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.key() == Qt::Key_F4 && (key.modifiers() & Qt::AltModifier)) {
            window.close();
            return true;
        }
    }
    return false;
}

} // namespace app
