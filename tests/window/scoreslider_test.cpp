#include "formfixture.h"

#include "window/pictureview.h"
#include "window/scoreslider.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace {

const TestKey Left {Qt::Key_Left, 113};
const TestKey Right {Qt::Key_Right, 114};
const TestKey Up {Qt::Key_Up, 111};
const TestKey Down {Qt::Key_Down, 116};
const TestKey PageUp {Qt::Key_PageUp, 112};
const TestKey PageDown {Qt::Key_PageDown, 117};
const TestKey Home {Qt::Key_Home, 110};
const TestKey End {Qt::Key_End, 115};

// Where the slider's thumb stands at a given position.
QRect thumbAt(const QSlider& slider, int position)
{
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.subControls = QStyle::SC_All;
    option.orientation = slider.orientation();
    option.minimum = slider.minimum();
    option.maximum = slider.maximum();
    option.sliderPosition = position;
    option.sliderValue = position;
    option.singleStep = slider.singleStep();
    option.pageStep = slider.pageStep();
    option.tickPosition = slider.tickPosition();
    option.tickInterval = slider.tickInterval();
    return slider.style()->subControlRect(
        QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider);
}

class ScoreSliderTest : public FormTest
{
protected:
    window::ScoreSlider* slider() const { return form->TrackBar2; }

    void pressOnThumb()
    {
        const QPoint thumb = thumbAt(*slider(), slider()->value()).center();
        QTest::mouseClick(slider(), Qt::LeftButton, {}, thumb);
    }
};

TEST_F(ScoreSliderTest, KeysMoveNothingBeforeThePlayerPressesIt)
{
    for (const TestKey& key : {Left, Right, Up, Down, PageUp, PageDown, Home, End}) {
        SCOPED_TRACE(testing::Message() << "key 0x" << std::hex << key.key);
        form->ShowPicture(1);
        press(LeftShift);
        press(key, Qt::ShiftModifier);
        EXPECT_EQ(pictureOnView(), 2) << "the key did not reach FormKeyDown";
        release(key, Qt::ShiftModifier);
        release(LeftShift, Qt::ShiftModifier);
        EXPECT_EQ(slider()->value(), 5);
    }
}

// Up and Page Up lower the position, as on a Windows trackbar; Qt's own slider raises it.
TEST_F(ScoreSliderTest, KeysMoveItOnceThePlayerHasPressedIt)
{
    pressOnThumb();
    ASSERT_EQ(QApplication::focusWidget(), slider());
    ASSERT_EQ(slider()->value(), 5);
    const struct
    {
        TestKey key;
        int from;
        int expected;
    } cases[] = {
        {Right, 5, 6},
        {Down, 5, 6},
        {PageDown, 5, 7},
        {Left, 5, 4},
        {Up, 5, 4},
        {PageUp, 5, 3},
        {Home, 5, 0},
        {End, 5, 10},
        {Right, 10, 10},
        {Down, 10, 10},
        {PageDown, 9, 10},
        {Left, 0, 0},
        {Up, 0, 0},
        {PageUp, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
            << "key 0x" << std::hex << c.key.key << std::dec << " from " << c.from);
        slider()->setValue(c.from);
        press(c.key);
        release(c.key);
        EXPECT_EQ(slider()->value(), c.expected);
    }
}

// Once pressed, the slider keeps the focus: presses on the picture or the background and the
// keys that would move it elsewhere leave it there.
TEST_F(ScoreSliderTest, KeepsTheFocusOncePressed)
{
    pressOnThumb();
    QTest::mouseClick(form->Image1, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(form->width() - 2, 148));
    press(Tab);
    press(ShiftTab);
    EXPECT_EQ(QApplication::focusWidget(), slider());
    press(Right);
    EXPECT_EQ(slider()->value(), 6);
}

// With player 1 ready and Shift and Ctrl held, Home scores first (5 to 6) and only then moves
// the slider to 0. The other way round the point would leave 1.
TEST_F(ScoreSliderTest, TheWindowSeesEachKeyBeforeTheSlider)
{
    pressOnThumb();
    press(LeftShift);
    press(LeftCtrl, Qt::ShiftModifier);
    slider()->setValue(5);
    press(Home, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(slider()->value(), 0);
}

// A held press on the channel pages towards the pointer and stops once the thumb is under it.
TEST_F(ScoreSliderTest, HeldPressOnTheChannelPagesUpToThePointer)
{
    slider()->setValue(0);
    const QPoint target = thumbAt(*slider(), 6).center();
    QTest::mousePress(slider(), Qt::LeftButton, {}, target);
    EXPECT_EQ(slider()->value(), 2);
    EXPECT_EQ(QApplication::focusWidget(), slider());
    EXPECT_TRUE(QTest::qWaitFor([&] { return slider()->value() == 6; }, 3000));
    QTest::qWait(300);
    EXPECT_EQ(slider()->value(), 6);
    QTest::mouseRelease(slider(), Qt::LeftButton, {}, target);

    // A click beyond the thumb moves it one page, even where that passes the pointer.
    QTest::mouseClick(slider(), Qt::LeftButton, {}, thumbAt(*slider(), 7).center());
    EXPECT_EQ(slider()->value(), 8);
    QTest::qWait(700);
    EXPECT_EQ(slider()->value(), 8);
}

} // namespace
