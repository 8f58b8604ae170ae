#pragma once

#include <QObject>

class QWidget;

namespace app {

// Alt+F4 closes the window after the window's own key handlers have seen it, as players know it
// from other desktops. Most window managers close the window on Alt+F4 themselves and the key
// never arrives; this covers those that do not, and the moments when a window manager lets the
// key through.
class CloseKey : public QObject
{
public:
    // Watches `window`, which it belongs to.
    explicit CloseKey(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window;
};

} // namespace app
