#pragma once
// What a change of the card's preset, category or size does to the design.
//
// Templates that come in two orientations carry an orientation mark at the
// end of their name: "_L" for landscape, "_P" for portrait ("Press_2_L.png"
// and "Press_2_P.png"). On an untouched new design started from such a
// template, turning the card loads the template of the other orientation;
// any other change moves and scales the graphics of both sides with the card.
#include <QList>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>

class SKTGraphic;

class CardSizeChange {
public:
    using Graphics = QList<std::shared_ptr<SKTGraphic>>;

    enum Outcome {
        Unchanged,        // same size, or a size without area
        TemplateSwapped,  // the template of the other orientation was loaded
        GraphicsScaled,   // both sides' graphics follow the new size
    };

    // 'L', 'P', or a null character when the file's base name has no mark.
    static QChar orientationMark(const QString& templatePath);
    // The same path with the other mark ("" without a mark).
    static QString otherOrientationPath(const QString& templatePath);

    // oldSize and newSize: the card before and after the change (any one
    // unit). templatePath: the preview or design path of the template the
    // design was started from ("" for none). untouchedNewDesign: nothing has
    // been changed since it was started. loadTemplate: loads a design file
    // as a template, true on success; on failure the graphics are scaled.
    static Outcome Card_Control_Size_Change_or_not(Graphics& front, Graphics& back, const QSizeF& oldSize,
                                                   const QSizeF& newSize, const QString& templatePath,
                                                   bool untouchedNewDesign,
                                                   const std::function<bool(const QString& designPath)>& loadTemplate);

    // Moves and scales every graphic by newSize / oldSize on each axis
    // (positions and sizes alike); a barcode keeps its size, centred on its
    // scaled box, and is re-fitted there. Nothing for a size without area.
    static void scaleGraphics(Graphics& graphics, const QSizeF& oldSize, const QSizeF& newSize);
};
