#pragma once
// The one place where the codes and numbers that designs store become Qt
// drawing settings. Designs saved on any platform store the same codes, so
// every kind draws through these functions and nowhere else.
#include <QBrush>
#include <QColor>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPen>
#include <QRectF>
#include <QTransform>
#include <QString>
#include <Qt>

#include <functional>

class QPaintDevice;
class QPainter;
class QPainterPath;
class QFont;
class SKTGraphic;

namespace zelk {

// Dash pattern of a DashCode in points, alternately drawn and skipped, phase
// 0; empty for a solid line ("S" and any unknown code).
QList<qreal> dashPatternPoints(const QString& dashCode);

// A pen of the given width in points and the dash of a DashCode. Qt measures
// dashes in pen widths and defaults to square caps; the stored patterns are
// in points with butt caps, so they are divided by the width here, and the
// caps are butt unless a line asks otherwise. Width 0 draws the thinnest line
// the device can show, with the pattern taken in device pixels.
QPen strokePen(const QColor& color, double width, const QString& dashCode,
               Qt::PenCapStyle cap = Qt::FlatCap);

// _line_cap_style keeps the numbering designs store: 0 butt, 1 round, 2 square;
// anything else draws butt.
Qt::PenCapStyle lineCapStyle(int storedCap);

// The colour with its alpha replaced by an opacity fraction (clamped 0..1):
// fill and hatch background take alpha_val, strokes alpha_val_stroke.
QColor withAlpha(const QColor& color, double opacity);

// Fill styles of a graphic ("S", "G", "H"); anything else fills solid.
enum class FillStyle { Solid, Gradient, Hatch };
FillStyle fillStyle(const QString& fillCode);

// A linear gradient over `box` at an angle in degrees, counter-clockwise as
// seen on the card (0 runs left to right, 90 bottom to top); the two colours
// sit on the box's extreme points along that direction, as a designer's
// gradient tool does.
QBrush gradientBrush(const QRectF& box, double angleDegrees, const QColor& from, const QColor& to);

// Horizontal text alignment in the paragraph numbering designs store:
// 0 left, 1 right, 2 centred, 3 justified, 4 natural (left).
Qt::Alignment horizontalTextAlignment(int stored);
// Vertical alignment uses the same numbering: 0 top, 1 bottom, 2 centred;
// other values place the text at the top.
Qt::Alignment verticalTextAlignment(int stored);

// Letter case of text_transfrom_case: 0 as typed, 1 upper case, 2 lower
// case, 3 capitalised words; other values leave the text as typed.
QString transformCase(const QString& text, int stored);

// _line_ori: 0 horizontal through the middle of the bounds, 1 vertical
// through the middle, 2 diagonal from the top-left to the bottom-right corner,
// 3 diagonal from the bottom-left to the top-right corner; other values
// draw horizontal. These are the orientations a card's rules and dividers use.
enum class LineOrientation { Horizontal, Vertical, DiagonalDown, DiagonalUp };
LineOrientation lineOrientation(int stored);
QLineF lineInBounds(const QRectF& bounds, int storedOrientation);

// Rotation of text_rotation: whole degrees about the centre of the bounds,
// clockwise as seen on the card (the canvas has y growing downwards).

// A font whose size, given in points, spans that many units of the painter's
// user space on the given device, whatever resolution the device reports:
// the model draws in points, and QImage, PDF and picture devices each report
// their own logical resolution.
QFont fontInPoints(const QFont& font, const QPaintDevice* device);

// Hatch patterns: the folder of the pattern pictures ("Fill_Style_Image" in
// the resources), set once at start-up; pictures are read once and shared,
// safe from any thread. A missing pattern gives a null image.
void setHatchPatternFolder(const QString& folder);
QString hatchPatternFolder();
QImage hatchPatternImage(const QString& patternName);

// ---- Sanity of stored numbers ----

// Designs come from files: a graphic whose bounds are not finite or lie
// beyond this many points (about 350 m) is damaged. It draws nothing and is
// never hit, rather than feeding the rasteriser numbers it cannot handle.
constexpr double MaxDrawingCoordinate = 1e6;
bool drawableBounds(const QRectF& bounds);
// A stored length: 0 when it is not finite or negative, at most `max`.
double saneLength(double value, double max);

// ---- Outlines ----

// The outline of a shape of a ShapeCode over its bounds (before rotation):
// "R" rectangle, "C" ellipse, "RR" rounded rectangle with cornerRadius
// (limited to half the shorter side), "T" triangle with its apex in the
// middle of the top edge, "D" diamond through the middles of the edges, "S"
// five-pointed star, "DS" double star, "P" regular polygon of polygonSides
// sides (at least 3) with a corner at the top. Stars and polygons are
// stretched so that they touch all four edges of the bounds, as a shape drawn
// by dragging a box is expected to. An unknown code is a rectangle.
//
// A double star of kind k (1 to 5; others are brought into that range) has
// k + 3 long points with a short point between each two, the look of a
// compass rose or a seal.
QPainterPath shapeOutline(const QString& shapeCode, const QRectF& bounds, double cornerRadius,
                          int doubleStarKind, int polygonSides);

// The rotation of a text or a shape (text_rotation) as a transform about the
// centre of its bounds; identity for 0.
QTransform rotationAbout(const QRectF& bounds, int degrees);

// ---- Painting a graphic's fill, stroke and shadow from its fields ----

// Fills the path by the graphic's fill fields when _isDrawingFill is set:
// "S" _fillColor with alpha_val, "G" the gradient of _fill_Grad_clr1 and
// _fill_Grad_clr2 at _fill_grad_angle over the path's bounds (colours as
// stored), "H" _fill_htch_clr with alpha_val, then the pattern picture tiled
// over it (a missing pattern leaves the background alone).
void fillGraphicPath(QPainter& painter, const SKTGraphic& g, const QPainterPath& path);

// The pen of the graphic's outline: _strokeColor with alpha_val_stroke,
// _strokeWidth, the dash of _stroke_border_type, mitre joins, butt caps.
QPen graphicStrokePen(const SKTGraphic& g, Qt::PenCapStyle cap = Qt::FlatCap);

// Strokes the path when _isDrawingStroke is set.
void strokeGraphicPath(QPainter& painter, const SKTGraphic& g, const QPainterPath& path);

// Draws `draw` with the graphic's shadow under it when Drawing_Shadow is set:
// Shadow_Color with alpha Shadow_transparency, moved by Shadow_offset_X to
// the right and Shadow_offset_Y upwards (designs store shadow offsets with
// y up, whichever way the view runs), blurred by Shadow_blur points. `area` bounds what `draw` touches, in the painter's coordinates.
// The shadow is a picture at the device's resolution; what `draw` paints
// stays vector on vector devices.
void paintWithShadow(QPainter& painter, const SKTGraphic& g, const QRectF& area,
                     const std::function<void(QPainter&)>& draw);

// The area the outline covers with the graphic's stroke (when it is drawn).
QRectF strokedArea(const SKTGraphic& g, const QPainterPath& outline, Qt::PenCapStyle cap = Qt::FlatCap);

// The area a shadow of `area` covers.
QRectF shadowArea(const SKTGraphic& g, const QRectF& area);

// Draws a picture into a rectangle with the given opacity: high-quality
// interpolation when `smooth`, source-over.
void drawPictureInRect(QPainter& painter, const QImage& picture, const QRectF& rect,
                       double opacity, bool smooth = true);

// ---- Text ----

// The height a text graphic's bounds need to show its whole text laid out at
// its bounds' width (wrapped at word boundaries, in its font, kerning and
// letter case): a new text starts 70 x 20 points, and after a change of its
// text or font the editor sets this height.
double fittedTextHeight(const SKTGraphic& text);
// The same at another width of its bounds.
double fittedTextHeightAt(const SKTGraphic& text, double width);

// The size in points a text graphic is drawn at: its font's, but for a
// field (a graphic with a field's control ID) whose lines need more height
// than its bounds, or that breaks a word wider than its bounds, the largest
// smaller size down to half its own at which its lines fit with no word
// broken; where none does both, the largest at which they fit (half its
// own where none fits). The stored font is not changed.
double drawnTextPointSize(const SKTGraphic& text);

// The largest size in points down to half a text's own at which no word of
// it is wider than its bounds (its own size where none is, or where even
// half breaks one): the size a field whose word its box cannot hold is
// drawn at, where its box is tall enough for its lines at that size.
double wholeWordsPointSize(const SKTGraphic& text);

// The width in points of the widest word (a run without blanks) of a text
// as shown, each word laid out alone in the text's own font.
double widestWordWidth(const SKTGraphic& text);

// Whether a text laid out at `points` in its bounds' width has a word wider
// than the bounds, broken inside it for that (a narrower word that wraps at
// its hyphen does not count).
bool breaksAWordAt(const SKTGraphic& text, double points);

// The boxes of a text graphic's words as it prints them, on the card: each
// run without blanks of each line it is drawn in, as wide as its glyphs and
// as high as its line's letters (ascent and descent), turned with the text.
QList<QRectF> printedWordBoxes(const SKTGraphic& text);
// The outlines of the letters of the same words, in the same order, on the card.
QList<QPainterPath> printedWordOutlines(const SKTGraphic& text);

// A field's value can be longer than its frame has lines for (a frame keeps
// the fields below it clear); rather than run over them it is drawn at the
// largest smaller size that fits the frame, down to this share of its own.
constexpr double SmallestFieldScale = 0.5;

// The smallest size in points a field of `points` is drawn at: that share
// of its own, up to the next whole pixel of the layout its text is laid out
// on (Qt sets a font at whole pixels there: half of 5 points would be drawn
// at 2.25), never above its own.
double smallestFieldPoints(double points);

// ---- The card's outline ----

// The corner radius of a rounded card (Card_Shape 1), in points: its
// corners are quarter circles of this radius, less where the card is too
// small for them.
constexpr double CardCornerRadius = 10.0;

// A card's outline as its face cuts it: Card_Shape 1 rounded, 2 oval, any
// other the rectangle.
QPainterPath cardOutline(int cardShape, const QRectF& card);

// ---- Selection handles ----

// Side of a selection handle on screen, in pixels of the view.
constexpr double HandleSideOnScreen = 6.0;

// A handle square centred on a point (scale: the view's zoom), and whether a
// point lies on it.
void drawHandleAt(QPainter& painter, QPointF at, double scale);
bool isOnHandle(QPointF point, QPointF at, double scale);

}  // namespace zelk
