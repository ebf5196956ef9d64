#include "dialogs/PrintInfo.h"

#include <QPrinterInfo>

namespace zelk {

QStringList PrintInfo::availablePrinterNames() {
    return QPrinterInfo::availablePrinterNames();
}

PrintInfo PrintInfo::defaults() {
    PrintInfo info;
    QString name = QPrinterInfo::defaultPrinterName();
    if (name.isEmpty()) {
        const QStringList all = availablePrinterNames();
        if (!all.isEmpty())
            name = all.first();
    }
    info.printerName_ = name;
    info.measureEdges();
    return info;
}

PrintInfo PrintInfo::fromPrinter(const QPrinter& printer) {
    PrintInfo info;
    info.printerName_ = printer.printerName();
    info.pageSize_ = printer.pageLayout().pageSize();
    info.orientation_ = printer.pageLayout().orientation();
    info.duplex = printer.duplex();
    info.measureEdges();
    return info;
}

bool PrintInfo::setPrinterName(const QString& name) {
    if (name.isEmpty() || !availablePrinterNames().contains(name))
        return false;
    printerName_ = name;
    measureEdges();
    return true;
}

void PrintInfo::setPageSize(const QPageSize& size) {
    if (!size.isValid())
        return;
    pageSize_ = size;
    measureEdges();
}

void PrintInfo::setOrientation(QPageLayout::Orientation orientation) {
    orientation_ = orientation;
    measureEdges();
}

QSizeF PrintInfo::paperSize(QPageSize::Unit unit) const {
    const QSizeF portrait = pageSize_.size(unit);
    return orientation_ == QPageLayout::Landscape ? portrait.transposed() : portrait;
}

void PrintInfo::measureEdges() {
    edges_ = QMarginsF();
    if (printerName_.isEmpty())
        return;
    const QPrinterInfo device = QPrinterInfo::printerInfo(printerName_);
    if (device.isNull())
        return;
    QPrinter printer(device, QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageSize(pageSize_);
    printer.setPageOrientation(orientation_);
    // The edges in points, of the page in its orientation, whatever unit the
    // layout keeps its margins in.
    QPageLayout layout = printer.pageLayout();
    layout.setMode(QPageLayout::StandardMode);
    layout.setMargins(layout.minimumMargins());
    const QRectF full = layout.fullRect(QPageLayout::Point);
    const QRectF paint = layout.paintRect(QPageLayout::Point);
    edges_ = QMarginsF(paint.left() - full.left(), paint.top() - full.top(), full.right() - paint.right(),
                       full.bottom() - paint.bottom());
}

void PrintInfo::applyTo(QPrinter& printer) const {
    if (!printerName_.isEmpty())
        printer.setPrinterName(printerName_);
    printer.setFullPage(true);
    printer.setPageSize(pageSize_);
    printer.setPageOrientation(orientation_);
    printer.setPageMargins(QMarginsF(), QPageLayout::Point);
    printer.setDuplex(duplex);
}

}  // namespace zelk

zelk::PrintInfo printInfo;
