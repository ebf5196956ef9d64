// The cropping tool end to end over the main window: the checks of the main
// screen, the direct modes, and batch runs on a worker with Stop and the
// keep-or-replace answers given by a test asker.
#include "../mainwindow/MainWindowTestSupport.h"
#include "NoCameraDevice.h"

#include "datasource/Data_From_Excel.h"
#include "datasource/SeriesFile.h"
#include "dialogs/DialogGlobals.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "foundation/AppPaths.h"
#include "dialogs/Open_Export_Log.h"
#include "dialogs/Send_Modeless.h"
#include "imaging/Camera.h"
#include "imaging/CroppingCommand.h"
#include "imaging/Cropping_Tool.h"
#include "imaging/MSSCanvasController.h"
#include "imaging/MSSScaledImage.h"
#include "mainwindow/AppGlobals.h"
#include "production/ProductionGlobals.h"
#include "visitors/Visitor_Log_Records.h"

#include "inspector/DoubleSlider.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMutex>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace zelk;
using namespace zelk::test;

namespace {

// Picture i is filled with red i: the mark a crop keeps.
QString writeMarked(const QString& folder, int i) {
    QImage p(60, 40, QImage::Format_RGB32);
    p.fill(QColor(i % 256, 100, 50));
    const QString path = QDir(folder).filePath(QStringLiteral("p%1.png").arg(i, 3, 10, QLatin1Char('0')));
    return p.save(path, "PNG") ? path : QString();
}

int markOf(const QString& path) {
    const QImage p(path);
    return p.isNull() ? -1 : QColor(p.pixel(p.width() / 2, p.height() / 2)).red();
}

void waitForRun(const Cropping_Tool& tool) {
    while (tool.cropRunning())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

class CroppingToolTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        open();
        tool = std::make_unique<Cropping_Tool>(window.get());
        tool->askReplace = [this](const QString& path) {
            QMutexLocker lock(&asked);
            questions << QFileInfo(path).fileName();
            return answer ? answer(path) : 4;
        };
        Stop_SMS_Sending_Now = false;
        replace_keep_file_flag = 0;
    }
    void TearDown() override {
        tool.reset();
        MainWindowTest::TearDown();
    }
    QString folder(const QString& name) {
        const QString path = data.filePath(name);
        QDir().mkpath(path);
        return path;
    }
    void writeSeries(const QString& name, const QStringList& lines) {
        QDir().mkpath(::Data_Folder_Path);
        ASSERT_TRUE(SeriesFile::write(SeriesFile::filePath(name, ::Data_Folder_Path), lines));
    }
    static QStringList seriesLines(const QString& name) {
        return SeriesFile::readRowList(SeriesFile::filePath(name, ::Data_Folder_Path));
    }
    // The main screen filled for a series (or folder) input, then Next.
    void chooseSeries(const QString& name, int matrixRow, const QString& out) {
        tool->input_option_matrix->button(3)->click();
        tool->batch_list->setCurrentIndex(tool->batch_list->findText(name));
        tool->batch_matrix->button(matrixRow)->click();
        tool->output_path->setText(out);
        tool->output_format_combo->setCurrentIndex(2);  // png keeps the marks exact
        sink.answers.push_back(MessageAnswer::Yes);
        tool->OK_Btn_Clicked();
    }
    // The main screen filled for the pictures of a folder, written as png,
    // then Next.
    void chooseFolder(const QString& in, const QString& out) {
        tool->input_option_matrix->button(1)->click();
        tool->folder_path->setText(in);
        tool->output_path->setText(out);
        tool->output_format_combo->setCurrentIndex(2);
        tool->OK_Btn_Clicked();
    }
    // Runs the full tool with `play` standing for the user; other windows
    // (the after-export box) are recorded with the message they carried.
    int runFullTool(const std::function<void()>& play) {
        ScopedDialogRunner runner([&](QDialog* d) {
            if (d != tool.get()) {
                boxes << ::Export_File_Message;
                return 0;
            }
            play();
            return tool->result();
        });
        return tool->Open_Wnd();
    }

    std::unique_ptr<Cropping_Tool> tool;
    QMutex asked;
    QStringList questions;
    std::function<int(const QString&)> answer;
    QStringList boxes;
};

}  // namespace

TEST_F(CroppingToolTest, MainScreenChecksInOrder) {
    const struct {
        int input;
        const char* value;  // the input's text
        const char* output;
        bool custom;
        const char* message;
    } cases[] = {
        {0, "", "/tmp", false, "Please select input image file path."},
        {1, "", "/tmp", false, "Please select input folder path."},
        {3, "", "/tmp", false, "Please select batch series."},
        {0, "/x.png", " ", false, "Please select output folder path."},
        {0, "/x.png", "/tmp", true, "Please select output file custom name."},
    };
    runFullTool([&] {
        EXPECT_FALSE(tool->input_option_matrix->button(2)->isEnabled());  // no camera installed
        for (const auto& c : cases) {
            sink.shown.clear();
            tool->input_option_matrix->button(c.input)->click();
            tool->file_path->setText(c.input == 0 ? QString::fromLatin1(c.value) : QString());
            tool->folder_path->setText(c.input == 1 ? QString::fromLatin1(c.value) : QString());
            tool->batch_list->setCurrentIndex(0);  // "<--Select-->" is no series
            tool->output_path->setText(QString::fromLatin1(c.output));
            tool->output_option_matrix->button(c.custom ? 1 : 0)->click();
            tool->output_custom_name->setText(c.custom ? QStringLiteral("  ") : QStringLiteral("Untitled"));
            tool->OK_Btn_Clicked();
            EXPECT_EQ(sink.text(), c.message);
            EXPECT_TRUE(tool->Main_Screen_Box->isVisibleTo(tool.get()));
        }
        // A folder without a picture of an allowed type.
        sink.shown.clear();
        const QString empty = folder(QStringLiteral("empty"));
        QFile(QDir(empty).filePath(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);
        tool->input_option_matrix->button(1)->click();
        tool->folder_path->setText(empty);
        tool->output_path->setText(empty);
        tool->output_option_matrix->button(0)->click();
        tool->OK_Btn_Clicked();
        EXPECT_EQ(sink.text(), "The selected folder does not contains any image with supported extension.");
        EXPECT_TRUE(tool->Main_Screen_Box->isVisibleTo(tool.get()));
        tool->Cancel_Btn_Clicked();
    });
}

TEST_F(CroppingToolTest, ReplacedSeriesStoppedHalfWayStaysWholeThenRunsToTheEnd) {
    const QString in = folder(QStringLiteral("in"));
    QStringList paths;
    for (int i = 0; i < 200; ++i)
        paths << writeMarked(in, i);
    writeSeries(QStringLiteral("Photos"), paths);
    const QString seriesPath = SeriesFile::filePath(QStringLiteral("Photos"), ::Data_Folder_Path);
    const QByteArray before = fileBytes(seriesPath);
    const QString out = folder(QStringLiteral("out"));
    // The file of row 100 exists: the question comes, and "Cancel" with
    // "Apply to All" stops the run as Stop does.
    writeMarked(out, 100);
    answer = [](const QString&) { return 5; };
    runFullTool([&] {
        chooseSeries(QStringLiteral("Photos"), 1, out);
        ASSERT_TRUE(tool->Crop_Screen_Box->isVisibleTo(tool.get())) << sink.text();
        tool->canvasController->addSelectorWithFrame(QRectF(10, 10, 20, 20));
        tool->Crop_All_Clicked();
        waitForRun(*tool);
        EXPECT_EQ(questions, QStringList{QStringLiteral("p100.png")});
        EXPECT_EQ(fileBytes(seriesPath), before);
        EXPECT_EQ(boxes, QStringList{QStringLiteral("Cropping was stopped. The series has not been changed.")});
        EXPECT_FALSE(tool->send_modls_wnd->isSheetShown());
        EXPECT_TRUE(QFileInfo::exists(QDir(out).filePath(QStringLiteral("p099.png"))));
        EXPECT_FALSE(QFileInfo::exists(QDir(out).filePath(QStringLiteral("p101.png"))));
        EXPECT_EQ(markOf(QDir(out).filePath(QStringLiteral("p042.png"))), 42);

        // The whole run into a new folder replaces the series.
        boxes.clear();
        answer = nullptr;
        tool->Crop_Output_Path = folder(QStringLiteral("out2"));
        tool->Crop_All_Clicked();
        waitForRun(*tool);
        EXPECT_EQ(boxes, QStringList{QStringLiteral("Image has been cropped successfully.")});
        tool->Cancel_Btn_Clicked();
    });
    const QStringList lines = seriesLines(QStringLiteral("Photos"));
    ASSERT_EQ(lines.size(), 200);
    for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(QFileInfo(lines[i]).path(), data.filePath(QStringLiteral("out2"))) << i;
        ASSERT_EQ(markOf(lines[i]), i) << lines[i].toStdString();
        ASSERT_EQ(QImage(lines[i]).size(), QSize(20, 20));
    }
    EXPECT_EQ(tool->croped_file, lines.last());
}

TEST_F(CroppingToolTest, NewSeriesTakesAFreeNameAndKeepAndCancelGiveTheirEntries) {
    const QString in = folder(QStringLiteral("in"));
    const QStringList paths{writeMarked(in, 0), writeMarked(in, 1), writeMarked(in, 2)};
    writeSeries(QStringLiteral("Photos"), paths);
    writeSeries(QStringLiteral("Photos (1)"), paths);
    const QString out = folder(QStringLiteral("out"));
    writeMarked(out, 0);
    writeMarked(out, 1);
    // Keep for the first, cancel for the second.
    answer = [](const QString& path) { return path.endsWith(QLatin1String("p000.png")) ? 1 : 4; };
    runFullTool([&] {
        chooseSeries(QStringLiteral("Photos"), 0, out);
        tool->canvasController->addSelectorWithFrame(QRectF(5, 5, 30, 30));
        tool->Crop_All_Clicked();
        waitForRun(*tool);
        tool->Cancel_Btn_Clicked();
    });
    EXPECT_EQ(questions, (QStringList{QStringLiteral("p000.png"), QStringLiteral("p001.png")}));
    const QStringList lines = seriesLines(QStringLiteral("Photos (2)"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QDir(out).filePath(QStringLiteral("p000 (1).png")));  // the free name
    EXPECT_EQ(lines[1], "");                                                  // cancelled: nothing written
    EXPECT_EQ(markOf(lines[2]), 2);
    EXPECT_EQ(seriesLines(QStringLiteral("Photos")), paths);
}

TEST_F(CroppingToolTest, DirectSeriesKeepsEmptyLinesForMissingFiles) {
    const QString in = folder(QStringLiteral("in"));
    QStringList lines;
    for (int i = 0; i < 6; ++i)
        lines << (i == 1 || i == 3 ? QDir(in).filePath(QStringLiteral("missing%1.png").arg(i)) : writeMarked(in, i));
    writeSeries(QStringLiteral("Staff"), lines);
    for (const char* expected : {"Staff (1)", "Staff (2)"}) {
        sink.shown.clear();
        ScopedDialogRunner runner([&](QDialog*) {
            tool->canvasController->addSelectorWithFrame(QRectF(10, 10, 20, 20));
            sink.answers.push_back(MessageAnswer::Yes);
            tool->Crop_Direct_Image_Clicked();
            waitForRun(*tool);
            return tool->result();
        });
        ASSERT_EQ(tool->Open_Wnd_Direct_Crop_Series(QStringLiteral("Staff")), 1) << sink.text();
        EXPECT_EQ(tool->Crop_Direct_Series, expected);
        EXPECT_TRUE(sink.shown.contains(QStringLiteral("4 of 6 images have been cropped."))) << sink.text();
        const QStringList made = seriesLines(QString::fromLatin1(expected));
        ASSERT_EQ(made.size(), 6);
        for (int i = 0; i < 6; ++i) {
            if (i == 1 || i == 3) {
                EXPECT_EQ(made[i], "");
                continue;
            }
            EXPECT_EQ(made[i], QDir(::Cropped_Img_Path)
                                   .filePath(QStringLiteral("%1/p%2.png").arg(expected).arg(i, 3, 10, QLatin1Char('0'))));
            EXPECT_EQ(markOf(made[i]), i);
        }
    }
    EXPECT_TRUE(questions.isEmpty());
}

TEST_F(CroppingToolTest, DirectExcelColumnAddsColumnFour) {
    const QString in = folder(QStringLiteral("in"));
    Data_From_Excel* excel = Data_From_Excel::defaultInstance();
    excel->clearRows();
    excel->removeDataColumns();
    for (const char* title : {"Name", "Photo", "Dept"})
        excel->addDataColumn(QString::fromLatin1(title));
    ASSERT_EQ(excel->ColList().size(), 4);
    for (int i = 0; i < 3; ++i)
        excel->Create_List_By_Array({QStringLiteral("N%1").arg(i), i == 1 ? QString() : writeMarked(in, i),
                                     QStringLiteral("D")},
                                    3);
    ScopedDialogRunner runner([&](QDialog*) {
        tool->canvasController->addSelectorWithFrame(QRectF(10, 10, 20, 20));
        sink.answers.push_back(MessageAnswer::Yes);
        tool->Crop_Direct_Image_Clicked();
        waitForRun(*tool);
        return tool->result();
    });
    ASSERT_EQ(tool->Open_Wnd_Direct_Excel_Column(QStringLiteral("Photo"), 2), 1) << sink.text();
    EXPECT_EQ(tool->Crop_New_Excel_Col_Index, 4);
    EXPECT_EQ(tool->Crop_New_Excel_Col_Name, "Column4");
    EXPECT_EQ(excel->ColList().size(), 5);
    EXPECT_EQ(excel->ColList().at(4).title, "Column 5");
    const QString made = QDir(::Cropped_Img_Path).filePath(QStringLiteral("Column 5/p000.png"));
    EXPECT_EQ(excel->ListData[0].value(QStringLiteral("Column4")).toString(), made);
    EXPECT_EQ(excel->ListData[1].value(QStringLiteral("Column4")).toString(), "");
    EXPECT_EQ(markOf(excel->ListData[2].value(QStringLiteral("Column4")).toString()), 2);
    excel->clearRows();
    excel->removeDataColumns();
}

TEST_F(CroppingToolTest, DirectPictureGetsFreeNamesWithoutAQuestion) {
    const QString in = folder(QStringLiteral("in"));
    QImage p(80, 60, QImage::Format_RGB32);
    p.fill(Qt::blue);
    const QString photo = QDir(in).filePath(QStringLiteral("photo.JPG"));
    ASSERT_TRUE(p.save(photo, "JPG"));
    const auto crop = [&] {
        ScopedDialogRunner runner([&](QDialog*) {
            tool->canvasController->addSelectorWithFrame(QRectF(10, 10, 30, 30));
            tool->Crop_Direct_Image_Clicked();
            return tool->result();
        });
        return tool->Open_Wnd_Direct_To_Crop(photo);
    };
    ASSERT_EQ(crop(), 1) << sink.text();
    EXPECT_EQ(tool->Crop_Direct_Path, QDir(::Cropped_Img_Path).filePath(QStringLiteral("photo.jpg")));
    ASSERT_EQ(crop(), 1);
    EXPECT_EQ(tool->Crop_Direct_Path, QDir(::Cropped_Img_Path).filePath(QStringLiteral("photo (1).jpg")));
    EXPECT_EQ(QImage(tool->Crop_Direct_Path).size(), QSize(30, 30));
    EXPECT_TRUE(questions.isEmpty());

    // A picture that cannot be read: the reason, and the tool stays open.
    sink.shown.clear();
    ScopedDialogRunner runner([&](QDialog*) {
        tool->Crop_Direct_Image_Clicked();
        return tool->result();
    });
    EXPECT_EQ(tool->Open_Wnd_Direct_To_Crop(QDir(in).filePath(QStringLiteral("gone.jpg"))), 0);
    EXPECT_EQ(sink.text(), "There is no image to crop.");
}

TEST_F(CroppingToolTest, FaceModeCropsEachPictureAtItsOwnFace) {
    const QString in = folder(QStringLiteral("in"));
    const QString face = sourceDir() + QStringLiteral("/tests/data/astronaut.png");
    QFile::copy(face, QDir(in).filePath(QStringLiteral("a.png")));
    QImage plain(300, 200, QImage::Format_RGB32);
    plain.fill(Qt::darkGreen);
    plain.save(QDir(in).filePath(QStringLiteral("b.png")));
    QImage small = QImage(face).scaled(300, 300, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    small.save(QDir(in).filePath(QStringLiteral("c.png")));
    const QStringList paths{QDir(in).filePath(QStringLiteral("a.png")), QDir(in).filePath(QStringLiteral("b.png")),
                            QDir(in).filePath(QStringLiteral("c.png"))};
    writeSeries(QStringLiteral("Faces"), paths);
    writeSeries(QStringLiteral("Plain"), {paths[1]});
    const QString out = folder(QStringLiteral("out"));
    runFullTool([&] {
        ASSERT_TRUE(tool->cropping_option_matrix->button(1)->isEnabled());
        // On a picture without a face: said when chosen and when Crop All is pressed.
        chooseSeries(QStringLiteral("Plain"), 0, out);
        sink.shown.clear();
        tool->cropping_option_matrix->button(1)->click();
        tool->Crop_All_Clicked();
        EXPECT_FALSE(tool->cropRunning());
        EXPECT_EQ(sink.text(), "No face detected. | No face detected.");
        tool->Back_Btn_Clicked();

        tool->cropping_option_matrix->button(0)->click();
        chooseSeries(QStringLiteral("Faces"), 0, out);
        tool->cropping_option_matrix->button(1)->click();
        ASSERT_TRUE(tool->Find_Face);
        tool->Crop_All_Clicked();
        waitForRun(*tool);
        tool->Cancel_Btn_Clicked();
    });
    const QStringList lines = seriesLines(QStringLiteral("Faces (1)"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], "");
    // Each crop is the face of its own picture, found in that picture (at
    // 300 px not the larger false face): the two crops show the same face.
    const QImage a(lines[0]), c(lines[2]);
    ASSERT_FALSE(a.isNull());
    ASSERT_FALSE(c.isNull());
    EXPECT_NEAR(double(a.width()) / c.width(), 500.0 / 300.0, 0.2);
    const QImage same = c.scaled(a.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double diff = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            diff += std::abs(qGray(a.pixel(x, y)) - qGray(same.pixel(x, y)));
    EXPECT_LT(diff / (a.width() * a.height()), 30.0);
}

TEST_F(CroppingToolTest, InstalledOpenersCropThroughTheTool) {
    EXPECT_FALSE(window->croppingTool.Open_Wnd_Direct_Crop_Series);
    CroppingCommand::install(*window);
    EXPECT_TRUE(window->croppingTool.Open_Wnd_Direct_Crop_Series);
    EXPECT_TRUE(window->croppingTool.Open_Wnd_Direct_Excel_Column);
    const QString in = folder(QStringLiteral("in"));
    const QString photo = writeMarked(in, 7);
    ScopedDialogRunner runner([&](QDialog* d) {
        auto* t = qobject_cast<Cropping_Tool*>(d);
        if (!t)
            return 0;
        t->canvasController->addSelectorWithFrame(QRectF(10, 10, 20, 20));
        t->Crop_Direct_Image_Clicked();
        return t->result();
    });
    QString cropped;
    ASSERT_EQ(window->croppingTool.Open_Wnd_Direct_To_Crop(0, photo, cropped), 1) << sink.text();
    EXPECT_EQ(cropped, QDir(::Cropped_Img_Path).filePath(QStringLiteral("p007.png")));
    EXPECT_EQ(markOf(cropped), 7);
    EXPECT_EQ(sink.shown.last(), "Image has been cropped successfully.");
}

TEST_F(CroppingToolTest, SizeTextsResetQuestionAndFaceChoice) {
    const struct {
        const char *typed, *shown;
        int stepper;
    } texts[] = {{"", "1", 1}, {"0", "1", 1}, {"123456", "10000", 10000}, {"20000", "10000", 10000}, {"9999", "9999", 9999}};
    for (const auto& t : texts) {
        tool->width_Text->setText(QString::fromLatin1(t.typed));
        emit tool->width_Text->textEdited(tool->width_Text->text());
        EXPECT_EQ(tool->width_Text->text(), QString::fromLatin1(t.shown)) << t.typed;
        EXPECT_EQ(tool->width_Stepper->value(), t.stepper) << t.typed;
    }

    // Resetting the editing settings asks first; No changes nothing.
    tool->Sat_slidr->setDoubleValue(1.5);
    tool->Image_Sepia_chk->setChecked(true);
    sink.answers = {MessageAnswer::No};
    tool->Image_reset_Button();
    EXPECT_EQ(sink.shown.last(), "Are you sure you want to reset image settings?");
    EXPECT_DOUBLE_EQ(tool->Sat_slidr->doubleValue(), 1.5);
    sink.answers = {MessageAnswer::Yes};
    tool->Image_reset_Button();
    EXPECT_DOUBLE_EQ(tool->Sat_slidr->doubleValue(), 1.0);
    EXPECT_FALSE(tool->Image_Sepia_chk->isChecked());
    EXPECT_EQ(tool->Sat_slidr_val->text(), "1");

    // Face detection needs its cascade.
    EXPECT_TRUE(tool->cropping_option_matrix->button(1)->isEnabled());
    tool->cascadePath = QStringLiteral("/nonexistent.xml");
    tool->Disable_Auto_Face_Radio();
    EXPECT_FALSE(tool->cropping_option_matrix->button(1)->isEnabled());
}

TEST_F(CroppingToolTest, SingleCropsNameTheirFilesAndAskAboutTakenNames) {
    const QString in = folder(QStringLiteral("in"));
    writeMarked(in, 3);
    const QString out = folder(QStringLiteral("out"));
    answer = [](const QString&) { return 1; };  // keep both
    runFullTool([&] {
        tool->input_option_matrix->button(1)->click();
        tool->folder_path->setText(in);
        tool->output_path->setText(out);
        tool->output_format_combo->setCurrentIndex(2);
        tool->output_option_matrix->button(1)->click();
        tool->output_custom_name->setText(QStringLiteral("Card"));
        tool->OK_Btn_Clicked();
        ASSERT_TRUE(tool->Crop_Screen_Box->isVisibleTo(tool.get())) << sink.text();
        tool->canvasController->addSelectorWithFrame(QRectF(10, 10, 20, 20));
        for (int i = 0; i < 3; ++i)
            tool->Crop_Single_Image_Clicked();
        // A selection without width writes nothing and says nothing.
        sink.shown.clear();
        boxes.clear();
        tool->canvasController->selectors().constLast()->Set_Selector_frame(QRectF(10, 10, 0, 20));
        tool->Crop_Single_Image_Clicked();
        EXPECT_TRUE(sink.shown.isEmpty()) << sink.text();
        EXPECT_TRUE(boxes.isEmpty());
        EXPECT_EQ(tool->croped_file, "");
        // By the input's name every crop targets the same file: the question.
        tool->canvasController->selectors().constLast()->Set_Selector_frame(QRectF(10, 10, 20, 20));
        tool->output_option_matrix->button(0)->click();
        tool->Crop_Single_Image_Clicked();
        tool->Crop_Single_Image_Clicked();
        tool->Cancel_Btn_Clicked();
    });
    for (const char* name : {"Card.png", "Card_1.png", "Card_2.png", "p003.png", "p003 (1).png"})
        EXPECT_EQ(markOf(QDir(out).filePath(QString::fromLatin1(name))), 3) << name;
    EXPECT_EQ(questions, QStringList{QStringLiteral("p003.png")});
    EXPECT_EQ(boxes.size(), 2);  // since the count was cleared: the two named by the input
}

namespace {
// A camera that only records what the tool asks of it.
class FakeCamera : public CroppingCamera {
public:
    explicit FakeCamera(QStringList* calls) : calls_(calls) {}
    QList<Device> list() override { return {{QStringLiteral("Desk camera"), QStringLiteral("cam-1")}}; }
    bool start(const QString& id, std::function<void(const QImage&)>) override {
        *calls_ << QStringLiteral("start ") + id;
        running_ = true;
        return true;
    }
    void stop() override {
        *calls_ << QStringLiteral("stop");
        running_ = false;
    }
    QImage takePicture() override { return QImage(); }
    bool running() const override { return running_; }

private:
    QStringList* calls_;
    bool running_ = false;
};
}  // namespace

TEST_F(CroppingToolTest, CameraRowFollowsTheInstalledCamera) {
    EXPECT_FALSE(tool->input_option_matrix->button(2)->isEnabled());
    EXPECT_EQ(tool->camera_list->count(), 0);
    QStringList calls;
    tool->setCamera(std::make_unique<FakeCamera>(&calls));
    EXPECT_TRUE(tool->input_option_matrix->button(2)->isEnabled());
    EXPECT_EQ(tool->camera_list->currentText(), "Desk camera");
    EXPECT_EQ(tool->camera_list_unq_id->currentText(), "cam-1");
    // The camera input takes a custom name by itself.
    tool->input_option_matrix->button(2)->click();
    EXPECT_EQ(tool->output_option_matrix->checkedId(), 1);
    EXPECT_FALSE(tool->output_option_matrix->button(0)->isEnabled());
    tool->Cancel_Btn_Clicked();
    EXPECT_TRUE(calls.isEmpty());  // nothing was started
    tool->Start_Btn_Clicked();
    tool->Cancel_Btn_Clicked();
    EXPECT_EQ(calls, (QStringList{QStringLiteral("start cam-1"), QStringLiteral("stop")}));
}

// One selection over pictures larger and smaller than it: each crop is cut
// from its own picture only, so none is blank; those it misses are named at
// the end, nothing is written for them, and the end does not say success.
TEST_F(CroppingToolTest, CropAllClipsToEachPictureAndNamesThoseMissed) {
    const QString in = folder(QStringLiteral("in")), out = folder(QStringLiteral("out"));
    const struct {
        const char* name;
        QSize size;
        QSize crop;  // selection 10,10 100 x 100 in the 500 x 400 view; 0 x 0: missed
    } pictures[] = {
        {"a_large.png", {1000, 800}, {100, 100}},  // cut from its 500 x 400 preview
        {"b_small.png", {60, 40}, {50, 30}},       // the selection reaches past two edges
        {"c_tiny.png", {5, 5}, {0, 0}},
        {"d_one.png", {1, 1}, {0, 0}},
    };
    for (const auto& p : pictures) {
        QImage picture(p.size, QImage::Format_RGB32);
        picture.fill(QColor(p.size.width() % 256, 90, 40));
        ASSERT_TRUE(picture.save(QDir(in).filePath(QString::fromLatin1(p.name))));
    }
    runFullTool([&] {
        chooseFolder(in, out);
        ASSERT_TRUE(tool->Crop_Screen_Box->isVisibleTo(tool.get())) << sink.text();
        tool->canvasController->addSelectorWithFrame(QRectF(10, 10, 100, 100));
        sink.shown.clear();
        tool->Crop_All_Clicked();
        waitForRun(*tool);
        tool->Cancel_Btn_Clicked();
    });
    EXPECT_EQ(sink.text(), "Nothing of these pictures lies inside the selection, and nothing was written for them:\n\n" +
                               QDir(in).filePath(QStringLiteral("c_tiny.png")).toStdString() + "\n" +
                               QDir(in).filePath(QStringLiteral("d_one.png")).toStdString());
    EXPECT_EQ(boxes, QStringList{QStringLiteral("2 of 4 images have been cropped.")});
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 2);
    for (const auto& p : pictures) {
        const QImage crop(QDir(out).filePath(QString::fromLatin1(p.name)));
        EXPECT_EQ(crop.size(), p.crop) << p.name;
        for (int y = 0; y < crop.height(); ++y)
            for (int x = 0; x < crop.width(); ++x)
                ASSERT_EQ(crop.pixel(x, y), QColor(p.size.width() % 256, 90, 40).rgb()) << p.name;
    }
}

// A crop that cannot be written ends the run with its reason; the end counts
// what was cropped and does not say success.
TEST_F(CroppingToolTest, AFailedWriteEndsTheRunWithTheCountNotSuccess) {
    const QString in = folder(QStringLiteral("in")), out = folder(QStringLiteral("out"));
    for (int i = 0; i < 4; ++i)
        writeMarked(in, i);
    ASSERT_TRUE(QDir(out).mkdir(QStringLiteral("p001.png")));  // in the way of the second crop
    answer = [](const QString&) { return 0; };                  // replace
    runFullTool([&] {
        chooseFolder(in, out);
        tool->canvasController->addSelectorWithFrame(QRectF(5, 5, 20, 20));
        sink.shown.clear();
        tool->Crop_All_Clicked();
        waitForRun(*tool);
        tool->Cancel_Btn_Clicked();
    });
    EXPECT_EQ(sink.text(), "The file could not be written:\n\n" + QDir(out).filePath("p001.png").toStdString() +
                               "\nA folder of that name is in the way.");
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList{QStringLiteral("p000.png")});
    EXPECT_EQ(boxes, QStringList{QStringLiteral("1 of 4 images have been cropped.")});
}

// A picture that gave no file (unreadable, no face in it) ends the run with
// the count, whatever the input and the method; only a run that wrote every
// picture says success.
TEST_F(CroppingToolTest, ARunThatMissedAPictureEndsWithTheCount) {
    const struct {
        const char* what;
        bool series;
        int method;
        const char* pictures;  // '.' a picture without a face, '0' a file of 0 bytes, 'f' a face
        int files;
        const char* box;
    } cases[] = {
        {"folder, selection", false, 0, "...0...", 6, "6 of 7 images have been cropped."},
        {"folder, faces", false, 1, "f..", 1, "1 of 3 images have been cropped."},
        {"series, selection", true, 0, ".0.", 2, "2 of 3 images have been cropped."},
        {"folder, none readable", false, 0, "00", 0, "0 of 2 images have been cropped."},
        {"folder, all written", false, 0, "..", 2, "Image has been cropped successfully."},
    };
    const QImage face(sourceDir() + QStringLiteral("/tests/data/astronaut.png"));
    QImage plain(80, 60, QImage::Format_RGB32);
    plain.fill(Qt::darkGreen);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString in = folder(QString::fromLatin1(c.what)), out = folder(QStringLiteral("out ") + c.what);
        QStringList paths;
        for (int i = 0; c.pictures[i]; ++i) {
            paths << QDir(in).filePath(QStringLiteral("p%1.jpg").arg(i));
            if (c.pictures[i] == '0')
                ASSERT_TRUE(QFile(paths.last()).open(QIODevice::WriteOnly));
            else
                ASSERT_TRUE((c.pictures[i] == 'f' ? face : plain).save(paths.last()));
        }
        const QString series = QStringLiteral("Counted %1").arg(c.what).remove(QLatin1Char(','));
        if (c.series)
            writeSeries(series, paths);
        boxes.clear();
        runFullTool([&] {
            if (c.series)
                chooseSeries(series, 0, out);
            else
                chooseFolder(in, out);
            tool->cropping_option_matrix->button(c.method)->click();
            if (c.method == 0)
                tool->canvasController->addSelectorWithFrame(QRectF(5, 5, 20, 20));
            sink.shown.clear();
            tool->Crop_All_Clicked();
            waitForRun(*tool);
            tool->Cancel_Btn_Clicked();
        });
        // The after-export box, or a message box when there is no file to offer.
        EXPECT_EQ(boxes + sink.shown, QStringList{QString::fromLatin1(c.box)});
        EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), c.files);
    }
}

// Pictures of any proportions, two-colour ones too (as image tools write a
// solid colour): the crop screen shows them and a selection over the whole
// picture crops their own pixels.
TEST_F(CroppingToolTest, ThinStripsShowAndCropToTheirOwnPixels) {
    const QColor orange(255, 165, 0);
    const struct {
        QSize size;
        QImage::Format format;
        QSize crop;  // the preview: at most 500 x 500
    } cases[] = {
        {{1, 4000}, QImage::Format_Mono, {1, 500}},
        {{4000, 1}, QImage::Format_Mono, {500, 1}},
        {{2, 4000}, QImage::Format_RGB32, {1, 500}},
    };
    for (const auto& c : cases) {
        const QString name = QStringLiteral("%1x%2").arg(c.size.width()).arg(c.size.height());
        SCOPED_TRACE(name.toStdString());
        const QString in = folder(name), out = folder(name + QStringLiteral(" out"));
        QImage strip(c.size, c.format);
        if (c.format == QImage::Format_Mono)
            strip.setColorTable({orange.rgb(), orange.rgb()});
        strip.fill(orange);
        ASSERT_TRUE(strip.save(QDir(in).filePath(QStringLiteral("strip.png"))));
        runFullTool([&] {
            chooseFolder(in, out);
            const QImage screen = tool->Modified_image->grab().toImage();
            qsizetype shown = 0;
            for (int y = 0; y < screen.height(); ++y)
                for (int x = 0; x < screen.width(); ++x)
                    shown += QColor(screen.pixel(x, y)) == orange;
            EXPECT_GE(shown, std::max(c.crop.width(), c.crop.height()) * 3 / 4);
            const QRectF canvas = tool->canvasController->canvasFrame();
            tool->canvasController->addSelectorWithFrame(QRectF(QPointF(0, 0), canvas.size()));
            tool->Crop_All_Clicked();
            waitForRun(*tool);
            tool->Cancel_Btn_Clicked();
        });
        const QImage crop(QDir(out).filePath(QStringLiteral("strip.png")));
        ASSERT_EQ(crop.size(), c.crop);
        for (int y = 0; y < crop.height(); ++y)
            for (int x = 0; x < crop.width(); ++x)
                ASSERT_EQ(QColor(crop.pixel(x, y)), orange) << x << "," << y;
    }
}

// While a run is under way, Escape and the close box ask Stop's question
// instead of closing: No leaves the run going, Yes stops it; the tool stays.
TEST_F(CroppingToolTest, EscapeAndCloseDuringARunAskToStopAndTheToolStays) {
    const QString in = folder(QStringLiteral("in")), out = folder(QStringLiteral("out"));
    for (int i = 0; i < 300; ++i)
        writeMarked(in, i);
    runFullTool([&] {
        tool->show();
        chooseFolder(in, out);
        tool->canvasController->addSelectorWithFrame(QRectF(5, 5, 20, 20));
        sink.shown.clear();
        tool->Crop_All_Clicked();
        // Once the screen follows the second row, the run is under way.
        while (tool->cropRunning() && tool->ColList->currentIndex().row() < 1)
            QCoreApplication::processEvents();
        ASSERT_TRUE(tool->cropRunning());
        sink.answers = {MessageAnswer::No, MessageAnswer::Yes};
        QTest::keyClick(tool->ColList, Qt::Key_Escape);
        EXPECT_FALSE(Stop_SMS_Sending_Now);
        QWidget* box = tool.get();
        box->close();
        EXPECT_EQ(sink.text(), "Are you sure you want to stop? | Are you sure you want to stop?");
        EXPECT_TRUE(tool->isVisible());
        waitForRun(*tool);
        EXPECT_TRUE(tool->isVisible());
        tool->Cancel_Btn_Clicked();
    });
    const int written = int(QDir(out).entryList(QDir::Files).size());
    EXPECT_GT(written, 0);
    EXPECT_LT(written, 300);
    // A stopped run counts what it cropped; it is no success.
    EXPECT_EQ(boxes, QStringList{QStringLiteral("%1 of 300 images have been cropped.").arg(written)});
    EXPECT_EQ(markOf(QDir(out).filePath(QStringLiteral("p%1.png").arg(written - 1, 3, 10, QLatin1Char('0')))),
              written - 1);
}

// The last picture is cropped while the stop question of the sheet's Stop
// is read: the run closes after the answer, its box never under the question.
TEST_F(CroppingToolTest, ARunThatEndsUnderItsStopQuestionClosesAfterTheAnswer) {
    const QString in = folder(QStringLiteral("in")), out = folder(QStringLiteral("out"));
    for (int i = 0; i < 20; ++i)
        writeMarked(in, i);
    QStringList boxesAtAnswer{QStringLiteral("none")};
    runFullTool([&] {
        tool->show();
        chooseFolder(in, out);
        tool->canvasController->addSelectorWithFrame(QRectF(5, 5, 20, 20));
        tool->Crop_All_Clicked();
        SlowStopAnswer reader(sink, MessageAnswer::No,
                              [&] { return QDir(out).entryList(QDir::Files).size() == 20; },
                              [&] { boxesAtAnswer = boxes; });
        tool->send_modls_wnd->_stop_btn->click();
        waitForRun(*tool);
        EXPECT_EQ(reader.shownMeanwhile, QStringList());
        tool->Cancel_Btn_Clicked();
    });
    EXPECT_EQ(boxesAtAnswer, QStringList());
    EXPECT_EQ(boxes, QStringList{QStringLiteral("Image has been cropped successfully.")});
}

// However a crop run was stopped, the saves outside any run write their
// files and say so: the visitor pass as PDF and as a picture, and the
// camera window's picture.
TEST_F(CroppingToolTest, SavesAfterAStoppedRunWriteTheirFiles) {
    const QString in = folder(QStringLiteral("in"));
    for (int i = 0; i < 40; ++i)
        writeMarked(in, i);
    Visitor_Log_Records* log = Visitor_Log_Records::defaultInstance(*window);
    log->Gate_Pass_Size();
    Camera camera(window.get(), std::make_shared<NoCameraDevice>());
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    camera.Modified_image->setImage(picture);
    answer = [](const QString&) { return 5; };
    enum How { StopInRun, StopAfterTheEnd, CancelAll };
    const struct {
        const char* note;
        How how;
    } cases[] = {
        {"Yes to Stop during the run", StopInRun},
        {"Yes to Stop once the last picture was cropped", StopAfterTheEnd},
        {"cancel all to the question about a taken name", CancelAll},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        const QString out = folder(QStringLiteral("out%1").arg(c.how));
        if (c.how == CancelAll)
            writeMarked(out, 0);
        runFullTool([&] {
            tool->show();
            chooseFolder(in, out);
            tool->canvasController->addSelectorWithFrame(QRectF(5, 5, 20, 20));
            tool->Crop_All_Clicked();
            if (c.how == StopInRun) {
                sink.answers = {MessageAnswer::Yes};
                tool->send_modls_wnd->_stop_btn->click();
            } else if (c.how == StopAfterTheEnd) {
                SlowStopAnswer reader(sink, MessageAnswer::Yes,
                                      [&] { return QDir(out).entryList(QDir::Files).size() == 40; });
                tool->send_modls_wnd->_stop_btn->click();
            }
            waitForRun(*tool);
            tool->Cancel_Btn_Clicked();
        });
        const QString saved = folder(QStringLiteral("saved%1").arg(c.how));
        QString picturePath;
        QStringList told;
        ScopedDialogRunner panels([&](QDialog* d) {
            if (auto* panel = qobject_cast<QFileDialog*>(d)) {
                panel->selectFile(picturePath);
                return 1;
            }
            if (auto* box = qobject_cast<Open_Export_Log*>(d))
                told << box->_open_log_message->text();
            return 0;
        });
        nextSavePath = QDir(saved).filePath(QStringLiteral("pass.pdf"));
        EXPECT_TRUE(log->Export_PDF_click());
        picturePath = QDir(saved).filePath(QStringLiteral("pass"));
        EXPECT_TRUE(log->Export_Image_click());
        picturePath = QDir(saved).filePath(QStringLiteral("camera"));
        camera.Save_Crop_Image_Clicked();
        QStringList names;
        for (const QFileInfo& f : QDir(saved).entryInfoList(QDir::Files, QDir::Name))
            names << f.completeBaseName();
        EXPECT_EQ(names, (QStringList{"camera", "pass", "pass"}));
        EXPECT_EQ(told, QStringList(3, QStringLiteral("File has been exported successfully.")));
    }
}

// Next grows the window for the crop screen, small enough for a 1280 x 720
// screen with its title bar and its buttons inside it; Back shrinks it back.
// Reopened, the list shows the row whose picture is shown.
TEST_F(CroppingToolTest, CropScreenFitsASmallScreenAndBackShrinksTheWindow) {
    const QString in = folder(QStringLiteral("in")), out = folder(QStringLiteral("out"));
    for (int i = 0; i < 30; ++i)
        writeMarked(in, i);
    runFullTool([&] {
        tool->show();
        chooseFolder(in, out);
        ASSERT_TRUE(tool->Crop_Screen_Box->isVisibleTo(tool.get())) << sink.text();
        const QSize least = tool->minimumSize();
        EXPECT_LE(least.width(), 1280);
        EXPECT_LE(least.height(), 720 - 40);  // room for a title bar
        tool->resize(least);
        QCoreApplication::processEvents();
        for (QWidget* b : std::initializer_list<QWidget*>{tool->Back_Btn, tool->Next_Btn, tool->Cancel_Btn,
                                                          tool->crop_btn, tool->crop_all_btn, tool->ColList})
            EXPECT_TRUE(tool->rect().contains(QRect(b->mapTo(tool.get(), QPoint(0, 0)), b->size())))
                << b->metaObject()->className();

        tool->Mark_List_New_Selection(29);
        tool->Back_Btn_Clicked();
        EXPECT_EQ(tool->size(), tool->sizeHint());
        EXPECT_LT(tool->height(), least.height());
        tool->OK_Btn_Clicked();
        QCoreApplication::processEvents();
        EXPECT_EQ(tool->ColList->currentIndex().row(), 0);
        EXPECT_EQ(tool->ColList->rowAt(0), 0);
        EXPECT_EQ(tool->Crop_Input_Path, tool->Get_Item_Text(0));
        tool->Cancel_Btn_Clicked();
    });
}

// The first selection of a picture opened directly stands at 10, 10, also
// on a picture it does not fit; the window has the size of what it shows.
TEST_F(CroppingToolTest, DirectPictureSelectionStartsAtItsPlace) {
    const QString in = folder(QStringLiteral("in"));
    for (const QSize size : {QSize(800, 600), QSize(5, 5)}) {
        QImage p(size, QImage::Format_RGB32);
        p.fill(Qt::blue);
        const QString photo = QDir(in).filePath(QStringLiteral("photo%1.png").arg(size.width()));
        ASSERT_TRUE(p.save(photo));
        QRectF first;
        ScopedDialogRunner runner([&](QDialog*) {
            first = tool->canvasController->selectors().constLast()->frame();
            tool->show();  // measured for what it shows: no crop method here
            EXPECT_EQ(tool->size(), tool->sizeHint());
            tool->Close_Direct_Image_Clicked();
            return tool->result();
        });
        EXPECT_EQ(tool->Open_Wnd_Direct_To_Crop(photo), 0);
        EXPECT_EQ(first, QRectF(10, 10, 100, 100)) << size.width();
    }
}

// The crops' output folder and an exported file are shown through the
// desktop; one that is not there, or that nothing took, is said with its path.
TEST_F(CroppingToolTest, AFolderOrFileThatCannotBeShownIsSaidWithItsPath) {
    const QString out = folder(QStringLiteral("out"));
    const QString card = writeMarked(out, 1);
    const QString gone = data.filePath(QStringLiteral("gone"));
    Open_Export_Log exportBox;
    const auto outputFolder = [&](const QString& p) {
        tool->output_path->setText(p);
        tool->Open_Folder_Btn->click();
    };
    const auto exported = [&](const QString& p) {
        exportBox._open_log_path->setText(p);
        exportBox.OK_Clicked();
    };
    const auto exportedBack = [&](const QString& p) {
        exportBox._open_log_path->clear();
        exportBox.Export_Back_File_Path = p;
        exportBox.OK_Clicked();
    };
    const struct {
        const char* what;
        std::function<void(const QString& path)> open;
        QString path;
        bool desktopTakesIt;
        const char* says;  // "" nothing
    } cases[] = {
        {"output folder", outputFolder, out, true, ""},
        {"output folder missing", outputFolder, gone, true, "no file or folder at"},
        {"output folder refused", outputFolder, out, false, "no program for it"},
        {"exported file missing", exported, gone, true, "no file or folder at"},
        {"back file refused", exportedBack, card, false, "no program for it"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QStringList opened;
        ScopedServices desktop(changed([&](Services& s) {
            s.openUrl = [&](const QUrl& url) {
                opened << url.toLocalFile();
                return c.desktopTakesIt;
            };
        }));
        sink.shown.clear();
        c.open(c.path);
        EXPECT_EQ(opened, QFileInfo::exists(c.path) ? QStringList{c.path} : QStringList{});
        const QStringList said = *c.says ? QStringList{QLatin1String(c.says)} : QStringList{};
        ASSERT_EQ(sink.shown.size(), said.size()) << sink.text();
        if (!said.isEmpty()) {
            EXPECT_TRUE(sink.shown[0].contains(said[0])) << sink.text();
            EXPECT_TRUE(sink.shown[0].endsWith(u'\n' + c.path)) << sink.text();
        }
    }
}
