// The help window, the help toolbar button, the promotion window and the
// shipped help document.
#include "../mainwindow/MainWindowTestSupport.h"

#include "foundation/AppPaths.h"
#include "mail/Help_Support.h"
#include "mail/Promotion_Form.h"
#include "mail/Toolbar_help.h"
#include "mainwindow/ProductLinks.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUrlQuery>

namespace zelk::test {
namespace {

// Puts the address table back after a case that filled it.
struct ScopedLinks {
    ProductLinks saved = productLinks();
    ~ScopedLinks() { productLinks() = saved; }
};

QString pdfText(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    // Ligatures (the "fi" of "profile") read as their letters.
    return QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

TEST_F(MainWindowTest, HelpWindowOpensTheHelpFileAndHidesLinksWithoutAnAddress) {
    SKTWindowController& w = open();
    RecordedOpens opens;
    Help_Support help(&w);
    // A resources folder without "Help.pdf".
    QTemporaryDir res;
    zelk::AppPaths::initWithRoots(res.path(), data.path());
    help.HelpFilePressed();
    EXPECT_EQ(sink.shown, QStringList{QStringLiteral("Help file does not exist!")});
    zelk::AppPaths::initWithRoots(resourceDir(), data.filePath(QStringLiteral("user")));

    EXPECT_FALSE(help.good_or_bad_comment_btn->isVisibleTo(&help));
    EXPECT_TRUE(help._Help_File_Label->isVisibleTo(&help));
    for (QPushButton* b : {help.website_1, help.support_id, help.support_id_2, help.reseller_1, help.reseller_2,
                           help.gplus_btn, help.facebook_btn, help.twitter_btn, help.fb_like_btn})
        EXPECT_FALSE(b->isVisibleTo(&help)) << qPrintable(b->text());
    // The hub's link operations open nothing without addresses.
    for (auto op : {&SKTWindowController::Open_Google_Plus, &SKTWindowController::Open_FaceBook,
                    &SKTWindowController::Open_Twitter, &SKTWindowController::Open_FB_Like,
                    &SKTWindowController::Open_Website_1, &SKTWindowController::Open_Support_Mail,
                    &SKTWindowController::Open_Reseller_Mail})
        (w.*op)();
    help.Gplus_Clicked();
    help.website_1->click();
    EXPECT_TRUE(opens.urls.isEmpty());

    // The link style keeps the button's own title.
    EXPECT_TRUE(help._Help_File_Label->font().underline());
    EXPECT_TRUE(help._Help_File_Label->font().bold());
    EXPECT_EQ(help._Help_File_Label->font().pointSize(), 11);
    EXPECT_EQ(help._Help_File_Label->cursor().shape(), Qt::OpenHandCursor);
    EXPECT_EQ(help._Help_File_Label->text(), QStringLiteral("Open the user guide (Help.pdf)"));
}

TEST_F(MainWindowTest, AddressesOnceGivenShowTheirButtonsAndOpen) {
    SKTWindowController& w = open();
    ScopedLinks keep;
    productLinks().website = QStringLiteral("https://cards.test/");
    productLinks().supportMail = QStringLiteral("help@cards.test");
    RecordedOpens opens;
    Help_Support help(&w);
    EXPECT_TRUE(help.website_1->isVisibleTo(&help));
    EXPECT_TRUE(help.support_id->isVisibleTo(&help));
    EXPECT_FALSE(help.reseller_1->isVisibleTo(&help));
    help.Facebook_Clicked();
    w.Open_Support_Mail();
    ASSERT_EQ(opens.urls.size(), 2);
    EXPECT_EQ(QUrlQuery(opens.urls[0]).queryItemValue("u", QUrl::FullyDecoded), productLinks().website);
    EXPECT_EQ(opens.urls[1].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(opens.urls[1].path(), productLinks().supportMail);
}

TEST(ToolbarHelp, MinimumSizeFromVersion1504) {
    const QSize base(10, 12);
    EXPECT_EQ(Toolbar_help::minSize(1504.0, base), QSize(42, 27));
    EXPECT_EQ(Toolbar_help::minSize(1503.9, base), base);
    EXPECT_EQ(Toolbar_help::minSize(1604, base), QSize(42, 27));
}

TEST_F(MainWindowTest, HelpToolbarButtonHasItsMinimumSize) {
    SKTWindowController& w = open();
    auto* bar = w.findChild<QToolBar*>(QStringLiteral("command_toolbar"));
    auto* help = w.findChild<QAction*>(QStringLiteral("Help_Button"));
    ASSERT_TRUE(bar && help);
    QWidget* button = bar->widgetForAction(help);
    ASSERT_TRUE(button);
    EXPECT_GE(button->minimumWidth(), 42);
    EXPECT_GE(button->minimumHeight(), 27);
}

TEST(PromotionLinks, LineBreaksAndBlanksAreEscapedAfterTrimming) {
    EXPECT_EQ(Promotion_Form::Mail_Link(QStringLiteral("a@b.test"), QStringLiteral("Card support"),
                                        QStringLiteral("Hello there,\nsee you \n")),
              QStringLiteral("mailto:a@b.test?subject=Card%20support&body=Hello%20there,%0A%0Asee%20you"));
    EXPECT_EQ(Promotion_Form::Mail_Link(QString(), QStringLiteral("s"), QStringLiteral("b")), QString());
}

TEST_F(MainWindowTest, PromotionVariantsFillTheWindowAndUnknownCodesKeepIt) {
    SKTWindowController& w = open();
    ScopedLinks keep;
    productLinks().supportMail = QStringLiteral("help@cards.test");
    RecordedOpens opens;
    Promotion_Form form(w.App_Name);
    int runs = 0;
    ScopedDialogRunner runner([&](QDialog*) { return ++runs, 1; });

    form.software_type = QStringLiteral("S");
    EXPECT_EQ(form.Open_Promotion_Window(), 1);
    const QString titleS = form.Software_title->text();
    const QString shortS = form.short_descp->text();
    const QString longS = form.long_descp->text();
    const QImage pictureS = form.bundle_image->pixmap().toImage();
    EXPECT_FALSE(titleS.isEmpty() || shortS.isEmpty() || longS.isEmpty());
    EXPECT_FALSE(pictureS.isNull());

    form.software_type = QStringLiteral("R");
    form.Open_Promotion_Window();
    EXPECT_NE(form.Software_title->text(), titleS);
    EXPECT_NE(form.short_descp->text(), shortS);
    EXPECT_NE(form.long_descp->text(), longS);
    EXPECT_FALSE(form.bundle_image->pixmap().isNull());
    EXPECT_NE(form.bundle_image->pixmap().toImage(), pictureS);
    const QString titleR = form.Software_title->text();

    // The contact link names the application in its subject and body.
    form.Contact_us_Clicked();
    ASSERT_EQ(opens.urls.size(), 1);
    const QString contact = opens.urls[0].toString(QUrl::FullyDecoded);
    const QString subject = QUrlQuery(opens.urls[0]).queryItemValue("subject", QUrl::FullyDecoded);
    EXPECT_TRUE(subject.endsWith(w.App_Name)) << qPrintable(contact);
    EXPECT_TRUE(QUrlQuery(opens.urls[0]).queryItemValue("body", QUrl::FullyDecoded).contains(w.App_Name));

    form.software_type = QStringLiteral("X");
    form.Open_Promotion_Window();
    EXPECT_EQ(form.Software_title->text(), titleR);
    form.Mail_Clicked();
    form.Contact_us_Clicked();
    form.Order_Clicked();
    EXPECT_EQ(opens.urls.size(), 1);
    EXPECT_EQ(runs, 3);
}

TEST_F(MainWindowTest, PromotionButtonsWithoutAnAddressAreHiddenAndOpenNothing) {
    SKTWindowController& w = open();
    RecordedOpens opens;
    Promotion_Form form(w.App_Name);
    for (QPushButton* b : {form.mail_btn, form.contact_btn, form.order_btn, form.youtube_btn, form.support_id,
                           form.website_1})
        EXPECT_FALSE(b->isVisibleTo(&form)) << qPrintable(b->text());
    form.software_type = QStringLiteral("B");
    form.Mail_Clicked();
    form.Contact_us_Clicked();
    form.Order_Clicked();
    form.youtube_Clicked();
    EXPECT_TRUE(opens.urls.isEmpty());
}

TEST_F(MainWindowTest, PromotionCommandsOpenTheirVariant) {
    SKTWindowController& w = open();
    QStringList titles;
    ScopedDialogRunner runner([&](QDialog* d) {
        if (auto* f = qobject_cast<Promotion_Form*>(d))
            titles << f->software_type + QLatin1Char(':') + f->Software_title->text();
        return 1;
    });
    w.Zelk_SMS_Prmotion();
    w.Zelk_Recovery_Prmotion();
    w.Zelk_Barcode_Prmotion();
    ASSERT_EQ(titles.size(), 3);
    EXPECT_TRUE(titles[0].startsWith("S:") && titles[1].startsWith("R:") && titles[2].startsWith("B:"));
    EXPECT_EQ(QSet<QString>(titles.begin(), titles.end()).size(), 3);
}

// The help document the build lays out: every section of its source is
// there, and the install takes it along.
TEST(HelpDocument, EverySectionIsInTheBuiltAndInstalledFile) {
    QFile source(QStringLiteral(ZELK_SOURCE_DIR "/docs/help/Help.html"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(source.readAll());
    QStringList headings;
    static const QRegularExpression h2(QStringLiteral("<h2>([^<]+)</h2>"));
    for (auto it = h2.globalMatch(html); it.hasNext();)
        headings << it.next().captured(1).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    ASSERT_GE(headings.size(), 10);

    const QString built = QStringLiteral(ZELK_BINARY_DIR "/share/zelk-id-card/Help.pdf");
    const QString text = pdfText(built).simplified();
    for (const QString& h : headings)
        EXPECT_TRUE(text.contains(h)) << qPrintable(h);

    QTemporaryDir prefix;
    QProcess install;
    install.start(QStringLiteral("cmake"),
                  {QStringLiteral("--install"), QStringLiteral(ZELK_BINARY_DIR), QStringLiteral("--prefix"),
                   prefix.path()});
    ASSERT_TRUE(install.waitForFinished(120000) && install.exitCode() == 0)
        << install.readAllStandardError().toStdString();
    const QString installed = QDir(prefix.path()).filePath(QStringLiteral("share/zelk-id-card/Help.pdf"));
    EXPECT_EQ(pdfText(installed).simplified(), text);
}

}  // namespace
}  // namespace zelk::test
