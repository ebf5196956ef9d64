#include "visitors/Visitor_Log_Records.h"

#include "datasource/SeriesSupport.h"
#include "datasource/SpreadsheetWriter.h"
#include "dialogs/AccessoryViewController.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/PageSetupPanel.h"
#include "dialogs/PleaseWait_Modeless.h"
#include "dialogs/PrintInfo.h"
#include "dialogs/ScreenFit.h"
#include "dialogs/Services.h"
#include "dialogs/TextBox.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"
#include "production/ExportPicture.h"
#include "production/PrintGlobals.h"
#include "production/Printing_View.h"
#include "visitors/ImageFilterString.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <sqlite3.h>

using zelk::VisitorDatabase;
using zelk::VisitorRecord;

Visitor_Log_Records* Vistor_Record_Window = nullptr;

namespace {

struct ListColumn {
    const char* key;
    const char* title;
};
// The list's columns; the database ID is shown but never edited.
constexpr ListColumn Columns[] = {
    {"SNO", "S.No."},        {"DB_ID", "ID"},           {"DateTime", "Date and Time"},
    {"Name", "Name"},        {"Position", "Position"},  {"CompanyName", "Company Name"},
    {"Address", "Address"},  {"Phone", "Phone"},        {"Email", "Email"},
    {"Purpose", "Purpose"},  {"Meet", "Person to Meet"}, {"VisitoNO", "Visitor No."},
    {"Other", "Other"}};

// Pairs of the list: its key, and the front column whose back twin follows.
constexpr std::pair<const char*, const char*> Listed[] = {
    {"Name", "VName"},    {"Position", "Position"}, {"CompanyName", "CompanyName"}, {"Address", "Address"},
    {"Phone", "Phone"},   {"Email", "Email"},       {"Purpose", "Slogan"},          {"Meet", "Website"},
    {"VisitoNO", "UniqueNo"}};

// The widest a list column grows, in characters of the list's font.
constexpr int MaxColumnChars = 32;
// The longest line of a cell's tooltip, in characters.
constexpr qsizetype TipLineChars = 100;

// A cell's whole value for its tooltip, broken into lines short enough to
// stay on the screen: after a blank where there is one, and where a run
// without blanks (a link, a list joined by commas) is longer than a line,
// inside it. Only line breaks are added: the blanks stay, at the lines' ends.
QString tipText(const QString& value) {
    const auto shown = [](QStringView word) { return word.endsWith(u' ') ? word.size() - 1 : word.size(); };
    QString tip;
    qsizetype line = 0;  // characters on the line being filled
    for (qsizetype at = 0; at < value.size();) {
        const qsizetype blank = value.indexOf(u' ', at);
        const qsizetype end = blank < 0 ? value.size() : blank + 1;
        QStringView word = QStringView(value).mid(at, end - at);  // with its blank
        at = end;
        if (line > 0 && line + shown(word) > TipLineChars) {
            tip += u'\n';
            line = 0;
        }
        while (shown(word) > TipLineChars - line) {
            tip += word.left(TipLineChars - line);
            tip += u'\n';
            word = word.mid(TipLineChars - line);
            line = 0;
        }
        tip += word;
        line += word.size();
    }
    return tip;
}

// The slots in the pass's order of front lines; the back adds the number.
constexpr int FrontPassOrder[] = {0, 2, 1, 6, 3, 8, 4, 5, 7, 10, 11};
constexpr int BackPassOrder[] = {0, 2, 1, 6, 3, 8, 4, 5, 7, 9, 10, 11};

QString fromDb(const VisitorRecord& r, const QString& column) {
    return r.value(column);
}

}  // namespace

namespace zelk {

class VisitorListModel : public QAbstractTableModel {
public:
    explicit VisitorListModel(QList<QHash<QString, QString>>& rows, QObject* parent)
        : QAbstractTableModel(parent), rows_(rows) {}
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(rows_.size()); }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(std::size(Columns));
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rows_.size() ||
            (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole))
            return {};
        const QString value = rows_[index.row()].value(QString::fromLatin1(Columns[index.column()].key));
        // The tooltip holds the whole value of a cell cut at its width.
        return role == Qt::ToolTipRole ? tipText(value) : value;
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (!index.isValid() || index.row() >= rows_.size() || role != Qt::EditRole)
            return false;
        rows_[index.row()].insert(QString::fromLatin1(Columns[index.column()].key), value.toString());
        emit dataChanged(index, index);
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags f = QAbstractTableModel::flags(index);
        // An edited cell changes what the export writes, never the database;
        // the ID is what opens a record, so it stays as read.
        if (index.isValid() && qstrcmp(Columns[index.column()].key, "DB_ID") != 0)
            f |= Qt::ItemIsEditable;
        return f;
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < int(std::size(Columns)))
            return QString::fromLatin1(Columns[section].title);
        return QAbstractTableModel::headerData(section, o, role);
    }
    void reset() {
        beginResetModel();
        endResetModel();
    }

private:
    QList<QHash<QString, QString>>& rows_;
};

}  // namespace zelk

Visitor_Log_Records::Visitor_Log_Records(SKTWindowController& hub, QWidget* parent)
    : QDialog(parent ? parent : &hub), hub_(hub) {
    setWindowTitle(QStringLiteral("Visitor Records"));
    zelk::applyDialogBackground(this);
    auto* layout = new QVBoxLayout(this);
    buildSearchPane();
    buildListPane();
    buildDetailsPane();
    layout->addWidget(Search_Box);
    layout->addWidget(Records_Box, 1);
    layout->addWidget(Details_Box, 1);
    Details_Box->hide();
    resize(980, 700);
    Vistor_Record_Window = this;
    date_range->setCurrentIndex(0);
    Date_From_Ctrl->setDate(clock().date());
    Date_To_Ctrl->setDate(clock().date());
    Reset_all_Ctrl();
}

Visitor_Log_Records::~Visitor_Log_Records() {
    if (Vistor_Record_Window == this)
        Vistor_Record_Window = nullptr;
}

Visitor_Log_Records* Visitor_Log_Records::defaultInstance(SKTWindowController& hub) {
    auto* log = hub.findChild<Visitor_Log_Records*>(QString(), Qt::FindDirectChildrenOnly);
    return log ? log : new Visitor_Log_Records(hub);
}

void Visitor_Log_Records::buildSearchPane() {
    Search_Box = new QWidget(this);
    auto* grid = new QGridLayout(Search_Box);
    auto field = [&](QLineEdit*& edit, const char* caption, int row, int col) {
        edit = new QLineEdit(Search_Box);
        grid->addWidget(new QLabel(QString::fromLatin1(caption), Search_Box), row, col * 2);
        grid->addWidget(edit, row, col * 2 + 1);
    };
    field(Name, "Name :", 0, 0);
    field(Comp_Name, "Company Name :", 0, 1);
    field(Address, "Address :", 0, 2);
    field(Phone, "Phone No. :", 1, 0);
    field(Email, "Email Id :", 1, 1);
    field(Purpose, "Purpose :", 1, 2);
    field(To_Meet, "Person to Meet :", 2, 0);
    field(Visitor_NO, "Visitor No. :", 2, 1);
    field(Other, "Other :", 2, 2);
    date_range = new QComboBox(Search_Box);
    date_range->addItems({QStringLiteral("Today"), QStringLiteral("Yesterday"), QStringLiteral("Last 7 Days"),
                          QStringLiteral("Last 30 Days"), QStringLiteral("Custom")});
    Date_From_Ctrl = new QDateEdit(Search_Box);
    Date_To_Ctrl = new QDateEdit(Search_Box);
    for (QDateEdit* d : {Date_From_Ctrl, Date_To_Ctrl}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd-MMM-yyyy"));
    }
    grid->addWidget(new QLabel(QStringLiteral("Date Range :"), Search_Box), 3, 0);
    grid->addWidget(date_range, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("From :"), Search_Box), 3, 2);
    grid->addWidget(Date_From_Ctrl, 3, 3);
    grid->addWidget(new QLabel(QStringLiteral("To :"), Search_Box), 3, 4);
    grid->addWidget(Date_To_Ctrl, 3, 5);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* search = new QPushButton(QStringLiteral("Search"), Search_Box);
    auto* reset = new QPushButton(QStringLiteral("Reset"), Search_Box);
    buttons->addWidget(search);
    buttons->addWidget(reset);
    grid->addLayout(buttons, 4, 0, 1, 6);
    connect(search, &QPushButton::clicked, this, &Visitor_Log_Records::Search_Records_Click);
    connect(reset, &QPushButton::clicked, this, &Visitor_Log_Records::Reset_click);
    connect(date_range, &QComboBox::activated, this, &Visitor_Log_Records::dateRangeChanged);
}

void Visitor_Log_Records::buildListPane() {
    Records_Box = new QWidget(this);
    auto* v = new QVBoxLayout(Records_Box);
    info_label = new QLabel(Records_Box);
    ColList = new QTableView(Records_Box);
    model_ = new zelk::VisitorListModel(ListData, this);
    ColList->setModel(model_);
    ColList->setSelectionBehavior(QAbstractItemView::SelectRows);
    ColList->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    ColList->horizontalHeader()->setStretchLastSection(true);
    ColList->verticalHeader()->hide();
    connect(ColList, &QTableView::doubleClicked, this, [this] { doubleClickInTable(); });
    auto* buttons = new QHBoxLayout;
    auto* exportBtn = new QPushButton(QStringLiteral("Export"), Records_Box);
    auto* close = new QPushButton(QStringLiteral("Close"), Records_Box);
    buttons->addStretch();
    buttons->addWidget(exportBtn);
    buttons->addWidget(close);
    v->addWidget(info_label);
    v->addWidget(ColList, 1);
    v->addLayout(buttons);
    connect(exportBtn, &QPushButton::clicked, this, &Visitor_Log_Records::Export_Records_Click);
    connect(close, &QPushButton::clicked, this, &Visitor_Log_Records::Close_box_click);
}

void Visitor_Log_Records::buildDetailsPane() {
    Details_Box = new QWidget(this);
    auto* v = new QVBoxLayout(Details_Box);
    visiting_time = new QLabel(Details_Box);
    QFont title = visiting_time->font();
    title.setBold(true);
    visiting_time->setFont(title);
    show_back_details = new QCheckBox(QStringLiteral("Show back side details"), Details_Box);
    auto* top = new QHBoxLayout;
    top->addWidget(visiting_time, 1);
    top->addWidget(show_back_details);
    v->addLayout(top);
    auto* middle = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    Scroll_View = new QScrollArea(Details_Box);
    Scroll_View->setWidgetResizable(true);
    visitor_details_box = new QWidget;
    visitor_details_box->setFixedWidth(int(DetailsBoxWidth));
    rows_ = new QGridLayout(visitor_details_box);
    rows_->setAlignment(Qt::AlignTop);
    rows_->setColumnMinimumWidth(0, 150);
    rows_->setColumnMinimumWidth(1, 225);
    Scroll_View->setWidget(visitor_details_box);
    other_detail = new zelk::TextBox(Details_Box);
    other_detail->setReadOnly(true);
    other_detail->setMaximumHeight(85);
    left->addWidget(Scroll_View, 1);
    left->addWidget(other_detail);
    user_image = new QLabel(Details_Box);
    user_image->setFixedSize(160, 160);
    user_image->setFrameShape(QFrame::Box);
    user_image->setAlignment(Qt::AlignCenter);
    middle->addLayout(left, 1);
    middle->addWidget(user_image, 0, Qt::AlignTop);
    v->addLayout(middle, 1);
    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* text, void (Visitor_Log_Records::*op)()) {
        auto* b = new QPushButton(QString::fromLatin1(text), Details_Box);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, op);
    };
    auto* exportImage = new QPushButton(QStringLiteral("Export Image"), Details_Box);
    auto* exportPdf = new QPushButton(QStringLiteral("Export PDF"), Details_Box);
    buttons->addWidget(exportImage);
    buttons->addWidget(exportPdf);
    connect(exportImage, &QPushButton::clicked, this, &Visitor_Log_Records::Export_Image_click);
    connect(exportPdf, &QPushButton::clicked, this, &Visitor_Log_Records::Export_PDF_click);
    button("Page Setup", &Visitor_Log_Records::Page_Setup_click);
    button("Print Preview", &Visitor_Log_Records::Print_Preview_click);
    button("Print", &Visitor_Log_Records::Print_click);
    auto* mail = new QPushButton(QStringLiteral("Mail"), Details_Box);
    buttons->addWidget(mail);
    connect(mail, &QPushButton::clicked, this, &Visitor_Log_Records::Mail_click);
    buttons->addStretch();
    button("Close", &Visitor_Log_Records::Close_Details_Panel_click);
    v->addLayout(buttons);
    connect(show_back_details, &QCheckBox::clicked, this, &Visitor_Log_Records::Show_Back_Details_click);
}

// ---------------------------------------------------------------- search and list

void Visitor_Log_Records::prepareToOpen() {
    Search_Box->show();
    Records_Box->show();
    Details_Box->hide();
    info_label->setText(QStringLiteral("Most Recent Visitor Entries\nDouble Click to view the Visitor Details."));
    ListData.clear();
    reloadList();
    Date_From_Ctrl->setEnabled(false);
    Date_To_Ctrl->setEnabled(false);
    date_range->setCurrentIndex(0);
    Date_From_Ctrl->setDate(clock().date());
    Date_To_Ctrl->setDate(clock().date());
    Name->setFocus();
    Search_Visitor_Records(true);
}

int Visitor_Log_Records::Open_Log_Wnd() {
    prepareToOpen();
    return zelk::DialogRunner::run(this);
}

void Visitor_Log_Records::Close_box_click() {
    Reset_click();
    hub_.Close_DB_Connection();
    reject();
}

bool Visitor_Log_Records::Search_Visitor_Records(bool recent) {
    if (!hub_.Open_DB_Connection()) {
        Show_MessageBox(QStringLiteral("Error in database access"));
        return false;
    }
    zelk::VisitorSearch search;
    search.recent = recent;
    if (!recent) {
        const QDate from = Date_From_Ctrl->date();
        const QDate to = Date_To_Ctrl->date();
        search.from = from.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00");
        search.to = to.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 23:59:59");
        const QLocale locale;
        info_label->setText(QStringLiteral("Visitor Search Results from %1 to %2 as per your query.\n"
                                           "Double Click to view the Visitor Details.")
                                .arg(locale.toString(from, QStringLiteral("d MMM yyyy")),
                                     locale.toString(to, QStringLiteral("d MMM yyyy"))));
        const QLineEdit* fields[] = {Name, Comp_Name, Address, Phone, Email, Purpose, To_Meet, Visitor_NO, Other};
        for (size_t i = 0; i < 9; ++i)
            search.terms[i] = fields[i]->text();
    }
    ListData.clear();
    reloadList();
    bool ran = false;
    const QList<VisitorRecord> rows = VisitorDatabase::search(hub_.visitor_db, search, &ran);
    const QString why = QString::fromUtf8(sqlite3_errmsg(hub_.visitor_db));
    hub_.Close_DB_Connection();
    // A damaged or busy database is not an empty one.
    if (!ran) {
        Show_NSLog_Message(why);
        Show_MessageBox(QStringLiteral("Error in database access"));
        return false;
    }
    // One reload for the whole result, not one per row.
    for (const VisitorRecord& r : rows)
        ListData.append(listRow(r, int(ListData.size()) + 1));
    reloadList();
    if (!recent && ListData.isEmpty())
        Show_MessageBox(QStringLiteral("No records found."));
    return true;
}

QString Visitor_Log_Records::Chk_and_return_back_value(const QString& back) {
    const QString t = Trim_Str(back);
    return t.isEmpty() ? QString() : QStringLiteral(" [ %1 ]").arg(t);
}

QHash<QString, QString> Visitor_Log_Records::listRow(const VisitorRecord& r, int sno) {
    QHash<QString, QString> row;
    row.insert(QStringLiteral("SNO"), QString::number(sno));
    row.insert(QStringLiteral("DB_ID"), fromDb(r, QStringLiteral("ID")));
    row.insert(QStringLiteral("DateTime"), fromDb(r, QStringLiteral("Date_Time_Stamp")));
    for (const auto& [key, column] : Listed) {
        const QString c = QString::fromLatin1(column);
        row.insert(QString::fromLatin1(key),
                   fromDb(r, c) + Chk_and_return_back_value(fromDb(r, c + QStringLiteral("_B"))));
    }
    row.insert(QStringLiteral("Other"), Trim_Str(fromDb(r, QStringLiteral("Other")) + fromDb(r, QStringLiteral("Other_B")))
                                            .replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
    row.insert(QStringLiteral("Photo"), fromDb(r, QStringLiteral("Photo")));
    return row;
}

void Visitor_Log_Records::Create_List(const VisitorRecord& record) {
    ListData.append(listRow(record, int(ListData.size()) + 1));
    reloadList();
}

void Visitor_Log_Records::reloadList() {
    model_->reset();
    ColList->resizeColumnsToContents();
    // A long value must not push the other columns out of view.
    const int widest = ColList->fontMetrics().averageCharWidth() * MaxColumnChars;
    for (int c = 0; c < model_->columnCount(); ++c)
        ColList->setColumnWidth(c, std::min(ColList->columnWidth(c), widest));
    ColList->horizontalScrollBar()->setValue(0);
}

void Visitor_Log_Records::Reset_click() {
    for (QLineEdit* f : {Name, Comp_Name, Address, Phone, Email, Purpose, To_Meet, Visitor_NO, Other})
        f->clear();
    date_range->setCurrentIndex(0);
    dateRangeChanged(0);
}

void Visitor_Log_Records::dateRangeChanged(int index) {
    Date_From_Ctrl->setEnabled(false);
    Date_To_Ctrl->setEnabled(false);
    const QDateTime now = clock();
    switch (index) {
    case 0:
        Date_From_Ctrl->setDate(now.date());
        Date_To_Ctrl->setDate(now.date());
        break;
    case 1:
        Date_From_Ctrl->setDate(now.addSecs(-86400).date());
        Date_To_Ctrl->setDate(now.addSecs(-86400).date());
        break;
    case 2:
        Date_From_Ctrl->setDate(now.addSecs(-518400).date());
        Date_To_Ctrl->setDate(now.date());
        break;
    case 3:
        Date_From_Ctrl->setDate(now.addSecs(-2592000).date());
        Date_To_Ctrl->setDate(now.date());
        break;
    default:
        Date_From_Ctrl->setEnabled(true);
        Date_To_Ctrl->setEnabled(true);
        break;
    }
}

QList<QStringList> Visitor_Log_Records::exportRows() const {
    QList<QStringList> rows;
    rows << QStringList{QStringLiteral("S.No."),   QStringLiteral("Date and Time"), QStringLiteral("Photo Path"),
                        QStringLiteral("Name"),    QStringLiteral("Company Name"),  QStringLiteral("Address"),
                        QStringLiteral("Phone"),   QStringLiteral("Email"),         QStringLiteral("Purpose"),
                        QStringLiteral("Person to Meet"), QStringLiteral("Visitor No."), QStringLiteral("Other")};
    for (const QHash<QString, QString>& r : ListData) {
        QStringList row;
        for (const char* key : {"SNO", "DateTime", "Photo", "Name", "CompanyName", "Address", "Phone", "Email",
                                "Purpose", "Meet", "VisitoNO", "Other"})
            row << r.value(QString::fromLatin1(key));
        rows << row;
    }
    return rows;
}

bool Visitor_Log_Records::Export_Records_Click() {
    if (ListData.isEmpty()) {
        Show_MessageBox(QStringLiteral("List is empty."));
        return false;
    }
    QString path = zelk::chooseSavePath(
        this, QStringLiteral("Export"), QDir(QDir::homePath()).filePath(QStringLiteral("Visitor_List.xlsx")),
        QStringLiteral("Excel Workbook (*.xlsx)"));
    if (path.isEmpty())
        return false;
    raise();
    if (QFileInfo(path).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".xlsx");
    ::Export_File_Path = path;
    PleaseWait_Modeless wait(this);
    wait.beginSheet(this);
    // The workbook replaces an old file only once it is whole.
    QString why;
    const bool written = SpreadsheetWriter::WriteWorkbook(path, exportRows(), false, &why);
    wait.endSheet();
    if (!written) {
        Show_NSLog_Message(QStringLiteral("The visitor list could not be written to %1").arg(path));
        Show_MessageBox(zelk::series::fileErrorWithReason(why));
        return false;
    }
    ::Export_File_Message = QStringLiteral("Record has been exported successfully.");
    ::Export_File_Path = path;
    // A file was written: the box says so, a card exported before or not.
    ::check_any_card_exported = 1;
    hub_.Open_Export_File_Box();
    return true;
}

void Visitor_Log_Records::doubleClickInTable() {
    const QModelIndexList rows = ColList->selectionModel()->selectedRows();
    const int current = ColList->currentIndex().row();
    if (rows.isEmpty() && current < 0)
        return;
    if (rows.size() > 1) {
        Show_MessageBox(QStringLiteral("Please select only one record to update."));
        return;
    }
    const int row = rows.isEmpty() ? current : rows.first().row();
    if (row < 0 || row >= ListData.size())
        return;
    Show_Visitor_Details(Trim_Str(ListData[row].value(QStringLiteral("DB_ID"))));
}

void Visitor_Log_Records::Close_Details_Panel_click() {
    Search_Box->show();
    Records_Box->show();
    Details_Box->hide();
    ColList->horizontalScrollBar()->setValue(0);
}

void Visitor_Log_Records::Mark_List_New_Selection(int row) {
    ColList->selectRow(row);
    ColList->scrollTo(model_->index(row, 0));
    ColList->setFocus();
}

// ---------------------------------------------------------------- details

void Visitor_Log_Records::Show_Visitor_Details(const QString& id) {
    Reset_all_Ctrl();
    sel_db_id_str = id;
    if (Find_And_Fill_Details(true) == 1) {
        Search_Box->hide();
        Records_Box->hide();
        Details_Box->show();
    }
}

int Visitor_Log_Records::Find_And_Fill_Details(bool withBack) {
    if (!hub_.Open_DB_Connection()) {
        Show_MessageBox(QStringLiteral("Error in database access"));
        return 0;
    }
    bool ran = false;
    const std::optional<VisitorRecord> found = VisitorDatabase::record(hub_.visitor_db, sel_db_id_str, &ran);
    const QString why = QString::fromUtf8(sqlite3_errmsg(hub_.visitor_db));
    hub_.Close_DB_Connection();
    if (!ran) {
        Show_NSLog_Message(why);
        Show_MessageBox(QStringLiteral("Error in database access"));
        return 0;
    }
    if (found) {
        const VisitorRecord& r = *found;
        date_time_detail = fromDb(r, QStringLiteral("Date_Time_Stamp"));
        visiting_time->setText(QStringLiteral("Visitor Details - %1").arg(date_time_detail));
        Set_User_Image(fromDb(r, QStringLiteral("Photo")));
        other_detail_info = Trim_Str(fromDb(r, QStringLiteral("Other")) + QStringLiteral("\r\n") +
                                     fromDb(r, QStringLiteral("Other_B")));
        if (!other_detail_info.isEmpty()) {
            other_detail->setPlainText(QString(other_detail_info).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            other_detail->show();
        }
        Check_and_create_label_and_field(r, QStringLiteral("F"));
        if (withBack)
            Check_and_create_label_and_field(r, QStringLiteral("B"));
    }
    Gate_Pass_Size();
    return 1;
}

void Visitor_Log_Records::Check_and_create_label_and_field(const VisitorRecord& r, const QString& side) {
    const bool back = side == QLatin1String("B");
    const QString suffix = back ? QStringLiteral("_B") : QString();
    for (int i = 0; i < 12; ++i) {
        const QString& stem = VisitorDatabase::stems()[i];
        QString value = Trim_Str(fromDb(r, stem + suffix));
        const QString caption = Trim_Str(fromDb(r, stem + QStringLiteral("_lb") + suffix));
        if (i == 10 && Trim_Str(fromDb(r, QStringLiteral("Use_Date") + suffix)) == QLatin1String("0"))
            value.clear();
        if (i == 11 && Trim_Str(fromDb(r, QStringLiteral("Use_Time") + suffix)) == QLatin1String("0"))
            value.clear();
        if (caption.isEmpty() && value.isEmpty())
            continue;
        (back ? backCaption : frontCaption)[size_t(i)] = caption;
        if (!value.isEmpty())
            (back ? backValue : frontValue)[size_t(i)] = value;
        auto* c = new QLineEdit(caption, visitor_details_box);
        auto* v = new QLineEdit(value, visitor_details_box);
        c->setReadOnly(true);
        v->setReadOnly(true);
        // A value longer than its field is read from its start.
        c->setCursorPosition(0);
        v->setCursorPosition(0);
        c->setFixedWidth(150);
        v->setFixedWidth(225);
        if (caption.isEmpty()) {
            c->setEnabled(false);
            c->setFrame(false);
            c->setStyleSheet(QStringLiteral("background: #d3d3d3;"));
        }
        const int row = int(view_array_label.size());
        rows_->addWidget(c, row, 0);
        rows_->addWidget(v, row, 1);
        view_array_label << c;
        view_array_value << v;
    }
}

void Visitor_Log_Records::Reset_all_Ctrl() {
    Set_User_Image(QString());
    show_back_details->setChecked(true);
    other_detail->clear();
    other_detail->hide();
    date_time_detail.clear();
    other_detail_info.clear();
    visiting_time->clear();
    for (auto* a : {&frontValue, &frontCaption, &backValue, &backCaption})
        a->fill(QString());
    for (QLineEdit* e : view_array_label + view_array_value)
        delete e;
    view_array_label.clear();
    view_array_value.clear();
}

void Visitor_Log_Records::Show_Back_Details_click() {
    const bool on = show_back_details->isChecked();
    Reset_all_Ctrl();
    show_back_details->setChecked(on);
    Find_And_Fill_Details(on);
}

void Visitor_Log_Records::Set_User_Image(const QString& value) {
    visitor_image_obj = QImage();
    user_image->clear();
    const zelk::ImageFilterString photo = zelk::ImageFilterString::parse(value);
    if (photo.path.isEmpty())
        return;
    const QImage picture = hub_.Get_Image_For_Path(photo.path, false);
    if (picture.isNull())
        return;
    visitor_image_obj = photo.apply(picture);
    user_image->setPixmap(QPixmap::fromImage(visitor_image_obj.scaled(user_image->size() - QSize(4, 4),
                                                                      Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

zelk::VisitorPassData Visitor_Log_Records::passData() const {
    zelk::VisitorPassData d;
    d.unique_detail_lbl = frontCaption[9];
    d.unique_detail = frontValue[9];
    d.date_time_detail = date_time_detail;
    for (int i : FrontPassOrder)
        d.front.append({frontCaption[size_t(i)], frontValue[size_t(i)]});
    for (int i : BackPassOrder)
        d.back.append({backCaption[size_t(i)], backValue[size_t(i)]});
    d.other_detail_info = other_detail_info;
    d.photo = visitor_image_obj;
    return d;
}

void Visitor_Log_Records::Gate_Pass_Size() {
    const double width = DetailsBoxWidth + 100;
    page_rect = QRectF(0, 0, width, zelk::Visitor_Pass::fittingHeight(passData(), width));
}

zelk::ExportPicture Visitor_Log_Records::passPicture() const {
    const QSizeF size = page_rect.size();
    return zelk::ExportPicture(size, [data = passData(), size](QPainter& p) {
        zelk::Visitor_Pass::paint(p, data, size);
    });
}

bool Visitor_Log_Records::Export_Image_click() {
    ::draw_printing_or_visitor_pass = false;
    // The format comes from the panel's pop-up, whatever the typed name ends in.
    const QString path = AccessoryViewController::runSavePanel(this, savePanel, accessoryVC, QDir::homePath());
    if (path.isEmpty())
        return false;
    raise();
    return hub_.Export_File_Function(path, passPicture(), true, true, true);
}

bool Visitor_Log_Records::Export_PDF_click() {
    ::draw_printing_or_visitor_pass = false;
    QString path = zelk::chooseSavePath(
        this, QStringLiteral("Save PDF"), QDir(QDir::homePath()).filePath(QStringLiteral("Visitor_Pass.pdf")),
        QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return false;
    raise();
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    return hub_.Export_File_Function(path, passPicture(), true, true, true);
}

void Visitor_Log_Records::Page_Setup_click() {
    zelk::PrintInfo info = hub_.printInfo();
    if (zelk::PageSetupPanel::run(this, info))
        hub_.setPrintInfo(info);
}

void Visitor_Log_Records::Execute_Printing(bool preview) {
    Call_Print_Box_1(preview);
}

bool Visitor_Log_Records::printPass(QPrinter& printer) {
    const zelk::PrintInfo& info = hub_.printInfo();
    const QMarginsF edges = info.unprintableEdges();
    ::Left_Mar = float(edges.left());
    ::Rite_Mar = float(edges.right());
    ::Top_Mar = float(edges.top());
    ::Bot_Mar = float(edges.bottom());
    ::Total_Label = ::Print_Row = ::Print_Col = 1;
    ::draw_printing_or_visitor_pass = true;
    zelk::PrintJobSettings settings;
    settings.paper = info.paperSize();
    settings.Left_Mar = ::Left_Mar;
    settings.Rite_Mar = ::Rite_Mar;
    settings.Top_Mar = ::Top_Mar;
    settings.Bot_Mar = ::Bot_Mar;
    QPainter painter(&printer);
    if (!painter.isActive()) {
        Show_NSLog_Message(QStringLiteral("The visitor pass could not be printed"));
        return false;
    }
    const double scale = printer.resolution() / 72.0;
    painter.scale(scale, scale);
    const QSizeF size = page_rect.size();
    const zelk::VisitorPassData data = passData();
    Printing_View(QRectF(QPointF(0, 0), settings.paper), settings)
        .Draw_visitor_pass(painter, size, [&](QPainter& p) { zelk::Visitor_Pass::paint(p, data, size); });
    return painter.end();
}

bool Visitor_Log_Records::Call_Print_Box_1(bool preview) {
    zelk::PrintInfo info = hub_.printInfo();
    info.jobDisposition = preview ? zelk::PrintInfo::Disposition::Preview : zelk::PrintInfo::Disposition::Spool;
    hub_.setPrintInfo(info);
    QPrinter printer(QPrinter::HighResolution);
    info.applyTo(printer);
    if (preview) {
        QPrintPreviewDialog dialog(&printer, this);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { printPass(*p); });
        zelk::openLarge(&dialog);
        return zelk::DialogRunner::run(&dialog) == 1;
    }
    if (zelk::PrintInfo::availablePrinterNames().isEmpty()) {
        Show_MessageBox(QStringLiteral("No printer found."));
        return false;
    }
    return printPass(printer);
}

int Visitor_Log_Records::Mail_click() {
    if (!hub_.directMailWindow) {
        Show_MessageBox(QStringLiteral("Mail is not available yet."));
        return 0;
    }
    // A folder only this user can read; it goes, with the pass, when the
    // mail window has closed.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        Show_MessageBox(QStringLiteral("Error in file accessing."));
        return 0;
    }
    const QString path = folder.filePath(QStringLiteral("Visitor_Pass.pdf"));
    QString why;
    const QByteArray pdf = passPicture().encode(QStringLiteral("pdf"), true, &why);
    if (pdf.isEmpty() || !zelk::writeFileSafely(path, pdf, &why)) {
        Show_NSLog_Message(why);
        Show_MessageBox(QStringLiteral("Error in file accessing."));
        return 0;
    }
    return hub_.directMailWindow(path);
}
