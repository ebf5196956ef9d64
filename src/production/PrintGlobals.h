#pragma once
// Process-wide print settings, under the names the rest of the program reads
// them by. The print window and the sheet layout write them on the GUI
// thread; a print job copies them when it starts (zelk::PrintJobSettings)
// and no worker reads them. Lengths are points, counts at least 1.
#include "dialogs/PrintInfo.h"
// Mirror_Image_Create and Mirror_Vertical_Not_Horz, the print window's too.
#include "production/ProductionGlobals.h"

#include <QString>

class Print_Wnd;


// ---- The sheet ----
extern int Print_Row;
extern int Print_Col;
// Card images of the run (doubled for duplex), and the same value kept for
// the page view.
extern int Total_Label;
extern int Total_Label_Real;
// "BOTH", "F" or "B".
extern QString Print_Card_Side;
// Both sides: "UD", "U", "L", "DU", "DD"; one side: "U", "D".
extern QString Print_Card_Algn;
extern QString Print_One_Card_Algn;
extern bool Duplex_Printing;
extern bool Fit_Picture_To_Frame;
extern bool Enable_Crop_Marks;
// The window's sheet preview outlines each card.
extern bool Show_margin_rect;
extern bool auto_center_flag;
// Grid position 1-9: rows top, middle, bottom by columns left, centre, right.
extern int label_align_val;
// The printer's unprintable edges of the paper.
extern float Left_Mar;
extern float Rite_Mar;
extern float Top_Mar;
extern float Bot_Mar;
// Gaps between cells, between the two sides in a cell, and the cell.
extern float horz_mar;
extern float vert_mar;
extern float side_mar;
extern float label_width;
extern float label_hight;
// Set while the program fills the print window: no layout, no preview.
extern bool loading;
// The page view prints a visitor pass instead of card sheets.
extern bool draw_printing_or_visitor_pass;

// ---- Print profiles ----
extern QString custom_profile_Printer;
extern QString custom_print_profile_name;

// The print window, for the page views.
extern Print_Wnd* Print_Var;

namespace zelk {

// Every value above back to its start-up state (printInfo apart).
void resetPrintGlobals();

}  // namespace zelk
