#include "inspector/ColorWell.h"

#include "dialogs/DialogRunner.h"

#include <QColorDialog>
#include <QPainter>
#include <QStyleOptionToolButton>

ColorWell::ColorWell(QWidget* parent) : QToolButton(parent) {
    setFixedSize(44, 22);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QToolButton::clicked, this, &ColorWell::pickColor);
}

void ColorWell::setColor(const QColor& color) {
    color_ = color;
    update();
}

QColorDialog* ColorWell::dialog() {
    if (!dialog_) {
        dialog_ = new QColorDialog(this);
        dialog_->setOption(QColorDialog::ShowAlphaChannel, true);
    }
    return dialog_;
}

void ColorWell::pickColor() {
    QColorDialog* d = dialog();
    d->setCurrentColor(color_);
    if (zelk::DialogRunner::run(d) != QDialog::Accepted)
        return;
    const QColor chosen = d->currentColor();
    if (!chosen.isValid())
        return;
    setColor(chosen);
    emit colorPicked(chosen);
}

void ColorWell::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelButtonTool, &option, &p, this);
    const QRect swatch = rect().adjusted(4, 4, -4, -4);
    // A checkerboard shows through a colour that is not opaque.
    if (color_.alpha() < 255) {
        p.fillRect(swatch, Qt::white);
        for (int y = swatch.top(); y < swatch.bottom(); y += 5)
            for (int x = swatch.left() + ((y - swatch.top()) / 5 % 2) * 5; x < swatch.right(); x += 10)
                p.fillRect(QRect(x, y, 5, 5).intersected(swatch), QColor(200, 200, 200));
    }
    p.fillRect(swatch, color_);
    // A well that is off shows its colour faded into the background.
    if (!isEnabled()) {
        QColor veil = palette().color(QPalette::Window);
        veil.setAlpha(190);
        p.fillRect(swatch, veil);
    }
    p.setPen(isEnabled() ? QColor(90, 90, 90) : QColor(185, 185, 185));
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
}
