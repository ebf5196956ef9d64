#pragma once
// What the save-panel accessories share: the extension on the typed name and
// the panel limited to one type.
#include <QString>

class QFileDialog;
class QWidget;

namespace zelk {

// The name without its extension (the part after the last dot, when the
// name is not only that part), then "." and the extension.
QString nameWithExtension(const QString& name, const QString& extension);
// The name field gets the extension and the panel accepts only that type.
void restrictPanelToExtension(QFileDialog* panel, const QString& extension);
// Puts the accessory below the panel's own controls.
void addAccessory(QFileDialog* panel, QWidget* accessory);
// The name typed in the panel's name field.
QString panelFileName(QFileDialog* panel);

}  // namespace zelk
