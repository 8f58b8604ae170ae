// What any Qt Widgets program of this shape pays: a 200 × 150 image above a slider, no more.
#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QSlider>
#include <QWidget>

namespace {

class ImageView : public QWidget
{
public:
    explicit ImageView(QWidget* parent)
        : QWidget(parent)
        , image(200, 150, QImage::Format_RGB32)
    {
        image.fill(QColor(255, 204, 0));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(0, 0, image.width(), image.height());
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.drawImage(event->rect(), image, event->rect());
    }

private:
    QImage image;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(200, 171);
    new ImageView(&window);
    auto* slider = new QSlider(Qt::Horizontal, &window);
    slider->setGeometry(0, 150, 200, 21);
    slider->setRange(0, 10);
    slider->setValue(5);
    window.show();
    return application.exec();
}
