#pragma once
// The promotion window: one of three features of the program ("S" card
// mailing, "R" the visitor desk, "B" the barcode designer) with a title, two
// descriptions and a picture, and buttons to write to support, ask a
// question, order, and watch videos, each shown only while its address
// exists (see ProductLinks).
#include <QDialog>
#include <QImage>
#include <QLabel>

class QPushButton;

// A picture over the main window's pattern, tiled.
class Promotion_Pattern : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class Promotion_Form : public QDialog {
    Q_OBJECT
public:
    // Builds the links from the address table and App_Name as they are now.
    explicit Promotion_Form(const QString& appName, QWidget* parent = nullptr);
    static Promotion_Form* defaultInstance();

    // A mail link: "mailto:" address "?subject=" subject "&body=" body,
    // trimmed, each line break written "%0A%0A" and each blank "%20"; "" when
    // there is no address.
    static QString Mail_Link(const QString& address, const QString& subject, const QString& body);

    // Fills the window for software_type and runs it; 1 after OK.
    int Open_Promotion_Window();
    void OK_Clicked();
    // Opens the address; an empty one opens nothing.
    void Open_Link(const QString& address);
    void Mail_Clicked();
    void Contact_us_Clicked();
    void Order_Clicked();
    void youtube_Clicked();

    struct Variant {
        QString code;
        QImage image;
        QString title;
        QString shortText;
        QString longText;
        QString mailLink;
        QString contactLink;
        QString orderLink;
    };
    const Variant* currentVariant() const;

    QString software_type;
    QLabel* Software_title = nullptr;
    QLabel* short_descp = nullptr;
    QLabel* long_descp = nullptr;
    Promotion_Pattern* bundle_image = nullptr;
    QPushButton* mail_btn = nullptr;
    QPushButton* contact_btn = nullptr;
    QPushButton* order_btn = nullptr;
    QPushButton* youtube_btn = nullptr;
    QPushButton* support_id = nullptr;
    QPushButton* website_1 = nullptr;
    QPushButton* ok_btn = nullptr;

private:
    // Fills the controls for software_type; an unknown code leaves them.
    void fill();
    Variant variants_[3];
};
