// Stand-ins until the alignment, units and size-change commands of the main
// window arrive; removed when they do.
#include "mainwindow/SKTWindowController.h"

void SKTWindowController::Align_Center_Clicked() {}
void SKTWindowController::Align_Left_Clicked() {}
void SKTWindowController::Align_Right_Clicked() {}
void SKTWindowController::Align_Top_Clicked() {}
void SKTWindowController::Align_Bottom_Clicked() {}
void SKTWindowController::Align_Horz_Clicked() {}
void SKTWindowController::Align_Vert_Clicked() {}
void SKTWindowController::Make_Same_Width_Clicked() {}
void SKTWindowController::Make_Same_Height_Clicked() {}
void SKTWindowController::Make_Fit_To_Label_Clicked() {}
void SKTWindowController::Make_Natural_Clicked() {}
void SKTWindowController::Align_To_Grid_Clicked() {}
void SKTWindowController::Frame_main_Pic_X_Pos_Changed() {}
void SKTWindowController::Frame_main_Pic_Y_Pos_Changed() {}
void SKTWindowController::Frame_main_Pic_Wdith_Changed() {}
void SKTWindowController::Frame_main_Pic_Height_Changed() {}
void SKTWindowController::Card_Control_Size_Change_or_not() {}
