#pragma once
// The format pop-up a save panel carries (picture formats: item 0 "jpg", 1
// "bmp", 2 "png", any other "tiff").
#include "dialogs/SaveFormatAccessory.h"

class AccessoryViewController : public zelk::SaveFormatAccessory {
    Q_OBJECT
public:
    explicit AccessoryViewController(QWidget* parent = nullptr);

    static QString extensionForItem(int item);
};
