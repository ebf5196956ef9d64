#include "imaging/CropView.h"

#include "imaging/MSSCanvas.h"
#include "imaging/MSSCanvasController.h"
#include "imaging/MSSScaledImage.h"

zelk::CropView zelk::makeCropView(const QSize& size) {
    CropView v;
    v.image = new MSSScaledImage;
    v.image->setObjectName(QStringLiteral("Modified_image"));
    v.image->setFixedSize(size);
    v.image->setAutoFillBackground(true);
    QPalette pal = v.image->palette();
    pal.setColor(QPalette::Window, QColor(225, 228, 235));
    v.image->setPalette(pal);
    v.canvas = new MSSCanvas(v.image);
    v.controller = MSSCanvasController::canvasControllerForCanvas(v.canvas, v.image);
    return v;
}
