#pragma once
// The format pop-up a save panel carries (picture formats: item 0 "jpg", 1
// "bmp", 2 "png", any other "tiff").
#include "dialogs/SaveFormatAccessory.h"

class QFileDialog;

class AccessoryViewController : public zelk::SaveFormatAccessory {
    Q_OBJECT
public:
    explicit AccessoryViewController(QWidget* parent = nullptr);

    static QString extensionForItem(int item);

    // Runs a picture save panel titled "Save Image" with this pop-up on its
    // first item, in `folder` when one is given. While it runs, `panel` and
    // `accessory` name the two (for whoever plays the user). Returns the
    // chosen path with the extension of the chosen format in place of the
    // typed one; empty after Cancel.
    static QString runSavePanel(QWidget* parent, QFileDialog*& panel, AccessoryViewController*& accessory,
                                const QString& folder = {});
};
