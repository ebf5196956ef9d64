#include "production/PrintGlobals.h"

int Print_Row = 1;
int Print_Col = 1;
int Total_Label = 1;
int Total_Label_Real = 1;
QString Print_Card_Side = QStringLiteral("BOTH");
QString Print_Card_Algn = QStringLiteral("UD");
QString Print_One_Card_Algn = QStringLiteral("U");
bool Duplex_Printing = false;
bool Fit_Picture_To_Frame = false;
bool Enable_Crop_Marks = false;
bool Show_margin_rect = true;
bool auto_center_flag = false;
int label_align_val = 1;
float Left_Mar = 0;
float Rite_Mar = 0;
float Top_Mar = 0;
float Bot_Mar = 0;
float horz_mar = 0;
float vert_mar = 0;
float side_mar = 0;
float label_width = 0;
float label_hight = 0;
bool loading = false;
bool draw_printing_or_visitor_pass = false;

QString custom_profile_Printer;
QString custom_print_profile_name;

Print_Wnd* Print_Var = nullptr;

namespace zelk {

void resetPrintGlobals() {
    Print_Row = Print_Col = 1;
    Total_Label = Total_Label_Real = 1;
    Print_Card_Side = QStringLiteral("BOTH");
    Print_Card_Algn = QStringLiteral("UD");
    Print_One_Card_Algn = QStringLiteral("U");
    Duplex_Printing = Fit_Picture_To_Frame = Enable_Crop_Marks = false;
    Show_margin_rect = true;
    auto_center_flag = false;
    label_align_val = 1;
    Left_Mar = Rite_Mar = Top_Mar = Bot_Mar = 0;
    horz_mar = vert_mar = side_mar = 0;
    label_width = label_hight = 0;
    loading = draw_printing_or_visitor_pass = false;
    custom_profile_Printer.clear();
    custom_print_profile_name.clear();
}

}  // namespace zelk
