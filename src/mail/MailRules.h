#pragma once
// The rules the mail windows share: the address check, the recipient list,
// the pause text and the texts the user is told.
#include <QString>
#include <QStringList>

#include <optional>

namespace zelk::mail {

// Trimmed, at least 6 characters, exactly one "@" and at least one "."
// anywhere; nothing else is checked.
bool isValidEmail(const QString& text);

// The recipients of a typed list: lower-cased, split at ",", each part
// trimmed. Empty parts are ignored; any other part that fails the address
// check refuses the list, as does a list with no address. nullopt when
// refused.
std::optional<QStringList> recipientList(const QString& typed);

// Send's check of the addresses, in this order: a sender (else
// settingsMessage), a recipient typed (else noRecipientMessage), a list
// recipientList accepts (else invalidRecipientMessage). The recipients, or
// nullopt with the message to show in *refusal.
std::optional<QStringList> sendRecipients(const QString& sender, const QString& typed, QString* refusal);

// "Pausing the process for ..." of a pause of `ms` milliseconds.
QString pauseText(qint64 ms);

// "%d of %d e-mails were not sent." before `failure`, or `failure` alone
// when nothing was planned.
QString unsentMessage(int unsent, int planned, const QString& failure);

// The closing message of a run that Stop ended with no failed send: what
// was not sent, and no word on the settings, which are not at fault.
QString stoppedMessage(int unsent, int planned);

// The path of the mail script: Resource_Path/"pyth_mail.py".
QString scriptPath();

extern const QString settingsMessage;         // no sender
extern const QString noRecipientMessage;      // "Please specify the Recipient E-mail address."
extern const QString invalidRecipientMessage; // "Recipient E-mail address is invalid or incomplete."
extern const QString sentMessage;             // "E-mail has been sent successfully."
extern const QString cardMailFailedMessage;   // the Mail window's failure
extern const QString notSentMessage;          // the other windows' failure

}  // namespace zelk::mail
