#pragma once
// The print settings every print reads: the printer, the paper and its
// orientation, the printer's unprintable edges of that paper, two-sided
// printing and whether a job is a preview. A plain value: the print window
// edits the shared one, a job copies it when it starts.
//
// Printing is in full-page mode: a page is the whole paper, the painter's
// origin its top-left corner; the unprintable edges are the printer's
// minimum margins of the paper (QPageLayout::minimumMargins).
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace zelk {

class PrintInfo {
public:
    enum class Disposition { Spool, Preview };

    // The installed printers (QPrinterInfo), in the order CUPS lists them.
    static QStringList availablePrinterNames();
    // The application's settings before any change: the default printer (or
    // the first one), A4 portrait.
    static PrintInfo defaults();
    // What a page-setup dialog left on a printer: its paper, orientation and
    // printer; the edges measured again.
    static PrintInfo fromPrinter(const QPrinter& printer);

    const QString& printerName() const { return printerName_; }
    // An installed printer's name (its edges are measured); false, and
    // nothing changed, for a name that is not installed.
    bool setPrinterName(const QString& name);
    const QPageSize& pageSize() const { return pageSize_; }
    void setPageSize(const QPageSize& size);
    QPageLayout::Orientation orientation() const { return orientation_; }
    void setOrientation(QPageLayout::Orientation orientation);

    // The paper, width and height in the orientation; in points unless
    // asked in the unit it is defined in (A4 in whole points reads 209.90 x
    // 297.04 mm).
    QSizeF paperSize(QPageSize::Unit unit = QPageSize::Point) const;
    // The paper's localised name, as QPageSize names it.
    QString paperName() const { return pageSize_.name(); }
    // The unprintable edges, points, of the paper in its orientation.
    QMarginsF unprintableEdges() const { return edges_; }

    QPrinter::DuplexMode duplex = QPrinter::DuplexNone;
    Disposition jobDisposition = Disposition::Spool;

    // Sets up a printer for a job with these settings: the printer (when
    // installed), full-page mode, the paper, the orientation, no margins and
    // the duplex request (which Qt keeps only where the driver offers it).
    void applyTo(QPrinter& printer) const;

private:
    void measureEdges();

    QString printerName_;
    QPageSize pageSize_{QPageSize::A4};
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    QMarginsF edges_;
};

}  // namespace zelk

// The shared print settings (paper, orientation, printer) of the print window
// and the card panel's page setup; replaced through
// SKTWindowController::setPrintInfo.
extern zelk::PrintInfo printInfo;
