#include "production/PageSetupPanel.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/PrintInfo.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace zelk {

bool PageSetupPanel::run(QWidget* parent, PrintInfo& info) {
    QPrinter printer(QPrinterInfo::printerInfo(info.printerName()), QPrinter::HighResolution);
    info.applyTo(printer);
    // The panel serves installed printers only.
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return false;
    QPageSetupDialog panel(&printer, parent);
    if (DialogRunner::run(&panel) != 1)
        return false;
    PrintInfo chosen = PrintInfo::fromPrinter(printer);
    chosen.jobDisposition = info.jobDisposition;
    chosen.duplex = info.duplex;
    info = chosen;
    return true;
}

}  // namespace zelk
