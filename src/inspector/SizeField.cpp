#include "inspector/SizeField.h"

#include "inspector/PanelKit.h"

SizeField::SizeField(double minimum, double maximum, int decimals, QWidget* parent) : QDoubleSpinBox(parent) {
    setDecimals(decimals);
    setRange(minimum, maximum);
    setKeyboardTracking(false);
    setAccelerated(true);
}

void SizeField::setUnit(zelk::MeasureUnit unit) {
    unit_ = unit;
    // The same value written again: shown anew, announced to nobody.
    setValue(value());
}

void SizeField::stepBy(int steps) {
    const double before = value();
    QDoubleSpinBox::stepBy(steps);
    if (value() != before)
        emit stepped();
}

QString SizeField::textFromValue(double value) const {
    return zelk::trimmedNumberText(locale(), value, qMin(decimals(), zelk::lengthDecimals(unit_)));
}

double SizeField::valueFromText(const QString& text) const {
    // The text shown for the value stands for the value itself.
    if (text == textFromValue(value()))
        return value();
    return QDoubleSpinBox::valueFromText(text);
}
