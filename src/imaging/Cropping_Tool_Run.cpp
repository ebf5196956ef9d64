// The cropping tool's runs: the crop of a direct mode and the batch crop of
// the list on a worker under the progress sheet, with the series file or
// the Excel column it fills.
#include "imaging/Cropping_Tool.h"

#include "datasource/Data_From_Excel.h"
#include "datasource/Import_Excel_DataSheet.h"
#include "datasource/SeriesFile.h"
#include "dialogs/DialogGlobals.h"
#include "dialogs/PleaseWait_Modeless.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "dialogs/Send_Modeless.h"
#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QThread>

#include <algorithm>
#include <exception>

namespace {

const QString OutsideMany =
    QStringLiteral("Nothing of these pictures lies inside the selection, and nothing was written for them:\n\n%1");

}  // namespace

void Cropping_Tool::Crop_Direct_Image_Clicked() {
    clearCropFlags();
    if (crop_direct == 1 && User_Picture.isNull()) {
        Show_MessageBox(QStringLiteral("There is no image to crop."));
        return;
    }
    if (croping_selection == 0) {
        if (!takeCropRect())
            return;
        // A rectangle without width or height crops nothing.
        if (crop_direct == 1 && Crop_Rect.normalized().isEmpty()) {
            Show_MessageBox(QStringLiteral("Please select area to crop."));
            return;
        }
    }
    if (crop_direct == 1) {
        plz_wait_Window->beginSheet(this);
        raise();
        Crop_Output_Path = ::Cropped_Img_Path;
        Create_Folder(Crop_Output_Path);
        Crop_Direct_Path = hub_ ? hub_->Check_Exist_Path_and_Create_New(
                                      QDir(Crop_Output_Path).filePath(QFileInfo(Crop_Input_Path).fileName()))
                                : QString();
        const bool written = Crop_Image_Function(Crop_Direct_Path, true);
        plz_wait_Window->endSheet();
        // A failed write has said why; the tool stays open.
        if (!written)
            return;
        Crop_Direct_Path = croped_file;
        const bool reminder = ::Start_Card_Option == QLatin1String("G") && ctrl_data_source_type == 2;
        ::Export_File_Message =
            reminder ? CroppedMessage + QStringLiteral("\n\nPlease click on 'Save Details' button to update your "
                                                       "changes in your project data.")
                     : CroppedMessage;
        Close_Box_With_OK();
        return;
    }
    const QString question =
        crop_direct == 2
            ? QStringLiteral("This action will create new batch series with all new cropped images.\nAre you sure you "
                             "want to continue?")
            : QStringLiteral("This action will create new excel column with all new cropped images.\nAre you sure you "
                             "want to continue?");
    if (Show_YES_NO_MessageBox(question) != 1)
        return;
    Crop_Output_Path = ::Cropped_Img_Path;
    Crop_All_Clicked();
}

void Cropping_Tool::Crop_All_Clicked() {
    if (runThread_)
        return;
    Crop_All_Thread_Running = false;
    clearCropFlags();
    try {
        prepareRun();
    } catch (const std::exception& e) {
        // Whatever failed, the sheet does not stay over the tool.
        if (send_modls_wnd && !runThread_)
            send_modls_wnd->endSheet();
        Crop_All_Thread_Running = false;
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

bool Cropping_Tool::prepareRun() {
    if (!takeCropRect(true))
        return false;
    list_count = int(ListData.size());

    // A sheet of the tool's own: one borrowed from the main window would be
    // reparented here and could die with the tool.
    if (!send_modls_wnd)
        send_modls_wnd = new Send_Modeless(this);
    send_modls_wnd->prepareJob(list_count, QStringLiteral("%1 / %2").arg(0).arg(list_count));
    send_modls_wnd->curr_msg_count_str = QStringLiteral("%1 / %2").arg(0).arg(list_count);
    Create_Folder(Crop_Output_Path);

    seriesPath_.clear();
    replaceSeries_ = false;
    excelColumn_.clear();
    if (input_selection == 3) {
        const QString name = selectedSeries();
        replaceSeries_ = crop_direct == 0 && batch_matrix->checkedId() != 0;
        const QString base = QDir(::Data_Folder_Path)
                                 .filePath(replaceSeries_ ? name + QLatin1Char('.') + ::batch_file_EXT
                                                          : Remove_Reserve_Char_In_File_Name(name) +
                                                                QLatin1Char('.') + ::batch_file_EXT);
        seriesPath_ = replaceSeries_ ? base : hub_ ? hub_->Check_Exist_Path_and_Create_New(base) : base;
        const QString written = QFileInfo(seriesPath_).completeBaseName();
        if (crop_direct == 2) {
            Crop_Direct_Series = written;
            Crop_Output_Path = QDir(Crop_Output_Path).filePath(written);
            Create_Folder(Crop_Output_Path);
        }
        // The series is written when the run ends; its folder must be there.
        if (name.isEmpty() || !Create_Folder(::Data_Folder_Path) || QFileInfo(seriesPath_).isDir()) {
            Show_MessageBox(QStringLiteral("Error in series file accessing."));
            return false;
        }
    }
    if (input_selection == 4 && crop_direct == 3) {
        Data_From_Excel* excel = Data_From_Excel::defaultInstance();
        const int n = int(excel->ColList().size());
        const QString title = QStringLiteral("Column %1").arg(n + 1);
        excelColumn_ = excel->addDataColumn(title);
        excel->reloadData();
        Crop_New_Excel_Col_Index = n;
        Crop_New_Excel_Col_Name = excelColumn_;
        Crop_Output_Path = QDir(Crop_Output_Path).filePath(title);
        Create_Folder(Crop_Output_Path);
    }

    zelk::CropJob::Settings s;
    s.crop = cropSettings();
    s.naming = cropNaming();
    for (int i = 0; i < ListData.size(); ++i)
        s.rows << Get_Item_Text(i);
    s.crop_direct = crop_direct;
    s.cascadePath = cascadePath;
    job_ = std::make_shared<zelk::CropJob>(s, askReplace);
    // The screen follows the rows; the worker does not wait for it.
    QPointer<Cropping_Tool> self(this);
    job_->rowStarted = [self](int row) {
        QMetaObject::invokeMethod(
            self, [self, row] {
                if (self)
                    self->followRow(row);
            },
            Qt::QueuedConnection);
    };
    std::shared_ptr<const zelk::CropJob> job = job_;
    send_modls_wnd->beginSheet(this, [job] { return job->rowsDone(); });
    Show_hide_Crop_Selection(false);
    Crop_All_Thread_Running = true;
    runThread_ = QThread::create([job = job_] { job->run(); });
    connect(
        runThread_, &QThread::finished, this,
        [this] { send_modls_wnd->stopQuestion().afterAnswer(this, [this] { finishRun(); }); }, Qt::QueuedConnection);
    runThread_->start();
    return true;
}

void Cropping_Tool::followRow(int row) {
    if (Crop_All_Thread_Running)
        Mark_List_New_Selection(row);
}

void Cropping_Tool::finishRun() {
    if (!runThread_)
        return;
    runThread_->wait();
    delete runThread_;
    runThread_ = nullptr;
    const std::shared_ptr<zelk::CropJob> job = std::move(job_);
    Crop_All_Thread_Running = false;
    crop_num = job->crop_num();
    croped_file = job->results().isEmpty() ? QString() : job->results().constLast();
    if (job->filesWritten() > 0)
        ::check_any_card_exported = 1;

    // The run went through: neither Stop nor a failed write ended it.
    const bool whole = !job->stopped() && job->failure().isEmpty();
    bool seriesFailed = false;
    bool seriesKept = false;
    if (!seriesPath_.isEmpty()) {
        // A replaced series changes only when the run went through; a new
        // one holds the rows done.
        if (replaceSeries_ && !whole)
            seriesKept = true;
        else if (!SeriesFile::write(seriesPath_, job->results()))
            seriesFailed = true;
        // The list keeps its placeholder and the series it showed.
        const QString shown = batch_list->currentText();
        fillSeriesList();
        batch_list->setCurrentIndex(std::max(0, batch_list->findText(shown)));
    }
    if (!excelColumn_.isEmpty()) {
        Data_From_Excel* excel = Data_From_Excel::defaultInstance();
        for (int row = 0; row < excel->ListData.size(); ++row)
            excel->ListData[row][excelColumn_] = row < job->results().size() ? job->results().at(row) : QString();
        excel->reloadData();
    }
    // The screen ends on the last row's picture: in face mode its own face
    // (searched quietly) places the selection, not the first picture's.
    if (croping_selection == 1) {
        Crop_All_Thread_Running = true;
        Find_Face_Function_In_Image();
        Crop_All_Thread_Running = false;
    }
    if (croping_selection == 0 || (croping_selection == 1 && Find_Face))
        Show_hide_Crop_Selection(true);
    send_modls_wnd->update_sending_progress_bar();
    ::curr_msg_count_str = send_modls_wnd->curr_msg_count_str;
    send_modls_wnd->endSheet();

    if (seriesFailed) {
        Show_MessageBox(QStringLiteral("Error in series file accessing."));
        return;
    }
    if (!job->failure().isEmpty())
        Show_MessageBox(QStringLiteral("The file could not be written:\n\n%1").arg(job->failure()));
    if (!job->unreadable().isEmpty())
        Show_MessageBox(zelk::unreadablePicturesMessage(job->unreadable()));
    if (!job->outside().isEmpty())
        Show_MessageBox(OutsideMany.arg(job->outside().join(QLatin1Char('\n'))));
    ::Export_File_Path = Crop_Output_Path;
    // "Successfully" only for a run that went through with a file for every
    // picture: one unreadable, without a face or outside the selection counts.
    if (seriesKept)
        ::Export_File_Message = QStringLiteral("Cropping was stopped. The series has not been changed.");
    else if (whole && job->filesWritten() == job->total())
        ::Export_File_Message = CroppedMessage;
    else
        ::Export_File_Message =
            QStringLiteral("%1 of %2 images have been cropped.").arg(job->filesWritten()).arg(job->total());
    if (crop_direct == 2 || crop_direct == 3)
        Close_Box_With_OK();
    else if (job->filesWritten() == 0 && job->total() > 0)
        // No file to offer, but the run still tells what became of it.
        Show_MessageBox(::Export_File_Message);
    else
        Open_Export_File_Box();
}
