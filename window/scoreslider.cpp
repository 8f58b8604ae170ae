#include "window/scoreslider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTimerEvent>

#include <algorithm>

namespace window {

namespace {

// The delay before a held press on the channel repeats, and the pace of the repeats.
constexpr int PagingDelayMs = 500;
constexpr int PagingIntervalMs = 50;

} // namespace

ScoreSlider::ScoreSlider(QWidget* parent)
    : QSlider(Qt::Horizontal, parent)
{
    setRange(0, 10);
    setSingleStep(1);
    setPageStep(2);
    setValue(5);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    // Not a tab stop: only a mouse press gives it the focus.
    setFocusPolicy(Qt::ClickFocus);
}

void ScoreSlider::setPositionQuietly(int position)
{
    const int clamped = std::clamp(position, minimum(), maximum());
    if (clamped == value())
        return;
    const QSignalBlocker quiet(this);
    setValue(clamped);
}

void ScoreSlider::keyPressEvent(QKeyEvent* event)
{
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        action = SliderSingleStepSub;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        action = SliderSingleStepAdd;
        break;
    case Qt::Key_PageUp:
        action = SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        action = SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        action = SliderToMinimum;
        break;
    case Qt::Key_End:
        action = SliderToMaximum;
        break;
    default:
        QSlider::keyPressEvent(event);
        return;
    }
    triggerAction(action);
    event->accept();
}

void ScoreSlider::mousePressEvent(QMouseEvent* event)
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QStyle::SubControl hit = style()->hitTestComplexControl(
        QStyle::CC_Slider, &option, event->position().toPoint(), this);
    if (event->button() != Qt::LeftButton || hit == QStyle::SC_SliderHandle) {
        QSlider::mousePressEvent(event);
        return;
    }
    event->accept();
    pagingPointerX = event->position().toPoint().x();
    pagingAction = pageTowardsPointer();
    if (pagingAction == SliderNoAction)
        return;
    pageOnce();
    pagingTimer.start(PagingDelayMs, this);
}

void ScoreSlider::mouseMoveEvent(QMouseEvent* event)
{
    pagingPointerX = event->position().toPoint().x();
    QSlider::mouseMoveEvent(event);
}

void ScoreSlider::mouseReleaseEvent(QMouseEvent* event)
{
    pagingTimer.stop();
    pagingAction = SliderNoAction;
    QSlider::mouseReleaseEvent(event);
}

void ScoreSlider::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != pagingTimer.timerId()) {
        QSlider::timerEvent(event);
        return;
    }
    pagingTimer.start(PagingIntervalMs, this);
    pageOnce();
}

QAbstractSlider::SliderAction ScoreSlider::pageTowardsPointer() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle
        = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    if (pagingPointerX > handle.right())
        return SliderPageStepAdd;
    if (pagingPointerX < handle.left())
        return SliderPageStepSub;
    return SliderNoAction;
}

void ScoreSlider::pageOnce()
{
    // Stops once the thumb has reached the pointer or passed it; it never turns back.
    if (pageTowardsPointer() != pagingAction) {
        pagingTimer.stop();
        return;
    }
    triggerAction(pagingAction);
}

} // namespace window
