#pragma once
// Process-wide values owned by the main window, under the names the rest of
// the program reads them by. Written on the GUI thread; a worker thread never
// reads them (a batch job copies what it needs when it starts).
#include "dialogs/DialogGlobals.h"

#include <QImage>
#include <QString>

class SKTWindowController;

// ---- The main window ----
// The one main window; every other window reaches it through this.
extern SKTWindowController* Main_App_wnd;

// ---- The design being edited ----
// StartMode of the design: "T" template, "W" wizard, "L" design file,
// "V" visitor, "G" group list.
extern QString Start_Card_Option;
// Current side: 0 front, 1 back.
extern int Card_Front_Or_Back;
// "1" one-sided card, "2" two-sided.
extern QString CARD_SIDE_STR;
// Card outline: 0 rectangle, 1 rounded rectangle, 2 oval.
extern int Card_Shape;
// Path of the design file on screen; "" while untitled.
extern QString Project_File_Name;

// ---- Excel binding ----
// The design is bound to a workbook; its path ("" for none).
extern bool Excel_Binding_Use;
extern QString Excel_Source_Path;
// Production takes card values from the Excel table's rows.
extern bool Use_Excel_Binding_Values;

// ---- Drawing and inspector state ----
// Set while a batch assigns per-card values: Refresh_Canvas draws nothing.
extern bool Card_Value_In_Process;
// Set while the program itself fills the inspector's controls, so that their
// change actions write nothing back. 1 at start-up.
extern bool Not_Draw_Only_Prop_Change;
// Unit of the lengths shown: 0 inch, 1 cm, 2 mm (2 at start-up).
extern int Measument_Unit_Is;
// Family of the default font of new texts.
extern QString Text_Ctrl_Font;
// The barcode picture last produced.
extern QImage Barcode_output_image;

// ---- Card holder profile and templates ----
// A card-holder profile has been confirmed for this design.
extern bool Fill_User_Profile;
extern QString Selected_Template_Path;
extern QString Sel_Template_Category;
extern QString User_Defined_File;
extern QString export_template_name;

// ---- Invitation inputs ("" at start) ----
extern QString Invite_Title;
extern QString Invite_To;
extern QString Invite_Message;
extern QString Invite_Date;
extern QString Invite_Time;
extern QString Invite_Venue;
extern QString Invite_From;
extern QString Invite_Frame_Pic_IMG;
extern QString Invite_Frame_IMG;

// ---- Production runs (print, export, mail) ----
// Sides to export: "F", "B" or "BOTH".
extern QString export_card_side;
// 0-based first card and 1-based last card (inclusive) of the range.
extern int Print_Start;
extern int Print_End;
// The keep-or-replace answer and its "apply to all" start state are the
// box's own: dialogs/DialogGlobals.h.
// 0 at the start of an export run, 1 once any file was written.
extern int check_any_card_exported;
// The last progress count text ("%d / %d").
extern QString curr_msg_count_str;
// What the after-export box shows and opens: the exported file or folder,
// the back side's file of a two-sided export ("" for none), and the message.
extern QString Export_File_Path;
extern QString Export_Back_File_Path;
extern QString Export_File_Message;

// ---- Outgoing mail ----
// The sending settings of the mail windows, copied from the mail settings
// file by SKTWindowController::Get_Email_Details and written nowhere else.
// send_enable_ssl is "Y" (SSL) or "N" (TLS); "" when not set.
extern QString sender_email;
extern QString sender_pwd;
extern QString sending_server;
extern QString sending_port;
extern QString send_enable_ssl;

// ---- Camera ----
// Folder of camera pictures, the picture path and the number of the next one.
extern QString Camera_Folder_Path;
extern QString Camera_Capture_Image;
extern int Camera_Capture_Count;

// ---- The photo being edited (cropping tool, camera, visitor log) ----
extern bool IMG_Flip_H;
extern bool IMG_Flip_V;
extern bool IMG_gray_Scale;
extern bool IMG_Sepia;
extern bool IMG_invert_clr;
extern float IMG_rotate_image;
extern float IMG_srp_val;
extern float IMG_ev_val;
extern float IMG_blr_val;
extern float IMG_sat_val;
extern float IMG_brt_val;
extern float IMG_con_val;
extern float IMG_hue_val;
extern float IMG_trnsp_val;

namespace zelk {

// Puts every value above back to its start-up state (Main_App_wnd apart).
void resetAppGlobals();
// Only the values that describe the design on screen (a new design): the
// unit, fonts and production settings of the run stay. The profile and
// invitation-frame settings are SKTWindowController::New_Project_Setting_Reset's.
void resetDesignGlobals();

}  // namespace zelk
