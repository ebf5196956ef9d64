#pragma once
// The text field and stepper of one numeric setting of the barcode settings
// window, as one spin box. Its range comes from BarcodeLimits; a change
// tells whether the arrows made it (stepping) or the text did (typing),
// since some settings follow only the stepper.
#include "barcode/BarcodeLimits.h"

#include <QDoubleSpinBox>

class BarcodeStepper : public QDoubleSpinBox {
    Q_OBJECT
public:
    BarcodeStepper(const zelk::StepperRange& range, int decimals, QWidget* parent = nullptr);

    void stepBy(int steps) override;
    // True while the change being reported came from the arrows.
    bool changedByStepper() const { return stepping_; }
    int intValue() const { return static_cast<int>(value()); }
    // Sets the value without reporting a change.
    void setQuietly(double value);

private:
    bool stepping_ = false;
};
