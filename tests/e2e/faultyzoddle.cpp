// The game with a failure injected, for the end-to-end tests of what the two guards catch and
// what only the last-resort handler can. Never installed.
//   faultyzoddle key      F9 fails inside a key handler: the event guard reports it
//   faultyzoddle window   making the window runs out of memory: the last-resort box
//   faultyzoddle start    a failure before the application object exists: the text on stderr

#include "app/lastresort.h"
#include "app/program.h"
#include "window/main1.h"

#include <QApplication>
#include <QKeyEvent>

#include <memory>
#include <new>
#include <stdexcept>
#include <string_view>

namespace {

class FailOnF9 : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress
            && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F9)
            throw std::runtime_error("ｷｰ処理で失敗しました");
        return QObject::eventFilter(watched, event);
    }
};

std::unique_ptr<TForm1> makeWindowFailingOnF9()
{
    auto window = std::make_unique<TForm1>();
    // Filters installed later see events first, so this one runs before the window's own.
    qApp->installEventFilter(new FailOnF9(window.get()));
    return window;
}

[[gnu::noinline]] std::unique_ptr<TForm1> makeWindowOutOfMemory()
{
    throw std::bad_alloc();
}

[[gnu::noinline]] void failBeforeStartUp()
{
    throw std::runtime_error("ｽﾀｰﾄｱｯﾌﾟ前の失敗");
}

} // namespace

int main(int argc, char* argv[])
{
    app::installLastResortHandler(argv[0]);
    const std::string_view fault = argc > 1 ? argv[1] : "";
    if (fault == "key")
        return app::runGame(argv[0], makeWindowFailingOnF9);
    if (fault == "window")
        return app::runGame(argv[0], makeWindowOutOfMemory);
    if (fault == "start")
        failBeforeStartUp();
    return 2;
}
