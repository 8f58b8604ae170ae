#pragma once

#include "window/main1.h"

#include <QColor>
#include <QEvent>
#include <QObject>

#include <gtest/gtest.h>

#include <map>
#include <memory>

// Counts the events of one type that reach the watched objects.
class EventCounter : public QObject
{
public:
    explicit EventCounter(QEvent::Type type)
        : type(type)
    { }

    void watch(QObject* object) { object->installEventFilter(this); }
    int count(const QObject* object) const
    {
        const auto found = counts.find(object);
        return found == counts.end() ? 0 : found->second;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == type)
            ++counts[watched];
        return false;
    }

private:
    QEvent::Type type;
    std::map<const QObject*, int> counts;
};

// A key as X11 reports it: the toolkit's key value and the X keycode.
struct TestKey
{
    Qt::Key key;
    quint32 scanCode;
};

inline constexpr TestKey LeftShift {Qt::Key_Shift, 50};
inline constexpr TestKey RightShift {Qt::Key_Shift, 62};
inline constexpr TestKey LeftCtrl {Qt::Key_Control, 37};
inline constexpr TestKey LeftAlt {Qt::Key_Alt, 64};
// Alt pressed while Shift is held.
inline constexpr TestKey LeftAltAfterShift {Qt::Key_Meta, 64};
inline constexpr TestKey LetterA {Qt::Key_A, 38};
inline constexpr TestKey Tab {Qt::Key_Tab, 23};
inline constexpr TestKey ShiftTab {Qt::Key_Backtab, 23};
inline constexpr TestKey F5 {Qt::Key_F5, 71};

// A shown, active game window with five distinct 200 × 150 game pictures.
class FormTest : public ::testing::Test
{
protected:
    std::unique_ptr<TForm1> form;

    void SetUp() override;
    void TearDown() override;

    // Delivers a key event the way the platform does: to the window, which hands it on to the
    // focused control.
    void sendKey(QEvent::Type type, TestKey key, Qt::KeyboardModifiers modifiers = {},
        bool autoRepeat = false);
    void press(TestKey key, Qt::KeyboardModifiers modifiers = {})
    {
        sendKey(QEvent::KeyPress, key, modifiers);
    }
    void release(TestKey key, Qt::KeyboardModifiers modifiers = {})
    {
        sendKey(QEvent::KeyRelease, key, modifiers);
    }

    // 1 to 5 for the game picture on view, 0 for any other picture.
    int pictureOnView() const;
    // The colour of a pixel of the client area as the player sees it.
    QColor colourAt(int x, int y) const;
    QColor background() const;

    static QColor gamePictureColour(int number);
};
