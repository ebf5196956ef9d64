#include "imaging/MSSSelector.h"

#include "imaging/MSSCanvasDelegate.h"

#include <QPainter>
#include <QPen>

#include <cmath>

namespace {
enum { TopEdge = 0, BottomEdge = 1, LeftEdge = 2, RightEdge = 3 };

MSSSelectorStyle styleFrom(MSSCanvasDelegate* canvas) {
    return canvas && canvas->selectorStyle() ? *canvas->selectorStyle() : MSSSelectorStyle();
}
}  // namespace

MSSSelector::MSSSelector(const QRectF& frame, MSSCanvasDelegate* canvas, bool asPicker)
    : frame_(frame),
      canvas_(canvas),
      isPicker_(asPicker),
      style_(styleFrom(canvas)),
      handles_{MSSHandle(1, this), MSSHandle(2, this), MSSHandle(3, this), MSSHandle(4, this)} {
    prepareAction(Draw);
    setSelected();
}

void MSSSelector::setSelected() {
    isSelected_ = true;
    strokeColor_ = isPicker_ ? style_.strokeColorPicker : style_.strokeColorSelected;
    fillColor_ = isPicker_ ? style_.fillColorPicker : style_.fillColorSelected;
}

void MSSSelector::setUnselected() {
    isSelected_ = false;
    strokeColor_ = isPicker_ ? style_.strokeColorPicker : style_.strokeColorUnselected;
    fillColor_ = isPicker_ ? style_.fillColorPicker : style_.fillColorUnselected;
}

bool MSSSelector::meets(const QRectF& a, const QRectF& b) {
    const QRectF na = a.normalized();
    const QRectF nb = b.normalized();
    return na.left() <= nb.right() && nb.left() <= na.right() && na.top() <= nb.bottom() && nb.top() <= na.bottom();
}

bool MSSSelector::intersectsFrame(const QRectF& r) {
    if (meets(r, frame_) || touchedHandle(r)) {
        setSelected();
        return true;
    }
    return false;
}

bool MSSSelector::touchedHandle(const QRectF& r) {
    for (MSSHandle& h : handles_) {
        if (!h.bounds().isNull() && meets(h.bounds(), r)) {
            currentHandle_ = &h;
            prepareAction(Resize);
            return true;
        }
    }
    prepareAction(Move);
    return false;
}

bool MSSSelector::intersectsOthers(const QList<std::shared_ptr<MSSSelector>>& others) {
    for (const auto& other : others) {
        if (other && other->frame() != frame_ && intersectsFrame(other->frame()))
            return true;
    }
    return false;
}

bool MSSSelector::isBigEnough() const {
    return std::abs(frame_.width()) >= style_.minWidth && std::abs(frame_.height()) >= style_.minHeight;
}

bool MSSSelector::canDropOnCanvas() {
    QList<std::shared_ptr<MSSSelector>> others;
    bool allow = true;
    if (canvas_) {
        for (const auto& s : canvas_->selectors())
            if (s.get() != this)
                others << s;
        allow = canvas_->allowIntersections();
    }
    const bool accepted = isBigEnough() && (allow || !intersectsOthers(others));
    if (accepted)
        restoreOrigin();
    return accepted;
}

void MSSSelector::restoreOrigin() {
    frame_ = canvas_ ? canvas_->defaultRectForFrame(frame_) : frame_.normalized();
}

void MSSSelector::prepareAction(int action) {
    action_ = action;
    if (action == Resize)
        makeOriginAtHandle();
    else if (action == Move || action == Draw)
        prepareBoundaries();
}

void MSSSelector::makeOriginAtHandle() {
    if (currentHandle_) {
        const QPointF origin = currentHandle_->bounds().center();
        const double w = std::abs(frame_.width());
        const double h = std::abs(frame_.height());
        switch (currentHandle_->type()) {
        case 1:
            frame_ = QRectF(origin.x(), origin.y(), w, -h);
            break;
        case 2:
            frame_ = QRectF(origin.x(), origin.y(), -w, -h);
            break;
        case 3:
            frame_ = QRectF(origin.x(), origin.y(), w, h);
            break;
        case 4:
            frame_ = QRectF(origin.x(), origin.y(), -w, h);
            break;
        default:
            frame_.moveTo(origin);
            break;
        }
    }
    prepareBoundaries();
}

MSSSelector::Boundaries MSSSelector::canvasBoundaries() const {
    const QSizeF size = canvas_ ? canvas_->canvasSize() : QSizeF();
    Boundaries b{};
    b[TopEdge] = {size.height(), 0};
    b[BottomEdge] = {0, 0};
    b[LeftEdge] = {0, 0};
    b[RightEdge] = {size.width(), 0};
    return b;
}

void MSSSelector::prepareBoundaries() {
    const Boundaries c = canvasBoundaries();
    const double T = c[TopEdge].first, B = c[BottomEdge].first, L = c[LeftEdge].first, R = c[RightEdge].first;
    const double x = frame_.x(), y = frame_.y(), w = frame_.width(), h = frame_.height();
    if (action_ == Resize) {
        const double fx = x + w, fy = y + h;
        boundaries_[RightEdge] = {R, fx - R};
        boundaries_[LeftEdge] = {L, fx - L};
        boundaries_[TopEdge] = {T, fy - T};
        boundaries_[BottomEdge] = {B, fy - B};
    } else if (action_ == Move) {
        boundaries_[RightEdge] = {R - w, w};
        boundaries_[LeftEdge] = {L, w};
        boundaries_[TopEdge] = {T - h, h};
        boundaries_[BottomEdge] = {B, h};
    } else {
        boundaries_[RightEdge] = {x, R - x};
        boundaries_[LeftEdge] = {x, L - x};
        boundaries_[TopEdge] = {y, T - y};
        boundaries_[BottomEdge] = {y, B - y};
    }
}

void MSSSelector::resizeToPoint(const QPointF& p) {
    const double x = frame_.x(), y = frame_.y(), w = frame_.width(), h = frame_.height();
    if (!currentHandle_)
        frame_ = QRectF(x, y, p.x() - x, p.y() - y);
    else
        frame_ = QRectF(p.x(), p.y(), x + w - p.x(), y + h - p.y());
}

void MSSSelector::moveSelectorToPoint(const QPointF& p) {
    const double w = frame_.width(), h = frame_.height();
    frame_ = QRectF(p.x() - w / 2, p.y() - h / 2, w, h);
}

int MSSSelector::verticalInBounds(const QRectF& r) const {
    const QRectF n = r.normalized();
    const Boundaries c = canvasBoundaries();
    if (n.x() + n.width() > c[RightEdge].first)
        return Right;
    if (n.x() < c[LeftEdge].first)
        return Left;
    return Inside;
}

int MSSSelector::horizontalInBounds(const QRectF& r) const {
    const QRectF n = r.normalized();
    const Boundaries c = canvasBoundaries();
    if (n.y() + n.height() > c[TopEdge].first)
        return Top;
    if (n.y() < c[BottomEdge].first)
        return Bottom;
    return Inside;
}

bool MSSSelector::touchedBoundaries() {
    if (isPicker_)
        return false;
    const int v = verticalInBounds(frame_);
    const int h = horizontalInBounds(frame_);
    if (v == Right || v == Left) {
        const auto& [pos, size] = boundaries_[v == Right ? RightEdge : LeftEdge];
        frame_.setX(pos);
        frame_.setWidth(size);
    }
    if (h == Top || h == Bottom) {
        const auto& [pos, size] = boundaries_[h == Top ? TopEdge : BottomEdge];
        frame_.setY(pos);
        frame_.setHeight(size);
    }
    selectorHasChanged();
    return v != Inside || h != Inside;
}

void MSSSelector::updateTrackingArea() {
    const QRectF n = frame_.normalized();
    const QSizeF hs = handles_[0].frame().size();
    trackingArea_ = QRectF(n.x() + hs.width(), n.y() + hs.height(), n.width() - 2 * hs.width(),
                           n.height() - 2 * hs.height());
}

void MSSSelector::removeTrackingAreas() {
    trackingArea_ = QRectF();
    for (MSSHandle& h : handles_)
        h = MSSHandle(h.type(), this);
}

double MSSSelector::lineWidth() const {
    return isSelected_ ? style_.lineWidthSelected : style_.lineWidthUnselected;
}

bool MSSSelector::lineDashed() const {
    return isSelected_ ? style_.lineDashedSelected : style_.lineDashedUnselected;
}

QPainterPath MSSSelector::selectorBezierPath() const {
    QPainterPath path;
    path.addRect(frame_.normalized());
    return path;
}

void MSSSelector::drawPath(QPainter& painter) {
    if (!draw_selector_or_not_)
        return;
    const QPainterPath path = isPicker_ ? pickerBezierPath() : selectorBezierPath();
    QPen pen(strokeColor_, lineWidth());
    if (lineDashed())
        pen.setDashPattern({5.0 / lineWidth(), 5.0 / lineWidth()});
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.fillPath(path, fillColor_);
    painter.restore();
    drawHandles(painter);
}

void MSSSelector::drawHandles(QPainter& painter) {
    if (!isSelected_ || isPicker_)
        return;
    for (MSSHandle& h : handles_)
        h.drawPath(painter);
}
