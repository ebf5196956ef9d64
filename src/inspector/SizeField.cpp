#include "inspector/SizeField.h"

#include "inspector/PanelKit.h"

SizeField::SizeField(double minimum, double maximum, int decimals, QWidget* parent) : QDoubleSpinBox(parent) {
    setDecimals(decimals);
    setRange(minimum, maximum);
    setKeyboardTracking(false);
    setAccelerated(true);
}

void SizeField::stepBy(int steps) {
    const double before = value();
    QDoubleSpinBox::stepBy(steps);
    if (value() != before)
        emit stepped();
}

QString SizeField::textFromValue(double value) const {
    return zelk::trimmedNumberText(locale(), value, decimals());
}
