// What any X program pays: map a 200 × 150 window and put one frame into it.
#include "firstpaintsignal.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstdint>
#include <vector>

int main()
{
    constexpr unsigned width = 200;
    constexpr unsigned height = 150;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return 1;
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, width,
        height, 0, BlackPixel(display, screen), WhitePixel(display, screen));
    XSelectInput(display, window, ExposureMask);
    XMapWindow(display, window);

    std::vector<std::uint32_t> pixels(width * height, 0xFFFFCC00);
    XImage* image = XCreateImage(display, DefaultVisual(display, screen), 24, ZPixmap, 0,
        reinterpret_cast<char*>(pixels.data()), width, height, 32, 0);
    const GC gc = DefaultGC(display, screen);
    bool painted = false;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != Expose || event.xexpose.count != 0)
            continue;
        XPutImage(display, window, gc, image, 0, 0, 0, 0, width, height);
        if (!painted) {
            // The server has handled the image once it answers the sync.
            XSync(display, False);
            bench::signalFirstPaint();
            painted = true;
        }
    }
}
