#include "window/pictureview.h"

#include "pictures/picturerenderer.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

namespace window {

namespace {

QRect toRect(const pictures::PixelRect& rect)
{
    return {rect.x, rect.y, rect.width, rect.height};
}

} // namespace

PictureView::PictureView(QWidget* parent)
    : QWidget(parent)
{
    // The view paints its whole area itself: the picture, or the background where there is none.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::setPicture(const pictures::Picture& newPicture)
{
    shown = newPicture;
    if (shown.Width() > 0 && shown.Height() > 0)
        resize(shown.Width(), shown.Height());
    update();
}

void PictureView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    const QRect extent = toRect(pictures::PictureRenderer::extent(shown));
    // A picture that covers the repainted area is drawn straight, so it does not flicker.
    if (!extent.contains(dirty))
        painter.fillRect(dirty, palette().brush(backgroundRole()));

    const QRect area = dirty & extent;
    if (area.isEmpty())
        return;
    // No fill first: the renderer writes every pixel of an area inside the extent, drawing
    // what the picture cannot show as black.
    QImage pixels(area.size(), QImage::Format_RGB32);
    pictures::PictureRenderer::draw(shown, {area.x(), area.y(), area.width(), area.height()},
        reinterpret_cast<std::uint32_t*>(pixels.bits()), pixels.bytesPerLine() / 4);
    painter.drawImage(area.topLeft(), pixels);
}

} // namespace window
