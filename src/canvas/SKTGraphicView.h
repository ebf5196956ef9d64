#pragma once
// The canvas of one card side. It edits one of the document's graphics
// arrays (front, back or temp) in place through mutableGraphics; the
// selection is a set of indexes into that array (index 0 the topmost
// graphic), kept with the edits that need no widget in a SideGraphicsModel.
// The canvas draws, routes input and remembers the graphic last clicked or
// placed (_Selected_Graphic, not owned).
//
// Model coordinates are points with y growing downwards from the card's top
// (isFlipped); the widget shows them at its zoom (scaleFactor).
//
// Its definitions are split by concern: set-up, zoom, selection, lookup and
// undo here in SKTGraphicView.cpp; the tools' creation and the mouse and
// keys in SKTGraphicViewTools.cpp; where a field made by ID lands in
// SKTGraphicViewFields.cpp; the text editor, alignment and the
// editing commands in SKTGraphicViewEditing.cpp; paintEvent in
// SKTGraphicViewPainting.cpp.
//
// Undo: the canvas keeps the undo and redo stacks of its side. Its own
// editing (mouse, keyboard, clipboard, delete, z-order, lock, creation)
// records its steps; the alignment and size operations and the
// Frame_main_Pic_* operations do not, since the main window's commands
// record one step after calling them.
#include "canvas/FieldPlacement.h"
#include "canvas/SideGraphicsModel.h"
#include "canvas/UndoStacks.h"
#include "foundation/SKTGraphic.h"

#include <QHash>
#include <QSet>
#include <QList>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRectF>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>


class SKTDocument;
class SKTGrid;

namespace zelk {
class CanvasHost;
class NewControlPoint;
class ToolPalette;
}  // namespace zelk

using GraphicList = QList<std::shared_ptr<SKTGraphic>>;

class SKTGraphicView : public QWidget {
    Q_OBJECT
public:
    explicit SKTGraphicView(QWidget* parent = nullptr);
    ~SKTGraphicView() override;

    // ---- Set-up ----
    // Binds the canvas to the document's array of the side (SKTDocument::Side:
    // 0 front, 1 back, 2 temp), empties the selection and starts the undo
    // history of the side from its present state.
    void bindToDocument(SKTDocument* document, int side);
    SKTDocument* document() const { return document_; }
    int boundSide() const { return side_; }
    // The bound array, for editing. A canvas bound to nothing edits an
    // array of its own.
    GraphicList& mutableGraphics();
    const GraphicList& graphics() const;

    // Not owned; nullptr restores the process-wide defaults.
    void setHost(zelk::CanvasHost* host);
    zelk::CanvasHost* host() const;
    void setGrid(SKTGrid* grid);
    SKTGrid* grid() const { return _grid; }
    void setToolPalette(zelk::ToolPalette* tools);
    zelk::ToolPalette* toolPalette() const;
    // Shared by the canvases of one window; the canvas has its own until set.
    void setNewControlPoint(zelk::NewControlPoint* points);

    // ---- Size and zoom ----
    // The card's size in points; the widget takes it times the zoom.
    void setCanvasSize(const QSizeF& size);
    QSizeF canvasSize() const { return canvasSize_; }
    QRectF cardRect() const { return QRectF(QPointF(0, 0), canvasSize_); }
    // The card as a field placed on it sees it: its rectangle and outline.
    zelk::CardArea fieldCard() const;
    // What the side draws under its fields (its card face and graphics, its
    // fields left out), for reading whether a field's colour reads where it
    // may go.
    zelk::FieldGround fieldGround() const;
    // The fields of the side whose printed words read wrong on it
    // (zelk::fieldsReadingWrong on fieldCard and fieldGround).
    QList<zelk::FieldReadingWrong> fieldsReadingWrong() const;
    void setScaleFactor(double scale);
    double scaleFactor() const { return scale_; }
    void zoomIn();
    void zoomOut();
    static const QList<double>& zoomLevels();
    bool isFlipped() const { return true; }
    QPointF modelPoint(const QPointF& widgetPoint) const;
    QPointF widgetPoint(const QPointF& modelPoint) const;
    QSize sizeHint() const override;
    // Redraws the canvas and the scroll view around it.
    void Refresh_ScrollView();

    // ---- Selection ----
    QList<int> selectionIndexes() const;
    void setSelectionIndexes(const QList<int>& indexes);
    // The selected graphics in index order (index 0 the topmost).
    GraphicList selectedGraphics() const;
    // None once it has left the side (a design replaced while something, a
    // preview, still holds it): what is done to it would reach no card.
    std::shared_ptr<SKTGraphic> Selected_Graphic() const;
    // Sets _Selected_Graphic alone; the selection indexes stay.
    void setSelected_Graphic(const std::shared_ptr<SKTGraphic>& graphic);
    void Clear_Control_Selection();
    void selectAll();
    bool There_Is_Any_Lock_Contrl() const;
    // The topmost visible graphic under the point (model coordinates), -1 for none.
    int graphicIndexUnderPoint(const QPointF& point) const;

    // ---- Creation and lookup by control ID ----
    // The first text or image graphic (from index 0) whose control ID is the
    // ID; nullptr for an empty ID or none. The selection stays.
    std::shared_ptr<SKTGraphic> Selcect_Ctrl_With_ID(const QString& ctrl_ID) const;
    // Selects the first graphic with the ID and makes it _Selected_Graphic;
    // none: nothing selected and no _Selected_Graphic.
    void Set_Selection_Index_According_ID(const QString& ctrl_ID);
    // Creates a graphic of the current tool's kind (controlClass when the
    // tool creates none; the text class makes the text tool current first),
    // places and fills it, inserts it on top, selects it and returns the tool
    // to the arrow. A field (a graphic made by control ID) lands clear of
    // what the side shows where the card has room, a caption beside its
    // value (FieldPlacement). The side before and after it are recorded for
    // undo (the one before only where a change left it unrecorded), unless
    // Fill_User_Profile is set and the graphic is made by ID. A text with no
    // value and no ID (the text tool's) opens the in-place editor with the
    // keyboard focus. Returns the new graphic.
    std::shared_ptr<SKTGraphic> createGraphicOfClass(zelk::GraphicKind controlClass, bool use_rect,
                                                     const QRectF& bound_rect, const QString& card_side,
                                                     const QString& ctrl_value, const QString& ctrl_ID);
    // The shares of their own font size new fields are drawn at: from 1
    // down to the smallest, or one, which a stamping gives all its fields.
    void setFieldScales(zelk::FieldScales scales) { fieldScales_ = scales; }
    // While a batch of new fields is open (a stamping), a value made in it
    // moves with its caption where the caption has no room beside it; a
    // value made before keeps its place.
    void openFieldBatch() {
        fieldBatch_.clear();
        captionSpots_.clear();
        packed_.reset();
        packedPlaced_.clear();
        fieldBatchOpen_ = true;
    }
    void closeFieldBatch() {
        roomier_.clear();
        fieldBatch_.clear();
        captionSpots_.clear();
        fieldBatchOpen_ = false;
        batchGround_.reset();
        readableColours_.clear();
        unreadable_.clear();
        batchValues_.clear();
        packed_.reset();
        packedPlaced_.clear();
    }
    // The fields a batch gives values to (ID and value, its captions'
    // too), for laying its new values out together (FieldFlow::Units).
    void setFieldBatchValues(const QList<std::pair<QString, QString>>& values) { batchValues_ = values; }
    // While a batch is open, its new fields of these colours are laid only
    // where they read (zelk::LeastMovedContrast on fieldGround), where the
    // card has such a place for them; elsewhere only where it has none.
    void keepFieldsReadable(const QList<QColor>& colours);
    // Where a new text may not stand for its ground: where its colour reads
    // below zelk::LeastMovedContrast; in a batch only where the batch keeps
    // it readable (none otherwise). Outside a batch it is read anew each
    // time: a field placed alone (the desk's) keeps off it where the side
    // has a clear place off it (zelk::Taken::groundNotReadOn).
    QList<QRectF> unreadableGroundFor(const SKTGraphic& field) const;
    // A field that holds its box in a batch (the user's or a locked one)
    // takes its value there: a box of the user's grows only where it does
    // not hold it (zelk::grownUserBox), a locked one stays as it is.
    void fillHeldField(SKTGraphic& g, const QString& value);
    // The fields of the design's and the user's go back to the boxes their
    // owners gave them (a stamping or a group row starts again from them),
    // but those locked, which stay as they are.
    void backToOwnersBoxes();
    // While given (a stamping), a field made by ID takes the graphic of its
    // ID from these, as an earlier stamping left it (its style kept), in
    // place of a new one; it is then filled and placed as a new one is.
    void setFieldsMadeAgain(const QHash<QString, std::shared_ptr<SKTGraphic>>& fields) { fieldsMadeAgain_ = fields; }
    // The caption a value about to be made in a batch will have: the value
    // then lands with a spot reserved for it above it or before it.
    void setNextValueCaption(const QString& caption) { nextValueCaption_ = caption; }
    // How a batch's new texts are laid out: at their rules' places, or
    // filling the card line by line (where they have no room there), each
    // in its fewest lines or the card packed (zelk::FlowOrder); or, on a
    // crowded card, its values with their captions laid out together as
    // units, each free place filled with the unit that fills it best
    // (zelk::packFields).
    enum class FieldFlow { RulePlaces, Lines, PackedLines, Units };
    void setFieldFlow(FieldFlow flow) { fieldFlow_ = flow; }
    // What of the pairing zones of the other fields (pairingZonesOn) new texts
    // keep off where the card has a place so: all of it (the default), the
    // zones that keep a caption to its own value, or none.
    enum class PairingLevel { All, Captions, None };
    void setPairingLevel(PairingLevel level) { pairingLevel_ = level; }
    // The largest share of its own size a batch's photo is placed at: 1, or
    // less where its texts find no room beside it at its own.
    void setPhotoShare(double share) { photoShare_ = share; }
    // While held (a stamping, a group project's columns), a field given a
    // value its box no longer holds waits for the other values: each first
    // takes its own box, grown where the side has room below it; then, in
    // the order they came, those that outgrew theirs grow, move with their
    // captions or stay (zelk::outgrownPlace); after them, values their
    // boxes hold only drawn smaller move where a place holds them at their
    // own size (zelk::roomierPlace). Settling ends the hold. In an open
    // batch those drawn smaller wait instead for the try the batch keeps
    // (settleRoomierFields, true where some waited): a try is scored as
    // its fields stand.
    void holdOutgrownFields() { holdOutgrown_ = true; }
    void settleOutgrownFields();
    bool settleRoomierFields();
    // Gives the text or image graphic with the ID the value, or creates one
    // (createGraphicOfClass) when there is none.
    void ReplaceGraphicText(zelk::GraphicKind controlClass, bool use_rect, const QRectF& bound_rect,
                            const QString& card_side, const QString& ctrl_value,
                            const QString& ctrl_ID);
    // Hides the profile value and caption graphics (not the profile photo).
    void Hide_all_Text_control_FUP_Control();
    // The next cascading point for a new graphic of the side ("F" or "B").
    QPointF Control_New_Point(const QString& card_side);
    void delete_all_control();
    // A barcode's picture counts as fitted to its present bounds.
    void check_barcode_and_set_control_bounds(SKTGraphic* graphic);
    // print_object of every selected unlocked graphic.
    void print_contol_or_not(int value);
    // Hides the selection handles for half a second.
    void hideHandlesMomentarily();
    bool handlesHidden() const { return handlesHidden_; }
    // Opens the in-place editor on a text graphic (other kinds are only
    // redrawn); the editor writes the text back when it closes. It lies
    // level in the graphic's frame, in the text's font at the zoom, colour
    // and alignment, without frame, scroll bars or ground. Until the user
    // types in it (it has the keyboard), the card's own drawing and the
    // mouse pass through it; Escape or a click outside it ends the editing.
    void startEditingGraphic(const std::shared_ptr<SKTGraphic>& graphic);
    // Closes the editor, writing its text back when `commit`. A text the
    // text tool placed blank and typed in place before any other step is
    // one undo step with its placing; one left blank goes again, with that
    // step, unless the keyboard went on to the window's panels.
    void endEditing(bool commit = true);
    bool isEditing() const { return editor_ != nullptr; }
    QPlainTextEdit* editor() const { return editor_; }
    // The temp side: shows the given graphics, the same objects.
    void showGraphicsOf(const GraphicList& graphics);

    // ---- Alignment and size (no undo step; see above) ----
    void alignformCenter();
    void alignLeftEdges();
    void alignRightEdges();
    void alignTopEdges();
    void alignBottomEdges();
    void alignHorizontalCenters();
    void alignVerticalCenters();
    void alignWithGrid();
    void makeSameWidth();
    void makeSameHeight();
    void makeSameAsLabelSize();
    void makeNaturalSize();
    // Positions in points; sizes in the host's unit.
    void Frame_main_Pic_X_Pos_Changed(double x);
    void Frame_main_Pic_Y_Pos_Changed(double y);
    void Frame_main_Pic_Wdith_Changed(double width);
    void Frame_main_Pic_Height_Changed(double height);

    // ---- Editing commands (each records an undo step when it changes) ----
    void deleteSelectedGraphics();
    void cut();
    void copy();
    void paste();
    void bringToFront();
    void sendToBack();
    void lockSelectedGraphics();
    void unlockSelectedGraphics();
    // Moves the selected unlocked graphics by (dx, dy) points.
    void nudgeSelection(double dx, double dy);

    // ---- Undo and redo of this side ----
    // Records the side as it is now, unless live_mode_list_value_change.
    void Insert_In_Undo_Redo();
    // The same for a step that changed the side's card face too: undo and
    // redo then give the face back through the host.
    void Insert_In_Undo_Redo(const zelk::FaceChange& face);
    // Typing changed the side without a step of its own: the side as it is
    // now is where the next step starts, so that its Undo keeps what was
    // typed (UndoStacks::keepTyped).
    void keepTypedText();
    // What changes between the two is taken back by one Undo: the side as
    // it stands is recorded first (where the last step left it otherwise),
    // the steps in between are not, and the side is recorded at the end.
    void beginUndoGroup();
    void endUndoGroup();
    // Empties the history and starts it from the side as it is now.
    void resetUndoHistory();
    bool undo();
    bool redo();
    bool canUndo() const { return undo_.canUndo(); }
    bool canRedo() const { return undo_.canRedo(); }
    const zelk::UndoStacks& undoStacks() const { return undo_; }
    // After a text graphic's text changed: its height follows its lines;
    // a field's only as far as the side leaves it room (textHeightWithin).
    static void fitTextHeight(SKTGraphic& g);
    static void fitTextHeight(SKTGraphic& g, const GraphicList& side, const zelk::CardArea& card);

signals:
    void selectionChanged();
    void undoStateChanged(bool canUndo, bool canRedo);
    // The text the in-place editor shows `graphic` with: what the user types
    // as it is typed, then the graphic's own once the editing ends.
    void inPlaceTextChanged(SKTGraphic* graphic, const QString& text);
    void scaleFactorChanged(double scale);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Drag { None, Move, Resize, Marquee };

    // ---- Creation's steps (SKTGraphicViewTools.cpp) ----
    static std::shared_ptr<SKTGraphic> newGraphicOfTool(int tool, zelk::GraphicKind kind);
    // Where a new graphic starts, before a field is placed.
    QRectF startBounds(zelk::GraphicKind kind, bool use_rect, const QRectF& bound_rect, const QString& card_side,
                       const QString& ctrl_ID);
    // A new graphic's text, picture or code.
    void fillNewGraphic(SKTGraphic& g, zelk::GraphicKind kind, const QString& ctrl_value);
    void bindToGroupColumn(SKTGraphic& g, const QString& ctrl_ID);
    static void styleParty(SKTGraphic& g, const QString& ctrl_ID);
    // ---- A new field's place (SKTGraphicViewFields.cpp) ----
    // `again`: a field of the side laid out anew.
    void placeNewField(const std::shared_ptr<SKTGraphic>& g, bool again = false);
    void placeCaptionBesideValue(SKTGraphic& g, SKTGraphic& value, const QList<QSizeF>& sizes,
                                 const zelk::Taken& taken);
    void placeValueBesideCaption(SKTGraphic& g, const SKTGraphic& caption, const QList<QSizeF>& sizes,
                                 const zelk::Taken& taken);
    struct CaptionSpot;
    // The value placed with a spot reserved for `caption` above it or before it.
    CaptionSpot placeValueWithCaptionSpot(SKTGraphic& g, const SKTGraphic& caption, const QList<QSizeF>& sizes,
                                          const zelk::Taken& taken);
    // A box of the user's given a value it does not hold grows, into clear
    // room; a locked one does not.
    void growUserBox(SKTGraphic& g);
    // Runs a command of the user's on the selection: the fields whose boxes
    // it moves or resizes are the user's from then on.
    void placeByUser(const std::function<void()>& command);
    QHash<QString, std::shared_ptr<SKTGraphic>> fieldsMadeAgain_;

    QString sideName() const;
    void changed();                       // the array changed: notify and redraw
    void pruneSelection();
    void showInspector(SKTGraphic* graphic);
    void insertOnTop(const GraphicList& graphics);
    void recordStep(const std::optional<zelk::FaceChange>& face);
    // The last step goes on to the side as it is now (UndoStacks::amend).
    void amendStep();
    // Runs `change` on the undo stacks, then tells who listens, unless a
    // live list edit or an open undo group records nothing.
    void changeHistory(const std::function<void()>& change);
    void restoreStep(const GraphicList& graphics, const std::optional<Card_Property>& face);
    // The side's graphics become `graphics`, none selected.
    void replaceGraphics(const GraphicList& graphics);
    // Moves the selected graphics, in their order, above (or below) all others.
    void restackSelection(bool toFront);
    void setSelectionLocked(bool locked);
    void resizeTo(const QPointF& point);
    // Lays the editor over its graphic in the graphic's style.
    void styleEditor();
    // The editor's place: the graphic's frame, as tall as the lines typed.
    void placeEditor();
    // The user types in the editor: its text shows, the card's is left out.
    void engageEditor();
    void focusEditor(Qt::FocusReason reason);

    SKTDocument* document_ = nullptr;
    int side_ = 0;
    zelk::FieldScales fieldScales_;
    // The fields waiting while outgrown ones are held, with the boxes they
    // had before their values.
    struct Outgrown {
        std::weak_ptr<SKTGraphic> field;
        QRectF was;
    };
    bool holdOutgrown_ = false;
    QList<Outgrown> outgrown_;
    QList<Outgrown> roomier_;  // the last try's, waiting for the batch's choice
    // Places those of `waiting` still shown on the side (placeOutgrown).
    void placeWaiting(const QList<Outgrown>& waiting);
    // Where a field whose box (`was` before its value) no longer holds it,
    // or holds it only drawn smaller, goes, and its partner with it, on the
    // side's `ground`.
    void placeOutgrown(SKTGraphic& g, const QRectF& was, const zelk::FieldGround& ground);
    // The share of its own size a value is drawn at where it has room: a
    // batch's, else its own.
    double roomyShare() const { return fieldBatchOpen_ ? fieldScales_.largest : 1.0; }
    bool fieldBatchOpen_ = false;
    QList<const SKTGraphic*> fieldBatch_;
    QString nextValueCaption_;
    // The ground read once for a batch (every try of a stamping): its
    // fields change, not what lies under them.
    mutable std::optional<zelk::FieldGround> batchGround_;
    QList<std::pair<QString, QString>> batchValues_;
    // The places of the batch's values laid out as units, made at its first
    // value placed so; and those of them placed since.
    std::optional<QHash<QString, zelk::PackedPlace>> packed_;
    QSet<QString> packedPlaced_;
    // The places of the batch's values as units, made as `placing`, the
    // first of them, is placed.
    QHash<QString, zelk::PackedPlace> packedUnits(const SKTGraphic& placing) const;
    // A value of the batch takes its place among the units, with its
    // caption's spot; false where it has none there.
    bool placeAsUnit(SKTGraphic& g);
    QList<QRgb> readableColours_;
    mutable QHash<QRgb, QList<QRectF>> unreadable_;
    // placeNewField's choice of a place on the side as `taken` leaves it.
    void placeFieldOn(const std::shared_ptr<SKTGraphic>& g, bool again, const zelk::Taken& taken);
    // A new text of a batch that keeps it readable, placed clear but on
    // ground its colour does not read on, placed again where it reads where
    // the side has a clear place there; `before` its and its partner's
    // boxes before it was placed.
    struct PlacedBoxes {
        QRectF field, partner;
    };
    void placeWhereItReads(const std::shared_ptr<SKTGraphic>& g, bool again, const zelk::Taken& taken,
                           const std::shared_ptr<SKTGraphic>& partner, const PlacedBoxes& before);
    // The values of the batch placed with a spot reserved for their captions:
    // above them or before them, and the caption's size there.
    struct CaptionSpot {
        bool above;
        QSizeF caption;
        double space = 0;  // the run-on space after it
    };
    QHash<const SKTGraphic*, CaptionSpot> captionSpots_;
    // Where the spot reserved for a value's caption lies.
    static QRectF captionSpotOf(const SKTGraphic& value, const CaptionSpot& reserved);
    FieldFlow fieldFlow_ = FieldFlow::RulePlaces;
    PairingLevel pairingLevel_ = PairingLevel::All;
    double photoShare_ = 1.0;
    zelk::SideGraphicsModel model_;
    zelk::CanvasHost* host_ = nullptr;
    SKTGrid* _grid = nullptr;
    zelk::ToolPalette* tools_ = nullptr;
    zelk::NewControlPoint* newPoints_ = nullptr;
    std::unique_ptr<zelk::NewControlPoint> ownNewPoints_;

    QSizeF canvasSize_;
    double scale_ = 1.0;

    std::weak_ptr<SKTGraphic> _Selected_Graphic;

    bool handlesHidden_ = false;
    QTimer handleTimer_;

    Drag drag_ = Drag::None;
    QPointF pressPoint_;
    QList<std::pair<std::shared_ptr<SKTGraphic>, QRectF>> dragStart_;
    std::shared_ptr<SKTGraphic> resized_;
    int resizeHandle_ = 0;
    bool dragChanged_ = false;
    QRectF marquee_;
    QList<int> marqueeBase_;

    QPointer<QPlainTextEdit> editor_;
    std::shared_ptr<SKTGraphic> edited_;
    bool editorEngaged_ = false;

    zelk::UndoStacks undo_;
    int undoGroup_ = 0;  // groups open (beginUndoGroup)
    // The text the text tool placed blank, while its placing is the last step.
    std::weak_ptr<SKTGraphic> placedBlank_;
    // Takes that text off the side again and its placing off the history.
    void dropPlacedBlank(const std::shared_ptr<SKTGraphic>& g);
};
