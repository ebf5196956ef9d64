#include "dialogs/saveDialogCustomView.h"

#include "dialogs/SavePanelSupport.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>

saveDialogCustomView::saveDialogCustomView(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Format:"), this));
    Save_Ext_ComboBox = new QComboBox(this);
    layout->addWidget(Save_Ext_ComboBox);
    layout->addStretch();
    connect(Save_Ext_ComboBox, &QComboBox::activated, this, &saveDialogCustomView::formatChanged);
}

QString saveDialogCustomView::extensionOfItem(const QString& item) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)\\)?\\s*$"));
    const QRegularExpressionMatch m = pattern.match(item);
    if (m.hasMatch())
        return m.captured(1).toLower();
    const QString bare = item.trimmed();
    static const QRegularExpression word(QStringLiteral("^\\.?([A-Za-z0-9]+)$"));
    const QRegularExpressionMatch w = word.match(bare);
    return w.hasMatch() ? w.captured(1).toLower() : QString();
}

void saveDialogCustomView::setFormats(const QStringList& items, int selected) {
    Save_Ext_ComboBox->clear();
    Save_Ext_ComboBox->addItems(items);
    Save_Ext_ComboBox->setCurrentIndex(selected);
    formatChanged(selected);
}

void saveDialogCustomView::attachTo(QFileDialog* panel) {
    savePanel = panel;
    zelk::addAccessory(panel, this);
    formatChanged(Save_Ext_ComboBox->currentIndex());
}

QString saveDialogCustomView::selectedExtension() const {
    return extensionOfItem(Save_Ext_ComboBox->currentText());
}

void saveDialogCustomView::formatChanged(int item) {
    if (!savePanel || item < 0 || item >= Save_Ext_ComboBox->count())
        return;
    const QString ext = extensionOfItem(Save_Ext_ComboBox->itemText(item));
    if (!ext.isEmpty())
        zelk::restrictPanelToExtension(savePanel, ext);
}
