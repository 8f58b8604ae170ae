// Counts the repaints of the picture view and the slider, and the caption changes, that one key
// event causes on the offscreen platform. Prints one tab-separated line per case: the case, then
// view repaints, slider repaints and caption changes, each as "measured/expected".
#include "benchwindow.h"
#include "keyinjector.h"
#include "window/pictureview.h"
#include "window/scoreslider.h"

#include <QApplication>
#include <QEvent>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

class EventCounter : public QObject
{
public:
    EventCounter(QObject& watched, QEvent::Type type)
        : type(type)
    {
        watched.installEventFilter(this);
    }

    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == type)
            ++count;
        return false;
    }

private:
    QEvent::Type type;
};

struct Expected
{
    int view;
    int slider;
    int caption;
};

struct Case
{
    const char* name;
    // Brings a freshly shown window to the moment before the key event.
    std::function<void(KeyInjector&)> prepare;
    std::function<void(KeyInjector&)> keyEvent;
    Expected expected;
};

bool measure(const Case& measured)
{
    const auto window = makeShownGameWindow();
    KeyInjector keys(*window);
    measured.prepare(keys);
    settle();
    EventCounter view(*window->Image1, QEvent::Paint);
    EventCounter slider(*window->TrackBar2, QEvent::Paint);
    EventCounter caption(*window, QEvent::WindowTitleChange);
    measured.keyEvent(keys);
    settle();
    std::printf("%s\t%d/%d\t%d/%d\t%d/%d\n", measured.name, view.count, measured.expected.view,
        slider.count, measured.expected.slider, caption.count, measured.expected.caption);
    return view.count == measured.expected.view && slider.count == measured.expected.slider
        && caption.count == measured.expected.caption;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    const Case cases[] = {
        // Player 1 has won and keeps scoring: the same picture is put on view again, while the
        // slider and the caption already show what the point would set.
        {"a repeat that changes nothing visible but the picture",
            [](KeyInjector& keys) {
                keys.press(ShiftKey);
                keys.press(CtrlKey);
                for (int point = 0; point < 6; ++point)
                    keys.repeat(CtrlKey);
            },
            [](KeyInjector& keys) { keys.repeat(CtrlKey); }, {1, 0, 0}},
        {"a picture change", [](KeyInjector&) {}, [](KeyInjector& keys) { keys.press(ShiftKey); },
            {1, 0, 0}},
        {"a point scored", [](KeyInjector& keys) { keys.press(ShiftKey); },
            [](KeyInjector& keys) { keys.press(CtrlKey); }, {1, 1, 0}},
        {"F5 with the caption and the slider as they start", [](KeyInjector&) {},
            [](KeyInjector& keys) { keys.press(F5Key); }, {0, 0, 0}},
    };
    bool allAsExpected = true;
    for (const Case& measured : cases)
        allAsExpected = measure(measured) && allAsExpected;
    return allAsExpected ? 0 : 1;
}
