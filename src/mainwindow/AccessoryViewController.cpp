#include "mainwindow/AccessoryViewController.h"

#include "mainwindow/SavePanelSupport.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>

AccessoryViewController::AccessoryViewController(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Format:"), this));
    ext_btn = new QComboBox(this);
    ext_btn->addItems({QStringLiteral("JPEG"), QStringLiteral("BMP"), QStringLiteral("PNG"), QStringLiteral("TIFF")});
    layout->addWidget(ext_btn);
    layout->addStretch();
    connect(ext_btn, &QComboBox::activated, this, &AccessoryViewController::selectFormat);
}

QString AccessoryViewController::extensionForItem(int item) {
    switch (item) {
    case 0: return QStringLiteral("jpg");
    case 1: return QStringLiteral("bmp");
    case 2: return QStringLiteral("png");
    default: return QStringLiteral("tiff");
    }
}

QString AccessoryViewController::nameWithExtension(const QString& name, const QString& extension) {
    return zelk::nameWithExtension(name, extension);
}

void AccessoryViewController::attachTo(QFileDialog* panel, int item) {
    savePanel = panel;
    zelk::addAccessory(panel, this);
    ext_btn->setCurrentIndex(item);
    selectFormat(item);
}

void AccessoryViewController::selectFormat(int item) {
    if (!savePanel)
        return;
    zelk::restrictPanelToExtension(savePanel, extensionForItem(item));
}
