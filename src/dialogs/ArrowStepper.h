#pragma once
// The up-and-down arrows beside a number field: a spin box that shows only
// its arrows, at the width they take. The field beside it shows and takes
// the number; the spin box keeps the range and the value.
#include <QSpinBox>

namespace zelk {

class ArrowStepper : public QSpinBox {
public:
    explicit ArrowStepper(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int fieldEnd() const;
};

}  // namespace zelk
