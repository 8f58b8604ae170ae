#include "formfixture.h"

#include "pictures/pictureerror.h"
#include "testpictures.h"
#include "window/centring.h"
#include "window/layoutscaling.h"
#include "window/pictureview.h"
#include "window/scoreslider.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QRect toRect(const window::ControlGeometry& control)
{
    return {control.left, control.top, control.width, control.height};
}

window::WindowLayout expectedLayout()
{
    const double pixelsPerInch = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    return window::scaledLayout(window::DesignedLayout, window::textHeightAt(pixelsPerInch));
}

// The window as it opens: caption, fixed frame, start picture, slider at 5 over its ticks.
TEST_F(FormTest, OpensAsTheWindowDescriptionSays)
{
    const window::WindowLayout layout = expectedLayout();
    EXPECT_EQ(form->windowTitle(), "Zoddle");
    EXPECT_EQ(form->size(), QSize(layout.clientWidth, layout.clientHeight));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(form->backgroundRole(), QPalette::Button);

    EXPECT_EQ(form->Image1->geometry(), toRect(layout.view));
    EXPECT_EQ(pictureOnView(), 0);
    // The start picture's amber background, 3 pixels in from its corner.
    EXPECT_EQ(colourAt(0, 0), QColor(255, 204, 0));

    EXPECT_EQ(form->TrackBar2->geometry(), toRect(layout.slider));
    EXPECT_EQ(form->TrackBar2->orientation(), Qt::Horizontal);
    EXPECT_EQ(form->TrackBar2->minimum(), 0);
    EXPECT_EQ(form->TrackBar2->maximum(), 10);
    EXPECT_EQ(form->TrackBar2->value(), 5);
    EXPECT_EQ(form->TrackBar2->singleStep(), 1);
    EXPECT_EQ(form->TrackBar2->pageStep(), 2);
    EXPECT_EQ(form->TrackBar2->tickPosition(), QSlider::TicksBelow);
    EXPECT_EQ(form->TrackBar2->tickInterval(), 1);
    EXPECT_EQ(form->TrackBar2->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
}

// Centred on the primary screen when first shown; later showings leave it where it is.
TEST_F(FormTest, CentresOnceWhenFirstShown)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = form->frameGeometry();
    const window::ScreenPosition centred
        = window::centredPosition(screen.width(), screen.height(), frame.width(), frame.height());
    EXPECT_EQ(frame.topLeft(), screen.topLeft() + QPoint(centred.left, centred.top));

    form->move(screen.topLeft() + QPoint(7, 9));
    form->hide();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(form->frameGeometry().topLeft(), screen.topLeft() + QPoint(7, 9));
}

TEST_F(FormTest, ShowPicturePutsEachGamePictureOnView)
{
    for (int number : {1, 2, 3, 4, 5, 3}) {
        SCOPED_TRACE(testing::Message() << "picture " << number);
        form->ShowPicture(number);
        EXPECT_EQ(pictureOnView(), number);
        EXPECT_EQ(colourAt(10, 10), gamePictureColour(number));
    }
}

// The picture's top-left pixel sits at the view's top-left corner, 1:1.
TEST_F(FormTest, DrawsThePictureUnscaledAtTheViewsCorner)
{
    const QPoint corner = form->Image1->pos();
    Bitmap2 = solidPicture(200, 150, Qt::blue, {4, 5, Qt::red});
    form->ShowPicture(2);
    EXPECT_EQ(colourAt(corner.x() + 4, corner.y() + 5), QColor(Qt::red));
    EXPECT_EQ(colourAt(corner.x() + 5, corner.y() + 5), QColor(Qt::blue));
    EXPECT_EQ(colourAt(corner.x() + 4, corner.y() + 6), QColor(Qt::blue));
}

// A picture larger than the view's place reaches under the slider; nothing else moves.
TEST_F(FormTest, LargerPictureGrowsTheViewUnderTheSlider)
{
    const QSize windowSize = form->size();
    const QPoint corner = form->Image1->pos();
    const QRect slider = form->TrackBar2->geometry();
    Bitmap4 = solidPicture(320, 240, Qt::green);
    form->ShowPicture(4);
    EXPECT_EQ(form->Image1->geometry(), QRect(corner, QSize(320, 240)));
    EXPECT_EQ(form->size(), windowSize);
    EXPECT_EQ(form->TrackBar2->geometry(), slider);
    EXPECT_EQ(form->childAt(slider.center()), form->TrackBar2);

    form->ShowPicture(1);
    EXPECT_EQ(form->Image1->geometry(), QRect(corner, QSize(200, 150)));
}

// A smaller picture shrinks the view; the window's background shows where it was.
TEST_F(FormTest, SmallerPictureLeavesTheBackgroundAroundIt)
{
    const QPoint corner = form->Image1->pos();
    Bitmap3 = solidPicture(100, 75, Qt::red);
    form->ShowPicture(3);
    EXPECT_EQ(form->Image1->geometry(), QRect(corner, QSize(100, 75)));
    EXPECT_EQ(colourAt(corner.x() + 50, corner.y() + 50), QColor(Qt::red));
    EXPECT_EQ(colourAt(corner.x() + 150, corner.y() + 100), background());
}

// An empty picture, or one that could never be made, keeps the view's size and shows only the
// background there.
TEST_F(FormTest, PictureWithoutPixelsShowsTheBackground)
{
    const QRect view = form->Image1->geometry();
    for (const bool neverMade : {false, true}) {
        SCOPED_TRACE(neverMade ? "never made" : "empty");
        form->ShowPicture(1);
        if (neverMade)
            Bitmap2.reset();
        else
            Bitmap2 = pictures::Picture();
        form->ShowPicture(2);
        EXPECT_EQ(form->Image1->geometry(), view);
        EXPECT_EQ(colourAt(view.x() + 100, view.y() + 75), background());
    }
}

TEST_F(FormTest, ShowingTheSamePictureRepaintsTheViewEachTime)
{
    EventCounter paints(QEvent::Paint);
    paints.watch(form->Image1);
    form->ShowPicture(3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return paints.count(form->Image1) == 1; }));
    form->ShowPicture(3);
    EXPECT_TRUE(QTest::qWaitFor([&] { return paints.count(form->Image1) == 2; }));
}

TEST_F(FormTest, SetScorePositionClampsWithoutAChangeSignal)
{
    QSignalSpy changes(form->TrackBar2, &QSlider::valueChanged);
    const struct
    {
        int requested;
        int expected;
    } cases[] = {{7, 7}, {11, 10}, {-1, 0}, {0, 0}, {1000, 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "requested " << c.requested);
        form->SetScorePosition(c.requested);
        EXPECT_EQ(form->GetScorePosition(), c.expected);
        EXPECT_EQ(form->TrackBar2->value(), c.expected);
    }
    EXPECT_EQ(changes.count(), 0);
}

// Setting the position or the caption that is already shown redraws nothing. The view is
// repainted afterwards as a marker: once it has been painted, a repaint of the slider would
// have been too.
TEST_F(FormTest, UnchangedPositionOrCaptionRedrawsNothing)
{
    EventCounter paints(QEvent::Paint);
    EventCounter titleChanges(QEvent::WindowTitleChange);
    paints.watch(form->Image1);
    paints.watch(form->TrackBar2);
    titleChanges.watch(form.get());

    form->SetScorePosition(6);
    form->SetCaptionText("1P WIN");
    ASSERT_TRUE(QTest::qWaitFor([&] { return paints.count(form->TrackBar2) == 1; }));
    EXPECT_EQ(form->windowTitle(), "1P WIN");
    EXPECT_EQ(titleChanges.count(form.get()), 1);

    form->SetScorePosition(6);
    form->SetCaptionText("1P WIN");
    form->ShowPicture(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return paints.count(form->Image1) == 1; }));
    EXPECT_EQ(paints.count(form->TrackBar2), 1);
    EXPECT_EQ(titleChanges.count(form.get()), 1);
}

TEST_F(FormTest, CaptionTakesUtf8Text)
{
    form->SetCaptionText("ｿﾞﾄﾞﾙ 勝ち");
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("ｿﾞﾄﾞﾙ 勝ち"));
}

// Runs a test body inside a fresh working directory, where FormCreate looks for the files.
class FormCreateTest : public FormTest
{
protected:
    QTemporaryDir folder;
    QString previousFolder = QDir::currentPath();

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
        FormTest::SetUp();
    }
    void TearDown() override
    {
        FormTest::TearDown();
        QDir::setCurrent(previousFolder);
    }
};

TEST_F(FormCreateTest, ReadsTheFivePictureFiles)
{
    for (int number = 1; number <= 5; ++number) {
        writeFile("DATA" + std::to_string(number) + ".bmp",
            solidBmp(200, 150, gamePictureColour(6 - number)));
    }
    form->FormCreate(form.get());
    for (int number = 1; number <= 5; ++number) {
        SCOPED_TRACE(testing::Message() << "picture " << number);
        form->ShowPicture(number);
        EXPECT_EQ(colourAt(10, 10), gamePictureColour(6 - number));
    }
}

// The ready flags are cleared before the first file is opened, so a failure leaves them clear.
TEST_F(FormCreateTest, ClearsTheReadyFlagsBeforeAFailingFile)
{
    press(LeftShift);
    ASSERT_EQ(pictureOnView(), 2);
    try {
        form->FormCreate(form.get());
        ADD_FAILURE() << "a missing DATA1.bmp must end FormCreate";
    } catch (const pictures::PictureError& error) {
        EXPECT_STREQ(error.what(), "ﾌｧｲﾙ DATA1.bmp は開けません");
    }
    press(LeftCtrl);
    EXPECT_EQ(form->GetScorePosition(), 5);
}

} // namespace
