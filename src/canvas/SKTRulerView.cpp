#include "canvas/SKTRulerView.h"

#include "canvas/SKTGraphicView.h"

#include <QPainter>

#include <cmath>

SKTRulerView::SKTRulerView(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), orientation_(orientation) {
    if (orientation_ == Qt::Horizontal)
        setFixedHeight(Thickness);
    else
        setFixedWidth(Thickness);
}

void SKTRulerView::setCanvas(SKTGraphicView* canvas) {
    canvas_ = canvas;
    update();
}

void SKTRulerView::setUnit(zelk::MeasureUnit unit) {
    unit_ = unit;
    update();
}

SKTRulerView::Scale SKTRulerView::scaleFor(zelk::MeasureUnit unit) {
    switch (unit) {
    case zelk::MeasureUnit::Inch: return {zelk::toPoints(1, unit), 1.0, 8};
    case zelk::MeasureUnit::Cm: return {zelk::toPoints(1, unit), 1.0, 10};
    case zelk::MeasureUnit::Mm: return {zelk::toPoints(10, unit), 10.0, 10};
    }
    return {zelk::toPoints(10, zelk::MeasureUnit::Mm), 10.0, 10};
}

int SKTRulerView::zeroOffset() const {
    if (!canvas_ || !parentWidget())
        return 0;
    const QPoint atCanvas = canvas_->mapTo(window(), QPoint(0, 0));
    const QPoint atRuler = mapTo(window(), QPoint(0, 0));
    return orientation_ == Qt::Horizontal ? atCanvas.x() - atRuler.x() : atCanvas.y() - atRuler.y();
}

void SKTRulerView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0xf2, 0xf2, 0xf2));
    p.setPen(QColor(0x70, 0x70, 0x70));
    const bool horizontal = orientation_ == Qt::Horizontal;
    const int length = horizontal ? width() : height();
    if (horizontal)
        p.drawLine(0, height() - 1, width(), height() - 1);
    else
        p.drawLine(width() - 1, 0, width() - 1, height());
    if (!canvas_)
        return;

    const double scale = canvas_->scaleFactor();
    const Scale s = scaleFor(unit_);
    const double majorPx = s.majorPoints * scale;
    if (!(majorPx > 0))
        return;
    // Fewer subdivisions when they would crowd together.
    int subdivisions = s.subdivisions;
    while (subdivisions > 1 && majorPx / subdivisions < 4.0)
        subdivisions /= 2;
    const double minorPx = majorPx / subdivisions;
    const int zero = zeroOffset();

    QFont font = p.font();
    font.setPixelSize(9);
    p.setFont(font);
    const long first = long(std::floor(-zero / majorPx)) - 1;
    const long last = long(std::ceil((length - zero) / majorPx)) + 1;
    for (long major = first; major <= last; ++major) {
        for (int k = 0; k < subdivisions; ++k) {
            const double at = zero + major * majorPx + k * minorPx;
            if (at < 0 || at > length)
                continue;
            const int tick = k == 0 ? Thickness - 2 : (subdivisions % 2 == 0 && k == subdivisions / 2)
                                                          ? Thickness / 2
                                                          : Thickness / 4;
            const int pos = int(std::lround(at));
            if (horizontal)
                p.drawLine(pos, height() - 1 - tick, pos, height() - 1);
            else
                p.drawLine(width() - 1 - tick, pos, width() - 1, pos);
            if (k == 0) {
                const QString label = QString::number(major * s.labelStep, 'g', 6);
                if (horizontal) {
                    p.drawText(pos + 2, 10, label);
                } else {
                    p.save();
                    p.translate(3, pos + 2);
                    p.rotate(90);
                    p.drawText(0, 0, label);
                    p.restore();
                }
            }
        }
    }
}
