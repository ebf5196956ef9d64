// The main window's design files: save, open, close, and the archive of the
// design taken before a batch.
#include "mainwindow/SKTWindowController.h"

#include "canvas/SKTGraphicView.h"
#include "datasource/Data_From_Excel.h"
#include "datasource/SeriesFile.h"
#include "dialogs/PleaseWait_Modeless.h"
#include "dialogs/Services.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/BarcodeProducer.h"
#include "mainwindow/DesignBackup.h"
#include "mainwindow/DesignFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>

#include <utility>

namespace {

// Hands the window's producer the barcode pictures of a design being
// loaded, and keeps the last one as Barcode_output_image.
class RecordingProducer : public zelk::BarcodeProducer {
public:
    explicit RecordingProducer(zelk::BarcodeProducer& inner) : inner_(inner) {}
    QImage produceBarcode(const SKTGraphic& graphic, const QString& value, const QString& header,
                          const QString& footer) override {
        QImage picture = inner_.produceBarcode(graphic, value, header, footer);
        if (!picture.isNull())
            Barcode_output_image = picture;
        return picture;
    }

private:
    zelk::BarcodeProducer& inner_;
};

// How a design file is read back: Excel values from the file's own table
// (the reader's), a series gives its first line.
zelk::GraphicRecordContext readingContext(zelk::BarcodeProducer* producer) {
    zelk::GraphicRecordContext context;
    context.producer = producer;
    context.firstBoundValue = [](const SKTGraphic& g) {
        if (g.data_source_type != DataSourceType::Series)
            return QString();
        return SeriesFile::readFirstValue(SeriesFile::filePath(g.batch_list_name, Data_Folder_Path));
    };
    return context;
}

}  // namespace

// ---------------------------------------------------------------- the design as a value

zelk::DesignContents SKTWindowController::currentDesignContents() const {
    zelk::DesignContents c;
    c.Start_Card_Option = ::Start_Card_Option;
    c.CARD_SIDE_STR = ::CARD_SIDE_STR;
    c.Card_Shape = ::Card_Shape;
    c.Front_card_Prop = Front_card_Prop;
    c.Back_card_Prop = Back_card_Prop;
    c.frontGraphics = document_->graphics;
    c.backGraphics = document_->graphics_back;
    // A text of the user's that draws nothing (placed and never typed into,
    // or emptied since) is no part of the design; one that shows is.
    for (GraphicList* side : {&c.frontGraphics, &c.backGraphics})
        side->removeIf([](const std::shared_ptr<SKTGraphic>& g) { return zelk::isBlankOwnText(g.get()); });
    c.Excel_Binding_Use = ::Excel_Binding_Use;
    c.Excel_Source_Path = ::Excel_Source_Path;
    if (Data_From_Excel_Window) {
        c.excelColumnTitles = Data_From_Excel_Window->columnTitles();
        c.excelRows = Data_From_Excel_Window->ListData;
    }
    c.excel_cb_value = excel_cb_value;
    return c;
}

void SKTWindowController::applyDesignContents(const zelk::DesignContents& c, bool read_xl_from_log) {
    Not_Draw_Only_Prop_Change = true;
    ::Start_Card_Option = c.Start_Card_Option;
    ::CARD_SIDE_STR = c.CARD_SIDE_STR;
    ::Card_Shape = c.Card_Shape;
    Front_card_Prop = c.Front_card_Prop;
    Back_card_Prop = c.Back_card_Prop;
    // Background pictures are not stored: they come from their files.
    for (Card_Property* p : {&Front_card_Prop, &Back_card_Prop}) {
        p->Card_BG_Image = QImage();
        if (!p->Card_BG_Image_Path.isEmpty())
            p->Card_BG_Image = QImage(Check_Path_For_App_Resources(p->Card_BG_Image_Path));
    }

    if (read_xl_from_log) {
        ::Excel_Binding_Use = c.Excel_Binding_Use;
        ::Excel_Source_Path = c.Excel_Source_Path;
        excel_cb_value = c.excel_cb_value;
        Data_From_Excel* table = Data_From_Excel::defaultInstance();
        table->restoreColumnTitles(c.excelColumnTitles);
        table->setListData(c.excelRows);
        table->reloadData();
    }

    document_->graphics = c.frontGraphics;
    document_->graphics_back = c.backGraphics;
    document_->graphics_temp.clear();
    for (SKTGraphicView* canvas : {_graphicView, _graphicView_BACK, _graphicView_TEMP}) {
        canvas->Clear_Control_Selection();
        canvas->resetUndoHistory();
    }
    for (int side : {SKTDocument::FrontSide, SKTDocument::BackSide, SKTDocument::TempSide})
        document_->notifyGraphicsChanged(side);

    QSizeF size = Front_card_Prop.Card_Size;
    if (size.width() <= 0 || size.height() <= 0)
        size = document_->documentSize();
    SetDocumentCanvasSize(size);
    startedFromTemplate_.clear();
    Select_front_side();
    // Cleared on every road that ends here (open, template, wizard): while
    // it is set, the inspector loads nothing, not even the first graphic
    // the user clicks.
    Not_Draw_Only_Prop_Change = false;
    Show_RHS_Properties(nullptr);
}

void SKTWindowController::setDesignModeSteps(const QString& startMode, DesignModeSteps steps) {
    designModeSteps_.insert(startMode, std::move(steps));
}

QByteArray SKTWindowController::designState() const {
    return DesignFile::designFileData(currentDesignContents(), StartMode::DesignFile);
}

void SKTWindowController::markDesignSaved() { savedState_ = designState(); }

bool SKTWindowController::isDesignChanged() const { return designState() != savedState_; }

// ---------------------------------------------------------------- save and open

int SKTWindowController::Save_project_file(bool save_as, bool show_msg, const QString& log_or_template) {
    QString path = ::Project_File_Name;
    if (save_as || path.isEmpty()) {
        QString suggested = path;
        if (suggested.isEmpty())
            suggested = QDir(QDir::homePath()).filePath(default_file_name + QLatin1Char('.') + design_file_EXT);
        path = zelk::chooseSavePath(this, tr("Save"), suggested,
                                    tr("Design files (*.%1)").arg(design_file_EXT));
        if (path.isEmpty())
            return 0;  // cancelled: nothing written
        if (QFileInfo(path).suffix().compare(design_file_EXT, Qt::CaseInsensitive) != 0)
            path += QLatin1Char('.') + design_file_EXT;
    }

    // What is being typed in place is part of the design.
    for (SKTGraphicView* canvas : {_graphicView, _graphicView_BACK})
        canvas->endEditing(true);
    // A group project writes its list into the table first.
    if (const DesignModeSteps steps = designModeSteps_.value(::Start_Card_Option); steps.beforeSaving)
        steps.beforeSaving(*this);
    const zelk::DesignWriteResult written =
        DesignFile::writeDesignFile(path, currentDesignContents(), log_or_template);
    if (!written.ok) {
        // A failure is never silent: the earlier file is still there.
        Show_NSLog_Message(written.message());
        Show_MessageBox(written.message());
        return 0;
    }
    if (log_or_template == StartMode::DesignFile) {
        ::Project_File_Name = path;
        markDesignSaved();
        Set_Log_Name_In_Title();
    }
    if (show_msg)
        Show_MessageBox(QStringLiteral("Design saved successfully."));
    return 1;
}

int SKTWindowController::Read_and_load_design_Log_NEW_METHOD(const QString& path,
                                                             const QString& log_or_template,
                                                             bool read_xl_from_log) {
    RecordingProducer producer(barcodeProducer_ ? *barcodeProducer_ : zelk::defaultBarcodeProducer());
    const zelk::DesignReadResult read = DesignFile::readDesignFile(path, readingContext(&producer));
    if (!read.ok()) {
        Show_NSLog_Message(read.detail);
        Show_MessageBox(read.message.isEmpty() ? DesignFile::CorruptMessage : read.message);
        return 0;
    }
    // What the desk's or a group project's panels hold belongs to the
    // design before.
    if (::Start_Card_Option == StartMode::Visitor || ::Start_Card_Option == StartMode::GroupList)
        Reset_All_Visitor_Grp_Mode_Ctrl();
    applyDesignContents(*read.contents, read_xl_from_log);
    ::Project_File_Name = log_or_template == StartMode::Template ? QString() : path;
    if (log_or_template == StartMode::Template)
        startedFromTemplate_ = path;
    Set_Log_Name_In_Title();
    // The captions, panes and tools of the mode the design was made in, as
    // a new design of that mode has them, whichever mode it was opened
    // from. The visitor and group modes set up their panels; what they fill
    // is part of the design as opened. Any other mode leaves the desk.
    Title_For_Gen_ID_Card();
    if (const DesignModeSteps steps = designModeSteps_.value(read.contents->Start_Card_Option); steps.afterLoading)
        steps.afterLoading(*this, *read.contents);
    else if (read.contents->Start_Card_Option != StartMode::GroupList)
        Show_Hide_Profile_Panel_Live_Mode(false);
    // The design as opened, its mode set up (a group project showing its
    // first holder), is where undo starts, on every road that opens it.
    startUndoHistory();
    markDesignSaved();
    return 1;
}

bool SKTWindowController::Copy_Card_Design_Clicked() {
    if (::CARD_SIDE_STR != CardSide::TwoSided)
        return false;
    const int from = ::Card_Front_Or_Back == CardSide::Back ? CardSide::Back : CardSide::Front;
    const int to = 1 - from;
    auto sideName = [](int side) { return side == CardSide::Front ? tr("front") : tr("back"); };
    currentCanvas()->endEditing(true);
    GraphicList& target = to == CardSide::Front ? document_->graphics : document_->graphics_back;
    if (!target.isEmpty() &&
        Show_YES_NO_MessageBox(CopyReplaceQuestion.arg(sideName(to), sideName(from))) != 1)
        return false;

    // The side goes through a temporary design file and comes back as new
    // graphics, read as any design is: nothing is shared with the side
    // copied. Only that side is stored: the other comes back empty. Its
    // face travels in the other side's card properties.
    zelk::DesignContents design = currentDesignContents();
    (to == CardSide::Front ? design.frontGraphics : design.backGraphics) =
        std::exchange(from == CardSide::Front ? design.frontGraphics : design.backGraphics, {});
    const Card_Property& fromFace = from == CardSide::Front ? Front_card_Prop : Back_card_Prop;
    (to == CardSide::Front ? design.Front_card_Prop : design.Back_card_Prop).takeFaceOf(fromFace);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("copy.") + design_file_EXT);
    QString why = folder.errorString();
    zelk::DesignReadResult read;
    if (folder.isValid()) {
        const zelk::DesignWriteResult written = DesignFile::writeDesignFile(path, design, StartMode::DesignFile);
        if (written.ok)
            read = DesignFile::readDesignFile(path, readingContext(&barcodeProducer()));
        why = written.ok ? read.detail : written.message();
    }
    if (!read.ok()) {
        Show_NSLog_Message(why);
        Show_MessageBox(QStringLiteral("The design could not be copied: %1").arg(why));
        return false;
    }

    ::copy_card_design = true;
    target = to == CardSide::Front ? read.contents->frontGraphics : read.contents->backGraphics;
    Card_Property& toFace = to == CardSide::Front ? Front_card_Prop : Back_card_Prop;
    const Card_Property faceBefore = toFace;
    toFace.takeFaceOf(to == CardSide::Front ? read.contents->Front_card_Prop : read.contents->Back_card_Prop);
    // Background pictures are not stored: the copy shows the one shown.
    toFace.Card_BG_Image = fromFace.Card_BG_Image;
    SKTGraphicView* canvas = to == CardSide::Front ? _graphicView : _graphicView_BACK;
    canvas->Clear_Control_Selection();
    document_->notifyGraphicsChanged(to);
    if (const DesignModeSteps steps = designModeSteps_.value(::Start_Card_Option); steps.afterCopying)
        steps.afterCopying(*this, to);
    // One step of the side changed, as the mode has set it up: Undo there
    // gives back what it held, face and all, Redo the copy as it was shown.
    canvas->Insert_In_Undo_Redo(zelk::FaceChange{faceBefore, toFace});
    ::copy_card_design = false;
    to == CardSide::Front ? Select_front_side() : Select_back_side();
    return true;
}

void SKTWindowController::Open_Button_Clicked() {
    if (!Ask_Save_Changes())
        return;
    const QString path = zelk::chooseOpenPath(this, tr("Open"), tr("Design files (*.%1)").arg(design_file_EXT));
    if (path.isEmpty())
        return;
    Show_Create_Modeless();
    Read_and_load_design_Log_NEW_METHOD(path, StartMode::DesignFile, true);
    Hide_Destroy_Modeless();
    // The design opened takes the keyboard, also where setting it up gave
    // it to a list of its own (a group project's).
    currentCanvas()->setFocus(Qt::OtherFocusReason);
}

void SKTWindowController::Show_Create_Modeless() {
    try {
        if (!plz_wait_Window) {
            plz_wait_Window = new PleaseWait_Modeless(this);
            modeless_msg_lbl = plz_wait_Window->findChild<QLabel*>();
        }
        if (modeless_msg_lbl)
            modeless_msg_lbl->setText(QStringLiteral("It may take a while, Please wait.."));
        plz_wait_Window->beginSheet(this);
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
    }
}

void SKTWindowController::Hide_Destroy_Modeless() {
    if (plz_wait_Window)
        plz_wait_Window->endSheet();
}

// ---------------------------------------------------------------- batch preparation

bool SKTWindowController::Create_Design_Backup_Array() {
    Graphics_array_Batch_Front_Bkup.clear();
    Graphics_array_Batch_BAck_Bkup.clear();
    const zelk::DesignBackupResult backup =
        DesignBackup::Create_Design_Backup_Array(document_->graphics, document_->graphics_back);
    if (!backup.ok) {
        Show_NSLog_Message(backup.logText);
        Show_MessageBox(backup.message);
        return false;
    }
    Graphics_array_Batch_Front_Bkup.append(backup.front);
    Graphics_array_Batch_BAck_Bkup.append(backup.back);
    return true;
}

void SKTWindowController::Set_Graphic_Array_According_Side() {
    const zelk::BatchSideChoice choice = DesignBackup::Set_Graphic_Array_According_Side(
        ::Card_Front_Or_Back, ::Start_Card_Option, document_->graphics, document_->graphics_back);
    ::Card_Value_In_Process = choice.Card_Value_In_Process;
    Graphics_array_Batch = choice.Graphics_array_Batch;
    if (choice.selectSideAgain) {
        if (choice.side == 0)
            Select_front_side();
        else
            Select_back_side();
    }
}
