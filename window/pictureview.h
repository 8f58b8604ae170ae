#pragma once

#include "pictures/picture.h"

#include <QWidget>

namespace window {

// Shows one picture 1:1 at its top-left corner and takes the picture's size (AutoSize). Where
// the picture leaves part of the view uncovered, the window's background shows there.
class PictureView : public QWidget
{
    Q_OBJECT

public:
    explicit PictureView(QWidget* parent = nullptr);

    // Puts the picture on view, sharing its pixels, and repaints even when it is already shown.
    void setPicture(const pictures::Picture& newPicture);
    const pictures::Picture& picture() const { return shown; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    pictures::Picture shown;
};

} // namespace window
