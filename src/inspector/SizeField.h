#pragma once
// A length field with its arrows, as the card and graphic sizes are shown.
// It keeps the length it was given to its full precision and shows it
// rounded to its unit's precision (zelk::lengthDecimals), so that a size
// converted in single precision does not show its noise; leaving the field
// without typing keeps the full value. A step of the arrows (buttons, keys,
// wheel) is announced on its own: for the card size it applies the size at
// once, while a typed value waits for the Apply button.
#include "foundation/Units.h"

#include <QDoubleSpinBox>

class SizeField : public QDoubleSpinBox {
    Q_OBJECT
public:
    SizeField(double minimum, double maximum, int decimals, QWidget* parent = nullptr);
    // The unit of the value; millimetres until set. Shows the value again.
    void setUnit(zelk::MeasureUnit unit);
    zelk::MeasureUnit unit() const { return unit_; }

    void stepBy(int steps) override;
    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;

signals:
    void stepped();

private:
    zelk::MeasureUnit unit_ = zelk::MeasureUnit::Mm;
};
