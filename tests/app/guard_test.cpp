#include "app/application.h"
#include "app/closekey.h"
#include "app/errorbox.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <stdexcept>
#include <utility>
#include <vector>

namespace {

QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

app::Application& application()
{
    return *static_cast<app::Application*>(QCoreApplication::instance());
}

struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    int openBoxes;
};

// Once the next box is up, notes what it shows and closes it as the player would.
void closeNextBoxNoting(std::vector<SeenBox>& seen)
{
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        int openBoxes = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            openBoxes += qobject_cast<QMessageBox*>(widget) != nullptr && widget->isVisible();
        seen.push_back(
            {box->windowTitle(), box->text(), box->icon(), box->standardButtons(), openBoxes});
        box->button(QMessageBox::Ok)->click();
    });
}

class FailingWidget : public QWidget
{
public:
    int keysSeen = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        ++keysSeen;
        if (event->key() == Qt::Key_F9)
            throw std::runtime_error("ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です");
    }
};

// The box shows the message with a full stop, always, under the application title, with the
// stop icon and OK alone, blocking the program's other windows; the text is never markup.
TEST(ErrorBox, ShowsMessageWithFullStopUnderTheTitle)
{
    const auto box = app::makeErrorBox(q("Mygame"), "ﾌｧｲﾙ <DATA3.bmp> は開けません");
    EXPECT_EQ(box->windowTitle(), q("Mygame"));
    EXPECT_EQ(box->text(), q("ﾌｧｲﾙ <DATA3.bmp> は開けません."));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);

    EXPECT_EQ(app::makeErrorBox(q("Mygame"), "ends with one.")->text(), q("ends with one.."));
}

// Ctrl+C puts caption, text and button on the clipboard, as players know it from elsewhere.
TEST(ErrorBox, CopiesCaptionAndTextOnCtrlC)
{
    const auto box = app::makeErrorBox(q("Mygame"), "ﾌｧｲﾙ DATA3.bmp は開けません");
    QGuiApplication::clipboard()->clear();
    QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QStringLiteral("c"));
    QCoreApplication::sendEvent(box.get(), &copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
        q("---------------------------\nMygame\n---------------------------\n"
          "ﾌｧｲﾙ DATA3.bmp は開けません.\n---------------------------\nOK\n"
          "---------------------------\n"));
}

// A failure that escapes an event handler is shown in one error box, and the next event is
// handled as usual.
TEST(EventGuard, ReportsAFailingHandlerOnceAndGoesOn)
{
    FailingWidget widget;
    std::vector<SeenBox> seen;
    closeNextBoxNoting(seen);

    QKeyEvent failing(QEvent::KeyPress, Qt::Key_F9, Qt::NoModifier);
    EXPECT_TRUE(QCoreApplication::sendEvent(&widget, &failing));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, application().title());
    EXPECT_EQ(seen[0].text, q("ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です."));
    EXPECT_EQ(seen[0].icon, QMessageBox::Critical);
    EXPECT_EQ(seen[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(seen[0].openBoxes, 1);

    QKeyEvent next(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &next);
    EXPECT_EQ(widget.keysSeen, 2);
    EXPECT_EQ(seen.size(), 1u);
}

// Alt+F4 that reaches the program closes the window; F4 alone and Alt with other keys do not.
TEST(CloseKey, AltF4ClosesTheWindow)
{
    QWidget window;
    new app::CloseKey(window);
    window.show();

    for (const auto& [key, modifiers] :
        {std::pair {Qt::Key_F4, Qt::NoModifier}, std::pair {Qt::Key_F5, Qt::AltModifier}}) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(&window, &press);
        EXPECT_TRUE(window.isVisible()) << key;
    }
    QKeyEvent altF4(QEvent::KeyPress, Qt::Key_F4, Qt::AltModifier);
    QCoreApplication::sendEvent(&window, &altF4);
    EXPECT_FALSE(window.isVisible());
}

} // namespace

int main(int argc, char* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    // Boxes open for real, off any screen, also where the tests are only listed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int applicationArgc = 1;
    char* applicationArgv[] = {argv[0], nullptr};
    app::Application application(applicationArgc, applicationArgv);
    return RUN_ALL_TESTS();
}
