#include "datasource/Stepper.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zelk {

Stepper::Stepper(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), value_(minimum) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto arrow = [this, layout](Qt::ArrowType type, int steps) {
        auto* b = new QToolButton(this);
        b->setArrowType(type);
        b->setAutoRepeat(true);
        b->setFixedSize(18, 12);
        layout->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, steps] { stepBy(steps); });
    };
    arrow(Qt::UpArrow, 1);
    arrow(Qt::DownArrow, -1);
}

void Stepper::setValue(int value) {
    value_ = std::clamp(value, minimum_, maximum_);
}

void Stepper::stepBy(int steps) {
    setValue(value_ + steps);
    emit stepped(value_);
}

}  // namespace zelk
