#include "dialogs/DialogGlobals.h"

std::atomic<int> replace_keep_file_flag{0};
bool Msg_Apply_All_Chk = false;
QString Cutom_Msg_Title;
QString Cutom_Msg_Val;
