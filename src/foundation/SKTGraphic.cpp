#include "foundation/SKTGraphic.h"

#include "foundation/Codes.h"
#include "foundation/IndexedPicture.h"
#include "foundation/ModelHost.h"
#include "foundation/SKTBarcode.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTLine.h"
#include "foundation/SKTSignature.h"
#include "foundation/SKTText.h"
#include "foundation/Shape_Control.h"

#include <QCoreApplication>
#include <QThread>
#include <cmath>

namespace zelk {

QString graphicKindName(GraphicKind kind) {
    switch (kind) {
    case GraphicKind::Text: return QStringLiteral("SKTText");
    case GraphicKind::Image: return QStringLiteral("SKTImage");
    case GraphicKind::Line: return QStringLiteral("SKTLine");
    case GraphicKind::Shape: return QStringLiteral("Shape_Control");
    case GraphicKind::Barcode: return QStringLiteral("SKTBarcode");
    case GraphicKind::Signature: return QStringLiteral("SKTSignature");
    }
    return {};
}

std::optional<GraphicKind> graphicKindFromName(const QString& name) {
    for (GraphicKind k : {GraphicKind::Text, GraphicKind::Image, GraphicKind::Line,
                          GraphicKind::Shape, GraphicKind::Barcode, GraphicKind::Signature}) {
        if (graphicKindName(k) == name)
            return k;
    }
    return std::nullopt;
}

std::shared_ptr<SKTGraphic> makeGraphic(GraphicKind kind) {
    switch (kind) {
    case GraphicKind::Text: return std::make_shared<SKTText>();
    case GraphicKind::Image: return std::make_shared<SKTImage>();
    case GraphicKind::Line: return std::make_shared<SKTLine>();
    case GraphicKind::Shape: return std::make_shared<Shape_Control>();
    case GraphicKind::Barcode: return std::make_shared<SKTBarcode>();
    case GraphicKind::Signature: return std::make_shared<SKTSignature>();
    }
    return nullptr;
}

bool isExactlyText(const SKTGraphic* g) { return g && g->kind() == GraphicKind::Text; }
bool isExactlyImage(const SKTGraphic* g) { return g && g->kind() == GraphicKind::Image; }
bool isExactlyLine(const SKTGraphic* g) { return g && g->kind() == GraphicKind::Line; }
bool isExactlyShape(const SKTGraphic* g) { return g && g->kind() == GraphicKind::Shape; }
bool isExactlyBarcode(const SKTGraphic* g) { return g && g->kind() == GraphicKind::Barcode; }
bool isExactlySignature(const SKTGraphic* g) { return g && g->kind() == GraphicKind::Signature; }

bool isBlankOwnText(const SKTGraphic* g) {
    return isExactlyText(g) && g->control_ID.isEmpty() && g->data_source_type == DataSourceType::Manual &&
           g->Text_Value.isEmpty() && !g->_isDrawingFill && !g->_isDrawingStroke && !g->Drawing_Shadow;
}

namespace {

// Resolution in dots per inch from dots per metre. File formats keep whole
// dots per metre, so 72 dpi comes back as 72.009 and 300 dpi as 299.9994:
// a value that close to a whole number is that number.
double dotsPerInch(int dotsPerMeter) {
    const double dpi = dotsPerMeter * 0.0254;
    const double whole = std::round(dpi);
    return std::abs(dpi - whole) < 0.05 ? whole : dpi;
}

}  // namespace

QSizeF pictureSizeInPoints(const QImage& picture) {
    if (picture.isNull())
        return QSizeF(0, 0);
    // A QImage always carries some resolution: a picture whose file recorded
    // none gets the value every new QImage starts with.
    const QImage fresh(1, 1, QImage::Format_ARGB32);
    auto dpiOf = [&](int dpm, int freshDpm) {
        if (dpm <= 0 || dpm == freshDpm)
            return 72.0;
        return dotsPerInch(dpm);
    };
    const double dpiX = dpiOf(picture.dotsPerMeterX(), fresh.dotsPerMeterX());
    const double dpiY = dpiOf(picture.dotsPerMeterY(), fresh.dotsPerMeterY());
    return QSizeF(picture.width() * 72.0 / dpiX, picture.height() * 72.0 / dpiY);
}

namespace {

bool fieldEqual(const QRectF& a, const QRectF& b) {
    return a.x() == b.x() && a.y() == b.y() && a.width() == b.width() && a.height() == b.height();
}
bool fieldEqual(bool a, bool b) { return a == b; }
bool fieldEqual(int a, int b) { return a == b; }
bool fieldEqual(float a, float b) { return a == b; }
bool fieldEqual(double a, double b) { return a == b; }
bool fieldEqual(const QString& a, const QString& b) { return a == b; }
bool fieldEqual(const QColor& a, const QColor& b) {
    if (!a.isValid() || !b.isValid())
        return a.isValid() == b.isValid();
    return a.rgba64() == b.rgba64();
}
bool fieldEqual(const QFont& a, const QFont& b) { return a.toString() == b.toString(); }
bool fieldEqual(const QImage& a, const QImage& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    if (a.size() != b.size() || a.dotsPerMeterX() != b.dotsPerMeterX()
        || a.dotsPerMeterY() != b.dotsPerMeterY())
        return false;
    return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

QStringList graphicDifferences(const SKTGraphic& a, const SKTGraphic& b) {
    QStringList differences;
    if (a.kind() != b.kind())
        differences << QStringLiteral("kind");
#define ZELK_COMPARE_FIELD(name)          \
    if (!fieldEqual(a.name, b.name))      \
        differences << QStringLiteral(#name);
    ZELK_SKTGRAPHIC_FIELDS(ZELK_COMPARE_FIELD)
#undef ZELK_COMPARE_FIELD
    return differences;
}

bool sameGraphic(const SKTGraphic& a, const SKTGraphic& b) {
    return graphicDifferences(a, b).isEmpty();
}

}  // namespace zelk

SKTGraphic::SKTGraphic() : text_ctrl_font(zelk::defaultFont(zelk::DefaultTextFontSize)) {}

SKTGraphic::~SKTGraphic() = default;

std::shared_ptr<SKTGraphic> SKTGraphic::copyWithZone() const {
    std::shared_ptr<SKTGraphic> copy = zelk::makeGraphic(kind());
    copy->shape_type = shape_type;
    copy->_bounds = _bounds;

    copy->_isDrawingFill = _isDrawingFill;
    copy->_fillColor = _fillColor;
    copy->_fill_type = _fill_type;
    copy->_fill_Grad_clr1 = _fill_Grad_clr1;
    copy->_fill_Grad_clr2 = _fill_Grad_clr2;
    copy->_fill_grad_angle = _fill_grad_angle;
    copy->_fill_htch_clr = _fill_htch_clr;
    copy->_fill_hatch_type = _fill_hatch_type;
    copy->alpha_val = alpha_val;

    copy->_isDrawingStroke = _isDrawingStroke;
    copy->_strokeColor = _strokeColor;
    copy->_strokeWidth = _strokeWidth;
    copy->_stroke_border_type = _stroke_border_type;
    copy->alpha_val_stroke = alpha_val_stroke;

    copy->Text_Value = Text_Value;
    copy->_Text_contents = _Text_contents;

    copy->data_source_type = data_source_type;
    copy->batch_list_name = batch_list_name;
    copy->batch_list_index = batch_list_index;
    copy->excel_binding = excel_binding;
    copy->excel_col_indx = excel_col_indx;
    return copy;
}

void SKTGraphic::setBounds(const QRectF& bounds) {
    _bounds = bounds;
    // The inspector lives on the GUI thread; rendering copies whose values
    // are assigned on a worker must not reach it.
    const QCoreApplication* app = QCoreApplication::instance();
    if (app && QThread::currentThread() != app->thread())
        return;
    zelk::modelHost()->Set_Control_Pos_And_Size(this);
}

zelk::BoxOwner SKTGraphic::boxOwner() const {
    switch (box_owner) {
    case int(zelk::BoxOwner::Rule):
        return zelk::BoxOwner::Rule;
    case int(zelk::BoxOwner::User):
        return zelk::BoxOwner::User;
    default:
        return zelk::BoxOwner::Design;
    }
}

void SKTGraphic::setPlacedByRule() {
    box_owner = int(zelk::BoxOwner::Rule);
    design_box = QRectF();
}

void SKTGraphic::setPlacedByUser() {
    box_owner = int(zelk::BoxOwner::User);
    design_box = QRectF();
}

void SKTGraphic::saveOwnersBox() {
    if (boxOwner() != zelk::BoxOwner::Rule && design_box.isNull())
        design_box = _bounds;
}

void SKTGraphic::backToOwnersBox() {
    if (boxOwner() != zelk::BoxOwner::Rule && !ctrl_is_locked && !design_box.isNull()) {
        setBounds(design_box);
        design_box = QRectF();
    }
}

void SKTGraphic::setXPosition(double x) {
    QRectF r = _bounds;
    r.moveLeft(x);
    setBounds(r);
}

void SKTGraphic::setYPosition(double y) {
    QRectF r = _bounds;
    r.moveTop(y);
    setBounds(r);
}

void SKTGraphic::setWidth(double width) {
    QRectF r = _bounds;
    r.setWidth(width);
    setBounds(r);
}

void SKTGraphic::setHeight(double height) {
    QRectF r = _bounds;
    r.setHeight(height);
    setBounds(r);
}

void SKTGraphic::makeNaturalSize() {
    if (ctrl_is_locked || kind() == zelk::GraphicKind::Barcode)
        return;
    const double side = std::min(_bounds.width(), _bounds.height());
    setBounds(QRectF(_bounds.topLeft(), QSizeF(side, side)));
}

void SKTGraphic::makeSameAsLabelSize(const QRectF& cardRect) {
    if (ctrl_is_locked || kind() == zelk::GraphicKind::Barcode)
        return;
    setBounds(cardRect);
}

void SKTGraphic::Set_Data_source_type(int type) {
    data_source_type = type;
    switch (type) {
    case DataSourceType::Manual:
        batch_list_index = -1;
        batch_list_name.clear();
        excel_binding = false;
        excel_col_indx = -1;
        break;
    case DataSourceType::Series:
        excel_binding = false;
        excel_col_indx = -1;
        break;
    case DataSourceType::ExcelColumn:
        excel_binding = true;
        batch_list_index = -1;
        batch_list_name.clear();
        break;
    default:
        break;
    }
}

void SKTGraphic::Set_text_value(const QString& text) {
    Text_Value = text;
    _Text_contents = text;
}

void SKTGraphic::Set_Barcode_image(const QImage& picture) {
    _barcode_image = zelk::IndexedPicture::compact(picture);
    const QSizeF size = zelk::pictureSizeInPoints(picture);
    setBounds(QRectF(_bounds.topLeft(), size));
}
