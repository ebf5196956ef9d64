// The series generator played through the dialog runner: its values, its
// refusals (the window stays open), the live field rules and the limit.
#include "SeriesFixture.h"
#include "datasource/BatchWizard.h"
#include "datasource/Generate_List.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace zelk::test {
namespace {

class SeriesGeneratorTest : public SeriesFixture {
protected:
    Generate_List* g = Generate_List::defaultInstance();
    // Opens the generator for a new series (or for the manager's list) and
    // presses OK after `set`; the code of the run.
    int generate(const std::function<void(Generate_List*)>& set, bool named = true) {
        g->file_name_required = named ? 1 : 0;
        g->file_name_Insert = 0;
        play = [&](QDialog*) {
            set(g);
            g->OKPressed();
            return g->result();
        };
        return g->Open_Wnd();
    }
    static std::function<void(Generate_List*)> sequential(QString from, QString to, bool pad, QString prefix = {}) {
        return [=](Generate_List* w) {
            w->seq_file_name->setText("G");
            w->prefix_txt->setText(prefix);
            w->from_txt->setText(from);
            w->to_txt->setText(to);
            w->manage_digit_chk->setChecked(pad);
        };
    }
};

TEST_F(SeriesGeneratorTest, SequentialValuesAndRefusals) {
    const QString order = "Please enter valid number.\n'From' value must be smaller than 'To' value.";
    const struct {
        const char* from;
        const char* to;
        bool pad;
        const char* prefix;
        QByteArray file;  // "" when refused
        QString message;
    } cases[] = {
        {"8", "12", true, "", "08\n09\n10\n11\n12\n", {}},            // padded to the length of "12"
        {"8", "12", false, "", "8\n9\n10\n11\n12\n", {}},
        {"8", "12", true, "ID-", "ID-08\nID-09\nID-10\nID-11\nID-12\n", {}},
        {"001", "3", true, "", "001\n002\n003\n", {}},                 // the longer text sets the length
        {"5", "5", false, "", "", order},
        {"12", "8", false, "", "", order},
        {"", "8", false, "", "", "Please enter valid number for 'From' value."},
        {"-2147483648", "2147483647", false, "", "", "too many"},     // 2^32 values: counted in 64 bits
        {"1", "1000001", false, "", "", "too many"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from + std::string("..") + c.to);
        QFile::remove(seriesPath("G"));
        shown.clear();
        const int code = generate(sequential(c.from, c.to, c.pad, c.prefix));
        EXPECT_EQ(seriesBytes("G"), c.file);
        EXPECT_EQ(code, c.file.isEmpty() ? 0 : 1);
        if (c.message == "too many") {
            EXPECT_TRUE(shown.size() == 1 && shown.first().contains("1000000")) << shown.join('|').toStdString();
        } else {
            EXPECT_EQ(shown, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        }
    }
    // The limit itself is allowed.
    EXPECT_EQ(generate(sequential("1", "1000000", false)), 1);
    const QByteArray big = seriesBytes("G");
    EXPECT_EQ(big.count('\n'), 1000000);
    EXPECT_TRUE(big.endsWith("\n999999\n1000000\n"));
}

TEST_F(SeriesGeneratorTest, ConstantRandomAndTheManagersList) {
    auto constant = [](QString value, QString count) {
        return [=](Generate_List* w) {
            w->Constant_Radio_Pressed();
            w->const_file_name->setText("C");
            w->value_txt->setText(value);
            w->count_txt->setText(count);
        };
    };
    EXPECT_EQ(generate(constant(" ", "3")), 1);
    EXPECT_EQ(seriesBytes("C"), " \n \n \n");  // written as given

    EXPECT_EQ(generate([](Generate_List* w) {
                  w->Random_Radio_Pressed();
                  w->rndm_file_name->setText("R");
                  w->rand_length_txt->setText("3");
                  w->rand_count_txt->setText("4");
              }),
              1);
    const QStringList random = QString::fromUtf8(seriesBytes("R")).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(random.size(), 4);
    for (const QString& r : random)
        EXPECT_TRUE(r.toInt() >= 100 && r.toInt() <= 999) << r.toStdString();

    // Without a series name the values go to the manager's list, which
    // drops blank ones.
    BatchWizard* manager = BatchWizard::defaultInstance();
    manager->ListData_value = {"a"};
    EXPECT_EQ(generate(constant(" ", "3"), false), 1);
    EXPECT_EQ(generate(sequential("1", "3", false), false), 1);
    EXPECT_EQ(manager->ListData_value, (QStringList{"a", "1", "2", "3"}));
    EXPECT_TRUE(shown.isEmpty()) << shown.join('|').toStdString();
}

TEST_F(SeriesGeneratorTest, TheTargetSeries) {
    const struct {
        const char* name;
        QString typed;
        bool isBound;
        std::deque<MessageAnswer> answers;
        QStringList shown;
        bool replaced;
    } cases[] = {
        {"reserved only", "/?", false, {}, {series::kInvalidName}, false},
        {"in use", "G", true, {}, {series::kInUseCreate}, false},
        {"replace: no", "G", false, {MessageAnswer::No}, {series::kReplaceQuestion}, false},
        {"replace: yes", "G", false, {MessageAnswer::Yes}, {series::kReplaceQuestion}, true},
        {"write fails", unreplaceableName(), false, {MessageAnswer::Yes}, {series::kReplaceQuestion, series::kFileError}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = Remove_Reserve_Char_In_File_Name(c.typed);
        if (!name.isEmpty())
            writeSeries(name, "old\n");
        bound = c.isBound ? QSet<QString>{name} : QSet<QString>{};
        shown.clear();
        answers = c.answers;
        const int code = generate([&](Generate_List* w) {
            sequential("1", "2", false)(w);
            w->seq_file_name->setText(c.typed);
        });
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(code, c.replaced ? 1 : 0);
        if (!name.isEmpty()) {
            EXPECT_EQ(seriesBytes(name), c.replaced ? "1\n2\n" : "old\n");
        }
        // A refusal keeps what was typed.
        EXPECT_EQ(g->to_txt->text(), "2");
    }
}

TEST_F(SeriesGeneratorTest, LiveFieldRules) {
    const struct {
        QLineEdit* field;
        QSpinBox* stepper;
        const char* typed;
        const char* shows;
    } cases[] = {
        {g->count_txt, g->count_stepper, "0", "1"},
        {g->count_txt, g->count_stepper, "", "1"},
        {g->count_txt, g->count_stepper, "123456", "10000"},  // cut to 12345, then the ceiling
        {g->rand_count_txt, g->rand_count_stepper, "250", "250"},
        {g->rand_length_txt, g->rand_length_stepper, "12", "1"},
        {g->rand_length_txt, g->rand_length_stepper, "0", "1"},
        {g->from_txt, nullptr, " 12a", "12"},
        {g->to_txt, nullptr, "+12345678901", "1234567890"},  // the sign is a symbol; 10 characters stay
    };
    for (const auto& c : cases) {
        c.field->setText(QString::fromUtf8(c.typed));
        g->controlTextDidChange(c.field);
        EXPECT_EQ(c.field->text(), c.shows) << c.typed;
        if (c.stepper) {
            EXPECT_EQ(c.stepper->value(), QString(c.shows).toInt()) << c.typed;
        }
    }
    g->count_stepper->stepBy(1);
    EXPECT_EQ(g->count_txt->text(), "10000");  // the stepper stops at its range
    g->count_stepper->stepBy(-1);
    EXPECT_EQ(g->count_txt->text(), "9999");
}

}  // namespace
}  // namespace zelk::test
