#pragma once
// The stop request (Stop_SMS_Sending_Now) and the keep-or-replace answer
// (replace_keep_file_flag) belong to the run that was told them: an export,
// crop or mailing job holds a RunScope for as long as it lives. Both start
// cleared with the first run and are cleared again when the last one ends,
// so a Stop, a cancel all or an "apply to all" answer never outlives its
// run, and a save made outside any run does not read them.
#include <atomic>

namespace zelk {

class RunScope {
public:
    RunScope();
    ~RunScope();
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

    // True while a run lasts (from any thread).
    static bool underWay();

private:
    static std::atomic<int> runs_;
};

}  // namespace zelk
