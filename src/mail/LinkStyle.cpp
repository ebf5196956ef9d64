#include "mail/LinkStyle.h"

#include <QPalette>
#include <QPushButton>

void zelk::applyLinkStyle(QPushButton* button) {
    QFont font = button->font();
    font.setBold(true);
    font.setPointSize(11);
    font.setUnderline(true);
    button->setFont(font);
    button->setFlat(true);
    button->setCursor(Qt::OpenHandCursor);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, Qt::blue);
    palette.setColor(QPalette::Button, QColor(241, 244, 250));
    button->setPalette(palette);
    button->setAutoFillBackground(true);
}
