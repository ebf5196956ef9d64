#pragma once
// Process-wide values of the shared small windows, under the names the rest
// of the program reads them by.
#include <QString>
#include <atomic>

// Keep-or-replace answer: 0 replace, 1 keep both, 2 replace all, 3 keep all,
// 4 cancel, 5 cancel all. Export workers and the GUI thread both write and read it.
extern std::atomic<int> replace_keep_file_flag;
// Starting state of the "apply to all" check box of the keep-or-replace box.
extern bool Msg_Apply_All_Chk;
// Title and text of the next long-text box (Long_SMS_Dlg), set by its
// caller just before opening it.
extern QString Cutom_Msg_Title;
extern QString Cutom_Msg_Val;
