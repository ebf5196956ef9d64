#pragma once
// A fixed format pop-up for a save panel: "Format:" and a list of formats,
// each standing for one extension. Choosing a format puts its extension on
// the name in the panel and allows only that type. The picture and the
// workbook/text accessories are this with their own lists.
#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QFileDialog;

namespace zelk {

class SaveFormatAccessory : public QWidget {
    Q_OBJECT
public:
    QComboBox* ext_btn = nullptr;
    // The panel the pop-up belongs to (a Qt file dialog, not the native one).
    QFileDialog* savePanel = nullptr;

    // Puts the pop-up below the panel's own controls and selects its item.
    void attachTo(QFileDialog* panel, int item = 0);
    // The pop-up's action.
    void selectFormat(int item);

    // The name without its extension, then "." and the extension.
    static QString nameWithExtension(const QString& name, const QString& extension);

protected:
    // `extensionFor` gives the extension of each item of `formats`.
    SaveFormatAccessory(const QStringList& formats, QString (*extensionFor)(int item), QWidget* parent);

private:
    QString (*extensionFor_)(int item);
};

}  // namespace zelk
