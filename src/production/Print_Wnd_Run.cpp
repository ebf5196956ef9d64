// The print window's Preview and Print runs.
#include "production/Print_Wnd.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/ScreenFit.h"
#include "foundation/Codes.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "production/CardsReadingWrong.h"
#include "production/PrintGlobals.h"
#include "production/PrintJob.h"
#include "production/PrintJobSettings.h"
#include "production/PrintRange.h"

#include <QCheckBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QSpinBox>

// ---------------------------------------------------------------- runs

void Print_Wnd::Generate_No_Batch_Card_Image() {
    if (!designSide)
        return;
    if (card_side_str == QLatin1String("BOTH")) {
        back_image = designSide(CardSide::Back);
        front_image = designSide(CardSide::Front);
    } else if (card_side_str == QLatin1String("F")) {
        front_image = designSide(CardSide::Front);
    } else {
        back_image = designSide(CardSide::Back);
    }
}

void Print_Wnd::Verify_Card_Count() {
    batch = cardSource ? cardSource(print_with_batch_chk->isChecked(), print_with_excel_chk->isChecked())
                       : zelk::PrintCardSource();
}

void Print_Wnd::PreviewButtonPressed() {
    Execute_Printing(true);
}

void Print_Wnd::PrintButtonPressed() {
    Execute_Printing(false);
}

void Print_Wnd::Execute_Printing(bool preview) {
    const QSizeF paper = printInfo.paperSize();
    if (zelk::PrintRange::cardExceedsPaper(label_width, label_hight, Left_Mar, Rite_Mar, Top_Mar, Bot_Mar, horz_mar,
                                           vert_mar, paper.width(), paper.height()) &&
        Show_YES_NO_MessageBox(zelk::PrintRange::exceedsPaperQuestion) != 1)
        return;
    // Each run prints from a batch of its own, taken now.
    Verify_Card_Count();
    const zelk::PrintRange range =
        zelk::PrintRange::resolve(All_print_rd->isChecked(), Total_Stepper->value(), from_Stepper->value(),
                                  To_Stepper->value(), batch.usesData(), batch.Total_Batch_Excel_Card, Duplex_Printing);
    if (!All_print_rd->isChecked())
        Print_End = range.Print_End;
    if (!range.ok) {
        Show_MessageBox(range.message);
        return;
    }
    Print_Start = range.Print_Start;
    Total_Label = Total_Label_Real = range.Total_Label;
    printInfo.jobDisposition = preview ? zelk::PrintInfo::Disposition::Preview : zelk::PrintInfo::Disposition::Spool;
    Call_Print_Box_1();
    // The preview's pages went with its dialog.
    if (preview)
        zelk::PrintJob::returnFreedMemory();
}

void Print_Wnd::Call_Print_Box_1() {
    const zelk::PrintJobSettings settings =
        zelk::PrintJobSettings::fromGlobals(batch.usesData(), batch.Total_Batch_Excel_Card);
    const zelk::PrintJob job(settings, front_image, back_image, batch);
    zelk::PrintInfo info = printInfo;
    info.duplex = Duplex_Printing ? QPrinter::DuplexLongSide : QPrinter::DuplexNone;
    QPrinter printer(QPrinterInfo::printerInfo(info.printerName()), QPrinter::HighResolution);
    info.applyTo(printer);
    printer.setDocName(QStringLiteral("Zelk ID Card"));
    const int pages = job.view().numberOfPages();
    if (settings.preview) {
        QPrintPreviewDialog dialog(&printer, this);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                [&job, pages](QPrinter* target) { job.paint(*target, pages); });
        zelk::openLarge(&dialog);
        zelk::DialogRunner::run(&dialog);
    } else {
        setEnabled(false);
        printing = true;
        const bool sent = job.paintOnWorker(printer, pages);
        printing = false;
        setEnabled(true);
        if (!sent)
            Show_MessageBox(QStringLiteral("The cards could not be sent to the printer \"%1\".")
                                .arg(info.printerName()));
    }
    lastRunFailures = job.failureMessage();
    // One closing message: the cards not made, then those made whose
    // fields read wrong.
    QStringList told{lastRunFailures,
                     zelk::cardsReadingWrongMessage(job.cardsReadingWrong(),
                                                    ::Start_Card_Option == StartMode::GroupList)};
    told.removeAll(QString());
    if (!told.isEmpty())
        Show_MessageBox(told.join(QStringLiteral("\n\n")));
}
