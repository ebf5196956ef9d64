#include "CupsServer.h"

#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <QUrl>

namespace zelk::test {

namespace {

void writeText(const QString& path, const QString& text) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(text.toUtf8());
}

}  // namespace

CupsServer::CupsServer() : dir_(QDir::temp().filePath(QStringLiteral("zelk-cups-XXXXXX"))) {
    socket_ = testCupsSocket();
    qputenv("CUPS_SERVER", QFile::encodeName(socket_));
    const QDir d(dir_.path());
    // The filters run as lp: the folders must be open to them.
    QFile::setPermissions(dir_.path(), QFileDevice::Permissions(0x7755));
    for (const char* sub : {"root", "spool", "cache", "state", "log", "out"})
        d.mkpath(QLatin1String(sub));
    writeText(d.filePath("root/cups-files.conf"),
              QStringLiteral("ServerRoot %1/root\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                             "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                             "DocumentRoot /usr/share/cups/doc-root\nAccessLog %1/log/access_log\n"
                             "ErrorLog %1/log/error_log\nPageLog %1/log/page_log\nPrintcap %1/printcap\n"
                             "FileDevice Yes\nSystemGroup root\nUser lp\nGroup lp\nSandboxing Relaxed\n")
                  .arg(dir_.path()));
    writeText(d.filePath("root/cupsd.conf"),
              QStringLiteral("Listen %1\nLogLevel info\nBrowsing No\nWebInterface No\nJobRetryLimit 0\n"
                             "<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                             "<Policy default>\n<Limit All>\nOrder allow,deny\nAllow all\n</Limit>\n</Policy>\n")
                  .arg(socket_));
    QFile::remove(socket_);
    cupsd_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    cupsd_.start(QStringLiteral("/usr/sbin/cupsd"),
                 {"-f", "-c", d.filePath("root/cupsd.conf"), "-s", d.filePath("root/cups-files.conf")});
    if (!cupsd_.waitForStarted(5000))
        return;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000) {
        if (runTool(QStringLiteral("lpstat"), {"-r"}, {}, 5000).out.contains("scheduler is running")) {
            running_ = true;
            return;
        }
        QThread::msleep(100);
    }
}

CupsServer::~CupsServer() {
    if (cupsd_.state() != QProcess::NotRunning) {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(5000)) {
            cupsd_.kill();
            cupsd_.waitForFinished(5000);
        }
    }
    QFile::remove(socket_);
}

bool CupsServer::addQueue(const QString& name, const QString& model) {
    const ToolResult r = runTool(QStringLiteral("lpadmin"),
                                 {"-p", name, "-E", "-v", QStringLiteral("file://") + outputOf(name), "-m", model}, {},
                                 30000);
    if (r.exitCode != 0)
        qWarning("lpadmin: %s", r.err.constData());
    return r.exitCode == 0;
}

QString CupsServer::outputOf(const QString& name) const {
    return QDir(dir_.path()).filePath(QStringLiteral("out/%1.out").arg(name));
}

bool CupsServer::waitForJobs(int timeoutMs) const {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        const ToolResult r = runTool(QStringLiteral("lpstat"), {"-o"}, {}, 5000);
        if (r.exitCode == 0 && r.out.trimmed().isEmpty())
            return true;
        QThread::msleep(200);
    }
    return false;
}

int CupsServer::lastJob(const QString& queue) const {
    const ToolResult r = runTool(QStringLiteral("lpstat"), {"-W", "all", "-o", queue}, {}, 5000);
    int last = -1;
    const QRegularExpression id(QStringLiteral("^%1-(\\d+)\\s").arg(QRegularExpression::escape(queue)),
                                QRegularExpression::MultilineOption);
    for (auto it = id.globalMatch(QString::fromUtf8(r.out)); it.hasNext();)
        last = std::max(last, it.next().captured(1).toInt());
    return last;
}

QString CupsServer::jobAttribute(const QString& queue, int job, const QString& attribute) const {
    const QString test = QDir(dir_.path()).filePath(QStringLiteral("get-job.test"));
    writeText(test, QStringLiteral("{\n OPERATION Get-Job-Attributes\n GROUP operation-attributes-tag\n"
                                   " ATTR charset attributes-charset utf-8\n"
                                   " ATTR naturalLanguage attributes-natural-language en\n"
                                   " ATTR uri printer-uri $uri\n ATTR integer job-id %1\n"
                                   " ATTR name requesting-user-name root\n"
                                   " ATTR keyword requested-attributes all\n STATUS successful-ok\n DISPLAY %2\n}\n")
                        .arg(job)
                        .arg(attribute));
    const QString host = QString::fromLatin1(QUrl::toPercentEncoding(socket_));
    const ToolResult r = runTool(QStringLiteral("ipptool"),
                                 {"-T", "10", QStringLiteral("ipp://%1/printers/%2").arg(host, queue), test}, {},
                                 20000);
    // The value is the last line of the table ipptool prints.
    const QStringList lines = QString::fromUtf8(r.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last().trimmed();
}

QString CupsServer::log() const {
    return QString::fromUtf8(fileBytes(QDir(dir_.path()).filePath(QStringLiteral("log/error_log")))).right(3000);
}

}  // namespace zelk::test
