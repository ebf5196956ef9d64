#pragma once
// One corner handle of a crop rectangle: types 1 to 4 are its top-left,
// top-right, bottom-left and bottom-right corners (of a rectangle with a
// positive size), each with its diagonal cursor.
#include "imaging/MSSStyles.h"

#include <QPainterPath>
#include <QRectF>

class MSSSelector;

class MSSHandle {
public:
    // The cursor the pointer shows over a hover region.
    enum class Cursor { Arrow, OpenHand, TopBottom, BottomTop, Cross };

    MSSHandle(int type, MSSSelector* selector);
    static MSSHandle handleWithType(int type, MSSSelector* selector) { return MSSHandle(type, selector); }

    int type() const { return type_; }
    MSSSelector* selector() const { return selector_; }
    // The square centred on the corner; zero until first drawn.
    QRectF frame() const { return frame_; }
    QRectF bounds() const { return bounds_; }
    const MSSHandleStyle& handleStyle() const { return style_; }
    // The handle's hover region and its cursor.
    QRectF trackingArea() const { return trackingArea_; }
    Cursor cursor() const;

    // The corner of a raw selector frame (x, y, w, h) this handle sits on.
    static QPointF cornerOf(int type, const QRectF& frame);
    // frame and bounds from the selector's raw frame, then the hover region.
    void makeHandleFrameWithSelectorFrame();
    void updateTrackingArea();
    QPainterPath bezierPath() const;
    // Strokes and fills the oval (painter in canvas coordinates).
    void drawPath(class QPainter& painter);

private:
    int type_;
    MSSSelector* selector_;
    MSSHandleStyle style_;
    QRectF frame_;
    QRectF bounds_;
    QRectF trackingArea_;
};
