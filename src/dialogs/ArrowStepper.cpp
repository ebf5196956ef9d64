#include "dialogs/ArrowStepper.h"

#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSpinBox>

namespace {

// The style lays a spin box out as a text field and then the arrows; in a
// box this wide the arrows start where the field ends.
constexpr int Wide = 200;

}  // namespace

zelk::ArrowStepper::ArrowStepper(QWidget* parent) : QSpinBox(parent) {
    lineEdit()->hide();
    // The keys go to the field beside it.
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

int zelk::ArrowStepper::fieldEnd() const {
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    option.rect = QRect(0, 0, Wide, height());
    return style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, this).right() + 1;
}

QSize zelk::ArrowStepper::sizeHint() const { return QSize(Wide - fieldEnd(), QSpinBox::sizeHint().height()); }

QSize zelk::ArrowStepper::minimumSizeHint() const { return sizeHint(); }

void zelk::ArrowStepper::paintEvent(QPaintEvent*) {
    // A whole spin box drawn with its field left of the widget: the arrows
    // and the frame round them show.
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    option.rect = QRect(0, 0, Wide, height());
    QPainter painter(this);
    painter.translate(width() - Wide, 0);
    style()->drawComplexControl(QStyle::CC_SpinBox, &option, &painter, this);
}
