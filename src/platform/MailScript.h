#pragma once
// Runs the mail script: the system's Python interpreter on "pyth_mail.py",
// one message to one recipient per call. The script gets the message in its
// arguments and the password on its standard input; its exit status is the
// only answer. The call blocks its thread until the script ends, the
// timeout passes or the stop request is raised (the script is then killed).
#include <QString>
#include <QStringList>

#include <functional>

namespace zelk {

struct MailMessage {
    QString toAddress;
    QString withSubject;
    QStringList Attachments;
    QString withSender;  // also the login
    QString withPwd;
    QString withSMTP;
    QString withPort;
    QString withBody;
    QString enable_ssl;  // "Y" implicit TLS; anything else STARTTLS ("N")
};

class MailScript {
public:
    static constexpr const char* interpreter = "/usr/bin/python3";

    // The script's arguments, in the script's order: its path, sender,
    // server, port, login (the sender), recipient, subject, body, "Y" or
    // "N", then every attachment.
    static QStringList arguments(const QString& scriptPath, const MailMessage& m);
    // What the script reads on its standard input: the password (UTF-8),
    // "\n" and "Description", no final line break.
    static QByteArray standardInput(const MailMessage& m);

    // The longest one message may take, in milliseconds (5 minutes unless
    // set); any thread may read or set it.
    static int timeoutMs();
    static void setTimeoutMs(int ms);

    // Runs the script at `scriptPath` for one message. True only when it
    // exited with status 0; a script or interpreter that cannot start, a
    // timeout and a stop are failures. `stopRequested` is polled while the
    // script runs.
    static bool sendEmail_pyth(const QString& scriptPath, const MailMessage& m,
                               const std::function<bool()>& stopRequested = {});
};

}  // namespace zelk
