#pragma once

#include <QBasicTimer>
#include <QSlider>

namespace window {

// The score bar: positions 0 to 10 with a tick at each, moved by the player with the mouse and,
// once pressed, with the keys. Arrow keys step by 1, Page Up and Page Down by 2, lower values to
// the left; Up and Page Up lower the position, as on a Windows trackbar.
class ScoreSlider : public QSlider
{
    Q_OBJECT

public:
    explicit ScoreSlider(QWidget* parent = nullptr);

    // Moves the thumb without telling anyone: the value is brought into range, and an unchanged
    // value does nothing at all.
    void setPositionQuietly(int position);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    // A press on the channel pages the thumb towards the pointer until it reaches the pointer.
    QBasicTimer pagingTimer;
    SliderAction pagingAction = SliderNoAction;
    int pagingPointerX = 0;

    SliderAction pageTowardsPointer() const;
    void pageOnce();
};

} // namespace window
