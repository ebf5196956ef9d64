#pragma once
// The visitor log: the ten newest visitors, a search by date range and nine
// terms, the export of the list as a workbook, and the details of one
// visitor with the pass (exported as an image or PDF file, printed, mailed).
// One object for the whole run; its logic runs without the modal loop.
#include "visitors/VisitorDatabase.h"
#include "visitors/VisitorPassDrawing.h"

#include <QDateTime>
#include <QDialog>
#include <QHash>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

#include <array>
#include <functional>

class AccessoryViewController;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFileDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QScrollArea;
class QTableView;
class SKTWindowController;

namespace zelk {
class ExportPicture;
class VisitorListModel;
}  // namespace zelk

class Visitor_Log_Records : public QDialog {
    Q_OBJECT
public:
    explicit Visitor_Log_Records(SKTWindowController& hub, QWidget* parent = nullptr);
    ~Visitor_Log_Records() override;
    // The one log of the hub, made on first use.
    static Visitor_Log_Records* defaultInstance(SKTWindowController& hub);

    // ---- Search and list ----
    // Shows the ten newest and runs the window; its code when it closed.
    int Open_Log_Wnd();
    // Prepares the window as Open_Log_Wnd does, without running it.
    void prepareToOpen();
    void Close_box_click();
    void Search_Records_Click() { Search_Visitor_Records(false); }
    // The ten newest (recent) or the search of the fields; false when the
    // database could not be opened or the query failed.
    bool Search_Visitor_Records(bool recent);
    void Create_List(const zelk::VisitorRecord& record);
    // A row of the list from a record; "SNO" is `sno`.
    static QHash<QString, QString> listRow(const zelk::VisitorRecord& record, int sno);
    // "" for a blank back value, else " [ value ]" with the value trimmed.
    static QString Chk_and_return_back_value(const QString& back);
    void Reset_click();
    // The date range's choice: 0 today, 1 yesterday, 2 the last 7 days,
    // 3 the last 30 days, any other the pickers.
    void dateRangeChanged(int index);
    // The time the date ranges count from (tests set a clock of their own).
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };
    // The list as an .xlsx workbook; true when written.
    bool Export_Records_Click();
    // The rows the export writes: the header and one row per list row.
    QList<QStringList> exportRows() const;
    void doubleClickInTable();
    void Close_Details_Panel_click();
    void Mark_List_New_Selection(int row);

    // ---- Details and pass ----
    void Show_Visitor_Details(const QString& id);
    // 1 when the database could be opened and read.
    int Find_And_Fill_Details(bool withBack);
    void Reset_all_Ctrl();
    void Show_Back_Details_click();
    void Set_User_Image(const QString& value);
    void Gate_Pass_Size();
    // The pass of the record shown, and as a picture of page_rect.
    zelk::VisitorPassData passData() const;
    zelk::ExportPicture passPicture() const;
    bool Export_Image_click();
    // The image export's save panel and its format pop-up while it runs.
    QFileDialog* savePanel = nullptr;
    AccessoryViewController* accessoryVC = nullptr;
    bool Export_PDF_click();
    void Page_Setup_click();
    void Print_Preview_click() { Execute_Printing(true); }
    void Print_click() { Execute_Printing(false); }
    void Execute_Printing(bool preview);
    bool Call_Print_Box_1(bool preview);
    // The pass alone on one page of that printer (sets the print layout
    // globals the page view reads); false when nothing could be painted.
    bool printPass(QPrinter& printer);
    // Mails the pass as a PDF file written for the mail window only.
    int Mail_click();

    // Search pane.
    QWidget* Search_Box = nullptr;
    QLineEdit *Name = nullptr, *Comp_Name = nullptr, *Address = nullptr, *Phone = nullptr, *Email = nullptr,
              *Purpose = nullptr, *To_Meet = nullptr, *Visitor_NO = nullptr, *Other = nullptr;
    QComboBox* date_range = nullptr;
    QDateEdit* Date_From_Ctrl = nullptr;
    QDateEdit* Date_To_Ctrl = nullptr;
    // List pane.
    QWidget* Records_Box = nullptr;
    QLabel* info_label = nullptr;
    QTableView* ColList = nullptr;
    QList<QHash<QString, QString>> ListData;
    // Details pane.
    QWidget* Details_Box = nullptr;
    QString sel_db_id_str;
    QLabel* visiting_time = nullptr;
    QLabel* user_image = nullptr;
    QImage visitor_image_obj;
    QCheckBox* show_back_details = nullptr;
    QPlainTextEdit* other_detail = nullptr;
    QScrollArea* Scroll_View = nullptr;
    QWidget* visitor_details_box = nullptr;
    QList<QLineEdit*> view_array_label;
    QList<QLineEdit*> view_array_value;
    QString date_time_detail;
    QString other_detail_info;
    // Per slot (VisitorDatabase::stems order): front value and caption,
    // back value and caption of the record shown.
    std::array<QString, 12> frontValue, frontCaption, backValue, backCaption;
    QRectF page_rect{0, 0, 595, 842};
    // The width of the details box the pass page is sized from.
    static constexpr double DetailsBoxWidth = 403;

private:
    void buildSearchPane();
    void buildListPane();
    void buildDetailsPane();
    void Check_and_create_label_and_field(const zelk::VisitorRecord& record, const QString& side);
    void reloadList();

    SKTWindowController& hub_;
    zelk::VisitorListModel* model_ = nullptr;
    QGridLayout* rows_ = nullptr;
};

// The log whose detail fields the pass is drawn from.
extern Visitor_Log_Records* Vistor_Record_Window;
