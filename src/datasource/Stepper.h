#pragma once
// The small up-and-down arrows beside a number field: the platform's
// stepper, which Qt has only inside a spin box.
#include <QWidget>

namespace zelk {

class Stepper : public QWidget {
    Q_OBJECT
public:
    Stepper(int minimum, int maximum, QWidget* parent = nullptr);

    int value() const { return value_; }
    // Kept within the range; sends nothing.
    void setValue(int value);
    // A click on an arrow: one step up or down within the range.
    void stepBy(int steps);

signals:
    // The user moved the value with an arrow.
    void stepped(int value);

private:
    int minimum_;
    int maximum_;
    int value_;
};

}  // namespace zelk
