// The barcode settings window: layout, the modal run, the transfer into the
// controls, writing back, validation, the data source and the preview. The
// rules of the single controls are in Barcode_Gen_Controls.cpp.
#include "barcode/Barcode_Gen.h"

#include "barcode/BarcodeColorWell.h"
#include "barcode/BarcodeDataSource.h"
#include "barcode/BarcodeGlobals.h"
#include "barcode/BarcodeLimits.h"
#include "barcode/BarcodeRenderer.h"
#include "barcode/BarcodeStepper.h"
#include "barcode/BarcodeSymbologies.h"
#include "barcode/NKDBarcode.h"
#include "barcode/NKDBarcodeFactory.h"
#include "barcode/TwoDBarcode.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

Barcode_Gen* Barcode_Gen_Var = nullptr;

namespace {

zelk::BarcodeDataSource* installedSource = nullptr;

const QString kInvalidValue = QStringLiteral("Invalid barcode value.");
const QString kSelectColumn = QStringLiteral("Please select valid Series / Excel Column.");
const QString kNoSelection = QStringLiteral("<--Select-->");

bool isSevenBitAscii(const QString& s) {
    for (QChar c : s)
        if (c.unicode() > 127)
            return false;
    return true;
}

QToolButton* helpButton(QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setText(QStringLiteral("?"));
    b->setAutoRaise(false);
    return b;
}

// Fills a combo as the program: no handler runs and nothing is selected.
void fillCombo(QComboBox* combo, const QStringList& items) {
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
}

void selectQuietly(QComboBox* combo, int index) {
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

}  // namespace

Barcode_Gen* Barcode_Gen::defaultInstance() {
    static Barcode_Gen* instance = nullptr;
    if (!instance) {
        instance = new Barcode_Gen();
        Barcode_Gen_Var = instance;
    }
    return instance;
}

void Barcode_Gen::setDataSource(zelk::BarcodeDataSource* source) { installedSource = source; }

zelk::BarcodeDataSource& Barcode_Gen::source() const {
    static zelk::BarcodeDataSource fallback;
    return installedSource ? *installedSource : fallback;
}

Barcode_Gen::Barcode_Gen(QWidget* parent) : QDialog(parent) {
    filling_ = true;
    setWindowTitle(QStringLiteral("Barcode Settings"));
    zelk::applyDialogBackground(this);
    setModal(true);
    value_font = header_font = footer_font = zelk::BarcodeRenderSettings::defaultFont();
    buildLayout();
    connectControls();
    // The resolution tab is put back for 2D symbologies only.
    sett_tab->removeTab(2);
    Liner_Barcode_Opt_Select();
    _setLabels();
    filling_ = false;
}

Barcode_Gen::~Barcode_Gen() = default;

// ---------------------------------------------------------------- layout

void Barcode_Gen::buildLayout() {
    auto* layout = new QVBoxLayout(this);

    image_scroll = new QScrollArea(this);
    image_scroll->setWidgetResizable(true);
    // A fixed preview keeps the window still while the settings shown change.
    image_scroll->setFixedHeight(250);
    barcodeImage = new QLabel;
    barcodeImage->setAlignment(Qt::AlignCenter);
    barcodeImage->setFrameShape(QFrame::StyledPanel);
    barcodeImage->setStyleSheet(QStringLiteral("background: white"));
    image_scroll->setWidget(barcodeImage);
    layout->addWidget(image_scroll);
    barcode_error_label = new QLabel(QStringLiteral("No barcode can be made of this value and these settings."), this);
    barcode_error_label->setStyleSheet(QStringLiteral("color: #b00000"));
    // Its line stays reserved: fields that moved while the user typed would
    // take clicks meant for their neighbours.
    QSizePolicy keepLine = barcode_error_label->sizePolicy();
    keepLine.setRetainSizeWhenHidden(true);
    barcode_error_label->setSizePolicy(keepLine);
    barcode_error_label->hide();
    layout->addWidget(barcode_error_label);

    sett_tab = new QTabWidget(this);
    sett_tab->addTab(buildDataTab(), QStringLiteral("Barcode"));
    sett_tab->addTab(buildLookTab(), QStringLiteral("Size and Look"));
    dpi_tab_item = buildResolutionTab();
    sett_tab->addTab(dpi_tab_item, QStringLiteral("Resolution"));
    layout->addWidget(sett_tab, 1);

    auto* buttons = new QHBoxLayout;
    const zelk::OkCancelButtons okCancel = zelk::addOkCancelButtons(this, buttons);
    ok_button = okCancel.ok;
    cancel_button = okCancel.cancel;
    layout->addLayout(buttons);
    resize(840, 680);
}

QWidget* Barcode_Gen::buildDataTab() {
    auto* page = new QWidget;
    auto* form = new QGridLayout(page);
    int row = 0;

    barcodeTypePopup = new QComboBox(page);
    barcodeTypePopup->addItems(zelk::BarcodeSymbologies::titles());
    form->addWidget(new QLabel(QStringLiteral("Barcode type:"), page), row, 0);
    form->addWidget(barcodeTypePopup, row++, 1, 1, 3);

    Data_source_type = new QComboBox(page);
    form->addWidget(new QLabel(QStringLiteral("Data source:"), page), row, 0);
    form->addWidget(Data_source_type, row, 1);
    auto* seriesRow = new QHBoxLayout;
    series_label = new QLabel(QStringLiteral("Series / Column:"), page);
    Batch_Series = new QComboBox(page);
    Batch_Series->setPlaceholderText(kNoSelection);
    Batch_Series->setMinimumContentsLength(14);
    view_series_btn = new QPushButton(QStringLiteral("View"), page);
    seriesRow->addWidget(series_label);
    seriesRow->addWidget(Batch_Series, 1);
    seriesRow->addWidget(view_series_btn);
    form->addLayout(seriesRow, row++, 2, 1, 2);

    form->addWidget(new QLabel(QStringLiteral("Value:"), page), row, 0, Qt::AlignTop);
    dataText = new QLineEdit(page);
    dataText_2D = new QPlainTextEdit(page);
    dataText_2D->setTabChangesFocus(true);
    dataText_2D->setFixedHeight(58);
    auto* values = new QVBoxLayout;
    values->addWidget(dataText);
    values->addWidget(dataText_2D);
    form->addLayout(values, row++, 1, 1, 3);

    const QStringList alignments = zelk::BarcodeRenderSettings::alignmentTitles();
    HeaderText = new QLineEdit(page);
    hideHeaderCheckbox = new QCheckBox(QStringLiteral("Hide header"), page);
    align_hdr_combo = new QComboBox(page);
    align_hdr_combo->addItems(alignments);
    form->addWidget(new QLabel(QStringLiteral("Header:"), page), row, 0);
    form->addWidget(HeaderText, row, 1);
    form->addWidget(align_hdr_combo, row, 2);
    form->addWidget(hideHeaderCheckbox, row++, 3);
    FooterText = new QLineEdit(page);
    hideFooterCheckbox = new QCheckBox(QStringLiteral("Hide footer"), page);
    align_ftr_combo = new QComboBox(page);
    align_ftr_combo->addItems(alignments);
    form->addWidget(new QLabel(QStringLiteral("Footer:"), page), row, 0);
    form->addWidget(FooterText, row, 1);
    form->addWidget(align_ftr_combo, row, 2);
    form->addWidget(hideFooterCheckbox, row++, 3);

    captionCheckbox = new QCheckBox(QStringLiteral("Hide value text"), page);
    showinTopCheckbox = new QCheckBox(QStringLiteral("Value text above the bars"), page);
    kerning_value_Checkbox = new QCheckBox(QStringLiteral("Value text without letter spacing"), page);
    transparent_bkgnd = new QCheckBox(QStringLiteral("Transparent background"), page);
    form->addWidget(captionCheckbox, row, 1);
    form->addWidget(showinTopCheckbox, row++, 2, 1, 2);
    form->addWidget(kerning_value_Checkbox, row, 1);
    form->addWidget(transparent_bkgnd, row++, 2, 1, 2);
    form->setColumnStretch(1, 1);
    form->setRowStretch(row, 1);
    return page;
}

QWidget* Barcode_Gen::buildLookTab() {
    using zelk::BarcodeLimits;
    auto* page = new QWidget;
    auto* columns = new QHBoxLayout(page);
    // One symbology's box shows at a time, all in one place that is as
    // large as the largest: the window keeps its size when the kind changes.
    auto* kinds = new QGridLayout;
    auto* sizes = new QVBoxLayout;
    sizes->addLayout(kinds);
    sizes->addStretch();
    columns->addLayout(sizes, 1);
    auto shareKindPlace = [kinds](QGroupBox* box) {
        QSizePolicy policy = box->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        box->setSizePolicy(policy);
        kinds->addWidget(box, 0, 0, Qt::AlignTop);
    };

    linear_sett_box = new QGroupBox(QStringLiteral("Bars"), page);
    auto* linear = new QFormLayout(linear_sett_box);
    barHeightLabel = new QLabel(linear_sett_box);
    barWidthLabel = new QLabel(linear_sett_box);
    HeightStepper = new BarcodeStepper(BarcodeLimits::barHeightMm, 2, linear_sett_box);
    widthStepper = new BarcodeStepper(BarcodeLimits::barWidthMils, 1, linear_sett_box);
    linear->addRow(barHeightLabel, HeightStepper);
    linear->addRow(barWidthLabel, widthStepper);
    shareKindPlace(linear_sett_box);

    auto withHelp = [](QWidget* field, QToolButton* help) {
        auto* row = new QHBoxLayout;
        row->addWidget(field, 1);
        row->addWidget(help);
        return row;
    };

    two_d_sett_box = new QGroupBox(QStringLiteral("QR Code"), page);
    auto* qr = new QFormLayout(two_d_sett_box);
    HeightStepper_2D = new BarcodeStepper(BarcodeLimits::qrSize, 0, two_d_sett_box);
    qr_version_ComboBox = new QComboBox(two_d_sett_box);
    QStringList versions{QStringLiteral("Auto")};
    for (int v = 1; v <= 40; ++v)
        versions << QStringLiteral("V%1").arg(v);
    qr_version_ComboBox->addItems(versions);
    qr_ec_lvl_ComboBox = new QComboBox(two_d_sett_box);
    qr_ec_lvl_ComboBox->addItems({QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("Q"), QStringLiteral("H")});
    auto* qrVersionHelp = helpButton(two_d_sett_box);
    auto* qrLevelHelp = helpButton(two_d_sett_box);
    connect(qrVersionHelp, &QToolButton::clicked, this, &Barcode_Gen::QR_Version_Help_Btn);
    connect(qrLevelHelp, &QToolButton::clicked, this, &Barcode_Gen::QR_EC_Lvl_Help_Btn);
    qr->addRow(QStringLiteral("Size (points):"), HeightStepper_2D);
    qr->addRow(QStringLiteral("Version:"), withHelp(qr_version_ComboBox, qrVersionHelp));
    qr->addRow(QStringLiteral("Error correction:"), withHelp(qr_ec_lvl_ComboBox, qrLevelHelp));
    shareKindPlace(two_d_sett_box);

    pdf_2d_sett_box = new QGroupBox(QStringLiteral("PDF417"), page);
    auto* pdf = new QFormLayout(pdf_2d_sett_box);
    Pdf_widthStepper_2D = new BarcodeStepper(BarcodeLimits::pdfWidth, 0, pdf_2d_sett_box);
    pdf_HeightStepper_2D = new BarcodeStepper(BarcodeLimits::pdfHeight, 0, pdf_2d_sett_box);
    pdf_row_Stepper = new BarcodeStepper(BarcodeLimits::pdfRows, 0, pdf_2d_sett_box);
    pdf_col_Stepper = new BarcodeStepper(BarcodeLimits::pdfColumns, 0, pdf_2d_sett_box);
    pdf_ec_lvl_Stepper = new BarcodeStepper(BarcodeLimits::pdfErrorLevel, 0, pdf_2d_sett_box);
    auto* rowHelp = helpButton(pdf_2d_sett_box);
    auto* colHelp = helpButton(pdf_2d_sett_box);
    auto* pdfLevelHelp = helpButton(pdf_2d_sett_box);
    connect(rowHelp, &QToolButton::clicked, this, &Barcode_Gen::PDF_row_Help_btn);
    connect(colHelp, &QToolButton::clicked, this, &Barcode_Gen::PDF_col_Help_btn);
    connect(pdfLevelHelp, &QToolButton::clicked, this, &Barcode_Gen::PDF_ec_lvl_Help_btn);
    pdf->addRow(QStringLiteral("Width (points):"), Pdf_widthStepper_2D);
    pdf->addRow(QStringLiteral("Height (points):"), pdf_HeightStepper_2D);
    pdf->addRow(QStringLiteral("Rows:"), withHelp(pdf_row_Stepper, rowHelp));
    pdf->addRow(QStringLiteral("Columns:"), withHelp(pdf_col_Stepper, colHelp));
    pdf->addRow(QStringLiteral("EC level:"), withHelp(pdf_ec_lvl_Stepper, pdfLevelHelp));
    shareKindPlace(pdf_2d_sett_box);

    dm_2d_sett_box = new QGroupBox(QStringLiteral("DataMatrix"), page);
    auto* dm = new QFormLayout(dm_2d_sett_box);
    dm_widthStepper_2D = new BarcodeStepper(BarcodeLimits::dmSide, 0, dm_2d_sett_box);
    dm_HeightStepper_2D = new BarcodeStepper(BarcodeLimits::dmSide, 0, dm_2d_sett_box);
    dm_moduleStepper_2D = new BarcodeStepper(BarcodeLimits::dmModule, 0, dm_2d_sett_box);
    dm_format_ComboBox = new QComboBox(dm_2d_sett_box);
    dm_format_ComboBox->addItems(TwoDBarcode::dataMatrixFormats());
    dm_encoding_ComboBox = new QComboBox(dm_2d_sett_box);
    dm_encoding_ComboBox->addItems(TwoDBarcode::dataMatrixEncodings());
    auto* formatHelp = helpButton(dm_2d_sett_box);
    auto* encodingHelp = helpButton(dm_2d_sett_box);
    connect(formatHelp, &QToolButton::clicked, this, &Barcode_Gen::DM_format_Help_btn);
    connect(encodingHelp, &QToolButton::clicked, this, &Barcode_Gen::DM_Encoding_Help_btn);
    dm->addRow(QStringLiteral("Width (points):"), dm_widthStepper_2D);
    dm->addRow(QStringLiteral("Height (points):"), dm_HeightStepper_2D);
    dm->addRow(QStringLiteral("Module size (points):"), dm_moduleStepper_2D);
    dm->addRow(QStringLiteral("Preferred format:"), withHelp(dm_format_ComboBox, formatHelp));
    dm->addRow(QStringLiteral("Encoding mode:"), withHelp(dm_encoding_ComboBox, encodingHelp));
    shareKindPlace(dm_2d_sett_box);

    margin_box = new QGroupBox(page);
    auto* margins = new QFormLayout(margin_box);
    val_mar_label = new QLabel(QStringLiteral("Value text:"), margin_box);
    val_mar_Stepper = new BarcodeStepper(BarcodeLimits::marginMm, 2, margin_box);
    hdr_mar_Stepper = new BarcodeStepper(BarcodeLimits::marginMm, 2, margin_box);
    ftr_mar_Stepper = new BarcodeStepper(BarcodeLimits::marginMm, 2, margin_box);
    TB_mar_Stepper = new BarcodeStepper(BarcodeLimits::marginMm, 2, margin_box);
    LR_mar_Stepper = new BarcodeStepper(BarcodeLimits::marginMm, 2, margin_box);
    margins->addRow(val_mar_label, val_mar_Stepper);
    margins->addRow(QStringLiteral("Header:"), hdr_mar_Stepper);
    margins->addRow(QStringLiteral("Footer:"), ftr_mar_Stepper);
    margins->addRow(QStringLiteral("Top and bottom:"), TB_mar_Stepper);
    margins->addRow(QStringLiteral("Left and right:"), LR_mar_Stepper);
    auto* marginColumn = new QVBoxLayout;
    marginColumn->addWidget(margin_box);
    marginColumn->addStretch();
    columns->addLayout(marginColumn, 1);

    auto* look = new QGroupBox(QStringLiteral("Fonts and colours"), page);
    auto* grid = new QGridLayout(look);
    auto fontRow = [&](int row, QLabel* caption, QLabel*& value, QPushButton*& button, BarcodeColorWell*& well,
                       QLabel* wellCaption) {
        value = new QLabel(look);
        button = new QPushButton(QStringLiteral("Font..."), look);
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        grid->addWidget(button, row, 2);
        if (wellCaption)
            grid->addWidget(wellCaption, row + 1, 0);
        grid->addWidget(well, row + 1, 1, Qt::AlignLeft);
    };
    val_font_label = new QLabel(QStringLiteral("Value text:"), look);
    val_clr_label = new QLabel(QStringLiteral("Value colour:"), look);
    bar_val_clr = new BarcodeColorWell(Qt::black, look);
    bar_hdr_clr = new BarcodeColorWell(Qt::black, look);
    bar_ftr_clr = new BarcodeColorWell(Qt::black, look);
    QPushButton* hdrFontBtn = nullptr;
    QPushButton* ftrFontBtn = nullptr;
    fontRow(0, val_font_label, value_font_value, val_font_btn, bar_val_clr, val_clr_label);
    fontRow(2, new QLabel(QStringLiteral("Header:"), look), header_font_value, hdrFontBtn, bar_hdr_clr,
            new QLabel(QStringLiteral("Header colour:"), look));
    fontRow(4, new QLabel(QStringLiteral("Footer:"), look), footer_font_value, ftrFontBtn, bar_ftr_clr,
            new QLabel(QStringLiteral("Footer colour:"), look));
    connect(val_font_btn, &QPushButton::clicked, this, &Barcode_Gen::Value_Font_Changed);
    connect(hdrFontBtn, &QPushButton::clicked, this, &Barcode_Gen::Header_Font_Changed);
    connect(ftrFontBtn, &QPushButton::clicked, this, &Barcode_Gen::Footer_Font_Changed);
    bar_clr_label = new QLabel(QStringLiteral("Bars:"), look);
    barcode_clr = new BarcodeColorWell(Qt::black, look);
    bar_bk_clr_label = new QLabel(QStringLiteral("Background:"), look);
    bar_back_clr = new BarcodeColorWell(Qt::white, look);
    grid->addWidget(bar_clr_label, 6, 0);
    grid->addWidget(barcode_clr, 6, 1, Qt::AlignLeft);
    grid->addWidget(bar_bk_clr_label, 7, 0);
    grid->addWidget(bar_back_clr, 7, 1, Qt::AlignLeft);
    grid->setRowStretch(8, 1);
    grid->setColumnStretch(1, 1);
    columns->addWidget(look, 1);
    showFontLabel(value_font_value, value_font);
    showFontLabel(header_font_value, header_font);
    showFontLabel(footer_font_value, footer_font);
    return page;
}

QWidget* Barcode_Gen::buildResolutionTab() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    DPI_ComboBox = new QComboBox(page);
    DPI_ComboBox->addItems(zelk::BarcodeLimits::resolutionTitles());
    auto* help = helpButton(page);
    connect(help, &QToolButton::clicked, this, &Barcode_Gen::DPI_Help_Label);
    auto* row = new QHBoxLayout;
    row->addWidget(DPI_ComboBox, 1);
    row->addWidget(help);
    form->addRow(QStringLiteral("DPI (dots per inch):"), row);
    dpi_label = new QLabel(QStringLiteral("Custom DPI:"), page);
    dpi_Stepper = new BarcodeStepper(zelk::BarcodeLimits::customDpi, 0, page);
    form->addRow(dpi_label, dpi_Stepper);
    dpi_label->hide();
    dpi_Stepper->hide();
    return page;
}

void Barcode_Gen::connectControls() {
    connect(ok_button, &QPushButton::clicked, this, &Barcode_Gen::OK_Btn_Clicked);
    connect(cancel_button, &QPushButton::clicked, this, &Barcode_Gen::Cancel_Btn_Clicked);
    connect(barcodeTypePopup, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            barcodeTypeChanged();
    });
    for (QLineEdit* field : {dataText, HeaderText, FooterText})
        connect(field, &QLineEdit::textEdited, this, [this, field] { controlTextDidChange(field); });
    connect(dataText_2D, &QPlainTextEdit::textChanged, this, &Barcode_Gen::textDidChange);

    const std::pair<BarcodeStepper*, void (Barcode_Gen::*)()> steppers[] = {
        {HeightStepper, &Barcode_Gen::heightChanged},           {HeightStepper_2D, &Barcode_Gen::heightChanged},
        {widthStepper, &Barcode_Gen::widthChanged},             {Pdf_widthStepper_2D, &Barcode_Gen::widthChanged},
        {pdf_HeightStepper_2D, &Barcode_Gen::pdf_heightChanged}, {pdf_row_Stepper, &Barcode_Gen::PDF_Row_Changed},
        {pdf_col_Stepper, &Barcode_Gen::PDF_Col_Changed},       {pdf_ec_lvl_Stepper, &Barcode_Gen::PDF_EC_Lvl_Changed},
        {dm_widthStepper_2D, &Barcode_Gen::dm_widthChanged},    {dm_HeightStepper_2D, &Barcode_Gen::dm_heightChanged},
        {dm_moduleStepper_2D, &Barcode_Gen::dm_modulesizeChanged}, {val_mar_Stepper, &Barcode_Gen::Value_Margin_Changed},
        {hdr_mar_Stepper, &Barcode_Gen::Header_Margin_Changed}, {ftr_mar_Stepper, &Barcode_Gen::Footer_Margin_Changed},
        {TB_mar_Stepper, &Barcode_Gen::TB_Margin_Changed},      {LR_mar_Stepper, &Barcode_Gen::LR_Margin_Changed},
        {dpi_Stepper, &Barcode_Gen::DPI_Value_Changed},
    };
    for (const auto& [stepper, rule] : steppers)
        connect(stepper, &QDoubleSpinBox::valueChanged, this, rule);

    for (QComboBox* combo : {align_hdr_combo, align_ftr_combo, qr_version_ComboBox, qr_ec_lvl_ComboBox,
                             dm_format_ComboBox, dm_encoding_ComboBox, DPI_ComboBox})
        connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] { comboBoxSelectionDidChange(combo); });
    connect(Data_source_type, &QComboBox::currentIndexChanged, this, &Barcode_Gen::dataSourceChanged);
    connect(Batch_Series, &QComboBox::currentIndexChanged, this, &Barcode_Gen::batchSeriesChanged);
    connect(view_series_btn, &QPushButton::clicked, this, &Barcode_Gen::View_batch_Series_Button);

    connect(captionCheckbox, &QCheckBox::clicked, this, &Barcode_Gen::captionChanged);
    connect(showinTopCheckbox, &QCheckBox::clicked, this, &Barcode_Gen::showinTopChanged);
    connect(hideHeaderCheckbox, &QCheckBox::clicked, this, &Barcode_Gen::hideHeaderChanged);
    connect(hideFooterCheckbox, &QCheckBox::clicked, this, &Barcode_Gen::hideFooterChanged);
    connect(kerning_value_Checkbox, &QCheckBox::clicked, this, &Barcode_Gen::kerningChanged);
    connect(transparent_bkgnd, &QCheckBox::clicked, this, &Barcode_Gen::Transparent_Bkngd_Clicked);
    for (BarcodeColorWell* well : {bar_hdr_clr, bar_ftr_clr, bar_val_clr, bar_back_clr, barcode_clr})
        connect(well, &BarcodeColorWell::colorChosen, this, &Barcode_Gen::Set_Font_Clr);
}

// ---------------------------------------------------------------- modal editing

std::shared_ptr<SKTGraphic> Barcode_Gen::Open_Wnd(const SKTGraphic& graphic) {
    filling_ = true;
    output_image = QImage();
    try {
        fillDataSourceCombo();
        Set_Barcode_Prop_To_Control(graphic);
        filling_ = false;
        goButtonActionPerformed();
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
    }
    filling_ = false;
    const int code = zelk::DialogRunner::run(this);
    if (code == 1 && !output_image.isNull())
        return pass_barcode_control;
    output_image = QImage();
    return nullptr;
}

void Barcode_Gen::fillDataSourceCombo() {
    QStringList sources{QStringLiteral("Manual")};
    const bool visitor = source().visitorMode();
    if (!visitor) {
        sources << QStringLiteral("Series");
        if (source().excelBindingInUse())
            sources << QStringLiteral("Excel");
    }
    fillCombo(Data_source_type, sources);
    fillCombo(Batch_Series, {});
    for (QWidget* w : std::initializer_list<QWidget*>{Batch_Series, series_label, view_series_btn})
        w->setVisible(!visitor);
}

void Barcode_Gen::OK_Btn_Clicked() {
    if (!Check_And_Validat_Barcode(true, false))
        return;
    // The picture comes from the settings being confirmed, not from the
    // preview, which some changes (resolution, 2D alignment) leave as it was.
    writeBack(*pass_barcode_control);
    zelk::BarcodeGenerator generator;
    generator.Set_Barcode_Prop_To_Control(*pass_barcode_control);
    output_image = generator.Get_Image_From_Val(Trim_Str(modeValue()), pass_barcode_control->header_val,
                                                pass_barcode_control->footer_val);
    if (output_image.isNull()) {
        Set_Blank_Image();
        Show_MessageBox(kInvalidValue);
        return;
    }
    done(1);
}

void Barcode_Gen::Cancel_Btn_Clicked() {
    output_image = QImage();
    done(0);
}

// ---------------------------------------------------------------- transfer and writing back

void Barcode_Gen::Set_Barcode_Prop_To_Control(const SKTGraphic& g) {
    filling_ = true;
    try {
        const zelk::BarcodeProductionSettings s = zelk::BarcodeGenerator::settingsFromGraphic(g, false);
        const zelk::BarcodeRenderSettings& look = s.look;
        pass_barcode_control = g.copyWithZone();
        testBarcode.reset();
        liner_or_2D_font = s.liner_or_2D_font;
        selectQuietly(barcodeTypePopup, g.barcode_font_index);
        {
            const QSignalBlocker q1(dataText_2D);
            dataText->setText(g.linear_font_val);
            dataText_2D->setPlainText(g.two_d_font_val);
            HeaderText->setText(g.header_val);
            FooterText->setText(g.footer_val);
        }
        hideHeaderCheckbox->setChecked(look.hideHeader);
        hideFooterCheckbox->setChecked(look.hideFooter);
        captionCheckbox->setChecked(look.hideCaption);
        showinTopCheckbox->setChecked(look.showValueOnTop);
        transparent_bkgnd->setChecked(look.fillTransparent);
        kerning_value_Checkbox->setChecked(zelk::barcodeValueWithoutKerning);
        selectQuietly(align_hdr_combo, look.headerAlignIndex);
        selectQuietly(align_ftr_combo, look.footerAlignIndex);

        // The data-source rules refill the series list and select the
        // graphic's series or column, which puts its first value in the fields.
        selectQuietly(Data_source_type, g.data_source_type);
        dataSourceChanged();
        Get_Print_State();

        HeightStepper->setQuietly(look.barHeightMm);
        widthStepper->setQuietly(look.barWidthMils);
        selectQuietly(qr_version_ComboBox, s.twoD.qrVersion);
        selectQuietly(qr_ec_lvl_ComboBox, s.twoD.qrEcLevel);
        QR_Version_Val = s.twoD.qrVersion;
        QR_EC_Level_Val = s.twoD.qrEcLevel;
        Check_And_Set_QR_size_Acc_Version(s.twoD.qrVersion);
        HeightStepper_2D->setQuietly(s.twoD.qrSize);
        pdf_HeightStepper_2D->setQuietly(s.twoD.pdfHeight);
        Pdf_widthStepper_2D->setQuietly(s.twoD.pdfWidth);
        pdf_ec_lvl_Stepper->setQuietly(s.twoD.pdfErrorLevel);
        dm_moduleStepper_2D->setQuietly(s.twoD.dmModuleSize);
        selectQuietly(dm_format_ComboBox, static_cast<int>(TwoDBarcode::dataMatrixFormats().indexOf(s.twoD.dmFormat)));
        selectQuietly(dm_encoding_ComboBox,
                      static_cast<int>(TwoDBarcode::dataMatrixEncodings().indexOf(s.twoD.dmEncoding)));
        data_matrix_barcode_size_acc_format();

        hdr_mar_Stepper->setQuietly(look.headerMarginMm);
        ftr_mar_Stepper->setQuietly(look.footerMarginMm);
        val_mar_Stepper->setQuietly(look.valueMarginMm);
        TB_mar_Stepper->setQuietly(look.tbMarginMm);
        LR_mar_Stepper->setQuietly(look.lrMarginMm);

        value_font = look.valueFont;
        header_font = look.headerFont;
        footer_font = look.footerFont;
        showFontLabel(value_font_value, value_font);
        showFontLabel(header_font_value, header_font);
        showFontLabel(footer_font_value, footer_font);

        bar_hdr_clr->setColor(look.headerColor);
        bar_ftr_clr->setColor(look.footerColor);
        bar_val_clr->setColor(look.valueColor);
        bar_back_clr->setColor(look.backgroundColor);
        barcode_clr->setColor(look.barColor);
        bar_bk_clr_label->setEnabled(!look.fillTransparent);
        bar_back_clr->setEnabled(!look.fillTransparent);

        dpi_Stepper->setQuietly(zelk::BarcodeLimits::customDpi.clamp(g.dpi_custom_val.trimmed().toInt()));
        selectQuietly(DPI_ComboBox,
                      zelk::BarcodeLimits::indexOr(g.dpi_val_index,
                                                   static_cast<int>(zelk::BarcodeLimits::resolutionTitles().size()), 0));
        applyResolutionChoice();

        BARCODE_Unit_Is = 2;
        if (liner_or_2D_font == 0)
            Liner_Barcode_Opt_Select();
        else
            two_d_barcode_Opt_Select();
        const QString title = barcodeTypePopup->currentText();
        kerning_value_Checkbox->setEnabled(title != QLatin1String("UPCE") && title != QLatin1String("UPCA") &&
                                           title != QLatin1String("EAN-8") && title != QLatin1String("EAN-13"));
        _setLabels();
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
    }
    filling_ = false;
}

void Barcode_Gen::writeBack(SKTGraphic& g) const {
    g.linear_or_2d = liner_or_2D_font;
    g.barcode_font_index = barcodeTypePopup->currentIndex();
    g.linear_font_val = dataText->text();
    g.two_d_font_val = dataText_2D->toPlainText();
    g.header_val = HeaderText->text();
    g.footer_val = FooterText->text();
    g.show_hide_hdr = hideHeaderCheckbox->isChecked() ? 1 : 0;
    g.show_hide_ftr = hideFooterCheckbox->isChecked() ? 1 : 0;
    g.show_hide_val = captionCheckbox->isChecked() ? 1 : 0;
    g.show_val_on_top = showinTopCheckbox->isChecked() ? 1 : 0;
    g.align_hdr_index = align_hdr_combo->currentIndex();
    g.align_ftr_index = align_ftr_combo->currentIndex();

    const QString dataSource = Data_source_type->currentIndex() >= 0 ? Data_source_type->currentText() : QString();
    if (dataSource == QLatin1String("Manual")) {
        g.Set_Data_source_type(DataSourceType::Manual);
    } else if (dataSource == QLatin1String("Series")) {
        g.Set_Data_source_type(DataSourceType::Series);
        g.Set_Batch_List_Name(Batch_Series->currentIndex() >= 0 ? Batch_Series->currentText() : QString());
        g.Set_Batch_List_Index(Batch_Series->currentIndex());
    } else if (dataSource == QLatin1String("Excel")) {
        g.Set_Data_source_type(DataSourceType::ExcelColumn);
        g.Set_Excel_binding_Index(Batch_Series->currentIndex());
    }

    g.linear_height_val = static_cast<float>(HeightStepper->value());
    g.linear_width_val = static_cast<float>(widthStepper->value());
    g.qr_size_val = HeightStepper_2D->intValue();
    g.qr_version_index = qr_version_ComboBox->currentIndex();
    g.qr_ec_index = qr_ec_lvl_ComboBox->currentIndex();
    g.pdf_hgt_val = pdf_HeightStepper_2D->intValue();
    g.pdf_wdt_val = Pdf_widthStepper_2D->intValue();
    g.pdf_ec_val = pdf_ec_lvl_Stepper->intValue();
    g.dm_module_val = dm_moduleStepper_2D->intValue();
    g.dm_format_index = dm_format_ComboBox->currentIndex();
    g.dm_encoding_index = dm_encoding_ComboBox->currentIndex();
    g.hdr_margin_val = static_cast<float>(hdr_mar_Stepper->value());
    g.ftr_margin_val = static_cast<float>(ftr_mar_Stepper->value());
    g.val_margin_val = static_cast<float>(val_mar_Stepper->value());
    g.TB_marging_val = static_cast<float>(TB_mar_Stepper->value());
    g.LR_margin_val = static_cast<float>(LR_mar_Stepper->value());
    g.value_font_val = value_font;
    g.header_font_val = header_font;
    g.footer_font_val = footer_font;
    g.barcode_hdr_clr_val = bar_hdr_clr->color();
    g.barcode_ftr_clr_val = bar_ftr_clr->color();
    g.barcode_val_clr_val = bar_val_clr->color();
    g.barcode_back_clr_val = bar_back_clr->color();
    g.barcode_clr_val = barcode_clr->color();
    g._isDrawingFill = transparent_bkgnd->isChecked();
    g._fillColor = g._isDrawingFill ? QColor(Qt::transparent)
                   : liner_or_2D_font == 1 ? QColor(Qt::white)
                                           : bar_back_clr->color();
    g.dpi_val_index = DPI_ComboBox->currentIndex();
    g.dpi_custom_val = QString::number(dpi_Stepper->intValue());
}

void Barcode_Gen::copyConfirmedSettings(const SKTGraphic& from, SKTGraphic& to) {
    const int unit = to.barcode_unit_val;
    static_cast<BarcodeSettings&>(to) = static_cast<const BarcodeSettings&>(from);
    to.barcode_unit_val = unit;
    to.data_source_type = from.data_source_type;
    to.batch_list_name = from.batch_list_name;
    to.batch_list_index = from.batch_list_index;
    to.excel_binding = from.excel_binding;
    to.excel_col_indx = from.excel_col_indx;
    to._isDrawingFill = from._isDrawingFill;
    to._fillColor = from._fillColor;
}

zelk::BarcodeProductionSettings Barcode_Gen::currentSettings() const {
    zelk::BarcodeProductionSettings s;
    s.liner_or_2D_font = liner_or_2D_font;
    s.symbology = barcodeTypePopup->currentIndex() >= 0 ? barcodeTypePopup->currentText() : QString();
    zelk::BarcodeRenderSettings& look = s.look;
    look.valueFont = value_font;
    look.headerFont = header_font;
    look.footerFont = footer_font;
    look.barColor = barcode_clr->color();
    look.backgroundColor = bar_back_clr->color();
    look.valueColor = bar_val_clr->color();
    look.headerColor = bar_hdr_clr->color();
    look.footerColor = bar_ftr_clr->color();
    look.fillTransparent = transparent_bkgnd->isChecked();
    look.hideCaption = captionCheckbox->isChecked();
    look.hideHeader = hideHeaderCheckbox->isChecked();
    look.hideFooter = hideFooterCheckbox->isChecked();
    look.showValueOnTop = showinTopCheckbox->isChecked();
    look.valueWithoutKerning = kerning_value_Checkbox->isChecked();
    look.headerAlignIndex = align_hdr_combo->currentIndex();
    look.footerAlignIndex = align_ftr_combo->currentIndex();
    look.barHeightMm = static_cast<float>(HeightStepper->value());
    look.barWidthMils = static_cast<float>(widthStepper->value());
    look.valueMarginMm = static_cast<float>(val_mar_Stepper->value());
    look.headerMarginMm = static_cast<float>(hdr_mar_Stepper->value());
    look.footerMarginMm = static_cast<float>(ftr_mar_Stepper->value());
    look.tbMarginMm = static_cast<float>(TB_mar_Stepper->value());
    look.lrMarginMm = static_cast<float>(LR_mar_Stepper->value());
    look.dpi = usedDpi;
    zelk::TwoDSettings& t = s.twoD;
    t.qrVersion = std::max(0, qr_version_ComboBox->currentIndex());
    t.qrEcLevel = std::max(0, qr_ec_lvl_ComboBox->currentIndex());
    t.qrSize = HeightStepper_2D->intValue();
    t.pdfWidth = Pdf_widthStepper_2D->intValue();
    t.pdfHeight = pdf_HeightStepper_2D->intValue();
    t.pdfErrorLevel = pdf_ec_lvl_Stepper->intValue();
    t.dmModuleSize = dm_moduleStepper_2D->intValue();
    t.dmFormat = dm_format_ComboBox->currentText();
    t.dmEncoding = dm_encoding_ComboBox->currentText();
    t.dpi = usedDpi;
    return s;
}

// ---------------------------------------------------------------- validation

QString Barcode_Gen::modeValue() const {
    return liner_or_2D_font == 1 ? dataText_2D->toPlainText() : dataText->text();
}

bool Barcode_Gen::Check_And_Validat_Barcode(bool show_messages, bool chk_image) {
    auto fail = [&](const QString& message) {
        Set_Blank_Image();
        if (show_messages)
            Show_MessageBox(message);
        return false;
    };
    try {
        barcode_error_label->hide();
        const QString value = modeValue();
        if (Trim_Str(value).isEmpty() || !isSevenBitAscii(value))
            return fail(kInvalidValue);
        if (chk_image && ((testBarcode && !testBarcode->isContentValid()) || preview_.isNull()))
            return fail(kInvalidValue);
        if (Data_source_type->currentIndex() >= 0 && Data_source_type->currentText() == QLatin1String("Manual"))
            return true;
        const QString chosen = Trim_Str(Batch_Series->currentText());
        if (Batch_Series->currentIndex() != -1 && !chosen.isEmpty() && chosen != kNoSelection)
            return true;
        return fail(kSelectColumn);
    } catch (const std::exception& e) {
        // A check that could not finish has not shown the value to be good.
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
        return fail(kInvalidValue);
    }
}

// ---------------------------------------------------------------- data source

void Barcode_Gen::setValueFieldsEditable(bool editable) {
    dataText->setReadOnly(!editable);
    dataText_2D->setReadOnly(!editable);
}

void Barcode_Gen::setValueFields(const QString& value) {
    const QSignalBlocker quiet(dataText_2D);
    dataText->setText(value);
    dataText_2D->setPlainText(value);
}

void Barcode_Gen::dataSourceChanged() {
    try {
        if (source().visitorMode()) {
            setValueFieldsEditable(true);
            return;
        }
        if (Data_source_type->currentIndex() < 0)
            return;
        const QString choice = Data_source_type->currentText();
        const bool manual = choice == QLatin1String("Manual");
        view_series_btn->setEnabled(!manual);
        Batch_Series->setEnabled(!manual);
        setValueFieldsEditable(manual);
        if (manual) {
            if (pass_barcode_control)
                pass_barcode_control->Set_Data_source_type(DataSourceType::Manual);
            fillCombo(Batch_Series, {});
        } else if (choice == QLatin1String("Series")) {
            const QStringList names = source().seriesNames();
            fillCombo(Batch_Series, names);
            if (names.isEmpty()) {
                setValueFields(QString());
                return;
            }
            const QString name = pass_barcode_control ? pass_barcode_control->batch_list_name : QString();
            const int at = name.isEmpty() ? -1 : source().seriesIndexOf(name);
            if (at != -1) {
                selectQuietly(Batch_Series, at);
                batchSeriesChanged();
            }
            if (pass_barcode_control)
                pass_barcode_control->Set_Data_source_type(DataSourceType::Series);
        } else {
            fillCombo(Batch_Series, source().excelColumnTitles());
            if (pass_barcode_control && pass_barcode_control->excel_col_indx != -1) {
                selectQuietly(Batch_Series, pass_barcode_control->excel_col_indx);
                batchSeriesChanged();
            }
            if (pass_barcode_control)
                pass_barcode_control->Set_Data_source_type(DataSourceType::ExcelColumn);
        }
        goButtonActionPerformed();
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
    }
}

void Barcode_Gen::batchSeriesChanged() {
    try {
        if (source().visitorMode() || Data_source_type->currentIndex() < 0 || Batch_Series->currentIndex() < 0)
            return;
        const QString choice = Data_source_type->currentText();
        const QString name = Trim_Str(Batch_Series->currentText());
        if (choice == QLatin1String("Manual") || name == kNoSelection)
            return;
        if (name.isEmpty()) {
            setValueFields(name);
            return;
        }
        if (!pass_barcode_control)
            return;
        const int index = Batch_Series->currentIndex();
        QString value;
        if (choice == QLatin1String("Series")) {
            pass_barcode_control->Set_Data_source_type(DataSourceType::Series);
            pass_barcode_control->Set_Batch_List_Name(name);
            pass_barcode_control->Set_Batch_List_Index(index);
            value = source().firstValueOfSeries(name);
        } else {
            pass_barcode_control->Set_Data_source_type(DataSourceType::ExcelColumn);
            pass_barcode_control->Set_Excel_binding_Index(index);
            value = source().firstValueOfExcelColumn(index);
            // An empty cell shows as one space, so the field is not mistaken for unset.
            if (value.isEmpty())
                value = QStringLiteral(" ");
        }
        setValueFields(value);
        goButtonActionPerformed();
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
    }
}

void Barcode_Gen::View_batch_Series_Button() {
    try {
        if (Data_source_type->currentIndex() < 0)
            return;
        const QString choice = Data_source_type->currentText();
        if (choice == QLatin1String("Manual"))
            return;
        if (choice == QLatin1String("Series")) {
            const QString name = Batch_Series->currentIndex() >= 0 ? Trim_Str(Batch_Series->currentText()) : QString();
            if (name.isEmpty() || name == kNoSelection)
                Show_MessageBox(QStringLiteral("Please select the series."));
            else
                source().viewSeries(name);
            return;
        }
        source().viewExcelTable();
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
    }
}

// ---------------------------------------------------------------- preview

void Barcode_Gen::goButtonActionPerformed() {
    if (filling_)
        return;
    if (!Check_And_Validat_Barcode(false, false))
        return;
    const QString value = Trim_Str(modeValue());
    generator_.setSettings(currentSettings());
    barcodeImage->clear();
    preview_ = QImage();
    testBarcode = generator_.Generate_Barcode_Variable(value, HeaderText->text(), FooterText->text());
    if (liner_or_2D_font == 1)
        Get_2d_barcode_from_image();
    else if (testBarcode)
        showPicture(zelk::BarcodeGenerator::linearPicture(*testBarcode));
    else
        Set_Blank_Image();
}

void Barcode_Gen::Get_2d_barcode_from_image() {
    if (generator_.image_2d().isNull()) {
        Set_Blank_Image();
        return;
    }
    if (liner_or_2D_font != 1)
        return;
    showPicture(zelk::BarcodeGenerator::twoDPicture(generator_.image_2d(), HeaderText->text(), FooterText->text(),
                                                    currentSettings().look));
}

void Barcode_Gen::redrawLinear() {
    if (!testBarcode)
        return;
    zelk::NKDBarcodeFactory::layout(*testBarcode, HeaderText->text(), FooterText->text(), currentSettings().look);
    testBarcode->setPrintsCaption(Get_Print_State());
    showPicture(zelk::BarcodeGenerator::linearPicture(*testBarcode));
}

void Barcode_Gen::Set_Blank_Image() {
    generator_.clearSymbol();
    preview_ = QImage();
    barcodeImage->clear();
    barcode_error_label->show();
}

void Barcode_Gen::showPicture(const QImage& picture) {
    if (picture.isNull()) {
        preview_ = QImage();
        barcodeImage->clear();
        barcode_error_label->show();
        return;
    }
    preview_ = picture;
    barcode_error_label->hide();
    // Shown at its size in points on the screen.
    const QSizeF points = zelk::sizeInPoints(picture);
    const double scale = logicalDpiX() / 72.0 * devicePixelRatioF();
    QSize pixels = picture.size();
    if (!points.isEmpty())
        pixels = QSize(qMax(1, qRound(points.width() * scale)), qMax(1, qRound(points.height() * scale)));
    QPixmap pixmap = QPixmap::fromImage(picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    barcodeImage->setPixmap(pixmap);
}

void Barcode_Gen::showFontLabel(QLabel* label, const QFont& font) {
    label->setText(QStringLiteral("%1 ( %2 )").arg(font.family()).arg(font.pointSizeF(), 0, 'f', 2));
}
