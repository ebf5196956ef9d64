#include "dialogs/RunScope.h"

#include "dialogs/DialogGlobals.h"
#include "dialogs/Replcae_Confirm_Box.h"

namespace zelk {

namespace {

void clearRunState() {
    Stop_SMS_Sending_Now = false;
    replace_keep_file_flag = 0;
}

}  // namespace

std::atomic<int> RunScope::runs_{0};

RunScope::RunScope() {
    if (runs_.fetch_add(1) == 0)
        clearRunState();
}

RunScope::~RunScope() {
    if (runs_.fetch_sub(1) == 1)
        clearRunState();
}

bool RunScope::underWay() { return runs_.load() > 0; }

}  // namespace zelk
