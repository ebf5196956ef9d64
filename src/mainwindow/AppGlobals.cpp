#include "mainwindow/AppGlobals.h"

#include "foundation/ProfileFieldTable.h"

SKTWindowController* Main_App_wnd = nullptr;

QString Start_Card_Option;
int Card_Front_Or_Back = 0;
QString CARD_SIDE_STR;
int Card_Shape = 0;
QString Project_File_Name;
bool copy_card_design = false;

bool Excel_Binding_Use = false;
QString Excel_Source_Path;
bool Use_Excel_Binding_Values = false;

bool Card_Value_In_Process = false;
bool Not_Draw_Only_Prop_Change = true;
int Measument_Unit_Is = 2;
int last_unit_val = 2;
QString Text_Ctrl_Font;
QImage Barcode_output_image;

bool Fill_User_Profile = false;
QString Selected_Template_Path;
QString Sel_Template_Category;
QString User_Defined_File;
QString export_template_name;

QString Invite_Title;
QString Invite_To;
QString Invite_Message;
QString Invite_Date;
QString Invite_Time;
QString Invite_Venue;
QString Invite_From;
QString Invite_Frame_Pic_IMG;
QString Invite_Frame_IMG;

QString export_card_side;
int Print_Start = 0;
int Print_End = 0;
int check_any_card_exported = 0;
QString curr_msg_count_str;
QString Export_File_Path;
QString Export_Back_File_Path;
QString Export_File_Message;

QString sender_email;
QString sender_pwd;
QString sending_server;
QString sending_port;
QString send_enable_ssl;

QString Camera_Folder_Path;
QString Camera_Capture_Image;
int Camera_Capture_Count = 1;

bool IMG_Flip_H = false;
bool IMG_Flip_V = false;
bool IMG_gray_Scale = false;
bool IMG_Sepia = false;
bool IMG_invert_clr = false;
float IMG_rotate_image = 0.0f;
float IMG_srp_val = 0.0f;
float IMG_ev_val = 0.0f;
float IMG_blr_val = 0.0f;
float IMG_sat_val = 1.0f;
float IMG_brt_val = 0.0f;
float IMG_con_val = 1.0f;
float IMG_hue_val = 0.0f;
float IMG_trnsp_val = 1.0f;

namespace zelk {

void resetDesignGlobals() {
    // A new design starts as one made from scratch: two-sided, front shown.
    Start_Card_Option = QStringLiteral("W");
    Card_Front_Or_Back = 0;
    CARD_SIDE_STR = QStringLiteral("2");
    Card_Shape = 0;
    Project_File_Name.clear();
    copy_card_design = false;

    Excel_Binding_Use = false;
    Excel_Source_Path.clear();
    Use_Excel_Binding_Values = false;
    Card_Value_In_Process = false;
}

void resetAppGlobals() {
    resetDesignGlobals();
    // The profile captions start with the ID-card texts.
    installIdCardCaptions();
    Not_Draw_Only_Prop_Change = true;
    Measument_Unit_Is = 2;
    last_unit_val = 2;
    Barcode_output_image = QImage();

    Selected_Template_Path.clear();
    Sel_Template_Category.clear();
    User_Defined_File.clear();
    export_template_name.clear();

    Fill_User_Profile = false;
    for (QString* s : {&Invite_Title, &Invite_To, &Invite_Message, &Invite_Date, &Invite_Time,
                       &Invite_Venue, &Invite_From, &Invite_Frame_Pic_IMG, &Invite_Frame_IMG})
        s->clear();

    export_card_side = QStringLiteral("F");
    Print_Start = 0;
    Print_End = 0;
    replace_keep_file_flag = 0;
    Msg_Apply_All_Chk = false;
    check_any_card_exported = 0;
    curr_msg_count_str.clear();
    for (QString* s : {&Export_File_Path, &Export_Back_File_Path, &Export_File_Message, &sender_email,
                       &sender_pwd, &sending_server, &sending_port, &send_enable_ssl})
        s->clear();

    Camera_Capture_Count = 1;
}

}  // namespace zelk
