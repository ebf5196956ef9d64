#pragma once
// The format pop-up a save panel carries (workbook or text: item 0 "xlsx",
// any other "txt").
#include "dialogs/SaveFormatAccessory.h"

class AccessoryViewController_XL_TXT : public zelk::SaveFormatAccessory {
    Q_OBJECT
public:
    explicit AccessoryViewController_XL_TXT(QWidget* parent = nullptr);

    static QString extensionForItem(int item);
};
