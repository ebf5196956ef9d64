#include "dialogs/SavePanelSupport.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>

QString zelk::nameWithExtension(const QString& name, const QString& extension) {
    QString base = name;
    const qsizetype dot = base.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        base.truncate(dot);
    return base + QLatin1Char('.') + extension;
}

QString zelk::panelFileName(QFileDialog* panel) {
    if (auto* edit = panel->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        return edit->text();
    const QStringList chosen = panel->selectedFiles();
    return chosen.isEmpty() ? QString() : QFileInfo(chosen.first()).fileName();
}

void zelk::restrictPanelToExtension(QFileDialog* panel, const QString& extension) {
    const QString name = panelFileName(panel);
    panel->setNameFilter(QStringLiteral("*.%1").arg(extension));
    panel->setDefaultSuffix(extension);
    if (!name.isEmpty())
        panel->selectFile(nameWithExtension(name, extension));
}

void zelk::addAccessory(QFileDialog* panel, QWidget* accessory) {
    panel->setOption(QFileDialog::DontUseNativeDialog, true);
    accessory->setParent(panel);
    if (auto* grid = qobject_cast<QGridLayout*>(panel->layout()))
        grid->addWidget(accessory, grid->rowCount(), 0, 1, -1);
    else if (panel->layout())
        panel->layout()->addWidget(accessory);
}
