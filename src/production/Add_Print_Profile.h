#pragma once
// The small dialog that asks a new or edited print profile's name and
// printer. The print window fills the name and the previous name before it
// runs the dialog; OK leaves the choice in custom_profile_Printer and
// custom_print_profile_name.
#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;

class Add_Print_Profile : public QDialog {
    Q_OBJECT
public:
    static Add_Print_Profile* defaultInstance();

    // Fills the printer list with the installed printers (the given one
    // selected for an edit) and runs the dialog: 1 OK, 0 Cancel.
    int Open_Profile_Wnd(const QString& name, const QString& printer);
    // OK: checks the printer and the name, asks before replacing another
    // profile, runs the page-layout panel; the dialog stays open after a
    // refusal or a cancelled panel.
    void OKPressed();
    void CancelPressed();

    QComboBox* Printer_ComboBox = nullptr;
    QLineEdit* Profile_name = nullptr;
    // The name of the profile edited ("" for a new one).
    QString pass_profile_name;

private:
    explicit Add_Print_Profile(QWidget* parent = nullptr);
};
