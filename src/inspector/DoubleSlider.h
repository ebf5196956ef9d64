#pragma once
// A horizontal slider over a range of real numbers: the integer positions
// of QSlider stand for `steps` equal parts of the range.
#include <QSlider>

class DoubleSlider : public QSlider {
    Q_OBJECT
public:
    explicit DoubleSlider(double minimum, double maximum, int steps = 200, QWidget* parent = nullptr);

    double doubleValue() const;
    // Takes the nearest position; the value outside the range is clamped.
    void setDoubleValue(double value);
    double doubleMinimum() const { return min_; }
    double doubleMaximum() const { return max_; }

signals:
    void doubleValueChanged(double value);

private:
    double min_;
    double max_;
};
