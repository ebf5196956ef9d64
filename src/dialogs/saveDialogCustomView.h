#pragma once
// The main window's save-panel accessory: a format list (Save_Ext_ComboBox)
// that each user empties, fills with its own formats and selects from. An
// item names its extension either alone ("png") or at its end
// ("PNG image (*.png)").
#include <QString>
#include <QWidget>

class QComboBox;
class QFileDialog;

class saveDialogCustomView : public QWidget {
    Q_OBJECT
public:
    explicit saveDialogCustomView(QWidget* parent = nullptr);

    QComboBox* Save_Ext_ComboBox = nullptr;
    QFileDialog* savePanel = nullptr;

    // Empties the list, adds the formats and selects `selected`.
    void setFormats(const QStringList& items, int selected = 0);
    // Puts the view below the panel's controls and applies the selection.
    void attachTo(QFileDialog* panel);
    // The list's action: the panel takes the item's extension.
    void formatChanged(int item);
    QString selectedExtension() const;

    // The extension an item names, lower case; "" for none.
    static QString extensionOfItem(const QString& item);
};
