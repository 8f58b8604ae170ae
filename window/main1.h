#pragma once

#include "bout/boutrules.h"
#include "bout/boutview.h"
#include "pictures/picture.h"

#include <QWidget>

#include <optional>
#include <string>

namespace window {
class PictureView;
class ScoreSlider;
} // namespace window

// The game window: the picture view above the score slider. Key events go to the bout rules,
// which act back on the window through BoutView.
class TForm1 : public QWidget, public bout::BoutView
{
    Q_OBJECT

public:
    // Applies the window description, hidden: caption, controls and the layout scaled to the
    // screen's density.
    explicit TForm1(QWidget* parent = nullptr);

    // Clears the ready flags, then makes the five pictures and reads the picture files. A file
    // that cannot be read ends it with a pictures::PictureError.
    void FormCreate(QObject* Sender);
    void FormKeyDown(QObject* Sender, bout::KeyCode Key, bout::TShiftState Shift);
    void FormKeyUp(QObject* Sender, bout::KeyCode Key, bout::TShiftState Shift);

    void ShowPicture(int number) override;
    int GetScorePosition() const override;
    void SetScorePosition(int position) override;
    void SetCaptionText(const std::string& text) override;

    window::PictureView* const Image1;
    window::ScoreSlider* const TrackBar2;

protected:
    bool event(QEvent* event) override;

private:
    enum class Placement { NotShown, AwaitingFrame, Done };

    bout::BoutRules Rules;
    Placement placement = Placement::NotShown;
    QMargins placedWithFrame;

    QMargins frameMargins() const;
    void centreOnScreen();
};

extern TForm1* Form1;

// The five game pictures, made and read by FormCreate; the picture view shares their pixels.
extern std::optional<pictures::Picture> Bitmap1;
extern std::optional<pictures::Picture> Bitmap2;
extern std::optional<pictures::Picture> Bitmap3;
extern std::optional<pictures::Picture> Bitmap4;
extern std::optional<pictures::Picture> Bitmap5;
