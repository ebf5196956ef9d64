#include "dialogs/AccessoryViewController_XL_TXT.h"

AccessoryViewController_XL_TXT::AccessoryViewController_XL_TXT(QWidget* parent)
    : SaveFormatAccessory({QStringLiteral("Excel Workbook (xlsx)"), QStringLiteral("Text (txt)")},
                          &AccessoryViewController_XL_TXT::extensionForItem, parent) {}

QString AccessoryViewController_XL_TXT::extensionForItem(int item) {
    return item == 0 ? QStringLiteral("xlsx") : QStringLiteral("txt");
}
