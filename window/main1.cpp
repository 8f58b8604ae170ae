#include "window/main1.h"

#include "pictures/pictureset.h"
#include "resources/startpicture.h"
#include "window/centring.h"
#include "window/keyrouter.h"
#include "window/layoutscaling.h"
#include "window/pictureview.h"
#include "window/scoreslider.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <array>
#include <cstddef>

TForm1* Form1 = nullptr;

std::optional<pictures::Picture> Bitmap1;
std::optional<pictures::Picture> Bitmap2;
std::optional<pictures::Picture> Bitmap3;
std::optional<pictures::Picture> Bitmap4;
std::optional<pictures::Picture> Bitmap5;

namespace {

const pictures::PictureSlots gamePictures {&Bitmap1, &Bitmap2, &Bitmap3, &Bitmap4, &Bitmap5};

// A fixed frame with minimise and close buttons and no maximise.
constexpr Qt::WindowFlags fixedFrameFlags = Qt::Window | Qt::CustomizeWindowHint
    | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
    | Qt::WindowCloseButtonHint;

QRect toRect(const window::ControlGeometry& control)
{
    return {control.left, control.top, control.width, control.height};
}

pictures::Picture startPicture()
{
    pictures::Picture picture;
    picture.LoadFromBytes(resources::startPictureBmp());
    return picture;
}

window::WindowLayout layoutForPrimaryScreen()
{
    const double pixelsPerInch = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    return window::scaledLayout(window::DesignedLayout, window::textHeightAt(pixelsPerInch));
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, fixedFrameFlags)
    , Image1(new window::PictureView(this))
    , TrackBar2(new window::ScoreSlider(this))
    , Rules(*this)
{
    setWindowTitle(QString::fromUtf8(
        bout::TitleCaption.data(), static_cast<qsizetype>(bout::TitleCaption.size())));
    // The window's background is the style's colour for button faces.
    setBackgroundRole(QPalette::Button);
    Image1->setPicture(startPicture());

    const window::WindowLayout layout = layoutForPrimaryScreen();
    Image1->setGeometry(toRect(layout.view));
    TrackBar2->setGeometry(toRect(layout.slider));
    // A picture larger than the view's place reaches under the slider, never over it.
    TrackBar2->raise();
    setFixedSize(layout.clientWidth, layout.clientHeight);

    // The router is a child of the window and goes with it.
    new window::KeyRouter(
        *this,
        [this](bout::KeyCode Key, bout::TShiftState Shift) { FormKeyDown(this, Key, Shift); },
        [this](bout::KeyCode Key, bout::TShiftState Shift) { FormKeyUp(this, Key, Shift); });
}

void TForm1::FormCreate(QObject*)
{
    Rules.ClearReady();
    pictures::createAndLoadPictures(gamePictures);
}

void TForm1::FormKeyDown(QObject*, bout::KeyCode Key, bout::TShiftState Shift)
{
    Rules.FormKeyDown(Key, Shift);
}

void TForm1::FormKeyUp(QObject*, bout::KeyCode Key, bout::TShiftState Shift)
{
    Rules.FormKeyUp(Key, Shift);
}

void TForm1::ShowPicture(int number)
{
    const std::optional<pictures::Picture>& stored
        = *gamePictures.at(static_cast<std::size_t>(number - 1));
    // A picture whose making failed shows as an empty one: the view keeps its size and shows
    // the background.
    Image1->setPicture(stored ? *stored : pictures::Picture());
}

int TForm1::GetScorePosition() const
{
    return TrackBar2->value();
}

void TForm1::SetScorePosition(int position)
{
    TrackBar2->setPositionQuietly(position);
}

void TForm1::SetCaptionText(const std::string& text)
{
    const QString caption = QString::fromStdString(text);
    if (caption != windowTitle())
        setWindowTitle(caption);
}

bool TForm1::event(QEvent* event)
{
    // Centred when first shown, and never again: a restore leaves the window where it was.
    // Under X11 the window manager's frame is known only once the window is on screen, by its
    // first paint; if it differs from the one the first centring assumed, centre again.
    if (event->type() == QEvent::Show && placement == Placement::NotShown) {
        placement = Placement::AwaitingFrame;
        centreOnScreen();
    } else if (event->type() == QEvent::Paint && placement == Placement::AwaitingFrame) {
        placement = Placement::Done;
        if (frameMargins() != placedWithFrame)
            centreOnScreen();
    }
    return QWidget::event(event);
}

QMargins TForm1::frameMargins() const
{
    // The platform window asks the window manager afresh; the widget may hold an older answer.
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

void TForm1::centreOnScreen()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    placedWithFrame = frameMargins();
    const QSize outer = size().grownBy(placedWithFrame);
    const window::ScreenPosition position
        = window::centredPosition(screen.width(), screen.height(), outer.width(), outer.height());
    // The frame's corner goes there, and the client area sits inside the frame.
    const QPoint client = screen.topLeft() + QPoint(position.left, position.top)
        + QPoint(placedWithFrame.left(), placedWithFrame.top());
    setGeometry(QRect(client, size()));
}
