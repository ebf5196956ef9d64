#include "barcode/BarcodeColorWell.h"

#include "dialogs/DialogRunner.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

BarcodeColorWell::BarcodeColorWell(const QColor& color, QWidget* parent) : QToolButton(parent) {
    setIconSize(QSize(28, 14));
    setColor(color);
    connect(this, &QToolButton::clicked, this, &BarcodeColorWell::choose);
}

void BarcodeColorWell::setColor(const QColor& color) {
    color_ = color;
    QPixmap swatch(iconSize());
    swatch.fill(Qt::white);
    QPainter p(&swatch);
    // A clear colour shows as a crossed box.
    if (color.alpha() == 0) {
        p.setPen(Qt::red);
        p.drawLine(0, swatch.height() - 1, swatch.width() - 1, 0);
    } else {
        p.fillRect(swatch.rect(), color);
    }
    p.setPen(Qt::darkGray);
    p.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    p.end();
    setIcon(QIcon(swatch));
}

void BarcodeColorWell::choose() {
    QColorDialog dialog(color_, window());
    dialog.setOption(QColorDialog::ShowAlphaChannel, false);
    if (zelk::DialogRunner::run(&dialog) != 1 || !dialog.selectedColor().isValid())
        return;
    setColor(dialog.selectedColor());
    emit colorChosen();
}
