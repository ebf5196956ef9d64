#include "platform/MailScript.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <atomic>

namespace zelk {

namespace {
std::atomic<int> timeout{5 * 60 * 1000};
}

int MailScript::timeoutMs() { return timeout.load(); }
void MailScript::setTimeoutMs(int ms) { timeout.store(ms); }

QStringList MailScript::arguments(const QString& scriptPath, const MailMessage& m) {
    // Any flag but "Y" is STARTTLS, so the attachments never move up a
    // place when no flag was ever saved.
    const QString ssl = m.enable_ssl == QLatin1String("Y") ? QStringLiteral("Y") : QStringLiteral("N");
    QStringList args{scriptPath, m.withSender, m.withSMTP, m.withPort, m.withSender,
                     m.toAddress, m.withSubject, m.withBody, ssl};
    args += m.Attachments;
    return args;
}

QByteArray MailScript::standardInput(const MailMessage& m) {
    return m.withPwd.toUtf8() + QByteArrayLiteral("\nDescription");
}

bool MailScript::sendEmail_pyth(const QString& scriptPath, const MailMessage& m,
                                const std::function<bool()>& stopRequested) {
    if (!QFileInfo(scriptPath).isFile() || !QFileInfo(QString::fromLatin1(interpreter)).isExecutable())
        return false;
    QProcessEnvironment env;
    env.insert(QStringLiteral("PYTHONPATH"), QString());
    env.insert(QStringLiteral("PATH"), QStringLiteral("/bin:/usr/bin:/usr/local/bin"));
    // The one variable passed on: a certificate bundle the user (or a test)
    // chose for the whole program.
    const QString certs = qEnvironmentVariable("SSL_CERT_FILE");
    if (!certs.isEmpty())
        env.insert(QStringLiteral("SSL_CERT_FILE"), certs);

    QProcess task;
    task.setProcessEnvironment(env);
    task.setProcessChannelMode(QProcess::ForwardedChannels);
    task.start(QString::fromLatin1(interpreter), arguments(scriptPath, m));
    if (!task.waitForStarted(30000))
        return false;
    task.write(standardInput(m));
    task.closeWriteChannel();

    const QDeadlineTimer deadline(timeoutMs());
    while (!task.waitForFinished(100)) {
        if (task.state() == QProcess::NotRunning)
            break;
        if (deadline.hasExpired() || (stopRequested && stopRequested())) {
            task.kill();
            task.waitForFinished(5000);
            return false;
        }
    }
    return task.exitStatus() == QProcess::NormalExit && task.exitCode() == 0;
}

}  // namespace zelk
