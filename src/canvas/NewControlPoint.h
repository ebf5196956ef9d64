#pragma once
// Where new graphics of a side go (Control_New_Point): each new graphic
// lands down and to the right of the last one, so that graphics created one
// after another do not hide each other. One per main window, shared by its
// canvases; a point is remembered per side ("F" and "B").
#include <QHash>
#include <QPointF>
#include <QSizeF>
#include <QString>

namespace zelk {

class NewControlPoint {
public:
    static constexpr double MinStep = 20.0;
    static constexpr double EdgeMargin = 50.0;
    static constexpr double RestartAt = 10.0;

    // The next point for the side: step = the side's graphic count, at least
    // 20; the previous point moved by (step, step); a coordinate that comes
    // within 50 points of the canvas's width (height) restarts at 10. The
    // point is remembered for the next call. The first point of a side
    // follows (0, 0).
    QPointF Control_New_Point(const QString& side, int graphicCount, const QSizeF& canvasSize);

    QPointF lastPoint(const QString& side) const { return last_.value(side); }
    // The side's next point follows this one: a caller that places graphics
    // only for a preview puts back the point it found.
    void setLastPoint(const QString& side, const QPointF& point) { last_.insert(side, point); }
    void reset() { last_.clear(); }

private:
    QHash<QString, QPointF> last_;
};

}  // namespace zelk
