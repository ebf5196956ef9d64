#include "datasource/Import_Wizard.h"

#include "datasource/BatchWizard.h"
#include "datasource/Import_Excel.h"
#include "datasource/Import_Excel_DataSheet.h"
#include "datasource/RtfReader.h"
#include "datasource/SeriesFile.h"
#include "datasource/SeriesSupport.h"
#include "datasource/SeriesText.h"
#include "datasource/ZipWorkFolder.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/PleaseWait_Modeless.h"
#include "dialogs/Services.h"
#include "dialogs/TextBox.h"
#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"

#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace series = zelk::series;

Import_Wizard* Import_Wizard::defaultInstance() {
    static Import_Wizard* instance = new Import_Wizard;
    return instance;
}

Import_Wizard::Import_Wizard(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Import_Wizard"));
    setWindowTitle(QStringLiteral("Import Series"));
    zelk::applyDialogBackground(this);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, 16);
    int row = 0;
    auto source = [&](QRadioButton*& radio, const QString& title) {
        radio = new QRadioButton(title, this);
        grid->addWidget(radio, row++, 0, 1, 4);
    };
    auto pathRow = [&](QLineEdit*& path, QPushButton*& browse) {
        path = new QLineEdit(this);
        path->setMinimumWidth(320);
        browse = new QPushButton(QStringLiteral("Browse..."), this);
        grid->addWidget(new QLabel(QStringLiteral("Path:"), this), row, 1);
        grid->addWidget(path, row, 2);
        grid->addWidget(browse, row++, 3);
    };
    auto nameRow = [&](QLineEdit*& name) {
        name = new QLineEdit(this);
        auto* label = new QLabel(QStringLiteral("Series name:"), this);
        name->setProperty("seriesNameLabel", QVariant::fromValue(static_cast<QObject*>(label)));
        grid->addWidget(label, row, 1);
        grid->addWidget(name, row++, 2);
    };
    source(Excel_RD, QStringLiteral("Excel workbook (.xlsx)"));
    pathRow(Excel_path, Excel_btn);
    source(Text_RD, QStringLiteral("Text file (.txt, .csv, .rtf)"));
    pathRow(Text_path, Text_btn);
    nameRow(Text_file_name);
    source(Mnul_RD, QStringLiteral("Paste values, one per line"));
    ManualEdit = new zelk::TextBox(this);
    ManualEdit->setMinimumHeight(110);
    grid->addWidget(ManualEdit, row++, 1, 1, 3);
    nameRow(Manual_file_name);
    source(Image_RD, QStringLiteral("Pictures of a folder"));
    pathRow(Image_path, Image_btn);
    nameRow(Image_file_name);
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    buttons->addWidget(help);
    const auto [ok, cancel] = zelk::addOkCancelButtons(this, buttons);
    layout->addLayout(buttons);
    plz_wait_Window = new PleaseWait_Modeless(this);

    auto* radios = new QButtonGroup(this);
    for (QRadioButton* r : {Excel_RD, Text_RD, Mnul_RD, Image_RD})
        radios->addButton(r);
    connect(Excel_RD, &QRadioButton::clicked, this, &Import_Wizard::Excel_RD_Pressed);
    connect(Text_RD, &QRadioButton::clicked, this, &Import_Wizard::Text_RD_Pressed);
    connect(Mnul_RD, &QRadioButton::clicked, this, &Import_Wizard::Manual_RD_Pressed);
    connect(Image_RD, &QRadioButton::clicked, this, &Import_Wizard::Image_RD_Pressed);
    connect(Excel_btn, &QPushButton::clicked, this, &Import_Wizard::Browse_Excel_Pressed);
    connect(Text_btn, &QPushButton::clicked, this, &Import_Wizard::Browse_Text_Pressed);
    connect(Image_btn, &QPushButton::clicked, this, &Import_Wizard::Browse_Image_Pressed);
    connect(ok, &QPushButton::clicked, this, &Import_Wizard::OKPressed);
    connect(cancel, &QPushButton::clicked, this, &Import_Wizard::CancelPressed);
    connect(help, &QPushButton::clicked, this, &Import_Wizard::HelpPressed);
}

void Import_Wizard::Open_Wnd() {
    Check_Path_And_Create_Files();
    for (QLineEdit* f : {Excel_path, Text_path, Image_path, Text_file_name, Manual_file_name, Image_file_name})
        f->clear();
    ManualEdit->clear();
    selectSource(0);
    for (QLineEdit* name : {Text_file_name, Manual_file_name, Image_file_name}) {
        name->setVisible(file_name_required == 1);
        if (auto* label = qobject_cast<QWidget*>(name->property("seriesNameLabel").value<QObject*>()))
            label->setVisible(file_name_required == 1);
    }
    zelk::DialogRunner::run(this);
}

void Import_Wizard::Enable_Disable_Excel_Option(bool flag) {
    Excel_btn->setEnabled(flag);
    Excel_path->setEnabled(flag);
}

void Import_Wizard::Enable_Disable_Text_Option(bool flag) {
    Text_btn->setEnabled(flag);
    Text_path->setEnabled(flag);
    Text_file_name->setEnabled(flag);
}

void Import_Wizard::Enable_Disable_Manual_Option(bool flag) {
    ManualEdit->setReadOnly(!flag);
    ManualEdit->setEnabled(flag);
    Manual_file_name->setEnabled(flag);
}

void Import_Wizard::Enable_Disable_Image_Option(bool flag) {
    Image_btn->setEnabled(flag);
    Image_path->setEnabled(flag);
    Image_file_name->setEnabled(flag);
}

void Import_Wizard::selectSource(int option) {
    import_option = option;
    const QList<QRadioButton*> radios = {Excel_RD, Text_RD, Mnul_RD, Image_RD};
    for (int i = 0; i < radios.size(); ++i)
        radios.at(i)->setChecked(i == option);
    Enable_Disable_Excel_Option(option == 0);
    Enable_Disable_Text_Option(option == 1);
    Enable_Disable_Manual_Option(option == 2);
    Enable_Disable_Image_Option(option == 3);
    QLineEdit* name = option == 1 ? Text_file_name : option == 2 ? Manual_file_name : option == 3 ? Image_file_name : nullptr;
    if (name && Trim_Str(name->text()).isEmpty())
        name->setText(default_file_name);
}

void Import_Wizard::Excel_RD_Pressed() { selectSource(0); }

void Import_Wizard::Text_RD_Pressed() { selectSource(1); }

void Import_Wizard::Manual_RD_Pressed() { selectSource(2); }

void Import_Wizard::Image_RD_Pressed() { selectSource(3); }

void Import_Wizard::Browse_Excel_Pressed() {
    Delete_Excel_File_Temp_Folder();
    const QString path = zelk::chooseOpenPath(this, QStringLiteral("Choose a Workbook"),
                                              QStringLiteral("Excel workbooks (*.xlsx *.XLSX)"));
    if (path.isEmpty())
        return;
    Excel_path->setText(path);
    OKPressed();
}

void Import_Wizard::Browse_Text_Pressed() {
    const QString path = zelk::chooseOpenPath(
        this, QStringLiteral("Choose a Text File"),
        QStringLiteral("Text files (*.txt *.TXT *.rtf *.RTF *.csv *.CSV)"));
    if (path.isEmpty())
        return;
    Text_path->setText(path);
    OKPressed();
}

void Import_Wizard::Browse_Image_Pressed() {
    const QString path =
        zelk::chooseFolder(this, QStringLiteral("Choose a Folder of Pictures"), QString());
    if (path.isEmpty())
        return;
    Image_path->setText(path);
    OKPressed();
}

void Import_Wizard::OKPressed() {
    bool ok = false;
    switch (import_option) {
    case 0: {
        const QString path = Trim_Str(Excel_path->text());
        if (series::Check_And_Validate_File_Path(path) != 0)
            return;
        if (file_name_required == 1) {
            hide();
            Import_Excel_DataSheet* sheet = Import_Excel_DataSheet::defaultInstance();
            sheet->file_name_Insert = file_name_Insert;
            sheet->Open_excel_datasheet_Wnd(path);
        } else {
            Import_Excel* columns = Import_Excel::defaultInstance();
            columns->open_mode = QStringLiteral("D");
            columns->Open_excel_Wnd(path);
        }
        done(1);
        return;
    }
    case 1:
        if (series::Check_And_Validate_File_Path(Text_path->text()) != 0)
            return;
        ok = Create_And_Save_Text_Data_Sheet(Trim_Str(Text_path->text()));
        break;
    case 2:
        ok = Create_And_Save_Manual_Paste_data_Sheet();
        break;
    default:
        if (series::Check_And_Validate_File_Path(Image_path->text()) != 0)
            return;
        ok = Create_And_Save_Image_data_Sheet(Trim_Str(Image_path->text()));
        break;
    }
    if (ok)
        done(1);
}

void Import_Wizard::CancelPressed() { done(0); }

void Import_Wizard::HelpPressed() { Open_Help_File(); }

void Import_Wizard::Show_Create_Modeless() { plz_wait_Window->beginSheet(this); }

void Import_Wizard::Hide_Destroy_Modeless() { plz_wait_Window->endSheet(); }

QString Import_Wizard::chk_and_insert_validation(const QString& text) { return series::cleanValue(text); }

bool Import_Wizard::takeName(QLineEdit* field, QString& name) {
    if (file_name_required != 1)
        return true;
    const std::optional<QString> cleaned = series::cleanedName(field->text());
    if (!cleaned)
        return false;
    name = *cleaned;
    return true;
}

bool Import_Wizard::deliver(const QString& name, const QStringList& values) {
    if (file_name_required == 1) {
        if (!SeriesFile::write(series::pathOf(name), values)) {
            Show_MessageBox(series::kFileError);
            return false;
        }
    } else if (BatchWizard_Window) {
        BatchWizard_Window->Create_Value_List(values);
    }
    if (file_name_Insert == 1 && BatchWizard_Window)
        BatchWizard_Window->Fill_List();
    return true;
}

bool Import_Wizard::Create_And_Save_Text_Data_Sheet(const QString& path) {
    QString name;
    if (!takeName(Text_file_name, name))
        return false;
    Show_Create_Modeless();
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        Hide_Destroy_Modeless();
        Show_MessageBox(QStringLiteral("Please select a valid file."));
        return false;
    }
    const QByteArray bytes = file.readAll();
    const series::TextKind kind = series::textKindOf(path);
    const QString text = kind == series::TextKind::Rtf ? zelk::RtfReader::plainText(bytes) : series::decodeText(bytes);
    if (text.isEmpty()) {
        Hide_Destroy_Modeless();
        Show_MessageBox(series::kCorrupted);
        return false;
    }
    // A file without values is refused before an existing series of the
    // name is offered for replacing: nothing is written.
    const QStringList values = series::valuesOfText(text, kind);
    if (values.isEmpty()) {
        Hide_Destroy_Modeless();
        Show_MessageBox(series::kNoValues);
        return false;
    }
    if (file_name_required == 1 && !series::mayWriteNew(name)) {
        Hide_Destroy_Modeless();
        return false;
    }
    const bool ok = deliver(name, values);
    Hide_Destroy_Modeless();
    return ok;
}

bool Import_Wizard::Create_And_Save_Manual_Paste_data_Sheet() {
    QString name;
    if (!takeName(Manual_file_name, name))
        return false;
    const QString text = Trim_Str(ManualEdit->toPlainText());
    if (text.isEmpty()) {
        Show_MessageBox(QStringLiteral("Please enter some data."));
        return false;
    }
    if (file_name_required == 1 && !series::mayWriteNew(name))
        return false;
    Show_Create_Modeless();
    QStringList lines = text.split(QLatin1Char('\n'));
    // Pasted lines are values as they stand; only empty ones are left out
    // of a series file (the manager drops blank ones itself).
    if (file_name_required == 1)
        lines.removeAll(QString());
    const bool ok = deliver(name, lines);
    Hide_Destroy_Modeless();
    return ok;
}

QStringList Import_Wizard::imagePathsOf(const QString& folder) {
    QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                 QDir::Unsorted);
    std::sort(entries.begin(), entries.end(), series::naturalLess);
    QStringList paths;
    for (const QString& entry : entries) {
        const QString full = folder + QLatin1Char('/') + entry;
        const QFileInfo info(full);
        if (info.isFile() && series::imageTypes().contains(info.suffix().toLower()))
            paths.append(full);
    }
    return paths;
}

bool Import_Wizard::Create_And_Save_Image_data_Sheet(const QString& folder) {
    QString name;
    if (!takeName(Image_file_name, name))
        return false;
    if (file_name_required == 1 && !series::mayWriteNew(name))
        return false;
    Show_Create_Modeless();
    const QStringList paths = imagePathsOf(folder);
    if (paths.isEmpty()) {
        // Nothing is written, so a series that would have been replaced stays.
        Hide_Destroy_Modeless();
        Show_MessageBox(QStringLiteral("The selected folder does not contains any image with supported extension."));
        return false;
    }
    const bool ok = deliver(name, paths);
    Hide_Destroy_Modeless();
    return ok;
}
