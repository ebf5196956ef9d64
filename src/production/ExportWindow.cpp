#include "production/ExportWindow.h"

#include "dialogs/ArrowStepper.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "production/ExportGlobals.h"
#include "production/PrintRange.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

using zelk::ExportWindow;

namespace {

const QStringList fileTypes = {QStringLiteral("PNG"), QStringLiteral("JPG"), QStringLiteral("BMP"),
                               QStringLiteral("TIFF"), QStringLiteral("PDF"), QStringLiteral("EPS")};
constexpr int NoDataMaximum = 999999;

QSpinBox* stepper(QWidget* parent) {
    auto* s = new zelk::ArrowStepper(parent);
    s->setRange(1, NoDataMaximum);
    return s;
}

void setNumber(QLineEdit* field, QSpinBox* stepper, int value) {
    const QSignalBlocker block(stepper);
    field->setText(QString::number(value));
    stepper->setValue(value);
}

}  // namespace

ExportWindow::ExportWindow(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    setWindowTitle(QStringLiteral("Export"));
    auto* layout = new QVBoxLayout(this);

    auto* typeBox = new QGroupBox(QStringLiteral("File type"), this);
    auto* typeGrid = new QGridLayout(typeBox);
    matrix_file_type = new QButtonGroup(this);
    fileFormatPopup = new QComboBox(typeBox);
    fileFormatPopup->addItems(fileTypes);
    fileFormatPopup->hide();  // the radios choose; the pop-up holds the titles
    for (int row = 0; row < fileTypes.size(); ++row) {
        auto* radio = new QRadioButton(fileTypes.at(row), typeBox);
        matrix_file_type->addButton(radio, row);
        typeGrid->addWidget(radio, row / 3, row % 3);
    }
    saveDPIText = new QComboBox(typeBox);
    saveDPIText->addItem(QStringLiteral("600 dpi"));
    typeGrid->addWidget(new QLabel(QStringLiteral("Resolution"), typeBox), 2, 0);
    typeGrid->addWidget(saveDPIText, 2, 1, 1, 2);
    layout->addWidget(typeBox);

    auto* sideBox = new QGroupBox(QStringLiteral("Card side"), this);
    auto* sideGrid = new QGridLayout(sideBox);
    matrix_export_card_side = new QButtonGroup(this);
    const QStringList sides = {QStringLiteral("Both"), QStringLiteral("Front"), QStringLiteral("Back")};
    for (int column = 0; column < sides.size(); ++column) {
        auto* radio = new QRadioButton(sides.at(column), sideBox);
        matrix_export_card_side->addButton(radio, column);
        sideGrid->addWidget(radio, 0, column);
    }
    export_combined_image_chk = new QCheckBox(QStringLiteral("Both sides in one picture"), sideBox);
    combined_image_H_or_V_chk = new QCheckBox(QStringLiteral("Side by side"), sideBox);
    sideGrid->addWidget(export_combined_image_chk, 1, 0, 1, 2);
    sideGrid->addWidget(combined_image_H_or_V_chk, 1, 2);
    layout->addWidget(sideBox);

    auto* dataBox = new QGroupBox(QStringLiteral("Card values"), this);
    auto* dataRow = new QHBoxLayout(dataBox);
    Export_with_batch_chk = new QCheckBox(QStringLiteral("With series"), dataBox);
    Export_with_excel_chk = new QCheckBox(QStringLiteral("With Excel"), dataBox);
    dataRow->addWidget(Export_with_batch_chk);
    dataRow->addWidget(Export_with_excel_chk);
    layout->addWidget(dataBox);

    export_range_box = new QGroupBox(QStringLiteral("Cards"), this);
    auto* rangeGrid = new QGridLayout(export_range_box);
    All_print_rd = new QRadioButton(QStringLiteral("All"), export_range_box);
    Sel_print_rd = new QRadioButton(QStringLiteral("Selected"), export_range_box);
    tot_label = new QLabel(QStringLiteral("Total"), export_range_box);
    Total_Text = new QLineEdit(export_range_box);
    Total_Stepper = stepper(export_range_box);
    from_label = new QLabel(QStringLiteral("From"), export_range_box);
    from_Text = new QLineEdit(export_range_box);
    from_Stepper = stepper(export_range_box);
    to_label = new QLabel(QStringLiteral("To"), export_range_box);
    To_Text = new QLineEdit(export_range_box);
    To_Stepper = stepper(export_range_box);
    for (QLineEdit* field : {Total_Text, from_Text, To_Text})
        field->setMaximumWidth(80);
    rangeGrid->addWidget(All_print_rd, 0, 0);
    rangeGrid->addWidget(tot_label, 0, 1);
    rangeGrid->addWidget(Total_Text, 0, 2);
    rangeGrid->addWidget(Total_Stepper, 0, 3);
    rangeGrid->addWidget(Sel_print_rd, 1, 0);
    rangeGrid->addWidget(from_label, 1, 1);
    rangeGrid->addWidget(from_Text, 1, 2);
    rangeGrid->addWidget(from_Stepper, 1, 3);
    rangeGrid->addWidget(to_label, 1, 4);
    rangeGrid->addWidget(To_Text, 1, 5);
    rangeGrid->addWidget(To_Stepper, 1, 6);
    layout->addWidget(export_range_box);

    auto* mirrorRow = new QHBoxLayout;
    mirror_chk_box = new QCheckBox(QStringLiteral("Mirror image"), this);
    mirror_matrix = new QButtonGroup(this);
    mirrorRow->addWidget(mirror_chk_box);
    const QStringList mirrors = {QStringLiteral("Horizontal"), QStringLiteral("Vertical")};
    for (int column = 0; column < mirrors.size(); ++column) {
        auto* radio = new QRadioButton(mirrors.at(column), this);
        mirror_matrix->addButton(radio, column);
        mirrorRow->addWidget(radio);
    }
    mirrorRow->addStretch();
    layout->addLayout(mirrorRow);

    auto* buttons = new QHBoxLayout;
    const auto [ok, cancel] = zelk::addOkCancelButtons(this, buttons);
    layout->addLayout(buttons);

    // Handlers answer the user only (clicked, activated, edited): the
    // program's own changes of the controls run no handler.
    connect(ok, &QPushButton::clicked, this, &ExportWindow::exportOkay);
    connect(cancel, &QPushButton::clicked, this, &ExportWindow::exportCancel);
    connect(fileFormatPopup, &QComboBox::activated, this, &ExportWindow::exportFileTypeChanged);
    connect(matrix_file_type, &QButtonGroup::idClicked, this, &ExportWindow::export_file_type_CellClick);
    connect(matrix_export_card_side, &QButtonGroup::idClicked, this, &ExportWindow::export_card_side_CellClick);
    connect(Export_with_batch_chk, &QCheckBox::clicked, this, &ExportWindow::Export_With_Batch_Changed);
    connect(Export_with_excel_chk, &QCheckBox::clicked, this, &ExportWindow::Export_With_Excel_Changed);
    connect(All_print_rd, &QRadioButton::clicked, this, &ExportWindow::All_print_RD_Clicked);
    connect(Sel_print_rd, &QRadioButton::clicked, this, &ExportWindow::Sel_Print_RD_Clicked);
    connect(mirror_chk_box, &QCheckBox::clicked, this, &ExportWindow::Mirror_image_chk_clicked);
    connect(mirror_matrix, &QButtonGroup::idClicked, this, &ExportWindow::Mirror_Image_Type_CellClick);
    connect(from_Stepper, &QSpinBox::valueChanged, this, [this] { From_Stepper_Changed(from_Stepper); });
    connect(To_Stepper, &QSpinBox::valueChanged, this, [this] { To_Stepper_Changed(To_Stepper); });
    connect(Total_Stepper, &QSpinBox::valueChanged, this, [this] { Total_Val_Changed(Total_Stepper); });
    for (QLineEdit* field : {Total_Text, from_Text, To_Text})
        connect(field, &QLineEdit::textEdited, this, [this, field] { controlTextDidChange(field); });
}

int ExportWindow::integerValue(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    qint64 value = 0;
    for (; i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i)
        value = qMin<qint64>(value * 10 + (text.at(i).unicode() - '0'), INT_MAX);
    return int(negative ? -value : value);
}

QString ExportWindow::fileType() const {
    return fileFormatPopup->currentText();
}

bool ExportWindow::dataValuesOn() const {
    return Export_with_batch_chk->isChecked() || Export_with_excel_chk->isChecked();
}

void ExportWindow::resetForExport(bool twoSided, bool visitorMode, bool seriesInUse, bool excelInUse) {
    mirror_chk_box->setChecked(false);
    mirror_matrix->button(0)->setChecked(true);
    for (QAbstractButton* b : mirror_matrix->buttons())
        b->setEnabled(false);
    matrix_file_type->button(0)->setChecked(true);
    fileFormatPopup->setCurrentIndex(0);
    saveDPIText->setCurrentIndex(0);
    saveDPIText->setEnabled(true);
    export_combined_image_chk->setChecked(false);
    combined_image_H_or_V_chk->setChecked(false);
    All_print_rd->setChecked(true);
    // All writes every card of the data: the total is not asked for.
    for (QWidget* w : {static_cast<QWidget*>(Total_Text), static_cast<QWidget*>(Total_Stepper),
                       static_cast<QWidget*>(tot_label)})
        w->hide();
    setNumber(from_Text, from_Stepper, 1);
    for (QWidget* w : {static_cast<QWidget*>(from_Text), static_cast<QWidget*>(from_Stepper),
                       static_cast<QWidget*>(from_label), static_cast<QWidget*>(To_Text),
                       static_cast<QWidget*>(To_Stepper), static_cast<QWidget*>(to_label)})
        w->setEnabled(false);
    Set_Tot_Value(Total_Batch_Excel_Card, NoDataMaximum, QStringLiteral("A"));

    for (QAbstractButton* b : matrix_export_card_side->buttons())
        b->setEnabled(twoSided);
    matrix_export_card_side->button(1)->setEnabled(true);
    const int side = twoSided ? 0 : 1;
    matrix_export_card_side->button(side)->setChecked(true);
    export_card_side_CellClick(side);
    export_combined_image_chk->setEnabled(twoSided);
    combined_image_H_or_V_chk->setEnabled(twoSided);

    Export_with_batch_chk->setEnabled(!visitorMode);
    Export_with_excel_chk->setEnabled(!visitorMode);
    Export_with_batch_chk->setChecked(!visitorMode && seriesInUse);
    Export_with_excel_chk->setChecked(!visitorMode && excelInUse);
    if (!visitorMode)
        Total_Label = Total_Batch_Excel_Card;
    // The range's maximum follows the data check boxes just set.
    Set_Tot_Value(Total_Label, dataValuesOn() ? Total_Batch_Excel_Card : NoDataMaximum, QStringLiteral("A"));
    Set_Enable_Diable_Range_Box();
}

int ExportWindow::Open_Wnd() {
    return zelk::DialogRunner::run(this) == 1 ? 1 : 0;
}

bool ExportWindow::applyRange() {
    if (All_print_rd->isChecked()) {
        Print_Start = 0;
        Total_Label = Total_Batch_Excel_Card;
        return true;
    }
    const int from = integerValue(from_Text->text());
    const int to = integerValue(To_Text->text());
    Print_Start = from;
    Print_End = to;
    if (from > to) {
        Show_MessageBox(QStringLiteral("Please select valid range."));
        return false;
    }
    // Typed numbers below 1 or above the data's cards never reach the rows;
    // the export's Total_Label is the loop end, not the count.
    const zelk::PrintRange range = zelk::PrintRange::resolve(false, 0, from, to, true, Total_Batch_Excel_Card, false);
    Print_Start = range.Print_Start;
    Print_End = range.Print_End;
    Total_Label = range.Print_End;
    return true;
}

void ExportWindow::exportOkay() {
    if (!applyRange())
        return;
    done(1);
}

void ExportWindow::exportCancel() {
    Mirror_Image_Create = false;
    Mirror_Vertical_Not_Horz = false;
    done(0);
}

void ExportWindow::exportFileTypeChanged() {
    saveDPIText->setEnabled(fileFormatPopup->currentText() == QLatin1String("TIFF"));
}

void ExportWindow::export_file_type_CellClick(int row) {
    fileFormatPopup->setCurrentIndex(row);
    saveDPIText->setEnabled(row == 0);
}

void ExportWindow::export_card_side_CellClick(int column) {
    static const char* const names[] = {"BOTH", "F", "B"};
    if (column < 0 || column > 2)
        return;
    export_card_side = QString::fromLatin1(names[column]);
    export_combined_image_chk->setEnabled(column == 0);
    combined_image_H_or_V_chk->setEnabled(column == 0);
    Show_NSLog_Message(QStringLiteral("Export card side: %1").arg(export_card_side));
}

void ExportWindow::dataChanged() {
    if (recount)
        recount();
    Total_Label = dataValuesOn() ? Total_Batch_Excel_Card : 1;
    Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
    Set_Enable_Diable_Range_Box();
}

void ExportWindow::Export_With_Batch_Changed() {
    Use_Data_Sheet_Values = Export_with_batch_chk->isChecked();
    dataChanged();
}

void ExportWindow::Export_With_Excel_Changed() {
    Use_Excel_Binding_Values = Export_with_excel_chk->isChecked();
    dataChanged();
}

void ExportWindow::Set_Enable_Diable_Range_Box() {
    if (!dataValuesOn()) {
        export_range_box->setEnabled(false);
        return;
    }
    export_range_box->setEnabled(true);
    if (All_print_rd->isChecked())
        All_print_RD_Clicked();
    else
        Sel_Print_RD_Clicked();
}

void ExportWindow::All_print_RD_Clicked() {
    All_print_rd->setChecked(true);
    Sel_print_rd->setChecked(false);
    for (QWidget* w : {static_cast<QWidget*>(tot_label), static_cast<QWidget*>(Total_Stepper),
                       static_cast<QWidget*>(Total_Text)})
        w->setEnabled(true);
    for (QWidget* w : {static_cast<QWidget*>(from_Text), static_cast<QWidget*>(from_Stepper),
                       static_cast<QWidget*>(from_label), static_cast<QWidget*>(To_Text),
                       static_cast<QWidget*>(To_Stepper), static_cast<QWidget*>(to_label)})
        w->setEnabled(false);
}

void ExportWindow::Sel_Print_RD_Clicked() {
    Sel_print_rd->setChecked(true);
    All_print_rd->setChecked(false);
    for (QWidget* w : {static_cast<QWidget*>(tot_label), static_cast<QWidget*>(Total_Stepper),
                       static_cast<QWidget*>(Total_Text)})
        w->setEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(from_Text), static_cast<QWidget*>(from_Stepper),
                       static_cast<QWidget*>(from_label), static_cast<QWidget*>(To_Text),
                       static_cast<QWidget*>(To_Stepper), static_cast<QWidget*>(to_label)})
        w->setEnabled(true);
}

void ExportWindow::syncStepper(QLineEdit* field, QSpinBox* stepper, QObject* sender) {
    if (sender == stepper) {
        field->setText(QString::number(stepper->value()));
    } else {
        const QSignalBlocker block(stepper);
        stepper->setValue(integerValue(field->text()));
    }
}

void ExportWindow::From_Stepper_Changed(QObject* sender) { syncStepper(from_Text, from_Stepper, sender); }
void ExportWindow::To_Stepper_Changed(QObject* sender) { syncStepper(To_Text, To_Stepper, sender); }
void ExportWindow::Total_Val_Changed(QObject* sender) { syncStepper(Total_Text, Total_Stepper, sender); }

void ExportWindow::Set_Tot_Value(int value, int max, const QString& target) {
    int shown = value == 0 ? 1 : value;
    if (!dataValuesOn()) {
        max = NoDataMaximum;
        shown = qMin(shown, NoDataMaximum);
    }
    for (QSpinBox* s : {Total_Stepper, To_Stepper, from_Stepper}) {
        const QSignalBlocker block(s);
        s->setMaximum(qMax(1, max));
    }
    if (target == QLatin1String("TOT") || target == QLatin1String("A"))
        setNumber(Total_Text, Total_Stepper, shown);
    if (target == QLatin1String("TO") || target == QLatin1String("A"))
        setNumber(To_Text, To_Stepper, shown);
}

void ExportWindow::Mirror_image_chk_clicked() {
    Mirror_Image_Create = mirror_chk_box->isChecked();
    for (QAbstractButton* b : mirror_matrix->buttons())
        b->setEnabled(Mirror_Image_Create);
}

void ExportWindow::Mirror_Image_Type_CellClick(int column) {
    Mirror_Vertical_Not_Horz = column == 1;
}

void ExportWindow::controlTextDidChange(QLineEdit* field) {
    const int cards = Total_Batch_Excel_Card;
    const QString text = Trim_Str(field->text());
    int value = integerValue(text);
    if (text.isEmpty() || value == 0)
        value = 1;
    if (field == Total_Text) {
        if (dataValuesOn() && value > cards)
            value = cards;
        Set_Tot_Value(value, cards, QStringLiteral("TOT"));
    } else if (field == To_Text) {
        value = qMin(value, cards);
        Set_Tot_Value(value, cards, QStringLiteral("TO"));
    } else if (field == from_Text) {
        value = qMin(value, cards);
        setNumber(from_Text, from_Stepper, value);
    }
}
