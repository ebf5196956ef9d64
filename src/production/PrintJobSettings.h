#pragma once
// What one print job reads, copied from the print settings when the job
// starts: a value the page painting and the card production read on worker
// threads while the window's settings may change.
#include <QSizeF>
#include <QString>

namespace zelk {

struct PrintJobSettings {
    // The paper in points and its unprintable edges.
    QSizeF paper;
    float Left_Mar = 0, Rite_Mar = 0, Top_Mar = 0, Bot_Mar = 0;
    int Print_Row = 1;
    int Print_Col = 1;
    // Card images of the run (doubled for duplex) and the first card (0-based).
    int Total_Label = 1;
    int Print_Start = 0;
    float label_width = 0, label_hight = 0;
    float horz_mar = 0, vert_mar = 0, side_mar = 0;
    bool auto_center_flag = false;
    int label_align_val = 1;
    QString Print_Card_Side = QStringLiteral("BOTH");
    QString Print_Card_Algn = QStringLiteral("UD");
    QString Print_One_Card_Algn = QStringLiteral("U");
    bool Duplex_Printing = false;
    bool Enable_Crop_Marks = false;
    bool Show_margin_rect = true;
    bool Mirror_Image_Create = false;
    bool Mirror_Vertical_Not_Horz = false;
    bool Fit_Picture_To_Frame = false;
    QString CARD_SIDE_STR = QStringLiteral("2");
    int Card_Shape = 0;
    // Cards take their values from series or Excel rows; how many the data
    // holds (Total_Batch_Excel_Card).
    bool useData = false;
    int dataCards = 1;
    bool preview = false;

    // The settings of the print globals and the shared print info now, with
    // the batch state given.
    static PrintJobSettings fromGlobals(bool useData, int dataCards);
};

}  // namespace zelk
