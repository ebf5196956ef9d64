#include "dialogs/StopQuestion.h"

#include "foundation/Utilities.h"

#include <QScopedValueRollback>

bool zelk::StopQuestion::ask() {
    bool yes = false;
    {
        const QScopedValueRollback<bool> open(open_, true);
        yes = Show_YES_NO_MessageBox(QStringLiteral("Are you sure you want to stop?")) == 1;
    }
    if (!open_) {
        for (auto& [context, then] : std::exchange(waiting_, {}))
            if (context)
                QMetaObject::invokeMethod(context, std::move(then), Qt::QueuedConnection);
    }
    return yes;
}

void zelk::StopQuestion::afterAnswer(QObject* context, std::function<void()> then) {
    if (open_)
        waiting_.emplace_back(context, std::move(then));
    else
        then();
}
