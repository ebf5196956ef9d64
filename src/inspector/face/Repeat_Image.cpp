#include "inspector/face/Repeat_Image.h"

#include <QPaintEvent>
#include <QPainter>

Repeat_Image::Repeat_Image(QWidget* parent) : QLabel(parent) {}

void Repeat_Image::setBannerImage(const QImage& banner) {
    banner_ = banner;
    update();
}

void Repeat_Image::drawRect(QPaintEvent* event) {
    if (!banner_.isNull()) {
        QPainter painter(this);
        // The brush origin is the view's own top-left corner, so the tiles
        // line up with it wherever the view sits in the window.
        painter.setBrushOrigin(0, 0);
        painter.fillRect(event->rect(), QBrush(banner_));
    }
}

void Repeat_Image::paintEvent(QPaintEvent* event) {
    drawRect(event);
    QLabel::paintEvent(event);
}
