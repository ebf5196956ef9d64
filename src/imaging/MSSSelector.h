#pragma once
// One crop rectangle on the selection canvas, or the rubber band (a picker)
// with which the user selects rectangles. It hit-tests itself and its four
// corner handles, follows the pointer while it is drawn, moved or resized,
// stays inside the canvas, decides whether it may be dropped and draws
// itself. All rectangles are in canvas coordinates (origin lower left,
// y upwards); a frame may hold a negative size until it is dropped.
#include "imaging/MSSHandle.h"
#include "imaging/MSSStyles.h"

#include <QColor>
#include <QList>
#include <QPainterPath>
#include <QRectF>

#include <array>
#include <memory>
#include <utility>

class MSSCanvasDelegate;
class QPainter;

class MSSSelector {
public:
    // What a drag does.
    enum Action { None = 0, Resize = 1, Move = 2, Draw = 3 };
    // Edge codes of verticalInBounds and horizontalInBounds.
    enum Edge { Inside = 0, Left = 1, Right = 2, Top = 3, Bottom = 4 };
    // (position, size) per canvas edge, in the order top, bottom, left, right.
    using Boundaries = std::array<std::pair<double, double>, 4>;

    MSSSelector(const QRectF& frame, MSSCanvasDelegate* canvas, bool asPicker);
    static std::shared_ptr<MSSSelector> selectorWithFrame(const QRectF& frame, MSSCanvasDelegate* canvas,
                                                          bool asPicker) {
        return std::make_shared<MSSSelector>(frame, canvas, asPicker);
    }
    MSSSelector(const MSSSelector&) = delete;
    MSSSelector& operator=(const MSSSelector&) = delete;

    // Used by the cropping tool: the frame as given (no normalising or
    // clamping), and hiding or showing the rectangle.
    void Set_Selector_frame(const QRectF& frame) { frame_ = frame; }
    void Set_selector_show_or_not(bool show) { draw_selector_or_not_ = show; }
    bool isShown() const { return draw_selector_or_not_; }

    QRectF frame() const { return frame_; }
    bool isSelected() const { return isSelected_; }
    bool isPicker() const { return isPicker_; }
    MSSCanvasDelegate* canvas() const { return canvas_; }
    const std::array<MSSHandle, 4>& handles() const { return handles_; }
    MSSHandle* currentHandle() const { return currentHandle_; }
    int action() const { return action_; }
    QColor strokeColor() const { return strokeColor_; }
    QColor fillColor() const { return fillColor_; }
    const MSSSelectorStyle& selectorStyle() const { return style_; }
    const Boundaries& boundaries() const { return boundaries_; }
    // The hover region inside the rectangle (open hand); empty when none.
    QRectF trackingArea() const { return trackingArea_; }

    void setSelected();
    void setUnselected();

    // Hit tests (a touch marks the selector selected).
    bool intersectsFrame(const QRectF& r);
    bool touchedHandle(const QRectF& r);
    bool intersectsOthers(const QList<std::shared_ptr<MSSSelector>>& others);
    bool isBigEnough() const;
    bool canDropOnCanvas();
    // Pulls the rectangle back inside the canvas; true when an edge was crossed.
    bool touchedBoundaries();

    void prepareAction(int action);
    void makeOriginAtHandle();
    void prepareBoundaries();
    void resizeToPoint(const QPointF& p);
    void moveSelectorToPoint(const QPointF& p);
    // Normalises the frame.
    void restoreOrigin();

    Boundaries canvasBoundaries() const;
    int verticalInBounds(const QRectF& r) const;
    int horizontalInBounds(const QRectF& r) const;

    void updateTrackingArea();
    void selectorHasChanged() { updateTrackingArea(); }
    void removeTrackingAreas();

    // Painter in canvas coordinates.
    void drawPath(QPainter& painter);
    void drawHandles(QPainter& painter);
    QPainterPath selectorBezierPath() const;
    QPainterPath pickerBezierPath() const { return selectorBezierPath(); }
    // The pen of the outline: width and dash by the state.
    double lineWidth() const;
    bool lineDashed() const;

    // Whether two rectangles meet, by their normalised extents; a zero-size
    // rectangle at a point inside (or on the edge of) the other meets it.
    static bool meets(const QRectF& a, const QRectF& b);

private:
    bool draw_selector_or_not_ = true;
    QRectF frame_;
    MSSCanvasDelegate* canvas_;
    bool isPicker_;
    MSSHandle* currentHandle_ = nullptr;
    MSSSelectorStyle style_;
    std::array<MSSHandle, 4> handles_;
    bool isSelected_ = false;
    QRectF trackingArea_;
    int action_ = None;
    QColor strokeColor_;
    QColor fillColor_;
    Boundaries boundaries_{};
};
