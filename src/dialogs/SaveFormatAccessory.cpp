#include "dialogs/SaveFormatAccessory.h"

#include "dialogs/SavePanelSupport.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>

zelk::SaveFormatAccessory::SaveFormatAccessory(const QStringList& formats, QString (*extensionFor)(int item),
                                               QWidget* parent)
    : QWidget(parent), extensionFor_(extensionFor) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Format:"), this));
    ext_btn = new QComboBox(this);
    ext_btn->addItems(formats);
    layout->addWidget(ext_btn);
    layout->addStretch();
    connect(ext_btn, &QComboBox::activated, this, &SaveFormatAccessory::selectFormat);
}

QString zelk::SaveFormatAccessory::nameWithExtension(const QString& name, const QString& extension) {
    return zelk::nameWithExtension(name, extension);
}

void zelk::SaveFormatAccessory::attachTo(QFileDialog* panel, int item) {
    savePanel = panel;
    addAccessory(panel, this);
    ext_btn->setCurrentIndex(item);
    selectFormat(item);
}

void zelk::SaveFormatAccessory::selectFormat(int item) {
    if (!savePanel)
        return;
    restrictPanelToExtension(savePanel, extensionFor_(item));
}
