#include "window/autorepeat.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace window {

void enableDetectableAutoRepeat()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->display() == nullptr)
        return;
    XkbSetDetectableAutoRepeat(x11->display(), True, nullptr);
}

} // namespace window
