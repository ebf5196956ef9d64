#include "mail/MailRules.h"

#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"

#include <QDir>

namespace zelk::mail {

const QString settingsMessage = QStringLiteral(
    "Please make sure that:\n1.Entered E-mail Settings are correct.\n2.Internet Connectivity to E-mail server is not "
    "interrupted and E-mail server is not down.\n3.Your firewall or security software(if any) is not blocking the "
    "software to communicate with your E-mail server.");
const QString noRecipientMessage = QStringLiteral("Please specify the Recipient E-mail address.");
const QString invalidRecipientMessage = QStringLiteral("Recipient E-mail address is invalid or incomplete.");
const QString sentMessage = QStringLiteral("E-mail has been sent successfully.");
namespace {
const QString makeSure = QStringLiteral(
    "Please make sure that:\n1. Entered E-mail settings are correct.\n2. Internet connectivity to E-mail server is not "
    "interrupted and E-mail server is not down.\n3. Your Firewall or Security software (if any) is not blocking the "
    "software to communicate with your E-mail server.");
}
const QString cardMailFailedMessage = QStringLiteral("Could not send email message.\n") + makeSure;
const QString notSentMessage = makeSure + QStringLiteral("\n\nCould not send email.");

bool isValidEmail(const QString& text) {
    const QString t = Trim_Str(text);
    if (t.size() < 6)
        return false;
    if (t.count(QLatin1Char('@')) != 1)
        return false;
    return t.contains(QLatin1Char('.'));
}

std::optional<QStringList> recipientList(const QString& typed) {
    QStringList list;
    for (const QString& part : typed.toLower().split(QLatin1Char(','))) {
        const QString address = Trim_Str(part);
        if (address.isEmpty())
            continue;
        if (!isValidEmail(address))
            return std::nullopt;
        list << address;
    }
    if (list.isEmpty())
        return std::nullopt;
    return list;
}

std::optional<QStringList> sendRecipients(const QString& sender, const QString& typed, QString* refusal) {
    if (sender.isEmpty()) {
        *refusal = settingsMessage;
        return std::nullopt;
    }
    if (Trim_Str(typed).isEmpty()) {
        *refusal = noRecipientMessage;
        return std::nullopt;
    }
    std::optional<QStringList> recipients = recipientList(typed);
    if (!recipients)
        *refusal = invalidRecipientMessage;
    return recipients;
}

QString pauseText(qint64 ms) {
    const qint64 s = ms / 1000, h = s / 3600, m = (s % 3600) / 60, r = s % 60;
    const QString hours = QString::fromLatin1(h < 2 ? "%1 Hour " : "%1 Hours ").arg(h);
    const QString minutes = QString::fromLatin1(m < 2 ? "%1 Minute " : "%1 Minutes ").arg(m);
    const QString seconds = QString::fromLatin1(r < 2 ? "%1 Second." : "%1 Seconds.").arg(r);
    QString text = QStringLiteral("Pausing the process for ");
    if (h >= 1)
        return text + hours + minutes + seconds;
    if (m == 0)
        return text + seconds;
    return text + minutes + seconds;
}

QString unsentMessage(int unsent, int planned, const QString& failure) {
    if (planned <= 0)
        return failure;
    return QStringLiteral("%1 of %2 e-mails were not sent.\n\n").arg(unsent).arg(planned) + failure;
}

QString stoppedMessage(int unsent, int planned) {
    return QStringLiteral("Sending was stopped.\n\n%1 of %2 e-mails were not sent.").arg(unsent).arg(planned);
}

QString scriptPath() {
    return QDir(Resource_Path).filePath(QStringLiteral("pyth_mail.py"));
}

}  // namespace zelk::mail
