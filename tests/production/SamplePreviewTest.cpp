// The print window's sheet preview: a placeholder label in every cell of
// one sheet, the turned ones upside down, outlines by the card shape and
// black crop marks.
#include "production/Sample_Preview.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace zelk;

namespace {

constexpr double Scale = 2.0;  // pixels per point

// Cells of 100 x 60 points from (30, 30), 10 points apart.
PrintJobSettings sheet(const QString& side, const QString& algn, int rows, int cols) {
    PrintJobSettings s;
    s.paper = QSizeF(595, 842);
    s.Left_Mar = s.Top_Mar = 30;
    s.Print_Card_Side = side;
    s.Print_Card_Algn = algn;
    s.Print_Row = rows;
    s.Print_Col = cols;
    s.label_width = 100;
    s.label_hight = algn == QLatin1String("UD") && side == QLatin1String("BOTH") ? 130 : 60;
    s.side_mar = 10;
    s.horz_mar = s.vert_mar = 10;
    s.Show_margin_rect = false;
    return s;
}

struct Ink {
    int grey = 0, red = 0;
    double meanY = 0;  // of the grey ink, points
};

// The label ink inside a rectangle of the sheet (points from the top left).
Ink inkIn(const QImage& img, const QRectF& r) {
    Ink ink;
    double sumY = 0;
    for (int y = int(r.top() * Scale) + 2; y < int(r.bottom() * Scale) - 2; ++y)
        for (int x = int(r.left() * Scale) + 2; x < int(r.right() * Scale) - 2; ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 100)
                ++ink.red;
            else if (c.red() < 200 && std::abs(c.red() - c.blue()) < 10) {
                ++ink.grey;
                sumY += y / Scale;
            }
        }
    ink.meanY = ink.grey ? sumY / ink.grey : 0;
    return ink;
}

}  // namespace

TEST(SamplePreview, LabelsInEveryCell) {
    // 2 x 3 fronts: six grey labels.
    const QImage fronts = Sample_Preview(sheet("F", "UD", 2, 3), true).imageRepresentation(Scale);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col) {
            const Ink ink = inkIn(fronts, QRectF(30 + col * 110, 30 + row * 70, 100, 60));
            EXPECT_GT(ink.grey, 100) << row << "," << col;
            EXPECT_EQ(ink.red, 0);
        }
    // Without the design's front image every cell says "Invalid Data" in red.
    const QImage invalid = Sample_Preview(sheet("F", "UD", 1, 2), false).imageRepresentation(Scale);
    EXPECT_GT(inkIn(invalid, QRectF(140, 30, 100, 60)).red, 100);

    // UD: the front label centred in its card, the back label turned, above
    // the middle of its card.
    const QImage ud = Sample_Preview(sheet("BOTH", "UD", 1, 1), true).imageRepresentation(Scale);
    const Ink front = inkIn(ud, QRectF(30, 30, 100, 60));
    const Ink back = inkIn(ud, QRectF(30, 100, 100, 60));
    EXPECT_NEAR(front.meanY, 60, 3);
    EXPECT_LT(back.meanY, 128);
    EXPECT_GT(back.grey, 100);
    // Duplex arrangements show the fronts only.
    const QImage du = Sample_Preview(sheet("BOTH", "DU", 1, 1), true).imageRepresentation(Scale);
    EXPECT_GT(inkIn(du, QRectF(30, 30, 100, 60)).grey, 100);
}

TEST(SamplePreview, OutlinesAndCropMarks) {
    // Centred, the card lies at (262.5, 406) - (362.5, 466), away from the
    // printable area's outline.
    PrintJobSettings s = sheet("F", "UD", 1, 1);
    s.label_align_val = 5;
    s.Enable_Crop_Marks = true;
    auto dark = [](const QImage& img, double x, double y) { return img.pixelColor(int(x * Scale), int(y * Scale)).red() < 200; };
    const QImage marksOnly = Sample_Preview(s, true).imageRepresentation(Scale);
    EXPECT_TRUE(dark(marksOnly, 252.5, 406));   // the mark left of the top-left corner
    EXPECT_FALSE(dark(marksOnly, 312.5, 406));  // no outline along the top edge
    s.Enable_Crop_Marks = false;
    s.Show_margin_rect = true;
    s.Card_Shape = 2;
    const QImage oval = Sample_Preview(s, true).imageRepresentation(Scale);
    EXPECT_TRUE(dark(oval, 312.5, 406));  // the oval touches the top edge's middle
    EXPECT_FALSE(dark(oval, 264, 408));   // but not the corner
    EXPECT_FALSE(dark(oval, 252.5, 406));
}
