#include "formfixture.h"

#include "testpictures.h"
#include "window/pictureview.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPixmap>
#include <QTest>
#include <QWindow>

#include <array>

namespace {

const std::array<std::optional<pictures::Picture>*, 5> bitmaps {
    &Bitmap1, &Bitmap2, &Bitmap3, &Bitmap4, &Bitmap5};

} // namespace

void FormTest::SetUp()
{
    for (int number = 1; number <= 5; ++number)
        *bitmaps[number - 1] = solidPicture(200, 150, gamePictureColour(number));
    form = std::make_unique<TForm1>();
    Form1 = form.get();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

void FormTest::TearDown()
{
    // Qt takes the modifiers of the last key event for the keyboard's state, which the next
    // test's window reads when it is activated: leave them released.
    QTest::keyRelease(form->windowHandle(), Qt::Key_Escape);
    form.reset();
    Form1 = nullptr;
    for (auto* bitmap : bitmaps)
        bitmap->reset();
}

void FormTest::sendKey(
    QEvent::Type type, TestKey key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    QKeyEvent event(type, key.key, modifiers, key.scanCode, 0, 0, QString(), autoRepeat);
    QCoreApplication::sendEvent(form->windowHandle(), &event);
}

int FormTest::pictureOnView() const
{
    const void* shown = form->Image1->picture().dataIdentity();
    for (int number = 1; number <= 5; ++number) {
        const auto& bitmap = *bitmaps[number - 1];
        if (bitmap && bitmap->dataIdentity() == shown)
            return number;
    }
    return 0;
}

QColor FormTest::colourAt(int x, int y) const
{
    return form->grab().toImage().pixelColor(x, y);
}

QColor FormTest::background() const
{
    return form->palette().color(QPalette::Button);
}

QColor FormTest::gamePictureColour(int number)
{
    static const std::array<QColor, 5> colours {QColor(0, 0, 255), QColor(0, 160, 0),
        QColor(255, 0, 0), QColor(128, 0, 128), QColor(0, 128, 128)};
    return colours.at(static_cast<std::size_t>(number - 1));
}
