#include "barcode/BarcodeStepper.h"

#include <QSignalBlocker>

BarcodeStepper::BarcodeStepper(const zelk::StepperRange& range, int decimals, QWidget* parent)
    : QDoubleSpinBox(parent) {
    setDecimals(decimals);
    setRange(range.minimum, range.maximum);
    setSingleStep(range.step);
    setValue(range.fallback);
    // Typing reports once, when the text is done, not at every keystroke.
    setKeyboardTracking(false);
}

void BarcodeStepper::stepBy(int steps) {
    stepping_ = true;
    QDoubleSpinBox::stepBy(steps);
    stepping_ = false;
}

void BarcodeStepper::setQuietly(double v) {
    const QSignalBlocker quiet(this);
    setValue(v);
}
