#include "mail/Help_Support.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "foundation/Utilities.h"
#include "mail/LinkStyle.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/ProductLinks.h"
#include "mainwindow/SKTWindowController.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Help_Support::Help_Support(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    setModal(true);
    setWindowTitle(QStringLiteral("Help and Support"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("The user guide explains every window of the program, "
                                            "from the first card to printing, mail and the visitor desk."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto link = [this](const QString& title) {
        auto* button = new QPushButton(title, this);
        zelk::applyLinkStyle(button);
        return button;
    };
    _Help_File_Label = link(QStringLiteral("Open the user guide (Help.pdf)"));
    website_1 = link(QStringLiteral("Visit our web site"));
    support_id = link(QStringLiteral("Write to support"));
    support_id_2 = link(QStringLiteral("Ask support a question"));
    reseller_1 = link(QStringLiteral("Become a reseller"));
    reseller_2 = link(QStringLiteral("Find a reseller"));
    auto* links = new QVBoxLayout;
    for (QPushButton* b : {_Help_File_Label, website_1, support_id, support_id_2, reseller_1, reseller_2})
        links->addWidget(b, 0, Qt::AlignLeft);
    layout->addLayout(links);

    auto* shares = new QHBoxLayout;
    gplus_btn = new QPushButton(QStringLiteral("Google+"), this);
    facebook_btn = new QPushButton(QStringLiteral("Facebook"), this);
    twitter_btn = new QPushButton(QStringLiteral("Twitter"), this);
    fb_like_btn = new QPushButton(QStringLiteral("Like"), this);
    good_or_bad_comment_btn = new QPushButton(QStringLiteral("Comments"), this);
    for (QPushButton* b : {gplus_btn, facebook_btn, twitter_btn, fb_like_btn, good_or_bad_comment_btn})
        shares->addWidget(b);
    shares->addStretch();
    layout->addLayout(shares);

    auto* row = new QHBoxLayout;
    row->addStretch();
    close_btn = new QPushButton(QStringLiteral("Close"), this);
    close_btn->setDefault(true);
    row->addWidget(close_btn);
    layout->addLayout(row);

    good_or_bad_comment_btn->hide();
    connect(_Help_File_Label, &QPushButton::clicked, this, &Help_Support::HelpFilePressed);
    connect(gplus_btn, &QPushButton::clicked, this, &Help_Support::Gplus_Clicked);
    connect(facebook_btn, &QPushButton::clicked, this, &Help_Support::Facebook_Clicked);
    connect(twitter_btn, &QPushButton::clicked, this, &Help_Support::Twitter_Clicked);
    connect(fb_like_btn, &QPushButton::clicked, this, &Help_Support::FB_Like_Clicked);
    connect(good_or_bad_comment_btn, &QPushButton::clicked, this, &Help_Support::Social_Comments_Clicked);
    connect(close_btn, &QPushButton::clicked, this, [this] { done(1); });
    if (Main_App_wnd) {
        connect(website_1, &QPushButton::clicked, Main_App_wnd, &SKTWindowController::Open_Website_1);
        for (QPushButton* b : {support_id, support_id_2})
            connect(b, &QPushButton::clicked, Main_App_wnd, &SKTWindowController::Open_Support_Mail);
        for (QPushButton* b : {reseller_1, reseller_2})
            connect(b, &QPushButton::clicked, Main_App_wnd, &SKTWindowController::Open_Reseller_Mail);
    }
    showAvailableLinks();
    zelk::keepTitleWhole(this);
}

void Help_Support::showAvailableLinks() {
    const zelk::ProductLinks& links = zelk::productLinks();
    const bool site = !links.website.isEmpty();
    website_1->setVisible(site);
    for (QPushButton* b : {gplus_btn, facebook_btn, twitter_btn, fb_like_btn})
        b->setVisible(site);
    support_id->setVisible(!links.supportMail.isEmpty());
    support_id_2->setVisible(!links.supportMail.isEmpty());
    reseller_1->setVisible(!links.resellerMail.isEmpty());
    reseller_2->setVisible(!links.resellerMail.isEmpty());
}

int Help_Support::Open_Wnd() {
    showAvailableLinks();
    return zelk::DialogRunner::run(this);
}

void Help_Support::HelpFilePressed() { Open_Help_File(); }

void Help_Support::Gplus_Clicked() {
    if (Main_App_wnd)
        Main_App_wnd->Open_Google_Plus();
}

void Help_Support::Facebook_Clicked() {
    if (Main_App_wnd)
        Main_App_wnd->Open_FaceBook();
}

void Help_Support::Twitter_Clicked() {
    if (Main_App_wnd)
        Main_App_wnd->Open_Twitter();
}

void Help_Support::FB_Like_Clicked() {
    if (Main_App_wnd)
        Main_App_wnd->Open_FB_Like();
}
