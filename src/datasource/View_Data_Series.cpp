#include "datasource/View_Data_Series.h"

#include "datasource/SeriesFile.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/PleaseWait_Modeless.h"
#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

View_Data_Series* View_Data_Series::defaultInstance() {
    static View_Data_Series* instance = new View_Data_Series;
    return instance;
}

View_Data_Series::View_Data_Series(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("View_Data_Series"));
    setWindowTitle(QStringLiteral("View Series"));
    zelk::applyDialogBackground(this);
    auto* layout = new QVBoxLayout(this);
    series_name = new QLabel(this);
    QFont bold = series_name->font();
    bold.setBold(true);
    series_name->setFont(bold);
    layout->addWidget(series_name);
    model_ = new QStringListModel(this);
    List = new QListView(this);
    List->setModel(model_);
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List->setUniformItemSizes(true);
    layout->addWidget(List);
    auto* row = new QHBoxLayout;
    list_count = new QLabel(this);
    row->addWidget(list_count);
    row->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    row->addWidget(ok);
    layout->addLayout(row);
    plz_wait_Window = new PleaseWait_Modeless(this);
    connect(ok, &QPushButton::clicked, this, &View_Data_Series::OK_Btn_Clicked);
    resize(320, 420);
}

void View_Data_Series::Open_Wnd() {
    series_name->setText(file_name);
    ListData.clear();
    Load_file_Func(SeriesFile::filePath(file_name, Data_Folder_Path));
    zelk::DialogRunner::run(this);
}

void View_Data_Series::Load_file_Func(const QString& path) {
    plz_wait_Window->beginSheet(this);
    // A missing or invalid file shows no rows.
    const QString text = SeriesFile::readText(path);
    for (const QString& line : text.split(QLatin1Char('\n')))
        Create_Avail_List(line);
    Update_batch_List_Count();
    plz_wait_Window->endSheet();
}

void View_Data_Series::Create_Avail_List(const QString& line) {
    const QString v = Trim_Str(line);
    if (!v.isEmpty())
        ListData.append(v);
}

void View_Data_Series::Update_batch_List_Count() {
    model_->setStringList(ListData);
    list_count->setText(QStringLiteral("Total Rows : %1").arg(ListData.size()));
}

void View_Data_Series::OK_Btn_Clicked() { done(1); }

void View_Data_Series::openNamed(const QString& name) {
    const QString series = Trim_Str(name);
    if (series.isEmpty() || series == QLatin1String("<--Select-->")) {
        Show_MessageBox(QStringLiteral("Please select the series."));
        return;
    }
    View_Data_Series* viewer = defaultInstance();
    viewer->file_name = series;
    viewer->Open_Wnd();
}
