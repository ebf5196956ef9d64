// The export topic of the hub: the export command, the single and batch
// exports and the writing of each file. The rules are in ExportWindow,
// ExportFileWriter, ExportBatchJob and ExportPicture; this file wires them to
// the design, the windows and the process-wide values.
#include "mainwindow/SKTWindowController.h"

#include "dialogs/DialogGlobals.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "dialogs/Send_Modeless.h"
#include "dialogs/Services.h"
#include "foundation/Codes.h"
#include "foundation/ExportNames.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "production/CardsReadingWrong.h"
#include "production/ExportBatchJob.h"
#include "production/ExportCardSupply.h"
#include "production/ExportFileWriter.h"
#include "production/ExportGlobals.h"
#include "production/ExportPicture.h"
#include "production/ExportWindow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>

using zelk::ExportBatchJob;
using zelk::ExportCardSupply;
using zelk::ExportFileWriter;
using zelk::ExportPicture;

namespace {

// The folder the export panels open in: the last one chosen.
QString& lastFolder() {
    static QString folder = QDir::homePath();
    return folder;
}

QString stemOf(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

QString withSideName(const QString& path, const QString& side) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString ext = dot > 0 ? name.mid(dot + 1) : QString();
    return QDir(info.path()).filePath(QStringLiteral("%1_%2.%3").arg(stem, side, ext));
}

void reportWriteFailure(const ExportFileWriter::Result& r) {
    Show_MessageBox(QStringLiteral("The file could not be written:\n\n%1\n\n%2").arg(r.path, r.reason));
}

// Export_File_Function with its outcome: the run goes on after a cancelled
// file, not after a failed one or a cancel all.
ExportFileWriter::Result writeExportFile(const QString& path, const ExportPicture& image, bool skip_keep_replace_msg,
                                         bool increase_dpi) {
    const ExportFileWriter::Result r = ExportFileWriter::write(
        path, [&](QString* why) { return image.encode(QFileInfo(path).suffix(), increase_dpi, why); },
        skip_keep_replace_msg);
    if (r.outcome == ExportFileWriter::Outcome::Failed) {
        reportWriteFailure(r);
        return r;
    }
    if (!r.written())
        return r;
    if (r.path != path) {
        // A kept file: the box opens the new name.
        if (stemOf(QFileInfo(path).fileName()).right(4) == QLatin1String("Back"))
            ::Export_Back_File_Path = r.path;
        else
            ::Export_File_Path = r.path;
    }
    ::Export_File_Path = r.path;
    ::check_any_card_exported = 1;
    return r;
}

}  // namespace

zelk::ExportWindow* SKTWindowController::exportWindow() {
    if (!exportWindow_)
        exportWindow_ = new zelk::ExportWindow(this);
    return exportWindow_;
}

QString SKTWindowController::Check_Exist_Path_and_Create_New(const QString& path) const {
    return zelk::ExportNames::freeName(path);
}

QString SKTWindowController::Create_Front_Card_Path(const QString& path) const {
    return withSideName(path, QStringLiteral("Front"));
}

QString SKTWindowController::Create_Back_Card_Path(const QString& path) const {
    return withSideName(path, QStringLiteral("Back"));
}

void SKTWindowController::Set_Tot_Value(int value, int max, const QString& target) {
    exportWindow()->Set_Tot_Value(value, max, target);
}

bool SKTWindowController::Export_File_Function(const QString& path, const ExportPicture& image, bool show_msg,
                                               bool skip_keep_replace_msg, bool increase_dpi) {
    if (!writeExportFile(path, image, skip_keep_replace_msg, increase_dpi).written())
        return false;
    if (show_msg) {
        ::Export_File_Message = QStringLiteral("File has been exported successfully.");
        Open_Export_File_Box();
    }
    return true;
}

bool SKTWindowController::Export_Combined_Image(const ExportPicture& front, const ExportPicture& back,
                                                const QString& path, bool show_msg) {
    const ExportPicture both =
        ExportPicture::combined(front, back, exportWindow()->combined_image_H_or_V_chk->isChecked());
    if (both.isNull()) {
        Show_NSLog_Message(QStringLiteral("Invalid image"));
        return false;
    }
    if (!writeExportFile(path, both, show_msg, true).written())
        return false;
    if (show_msg) {
        ::Export_File_Message = QStringLiteral("Card has been exported successfully.");
        Open_Export_File_Box();
    }
    return true;
}

void SKTWindowController::Export_Single_File(const QString& path, bool show_msg) {
    const int remembered = ::Card_Front_Or_Back;
    const bool combined = exportWindow()->export_combined_image_chk->isChecked();
    auto card = [this](const QString& side) { return ExportPicture(ExportCardSupply::liveCard(*this, side).image); };
    // The box after the export names the back's file only when it was written.
    ::Export_Back_File_Path.clear();
    if (::export_card_side == QLatin1String("BOTH")) {
        ::Card_Front_Or_Back = CardSide::Back;
        const ExportPicture back = card(QStringLiteral("B"));
        bool goOn = true;
        if (!combined) {
            const ExportFileWriter::Result r = writeExportFile(Create_Back_Card_Path(path), back, show_msg, true);
            if (r.written())
                ::Export_Back_File_Path = r.path;
            goOn = r.written() || r.outcome == ExportFileWriter::Outcome::Cancelled;
        }
        if (goOn) {
            ::Card_Front_Or_Back = CardSide::Front;
            const ExportPicture front = card(QStringLiteral("F"));
            if (combined)
                Export_Combined_Image(front, back, path, show_msg);
            else
                Export_File_Function(Create_Front_Card_Path(path), front, show_msg, show_msg, true);
        }
    } else {
        const bool isBack = ::export_card_side == QLatin1String("B");
        ::Card_Front_Or_Back = isBack ? CardSide::Back : CardSide::Front;
        const QString target = !show_msg ? path : isBack ? Create_Back_Card_Path(path) : Create_Front_Card_Path(path);
        Export_File_Function(target, card(isBack ? QStringLiteral("B") : QStringLiteral("F")), show_msg, show_msg,
                             true);
    }
    ::Card_Front_Or_Back = remembered;
}

void SKTWindowController::Export_Button() {
    if (exportRunning())
        return;
    const ExportCardSupply& supply = ExportCardSupply::current();
    supply.checkUse(*this);
    replace_keep_file_flag = 0;
    ::check_any_card_exported = 0;
    Mirror_Image_Create = false;
    Mirror_Vertical_Not_Horz = false;
    zelk::ExportWindow* win = exportWindow();
    win->recount = [this] { ExportCardSupply::current().recount(*this); };
    win->resetForExport(::CARD_SIDE_STR == QLatin1String("2"), ::Start_Card_Option == QLatin1String("V"),
                        Use_Data_Sheet_Values, ::Use_Excel_Binding_Values);
    if (win->Open_Wnd() != 1)
        return;
    const bool dataSheetValues = Use_Data_Sheet_Values;
    const bool excelValues = ::Use_Excel_Binding_Values;
    if (!Set_Front_Back_Value_To_Print_Export_Mail())
        return;
    // However the command ends, a group project's design comes back.
    struct GroupTail {
        SKTWindowController& w;
        bool data, excel;
        ~GroupTail() { w.Group_Mode_Print_Export_Tail(data, excel); }
    } groupTail{*this, dataSheetValues, excelValues};
    if (!win->Export_with_batch_chk->isChecked())
        Use_Data_Sheet_Values = false;
    if (!win->Export_with_excel_chk->isChecked())
        ::Use_Excel_Binding_Values = false;
    supply.recount(*this);
    const QString ext = win->fileType();

    if (win->dataValuesOn()) {
        const QString folder =
            zelk::chooseFolder(this, QStringLiteral("Choose the folder for the exported cards"), lastFolder());
        if (folder.isEmpty() || !win->applyRange())
            return;
        lastFolder() = folder;
        Export_Batch_File(folder);
        return;
    }

    // One card: a name that replaces no file the user did not agree to.
    QString path;
    for (;;) {
        const QString suggested =
            QDir(lastFolder()).filePath(QStringLiteral("Card_%1.%2").arg(export_card_counter).arg(ext));
        path = zelk::chooseSavePath(this, QStringLiteral("Export"), suggested,
                                    QStringLiteral("%1 files (*.%2 *.%3)").arg(ext, ext.toLower(), ext.toUpper()));
        if (path.isEmpty())
            return;
        const QFileInfo chosen(path);
        QString stem = chosen.fileName();
        if (chosen.suffix().compare(ext, Qt::CaseInsensitive) == 0)
            stem = stemOf(stem);
        path = QDir(chosen.path()).filePath(stem + QLatin1Char('.') + ext);
        QStringList targets;
        const bool combined = win->export_combined_image_chk->isChecked();
        if (::export_card_side == QLatin1String("BOTH") && combined)
            targets << path;
        else if (::export_card_side == QLatin1String("BOTH"))
            targets << Create_Back_Card_Path(path) << Create_Front_Card_Path(path);
        else if (::export_card_side == QLatin1String("B"))
            targets << Create_Back_Card_Path(path);
        else
            targets << Create_Front_Card_Path(path);
        bool agreed = true;
        for (const QString& t : targets) {
            if (QFileInfo::exists(t) &&
                Show_YES_NO_MessageBox(QFileInfo(t).fileName() +
                                       QStringLiteral(" already exists. Do you want to replace it?")) != 1) {
                agreed = false;
                break;
            }
        }
        if (agreed)
            break;
        ++export_card_counter;
    }
    lastFolder() = QFileInfo(path).path();
    ++export_card_counter;
    Export_Single_File(path, true);
}

void SKTWindowController::Export_Batch_File(const QString& folder) {
    if (exportRunning())
        return;
    zelk::ExportWindow* win = exportWindow();
    ExportBatchJob::Settings s;
    s.folder = folder;
    s.extension = win->fileType();
    s.card_side = ::export_card_side;
    s.combined = s.card_side == QLatin1String("BOTH") && win->export_combined_image_chk->isChecked();
    s.sideBySide = win->combined_image_H_or_V_chk->isChecked();
    s.first = ::Print_Start;
    s.end = Total_Label;
    Stop_SMS_Sending_Now = false;
    auto job = std::make_shared<ExportBatchJob>(s, ExportCardSupply::current().cards(*this));
    if (!zelk::createOutputFolder(job->outputFolder())) {
        Show_MessageBox(unable_saving_Msg);
        Set_Graphic_Array_According_Side();
        return;
    }
    exportJob_ = job;
    if (!send_modls_wnd)
        send_modls_wnd = new Send_Modeless(this);
    send_modls_wnd->prepareJob(job->total(), QStringLiteral("0 / %1 Card").arg(job->total()));
    Show_One_By_One_Modeless();
    exportThread_ = QThread::create([job] { job->run(); });
    connect(
        exportThread_, &QThread::finished, this,
        [this] { send_modls_wnd->stopQuestion().afterAnswer(this, [this] { finishBatch(); }); },
        Qt::QueuedConnection);
    exportThread_->start();
}

void SKTWindowController::Show_One_By_One_Modeless() {
    if (!send_modls_wnd)
        send_modls_wnd = new Send_Modeless(this);
    std::shared_ptr<const ExportBatchJob> job = exportJob_;
    send_modls_wnd->beginSheet(this, [job] { return job ? job->cardsBegun() : 0; });
}

void SKTWindowController::Hide_One_By_One_Modeless() {
    if (send_modls_wnd)
        send_modls_wnd->endSheet();
}

void SKTWindowController::finishBatch() {
    if (!exportThread_)
        return;
    exportThread_->wait();
    delete exportThread_;
    exportThread_ = nullptr;
    const std::shared_ptr<ExportBatchJob> job = std::move(exportJob_);
    Hide_One_By_One_Modeless();
    ::curr_msg_count_str = send_modls_wnd->curr_msg_count_str;
    ::Export_File_Path = job->outputFolder();
    ::Export_Back_File_Path.clear();  // the folder holds every side
    // "Successfully" only when every card of the run was written: not after
    // a card that could not be made, nor after Stop.
    const QString counted =
        QStringLiteral("%1 of %2 cards have been exported.").arg(job->cardsWritten()).arg(job->total());
    ::Export_File_Message = job->cardsWritten() == job->total()
                                ? QStringLiteral("Card has been exported successfully.")
                                : counted;
    if (const QString wrong = zelk::cardsReadingWrongMessage(job->cardsReadingWrong(),
                                                             ::Start_Card_Option == StartMode::GroupList);
        !wrong.isEmpty())
        ::Export_File_Message += QStringLiteral("\n\n") + wrong;
    if (job->filesWritten() > 0)
        ::check_any_card_exported = 1;
    Set_Graphic_Array_According_Side();
    if (const auto& failure = job->writeFailure()) {
        Show_MessageBox(unable_saving_Msg +
                        QStringLiteral("\n\n%1\n%2\n\n%3").arg(failure->path, failure->reason, counted));
        return;
    }
    if (!job->unmadeCards().isEmpty())
        Show_MessageBox(QStringLiteral("These cards could not be made, and nothing was written for them:\n\n") +
                        job->unmadeCards().join(QLatin1Char('\n')));
    Open_Export_File_Box();
}

void SKTWindowController::endExportRun() {
    if (!exportThread_)
        return;
    exportThread_->disconnect(this);
    replace_keep_file_flag = 5;
    Stop_SMS_Sending_Now = true;
    // The job may be waiting for the GUI thread (a question): serve it.
    while (!exportThread_->wait(20))
        QCoreApplication::processEvents();
    delete exportThread_;
    exportThread_ = nullptr;
    exportJob_.reset();
}
