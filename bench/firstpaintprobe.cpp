#include "firstpaintsignal.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <cstdlib>
#include <xcb/xcb.h>

// Linked into the bench builds of the Qt programs only: it hooks itself in when the application
// object is made, so the program's own code stays as shipped.
namespace {

// A round trip: the server answers only after it has handled every request sent before, the
// image of the first frame among them.
void syncWithServer()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr)
        return;
    xcb_connection_t* connection = x11->connection();
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

class FirstPaintProbe : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            qApp->removeEventFilter(this);
            // The widgets of one repaint pass all paint before the backing store is flushed to
            // the window; a queued call runs once that flush has been sent.
            QTimer::singleShot(0, this, [this] {
                syncWithServer();
                bench::signalFirstPaint();
                deleteLater();
            });
        }
        return false;
    }
};

void installFirstPaintProbe()
{
    qApp->installEventFilter(new FirstPaintProbe(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installFirstPaintProbe)
