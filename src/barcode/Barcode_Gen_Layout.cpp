// The barcode settings window's layout: the preview, the tabs of settings
// and the buttons, and the wiring of every control to its rule.
#include "barcode/Barcode_Gen.h"

#include "barcode/BarcodeColorWell.h"
#include "barcode/BarcodeLimits.h"
#include "barcode/BarcodeRenderSettings.h"
#include "barcode/BarcodeStepper.h"
#include "barcode/BarcodeSymbologies.h"
#include "barcode/TwoDBarcode.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/TextBox.h"

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
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* helpButton(QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setText(QStringLiteral("?"));
    b->setAutoRaise(false);
    return b;
}

}  // namespace

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
    Batch_Series->setPlaceholderText(noSelection);
    Batch_Series->setMinimumContentsLength(14);
    view_series_btn = new QPushButton(QStringLiteral("View"), page);
    seriesRow->addWidget(series_label);
    seriesRow->addWidget(Batch_Series, 1);
    seriesRow->addWidget(view_series_btn);
    form->addLayout(seriesRow, row++, 2, 1, 2);

    form->addWidget(new QLabel(QStringLiteral("Value:"), page), row, 0, Qt::AlignTop);
    dataText = new QLineEdit(page);
    dataText_2D = new zelk::TextBox(page);
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
