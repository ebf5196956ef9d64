#pragma once
// "Are you sure you want to stop?", the question of a run's Stop, and what
// waits for its answer: a run that ends while the question is open closes
// once it is answered, so its closing message never stands over the
// question, nor the question over a finished run. GUI thread only.
#include <QPointer>

#include <functional>
#include <utility>
#include <vector>

namespace zelk {

class StopQuestion {
public:
    // Asks; true on Yes. What waited for the answer runs after it, from the
    // event loop, so the caller acts on the answer first.
    bool ask();
    bool isOpen() const { return open_; }
    // Runs `then` now when no question is open, else once it is answered;
    // not at all once `context` is gone.
    void afterAnswer(QObject* context, std::function<void()> then);

private:
    bool open_ = false;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> waiting_;
};

}  // namespace zelk
