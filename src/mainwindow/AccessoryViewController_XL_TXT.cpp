#include "mainwindow/AccessoryViewController_XL_TXT.h"

#include "mainwindow/SavePanelSupport.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>

AccessoryViewController_XL_TXT::AccessoryViewController_XL_TXT(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Format:"), this));
    ext_btn = new QComboBox(this);
    ext_btn->addItems({QStringLiteral("Excel Workbook (xlsx)"), QStringLiteral("Text (txt)")});
    layout->addWidget(ext_btn);
    layout->addStretch();
    connect(ext_btn, &QComboBox::activated, this, &AccessoryViewController_XL_TXT::selectFormat);
}

QString AccessoryViewController_XL_TXT::extensionForItem(int item) {
    return item == 0 ? QStringLiteral("xlsx") : QStringLiteral("txt");
}

QString AccessoryViewController_XL_TXT::nameWithExtension(const QString& name, const QString& extension) {
    return zelk::nameWithExtension(name, extension);
}

void AccessoryViewController_XL_TXT::attachTo(QFileDialog* panel, int item) {
    savePanel = panel;
    zelk::addAccessory(panel, this);
    ext_btn->setCurrentIndex(item);
    selectFormat(item);
}

void AccessoryViewController_XL_TXT::selectFormat(int item) {
    if (!savePanel)
        return;
    zelk::restrictPanelToExtension(savePanel, extensionForItem(item));
}
