#include "dialogs/AccessoryViewController.h"

AccessoryViewController::AccessoryViewController(QWidget* parent)
    : SaveFormatAccessory({QStringLiteral("JPEG"), QStringLiteral("BMP"), QStringLiteral("PNG"), QStringLiteral("TIFF")},
                          &AccessoryViewController::extensionForItem, parent) {}

QString AccessoryViewController::extensionForItem(int item) {
    switch (item) {
    case 0: return QStringLiteral("jpg");
    case 1: return QStringLiteral("bmp");
    case 2: return QStringLiteral("png");
    default: return QStringLiteral("tiff");
    }
}
