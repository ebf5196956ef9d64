#pragma once
// The main window over a temporary data folder with the sending settings
// pointed at a test server on 127.0.0.1, the card files' temporary folder
// of the test's own, and the mail script told to trust the test
// certificate.
#include "../production/ProductionTestSupport.h"
#include "SmtpServer.h"

#include "dialogs/Replcae_Confirm_Box.h"
#include "mail/MailRules.h"
#include "mainwindow/AppGlobals.h"
#include "platform/MailScript.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QElapsedTimer>

namespace zelk::test {

class MailTest : public ProductionTest {
protected:
    void SetUp() override {
        ProductionTest::SetUp();
        ASSERT_TRUE(tmp.isValid());
        // Made before the temporary folder changes: it serves every test.
        const QString cert = TestCertificate::get().cert;
        previousTmp_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", tmp.path().toUtf8());
        qputenv("SSL_CERT_FILE", cert.toUtf8());
        MailScript::setTimeoutMs(60000);
        sender_email = QStringLiteral("desk@zelk.test");
        sender_pwd = QStringLiteral("secret");
        sending_server = QStringLiteral("127.0.0.1");
        send_enable_ssl = QStringLiteral("N");
        Stop_SMS_Sending_Now = false;
    }
    void TearDown() override {
        ProductionTest::TearDown();
        qputenv("TMPDIR", previousTmp_);
        qunsetenv("SSL_CERT_FILE");
        for (QString* v : {&sender_email, &sender_pwd, &sending_server, &sending_port, &send_enable_ssl})
            v->clear();
        Stop_SMS_Sending_Now = false;
    }
    void useServer(const SmtpServer& server, const QString& ssl = QStringLiteral("N")) {
        sending_port = server.port();
        send_enable_ssl = ssl;
    }
    // Runs the event loop until `done` holds or the time is up.
    static bool waitUntil(const std::function<bool()>& done, int ms = 30000) {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return done();
    }
    QString lastMessage() const { return sink.shown.isEmpty() ? QString() : sink.shown.last(); }

    QTemporaryDir tmp;  // the run's own temporary folder (TMPDIR)

private:
    QByteArray previousTmp_;
};

}  // namespace zelk::test
