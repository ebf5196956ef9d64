#pragma once
// The barcode settings window: the modal editor of one barcode graphic's
// settings, with a live preview. Open_Wnd edits a working copy of the
// graphic; on OK it returns the copy with the settings written back and
// leaves the picture made from those settings in output_image (the
// caller's Barcode_output_image). Producing pictures needs no window: see
// BarcodeGenerator, which the preview and OK use too.
#include "barcode/BarcodeGenerator.h"

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QString>
#include <memory>

class BarcodeColorWell;
class BarcodeStepper;
class NKDBarcode;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QWidget;
class SKTGraphic;

namespace zelk {
class BarcodeDataSource;
}

class Barcode_Gen : public QDialog {
    Q_OBJECT
public:
    // The one window, made on first use (also published as Barcode_Gen_Var).
    static Barcode_Gen* defaultInstance();
    // What the window asks of the program (not owned); nullptr: the base
    // answers of zelk::BarcodeDataSource.
    static void setDataSource(zelk::BarcodeDataSource* source);
    ~Barcode_Gen() override;

    // ---- Modal editing ----
    // Shows the graphic's settings; the edited working copy on OK, nullptr
    // on Cancel. The graphic itself is never changed.
    std::shared_ptr<SKTGraphic> Open_Wnd(const SKTGraphic& graphic);
    // OK: validates, writes the settings back, makes the picture from them
    // and ends with 1; stays open with "Invalid barcode value." when no
    // picture can be made.
    void OK_Btn_Clicked();
    void Cancel_Btn_Clicked();
    // The graphic's settings into the controls, numbers clamped to the
    // steppers' ranges; the working copy becomes the graphic's plain copy
    // (SKTGraphic::copyWithZone, no barcode fields until OK).
    void Set_Barcode_Prop_To_Control(const SKTGraphic& graphic);
    // The controls' settings into a graphic's barcode and binding fields.
    void writeBack(SKTGraphic& graphic) const;
    // What a confirmed working copy gives a barcode graphic: every field
    // writeBack writes (the stored unit is not one of them).
    static void copyConfirmedSettings(const SKTGraphic& from, SKTGraphic& to);
    // The controls as a settings value, at the resolution in use.
    zelk::BarcodeProductionSettings currentSettings() const;
    // The value, the preview (with chk_image) and the data source; a
    // failure empties the preview and, with show_messages, says why.
    bool Check_And_Validat_Barcode(bool show_messages, bool chk_image);

    // ---- Preview ----
    // Rebuild: validates quietly and builds anew from the controls.
    void goButtonActionPerformed();
    // Draws the existing 2D bitmap or linear object again with the current look.
    void Get_2d_barcode_from_image();
    void redrawLinear();
    // The one of the two redraws that fits the mode.
    void redrawPreview();
    void Set_Blank_Image();
    QImage previewImage() const { return preview_; }

    // ---- Control rules ----
    void barcodeTypeChanged();
    void controlTextDidChange(QObject* field);
    void textDidChange();
    void Value_Font_Changed();
    void Header_Font_Changed();
    void Footer_Font_Changed();
    void changeFont(const QFont& font);
    void header_changeFont(const QFont& font);
    void footer_changeFont(const QFont& font);
    void Value_Margin_Changed();
    void Header_Margin_Changed();
    void Footer_Margin_Changed();
    void TB_Margin_Changed();
    void LR_Margin_Changed();
    void heightChanged();
    void widthChanged();
    void pdf_heightChanged();
    void PDF_Row_Changed();
    void PDF_Col_Changed();
    void PDF_EC_Lvl_Changed();
    void dm_widthChanged();
    void dm_heightChanged();
    void dm_modulesizeChanged();
    void data_matrix_barcode_size_acc_format();
    void comboBoxSelectionDidChange(QComboBox* combo);
    void dataSourceChanged();
    void batchSeriesChanged();
    void View_batch_Series_Button();
    void captionChanged();
    void showinTopChanged();
    void hideHeaderChanged();
    void hideFooterChanged();
    void kerningChanged();
    void Transparent_Bkngd_Clicked();
    void Set_Font_Clr();
    void DPI_Value_Changed();
    bool Get_Print_State();
    void Liner_Barcode_Opt_Select();
    void two_d_barcode_Opt_Select();
    void _setLabels();
    void Check_And_Set_QR_size_Acc_Version(int version);

    // Help buttons: a title and text in the long-text box.
    void QR_Version_Help_Btn();
    void QR_EC_Lvl_Help_Btn();
    void PDF_row_Help_btn();
    void PDF_col_Help_btn();
    void PDF_ec_lvl_Help_btn();
    void DM_format_Help_btn();
    void DM_Encoding_Help_btn();
    void DPI_Help_Label();

    // ---- Picture helpers ----
    // The picture redrawn into w × h pixels (truncated), one pixel a point,
    // without interpolation; null for a null picture.
    static QImage Resize_Image(const QImage& image, const QSizeF& size);
    // Writes the picture as PNG, replacing the file only once written.
    static bool Save_Barcode_image(const QImage& image, const QString& file_path_val);
    // Called with each intermediate bitmap; keeps nothing.
    static void Save_Barcode_gen_image(const QImage& image, const QString& file_name);
    // A header or footer text as the field keeps it: over 50 characters
    // once trimmed, the first 50 of the trimmed text; else as typed.
    static QString capHeaderText(const QString& text);

    // ---- State ----
    std::shared_ptr<SKTGraphic> pass_barcode_control;  // the working copy
    int liner_or_2D_font = 0;                           // 0 linear, 1 2D
    QImage output_image;  // the picture of the confirmed settings; null after Cancel
    std::unique_ptr<NKDBarcode> testBarcode;            // the preview's linear object
    QFont value_font, header_font, footer_font;
    int usedDpi = 600;  // resolution of the preview's 2D bitmaps

    // ---- Controls ----
    QTabWidget* sett_tab = nullptr;
    QWidget* dpi_tab_item = nullptr;  // the resolution tab, held while out of sett_tab
    QComboBox* barcodeTypePopup = nullptr;
    QLineEdit* dataText = nullptr;
    QPlainTextEdit* dataText_2D = nullptr;
    QLineEdit* HeaderText = nullptr;
    QLineEdit* FooterText = nullptr;
    QCheckBox* captionCheckbox = nullptr;  // on: value text hidden
    QCheckBox* hideHeaderCheckbox = nullptr;
    QCheckBox* hideFooterCheckbox = nullptr;
    QCheckBox* showinTopCheckbox = nullptr;
    QCheckBox* kerning_value_Checkbox = nullptr;
    QCheckBox* transparent_bkgnd = nullptr;
    QComboBox* align_hdr_combo = nullptr;
    QComboBox* align_ftr_combo = nullptr;
    QComboBox* Data_source_type = nullptr;
    QComboBox* Batch_Series = nullptr;
    QLabel* series_label = nullptr;
    QPushButton* view_series_btn = nullptr;

    QGroupBox* linear_sett_box = nullptr;
    QLabel* barHeightLabel = nullptr;
    QLabel* barWidthLabel = nullptr;
    BarcodeStepper* HeightStepper = nullptr;  // bar height, mm
    BarcodeStepper* widthStepper = nullptr;   // narrowest module, mils
    QGroupBox* two_d_sett_box = nullptr;
    BarcodeStepper* HeightStepper_2D = nullptr;  // QR size, points
    QComboBox* qr_version_ComboBox = nullptr;
    QComboBox* qr_ec_lvl_ComboBox = nullptr;
    QGroupBox* pdf_2d_sett_box = nullptr;
    BarcodeStepper* pdf_HeightStepper_2D = nullptr;
    BarcodeStepper* Pdf_widthStepper_2D = nullptr;
    BarcodeStepper* pdf_row_Stepper = nullptr;
    BarcodeStepper* pdf_col_Stepper = nullptr;
    BarcodeStepper* pdf_ec_lvl_Stepper = nullptr;
    QGroupBox* dm_2d_sett_box = nullptr;
    BarcodeStepper* dm_widthStepper_2D = nullptr;
    BarcodeStepper* dm_HeightStepper_2D = nullptr;
    BarcodeStepper* dm_moduleStepper_2D = nullptr;
    QComboBox* dm_format_ComboBox = nullptr;
    QComboBox* dm_encoding_ComboBox = nullptr;
    QGroupBox* margin_box = nullptr;
    QLabel* val_mar_label = nullptr;
    BarcodeStepper* val_mar_Stepper = nullptr;
    BarcodeStepper* hdr_mar_Stepper = nullptr;
    BarcodeStepper* ftr_mar_Stepper = nullptr;
    BarcodeStepper* TB_mar_Stepper = nullptr;
    BarcodeStepper* LR_mar_Stepper = nullptr;
    QLabel* val_font_label = nullptr;
    QPushButton* val_font_btn = nullptr;
    QLabel* value_font_value = nullptr;
    QLabel* header_font_value = nullptr;
    QLabel* footer_font_value = nullptr;
    BarcodeColorWell* bar_hdr_clr = nullptr;
    BarcodeColorWell* bar_ftr_clr = nullptr;
    BarcodeColorWell* bar_val_clr = nullptr;
    BarcodeColorWell* bar_back_clr = nullptr;
    BarcodeColorWell* barcode_clr = nullptr;
    QLabel* val_clr_label = nullptr;
    QLabel* bar_clr_label = nullptr;
    QLabel* bar_bk_clr_label = nullptr;
    QComboBox* DPI_ComboBox = nullptr;
    QLabel* dpi_label = nullptr;
    BarcodeStepper* dpi_Stepper = nullptr;  // the custom resolution
    QScrollArea* image_scroll = nullptr;
    QLabel* barcodeImage = nullptr;
    QLabel* barcode_error_label = nullptr;
    QPushButton* ok_button = nullptr;
    QPushButton* cancel_button = nullptr;

private:
    // The empty choice of the series and column list.
    static inline const QString noSelection = QStringLiteral("<--Select-->");

    explicit Barcode_Gen(QWidget* parent = nullptr);
    void buildLayout();
    QWidget* buildDataTab();
    QWidget* buildLookTab();
    QWidget* buildResolutionTab();
    void connectControls();
    zelk::BarcodeDataSource& source() const;
    QString modeValue() const;
    void fillDataSourceCombo();
    void setValueFieldsEditable(bool editable);
    void setValueFields(const QString& value);
    void applyResolutionChoice();
    void showPicture(const QImage& picture);
    void showFontLabel(QLabel* label, const QFont& font);
    void help(const QString& title, const QString& text);

    zelk::BarcodeGenerator generator_;
    QImage preview_;
    bool filling_ = false;  // the program fills the controls: no rebuild
};

// The window, once made.
extern Barcode_Gen* Barcode_Gen_Var;
