#include "canvas/SKTGraphicView.h"

#include "canvas/CanvasHost.h"
#include "canvas/CardFaceHook.h"
#include "canvas/FieldPlacement.h"
#include "canvas/GraphicClipboard.h"
#include "canvas/NewControlPoint.h"
#include "canvas/SKTGrid.h"
#include "canvas/SKTRenderingView.h"
#include "canvas/SideGraphicsModel.h"
#include "canvas/SideSnapshot.h"
#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ModelHost.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTImage.h"
#include "foundation/Shape_Control.h"
#include "foundation/Units.h"
#include "foundation/Utilities.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <cmath>

using zelk::GraphicKind;

namespace {

constexpr int HandleHideMs = 500;

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

const QStringList& profileIdsToHide() {
    static const QStringList ids = {
        Fup_Name, Fup_Title, Fup_Company, Fup_CompanySlogan, Fup_Address, Fup_PhoneNO,
        Fup_FaxNo, Fup_EmailID, Fup_Website, Fup_UniqueNo, Fup_Date, Fup_Time,
        Fup_lbl_Name, Fup_lbl_Title, Fup_lbl_Company, Fup_lbl_CompanySlogan, Fup_lbl_Address,
        Fup_lbl_PhoneNO, Fup_lbl_FaxNo, Fup_lbl_EmailID, Fup_lbl_Website, Fup_lbl_UniqueNo,
        Fup_lbl_Photo, Fup_lbl_Date, Fup_lbl_Time};
    return ids;
}

// QList's own comparison hands memcmp a null pointer for empty lists.
bool sameIndexes(const QList<int>& a, const QList<int>& b) {
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend());
}

bool isTextOrImage(const SKTGraphic* g) {
    return zelk::isExactlyText(g) || zelk::isExactlyImage(g);
}

// The in-place editor: a plain text box whose text may begin below its top,
// as a text set to the middle or the bottom of its box does on the card.
class TextEditorBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    void setTopInset(int pixels) { setViewportMargins(0, pixels, 0, 0); }
    // The height its lines take at its present width.
    int linesHeight() const {
        double height = 0;
        for (QTextBlock b = document()->firstBlock(); b.isValid(); b = b.next())
            height += blockBoundingRect(b).height();
        return int(std::ceil(height));
    }
};

// The card draws letters beyond this size (in points) at this size.
constexpr double MaxEditorFontPoints = 2000;

}  // namespace

SKTGraphicView::SKTGraphicView(QWidget* parent)
    : QWidget(parent), ownNewPoints_(std::make_unique<zelk::NewControlPoint>()) {
    newPoints_ = ownNewPoints_.get();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    handleTimer_.setSingleShot(true);
    connect(&handleTimer_, &QTimer::timeout, this, [this] {
        handlesHidden_ = false;
        update();
    });
    setCanvasSize(QSizeF(0, 0));
    undo_.reset(graphics());
}

SKTGraphicView::~SKTGraphicView() {
    // The editor watches the whole application while it is open.
    qApp->removeEventFilter(this);
}

// ---------------------------------------------------------------- set-up

void SKTGraphicView::bindToDocument(SKTDocument* document, int side) {
    if (document_)
        disconnect(document_, nullptr, this, nullptr);
    endEditing(false);
    document_ = document;
    side_ = side;
    if (document_) {
        connect(document_, &SKTDocument::graphicsChanged, this, [this](int changedSide) {
            if (changedSide == side_) {
                pruneSelection();
                update();
            }
        });
        connect(document_, &QObject::destroyed, this, [this] {
            document_ = nullptr;
            model_.setGraphics(nullptr);
        });
    }
    model_.setGraphics(document_ ? &document_->mutableGraphics(side_) : nullptr);
    model_.setSelectionIndexes({});
    _Selected_Graphic.reset();
    undo_.reset(graphics());
    emit undoStateChanged(canUndo(), canRedo());
    update();
}

GraphicList& SKTGraphicView::mutableGraphics() {
    return model_.mutableGraphics();
}

const GraphicList& SKTGraphicView::graphics() const {
    return model_.graphics();
}

void SKTGraphicView::setHost(zelk::CanvasHost* host) {
    host_ = host;
}

zelk::CanvasHost* SKTGraphicView::host() const {
    return host_ ? host_ : zelk::defaultCanvasHost();
}

void SKTGraphicView::setGrid(SKTGrid* grid) {
    if (_grid)
        disconnect(_grid, nullptr, this, nullptr);
    _grid = grid;
    if (_grid) {
        connect(_grid, &SKTGrid::gridChanged, this, qOverload<>(&QWidget::update));
        connect(_grid, &QObject::destroyed, this, [this] { _grid = nullptr; });
    }
    update();
}

void SKTGraphicView::setToolPalette(zelk::ToolPalette* tools) {
    tools_ = tools;
}

zelk::ToolPalette* SKTGraphicView::toolPalette() const {
    return tools_ ? tools_ : zelk::ToolPalette::shared();
}

void SKTGraphicView::setNewControlPoint(zelk::NewControlPoint* points) {
    newPoints_ = points ? points : ownNewPoints_.get();
}

// ---------------------------------------------------------------- size and zoom

void SKTGraphicView::setCanvasSize(const QSizeF& size) {
    const double w = std::isfinite(size.width()) ? std::max(0.0, size.width()) : 0.0;
    const double h = std::isfinite(size.height()) ? std::max(0.0, size.height()) : 0.0;
    canvasSize_ = QSizeF(w, h);
    setFixedSize(sizeHint());
    update();
}

void SKTGraphicView::setScaleFactor(double scale) {
    if (!std::isfinite(scale) || scale <= 0)
        return;
    scale = std::clamp(scale, zoomLevels().first(), zoomLevels().last());
    if (scale == scale_)
        return;
    if (editor_)
        endEditing(true);
    scale_ = scale;
    setFixedSize(sizeHint());
    update();
    emit scaleFactorChanged(scale_);
}

const QList<double>& SKTGraphicView::zoomLevels() {
    static const QList<double> levels = {0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0, 6.0, 8.0};
    return levels;
}

void SKTGraphicView::zoomIn() {
    for (double level : zoomLevels())
        if (level > scale_ + 1e-9) {
            setScaleFactor(level);
            return;
        }
}

void SKTGraphicView::zoomOut() {
    const auto& levels = zoomLevels();
    for (auto it = levels.rbegin(); it != levels.rend(); ++it)
        if (*it < scale_ - 1e-9) {
            setScaleFactor(*it);
            return;
        }
}

QPointF SKTGraphicView::modelPoint(const QPointF& p) const {
    return p / scale_;
}

QPointF SKTGraphicView::widgetPoint(const QPointF& p) const {
    return p * scale_;
}

QSize SKTGraphicView::sizeHint() const {
    return QSize(int(std::ceil(canvasSize_.width() * scale_)),
                 int(std::ceil(canvasSize_.height() * scale_)));
}

void SKTGraphicView::Refresh_ScrollView() {
    update();
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
            area->viewport()->update();
            area->update();
            break;
        }
}

// ---------------------------------------------------------------- selection

QString SKTGraphicView::sideName() const {
    int side = side_;
    if (side == SKTDocument::TempSide)
        side = host()->Card_Front_Or_Back();
    return side != 0 ? CardSide::BackName : CardSide::FrontName;
}

void SKTGraphicView::pruneSelection() {
    if (model_.pruneSelection())
        emit selectionChanged();
}

QList<int> SKTGraphicView::selectionIndexes() const {
    return model_.selectionIndexes();
}

void SKTGraphicView::setSelectionIndexes(const QList<int>& indexes) {
    if (model_.setSelectionIndexes(indexes))
        emit selectionChanged();
    update();
}

GraphicList SKTGraphicView::selectedGraphics() const {
    return model_.selectedGraphics();
}

void SKTGraphicView::setSelected_Graphic(const std::shared_ptr<SKTGraphic>& graphic) {
    _Selected_Graphic = graphic;
}

void SKTGraphicView::Clear_Control_Selection() {
    setSelectionIndexes({});
}

void SKTGraphicView::selectAll() {
    QList<int> all;
    for (int i = 0; i < graphics().size(); ++i)
        all.append(i);
    setSelectionIndexes(all);
    if (!all.isEmpty())
        _Selected_Graphic = graphics().first();
    showInspector(Selected_Graphic().get());
}

bool SKTGraphicView::There_Is_Any_Lock_Contrl() const {
    return model_.anySelectedLocked();
}

int SKTGraphicView::graphicIndexUnderPoint(const QPointF& point) const {
    return model_.indexUnderPoint(point);
}

void SKTGraphicView::showInspector(SKTGraphic* graphic) {
    host()->Show_RHS_Properties(graphic);
}

// ---------------------------------------------------------------- creation and lookup

std::shared_ptr<SKTGraphic> SKTGraphicView::Selcect_Ctrl_With_ID(const QString& ctrl_ID) const {
    return model_.textOrImageWithId(ctrl_ID);
}

void SKTGraphicView::Set_Selection_Index_According_ID(const QString& ctrl_ID) {
    const int i = model_.indexOfId(ctrl_ID);
    setSelectionIndexes(i < 0 ? QList<int>() : QList<int>{i});
    if (i < 0)
        _Selected_Graphic.reset();
    else
        _Selected_Graphic = graphics().at(i);
}

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
    zelk::CanvasHost* h = host();
    if (controlClass == GraphicKind::Text)
        tools->setToolQuietly(zelk::TextTool);
    const int tool = tools->Selected_Control_Tool();
    const GraphicKind kind = zelk::graphicKindForTool(tool).value_or(controlClass);
    const bool recordUndo = !h->Fill_User_Profile();
    endEditing(true);
    if (recordUndo)
        Insert_In_Undo_Redo();

    std::shared_ptr<SKTGraphic> g;
    if (kind == GraphicKind::Shape) {
        const QString code = zelk::shapeCodeForTool(tool);
        g = std::make_shared<Shape_Control>(code.isEmpty() ? ShapeCode::Rectangle : code);
    } else {
        g = zelk::makeGraphic(kind);
    }

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
    g->setBounds(QRectF(origin, size));
    g->control_ID = ctrl_ID;

    if (isText && !ctrl_value.isEmpty()) {
        g->Set_text_value(ctrl_value);
        g->_isDrawingFill = false;
        g->_isDrawingStroke = false;
        fitTextHeight(*g);
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
        static_cast<SKTImage*>(g.get())->setFilePath(path, true);
    }
    if (kind == GraphicKind::Barcode) {
        const QImage picture = h->barcodeImage(*g, QStringLiteral("0123"));
        if (!picture.isNull())
            g->Set_Barcode_image(picture);
        check_barcode_and_set_control_bounds(g.get());
    }

    // In a group project the profile fields follow the workbook's columns.
    if (h->Start_Card_Option() == StartMode::GroupList &&
        (ctrl_ID.contains(zelk::ProfileIdMark) || ctrl_ID.contains(QLatin1String("_field"))) &&
        !ctrl_ID.contains(QLatin1String("_Photo"))) {
        const int column = h->Get_Excel_Coulmn_Index_According_ID(ctrl_ID);
        if (column != -1) {
            g->Set_Data_source_type(DataSourceType::ExcelColumn);
            g->Set_Excel_binding(true);
            g->Set_Excel_binding_Index(column);
        }
    }
    // A field lands clear of what the side shows, where the card has room;
    // a caption beside its value.
    if (zelk::isFieldId(ctrl_ID)) {
        const QList<QRectF> taken = zelk::drawnRects(graphics());
        const zelk::ProfileField* field = zelk::profileFieldForId(ctrl_ID);
        const auto value = field && field->captionId == ctrl_ID ? model_.textOrImageWithId(field->valueId) : nullptr;
        if (value && value->ctrl_is_visible)
            g->setBounds(zelk::clearCaptionPlaceFor(value->bounds(), g->bounds().size(), taken, cardRect()));
        else
            g->setBounds(zelk::clearPlaceFor(g->bounds(), taken, cardRect()));
    }
    if (ctrl_ID.contains(zelk::PartyIdMark)) {
        static const QStringList centred = {
            QStringLiteral("PARTY_TITLE"), QStringLiteral("PARTY_DATE"), QStringLiteral("PARTY_TIME"),
            QStringLiteral("PARTY_VENUE"), QStringLiteral("PARTY_MARRINGE_INFO")};
        if (centred.contains(ctrl_ID))
            g->text_alignmnet = 2;
        if (ctrl_ID == QLatin1String("PARTY_FROM"))
            g->text_alignmnet = 1;
        if (ctrl_ID == QLatin1String("PARTY_TITLE") || ctrl_ID == QLatin1String("PARTY_MARRINGE_INFO")) {
            QFont font(QStringLiteral(".AppleSystemUIFont"));
            font.setPointSizeF(18);
            g->text_ctrl_font = font;
        }
    }

    model_.insertOnTop({g});
    _Selected_Graphic = g;
    emit selectionChanged();
    tools->setToolQuietly(zelk::ArrowTool);
    if (recordUndo)
        Insert_In_Undo_Redo();
    changed();
    // A text placed blank (the text tool's) shows nothing until it has a
    // text, so the user types it in place at once.
    if (isText && ctrl_value.isEmpty() && ctrl_ID.isEmpty()) {
        startEditingGraphic(g);
        focusEditor(Qt::OtherFocusReason);
    }
    return g;
}

void SKTGraphicView::ReplaceGraphicText(GraphicKind controlClass, bool use_rect,
                                        const QRectF& bound_rect, const QString& card_side,
                                        const QString& ctrl_value, const QString& ctrl_ID) {
    const std::shared_ptr<SKTGraphic> g = Selcect_Ctrl_With_ID(ctrl_ID);
    if (!g) {
        createGraphicOfClass(controlClass, use_rect, bound_rect, card_side, ctrl_value, ctrl_ID);
        return;
    }
    g->Set_Ctrl_Is_Visible(true);
    if (zelk::isExactlyText(g.get())) {
        if (!ctrl_value.isEmpty()) {
            g->Set_text_value(ctrl_value);
            g->_isDrawingStroke = false;
            g->_isDrawingFill = false;
            fitTextHeight(*g);
        }
    } else {
        static_cast<SKTImage*>(g.get())->setFilePath(ctrl_value, true);
    }
    startEditingGraphic(g);
    _Selected_Graphic = g;
    if (!host()->Fill_User_Profile())
        Insert_In_Undo_Redo();
    changed();
}

void SKTGraphicView::Hide_all_Text_control_FUP_Control() {
    for (const auto& g : graphics())
        if (g && isTextOrImage(g.get()) && profileIdsToHide().contains(g->control_ID))
            g->Set_Ctrl_Is_Visible(false);
    update();
}

void SKTGraphicView::delete_all_control() {
    endEditing(false);
    replaceGraphics({});
}

void SKTGraphicView::replaceGraphics(const GraphicList& list) {
    model_.replaceAll(list);
    _Selected_Graphic.reset();
    emit selectionChanged();
    changed();
}

void SKTGraphicView::check_barcode_and_set_control_bounds(SKTGraphic* graphic) {
    zelk::SideGraphicsModel::refitBarcode(graphic);
}

void SKTGraphicView::print_contol_or_not(int value) {
    model_.setSelectionPrinted(value);
    update();
}

void SKTGraphicView::hideHandlesMomentarily() {
    handlesHidden_ = true;
    update();
    handleTimer_.start(HandleHideMs);
}

void SKTGraphicView::showGraphicsOf(const GraphicList& list) {
    endEditing(false);
    replaceGraphics(list);
}

void SKTGraphicView::changed() {
    if (document_)
        document_->notifyGraphicsChanged(side_);
    update();
}

// ---------------------------------------------------------------- in-place text editing

void SKTGraphicView::startEditingGraphic(const std::shared_ptr<SKTGraphic>& graphic) {
    if (!graphic)
        return;
    if (editor_ && edited_ == graphic) {
        // The panels call this after writing the graphic: show what they
        // wrote unless the user has typed something of their own.
        if (!editor_->document()->isModified() && editor_->toPlainText() != graphic->Text_Value) {
            editor_->setPlainText(graphic->Text_Value);
            editor_->document()->setModified(false);
        }
        styleEditor();
        update();
        return;
    }
    endEditing(true);
    update();
    if (!zelk::isExactlyText(graphic.get()))
        return;
    edited_ = graphic;
    editorEngaged_ = false;
    auto* editor = new TextEditorBox(this);
    editor->setObjectName(QStringLiteral("SKTTextEditor"));
    editor->setFrameShape(QFrame::NoFrame);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->setAutoFillBackground(false);
    editor->viewport()->setAutoFillBackground(false);
    editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    editor->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    editor->document()->setDocumentMargin(0);
    editor->setPlainText(graphic->Text_Value);
    editor->document()->setModified(false);
    editor_ = editor;
    styleEditor();
    connect(editor, &QPlainTextEdit::textChanged, this, [this, editor] {
        if (editor == editor_)
            placeEditor();
    });
    // Escape and a click anywhere else reach the canvas wherever the
    // keyboard is: the panels keep it while they start the editor.
    qApp->installEventFilter(this);
    // The editor does not take the keyboard here: the panels call this while
    // the user types in them. A double click gives it the focus.
    editor->show();
}

void SKTGraphicView::styleEditor() {
    if (!editor_ || !edited_)
        return;
    const SKTGraphic& g = *edited_;

    // The card draws one point of the font as one point of the card, which
    // the zoom makes scale_ pixels; the editor's device has its own dpi.
    QFont font = g.text_ctrl_font;
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
    const double dpi = editor_->logicalDpiY() > 0 ? editor_->logicalDpiY() : 96.0;
    if (points > 0)
        font.setPointSizeF(std::min(points, MaxEditorFontPoints) * scale_ * 72.0 / dpi);
    font.setHintingPreference(QFont::PreferNoHinting);
    if (std::isfinite(g.text_kerning) && g.text_kerning != 0.0f)
        font.setLetterSpacing(QFont::AbsoluteSpacing, double(g.text_kerning) * scale_);
    static const QFont::Capitalization cases[] = {QFont::MixedCase, QFont::AllUppercase, QFont::AllLowercase,
                                                  QFont::Capitalize};
    font.setCapitalization(g.text_transfrom_case >= 0 && g.text_transfrom_case < 4 ? cases[g.text_transfrom_case]
                                                                                   : QFont::MixedCase);
    editor_->setFont(font);

    // No ground of its own: the card (the text's fill included) shows
    // through. The letters show once the user types in place; until then
    // the card's own drawing of them (rotated, shadowed) is what is seen.
    QPalette palette = editor_->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Window, Qt::transparent);
    palette.setColor(QPalette::Text,
                     editorEngaged_ ? zelk::withAlpha(g.txt_clr, g.alpha_val) : QColor(Qt::transparent));
    editor_->setPalette(palette);
    // Until then the mouse reaches the card through it: a click on the text
    // picks or drags it as any graphic, a double click types in it.
    for (QWidget* w : {static_cast<QWidget*>(editor_.data()), editor_->viewport()})
        w->setAttribute(Qt::WA_TransparentForMouseEvents, !editorEngaged_);

    QTextOption option = editor_->document()->defaultTextOption();
    option.setAlignment(zelk::horizontalTextAlignment(g.text_alignmnet));
    option.setUseDesignMetrics(true);
    editor_->document()->setDefaultTextOption(option);

    placeEditor();
}

void SKTGraphicView::placeEditor() {
    if (!editor_ || !edited_)
        return;
    const SKTGraphic& g = *edited_;
    // The graphic's frame, level: a rotated text is edited unrotated. It
    // grows as the card's box will with the lines typed, so that no line
    // scrolls out of sight.
    const QRectF r = g.bounds().normalized();
    QRect area = QRectF(widgetPoint(r.topLeft()), widgetPoint(r.bottomRight())).toAlignedRect();
    area.setWidth(std::max(area.width(), 8));
    area.setHeight(std::max(area.height(), QFontMetrics(editor_->font()).height()));
    auto* box = static_cast<TextEditorBox*>(editor_.data());
    box->setTopInset(0);
    editor_->setGeometry(area);  // the width its lines wrap at
    const std::shared_ptr<SKTGraphic> typed = g.clone();
    typed->Set_text_value(editor_->toPlainText());
    double lines = zelk::fittedTextHeight(*typed) * scale_;
    if (!std::isfinite(lines))
        lines = 0;
    lines = std::min(std::max(lines, double(box->linesHeight())), double(QWIDGETSIZE_MAX / 2));

    int inset = 0;
    const Qt::Alignment vertical = zelk::verticalTextAlignment(g.text_alignmnet_Vert);
    if (vertical & (Qt::AlignBottom | Qt::AlignVCenter)) {
        const double spare = area.height() - lines;
        if (spare > 0)
            inset = int(std::lround((vertical & Qt::AlignBottom) ? spare : spare / 2));
    }
    area.setHeight(std::max(area.height(), inset + int(std::ceil(lines))));
    box->setTopInset(inset);
    editor_->setGeometry(area);
}

void SKTGraphicView::engageEditor() {
    if (!editor_ || editorEngaged_)
        return;
    editorEngaged_ = true;
    styleEditor();
    update();
}

void SKTGraphicView::focusEditor(Qt::FocusReason reason) {
    if (!editor_)
        return;
    engageEditor();
    editor_->setFocus(reason);
}

// A text's height follows its text: after its text changes, the box keeps
// its width and takes the height its lines need (an empty text keeps its box).
void SKTGraphicView::fitTextHeight(SKTGraphic& g) {
    if (!zelk::isExactlyText(&g) || g.Text_Value.isEmpty() || g.ctrl_is_locked)
        return;
    const double h = zelk::fittedTextHeight(g);
    if (h > 0 && std::isfinite(h))
        g.setHeight(h);
}

void SKTGraphicView::endEditing(bool commit) {
    if (!editor_)
        return;
    QPlainTextEdit* editor = editor_;
    editor_ = nullptr;
    std::shared_ptr<SKTGraphic> g = std::move(edited_);
    edited_.reset();
    editorEngaged_ = false;
    qApp->removeEventFilter(this);
    const QString text = editor->toPlainText();
    // Only what the user typed is written back: the graphic may have been
    // changed by the panels since the editor opened.
    const bool typed = editor->document()->isModified();
    editor->hide();
    editor->deleteLater();
    if (commit && typed && g && text != g->Text_Value) {
        g->Set_text_value(text);
        fitTextHeight(*g);
        Insert_In_Undo_Redo();
        changed();
    }
    update();
}

bool SKTGraphicView::eventFilter(QObject* watched, QEvent* event) {
    // Installed on the application while the editor is open.
    if (!editor_)
        return QWidget::eventFilter(watched, event);
    auto* target = qobject_cast<QWidget*>(watched);
    const bool inEditor = target && (target == editor_ || editor_->isAncestorOf(target));
    switch (event->type()) {
    case QEvent::FocusIn:
        if (target == editor_)
            engageEditor();
        break;
    // A popup (the editor's own context menu) neither takes the editing
    // away nor ends it with a click on one of its items.
    case QEvent::FocusOut:
        if (target == editor_ && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            endEditing(true);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (target && !inEditor && target->window()->windowType() != Qt::Popup)
            endEditing(true);
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            // From the editor or from anywhere in the canvas's window, the
            // panels included: the text stays as it was.
            if (inEditor) {
                endEditing(false);
                setFocus();
                return true;
            }
            if (target && target->window() == window())
                endEditing(false);
            break;
        }
        if (!inEditor)
            break;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & Qt::ControlModifier)) {
            endEditing(true);
            setFocus();
            return true;
        }
        engageEditor();
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- alignment and size

void SKTGraphicView::alignformCenter() {
    model_.alignToCardCenter(cardRect());
    update();
}

void SKTGraphicView::alignLeftEdges() {
    model_.align(zelk::SideGraphicsModel::Alignment::LeftEdges, cardRect());
    update();
}

void SKTGraphicView::alignRightEdges() {
    model_.align(zelk::SideGraphicsModel::Alignment::RightEdges, cardRect());
    update();
}

void SKTGraphicView::alignTopEdges() {
    model_.align(zelk::SideGraphicsModel::Alignment::TopEdges, cardRect());
    update();
}

void SKTGraphicView::alignBottomEdges() {
    model_.align(zelk::SideGraphicsModel::Alignment::BottomEdges, cardRect());
    update();
}

void SKTGraphicView::alignHorizontalCenters() {
    model_.align(zelk::SideGraphicsModel::Alignment::HorizontalCenters, cardRect());
    update();
}

void SKTGraphicView::alignVerticalCenters() {
    model_.align(zelk::SideGraphicsModel::Alignment::VerticalCenters, cardRect());
    update();
}

void SKTGraphicView::alignWithGrid() {
    if (!_grid)
        return;
    model_.alignWithGrid(*_grid);
    update();
}

void SKTGraphicView::makeSameWidth() {
    model_.makeSameWidth();
    update();
}

void SKTGraphicView::makeSameHeight() {
    model_.makeSameHeight();
    update();
}

void SKTGraphicView::makeSameAsLabelSize() {
    model_.makeSameAsLabelSize(cardRect());
    update();
}

void SKTGraphicView::makeNaturalSize() {
    model_.makeNaturalSize();
    update();
}

void SKTGraphicView::Frame_main_Pic_X_Pos_Changed(double x) {
    model_.setSelectionX(x);
    update();
}

void SKTGraphicView::Frame_main_Pic_Y_Pos_Changed(double y) {
    model_.setSelectionY(y);
    update();
}

void SKTGraphicView::Frame_main_Pic_Wdith_Changed(double width) {
    if (!std::isfinite(width))
        return;
    model_.setSelectionWidth(zelk::toPoints(float(width), host()->Measument_Unit_Is()));
    update();
}

void SKTGraphicView::Frame_main_Pic_Height_Changed(double height) {
    if (!std::isfinite(height))
        return;
    model_.setSelectionHeight(zelk::toPoints(float(height), host()->Measument_Unit_Is()));
    update();
}

// ---------------------------------------------------------------- editing commands

void SKTGraphicView::deleteSelectedGraphics() {
    endEditing(true);
    const bool removed = model_.removeSelected();
    _Selected_Graphic.reset();
    emit selectionChanged();
    if (removed) {
        Insert_In_Undo_Redo();
        changed();
    }
    showInspector(nullptr);
}

void SKTGraphicView::copy() {
    const GraphicList selected = selectedGraphics();
    if (selected.isEmpty())
        return;
    zelk::GraphicClipboard::copyGraphics(selected);
}

void SKTGraphicView::cut() {
    copy();
    deleteSelectedGraphics();
}

void SKTGraphicView::insertOnTop(const GraphicList& list) {
    model_.insertOnTop(list);
    _Selected_Graphic = list.isEmpty() ? nullptr : list.first();
    emit selectionChanged();
}

void SKTGraphicView::paste() {
    endEditing(true);
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const zelk::GraphicClipboard::ReadResult read =
        zelk::GraphicClipboard::read(clipboard ? clipboard->mimeData() : nullptr);
    switch (read.content) {
    case zelk::GraphicClipboard::Content::Nothing:
        return;
    case zelk::GraphicClipboard::Content::Unreadable:
        Show_MessageBox(read.error.userText());
        return;
    case zelk::GraphicClipboard::Content::Graphics:
        if (read.graphics.isEmpty())
            return;
        insertOnTop(read.graphics);
        break;
    case zelk::GraphicClipboard::Content::Picture: {
        QString error;
        const std::shared_ptr<SKTImage> image = zelk::GraphicClipboard::pictureGraphic(read.picture, &error);
        if (!image) {
            Show_MessageBox(error);
            return;
        }
        QSizeF size = zelk::pictureSizeInPoints(read.picture);
        // A picture larger than the card comes in fitted to it.
        if (canvasSize_.width() > 0 && canvasSize_.height() > 0 &&
            (size.width() > canvasSize_.width() || size.height() > canvasSize_.height()))
            size = size.scaled(canvasSize_, Qt::KeepAspectRatio);
        const QPointF origin = Control_New_Point(sideName());
        image->setBounds(QRectF(origin, size));
        insertOnTop({image});
        break;
    }
    }
    Insert_In_Undo_Redo();
    changed();
    showInspector(Selected_Graphic().get());
}

void SKTGraphicView::bringToFront() {
    restackSelection(true);
}

void SKTGraphicView::sendToBack() {
    restackSelection(false);
}

void SKTGraphicView::restackSelection(bool toFront) {
    const QList<int> before = selectionIndexes();
    if (!model_.restackSelection(toFront))
        return;
    if (!sameIndexes(before, selectionIndexes()))
        emit selectionChanged();
    Insert_In_Undo_Redo();
    changed();
}

void SKTGraphicView::lockSelectedGraphics() {
    setSelectionLocked(true);
}

void SKTGraphicView::unlockSelectedGraphics() {
    setSelectionLocked(false);
}

void SKTGraphicView::setSelectionLocked(bool locked) {
    const QList<int> indexes = selectionIndexes();
    if (!model_.setSelectionLocked(locked))
        return;
    // The inspector is cleared first (which may clear the selection), then
    // shows the last selected graphic in its new state.
    showInspector(nullptr);
    setSelectionIndexes(indexes);
    Insert_In_Undo_Redo();
    update();
    showInspector(graphics().at(indexes.last()).get());
}

void SKTGraphicView::nudgeSelection(double dx, double dy) {
    if (!model_.nudgeSelection(dx, dy))
        return;
    Insert_In_Undo_Redo();
    update();
}

// ---------------------------------------------------------------- undo and redo

void SKTGraphicView::Insert_In_Undo_Redo() {
    if (host()->live_mode_list_value_change())
        return;
    undo_.record(graphics());
    emit undoStateChanged(canUndo(), canRedo());
}

void SKTGraphicView::resetUndoHistory() {
    undo_.reset(graphics());
    emit undoStateChanged(canUndo(), canRedo());
}

void SKTGraphicView::restoreGraphics(const GraphicList& list) {
    replaceGraphics(list);
    emit undoStateChanged(canUndo(), canRedo());
    showInspector(nullptr);
}

bool SKTGraphicView::undo() {
    endEditing(true);
    GraphicList restored;
    if (!undo_.undo(&restored))
        return false;
    restoreGraphics(restored);
    return true;
}

bool SKTGraphicView::redo() {
    endEditing(true);
    GraphicList restored;
    if (!undo_.redo(&restored))
        return false;
    restoreGraphics(restored);
    return true;
}

// ---------------------------------------------------------------- painting

void SKTGraphicView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(scale_, scale_);
    const QRectF card = cardRect();

    // The side is drawn as every output draws it, with the graphics that are
    // not printed shown; the canvas's own overlays go over it, the grid
    // inside the card outline, the handles wherever the graphics reach.
    zelk::CanvasHost* h = host();
    const int faceSide = side_ == SKTDocument::TempSide ? h->Card_Front_Or_Back() : side_;
    const GraphicList& all = graphics();
    // While the user types in place, the editor shows the text being typed
    // and the card draws the rest of that graphic.
    GraphicList typing;
    if (editorEngaged_ && edited_) {
        if (const qsizetype i = all.indexOf(edited_); i >= 0) {
            typing = all;
            std::shared_ptr<SKTGraphic> blank = edited_->clone();
            blank->_Text_contents.clear();
            typing[i] = blank;
        }
    }
    const GraphicList* drawn = typing.isEmpty() ? &all : &typing;
    SKTRenderingView::drawSide(
        painter,
        zelk::SideSnapshot::sharing(drawn, h->frontCardProperty(), h->backCardProperty(), h->Card_Shape(),
                                    faceSide, card),
        SKTRenderingView::Unprinted::Draw, [this, card](QPainter& p) {
            if (_grid)
                _grid->drawRect(p, card, scale_);
        });

    if (!handlesHidden_) {
        const QList<int> selected = selectionIndexes();
        for (auto it = selected.crbegin(); it != selected.crend(); ++it) {
            const SKTGraphic* g = all.at(*it).get();
            // A text being typed in place shows no handles; one merely
            // restyled (the editor waits over it) still looks selected.
            if (g && g->ctrl_is_visible && !(editorEngaged_ && edited_.get() == g))
                g->drawHandles(painter, scale_);
        }
    }
    if (drag_ == Drag::Marquee && !marquee_.isEmpty()) {
        painter.save();
        painter.setPen(QPen(QColor(80, 80, 80), 0));
        painter.setBrush(QColor(120, 120, 120, 40));
        painter.drawRect(marquee_);
        painter.restore();
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
        for (const auto& entry : dragStart_)
            moved.append(entry.first);
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
