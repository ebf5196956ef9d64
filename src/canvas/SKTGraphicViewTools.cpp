// The canvas's tools: a graphic made by the current drawing tool, and the
// mouse and keys that select, move, resize and nudge graphics.
#include "canvas/SKTGraphicView.h"

#include "canvas/CanvasHost.h"
#include "canvas/NewControlPoint.h"
#include "canvas/SKTGrid.h"
#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTImage.h"
#include "foundation/Shape_Control.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>

using zelk::GraphicKind;

namespace {

// The box handle that sits where a line handle is: lines resize like boxes
// whose corner (or edge middle) is the line's end.
int boxHandleForLineEnd(const SKTGraphic& g, int handle) {
    const QRectF r = g.bounds().normalized();
    const QLineF l = zelk::lineInBounds(r, g._line_ori);
    const QPointF end = handle == zelk::LineBeginHandle ? l.p1() : l.p2();
    const struct {
        int handle;
        QPointF at;
    } boxes[] = {{zelk::UpperLeftHandle, r.topLeft()},
                 {zelk::UpperMiddleHandle, QPointF(r.center().x(), r.top())},
                 {zelk::UpperRightHandle, r.topRight()},
                 {zelk::MiddleLeftHandle, QPointF(r.left(), r.center().y())},
                 {zelk::MiddleRightHandle, QPointF(r.right(), r.center().y())},
                 {zelk::LowerLeftHandle, r.bottomLeft()},
                 {zelk::LowerMiddleHandle, QPointF(r.center().x(), r.bottom())},
                 {zelk::LowerRightHandle, r.bottomRight()}};
    for (const auto& b : boxes)
        if (QLineF(b.at, end).length() < 1e-9)
            return b.handle;
    return handle == zelk::LineBeginHandle ? zelk::UpperLeftHandle : zelk::LowerRightHandle;
}

}  // namespace

// ---------------------------------------------------------------- creation by the tools

QPointF SKTGraphicView::Control_New_Point(const QString& card_side) {
    int count = int(graphics().size());
    if (document_)
        count = int(document_->graphicsOfSide(card_side == CardSide::BackName ? SKTDocument::BackSide
                                                                              : SKTDocument::FrontSide)
                        .size());
    return newPoints_->Control_New_Point(card_side, count, canvasSize_);
}

std::shared_ptr<SKTGraphic> SKTGraphicView::createGraphicOfClass(
    GraphicKind controlClass, bool use_rect, const QRectF& bound_rect, const QString& card_side,
    const QString& ctrl_value, const QString& ctrl_ID) {
    zelk::ToolPalette* tools = toolPalette();
    if (controlClass == GraphicKind::Text)
        tools->setToolQuietly(zelk::TextTool);
    const int tool = tools->Selected_Control_Tool();
    const GraphicKind kind = zelk::graphicKindForTool(tool).value_or(controlClass);
    // A profile's fields, made by ID while it fills the card, are one step
    // of the stamping; what the user draws is a step of its own.
    const bool recordUndo = !host()->Fill_User_Profile() || ctrl_ID.isEmpty();
    endEditing(true);
    if (recordUndo)
        Insert_In_Undo_Redo();

    std::shared_ptr<SKTGraphic> g = fieldsMadeAgain_.take(ctrl_ID);
    if (g && !ctrl_ID.isEmpty() && g->kind() == kind)
        g->Set_Ctrl_Is_Visible(true);
    else
        g = newGraphicOfTool(tool, kind);
    g->setBounds(startBounds(kind, use_rect, bound_rect, card_side, ctrl_ID));
    g->control_ID = ctrl_ID;
    fillNewGraphic(*g, kind, ctrl_value);
    bindToGroupColumn(*g, ctrl_ID);
    if (zelk::isFieldId(ctrl_ID))
        placeNewField(g);
    styleParty(*g, ctrl_ID);

    model_.insertOnTop({g});
    _Selected_Graphic = g;
    emit selectionChanged();
    tools->setToolQuietly(zelk::ArrowTool);
    if (recordUndo)
        Insert_In_Undo_Redo();
    changed();
    // A text placed blank (the text tool's) shows nothing until it has a
    // text, so the user types it in place at once.
    if (kind == GraphicKind::Text && ctrl_value.isEmpty() && ctrl_ID.isEmpty()) {
        startEditingGraphic(g);
        focusEditor(Qt::OtherFocusReason);
        if (recordUndo)
            placedBlank_ = g;
    }
    return g;
}

std::shared_ptr<SKTGraphic> SKTGraphicView::newGraphicOfTool(int tool, GraphicKind kind) {
    if (kind != GraphicKind::Shape)
        return zelk::makeGraphic(kind);
    const QString code = zelk::shapeCodeForTool(tool);
    return std::make_shared<Shape_Control>(code.isEmpty() ? ShapeCode::Rectangle : code);
}

QRectF SKTGraphicView::startBounds(GraphicKind kind, bool use_rect, const QRectF& bound_rect,
                                   const QString& card_side, const QString& ctrl_ID) {
    const bool isText = kind == GraphicKind::Text;
    QSizeF size = isText ? QSizeF(zelk::NewTextWidth, zelk::NewTextHeight) : QSizeF(50, 50);
    QPointF origin;
    if (use_rect) {
        origin = bound_rect.topLeft();
        if (!isText)
            size = bound_rect.size();
        if (ctrl_ID.isEmpty())
            origin = Control_New_Point(card_side);
    } else {
        origin = Control_New_Point(card_side);
    }
    return QRectF(origin, size);
}

void SKTGraphicView::fillNewGraphic(SKTGraphic& g, GraphicKind kind, const QString& ctrl_value) {
    zelk::CanvasHost* h = host();
    if (kind == GraphicKind::Text && !ctrl_value.isEmpty()) {
        g.Set_text_value(ctrl_value);
        g._isDrawingFill = false;
        g._isDrawingStroke = false;
        fitTextHeight(g);
    }
    if (kind == GraphicKind::Image) {
        QString path;
        const QString library = h->Library_Selected_Image();
        if (!library.isEmpty() && QFile::exists(library)) {
            path = library;
        } else if (!ctrl_value.isEmpty() && QFile::exists(ctrl_value)) {
            path = ctrl_value;
        } else {
            path = QDir(Resource_Path).filePath(QStringLiteral("no.png"));
            h->setLibrary_Selected_Image(path);
        }
        static_cast<SKTImage&>(g).setFilePath(path, true);
    }
    if (kind == GraphicKind::Barcode) {
        const QImage picture = h->barcodeImage(g, QStringLiteral("0123"));
        if (!picture.isNull())
            g.Set_Barcode_image(picture);
        check_barcode_and_set_control_bounds(&g);
    }
}

void SKTGraphicView::bindToGroupColumn(SKTGraphic& g, const QString& ctrl_ID) {
    // In a group project the profile fields follow the workbook's columns.
    zelk::CanvasHost* h = host();
    if (h->Start_Card_Option() != StartMode::GroupList ||
        !(ctrl_ID.contains(zelk::ProfileIdMark) || ctrl_ID.contains(QLatin1String("_field"))) ||
        ctrl_ID.contains(QLatin1String("_Photo")))
        return;
    const int column = h->Get_Excel_Coulmn_Index_According_ID(ctrl_ID);
    if (column != -1) {
        g.Set_Data_source_type(DataSourceType::ExcelColumn);
        g.Set_Excel_binding(true);
        g.Set_Excel_binding_Index(column);
    }
}

void SKTGraphicView::styleParty(SKTGraphic& g, const QString& ctrl_ID) {
    if (!ctrl_ID.contains(zelk::PartyIdMark))
        return;
    static const QStringList centred = {QStringLiteral("PARTY_TITLE"), QStringLiteral("PARTY_DATE"),
                                        QStringLiteral("PARTY_TIME"), QStringLiteral("PARTY_VENUE"),
                                        QStringLiteral("PARTY_MARRINGE_INFO")};
    if (centred.contains(ctrl_ID))
        g.text_alignmnet = 2;
    if (ctrl_ID == QLatin1String("PARTY_FROM"))
        g.text_alignmnet = 1;
    if (ctrl_ID == QLatin1String("PARTY_TITLE") || ctrl_ID == QLatin1String("PARTY_MARRINGE_INFO")) {
        QFont font(QStringLiteral(".AppleSystemUIFont"));
        font.setPointSizeF(18);
        g.text_ctrl_font = font;
    }
}

// ---------------------------------------------------------------- mouse and keyboard

void SKTGraphicView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    endEditing(true);
    const QPointF point = modelPoint(event->position());
    const bool extend = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    pressPoint_ = point;
    dragChanged_ = false;
    dragStart_.clear();
    resized_.reset();

    // A handle of a selected graphic, topmost first.
    if (!extend) {
        const GraphicList& all = graphics();
        for (int i : selectionIndexes()) {
            const auto& g = all.at(i);
            if (!g->ctrl_is_visible)
                continue;
            int handle = g->handleUnderPoint(point, scale_);
            if (handle == zelk::NoHandle)
                continue;
            _Selected_Graphic = g;
            showInspector(g.get());
            if (g->ctrl_is_locked)
                return;  // a locked graphic is never resized
            if (handle == zelk::LineBeginHandle || handle == zelk::LineEndHandle)
                handle = boxHandleForLineEnd(*g, handle);
            drag_ = Drag::Resize;
            resized_ = g;
            resizeHandle_ = handle;
            dragStart_.append({g, g->bounds().normalized()});
            return;
        }
    }

    const int index = graphicIndexUnderPoint(point);
    if (index >= 0) {
        const auto g = graphics().at(index);
        QList<int> sel = selectionIndexes();
        if (extend) {
            if (sel.contains(index)) {
                sel.removeAll(index);
                setSelectionIndexes(sel);
                const GraphicList rest = selectedGraphics();
                _Selected_Graphic = rest.isEmpty() ? nullptr : rest.first();
                showInspector(Selected_Graphic().get());
                drag_ = Drag::None;
                return;
            }
            sel.append(index);
            setSelectionIndexes(sel);
        } else if (!sel.contains(index)) {
            setSelectionIndexes({index});
        }
        _Selected_Graphic = g;
        showInspector(g.get());
        drag_ = Drag::Move;
        for (const auto& s : selectedGraphics())
            dragStart_.append({s, s->bounds()});
        return;
    }

    // Empty space: a marquee, adding to the selection with shift.
    marqueeBase_ = extend ? selectionIndexes() : QList<int>();
    if (!extend)
        setSelectionIndexes({});
    drag_ = Drag::Marquee;
    marquee_ = QRectF(point, QSizeF(0, 0));
}

void SKTGraphicView::resizeTo(const QPointF& rawPoint) {
    if (!resized_ || dragStart_.isEmpty())
        return;
    const QPointF p = (_grid && _grid->snaps()) ? _grid->alignedPoint(rawPoint) : rawPoint;
    const QRectF o = dragStart_.first().second;
    double left = o.left(), top = o.top(), right = o.right(), bottom = o.bottom();
    switch (resizeHandle_) {
    case zelk::UpperLeftHandle: left = p.x(); top = p.y(); break;
    case zelk::UpperMiddleHandle: top = p.y(); break;
    case zelk::UpperRightHandle: right = p.x(); top = p.y(); break;
    case zelk::MiddleLeftHandle: left = p.x(); break;
    case zelk::MiddleRightHandle: right = p.x(); break;
    case zelk::LowerLeftHandle: left = p.x(); bottom = p.y(); break;
    case zelk::LowerMiddleHandle: bottom = p.y(); break;
    case zelk::LowerRightHandle: right = p.x(); bottom = p.y(); break;
    default: return;
    }
    const QRectF r = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    if (r != resized_->bounds()) {
        resized_->setBounds(r);
        dragChanged_ = true;
    }
}

void SKTGraphicView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF point = modelPoint(event->position());
    switch (drag_) {
    case Drag::None:
        break;
    case Drag::Move: {
        QPointF delta = point - pressPoint_;
        // With the grid constraining, the graphic under the mouse lands on a
        // grid point and the others keep their distance to it.
        if (_grid && _grid->snaps()) {
            const auto sel = Selected_Graphic();
            QRectF ref = dragStart_.isEmpty() ? QRectF() : dragStart_.first().second;
            for (const auto& [g, start] : dragStart_)
                if (g == sel)
                    ref = start;
            delta = _grid->alignedPoint(ref.topLeft() + delta) - ref.topLeft();
        }
        for (const auto& [g, start] : dragStart_) {
            if (g->ctrl_is_locked)
                continue;  // a locked graphic never moves
            const QRectF moved = start.translated(delta);
            if (moved != g->bounds()) {
                g->setBounds(moved);
                dragChanged_ = true;
            }
        }
        update();
        break;
    }
    case Drag::Resize:
        resizeTo(point);
        update();
        break;
    case Drag::Marquee: {
        marquee_ = QRectF(pressPoint_, point).normalized();
        setSelectionIndexes(marqueeBase_ + model_.visibleIndexesTouching(marquee_));
        update();
        break;
    }
    }
}

void SKTGraphicView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const Drag drag = drag_;
    drag_ = Drag::None;
    if ((drag == Drag::Move || drag == Drag::Resize) && dragChanged_) {
        GraphicList moved;
        const zelk::CardArea card = fieldCard();
        for (const auto& [g, start] : dragStart_) {
            moved.append(g);
            if (zelk::isFieldId(g->control_ID) && g->bounds() != start) {
                g->setPlacedByUser();
                // A field is printed only where it lies on the card: one
                // dragged past its edge comes back onto it, a text resized
                // past it narrowed to it, its other edge where it was put.
                if (!card.rect.contains(g->bounds().normalized()))
                    g->setBounds(drag == Drag::Resize && zelk::isExactlyText(g.get())
                                     ? zelk::userBoxOnCard(*g, card)
                                     : zelk::ontoCard(g->bounds().normalized(),
                                                      card.rect.adjusted(zelk::FieldClearance, zelk::FieldClearance,
                                                                         -zelk::FieldClearance, -zelk::FieldClearance)));
            }
        }
        zelk::SideGraphicsModel::refitBarcodes(moved);
        Insert_In_Undo_Redo();
        changed();
    }
    if (drag == Drag::Marquee) {
        marquee_ = QRectF();
        const GraphicList sel = selectedGraphics();
        _Selected_Graphic = sel.isEmpty() ? nullptr : sel.first();
        showInspector(Selected_Graphic().get());
        update();
    }
    dragStart_.clear();
    resized_.reset();
}

void SKTGraphicView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int index = graphicIndexUnderPoint(modelPoint(event->position()));
    if (index < 0)
        return;
    const auto g = graphics().at(index);
    if (zelk::isExactlyBarcode(g.get())) {
        host()->Open_Barcode_Window(g.get());
        return;
    }
    if (zelk::isExactlyText(g.get()) && !g->ctrl_is_locked) {
        startEditingGraphic(g);
        focusEditor(Qt::MouseFocusReason);
    }
}

void SKTGraphicView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (event->matches(QKeySequence::Cut)) {
        cut();
    } else if (event->matches(QKeySequence::Paste)) {
        paste();
    } else if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (event->matches(QKeySequence::Undo)) {
        undo();
    } else if (event->matches(QKeySequence::Redo)) {
        redo();
    } else if (event->matches(QKeySequence::ZoomIn) ||
               (event->key() == Qt::Key_Equal && (event->modifiers() & Qt::ControlModifier))) {
        zoomIn();
    } else if (event->matches(QKeySequence::ZoomOut)) {
        zoomOut();
    } else if (event->matches(QKeySequence::Delete) || event->key() == Qt::Key_Backspace) {
        deleteSelectedGraphics();
    } else if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right ||
               event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        double step = (event->modifiers() & Qt::ShiftModifier) ? 10.0 : 1.0;
        if (_grid && _grid->snaps())
            step = _grid->spacing();
        const double dx = event->key() == Qt::Key_Left ? -step : event->key() == Qt::Key_Right ? step : 0;
        const double dy = event->key() == Qt::Key_Up ? -step : event->key() == Qt::Key_Down ? step : 0;
        nudgeSelection(dx, dy);
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
