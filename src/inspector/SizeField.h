#pragma once
// A card size field with its arrows: a step of the arrows (buttons, keys,
// wheel) is announced on its own, because it applies the size at once,
// while a typed value waits for the Apply button.
#include <QDoubleSpinBox>

class SizeField : public QDoubleSpinBox {
    Q_OBJECT
public:
    SizeField(double minimum, double maximum, int decimals, QWidget* parent = nullptr);
    void stepBy(int steps) override;
    QString textFromValue(double value) const override;

signals:
    void stepped();
};
