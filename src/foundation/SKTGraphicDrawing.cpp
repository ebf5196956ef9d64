// Drawing and hit testing of the graphic kinds.
//
// Provisional: every kind draws its bounds rectangle, is hit inside its
// bounds and has no handles. The drawing of the real kinds replaces this
// file as a whole.
#include "foundation/SKTBarcode.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTLine.h"
#include "foundation/SKTSignature.h"
#include "foundation/SKTText.h"
#include "foundation/Shape_Control.h"

#include <QPainter>

namespace {

void drawBoundsRect(const SKTGraphic& g, QPainter& painter) {
    painter.save();
    painter.setPen(QPen(g._strokeColor, g._strokeWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(g._bounds);
    painter.restore();
}

}  // namespace

void SKTGraphic::drawContents(QPainter& painter) const { drawBoundsRect(*this, painter); }
void SKTGraphic::drawHandles(QPainter&, double) const {}
bool SKTGraphic::isContentsUnderPoint(QPointF point) const { return _bounds.contains(point); }
int SKTGraphic::handleUnderPoint(QPointF, double) const { return zelk::NoHandle; }
QRectF SKTGraphic::drawingBounds() const { return _bounds; }

void SKTText::drawContents(QPainter& painter) const { SKTGraphic::drawContents(painter); }
void SKTText::drawHandles(QPainter& painter, double scale) const { SKTGraphic::drawHandles(painter, scale); }
bool SKTText::isContentsUnderPoint(QPointF point) const { return SKTGraphic::isContentsUnderPoint(point); }
int SKTText::handleUnderPoint(QPointF point, double scale) const { return SKTGraphic::handleUnderPoint(point, scale); }
QRectF SKTText::drawingBounds() const { return SKTGraphic::drawingBounds(); }

void SKTImage::drawContents(QPainter& painter) const { SKTGraphic::drawContents(painter); }
void SKTImage::drawHandles(QPainter& painter, double scale) const { SKTGraphic::drawHandles(painter, scale); }
bool SKTImage::isContentsUnderPoint(QPointF point) const { return SKTGraphic::isContentsUnderPoint(point); }
int SKTImage::handleUnderPoint(QPointF point, double scale) const { return SKTGraphic::handleUnderPoint(point, scale); }
QRectF SKTImage::drawingBounds() const { return SKTGraphic::drawingBounds(); }

void SKTLine::drawContents(QPainter& painter) const { SKTGraphic::drawContents(painter); }
void SKTLine::drawHandles(QPainter& painter, double scale) const { SKTGraphic::drawHandles(painter, scale); }
bool SKTLine::isContentsUnderPoint(QPointF point) const { return SKTGraphic::isContentsUnderPoint(point); }
int SKTLine::handleUnderPoint(QPointF point, double scale) const { return SKTGraphic::handleUnderPoint(point, scale); }
QRectF SKTLine::drawingBounds() const { return SKTGraphic::drawingBounds(); }

void Shape_Control::drawContents(QPainter& painter) const { SKTGraphic::drawContents(painter); }
void Shape_Control::drawHandles(QPainter& painter, double scale) const { SKTGraphic::drawHandles(painter, scale); }
bool Shape_Control::isContentsUnderPoint(QPointF point) const { return SKTGraphic::isContentsUnderPoint(point); }
int Shape_Control::handleUnderPoint(QPointF point, double scale) const { return SKTGraphic::handleUnderPoint(point, scale); }
QRectF Shape_Control::drawingBounds() const { return SKTGraphic::drawingBounds(); }

void SKTBarcode::drawContents(QPainter& painter) const { SKTGraphic::drawContents(painter); }
void SKTBarcode::drawHandles(QPainter& painter, double scale) const { SKTGraphic::drawHandles(painter, scale); }
bool SKTBarcode::isContentsUnderPoint(QPointF point) const { return SKTGraphic::isContentsUnderPoint(point); }
int SKTBarcode::handleUnderPoint(QPointF point, double scale) const { return SKTGraphic::handleUnderPoint(point, scale); }
QRectF SKTBarcode::drawingBounds() const { return SKTGraphic::drawingBounds(); }

void SKTSignature::drawContents(QPainter& painter) const { SKTGraphic::drawContents(painter); }
void SKTSignature::drawHandles(QPainter& painter, double scale) const { SKTGraphic::drawHandles(painter, scale); }
bool SKTSignature::isContentsUnderPoint(QPointF point) const { return SKTGraphic::isContentsUnderPoint(point); }
int SKTSignature::handleUnderPoint(QPointF point, double scale) const { return SKTGraphic::handleUnderPoint(point, scale); }
QRectF SKTSignature::drawingBounds() const { return SKTGraphic::drawingBounds(); }

