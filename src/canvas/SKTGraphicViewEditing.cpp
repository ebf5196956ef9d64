// The canvas's editing: the in-place text editor, alignment and size, and
// the editing commands (clipboard, delete, z-order, lock, nudge).
#include "canvas/SKTGraphicView.h"

#include "canvas/CanvasHost.h"
#include "canvas/FieldPlacement.h"
#include "canvas/GraphicClipboard.h"
#include "canvas/SKTGrid.h"
#include "dialogs/TextBox.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTImage.h"
#include "foundation/Units.h"
#include "foundation/Utilities.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace {

// QList's own comparison hands memcmp a null pointer for empty lists.
bool sameIndexes(const QList<int>& a, const QList<int>& b) {
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend());
}

// The in-place editor: a plain text box whose text may begin below its top,
// as a text set to the middle or the bottom of its box does on the card.
class TextEditorBox : public zelk::TextBox {
public:
    using zelk::TextBox::TextBox;
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
        if (editor != editor_)
            return;
        placeEditor();
        // What the panels set is theirs already; what the user types is told.
        if (editor->document()->isModified())
            emit inPlaceTextChanged(edited_.get(), editor->toPlainText());
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
    fitTextHeight(g, {}, QRectF());
}

void SKTGraphicView::fitTextHeight(SKTGraphic& g, const GraphicList& side, const zelk::CardArea& card) {
    if (!zelk::isExactlyText(&g) || g.Text_Value.isEmpty() || g.ctrl_is_locked)
        return;
    const double h = card.rect.isEmpty() ? zelk::fittedTextHeight(g) : zelk::textHeightWithin(g, side, card);
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
    const bool placedBlank = g && placedBlank_.lock() == g;
    placedBlank_.reset();
    // Asked before the editor hides, which moves the keyboard on.
    QWidget* keyboard = QApplication::focusWidget();
    const bool keyboardInPanels =
        keyboard && keyboard != editor && !isAncestorOf(keyboard) && keyboard->window() == window();
    editor->hide();
    editor->deleteLater();
    if (commit && typed && g && text != g->Text_Value) {
        g->Set_text_value(text);
        fitTextHeight(*g, graphics(), fieldCard());
        placedBlank ? amendStep() : Insert_In_Undo_Redo();
        changed();
    }
    if (typed && g)
        emit inPlaceTextChanged(g.get(), g->Text_Value);
    // Left blank, it shows nothing; the panels may still give it a text.
    if (placedBlank && g->Text_Value.isEmpty()) {
        if (keyboardInPanels)
            placedBlank_ = g;
        else
            dropPlacedBlank(g);
    }
    update();
}

void SKTGraphicView::dropPlacedBlank(const std::shared_ptr<SKTGraphic>& g) {
    placedBlank_.reset();
    if (!model_.remove(g))
        return;
    if (_Selected_Graphic.lock() == g)
        _Selected_Graphic.reset();
    emit selectionChanged();
    // The side is as before the placing: that step goes.
    amendStep();
    changed();
    showInspector(nullptr);
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

void SKTGraphicView::placeByUser(const std::function<void()>& command) {
    const GraphicList selection = selectedGraphics();
    QList<QRectF> before;
    for (const std::shared_ptr<SKTGraphic>& g : selection)
        before << g->bounds();
    command();
    for (qsizetype i = 0; i < selection.size(); ++i)
        if (const auto& g = selection.at(i); zelk::isFieldId(g->control_ID) && g->bounds() != before.at(i))
            g->setPlacedByUser();
}

void SKTGraphicView::alignformCenter() {
    placeByUser([&] { model_.alignToCardCenter(cardRect()); });
    update();
}

void SKTGraphicView::alignLeftEdges() {
    placeByUser([&] { model_.align(zelk::SideGraphicsModel::Alignment::LeftEdges, cardRect()); });
    update();
}

void SKTGraphicView::alignRightEdges() {
    placeByUser([&] { model_.align(zelk::SideGraphicsModel::Alignment::RightEdges, cardRect()); });
    update();
}

void SKTGraphicView::alignTopEdges() {
    placeByUser([&] { model_.align(zelk::SideGraphicsModel::Alignment::TopEdges, cardRect()); });
    update();
}

void SKTGraphicView::alignBottomEdges() {
    placeByUser([&] { model_.align(zelk::SideGraphicsModel::Alignment::BottomEdges, cardRect()); });
    update();
}

void SKTGraphicView::alignHorizontalCenters() {
    placeByUser([&] { model_.align(zelk::SideGraphicsModel::Alignment::HorizontalCenters, cardRect()); });
    update();
}

void SKTGraphicView::alignVerticalCenters() {
    placeByUser([&] { model_.align(zelk::SideGraphicsModel::Alignment::VerticalCenters, cardRect()); });
    update();
}

void SKTGraphicView::alignWithGrid() {
    if (!_grid)
        return;
    placeByUser([&] { model_.alignWithGrid(*_grid); });
    update();
}

void SKTGraphicView::makeSameWidth() {
    placeByUser([&] { model_.makeSameWidth(); });
    update();
}

void SKTGraphicView::makeSameHeight() {
    placeByUser([&] { model_.makeSameHeight(); });
    update();
}

void SKTGraphicView::makeSameAsLabelSize() {
    placeByUser([&] { model_.makeSameAsLabelSize(cardRect()); });
    update();
}

void SKTGraphicView::makeNaturalSize() {
    placeByUser([&] { model_.makeNaturalSize(); });
    update();
}

void SKTGraphicView::Frame_main_Pic_X_Pos_Changed(double x) {
    placeByUser([&] { model_.setSelectionX(x); });
    update();
}

void SKTGraphicView::Frame_main_Pic_Y_Pos_Changed(double y) {
    placeByUser([&] { model_.setSelectionY(y); });
    update();
}

void SKTGraphicView::Frame_main_Pic_Wdith_Changed(double width) {
    if (!std::isfinite(width))
        return;
    placeByUser([&] { model_.setSelectionWidth(zelk::toPoints(float(width), host()->Measument_Unit_Is())); });
    update();
}

void SKTGraphicView::Frame_main_Pic_Height_Changed(double height) {
    if (!std::isfinite(height))
        return;
    placeByUser([&] { model_.setSelectionHeight(zelk::toPoints(float(height), host()->Measument_Unit_Is())); });
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
    bool moved = false;
    placeByUser([&] { moved = model_.nudgeSelection(dx, dy); });
    if (!moved)
        return;
    Insert_In_Undo_Redo();
    update();
}
