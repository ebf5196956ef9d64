#pragma once
// The inspector's rules that need no widget: which tabs a graphic shows, the
// list orders of its combo boxes, how stored numbers are shown, and what the
// typing rules leave of a text.
#include "foundation/SKTGraphic.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zelk {

// The tab pages of the inspector.
enum class InspectorTab {
    CardInfo, CardSize, CardBackground, CardBorder,
    TextEditing, TextProperties, DataSource, Image, Line, Signature, Barcode, Shape,
    Alignment, Lock,
};

struct InspectorTabSet {
    QString title;              // properties_title
    QList<InspectorTab> tabs;   // in order; a locked graphic has only Lock
    QString lockLabel;          // the Lock tab's label (locked graphics)
};

// The tabs of a graphic of the kind. Visitor ("V") and group ("G") modes
// show no data source tab, nor does an image while two or more images are
// selected; an unlocked graphic ends with the alignment tab.
InspectorTabSet graphicTabSet(GraphicKind kind, const QString& shapeCode, bool locked,
                              const QString& startMode, int selectedImages);

// "Rectangle Settings" ... "Polygon Settings"; "" for an unknown ShapeCode.
QString shapeSettingsTitle(const QString& shapeCode);

bool isVisitorOrGroupMode(const QString& startMode);

// Border-style lists: item index of a DashCode, -1 for an unknown code (the
// list keeps its selection); and the code of an index, "S" out of range.
int dashIndexOfCode(const QString& dashCode);
QString dashCodeOfIndex(int index);

// An opacity fraction shown in percent, truncated. Fractions are stored in
// single precision (0.35 is 0.3499999940), so a hair is added before the
// cut: what was written as a whole percent loads as that percent again.
int percentOfFraction(double fraction);
// The card's opacity: a fraction once written, 100 in a new side; at most 100.
int cardOpacityPercent(float stored);

// A stroke width shown as a whole number of points, truncated toward zero.
int wholeWidth(double width);

// Items of the text and line combos, in the order their stored indexes use.
QStringList textAlignmentItems();          // 0 left, 1 right, 2 centre
QStringList textVerticalAlignmentItems();  // 0 top, 1 bottom, 2 middle
QStringList textCaseItems();               // as typed, upper, lower, capitalised
QStringList lineOrientationItems();        // horizontal, vertical, two diagonals
QStringList lineCapItems();                // 0 butt, 1 round, 2 square
QStringList dashStyleItems();              // "S" .. "DDD"
QStringList textOrientationItems();        // angles as decimal integers
// Date and time patterns (Qt's format), offered in the text panel.
QStringList datePatterns();
QStringList timePatterns();
// The hatch pattern names (the pictures of the pattern folder), sorted.
QStringList hatchStyleNames();

// The name filter of an open panel for files of these extensions, each in
// lower and upper case: "Pictures (*.png *.PNG ...)".
QString pictureFileFilter(const QStringList& extensions);

// A font as the panels show it: "family ( size )", two decimals.
QString fontDisplayText(const QFont& font);

// The typing rules of the text panel: every "Text here" removed, then at
// most the first 250 characters kept.
inline const QString TextPlaceholder = QStringLiteral("Text here");
constexpr int MaxTypedTextLength = 250;
QString typedTextRule(const QString& text);

}  // namespace zelk
