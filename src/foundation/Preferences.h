#pragma once
// The outgoing-mail settings: the property list "com.zelk.idcard.plist" in
// the data folder, one dictionary of strings. A store is a value read from
// the file when it is made; only flush() writes the file. The file holds
// the SMTP password, so it is written readable by its owner alone.
#include <QString>
#include <QVariantMap>

class Preferences {
public:
    static constexpr const char* fileName = "com.zelk.idcard.plist";

    // A new store, read from the file as it is now: every user takes one,
    // uses it at once and drops it, so it always sees the last flush.
    static Preferences sharedInstance();
    // Created_Resource_Path/fileName.
    static QString defaultPath();

    // Reads `path`. A missing file, or one that does not read as a
    // dictionary, gives the defaults and is left as it is.
    explicit Preferences(const QString& path);

    // The five text keys set to "" ("SendEnableSSL" stays absent).
    void setDefaults();
    // Writes the whole dictionary (other keys of the file included) with
    // mode 0600, replacing the file only once the new one is whole. False
    // with the reason in *why.
    bool flush(QString* why = nullptr) const;

    // A read gives the stored string, or a null string when the key is absent.
    QString send_email_enable_ssl() const { return value("SendEnableSSL"); }
    QString send_email_Recipient() const { return value("SendEmailRecipient"); }
    QString send_email_SenderEmail() const { return value("SendEmailSender"); }
    QString send_email_Password() const { return value("SendEmailPwd"); }
    QString send_email_SMTP_server() const { return value("SendEmailSMTP"); }
    QString send_email_PORT_num() const { return value("SendEmailPORT"); }
    void setsend_email_enable_ssl(const QString& v) { setValue("SendEnableSSL", v); }
    void setsend_email_Recipient(const QString& v) { setValue("SendEmailRecipient", v); }
    void setsend_email_SenderEmail(const QString& v) { setValue("SendEmailSender", v); }
    void setsend_email_Password(const QString& v) { setValue("SendEmailPwd", v); }
    void setsend_email_SMTP_server(const QString& v) { setValue("SendEmailSMTP", v); }
    void setsend_email_PORT_num(const QString& v) { setValue("SendEmailPORT", v); }

    const QString& path() const { return mPreferencesPath; }

private:
    QString value(const char* key) const;
    void setValue(const char* key, const QString& v);

    QString mPreferencesPath;
    QVariantMap mDict;
};
