// The barcode settings window: the modal run, the transfer into the
// controls, writing back, validation, the data source and the preview. Its
// layout is in Barcode_Gen_Layout.cpp, the rules of the single controls in
// Barcode_Gen_Controls.cpp.
#include "barcode/Barcode_Gen.h"

#include "barcode/BarcodeColorWell.h"
#include "barcode/BarcodeDataSource.h"
#include "barcode/BarcodeGlobals.h"
#include "barcode/BarcodeLimits.h"
#include "barcode/BarcodeStepper.h"
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
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <exception>

Barcode_Gen* Barcode_Gen_Var = nullptr;

namespace {

zelk::BarcodeDataSource* installedSource = nullptr;

const QString kInvalidValue = QStringLiteral("Invalid barcode value.");
const QString kSelectColumn = QStringLiteral("Please select valid Series / Excel Column.");

bool isSevenBitAscii(const QString& s) {
    for (QChar c : s)
        if (c.unicode() > 127)
            return false;
    return true;
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
        if (Batch_Series->currentIndex() != -1 && !chosen.isEmpty() && chosen != noSelection)
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
        if (choice == QLatin1String("Manual") || name == noSelection)
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
            if (name.isEmpty() || name == noSelection)
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
