#pragma once
// The project folder dialog: a new folder for group projects inside the
// folder chosen in its parent combo (which the wizard fills). OK leaves the
// new folder's relative path in *add_new_folder; Cancel clears it.
#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;

class CreateFolder : public QDialog {
    Q_OBJECT
public:
    explicit CreateFolder(QWidget* parent = nullptr);

    static inline const QString EnterNameMessage = QStringLiteral("Please enter folder name.");
    static inline const QString SelectPathMessage = QStringLiteral("Please select project path.");
    static inline const QString ExistsMessage = QStringLiteral("Folder already exist.");
    static inline const QString AccessErrorMessage = QStringLiteral("Error in file accessing.");

    QLineEdit* folder_name = nullptr;
    QComboBox* folder_combo = nullptr;  // the wizard's Create_Folder_Combo
    QString* add_new_folder = nullptr;  // the wizard's field

    // Runs the dialog: 1 when a folder was made.
    int Open_Wnd();
    void OKPressed();
    void CancelPressed();

protected:
    void reject() override { CancelPressed(); }
};
