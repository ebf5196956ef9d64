// The built help document against the windows it describes: a message or
// field it quotes is the window's own, it gives a window no button of a
// window like it that the window lacks, and it tells a limit as the README
// does.
#include "../mainwindow/MainWindowTestSupport.h"

#include "barcode/Barcode_Gen.h"
#include "datasource/Generate_List.h"
#include "profiles/Show_User_Profile.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>

namespace zelk::test {
namespace {

// The lines of the built Help.pdf from the heading to the next one.
QString helpSection(const QString& heading, const QString& nextHeading) {
    const ToolResult r = runTool(QStringLiteral("pdftotext"),
                                 {QStringLiteral(ZELK_BINARY_DIR "/share/zelk-id-card/Help.pdf"), QStringLiteral("-")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = QString::fromUtf8(r.out).normalized(QString::NormalizationForm_KC).split(u'\n');
    const qsizetype from = lines.indexOf(heading);
    const qsizetype to = lines.indexOf(nextHeading, from + 1);
    EXPECT_TRUE(from >= 0 && to > from) << heading.toStdString();
    return lines.mid(from + 1, to - from - 1).join(u' ').simplified();
}

QSet<QString> buttonTexts(const QWidget* root) {
    QSet<QString> texts;
    for (const QAbstractButton* b : root->findChildren<QAbstractButton*>())
        if (!b->text().isEmpty())
            texts << b->text().remove(u'&');
    return texts;
}

// The names a window gives its fields: its labels without their colons,
// its check boxes and choices.
QStringList fieldNames(const QWidget* root) {
    QStringList names;
    for (const QLabel* l : root->findChildren<QLabel*>())
        names << l->text().remove(u':').trimmed();
    for (const QAbstractButton* b : root->findChildren<QAbstractButton*>())
        if (qobject_cast<const QCheckBox*>(b) || qobject_cast<const QRadioButton*>(b))
            names << b->text().remove(u'&');
    names.removeAll(QString());
    names.removeDuplicates();
    return names;
}

QString readme() {
    QFile f(QStringLiteral(ZELK_SOURCE_DIR "/README.md"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QString::fromUtf8(f.readAll()).simplified();
}

TEST_F(MainWindowTest, TheHelpQuotesTheWindowsAndLendsThemNoButtons) {
    SKTWindowController& w = open();
    const Barcode_Gen& barcodeWindow = *Barcode_Gen::defaultInstance();
    const struct {
        const char* heading;
        const char* next;
        QStringList quoted;
        QSet<QString> itsButtons;
        QSet<QString> alikeButtons;  // of the window most like it
        QStringList readmeSays = {};
    } sections[] = {
        {"Barcodes", "Data series", {barcodeWindow.barcode_error_label->text()}, {}, {}},
        {"Data series", "Workbooks", fieldNames(Generate_List::defaultInstance()), {}, {}},
        // The visitor panels take what the card-holder profile window takes.
        {"Visitor desk", "Camera and image library", {},
         buttonTexts(w.front_vistr_view) + buttonTexts(w.back_vistr_view),
         buttonTexts(Show_User_Profile::defaultInstance()),
         {"not below half its font size", "still runs past the frame's foot"}},
    };
    const QString readmeText = readme();
    for (const auto& s : sections) {
        SCOPED_TRACE(s.heading);
        const QString text = helpSection(QString::fromLatin1(s.heading), QString::fromLatin1(s.next));
        for (const QString& q : s.quoted)
            EXPECT_TRUE(text.contains(u'"' + q + u'"')) << q.toStdString() << "\n" << text.toStdString();
        for (const QString& b : s.alikeButtons - s.itsButtons) {
            const QRegularExpression named(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(b)));
            EXPECT_FALSE(text.contains(named)) << b.toStdString();
        }
        for (const QString& said : s.readmeSays) {
            EXPECT_TRUE(readmeText.contains(said)) << said.toStdString();
            EXPECT_TRUE(text.contains(said)) << said.toStdString() << "\n" << text.toStdString();
        }
    }
}

}  // namespace
}  // namespace zelk::test
