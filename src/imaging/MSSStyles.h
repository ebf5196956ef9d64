#pragma once
// The looks of the crop rectangles and of their corner handles: plain
// records, shared by the selection canvas's controller when it has one,
// else made per selector with these defaults.
#include <QColor>
#include <QSizeF>

struct MSSSelectorStyle {
    double minHeight = 20.0;
    double minWidth = 20.0;
    QColor strokeColorPicker = QColor(Qt::lightGray);
    QColor fillColorPicker = QColor::fromRgbF(0.0f, 0.2f, 1.0f, 0.1f);
    QColor strokeColorSelected = QColor(Qt::lightGray);
    QColor strokeColorUnselected = QColor(Qt::lightGray);
    QColor fillColorSelected = QColor::fromRgbF(0.0f, 0.2f, 1.0f, 0.1f);
    QColor fillColorUnselected = QColor(Qt::transparent);
    double lineWidthSelected = 1.0;
    double lineWidthUnselected = 1.0;
    bool lineDashedSelected = true;
    bool lineDashedUnselected = true;
};

struct MSSHandleStyle {
    QColor strokeColor = QColor(Qt::white);
    QColor fillColor = QColor::fromRgbF(0.1054f, 0.4531f, 0.7929f, 1.0f);
    QSizeF size{8.5, 8.5};
};
