// Lays out the help text (HTML) into the PDF the application ships as
// "Help.pdf". Run at build time: make_help IN.html OUT.pdf
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IN.html OUT.pdf\n", argv[0]);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(in.readAll()));

    const QString outPath = QString::fromLocal8Bit(argv[2]);
    const QString tmpPath = outPath + QStringLiteral(".tmp");
    {
        QPdfWriter pdf(tmpPath);
        pdf.setTitle(QStringLiteral("Zelk ID Card Help"));
        pdf.setCreator(QStringLiteral("Zelk ID Card"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
        doc.print(&pdf);
    }
    QFile::remove(outPath);
    if (!QFile::rename(tmpPath, outPath)) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
