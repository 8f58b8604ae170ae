#include "formfixture.h"

#include "window/scoreslider.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace {

using KeyRoutingTest = FormTest;

// Shift down, Ctrl down with Shift held, both released: one point for player 1.
TEST_F(KeyRoutingTest, RoadOfOnePoint)
{
    press(LeftShift);
    EXPECT_EQ(pictureOnView(), 2);
    press(LeftCtrl, Qt::ShiftModifier);
    EXPECT_EQ(pictureOnView(), 5);
    EXPECT_EQ(form->GetScorePosition(), 6);
    release(LeftShift, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(pictureOnView(), 5);
    release(LeftCtrl, Qt::ControlModifier);
    EXPECT_EQ(pictureOnView(), 1);
    EXPECT_EQ(form->GetScorePosition(), 6);
}

// Tab, with Shift or without, is kept back from the handler and moves no focus; its key-up is
// not. Each step first puts picture 3 on view, so that any effect of the handlers shows.
TEST_F(KeyRoutingTest, TabWithoutCtrlOrAltNeverReachesTheHandler)
{
    for (const bool sliderFocused : {false, true}) {
        SCOPED_TRACE(sliderFocused ? "slider focused" : "window focused");
        if (sliderFocused)
            form->TrackBar2->setFocus(Qt::MouseFocusReason);
        QWidget* const focused = QApplication::focusWidget();

        press(LeftShift);
        form->ShowPicture(3);
        press(ShiftTab, Qt::ShiftModifier);
        EXPECT_EQ(pictureOnView(), 3) << "Shift+Tab reached FormKeyDown";
        release(LeftShift, Qt::ShiftModifier);
        form->ShowPicture(3);
        release(ShiftTab);
        EXPECT_EQ(pictureOnView(), 1) << "the key-up of Tab did not reach FormKeyUp";

        press(Tab);
        release(Tab);
        EXPECT_EQ(QApplication::focusWidget(), focused);
        EXPECT_EQ(form->GetScorePosition(), 5);
    }
}

TEST_F(KeyRoutingTest, CtrlTabReachesTheHandlerWithCtrl)
{
    press(LeftCtrl);
    form->ShowPicture(1);
    press(Tab, Qt::ControlModifier);
    EXPECT_EQ(pictureOnView(), 3);
}

// X11 drops Shift from the toolkit's modifiers when either of two held Shift keys goes up.
TEST_F(KeyRoutingTest, ShiftStaysHeldWhileEitherShiftKeyIs)
{
    press(LeftShift);
    press(RightShift, Qt::ShiftModifier);
    release(LeftShift, Qt::ShiftModifier);
    press(LeftCtrl, Qt::NoModifier);
    EXPECT_EQ(pictureOnView(), 5);
    EXPECT_EQ(form->GetScorePosition(), 6);
}

// X11 reports Alt pressed after Shift as Meta, without the Alt flag; it still spoils the point.
TEST_F(KeyRoutingTest, AltPressedAfterShiftCounts)
{
    press(LeftShift);
    press(LeftAltAfterShift, Qt::ShiftModifier | Qt::MetaModifier);
    press(LeftCtrl, Qt::ShiftModifier | Qt::MetaModifier);
    EXPECT_EQ(pictureOnView(), 2);
    EXPECT_EQ(form->GetScorePosition(), 5);
}

// Platforms without scan codes still name the modifier keys by their key values.
TEST_F(KeyRoutingTest, ToolkitKeysStandInWithoutScanCodes)
{
    QTest::keyPress(form->windowHandle(), Qt::Key_Shift);
    EXPECT_EQ(pictureOnView(), 2);
    QTest::keyPress(form->windowHandle(), Qt::Key_Control, Qt::ShiftModifier);
    EXPECT_EQ(form->GetScorePosition(), 6);
    QTest::keyRelease(form->windowHandle(), Qt::Key_Control, Qt::ShiftModifier);
    QTest::keyRelease(form->windowHandle(), Qt::Key_Shift);
    EXPECT_EQ(pictureOnView(), 1);
}

// Every repetition of a held key is a key-down; only the real release is a key-up.
TEST_F(KeyRoutingTest, RepetitionsAreKeyDownsAndOnlyTheReleaseIsAKeyUp)
{
    press(LeftShift);
    press(LeftCtrl, Qt::ShiftModifier);
    for (int repetition = 0; repetition < 3; ++repetition)
        sendKey(QEvent::KeyPress, LeftCtrl, Qt::ShiftModifier | Qt::ControlModifier, true);
    EXPECT_EQ(form->GetScorePosition(), 9);

    release(LeftCtrl);
    release(LeftShift);
    form->ShowPicture(2);
    press(LetterA);
    sendKey(QEvent::KeyRelease, LetterA, Qt::NoModifier, true);
    EXPECT_EQ(pictureOnView(), 2) << "a key-up flagged as auto-repeat reached FormKeyUp";
    release(LetterA);
    EXPECT_EQ(pictureOnView(), 1);
}

TEST_F(KeyRoutingTest, AltF5Resets)
{
    form->SetCaptionText("2P WIN");
    form->SetScorePosition(0);
    press(LeftAlt);
    press(F5, Qt::AltModifier);
    EXPECT_EQ(form->windowTitle(), "Zoddle");
    EXPECT_EQ(form->GetScorePosition(), 5);
}

// A modifier released while another window had the keyboard no longer counts once the game
// window is active again.
TEST_F(KeyRoutingTest, ReactivationForgetsModifiersReleasedElsewhere)
{
    press(LeftShift);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QTest::keyRelease(other.windowHandle(), Qt::Key_Shift);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));

    press(LetterA);
    release(LetterA);
    EXPECT_EQ(pictureOnView(), 1);
}

} // namespace
