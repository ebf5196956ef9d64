#pragma once
// The sheet preview of the print window: one full sheet of Print_Row x
// Print_Col cells laid out exactly as the printed page lays them out, with a
// labelled placeholder ("Front n", "Back n") for every card, the paper's
// edge, its printable area, the card outlines and the crop marks the
// settings ask for. No card images, data or run: only the layout.
#include "production/PrintJobSettings.h"
#include "production/SheetGeometry.h"

#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QString>

class QPainter;

class Sample_Preview {
public:
    // hasFrontImage: the print window has the design's front image; without
    // it every cell says "Invalid Data".
    Sample_Preview(const zelk::PrintJobSettings& settings, bool hasFrontImage);

    // The sheet into a painter whose coordinates are points from the paper's
    // top-left corner.
    void drawRect(QPainter& painter) const;
    // A placeholder label in the rectangle (sheet coordinates, y up): "Front"
    // and "Back" become "Front n" / "Back n" in grey, n the cell number from
    // 1 in row-major order; any other text stays as it is, in red.
    void Draw_Label_String(QPainter& painter, const QRectF& rect, const QString& str_val, int row, int col) const;
    // The outline (by Card_Shape, when Show_margin_rect) and the crop marks.
    void Draw_Margin_rect(QPainter& painter, const QRectF& card) const;
    void Draw_Line(QPainter& painter, const QLineF& line) const;

    // The sheet as an image of the paper's size, `pixelsPerPoint` pixels to
    // the point; a null image for a paper without area.
    QImage imageRepresentation(double pixelsPerPoint = 1.0) const;

private:
    zelk::PrintJobSettings s_;
    zelk::SheetGeometry geometry_;
    bool hasFrontImage_;
};
