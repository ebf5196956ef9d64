#include "datasource/Generate_List.h"

#include "datasource/BatchWizard.h"
#include "datasource/OnlyIntegerValueFormatter.h"
#include "datasource/SeriesFile.h"
#include "datasource/SeriesSupport.h"
#include "dialogs/ArrowStepper.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {

// Sets the arrows' value without telling the field beside them, which is
// where the value came from.
void setQuietly(QSpinBox* stepper, int value) {
    const QSignalBlocker block(stepper);
    stepper->setValue(value);
}

}  // namespace

namespace series = zelk::series;

Generate_List* Gen_List_Window = nullptr;

Generate_List* Generate_List::defaultInstance() {
    if (!Gen_List_Window)
        Gen_List_Window = new Generate_List;
    return Gen_List_Window;
}

Generate_List::Generate_List(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Generate_List"));
    setWindowTitle(QStringLiteral("Create Series"));
    zelk::applyDialogBackground(this);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, 16);
    int row = 0;
    auto field = [this](int width = 110) {
        auto* f = new QLineEdit(this);
        f->setFixedWidth(width);
        return f;
    };
    auto label = [this](const QString& text) { return new QLabel(text, this); };
    auto nameRow = [&](QLineEdit*& name) {
        name = new QLineEdit(this);
        QLabel* l = label(QStringLiteral("Series name:"));
        nameWidgets_ << name << l;
        grid->addWidget(l, row, 1);
        grid->addWidget(name, row++, 2, 1, 6);
    };
    auto stepper = [this](int minimum, int maximum) {
        auto* s = new zelk::ArrowStepper(this);
        s->setRange(minimum, maximum);
        return s;
    };
    auto numberPair = [](QLineEdit* f, QSpinBox* s) {
        auto* box = new QHBoxLayout;
        box->setSpacing(2);
        box->addWidget(f);
        if (s)
            box->addWidget(s);
        box->addStretch();
        return box;
    };

    radioButton_Sequntial = new QRadioButton(QStringLiteral("Sequential numbers"), this);
    grid->setColumnStretch(7, 1);
    grid->addWidget(radioButton_Sequntial, row++, 0, 1, 8);
    nameRow(seq_file_name);
    prefix_txt = field();
    from_txt = field();
    to_txt = field();
    suffix_txt = field();
    grid->addWidget(label(QStringLiteral("Prefix:")), row, 1);
    grid->addWidget(prefix_txt, row, 2);
    grid->addWidget(label(QStringLiteral("From:")), row, 3);
    grid->addWidget(from_txt, row, 4);
    grid->addWidget(label(QStringLiteral("To:")), row, 5);
    grid->addWidget(to_txt, row++, 6);
    grid->addWidget(label(QStringLiteral("Suffix:")), row, 1);
    grid->addWidget(suffix_txt, row, 2);
    manage_digit_chk = new QCheckBox(QStringLiteral("Keep the number of digits"), this);
    help_btn = new QPushButton(QStringLiteral("?"), this);
    help_btn->setFixedWidth(28);
    auto* digits = new QHBoxLayout;
    digits->addWidget(manage_digit_chk);
    digits->addWidget(help_btn);
    digits->addStretch();
    grid->addLayout(digits, row++, 3, 1, 5);

    radioButton_Constant = new QRadioButton(QStringLiteral("One value repeated"), this);
    grid->addWidget(radioButton_Constant, row++, 0, 1, 8);
    nameRow(const_file_name);
    value_txt = field();
    count_txt = field(70);
    count_stepper = stepper(1, 10000);
    grid->addWidget(label(QStringLiteral("Value:")), row, 1);
    grid->addWidget(value_txt, row, 2);
    grid->addWidget(label(QStringLiteral("Count:")), row, 3);
    grid->addLayout(numberPair(count_txt, count_stepper), row++, 4);

    radioButton_Random = new QRadioButton(QStringLiteral("Random numbers"), this);
    grid->addWidget(radioButton_Random, row++, 0, 1, 8);
    nameRow(rndm_file_name);
    rand_prefix_txt = field();
    rand_suffix_txt = field();
    rand_length_txt = field(40);
    rand_count_txt = field(70);
    rand_length_stepper = stepper(1, 9);
    rand_count_stepper = stepper(1, 10000);
    grid->addWidget(label(QStringLiteral("Prefix:")), row, 1);
    grid->addWidget(rand_prefix_txt, row, 2);
    grid->addWidget(label(QStringLiteral("Digits:")), row, 3);
    grid->addLayout(numberPair(rand_length_txt, rand_length_stepper), row, 4);
    grid->addWidget(label(QStringLiteral("Count:")), row, 5);
    grid->addLayout(numberPair(rand_count_txt, rand_count_stepper), row++, 6);
    grid->addWidget(label(QStringLiteral("Suffix:")), row, 1);
    grid->addWidget(rand_suffix_txt, row++, 2);
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    const auto [ok, cancel] = zelk::addOkCancelButtons(this, buttons);
    layout->addLayout(buttons);

    auto* modes = new QButtonGroup(this);
    modes->addButton(radioButton_Sequntial);
    modes->addButton(radioButton_Constant);
    modes->addButton(radioButton_Random);
    for (QLineEdit* f : {from_txt, to_txt, count_txt, rand_count_txt, rand_length_txt}) {
        f->setValidator(new OnlyIntegerValueFormatter(f));
        connect(f, &QLineEdit::textEdited, this, [this, f] { controlTextDidChange(f); });
    }
    connect(radioButton_Sequntial, &QRadioButton::clicked, this, &Generate_List::Sequintial_Radio_Pressed);
    connect(radioButton_Constant, &QRadioButton::clicked, this, &Generate_List::Constant_Radio_Pressed);
    connect(radioButton_Random, &QRadioButton::clicked, this, &Generate_List::Random_Radio_Pressed);
    connect(count_stepper, &QSpinBox::valueChanged, this, [this] { Count_Stepper_Pressed(count_stepper); });
    connect(rand_length_stepper, &QSpinBox::valueChanged, this,
            [this] { Random_Length_Stepper_Pressed(rand_length_stepper); });
    connect(rand_count_stepper, &QSpinBox::valueChanged, this,
            [this] { Random_Count_Stepper_Pressed(rand_count_stepper); });
    connect(help_btn, &QPushButton::clicked, this, &Generate_List::Help_btn_Pressed);
    connect(ok, &QPushButton::clicked, this, &Generate_List::OKPressed);
    connect(cancel, &QPushButton::clicked, this, &Generate_List::CancelPressed);
}

int Generate_List::Open_Wnd() {
    for (QLineEdit* name : {seq_file_name, const_file_name, rndm_file_name})
        name->clear();
    const bool named = file_name_required == 1;
    if (named)
        seq_file_name->setText(default_file_name);
    for (QWidget* w : nameWidgets_)
        w->setVisible(named);
    manage_digit_chk->setChecked(false);
    for (QLineEdit* f : {prefix_txt, suffix_txt, from_txt, to_txt, value_txt, rand_prefix_txt, rand_suffix_txt})
        f->clear();
    for (QLineEdit* f : {count_txt, rand_length_txt, rand_count_txt})
        f->setText(QStringLiteral("1"));
    for (QSpinBox* s : {count_stepper, rand_length_stepper, rand_count_stepper})
        setQuietly(s, 1);
    Sequintial_Radio_Pressed();
    prefix_txt->setFocus();
    return zelk::DialogRunner::run(this);
}

void Generate_List::selectMode(QRadioButton* radio, QLineEdit* nameField) {
    radio->setChecked(true);
    if (Trim_Str(nameField->text()).isEmpty())
        nameField->setText(default_file_name);
    const bool seq = radio == radioButton_Sequntial;
    const bool cnst = radio == radioButton_Constant;
    const bool rnd = radio == radioButton_Random;
    for (QWidget* w : std::initializer_list<QWidget*>{seq_file_name, prefix_txt, suffix_txt, from_txt, to_txt,
                                                      help_btn, manage_digit_chk})
        w->setEnabled(seq);
    for (QWidget* w : std::initializer_list<QWidget*>{const_file_name, value_txt, count_txt, count_stepper})
        w->setEnabled(cnst);
    for (QWidget* w : std::initializer_list<QWidget*>{rndm_file_name, rand_prefix_txt, rand_suffix_txt,
                                                      rand_length_txt, rand_length_stepper, rand_count_txt,
                                                      rand_count_stepper})
        w->setEnabled(rnd);
}

void Generate_List::Sequintial_Radio_Pressed() { selectMode(radioButton_Sequntial, seq_file_name); }

void Generate_List::Constant_Radio_Pressed() { selectMode(radioButton_Constant, const_file_name); }

void Generate_List::Random_Radio_Pressed() { selectMode(radioButton_Random, rndm_file_name); }

void Generate_List::stepperPair(QLineEdit* field, QSpinBox* stepper, QObject* sender) {
    if (sender == stepper)
        field->setText(QString::number(stepper->value()));
    else
        setQuietly(stepper, intValue(field->text()));
}

void Generate_List::Count_Stepper_Pressed(QObject* sender) { stepperPair(count_txt, count_stepper, sender); }

void Generate_List::Random_Length_Stepper_Pressed(QObject* sender) {
    stepperPair(rand_length_txt, rand_length_stepper, sender);
}

void Generate_List::Random_Count_Stepper_Pressed(QObject* sender) {
    stepperPair(rand_count_txt, rand_count_stepper, sender);
}

void Generate_List::controlTextDidChange(QLineEdit* field) {
    auto put = [field](const QString& text) {
        if (field->text() != text)
            field->setText(text);
    };
    if (field == count_txt || field == rand_count_txt) {
        put(liveCountText(field->text(), 5, 10000));
        setQuietly(field == count_txt ? count_stepper : rand_count_stepper, intValue(field->text()));
    } else if (field == rand_length_txt) {
        put(liveCountText(field->text(), 1, 9));
        setQuietly(rand_length_stepper, intValue(field->text()));
    } else if (field == from_txt || field == to_txt) {
        put(liveBoundText(field->text()));
    }
}

void Generate_List::Help_btn_Pressed() {
    Show_MessageBox(QStringLiteral(
        "Maintain number of Digits By adding 0's before smaller values. \n\n"
        "For example:\nIf you have to generate a series having values from '0' to '200', this option automatically "
        "converts small values such as '1' to '001' and '11' to '011' to maintain number of digits same as the "
        "highest value in the series.\n\nSimilarly, if you have selected a series starting from '001' to '00200', "
        "this option automatically converts small values such as '001' to '00001' and '0011' to '00011' to "
        "maintain number of digits same as the highest value in the series."));
}

QString Generate_List::PadZero(const QString& text, int length) {
    return text.size() >= length ? text : QString(length - text.size(), QLatin1Char('0')) + text;
}

qint64 Generate_List::getRandomNumberBetweenMin(qint64 min, qint64 max) {
    return QRandomGenerator::global()->bounded(min, max + 1);
}

int Generate_List::intValue(const QString& text) {
    const qint64 n = zelk::leadingInteger(text, qint64(std::numeric_limits<int>::max()) + 1);
    return static_cast<int>(std::clamp<qint64>(n, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

QString Generate_List::liveCountText(const QString& text, int maxLength, int ceiling) {
    const QString t = text.trimmed();
    QString out = text;
    if (t.isEmpty() || intValue(t) == 0)
        out = QStringLiteral("1");
    else if (t.size() > maxLength)
        out = t.left(maxLength);
    if (intValue(out) > ceiling)
        out = QString::number(ceiling);
    return out;
}

QString Generate_List::liveBoundText(const QString& text) {
    auto trimWhile = [](QString s, auto test) {
        qsizetype b = 0, e = s.size();
        while (b < e && test(s.at(b)))
            ++b;
        while (e > b && test(s.at(e - 1)))
            --e;
        return s.mid(b, e - b);
    };
    QString s = trimWhile(text, [](QChar c) { return c.isLetter(); });
    s = trimWhile(s, [](QChar c) { return c.isSpace(); });
    s = trimWhile(s, [](QChar c) { return c.isNonCharacter() || c.category() == QChar::Other_NotAssigned; });
    s = trimWhile(s, [](QChar c) { return c.isSymbol(); });
    return s.left(10);
}

QStringList Generate_List::sequentialValues(const QString& prefix, const QString& from, const QString& to, bool pad,
                                            const QString& suffix) {
    const qint64 first = intValue(from);
    const qint64 count = qint64(intValue(to)) - first + 1;
    const int length = static_cast<int>(to.size() > from.size() ? to.size() : from.size());
    QStringList values;
    values.reserve(count);
    for (qint64 i = 0; i < count; ++i) {
        QString number = QString::number(first + i);
        if (pad)
            number = PadZero(number, length);
        values.append(prefix + number + suffix);
    }
    return values;
}

bool Generate_List::produce(QStringList& values, QString& typedName) {
    auto refuse = [](const QString& message, QLineEdit* field) {
        Show_MessageBox(message);
        field->setFocus();
        return false;
    };
    const QString countMessage = QStringLiteral("Please enter valid number for 'Count' value.");
    if (radioButton_Sequntial->isChecked()) {
        if (from_txt->text().isEmpty())
            return refuse(QStringLiteral("Please enter valid number for 'From' value."), from_txt);
        if (to_txt->text().isEmpty())
            return refuse(QStringLiteral("Please enter valid number for 'To' value."), to_txt);
        const qint64 from = intValue(from_txt->text()), to = intValue(to_txt->text());
        if (to <= from)
            return refuse(QStringLiteral("Please enter valid number.\n'From' value must be smaller than 'To' value."),
                          from_txt);
        // Counted in 64 bits: far-apart 32-bit bounds neither overflow nor run away.
        if (to - from + 1 > kMaxValues)
            return refuse(QStringLiteral("A series can hold at most %1 values.\n"
                                         "Please enter 'From' and 'To' values closer together.")
                              .arg(kMaxValues),
                          to_txt);
        typedName = seq_file_name->text();
        values = sequentialValues(prefix_txt->text(), from_txt->text(), to_txt->text(),
                                  manage_digit_chk->isChecked(), suffix_txt->text());
        return true;
    }
    if (radioButton_Constant->isChecked()) {
        if (value_txt->text().isEmpty())
            return refuse(QStringLiteral("Please enter valid Value."), value_txt);
        const int count = intValue(count_txt->text());
        if (count_txt->text().isEmpty() || count < 1)
            return refuse(countMessage, count_txt);
        typedName = const_file_name->text();
        values = QStringList(count, value_txt->text());
        return true;
    }
    const int count = intValue(rand_count_txt->text());
    if (rand_count_txt->text().isEmpty() || count < 1)
        return refuse(countMessage, rand_count_txt);
    const int digits = intValue(rand_length_txt->text());
    if (rand_length_txt->text().isEmpty() || digits < 1 || digits > 9)
        return refuse(QStringLiteral("Please enter valid number for 'Length' value."), rand_length_txt);
    typedName = rndm_file_name->text();
    qint64 min = 1;
    for (int k = 1; k < digits; ++k)
        min *= 10;
    values.clear();
    for (int i = 0; i < count; ++i)
        values.append(rand_prefix_txt->text() + QString::number(getRandomNumberBetweenMin(min, min * 10 - 1)) +
                      rand_suffix_txt->text());
    return true;
}

void Generate_List::OKPressed() {
    QStringList values;
    QString typedName;
    if (!produce(values, typedName))
        return;
    if (file_name_required == 1) {
        const std::optional<QString> name = series::cleanedName(typedName);
        if (!name || !series::mayWriteNew(*name))
            return;
        if (!SeriesFile::write(series::pathOf(*name), values)) {
            Show_MessageBox(series::kFileError);
            return;
        }
    } else if (BatchWizard_Window) {
        BatchWizard_Window->Create_Value_List(values);
    }
    if (file_name_Insert == 1 && BatchWizard_Window)
        BatchWizard_Window->Fill_List();
    done(1);
}

void Generate_List::CancelPressed() { done(0); }
