#include "canvas/NewControlPoint.h"

#include <algorithm>
#include <cmath>

namespace zelk {

QPointF NewControlPoint::Control_New_Point(const QString& side, int graphicCount,
                                           const QSizeF& canvasSize) {
    const double step = std::max(MinStep, double(graphicCount));
    const QPointF previous = last_.value(side);
    double x = previous.x() + step;
    double y = previous.y() + step;
    if (!(x < canvasSize.width() - EdgeMargin))
        x = RestartAt;
    if (!(y < canvasSize.height() - EdgeMargin))
        y = RestartAt;
    const QPointF point(x, y);
    last_.insert(side, point);
    return point;
}

}  // namespace zelk
