#pragma once
// The format pop-up a save panel carries (picture formats: item 0 "jpg", 1 "bmp", 2 "png", any other "tiff"). Choosing a format
// puts its extension on the name in the panel and allows only that type.
#include <QString>
#include <QWidget>

class QComboBox;
class QFileDialog;

class AccessoryViewController : public QWidget {
    Q_OBJECT
public:
    explicit AccessoryViewController(QWidget* parent = nullptr);

    QComboBox* ext_btn = nullptr;
    // The panel the pop-up belongs to (a Qt file dialog, not the native one).
    QFileDialog* savePanel = nullptr;

    // Puts the pop-up below the panel's own controls and selects its item.
    void attachTo(QFileDialog* panel, int item = 0);
    // The pop-up's action.
    void selectFormat(int item);

    static QString extensionForItem(int item);
    // The name without its extension, then "." and the extension.
    static QString nameWithExtension(const QString& name, const QString& extension);
};
