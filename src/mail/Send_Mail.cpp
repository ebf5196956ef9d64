#include "mail/Send_Mail.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "dialogs/Send_Modeless.h"
#include "dialogs/Services.h"
#include "dialogs/TextBox.h"
#include "foundation/Codes.h"
#include "foundation/Utilities.h"
#include "mail/MailRules.h"
#include "mail/SendMailJob.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"
#include "production/ExportCardSupply.h"
#include "production/ExportGlobals.h"
#include "production/PrintGlobals.h"
#include "production/ProductionGlobals.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

using zelk::SendMailJob;

namespace {

Send_Mail* instance = nullptr;
constexpr int NoDataMaximum = 999999;
const QString defaultFileName = QStringLiteral("Zelk_ID_Card");

// A number and its arrows in one, as wide as its largest number. The
// window's number field of the same value is kept, unseen, in step with it.
QSpinBox* stepper(QWidget* parent, int minimum, int maximum) {
    auto* s = new QSpinBox(parent);
    s->setRange(minimum, maximum);
    s->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return s;
}

QLineEdit* numberField(QWidget* parent) {
    auto* f = new QLineEdit(parent);
    f->hide();
    return f;
}

void setNumber(QLineEdit* field, QSpinBox* stepper, int value) {
    const QSignalBlocker block(stepper);
    stepper->setValue(value);
    field->setText(QString::number(stepper->value()));
}

int integerValue(const QString& text) {
    return int(zelk::leadingInteger(text, NoDataMaximum));
}

void syncStepper(QLineEdit* field, QSpinBox* stepper, QObject* sender) {
    if (sender == stepper) {
        field->setText(QString::number(stepper->value()));
    } else {
        const QSignalBlocker block(stepper);
        stepper->setValue(integerValue(field->text()));
    }
}

void enableAll(std::initializer_list<QWidget*> widgets, bool on) {
    for (QWidget* w : widgets)
        w->setEnabled(on);
}

}  // namespace

Send_Mail* Send_Mail::forHub(SKTWindowController& hub) {
    if (!instance || &instance->hub_ != &hub)
        new Send_Mail(hub, &hub);
    return instance;
}

Send_Mail* Send_Mail::defaultInstance() { return instance; }

Send_Mail::Send_Mail(SKTWindowController& hub, QWidget* parent) : MailSendWindow(hub, parent, QStringLiteral("Mail")) {
    instance = this;
    auto* layout = new QVBoxLayout(this);

    auto* head = new QGridLayout;
    QPushButton* settings = makeSender(this);
    to_txt = new zelk::TextBox(this);
    to_txt->setMaximumHeight(54);
    to_txt->setPlaceholderText(QStringLiteral("Separate the addresses with \",\""));
    subject_txt = new QLineEdit(this);
    message_txt = new zelk::TextBox(this);
    message_txt->setMaximumHeight(80);
    head->addWidget(new QLabel(QStringLiteral("From:"), this), 0, 0);
    head->addWidget(from_txt, 0, 1);
    head->addWidget(settings, 0, 2);
    head->addWidget(new QLabel(QStringLiteral("To:"), this), 1, 0, Qt::AlignTop);
    head->addWidget(to_txt, 1, 1, 1, 2);
    head->addWidget(new QLabel(QStringLiteral("Subject:"), this), 2, 0);
    head->addWidget(subject_txt, 2, 1, 1, 2);
    head->addWidget(new QLabel(QStringLiteral("Message:"), this), 3, 0, Qt::AlignTop);
    head->addWidget(message_txt, 3, 1, 1, 2);
    layout->addLayout(head);

    auto* content = new QHBoxLayout;
    rd_mail_curr_barcode = new QRadioButton(QStringLiteral("Send the card"), this);
    rd_without_barcode = new QRadioButton(QStringLiteral("Send without the card"), this);
    content->addWidget(rd_mail_curr_barcode);
    content->addWidget(rd_without_barcode);
    content->addStretch();
    layout->addLayout(content);

    send_sett_box = new QGroupBox(QStringLiteral("Card"), this);
    auto* card = new QGridLayout(send_sett_box);
    matrix_card_side = new QButtonGroup(this);
    const QStringList sides = {QStringLiteral("Both sides"), QStringLiteral("Front"), QStringLiteral("Back")};
    auto* sideRow = new QHBoxLayout;
    for (int column = 0; column < sides.size(); ++column) {
        auto* radio = new QRadioButton(sides.at(column), send_sett_box);
        matrix_card_side->addButton(radio, column);
        sideRow->addWidget(radio);
    }
    sideRow->addStretch();
    card->addWidget(new QLabel(QStringLiteral("Side:"), send_sett_box), 0, 0);
    card->addLayout(sideRow, 0, 1);
    file_name_txt = new QLineEdit(send_sett_box);
    card->addWidget(new QLabel(QStringLiteral("File name:"), send_sett_box), 1, 0);
    card->addWidget(file_name_txt, 1, 1);
    auto* dataRow = new QHBoxLayout;
    send_with_batch_chk = new QCheckBox(QStringLiteral("With series"), send_sett_box);
    send_with_excel_chk = new QCheckBox(QStringLiteral("With Excel"), send_sett_box);
    dataRow->addWidget(send_with_batch_chk);
    dataRow->addWidget(send_with_excel_chk);
    dataRow->addStretch();
    card->addWidget(new QLabel(QStringLiteral("Card values:"), send_sett_box), 2, 0);
    card->addLayout(dataRow, 2, 1);

    export_range_box = new QGroupBox(QStringLiteral("Cards"), send_sett_box);
    auto* range = new QGridLayout(export_range_box);
    rd_all_to_every = new QRadioButton(QStringLiteral("Every card to every recipient"), export_range_box);
    rd_one_per_recp = new QRadioButton(QStringLiteral("One card per recipient"), export_range_box);
    Sel_print_rd = new QRadioButton(QStringLiteral("A range of cards to every recipient"), export_range_box);
    tot_label = new QLabel(QStringLiteral("Total"), export_range_box);
    Total_Text = numberField(export_range_box);
    Total_Stepper = stepper(export_range_box, 1, NoDataMaximum);
    from_label = new QLabel(QStringLiteral("From"), export_range_box);
    from_Text = numberField(export_range_box);
    from_Stepper = stepper(export_range_box, 1, NoDataMaximum);
    to_label = new QLabel(QStringLiteral("To"), export_range_box);
    To_Text = numberField(export_range_box);
    To_Stepper = stepper(export_range_box, 1, NoDataMaximum);
    range->addWidget(rd_all_to_every, 0, 0);
    range->addWidget(tot_label, 0, 1);
    range->addWidget(Total_Stepper, 0, 2);
    range->addWidget(rd_one_per_recp, 1, 0);
    range->addWidget(Sel_print_rd, 2, 0);
    range->addWidget(from_label, 2, 1);
    range->addWidget(from_Stepper, 2, 2);
    range->addWidget(to_label, 2, 3);
    range->addWidget(To_Stepper, 2, 4);
    range->setColumnStretch(5, 1);
    card->addWidget(export_range_box, 3, 0, 1, 2);

    auto* mirrorRow = new QHBoxLayout;
    mirror_chk_box = new QCheckBox(QStringLiteral("Mirror image"), send_sett_box);
    mirror_matrix = new QButtonGroup(this);
    mirrorRow->addWidget(mirror_chk_box);
    const QStringList mirrors = {QStringLiteral("Horizontal"), QStringLiteral("Vertical")};
    for (int column = 0; column < mirrors.size(); ++column) {
        auto* radio = new QRadioButton(mirrors.at(column), send_sett_box);
        mirror_matrix->addButton(radio, column);
        mirrorRow->addWidget(radio);
    }
    mirrorRow->addStretch();
    card->addLayout(mirrorRow, 4, 0, 1, 2);
    layout->addWidget(send_sett_box);

    auto* fileRow = new QHBoxLayout;
    attachment = new QLineEdit(this);
    browse_att = new QPushButton(QStringLiteral("Browse..."), this);
    clear_att = new QPushButton(QStringLiteral("Clear"), this);
    fileRow->addWidget(new QLabel(QStringLiteral("Attachment:"), this));
    fileRow->addWidget(attachment);
    fileRow->addWidget(browse_att);
    fileRow->addWidget(clear_att);
    layout->addLayout(fileRow);

    // The check box stands beside the pause it enables: one row less keeps
    // the window within a 720-pixel screen.
    auto* delayRow = new QHBoxLayout;
    delayed_delv_chk = new QCheckBox(QStringLiteral("Delayed delivery"), this);
    delayRow->addWidget(delayed_delv_chk);
    delayed_box = new QGroupBox(this);
    auto* delay = new QHBoxLayout(delayed_box);
    mail_count_txt = numberField(delayed_box);
    mail_count_stepper = stepper(delayed_box, 1, 9999);
    hour_txt = numberField(delayed_box);
    hour_stepper = stepper(delayed_box, 0, 99);
    min_text = numberField(delayed_box);
    min_stepper = stepper(delayed_box, 0, 59);
    sec_txt = numberField(delayed_box);
    sec_stepper = stepper(delayed_box, 0, 59);
    delay->addWidget(new QLabel(QStringLiteral("Pause after"), delayed_box));
    delay->addWidget(mail_count_stepper);
    delay->addWidget(new QLabel(QStringLiteral("mails for"), delayed_box));
    const std::pair<QSpinBox*, const char*> times[] = {{hour_stepper, "h"}, {min_stepper, "min"}, {sec_stepper, "s"}};
    for (const auto& [time, unit] : times) {
        delay->addWidget(time);
        delay->addWidget(new QLabel(QString::fromLatin1(unit), delayed_box));
    }
    delay->addStretch();
    delayRow->addWidget(delayed_box, 1);
    layout->addLayout(delayRow);

    QPushButton* close = addSendButtons(layout);

    send_modls_wnd = new Send_Modeless(this);
    pauseTimer_ = new QTimer(this);
    pauseTimer_->setInterval(250);
    connect(pauseTimer_, &QTimer::timeout, this, &Send_Mail::refreshPause);

    // Handlers answer the user only (clicked, edited): the program's own
    // changes of the controls run no handler.
    connect(send_button, &QPushButton::clicked, this, &Send_Mail::Send_Button);
    connect(close, &QPushButton::clicked, this, &Send_Mail::Close_Button);
    connect(browse_att, &QPushButton::clicked, this, &Send_Mail::browse_att_Button);
    connect(clear_att, &QPushButton::clicked, this, &Send_Mail::clear_att_Button);
    connect(rd_without_barcode, &QRadioButton::clicked, this, &Send_Mail::Without_barcode_rd_select);
    connect(rd_mail_curr_barcode, &QRadioButton::clicked, this, &Send_Mail::send_barcode_rd_select);
    connect(send_with_batch_chk, &QCheckBox::clicked, this, &Send_Mail::send_with_batch_chk_select);
    connect(send_with_excel_chk, &QCheckBox::clicked, this, &Send_Mail::send_with_excel_chk_select);
    connect(delayed_delv_chk, &QCheckBox::clicked, this, &Send_Mail::delayed_delv_chk_select);
    connect(matrix_card_side, &QButtonGroup::idClicked, this, &Send_Mail::mail_card_side_CellClick);
    connect(rd_all_to_every, &QRadioButton::clicked, this, &Send_Mail::all_rd_select);
    connect(rd_one_per_recp, &QRadioButton::clicked, this, &Send_Mail::obo_rd_select);
    connect(Sel_print_rd, &QRadioButton::clicked, this, &Send_Mail::Sel_Print_RD_Clicked);
    connect(mirror_chk_box, &QCheckBox::clicked, this, &Send_Mail::Mirror_image_chk_clicked);
    connect(mirror_matrix, &QButtonGroup::idClicked, this, &Send_Mail::Mirror_Image_Type_CellClick);
    const std::pair<QLineEdit*, QSpinBox*> pairs[] = {
        {from_Text, from_Stepper}, {To_Text, To_Stepper}, {Total_Text, Total_Stepper}, {mail_count_txt, mail_count_stepper},
        {hour_txt, hour_stepper},  {min_text, min_stepper}, {sec_txt, sec_stepper}};
    for (const auto& pair : pairs) {
        // Plain copies: a lambda may not capture a structured binding (clang).
        QLineEdit* field = pair.first;
        QSpinBox* step = pair.second;
        connect(step, &QSpinBox::valueChanged, this, [field, step] { syncStepper(field, step, step); });
        if (field == from_Text || field == To_Text || field == Total_Text)
            connect(field, &QLineEdit::textEdited, this, [this, field] { controlTextDidChange(field); });
        else
            connect(field, &QLineEdit::textEdited, this, [field, step] { syncStepper(field, step, field); });
    }
}

Send_Mail::~Send_Mail() {
    if (instance == this)
        instance = nullptr;
}

bool Send_Mail::batchOn() const {
    return send_with_batch_chk->isChecked() || send_with_excel_chk->isChecked();
}

int Send_Mail::Open_Wnd() {
    prepareWindow();
    return zelk::DialogRunner::run(this) == 1 ? 1 : 0;
}

void Send_Mail::prepareWindow() {
    Mirror_Image_Create = false;
    Mirror_Vertical_Not_Horz = false;
    mirror_chk_box->setChecked(false);
    mirror_matrix->button(0)->setChecked(true);
    for (QAbstractButton* b : mirror_matrix->buttons())
        b->setEnabled(false);

    const bool twoSided = ::CARD_SIDE_STR == CardSide::TwoSided;
    for (QAbstractButton* b : matrix_card_side->buttons())
        b->setEnabled(twoSided);
    matrix_card_side->button(1)->setEnabled(true);
    matrix_card_side->button(twoSided ? 0 : 1)->setChecked(true);
    card_side_str = twoSided ? QStringLiteral("BOTH") : QStringLiteral("F");

    rd_all_to_every->setChecked(true);
    Total_Text->hide();
    enableAll({tot_label, Total_Stepper, Total_Text}, true);
    setNumber(from_Text, from_Stepper, 1);
    enableAll({from_Text, from_Stepper, from_label, To_Text, To_Stepper, to_label}, false);
    Set_Tot_Value(Total_Label, NoDataMaximum, QStringLiteral("A"));

    from_txt->setText(::sender_email);
    to_txt->clear();
    rd_mail_curr_barcode->setChecked(true);
    send_sett_box->setEnabled(true);
    file_name_txt->setText(defaultFileName);

    send_with_batch_chk->setChecked(false);
    send_with_excel_chk->setChecked(false);
    if (::Start_Card_Option == QLatin1String("V")) {
        send_with_batch_chk->setEnabled(false);
        send_with_excel_chk->setEnabled(false);
    } else {
        send_with_batch_chk->setEnabled(Use_Data_Sheet_Values);
        send_with_excel_chk->setEnabled(::Use_Excel_Binding_Values);
        Total_Label = Total_Batch_Excel_Card;
        const bool data = Use_Data_Sheet_Values || ::Use_Excel_Binding_Values;
        Set_Tot_Value(Total_Label, data ? Total_Label : NoDataMaximum, QStringLiteral("A"));
    }
    Set_Enable_Diable_Range_Box();

    subject_txt->clear();
    message_txt->clear();
    attachment->clear();
    enableAll({attachment, browse_att, clear_att}, false);
    delayed_delv_chk->setChecked(false);
    delayed_box->setEnabled(false);
    to_txt->setFocus();
    setNumber(mail_count_txt, mail_count_stepper, 1);
    for (const auto& [f, s] : {std::pair{hour_txt, hour_stepper}, {min_text, min_stepper}, {sec_txt, sec_stepper}})
        setNumber(f, s, 0);
}

void Send_Mail::Close_Button() {
    if (running())
        return;
    Mirror_Image_Create = false;
    Mirror_Vertical_Not_Horz = false;
    done(0);
}

void Send_Mail::askStop() { send_modls_wnd->Stop_Sending_Pressed(); }

zelk::StopQuestion& Send_Mail::stopQuestion() { return send_modls_wnd->stopQuestion(); }

void Send_Mail::browse_att_Button() {
    const QString path = zelk::chooseOpenPath(this, QStringLiteral("Attachment"), QString());
    if (!path.isEmpty())
        attachment->setText(path);
}

void Send_Mail::clear_att_Button() { attachment->clear(); }

void Send_Mail::Without_barcode_rd_select() {
    rd_without_barcode->setChecked(true);
    rd_mail_curr_barcode->setChecked(false);
    send_sett_box->setEnabled(false);
    enableAll({browse_att, clear_att, attachment}, true);
}

void Send_Mail::send_barcode_rd_select() {
    hub_.Check_Series_Or_Excel_Use_or_not();
    rd_mail_curr_barcode->setChecked(true);
    rd_without_barcode->setChecked(false);
    send_sett_box->setEnabled(true);
    for (QAbstractButton* b : mirror_matrix->buttons())
        b->setEnabled(mirror_chk_box->isChecked());
    const bool visitor = ::Start_Card_Option == QLatin1String("V");
    send_with_batch_chk->setEnabled(!visitor && Use_Data_Sheet_Values);
    if (visitor || !Use_Data_Sheet_Values)
        send_with_batch_chk->setChecked(false);
    send_with_excel_chk->setEnabled(!visitor && ::Use_Excel_Binding_Values);
    if (visitor || !::Use_Excel_Binding_Values)
        send_with_excel_chk->setChecked(false);
    Set_Enable_Diable_Range_Box();
    enableAll({browse_att, clear_att, attachment}, false);
}

void Send_Mail::send_with_batch_chk_select() {
    Use_Data_Sheet_Values = send_with_batch_chk->isChecked();
    ::Use_Excel_Binding_Values = send_with_excel_chk->isChecked();
    zelk::ExportCardSupply::current().recount(hub_);
    Total_Label = batchOn() ? Total_Batch_Excel_Card : 1;
    Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
    Set_Enable_Diable_Range_Box();
}

void Send_Mail::send_with_excel_chk_select() { send_with_batch_chk_select(); }

void Send_Mail::delayed_delv_chk_select() { delayed_box->setEnabled(delayed_delv_chk->isChecked()); }

void Send_Mail::mail_card_side_CellClick(int column) {
    card_side_str = column == 0 ? QStringLiteral("BOTH") : column == 1 ? QStringLiteral("F") : QStringLiteral("B");
    Show_NSLog_Message(QStringLiteral("Mail card side: %1").arg(card_side_str));
}

void Send_Mail::all_rd_select() {
    rd_all_to_every->setChecked(true);
    enableAll({tot_label, Total_Stepper, Total_Text}, true);
    enableAll({from_Text, from_Stepper, from_label, To_Text, To_Stepper, to_label}, false);
}

void Send_Mail::obo_rd_select() {
    rd_one_per_recp->setChecked(true);
    enableAll({tot_label, Total_Stepper, Total_Text, from_Text, from_Stepper, from_label, To_Text, To_Stepper,
                to_label},
               false);
}

void Send_Mail::Sel_Print_RD_Clicked() {
    Sel_print_rd->setChecked(true);
    enableAll({tot_label, Total_Stepper, Total_Text}, false);
    enableAll({from_Text, from_Stepper, from_label, To_Text, To_Stepper, to_label}, true);
}

void Send_Mail::Mirror_image_chk_clicked() {
    Mirror_Image_Create = mirror_chk_box->isChecked();
    for (QAbstractButton* b : mirror_matrix->buttons())
        b->setEnabled(Mirror_Image_Create);
}

void Send_Mail::Mirror_Image_Type_CellClick(int column) { Mirror_Vertical_Not_Horz = column == 1; }

void Send_Mail::Set_Enable_Diable_Range_Box() {
    if (!batchOn()) {
        export_range_box->setEnabled(false);
        return;
    }
    export_range_box->setEnabled(true);
    if (rd_one_per_recp->isChecked())
        obo_rd_select();
    else if (Sel_print_rd->isChecked())
        Sel_Print_RD_Clicked();
    else
        all_rd_select();
}

void Send_Mail::Set_Tot_Value(int value, int max, const QString& which) {
    int shown = value == 0 ? 1 : value;
    if (!batchOn()) {
        max = NoDataMaximum;
        shown = qMin(shown, NoDataMaximum);
    }
    for (QSpinBox* s : {Total_Stepper, To_Stepper, from_Stepper}) {
        const QSignalBlocker block(s);
        s->setMaximum(qMax(1, max));
    }
    if (which == QLatin1String("TOT") || which == QLatin1String("A"))
        setNumber(Total_Text, Total_Stepper, shown);
    if (which == QLatin1String("TO") || which == QLatin1String("A"))
        setNumber(To_Text, To_Stepper, shown);
}

void Send_Mail::controlTextDidChange(QLineEdit* field) {
    const int cards = Total_Batch_Excel_Card;
    const QString text = Trim_Str(field->text());
    int value = integerValue(text);
    if (text.isEmpty() || value <= 0)
        value = 1;
    if (field == Total_Text) {
        if (batchOn() && value > cards)
            value = cards;
        Set_Tot_Value(value, cards, QStringLiteral("TOT"));
    } else if (field == To_Text) {
        value = qMin(value, qMax(1, cards));
        Set_Tot_Value(value, cards, QStringLiteral("TO"));
    } else if (field == from_Text) {
        value = qMin(value, qMax(1, cards));
        setNumber(from_Text, from_Stepper, value);
    }
}

void Send_Mail::Calculate_Pause_Time(qint64 ms) { send_modls_wnd->pause_label->setText(zelk::mail::pauseText(ms)); }

void Send_Mail::refreshPause() {
    const qint64 left = job_ ? job_->pauseRemainingMs() : -1;
    if (left < 0)
        send_modls_wnd->pause_label->clear();
    else
        Calculate_Pause_Time(left);
}

void Send_Mail::Generate_No_Batch_Card_Image(zelk::ExportPicture& front_image, zelk::ExportPicture& back_image) const {
    // The current card as it is now, mirrored as the window says; drawn as
    // vectors, so its PDF keeps its text.
    if (card_side_str != QLatin1String("F"))
        back_image = zelk::ExportPicture(zelk::ExportCardSupply::liveCard(hub_, QStringLiteral("B")).image);
    if (card_side_str != QLatin1String("B"))
        front_image = zelk::ExportPicture(zelk::ExportCardSupply::liveCard(hub_, QStringLiteral("F")).image);
}

void Send_Mail::Send_Button() {
    if (running())
        return;
    const zelk::ExportCardSupply& supply = zelk::ExportCardSupply::current();
    supply.checkUse(hub_);
    if (!send_with_batch_chk->isChecked())
        Use_Data_Sheet_Values = false;
    if (!send_with_excel_chk->isChecked())
        ::Use_Excel_Binding_Values = false;
    supply.recount(hub_);
    Total_Label = Total_Batch_Excel_Card;

    const bool card = rd_mail_curr_barcode->isChecked();
    const bool batch = card && batchOn();
    ::Print_Start = 0;
    if (batch && Sel_print_rd->isChecked()) {
        const int from = integerValue(from_Text->text());
        const int to = integerValue(To_Text->text());
        if (from > to) {
            Show_MessageBox(QStringLiteral("Please select valid range."));
            return;
        }
        ::Print_End = to;
        Total_Label = to;
        ::Print_Start = qMax(0, from - 1);
    }

    const QString from = senderAddress();
    const std::optional<QStringList> recipients = checkedRecipients(from, to_txt->toPlainText());
    if (!recipients)
        return;
    QString fileName = defaultFileName;
    if (card) {
        fileName = Trim_Str(Remove_Reserve_Char_In_File_Name(file_name_txt->text()));
        if (fileName.isEmpty()) {
            Show_MessageBox(QStringLiteral("Please enter valid file name."));
            return;
        }
    }

    SendMailJob::Settings s;
    s.recipients = *recipients;
    s.message = serverMessage(from);
    s.message.withSubject = subject_txt->text();
    s.message.withBody = message_txt->toPlainText();
    s.card_side = card_side_str;
    s.attachment = attachment->text();
    s.first = ::Print_Start;
    s.end = Total_Label;
    if (!card)
        s.mode = SendMailJob::Mode::WithoutCard;
    else if (!batch)
        s.mode = SendMailJob::Mode::SameCard;
    else if (rd_one_per_recp->isChecked())
        s.mode = SendMailJob::Mode::OnePerRecipient;
    else if (Sel_print_rd->isChecked())
        s.mode = SendMailJob::Mode::RangeToEveryone;
    else
        s.mode = SendMailJob::Mode::EveryCardToEveryone;
    s.delayed = delayed_delv_chk->isChecked();
    s.pauseAfter = mail_count_stepper->value();
    s.pauseMs = qint64(hour_stepper->value()) * 3600000 + qint64(min_stepper->value()) * 60000 +
                qint64(sec_stepper->value()) * 1000;

    // The card files live in a folder of their own, removed with the run.
    auto folder = std::make_unique<QTemporaryDir>(QDir(QDir::tempPath()).filePath(QStringLiteral("zelk-mail-XXXXXX")));
    if (card && !folder->isValid()) {
        Show_MessageBox(QStringLiteral("The card files could not be written:\n\n%1").arg(folder->errorString()));
        return;
    }
    const QString base = folder->filePath(fileName + QStringLiteral(".pdf"));
    s.frontPath = hub_.Create_Front_Card_Path(base);
    s.backPath = hub_.Create_Back_Card_Path(base);

    std::shared_ptr<const zelk::CardSource> cards;
    zelk::ExportPicture front, back;
    if (batch) {
        cards = supply.cards(hub_);
    } else if (card) {
        Generate_No_Batch_Card_Image(front, back);
    }

    savedSide_ = ::Card_Front_Or_Back;
    batchRun_ = batch;
    Stop_SMS_Sending_Now = false;
    auto job = std::make_shared<SendMailJob>(std::move(s), cards, front, back, std::move(folder));
    job_ = job;
    send_modls_wnd->prepareJob(job->total(), QStringLiteral("0 / %1").arg(job->total()));
    Show_Create_Modeless();
    pauseTimer_->start();
    startRun();
}

void Send_Mail::Show_Create_Modeless() {
    std::shared_ptr<const SendMailJob> job = job_;
    send_modls_wnd->beginSheet(this, [job] { return job ? job->turnsBegun() : 0; });
}

void Send_Mail::Hide_Destroy_Modeless() { send_modls_wnd->endSheet(); }

void Send_Mail::finishRun() {
    if (!joinRun())
        return;
    pauseTimer_->stop();
    send_modls_wnd->pause_label->clear();
    send_modls_wnd->update_sending_progress_bar();
    ::curr_msg_count_str = send_modls_wnd->curr_msg_count_str;
    Hide_Destroy_Modeless();
    const std::shared_ptr<SendMailJob> job = std::move(job_);
    if (batchRun_ && ::Start_Card_Option == QLatin1String("G")) {
        ::Card_Front_Or_Back = savedSide_;
        hub_.Set_Graphic_Array_According_Side();
    }
    ::Card_Front_Or_Back = savedSide_;
    for (const QString& unmade : job->unmadeCards())
        Show_NSLog_Message(unmade);
    tellOutcome(*job, zelk::mail::cardMailFailedMessage);
}
