#include "production/PrintJobSettings.h"

#include "mainwindow/AppGlobals.h"
#include "production/PrintGlobals.h"

#include <algorithm>

namespace zelk {

PrintJobSettings PrintJobSettings::fromGlobals(bool useData, int dataCards) {
    PrintJobSettings s;
    s.paper = printInfo.paperSize();
    s.Left_Mar = ::Left_Mar;
    s.Rite_Mar = ::Rite_Mar;
    s.Top_Mar = ::Top_Mar;
    s.Bot_Mar = ::Bot_Mar;
    s.Print_Row = std::max(::Print_Row, 1);
    s.Print_Col = std::max(::Print_Col, 1);
    s.Total_Label = ::Total_Label_Real;
    s.Print_Start = ::Print_Start;
    s.label_width = ::label_width;
    s.label_hight = ::label_hight;
    s.horz_mar = ::horz_mar;
    s.vert_mar = ::vert_mar;
    s.side_mar = ::side_mar;
    s.auto_center_flag = ::auto_center_flag;
    s.label_align_val = ::label_align_val;
    s.Print_Card_Side = ::Print_Card_Side;
    s.Print_Card_Algn = ::Print_Card_Algn;
    s.Print_One_Card_Algn = ::Print_One_Card_Algn;
    s.Duplex_Printing = ::Duplex_Printing;
    s.Enable_Crop_Marks = ::Enable_Crop_Marks;
    s.Show_margin_rect = ::Show_margin_rect;
    s.Mirror_Image_Create = ::Mirror_Image_Create;
    s.Mirror_Vertical_Not_Horz = ::Mirror_Vertical_Not_Horz;
    s.Fit_Picture_To_Frame = ::Fit_Picture_To_Frame;
    s.CARD_SIDE_STR = ::CARD_SIDE_STR;
    s.Card_Shape = ::Card_Shape;
    s.useData = useData;
    s.dataCards = dataCards;
    s.preview = printInfo.jobDisposition == PrintInfo::Disposition::Preview;
    return s;
}

}  // namespace zelk
