#include "inspector/DoubleSlider.h"

#include <algorithm>
#include <cmath>

DoubleSlider::DoubleSlider(double minimum, double maximum, int steps, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), min_(minimum), max_(maximum) {
    setRange(0, std::max(1, steps));
    connect(this, &QSlider::valueChanged, this, [this] { emit doubleValueChanged(doubleValue()); });
}

double DoubleSlider::doubleValue() const {
    return min_ + (max_ - min_) * double(value()) / double(maximum());
}

void DoubleSlider::setDoubleValue(double value) {
    if (!std::isfinite(value))
        value = min_;
    const double t = (std::clamp(value, min_, max_) - min_) / (max_ - min_);
    setValue(int(std::lround(t * maximum())));
}
