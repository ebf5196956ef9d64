#pragma once
// The Mail window: sender, recipients, subject and message; the card or a
// chosen file; the sides, the batch values and how their cards go out;
// mirroring and delayed delivery. Send checks the entries on the GUI thread
// and hands a SendMailJob, with a copy of everything it needs, to a worker
// under the shared progress sheet.
#include "mail/MailSendWindow.h"

#include <QString>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;
class SKTWindowController;
class Send_Modeless;

namespace zelk {
class ExportPicture;
}

class Send_Mail : public MailSendWindow {
    Q_OBJECT
public:
    static Send_Mail* forHub(SKTWindowController& hub);
    static Send_Mail* defaultInstance();
    ~Send_Mail() override;

    QPlainTextEdit* to_txt = nullptr;
    QLineEdit* subject_txt = nullptr;
    QPlainTextEdit* message_txt = nullptr;
    QRadioButton* rd_mail_curr_barcode = nullptr;
    QRadioButton* rd_without_barcode = nullptr;
    QGroupBox* send_sett_box = nullptr;
    QButtonGroup* matrix_card_side = nullptr;  // 0 both, 1 front, 2 back
    QLineEdit* file_name_txt = nullptr;
    QCheckBox* send_with_batch_chk = nullptr;
    QCheckBox* send_with_excel_chk = nullptr;
    QGroupBox* export_range_box = nullptr;
    QRadioButton* rd_all_to_every = nullptr;
    QRadioButton* rd_one_per_recp = nullptr;
    QRadioButton* Sel_print_rd = nullptr;
    QLineEdit* from_Text = nullptr;
    QSpinBox* from_Stepper = nullptr;
    QLabel* from_label = nullptr;
    QLineEdit* To_Text = nullptr;
    QSpinBox* To_Stepper = nullptr;
    QLabel* to_label = nullptr;
    QLineEdit* Total_Text = nullptr;
    QSpinBox* Total_Stepper = nullptr;
    QLabel* tot_label = nullptr;
    QCheckBox* mirror_chk_box = nullptr;
    QButtonGroup* mirror_matrix = nullptr;  // 0 horizontal, 1 vertical
    QLineEdit* attachment = nullptr;
    QPushButton* browse_att = nullptr;
    QPushButton* clear_att = nullptr;
    QCheckBox* delayed_delv_chk = nullptr;
    QGroupBox* delayed_box = nullptr;
    QLineEdit* mail_count_txt = nullptr;
    QSpinBox* mail_count_stepper = nullptr;
    QLineEdit* hour_txt = nullptr;
    QSpinBox* hour_stepper = nullptr;
    QLineEdit* min_text = nullptr;
    QSpinBox* min_stepper = nullptr;
    QLineEdit* sec_txt = nullptr;
    QSpinBox* sec_stepper = nullptr;

    QString card_side_str = QStringLiteral("F");  // "BOTH", "F" or "B"
    Send_Modeless* send_modls_wnd = nullptr;

    // Resets the window as the Mail command opens it and runs it modally.
    int Open_Wnd();
    // The reset alone (the first steps of Open_Wnd).
    void prepareWindow();

    void Send_Button();
    void Close_Button() override;
    void browse_att_Button();
    void clear_att_Button();
    void Without_barcode_rd_select();
    void send_barcode_rd_select();
    void send_with_batch_chk_select();
    void send_with_excel_chk_select();
    void delayed_delv_chk_select();
    void mail_card_side_CellClick(int column);
    void all_rd_select();
    void obo_rd_select();
    void Sel_Print_RD_Clicked();
    void Mirror_image_chk_clicked();
    void Mirror_Image_Type_CellClick(int column);
    void Set_Enable_Diable_Range_Box();
    void Set_Tot_Value(int value, int max, const QString& which);
    void controlTextDidChange(QLineEdit* field);
    // The current card's sides of card_side_str (the batch-free run's card).
    void Generate_No_Batch_Card_Image(zelk::ExportPicture& front_image, zelk::ExportPicture& back_image) const;
    // The pause text of `ms` milliseconds into the sheet's pause label.
    void Calculate_Pause_Time(qint64 ms);

private:
    explicit Send_Mail(SKTWindowController& hub, QWidget* parent);
    bool batchOn() const;
    void finishRun() override;
    void askStop() override;
    zelk::StopQuestion& stopQuestion() override;
    void refreshPause();
    void Show_Create_Modeless();
    void Hide_Destroy_Modeless();

    QTimer* pauseTimer_ = nullptr;
    bool batchRun_ = false;
    int savedSide_ = 0;
};
