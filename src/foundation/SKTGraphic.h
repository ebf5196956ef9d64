#pragma once
// One graphic of a card side. A single record holds the fields of every kind
// (geometry, stroke and fill, text, picture filters, barcode settings,
// signature, data binding, control ID, visibility, lock, print flag); the
// kinds (SKTText, SKTImage, SKTLine, Shape_Control, SKTBarcode, SKTSignature)
// differ only in drawing, hit testing, handles and natural size.
//
// A plain value-like class, not a QObject: rendering copies of a side
// (clone()) are drawn on worker threads. The fields are read and written
// directly; the named setters carry the rules that go with a change.
#include "foundation/BarcodeSettings.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QPainter;
class SKTGraphic;

namespace zelk {

// Who placed a field's box (a graphic made by control ID), which decides
// what a later stamping does with it: the design (a template's or an older
// file's own box: a stamping starts again from it), the placement rule (a
// stamping, a group row or the desk placed it: the next stamping lays it
// out anew) or the user (moved or resized by hand: it stays where the user
// put it, and the rest keeps clear of it). Stored as its number.
enum class BoxOwner { Design = 0, Rule = 1, User = 2 };

// The exact kind of a graphic; a subclass of a kind never counts as it.
enum class GraphicKind { Text, Image, Line, Shape, Barcode, Signature };

// "SKTText", "SKTImage", "SKTLine", "Shape_Control", "SKTBarcode", "SKTSignature".
QString graphicKindName(GraphicKind kind);
std::optional<GraphicKind> graphicKindFromName(const QString& name);

// A new graphic of the kind with every field at its default (a shape is a
// rectangle).
std::shared_ptr<SKTGraphic> makeGraphic(GraphicKind kind);

bool isExactlyText(const SKTGraphic* g);
bool isExactlyImage(const SKTGraphic* g);
bool isExactlyLine(const SKTGraphic* g);
bool isExactlyShape(const SKTGraphic* g);
bool isExactlyBarcode(const SKTGraphic* g);
bool isExactlySignature(const SKTGraphic* g);
// A text of the user's own (no control ID, no binding) that draws nothing at
// all: no characters, no fill, no border, no shadow.
bool isBlankOwnText(const SKTGraphic* g);

// Selection handles. The eight box handles sit on the corners and edge
// middles of the bounds; a line has only its two ends.
enum GraphicHandle {
    NoHandle = 0,
    UpperLeftHandle,
    UpperMiddleHandle,
    UpperRightHandle,
    MiddleLeftHandle,
    MiddleRightHandle,
    LowerLeftHandle,
    LowerMiddleHandle,
    LowerRightHandle,
    LineBeginHandle,
    LineEndHandle,
};

// A picture's size in points: pixels x 72 / its resolution in dots per inch
// (QImage::dotsPerMeterX/Y). A picture that records no resolution of its own
// counts as 72 dpi; Qt gives such a picture the resolution every new QImage
// starts with, so a picture at exactly that resolution counts 72 dpi too.
// Resolutions within 0.05 dpi of a whole number are that number (files keep
// whole dots per metre). Null picture: (0, 0).
QSizeF pictureSizeInPoints(const QImage& picture);

// Field-by-field comparison of two graphics, kind included: the names of the
// fields that differ (kind first, as "kind"), empty when the graphics are
// equal. Pictures compare by size, resolution and pixels (not by storage
// format), colours by their RGBA value, fonts by their description.
QStringList graphicDifferences(const SKTGraphic& a, const SKTGraphic& b);
bool sameGraphic(const SKTGraphic& a, const SKTGraphic& b);

}  // namespace zelk

// Every stored field of a graphic (the BarcodeSettings fields included), in
// archive order. X(name) is expanded once per field; archive, comparison and
// the design file walk the record through it.
#define ZELK_SKTGRAPHIC_FIELDS(X)                                              \
    X(_bounds) X(ctrl_is_locked) X(ctrl_is_visible) X(print_object)            \
    X(control_ID) X(Text_Value)                                                \
    X(data_source_type) X(batch_list_name) X(batch_list_index)                 \
    X(excel_binding) X(excel_col_indx)                                         \
    X(_isDrawingStroke) X(_strokeColor) X(_strokeWidth) X(_stroke_border_type) \
    X(_isDrawingFill) X(_fillColor) X(_fill_type) X(_fill_Grad_clr1)           \
    X(_fill_Grad_clr2) X(_fill_grad_angle) X(_fill_htch_clr)                   \
    X(_fill_hatch_type) X(alpha_val) X(alpha_val_stroke)                       \
    X(shape_type) X(cor_rad_val) X(double_star_type) X(polygon_type)           \
    X(text_rotation) X(_line_ori) X(_line_cap_style)                           \
    X(_Text_contents) X(txt_clr) X(text_ctrl_font) X(text_alignmnet)           \
    X(text_alignmnet_Vert) X(text_transfrom_case) X(text_kerning)              \
    X(Drawing_Shadow) X(Shadow_Color) X(Shadow_offset_X) X(Shadow_offset_Y)    \
    X(Shadow_blur) X(Shadow_transparency)                                      \
    X(_file_path) X(_contents) X(_contents_with_settings) X(gray_Scale)        \
    X(Sepia) X(invert_clr) X(_isFlippedHorizontally) X(_isFlippedVertically)   \
    X(hue_val) X(sat_val) X(brt_val) X(con_val) X(srp_val) X(ev_val)           \
    X(blr_val) X(img_trnsp_val) X(rotate_image)                                \
    X(sign_or_fingureprint)                                                    \
    ZELK_BARCODE_SETTINGS_FIELDS(X)                                            \
    X(_barcode_image) X(bar_image_ctrl_bounds)                                 \
    ZELK_SKTGRAPHIC_LATER_FIELDS(X)

// The fields added after the first archives and design files were written:
// a reader takes them where they are stored, and keeps their defaults where
// they are not.
#define ZELK_SKTGRAPHIC_LATER_FIELDS(X) X(box_owner) X(design_box)

// The BarcodeSettings fields, in the order a design file stores them.
#define ZELK_BARCODE_SETTINGS_FIELDS(X)                                        \
    X(linear_or_2d) X(barcode_font_index) X(linear_font_val)                   \
    X(two_d_font_val) X(header_val) X(footer_val) X(show_hide_hdr)             \
    X(show_hide_ftr) X(show_hide_val) X(show_val_on_top) X(align_hdr_index)    \
    X(align_ftr_index) X(linear_height_val) X(linear_width_val)                \
    X(qr_size_val) X(qr_version_index) X(qr_ec_index) X(pdf_hgt_val)           \
    X(pdf_wdt_val) X(pdf_ec_val) X(dm_module_val) X(dm_format_index)           \
    X(dm_encoding_index) X(hdr_margin_val) X(ftr_margin_val)                   \
    X(val_margin_val) X(TB_marging_val) X(LR_margin_val) X(value_font_val)     \
    X(header_font_val) X(footer_font_val) X(barcode_hdr_clr_val)               \
    X(barcode_ftr_clr_val) X(barcode_val_clr_val) X(barcode_back_clr_val)      \
    X(barcode_clr_val) X(dpi_val_index) X(dpi_custom_val) X(barcode_unit_val)

class SKTGraphic : public BarcodeSettings {
public:
    virtual ~SKTGraphic();

    virtual zelk::GraphicKind kind() const = 0;

    // A deep copy: a new graphic of the same kind with every field equal
    // (undo snapshots, rendering copies).
    virtual std::shared_ptr<SKTGraphic> clone() const = 0;

    // The copy the editing commands make: a new graphic of the same kind
    // (a shape of the same shape) with this one's bounds, fill, stroke, text
    // value and binding; every other field, every barcode field among them,
    // is at its default.
    std::shared_ptr<SKTGraphic> copyWithZone() const;

    // ---- Geometry (points, y growing downwards from the card's top) ----
    QRectF bounds() const { return _bounds; }
    // Stores the bounds, then tells the host (Set_Control_Pos_And_Size) so
    // the inspector shows the graphic whose bounds changed last. Copies
    // changed on a worker thread are not reported.
    void setBounds(const QRectF& bounds);
    double xPosition() const { return _bounds.x(); }
    double yPosition() const { return _bounds.y(); }
    double width() const { return _bounds.width(); }
    double height() const { return _bounds.height(); }
    // Each replaces one component of the bounds through setBounds.
    void setXPosition(double x);
    void setYPosition(double y);
    void setWidth(double width);
    void setHeight(double height);

    // The ShapeCode of a shape ("R", "C", "RR", "T", "D", "S", "DS", "P").
    QString Get_shape_type() const { return shape_type; }

    // An unlocked graphic other than a barcode becomes square with its
    // shorter side; an image takes its picture's size and loses both flips;
    // a text fits its text; a signature takes its picture's size.
    virtual void makeNaturalSize();
    // An unlocked graphic other than a barcode takes the bounds of the card
    // (the front canvas's bounds).
    void makeSameAsLabelSize(const QRectF& cardRect);

    // ---- Setters with rules ----
    // Stores the binding kind and clears the other kind of binding:
    // 0 clears both, 1 clears the Excel column, 2 clears the series; any other
    // value is only stored.
    void Set_Data_source_type(int type);
    void Set_Batch_List_Name(const QString& name) { batch_list_name = name; }
    void Set_Batch_List_Index(int index) { batch_list_index = index; }
    void Set_Excel_binding(bool flag) { excel_binding = flag; }
    void Set_Excel_binding_Index(int index) { excel_col_indx = index; }
    // Text_Value and the whole text of the text storage.
    void Set_text_value(const QString& text);
    void Set_Ctrl_Is_Visible(bool flag) { ctrl_is_visible = flag; }

    // ---- Who placed the box (zelk::BoxOwner) ----
    zelk::BoxOwner boxOwner() const;
    // The placement rule placed the box anew: no owner's box is saved.
    void setPlacedByRule();
    // The user moved or resized it: the box is the user's from now on.
    void setPlacedByUser();
    // Before the rule gives a field of the design's or the user's a value
    // (and may grow or move its box): the box its owner gave it is saved,
    // once, so that a later stamping starts again from it.
    void saveOwnersBox();
    // A field of the design's or the user's goes back to the box saved for
    // it; a locked one stays as it is.
    void backToOwnersBox();
    // Stores the barcode picture, with a colour table where it has few
    // colours; width and height become the picture's size in points ((0, 0)
    // for a null picture).
    void Set_Barcode_image(const QImage& picture);
    void Set_Barcode_image_control_bounds(const QRectF& rect) { bar_image_ctrl_bounds = rect; }

    // ---- Drawing and hit testing (model coordinates, points) ----
    // Draws the graphic (not its handles) in model coordinates.
    virtual void drawContents(QPainter& painter) const;
    // Draws the selection handles; scale is the view's zoom, so handles keep
    // their size on screen.
    virtual void drawHandles(QPainter& painter, double scale) const;
    virtual bool isContentsUnderPoint(QPointF point) const;
    // The GraphicHandle under the point, NoHandle when none.
    virtual int handleUnderPoint(QPointF point, double scale) const;
    // The area the drawing may touch (stroke, shadow, rotation included).
    virtual QRectF drawingBounds() const;

    // ---- Fields ----
    // Common
    QRectF _bounds;
    bool ctrl_is_locked = false;
    bool ctrl_is_visible = true;
    int print_object = 0;  // 0 printed, 1 not printed
    QString control_ID;    // empty for the user's own graphics
    QString Text_Value;    // a text's text; an image's picture path

    // Binding (DataSourceType)
    int data_source_type = 0;
    QString batch_list_name;
    int batch_list_index = -1;
    bool excel_binding = false;
    int excel_col_indx = -1;

    // Stroke and fill
    bool _isDrawingStroke = true;
    QColor _strokeColor = QColor(Qt::black);
    double _strokeWidth = 1.0;
    QString _stroke_border_type = QStringLiteral("S");
    bool _isDrawingFill = false;  // of a barcode: YES = transparent background
    QColor _fillColor = QColor(Qt::white);
    QString _fill_type = QStringLiteral("S");
    QColor _fill_Grad_clr1 = QColor(Qt::white);
    QColor _fill_Grad_clr2 = QColor(Qt::black);
    double _fill_grad_angle = 0.0;
    QColor _fill_htch_clr = QColor(Qt::white);
    QString _fill_hatch_type;  // empty: none
    float alpha_val = 1.0f;         // fill opacity, and a text's opacity
    float alpha_val_stroke = 1.0f;  // stroke opacity

    // Shape and line
    QString shape_type = QStringLiteral("R");  // ShapeCode of a shape
    float cor_rad_val = 10.0f;
    int double_star_type = 1;  // 1 to 5
    int polygon_type = 5;      // number of sides
    int text_rotation = 0;     // degrees, of a text or a shape
    int _line_ori = 0;
    int _line_cap_style = 0;

    // Text
    QString _Text_contents;  // the text storage
    QColor txt_clr = QColor(Qt::black);
    QFont text_ctrl_font;    // the default text font
    int text_alignmnet = 2;       // 0 left, 1 right, 2 centred
    int text_alignmnet_Vert = 2;
    int text_transfrom_case = 0;
    float text_kerning = 0.0f;

    // Shadow
    bool Drawing_Shadow = false;
    QColor Shadow_Color = QColor(Qt::black);
    float Shadow_offset_X = 2.0f;
    float Shadow_offset_Y = 2.0f;
    float Shadow_blur = 2.0f;
    float Shadow_transparency = 0.5f;

    // Image
    QString _file_path;
    QImage _contents;                // the unfiltered picture as loaded
    QImage _contents_with_settings;  // the filtered picture that is drawn
    bool gray_Scale = false;
    bool Sepia = false;
    bool invert_clr = false;
    bool _isFlippedHorizontally = false;
    bool _isFlippedVertically = false;
    float hue_val = 0.0f;
    float sat_val = 1.0f;
    float brt_val = 0.0f;
    float con_val = 1.0f;
    float srp_val = 0.0f;
    float ev_val = 0.0f;
    float blr_val = 0.0f;
    float img_trnsp_val = 100.0f;  // percent
    float rotate_image = 0.0f;     // degrees

    // Signature: SKTSignature::Signature or SKTSignature::Fingerprint
    QString sign_or_fingureprint = QStringLiteral("S");

    // Barcode (the BarcodeSettings fields come from the base)
    QImage _barcode_image;
    QRectF bar_image_ctrl_bounds;  // the rectangle the picture was last fitted to

    // Placement of a field's box
    int box_owner = 0;   // zelk::BoxOwner
    // The box the design (or the user) gave the field, saved while the rule
    // has it grown or moved; empty before. Named for the design's box, which
    // it first saved, as design files and archives store it.
    QRectF design_box;

protected:
    SKTGraphic();
    SKTGraphic(const SKTGraphic&) = default;
    SKTGraphic& operator=(const SKTGraphic&) = default;
};
