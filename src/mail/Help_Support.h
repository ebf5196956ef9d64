#pragma once
// The help and support window: the help document and, where the program
// has them, links to its web site, support and resellers and buttons that
// share it. A link without an address (see ProductLinks) is hidden.
#include <QDialog>

class QPushButton;

class Help_Support : public QDialog {
    Q_OBJECT
public:
    explicit Help_Support(QWidget* parent = nullptr);

    // Opens "Help.pdf" of the resources, or says that it is missing.
    void HelpFilePressed();
    void Gplus_Clicked();
    void Facebook_Clicked();
    void Twitter_Clicked();
    void FB_Like_Clicked();
    // Comments have nowhere to go: the button stays hidden.
    void Social_Comments_Clicked() {}

    // Runs the window through the dialog runner.
    int Open_Wnd();

    QPushButton* _Help_File_Label = nullptr;
    QPushButton* website_1 = nullptr;
    QPushButton* support_id = nullptr;
    QPushButton* support_id_2 = nullptr;
    QPushButton* reseller_1 = nullptr;
    QPushButton* reseller_2 = nullptr;
    QPushButton* good_or_bad_comment_btn = nullptr;
    QPushButton* gplus_btn = nullptr;
    QPushButton* facebook_btn = nullptr;
    QPushButton* twitter_btn = nullptr;
    QPushButton* fb_like_btn = nullptr;
    QPushButton* close_btn = nullptr;

private:
    // Shows each link button whose address the table has.
    void showAvailableLinks();
};
