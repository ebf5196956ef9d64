#pragma once
// The series generator: sequential numbers between two bounds (with prefix,
// suffix and zero padding), one value repeated, or random numbers of a fixed
// digit count. With file_name_required 1 the values become a new series
// named in the window; otherwise they go to the series manager's value list.
#include <QDialog>
#include <QString>
#include <QStringList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

class Generate_List : public QDialog {
    Q_OBJECT
public:
    // The one object; also published as Gen_List_Window.
    static Generate_List* defaultInstance();

    // Set by the opener: 1 writes a series file; 1 in file_name_Insert
    // rebuilds the series manager's list after a run.
    int file_name_required = 0;
    int file_name_Insert = 0;

    QRadioButton* radioButton_Sequntial = nullptr;
    QRadioButton* radioButton_Constant = nullptr;
    QRadioButton* radioButton_Random = nullptr;
    QLineEdit* seq_file_name = nullptr;
    QLineEdit* prefix_txt = nullptr;
    QLineEdit* suffix_txt = nullptr;
    QLineEdit* from_txt = nullptr;
    QLineEdit* to_txt = nullptr;
    QCheckBox* manage_digit_chk = nullptr;
    QPushButton* help_btn = nullptr;
    QLineEdit* const_file_name = nullptr;
    QLineEdit* value_txt = nullptr;
    QLineEdit* count_txt = nullptr;
    QSpinBox* count_stepper = nullptr;
    QLineEdit* rndm_file_name = nullptr;
    QLineEdit* rand_prefix_txt = nullptr;
    QLineEdit* rand_suffix_txt = nullptr;
    QLineEdit* rand_length_txt = nullptr;
    QSpinBox* rand_length_stepper = nullptr;
    QLineEdit* rand_count_txt = nullptr;
    QSpinBox* rand_count_stepper = nullptr;

    // Resets every field and runs the window: 1 after a generation, 0 on Cancel.
    int Open_Wnd();

    void Sequintial_Radio_Pressed();
    void Constant_Radio_Pressed();
    void Random_Radio_Pressed();
    // A stepper or its field changed: the other one follows.
    void Count_Stepper_Pressed(QObject* sender);
    void Random_Length_Stepper_Pressed(QObject* sender);
    void Random_Count_Stepper_Pressed(QObject* sender);
    void Help_btn_Pressed();
    void OKPressed();
    void CancelPressed();
    // The live rules of the number fields, after each edit of one of them.
    void controlTextDidChange(QLineEdit* field);

    // The most values one run makes.
    static constexpr qint64 kMaxValues = 1'000'000;

    // "0"s prepended until the text is at least `length` long.
    static QString PadZero(const QString& text, int length);
    // Uniform over min..max (inclusive).
    static qint64 getRandomNumberBetweenMin(qint64 min, qint64 max);
    // The integer at the start of a text (blanks, a sign, digits), 0 when
    // none, saturated at the 32-bit limits.
    static int intValue(const QString& text);
    // A count field after an edit: blank or 0 gives "1", a longer text is
    // cut to `maxLength` characters, a value above `ceiling` is the ceiling.
    static QString liveCountText(const QString& text, int maxLength, int ceiling);
    // A bound field after an edit: letters, blanks, illegal characters and
    // symbols trimmed from its ends, at most 10 characters kept.
    static QString liveBoundText(const QString& text);
    // The sequential values; bounds as typed (their lengths set the padding).
    static QStringList sequentialValues(const QString& prefix, const QString& from, const QString& to, bool pad,
                                        const QString& suffix);

private:
    explicit Generate_List(QWidget* parent = nullptr);
    void selectMode(QRadioButton* radio, QLineEdit* nameField);
    void stepperPair(QLineEdit* field, QSpinBox* stepper, QObject* sender);
    // The values of the active mode; empty after a refusal (its message
    // shown and the field focused).
    bool produce(QStringList& values, QString& typedName);
    QList<QWidget*> nameWidgets_;
};

extern Generate_List* Gen_List_Window;
