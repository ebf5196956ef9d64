#pragma once
// An SMTP server of the test's own on 127.0.0.1 (python3-aiosmtpd, run by
// Debian's Python from tests/mail/smtp_server.py) with a self-signed
// certificate made by openssl for 127.0.0.1. The mail script is told to
// trust it through SSL_CERT_FILE. Stopped when the object goes.
#include "TestSupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zelk::test {

// The certificate and key of this process, made once.
struct TestCertificate {
    QString cert, key;
    static const TestCertificate& get() {
        static QTemporaryDir dir;
        static TestCertificate c = [] {
            TestCertificate t{dir.filePath(QStringLiteral("cert.pem")), dir.filePath(QStringLiteral("key.pem"))};
            const ToolResult r = runTool(
                QStringLiteral("openssl"),
                {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", t.key, "-out", t.cert, "-days", "2",
                 "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"});
            EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
            return t;
        }();
        return c;
    }
};

struct ReceivedMail {
    QStringList rcpt_tos;
    QString from, to, subject, body;
    bool tls = false;
    QStringList attachments;  // names, in the message's order
    QStringList files;        // their bytes, saved by the server, same order
};

class SmtpServer {
public:
    // "starttls", "implicit", "plain" (no STARTTLS) or "silent"; each
    // message is held `delaySeconds` before the server accepts it.
    explicit SmtpServer(const QString& mode, const QString& password = QStringLiteral("secret"),
                        double delaySeconds = 0) {
        const TestCertificate& c = TestCertificate::get();
        server_.setProcessChannelMode(QProcess::SeparateChannels);
        server_.start(debianPython(), {sourceDir() + QStringLiteral("/tests/mail/smtp_server.py"), mode,
                                       out_.path(), c.cert, c.key, password, QString::number(delaySeconds)});
        if (!server_.waitForStarted(30000))
            return;
        while (!server_.canReadLine() && server_.waitForReadyRead(30000)) {
        }
        const QString line = QString::fromUtf8(server_.readLine()).trimmed();
        if (line.startsWith(QLatin1String("READY ")))
            port_ = line.mid(6).toInt();
        EXPECT_GT(port_, 0) << "server: " << server_.readAllStandardError().toStdString();
    }
    ~SmtpServer() {
        server_.closeWriteChannel();
        if (!server_.waitForFinished(10000)) {
            server_.kill();
            server_.waitForFinished();
        }
    }
    QString port() const { return QString::number(port_); }

    // Every message accepted, in the order of arrival.
    QList<ReceivedMail> mails() const {
        QList<ReceivedMail> list;
        const QDir out(out_.path());
        for (const QString& folder : out.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QDir d(out.filePath(folder));
            const QJsonObject o = QJsonDocument::fromJson(fileBytes(d.filePath("meta.json"))).object();
            ReceivedMail m;
            for (const auto& r : o.value("rcpt_tos").toArray())
                m.rcpt_tos << r.toString();
            m.from = o.value("from").toString();
            m.to = o.value("to").toString();
            m.subject = o.value("subject").toString();
            m.body = o.value("body").toString().trimmed();
            m.tls = o.value("tls").toBool();
            const QJsonArray names = o.value("attachments").toArray();
            for (int i = 0; i < names.size(); ++i) {
                m.attachments << names.at(i).toString();
                m.files << d.filePath(QStringLiteral("%1_%2").arg(i + 1).arg(names.at(i).toString()));
            }
            list << m;
        }
        return list;
    }
    // One line per AUTH attempt: mechanism, login, "ok" or "refused".
    QStringList authLog() const {
        return QString::fromUtf8(fileBytes(QDir(out_.path()).filePath("auth.log"))).split('\n', Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir out_;
    QProcess server_;
    int port_ = 0;
};

// The text of a PDF, read by pdftotext.
inline QString pdfText(const QString& path) {
    const ToolResult r = runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    EXPECT_EQ(r.exitCode, 0) << path.toStdString();
    return QString::fromUtf8(r.out);
}

}  // namespace zelk::test
