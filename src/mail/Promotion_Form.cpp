#include "mail/Promotion_Form.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/Services.h"
#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"
#include "mail/LinkStyle.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/ProductLinks.h"
#include "mainwindow/SKTWindowController.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

void Promotion_Pattern::paintEvent(QPaintEvent* event) {
    if (Main_App_wnd && !Main_App_wnd->promotion_pattern_image.isNull()) {
        QPainter painter(this);
        painter.fillRect(rect(), QBrush(Main_App_wnd->promotion_pattern_image));
    }
    QLabel::paintEvent(event);
}

namespace {

QImage promotionPicture(const QString& name) {
    return QImage(QDir(Resource_Path).filePath(QStringLiteral("Promotion/") + name));
}

}  // namespace

QString Promotion_Form::Mail_Link(const QString& address, const QString& subject, const QString& body) {
    if (address.isEmpty())
        return {};
    QString link = QStringLiteral("mailto:") + address + QStringLiteral("?subject=") + subject +
                   QStringLiteral("&body=") + body;
    link = Trim_Str(link);
    link = Replace_char_in_string(link, QStringLiteral("\n"), QStringLiteral("%0A%0A"));
    return Replace_char_in_string(link, QStringLiteral(" "), QStringLiteral("%20"));
}

Promotion_Form* Promotion_Form::defaultInstance() {
    static Promotion_Form* instance =
        new Promotion_Form(Main_App_wnd ? Main_App_wnd->App_Name : QString::fromLatin1(zelk::AppPaths::applicationName));
    return instance;
}

Promotion_Form::Promotion_Form(const QString& appName, QWidget* parent) : QDialog(parent) {
    const zelk::ProductLinks& links = zelk::productLinks();
    struct Text {
        const char* code;
        const char* picture;
        const char* title;
        const char* shortText;
        const char* longText;
        const char* body;
    };
    const Text texts[3] = {
        {"S", "Card_Mailing.png", "Card Mailing", "Send every card of a batch to its holder by e-mail.",
         "Mail one card, the same card to a list of people, or every card of a data series or workbook to "
         "everyone or one card per recipient. Cards go out as PDF files through your own mail server, with a "
         "pause between messages when your provider asks for one.",
         "Hello,\nI have a question about card mailing."},
        {"R", "Visitor_Desk.png", "Visitor Desk", "Register visitors and print their passes at reception.",
         "Enter a visitor's details and photo beside the card, keep every visit in the visitor log, search "
         "past visitors by name, company or date, export the list as a workbook, and print, export or mail a "
         "visitor pass.",
         "Hello,\nI have a question about the visitor desk."},
        {"B", "Barcode_Designer.png", "Barcode Designer", "Linear, postal and 2D barcodes on every card.",
         "Put Code 128, EAN, UPC, postal codes, QR Code, PDF417 or DataMatrix on a card, bind the value to a "
         "data series or a workbook column, and every card of a batch carries its own readable barcode.",
         "Hello,\nI have a question about the barcode designer."},
    };
    for (int i = 0; i < 3; ++i) {
        const Text& t = texts[i];
        Variant& v = variants_[i];
        v.code = QString::fromLatin1(t.code);
        v.image = promotionPicture(QString::fromLatin1(t.picture));
        v.title = QString::fromLatin1(t.title);
        v.shortText = QString::fromLatin1(t.shortText);
        v.longText = QString::fromLatin1(t.longText);
        v.mailLink = Mail_Link(links.supportMail, v.title + QStringLiteral(" support"), QString::fromLatin1(t.body));
        v.contactLink = Mail_Link(links.supportMail, QStringLiteral("Enquiry about ") + appName,
                                  QStringLiteral("Hello,\nI would like to know more about %1.").arg(appName));
        v.orderLink = links.orderPage;
    }

    zelk::applyDialogBackground(this);
    setModal(true);
    setWindowTitle(QStringLiteral("Zelk ID Card Features"));
    auto* layout = new QHBoxLayout(this);
    bundle_image = new Promotion_Pattern(this);
    bundle_image->setFixedSize(260, 260);
    bundle_image->setAlignment(Qt::AlignCenter);
    layout->addWidget(bundle_image, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    Software_title = new QLabel(this);
    QFont titleFont = Software_title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 6);
    Software_title->setFont(titleFont);
    short_descp = new QLabel(this);
    QFont shortFont = short_descp->font();
    shortFont.setBold(true);
    short_descp->setFont(shortFont);
    short_descp->setWordWrap(true);
    long_descp = new QLabel(this);
    long_descp->setWordWrap(true);
    long_descp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(Software_title);
    column->addWidget(short_descp);
    column->addWidget(long_descp, 1);
    website_1 = new QPushButton(QStringLiteral("Our web site"), this);
    support_id = new QPushButton(QStringLiteral("Support"), this);
    zelk::applyLinkStyle(website_1);
    zelk::applyLinkStyle(support_id);
    auto* linkRow = new QHBoxLayout;
    linkRow->addWidget(website_1);
    linkRow->addWidget(support_id);
    linkRow->addStretch();
    column->addLayout(linkRow);
    auto* buttons = new QHBoxLayout;
    mail_btn = new QPushButton(QStringLiteral("Mail"), this);
    contact_btn = new QPushButton(QStringLiteral("Contact Us"), this);
    order_btn = new QPushButton(QStringLiteral("Order"), this);
    youtube_btn = new QPushButton(QStringLiteral("Videos"), this);
    ok_btn = new QPushButton(QStringLiteral("OK"), this);
    ok_btn->setDefault(true);
    for (QPushButton* b : {mail_btn, contact_btn, order_btn, youtube_btn})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(ok_btn);
    column->addLayout(buttons);
    layout->addLayout(column, 1);
    resize(640, 300);

    connect(mail_btn, &QPushButton::clicked, this, &Promotion_Form::Mail_Clicked);
    connect(contact_btn, &QPushButton::clicked, this, &Promotion_Form::Contact_us_Clicked);
    connect(order_btn, &QPushButton::clicked, this, &Promotion_Form::Order_Clicked);
    connect(youtube_btn, &QPushButton::clicked, this, &Promotion_Form::youtube_Clicked);
    connect(ok_btn, &QPushButton::clicked, this, &Promotion_Form::OK_Clicked);
    connect(website_1, &QPushButton::clicked, this, [this] { Open_Link(zelk::productLinks().website); });
    connect(support_id, &QPushButton::clicked, this, [this] {
        const Variant* v = currentVariant();
        Open_Link(v ? v->mailLink : QString());
    });

    // Buttons without an address have nothing to open.
    const bool support = !links.supportMail.isEmpty();
    mail_btn->setVisible(support);
    contact_btn->setVisible(support);
    support_id->setVisible(support);
    order_btn->setVisible(!links.orderPage.isEmpty());
    youtube_btn->setVisible(!links.videoChannel.isEmpty());
    website_1->setVisible(!links.website.isEmpty());
}

const Promotion_Form::Variant* Promotion_Form::currentVariant() const {
    for (const Variant& v : variants_)
        if (v.code == software_type)
            return &v;
    return nullptr;
}

void Promotion_Form::fill() {
    const Variant* v = currentVariant();
    if (!v)
        return;
    bundle_image->setPixmap(QPixmap::fromImage(v->image));
    Software_title->setText(v->title);
    short_descp->setText(v->shortText);
    long_descp->setText(v->longText);
}

int Promotion_Form::Open_Promotion_Window() {
    fill();
    return zelk::DialogRunner::run(this);
}

void Promotion_Form::OK_Clicked() { done(1); }

void Promotion_Form::Open_Link(const QString& address) {
    if (address.isEmpty())
        return;
    if (!zelk::Services::current()->openUrl(QUrl(address)))
        Show_NSLog_Message(QStringLiteral("Nothing opened ") + address);
}

void Promotion_Form::Mail_Clicked() {
    const Variant* v = currentVariant();
    Open_Link(v ? v->mailLink : QString());
}

void Promotion_Form::Contact_us_Clicked() {
    const Variant* v = currentVariant();
    Open_Link(v ? v->contactLink : QString());
}

void Promotion_Form::Order_Clicked() {
    const Variant* v = currentVariant();
    Open_Link(v ? v->orderLink : QString());
}

void Promotion_Form::youtube_Clicked() { Open_Link(zelk::productLinks().videoChannel); }
