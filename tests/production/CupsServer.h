#pragma once
// A CUPS scheduler of the test's own: configured in a temporary folder (file
// devices allowed), listening on a socket that CUPS_SERVER names, stopped
// when the object goes. The system's scheduler is never touched. Each
// process uses one socket path, as the CUPS library keeps the first server
// it is given.
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace zelk::test {

class CupsServer {
public:
    CupsServer();
    ~CupsServer();
    CupsServer(const CupsServer&) = delete;
    CupsServer& operator=(const CupsServer&) = delete;

    bool running() const { return running_; }
    // A queue on a driver (an lpadmin model) whose jobs are written to
    // outputOf(name).
    bool addQueue(const QString& name, const QString& model);
    QString outputOf(const QString& name) const;
    // Waits until no job is pending; false after the timeout.
    bool waitForJobs(int timeoutMs = 60000) const;
    // The number of the queue's last job, and one attribute of a job as
    // ipptool reads it (Get-Job-Attributes).
    int lastJob(const QString& queue) const;
    QString jobAttribute(const QString& queue, int job, const QString& attribute) const;
    // The scheduler's log, for failure messages.
    QString log() const;

private:
    QTemporaryDir dir_;  // a path without blanks: it goes into device URIs
    QProcess cupsd_;
    QString socket_;
    bool running_ = false;
};

}  // namespace zelk::test
