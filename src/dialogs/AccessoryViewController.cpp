#include "dialogs/AccessoryViewController.h"

#include "dialogs/DialogRunner.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

AccessoryViewController::AccessoryViewController(QWidget* parent)
    : SaveFormatAccessory({QStringLiteral("JPEG"), QStringLiteral("BMP"), QStringLiteral("PNG"), QStringLiteral("TIFF")},
                          &AccessoryViewController::extensionForItem, parent) {}

QString AccessoryViewController::extensionForItem(int item) {
    switch (item) {
    case 0: return QStringLiteral("jpg");
    case 1: return QStringLiteral("bmp");
    case 2: return QStringLiteral("png");
    default: return QStringLiteral("tiff");
    }
}

QString AccessoryViewController::runSavePanel(QWidget* parent, QFileDialog*& panel,
                                              AccessoryViewController*& accessory, const QString& folder) {
    QFileDialog dialog(parent, QStringLiteral("Save Image"));
    dialog.setObjectName(QStringLiteral("savePanel"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Images (*.jpg *.bmp *.png *.tiff)"));
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    AccessoryViewController formats(&dialog);
    formats.attachTo(&dialog, 0);
    panel = &dialog;
    accessory = &formats;
    const int code = zelk::DialogRunner::run(&dialog);
    panel = nullptr;
    accessory = nullptr;
    const QString chosen = code == 1 ? dialog.selectedFiles().value(0) : QString();
    if (chosen.isEmpty())
        return {};
    const QFileInfo info(chosen);
    return info.dir().filePath(
        nameWithExtension(info.fileName(), extensionForItem(formats.ext_btn->currentIndex())));
}
