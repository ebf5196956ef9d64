// Helpers of the main window used all over the program: units, paths,
// pictures, the series listing, the window title, the default photo, the
// camera folder file, the mail settings, the after-export box, the web and
// mail links, and the accessors of the sides and canvases.
#include "mainwindow/SKTWindowController.h"
#include "mainwindow/ProductLinks.h"

#include "canvas/CardFileEncoder.h"
#include "canvas/NewControlPoint.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/SKTZoomingScrollView.h"
#include "canvas/ToolPalette.h"
#include "datasource/Data_From_Excel.h"
#include "datasource/SeriesFile.h"
#include "datasource/ZipWorkFolder.h"
#include "dialogs/Open_Export_Log.h"
#include "dialogs/PrintInfo.h"
#include "dialogs/Services.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/Preferences.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTImage.h"
#include "foundation/Units.h"
#include "foundation/Utilities.h"
#include "foundation/ValueCodecs.h"
#include "foundation/UserPictureFolder.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/CardSizeChange.h"
#include "mainwindow/CardSizePresets.h"
#include "platform/PropertyList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QUrlQuery>
#include <QVersionNumber>
#include <QDateTime>
#include <QDirIterator>
#include <QLocale>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <algorithm>
#include <exception>
#include <utility>

// ---------------------------------------------------------------- units and paths

double SKTWindowController::MM_to_Points_Convert(double mm) const { return ::MM_to_Points_Convert(mm); }

double SKTWindowController::Points_to_MM_Convert(double points) const {
    return ::Points_to_MM_Convert(points);
}

float SKTWindowController::Get_Unit_Convertor(int from, int into) const { return zelk::unitFactor(from, into); }

QString SKTWindowController::Convert_Path_From_URL(const QString& url) const {
    const QUrl u(url);
    if (u.isLocalFile())
        return QDir::cleanPath(u.toLocalFile());
    return url;
}

QStringList SKTWindowController::Get_datasheet_File_Name_Array() const {
    return ::Get_datasheet_File_Name_Array(Data_Folder_Path);
}

int SKTWindowController::Check_And_Validate_File_Path(const QString& path) const {
    const QString trimmed = Trim_Str(path);
    if (!trimmed.isEmpty() && QFileInfo::exists(trimmed))
        return 0;
    Show_MessageBox(QStringLiteral("Please select valid file path."));
    return 1;
}

QString SKTWindowController::Check_Path_For_App_Resources(const QString& path) {
    return zelk::AppPaths::relocatedIntoResources(path, Resource_Path);
}

// ---------------------------------------------------------------- pictures

QImage SKTWindowController::Get_Image_For_Path(const QString& path, bool /*asIcon*/) {
    // No picture for a missing or unreadable file: callers then show the
    // error picture and say that the source is invalid.
    if (path.isEmpty())
        return QImage();
    return zelk::readPicturePreview(QDir::cleanPath(path));
}

bool SKTWindowController::Save_gen_image(const QImage& image, const QString& path, QString* why) const {
    if (path.isEmpty()) {
        if (why)
            *why = QStringLiteral("There is no file name.");
        return false;
    }
    const QByteArray bytes = zelk::CardFileEncoder::encodeBitmap(image, QFileInfo(path).suffix(), why);
    return !bytes.isEmpty() && zelk::writeFileSafely(path, bytes, why);
}

// ---------------------------------------------------------------- title and Excel table

void SKTWindowController::Set_Log_Name_In_Title() {
    // The application's name goes last: Qt adds the display name to a title
    // that does not end with it.
    QStringList parts;
    // A card the user has not named holds the placeholder name, which the
    // file part already shows for an unsaved design.
    const QString cardName = Trim_Str(Front_card_Prop.Card_Name);
    if (!cardName.isEmpty() && cardName != default_file_name)
        parts << cardName;
    parts << (::Project_File_Name.isEmpty() ? default_file_name : QFileInfo(::Project_File_Name).fileName());
    parts << App_Name;
    setWindowTitle(parts.join(QStringLiteral(" - ")));
}

void SKTWindowController::Delete_Excel_File_Column() {
    try {
        Data_From_Excel* table = Data_From_Excel::defaultInstance();
        table->removeDataColumns();
        table->reloadData();
    } catch (const std::exception& e) {
        Show_MessageBox(QString::fromLocal8Bit(e.what()));
    }
}

void SKTWindowController::Clear_Delete_Excel_table_rows() {
    Data_From_Excel* table = Data_From_Excel::defaultInstance();
    table->clearRows();
    table->reloadData();
}

void SKTWindowController::Delete_Excel_File_Temp_Folder() { ::Delete_Excel_File_Temp_Folder(); }

// ---------------------------------------------------------------- small helpers of the panels

bool SKTWindowController::Image_Is_Over_Size(const QString&, bool) const { return false; }

namespace {

// A date pattern of Unicode TR 35 in Qt's format: the letters whose meaning
// differs are translated, quoted text is kept.
QString qtDatePattern(const QString& pattern) {
    QString out;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('\'')) {
            const qsizetype end = pattern.indexOf(QLatin1Char('\''), i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end + 1;
            out += pattern.mid(i, stop - i);
            i = stop;
            continue;
        }
        qsizetype n = 1;
        while (i + n < pattern.size() && pattern.at(i + n) == c)
            ++n;
        const QString run = pattern.mid(i, n);
        switch (c.unicode()) {
        case 'y':
        case 'u':
            out += n == 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
            break;
        case 'L':
            out += QString(n, QLatin1Char('M'));
            break;
        case 'E':
        case 'c':
            out += n >= 4 ? QStringLiteral("dddd") : QStringLiteral("ddd");
            break;
        case 'a':
            out += QStringLiteral("AP");
            break;
        case 'k':
            out += QString(std::min<qsizetype>(n, 2), QLatin1Char('H'));
            break;
        case 'S':
            out += QStringLiteral("zzz");
            break;
        case 'z':
        case 'v':
        case 'V':
            out += QStringLiteral("t");  // time zone
            break;
        default:
            if (c.isLetter() && !QStringLiteral("MdHhms").contains(c))
                out += QLatin1Char('\'') + run + QLatin1Char('\'');  // no such field: kept as text
            else
                out += run;
        }
        i += n;
    }
    return out;
}

}  // namespace

QString SKTWindowController::Get_date_Value(const QString& pattern) const {
    return QLocale::system().toString(QDateTime::currentDateTime(), qtDatePattern(pattern));
}

QString SKTWindowController::Get_time_Value(const QString& pattern) const { return Get_date_Value(pattern); }

bool SKTWindowController::Check_Batch_File_In_Use_Validation(const QString& name) const {
    auto bindings = [](const GraphicList& graphics) {
        QList<zelk::SeriesBinding> list;
        for (const std::shared_ptr<SKTGraphic>& g : graphics)
            list.append({zelk::isExactlyText(g.get()) || zelk::isExactlyImage(g.get()) ||
                             zelk::isExactlyBarcode(g.get()),
                         g->data_source_type, g->batch_list_name});
        return list;
    };
    return ::Check_Batch_File_In_Use_Validation(name, bindings(document_->graphics),
                                                bindings(document_->graphics_back),
                                                ::CARD_SIDE_STR == CardSide::TwoSided, Data_Folder_Path);
}

QString SKTWindowController::Get_Original_Path_Of_Image_Control(const SKTGraphic& image) const {
    if (QFileInfo(image._file_path).isFile() && QFileInfo(image.Text_Value).isFile())
        return image.Text_Value;
    return QString();
}

void SKTWindowController::Refresh_Data_Set_File_Name_In_Combo(QComboBox* combo, const QString& new_ser_name) const {
    if (!combo)
        return;
    const QStringList names = Get_datasheet_File_Name_Array();
    const QString wanted = new_ser_name.isEmpty() ? combo->currentText() : new_ser_name;
    qsizetype index = -1;
    for (qsizetype i = 0; i < names.size() && index < 0; ++i)
        if (names.at(i).compare(wanted, Qt::CaseInsensitive) == 0)
            index = i;
    combo->clear();
    combo->addItems(names);
    if (combo->count() > 0 && index >= 0)
        combo->setCurrentIndex(int(index));
}

QStringList SKTWindowController::Get_Folder_Array_At_Path(const QString& path) const {
    return QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Unsorted);
}

QStringList SKTWindowController::Get_Folders_And_Sub_Folder_Array_At_Path(const QString& path) const {
    QStringList folders;
    if (!QFileInfo(path).isDir())
        return folders;
    const QDir root(path);
    QDirIterator it(path, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        folders << root.relativeFilePath(it.next());
    return folders;
}

QStringList SKTWindowController::Get_Files_Array_At_Path(const QString& path, bool del_ext) const {
    QStringList files;
    const QFileInfoList entries = QDir(path).entryInfoList(QDir::Files | QDir::Hidden, QDir::Unsorted);
    for (const QFileInfo& f : entries)
        files << (del_ext ? f.completeBaseName() : f.fileName());
    return files;
}

void SKTWindowController::Filter_Non_Log_Files_At_Path(const QString& path) const {
    const QFileInfoList entries = QDir(path).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QFileInfo& f : entries)
        if (!f.isDir() && f.suffix() != design_file_EXT)
            QFile::remove(f.filePath());
}

QColor SKTWindowController::Convert_String_to_Color(const QString& text) const {
    return ::Convert_String_to_Color(text);
}

void SKTWindowController::Set_Document_Size(const QSizeF& size) { document_->Set_Document_Size(size); }

void SKTWindowController::SetFocus(QWidget* view) const {
    if (view)
        view->setFocus();
}

// ---------------------------------------------------------------- photo, camera, toolkit

bool SKTWindowController::Check_For_Defalut_Photo_Control() {
    // A photo of the design is an image graphic that is not a profile field
    // of another kind: one without a control ID (placed by the user) or the
    // card-holder photo itself. Any graphic with the photo's ID also counts,
    // so the photo is never placed twice.
    const GraphicList& front = document_->graphics;
    const bool hasPhoto = std::any_of(front.cbegin(), front.cend(), [](const std::shared_ptr<SKTGraphic>& g) {
        return g->control_ID == Fup_Photo || (zelk::isExactlyImage(g.get()) && g->control_ID.isEmpty());
    });
    if (hasPhoto)
        return false;

    const bool useRect = bool(controlRectFromTemplate);
    const QRectF rect = useRect ? controlRectFromTemplate(Fup_Photo, NO_Image_Path) : QRectF();
    // The canvas prefers the picture last chosen in the library; the
    // placeholder photo shows the no-picture file, and the choice stays.
    const QString library = Library_Selected_Image_Path;
    Library_Selected_Image_Path.clear();
    tools_->selectArrowTool();
    const std::shared_ptr<SKTGraphic> photo = _graphicView->createGraphicOfClass(
        zelk::GraphicKind::Image, useRect, rect, CardSide::FrontName, NO_Image_Path, Fup_Photo);
    Library_Selected_Image_Path = library;
    return photo != nullptr;
}

int SKTWindowController::Get_OS_Version() const {
    // The number the cropping tool compares with 1039, below which the
    // platform's imaging offered no face detection. Here face detection comes
    // with the program (OpenCV), so the number is the running Qt's version
    // on a scale past that level: 1000 + major * 100 + minor (Qt 6.4: 1604).
    const QVersionNumber qt = QLibraryInfo::version();
    return 1000 + qt.majorVersion() * 100 + qt.minorVersion();
}

QImage SKTWindowController::NSImage_from_CIImage(const QImage& image) const {
    if (image.isNull())
        return QImage();
    QImage own = image.convertToFormat(QImage::Format_ARGB32);
    own.detach();
    return own;
}

bool SKTWindowController::Create_Camera_Path_File() const {
    if (Created_Resource_Path.isEmpty())
        return false;
    return zelk::writeFileSafely(zelk::UserPictureFolder::recordFile(), ::Camera_Folder_Path.toUtf8());
}

// ---------------------------------------------------------------- mail settings

void SKTWindowController::Get_Email_Details() const {
    const Preferences p = Preferences::sharedInstance();
    ::sender_email = p.send_email_SenderEmail();
    ::sender_pwd = p.send_email_Password();
    ::sending_server = p.send_email_SMTP_server();
    ::sending_port = p.send_email_PORT_num();
    ::send_enable_ssl = p.send_email_enable_ssl();
    // The defaults are empty texts; a key of another type reads as none.
    for (QString* v : {&::sender_email, &::sender_pwd, &::sending_server, &::sending_port, &::send_enable_ssl})
        if (v->isNull())
            *v = QString("");
}

// ---------------------------------------------------------------- after export, series combos

void SKTWindowController::Open_Export_File_Box() {
    // The back side's file belongs to the export that wrote it: an export
    // after it (a pass, a list, a picture) shows and opens its own file only.
    const QString backFile = std::exchange(::Export_Back_File_Path, QString());
    if (::check_any_card_exported != 1)
        return;
    if (!Open_Export_Files)
        Open_Export_Files = new Open_Export_Log(this);
    Open_Export_Log* box = Open_Export_Files;
    box->_open_log_path->setText(::Export_File_Path);
    box->_open_log_message->setText(::Export_File_Message);
    box->_open_log_chk->setText(QFileInfo(::Export_File_Path).isDir() ? QStringLiteral("Open containing folder.")
                                                                      : QStringLiteral("Open exported file."));
    box->Export_Back_File_Path = backFile;
    box->Open_Wnd();
}

void SKTWindowController::Refresh_All_Series_Combobox() const {
    if (!Data_source_type || !Batch_Series)
        return;
    const int source = Data_source_type->currentIndex();
    if (source != DataSourceType::Manual && source != DataSourceType::Series)
        return;
    const int selected = Batch_Series->currentIndex();
    Batch_Series->clear();
    Batch_Series->addItems(Get_datasheet_File_Name_Array());
    // A position the new list does not reach selects nothing rather than
    // another series.
    Batch_Series->setCurrentIndex(selected < Batch_Series->count() ? selected : -1);
}

// ---------------------------------------------------------------- web and mail links

namespace {

void openUrl(const QUrl& url) {
    zelk::Services::current()->openUrl(url);
}


QUrl pageWithQuery(const QString& page, const QList<std::pair<QString, QString>>& items) {
    QUrl url(page);
    QUrlQuery query;
    for (const auto& [key, value] : items)
        query.addQueryItem(key, QString::fromLatin1(QUrl::toPercentEncoding(value)));
    url.setQuery(query);
    return url;
}

QUrl mailTo(const QString& address, const QString& subject) {
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QString::fromLatin1(QUrl::toPercentEncoding(subject)));
    url.setQuery(query);
    return url;
}

// The share pages pass the web site to the social network's public share or
// like endpoint; without a web site there is nothing to share.
void share(const QString& page, const QList<std::pair<QString, QString>>& items) {
    if (zelk::productLinks().website.isEmpty())
        return;
    openUrl(pageWithQuery(page, items));
}

void mailIfAny(const QString& address, const QString& subject) {
    if (!address.isEmpty())
        openUrl(mailTo(address, subject));
}

}  // namespace

void SKTWindowController::Open_Google_Plus() const {
    share(QStringLiteral("https://plus.google.com/share"), {{QStringLiteral("url"), zelk::productLinks().website}});
}

void SKTWindowController::Open_FaceBook() const {
    share(QStringLiteral("https://www.facebook.com/sharer/sharer.php"),
          {{QStringLiteral("u"), zelk::productLinks().website}});
}

void SKTWindowController::Open_Twitter() const {
    share(QStringLiteral("https://twitter.com/intent/tweet"),
          {{QStringLiteral("url"), zelk::productLinks().website}, {QStringLiteral("text"), App_Name}});
}

void SKTWindowController::Open_FB_Like() const {
    share(QStringLiteral("https://www.facebook.com/plugins/like.php"),
          {{QStringLiteral("href"), zelk::productLinks().website}});
}

void SKTWindowController::Open_Website_1() const {
    if (!zelk::productLinks().website.isEmpty())
        openUrl(QUrl(zelk::productLinks().website));
}

void SKTWindowController::Open_Support_Mail() const {
    mailIfAny(zelk::productLinks().supportMail, App_Name + QStringLiteral(" support"));
}

void SKTWindowController::Open_Reseller_Mail() const {
    mailIfAny(zelk::productLinks().resellerMail, App_Name + QStringLiteral(" reseller"));
}

// ---------------------------------------------------------------- sides and canvases

SKTGraphicView* SKTWindowController::currentCanvas() const {
    return ::Card_Front_Or_Back == 0 ? _graphicView : _graphicView_BACK;
}

QWidget* SKTWindowController::keyboardHome() const { return currentCanvas(); }

void SKTWindowController::sideChanged() {
    const bool front = ::Card_Front_Or_Back == 0;
    changeViewController(front ? 0 : 1);
    front_side_btn->setChecked(front);
    back_side_btn->setChecked(!front);
    back_side_btn->setEnabled(::CARD_SIDE_STR == CardSide::TwoSided || !front);
    copy_card_design_btn->setEnabled(::CARD_SIDE_STR == CardSide::TwoSided);
    copy_card_design_btn->setText(front ? tr("Copy to Back") : tr("Copy to Front"));
    // The side shown is the one a group-list selection fills.
    Graphics_array_Batch = front ? Get_Front_Controls_Array() : Get_Back_Controls_Array();
    // The visitor and group desks show the entry panel of the side.
    if (::Start_Card_Option == StartMode::Visitor || ::Start_Card_Option == StartMode::GroupList)
        change_Visitor_Side_View(::Card_Front_Or_Back);
    refreshUndoRedo();
}

void SKTWindowController::startUndoHistory() {
    for (SKTGraphicView* canvas : {_graphicView, _graphicView_BACK})
        canvas->resetUndoHistory();
    // The steps that follow are made on this holder only.
    groupRowShown_ = selectedGroupLine();
    refreshUndoRedo();
}

void SKTWindowController::refreshUndoRedo() {
    const SKTGraphicView* canvas = currentCanvas();
    undoAction_->setEnabled(canvas->canUndo());
    redoAction_->setEnabled(canvas->canRedo());
}

void SKTWindowController::Select_front_side() {
    currentCanvas()->endEditing(true);
    ::Card_Front_Or_Back = CardSide::Front;
    sideChanged();
    Show_RHS_Properties(nullptr);
}

void SKTWindowController::Select_back_side() {
    currentCanvas()->endEditing(true);
    ::Card_Front_Or_Back = CardSide::Back;
    sideChanged();
    const GraphicList selected = currentCanvas()->selectedGraphics();
    Show_RHS_Properties(selected.size() == 1 ? selected.first().get() : nullptr);
}

GraphicList& SKTWindowController::Get_Front_Controls_Array() { return document_->graphics; }

GraphicList& SKTWindowController::Get_Back_Controls_Array() { return document_->graphics_back; }

GraphicList SKTWindowController::Get_Temp_Controls_Array() const { return document_->graphics_temp; }

int SKTWindowController::Get_Front_Control_Count() const { return int(document_->graphics.size()); }

int SKTWindowController::Get_Back_Control_Count() const { return int(document_->graphics_back.size()); }

std::shared_ptr<SKTGraphic> SKTWindowController::Get_Selected_Graphic() const {
    return currentCanvas()->Selected_Graphic();
}

void SKTWindowController::Set_Selected_Graphic(const std::shared_ptr<SKTGraphic>& graphic) {
    currentCanvas()->setSelected_Graphic(graphic);
}

void SKTWindowController::Temp_Design_Control_Assign() {
    _graphicView_TEMP->showGraphicsOf(document_->graphicsOfSide(::Card_Front_Or_Back == 0
                                                                    ? SKTDocument::FrontSide
                                                                    : SKTDocument::BackSide));
}

void SKTWindowController::SetDocumentCanvasSize(const QSizeF& size) {
    document_->Set_Document_Size(size);
    for (SKTGraphicView* canvas : {_graphicView, _graphicView_BACK, _graphicView_TEMP}) {
        canvas->setCanvasSize(QSizeF(0, 0));
        canvas->setCanvasSize(size);
    }
    for (SKTZoomingScrollView* view : {first_view, second_view, temp_design_view})
        view->layoutDocument();
}

void SKTWindowController::Set_Canvas_to_100_percent() {
    for (SKTZoomingScrollView* view : {first_view, second_view, temp_design_view})
        view->setScaleFactor(1.0);
    const int item = zoom_popup->findData(1.0);
    if (item >= 0)
        zoom_popup->setCurrentIndex(item);
}

void SKTWindowController::Insert_In_Undo_Redo() {
    currentCanvas()->Insert_In_Undo_Redo();
    refreshUndoRedo();
}

void SKTWindowController::selectArrowTool() { tools_->selectArrowTool(); }

QPointF SKTWindowController::Control_New_Point(const QString& card_side) {
    return (card_side == CardSide::BackName ? _graphicView_BACK : _graphicView)->Control_New_Point(card_side);
}

// ---------------------------------------------------------------- card size

QSizeF SKTWindowController::Get_My_card_Size(int category, const QString& orientation, int index) const {
    return CardSizePresets::Get_My_card_Size(category, orientation, index);
}

void SKTWindowController::Card_Control_Size_Change_or_not() {
    // The card properties still hold the size the graphics were laid out
    // for; the canvases already have the new one.
    const QSizeF oldSize = Front_card_Prop.Card_Size;
    const QSizeF newSize = document_->documentSize();
    const bool untouched =
        !startedFromTemplate_.isEmpty() && ::Project_File_Name.isEmpty() && !isDesignChanged();
    const QString startMode = ::Start_Card_Option;
    const QString startedFrom = startedFromTemplate_;  // loading the other template changes it
    auto loadTemplate = [this, &startMode](const QString& design) {
        const bool loaded = Read_and_load_design_Log_NEW_METHOD(design, StartMode::Template, true) == 1;
        ::Start_Card_Option = startMode;  // still the design the user started
        return loaded;
    };
    const CardSizeChange::Outcome outcome = CardSizeChange::Card_Control_Size_Change_or_not(
        document_->graphics, document_->graphics_back, oldSize, newSize, startedFrom, untouched,
        loadTemplate);
    if (outcome != CardSizeChange::GraphicsScaled)
        return;
    Front_card_Prop.Card_Size = newSize;
    Back_card_Prop.Card_Size = newSize;
    for (int side : {SKTDocument::FrontSide, SKTDocument::BackSide})
        document_->notifyGraphicsChanged(side);
    // A side's undo steps hold its graphics only, laid out for the card they
    // were recorded on; the card itself is not undone. So the steps before
    // the change cannot come back on the new card: the scaled sides start
    // their history again.
    for (SKTGraphicView* canvas : {_graphicView, _graphicView_BACK}) {
        canvas->endEditing(true);
        canvas->resetUndoHistory();
    }
    refreshUndoRedo();
}

void SKTWindowController::Refresh_Canvas() {
    if (::Card_Value_In_Process)
        return;
    currentCanvas()->update();
}

// The shared print settings: the print window and the card panel's page
// setup both read and replace them.
const zelk::PrintInfo& SKTWindowController::printInfo() const {
    return ::printInfo;
}

void SKTWindowController::setPrintInfo(const zelk::PrintInfo& info) {
    if (&info != &::printInfo)
        ::printInfo = info;
}
