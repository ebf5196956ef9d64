// The cropping tool's screens and its roads for one picture: the main
// screen's checks, the direct modes (a picture, a series, an Excel column)
// and the hub's installed openers, the size texts and the reset question,
// single crops, the camera row, the window's size and the output shown.
#include "CroppingToolTestSupport.h"

#include "datasource/Data_From_Excel.h"
#include "dialogs/Open_Export_Log.h"
#include "foundation/Utilities.h"
#include "imaging/CroppingCamera.h"
#include "imaging/CroppingCommand.h"
#include "imaging/MSSCanvasController.h"
#include "inspector/DoubleSlider.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QUrl>

using namespace zelk;
using namespace zelk::test;

TEST_F(CroppingToolTest, MainScreenChecksInOrder) {
    const QStringList noPicture = filesThatHoldNoPicture(data.path());
    const std::string unreadable = UnreadablePictureMessage.toStdString();
    const struct {
        int input;
        QString value;  // the input's text
        const char* output;
        bool custom;
        std::string message;
    } cases[] = {
        {0, "", "/tmp", false, "Please select input image file path."},
        {1, "", "/tmp", false, "Please select input folder path."},
        {3, "", "/tmp", false, "Please select batch series."},
        {0, "/x.png", " ", false, "Please select output folder path."},
        {0, "/x.png", "/tmp", true, "Please select output file custom name."},
        // A single file typed in that holds no picture.
        {0, noPicture[0], "/tmp", false, unreadable},
        {0, noPicture[1], "/tmp", false, unreadable},
        // Whole headers, cut pictures: the header alone passed them.
        {0, noPicture[2], "/tmp", false, unreadable},
        {0, noPicture[3], "/tmp", false, unreadable},
    };
    runFullTool([&] {
        EXPECT_FALSE(tool->input_option_matrix->button(2)->isEnabled());  // no camera installed
        for (const auto& c : cases) {
            sink.shown.clear();
            tool->input_option_matrix->button(c.input)->click();
            tool->file_path->setText(c.input == 0 ? c.value : QString());
            tool->folder_path->setText(c.input == 1 ? c.value : QString());
            tool->batch_list->setCurrentIndex(0);  // "<--Select-->" is no series
            tool->output_path->setText(QString::fromLatin1(c.output));
            tool->output_option_matrix->button(c.custom ? 1 : 0)->click();
            tool->output_custom_name->setText(c.custom ? QStringLiteral("  ") : QStringLiteral("Untitled"));
            tool->OK_Btn_Clicked();
            EXPECT_EQ(sink.text(), c.message);
            EXPECT_TRUE(tool->Main_Screen_Box->isVisibleTo(tool.get()));
        }
        // Chosen with Browse, it is refused there; the picture chosen before stays.
        const QString chosen = writeMarked(data.path(), 1);
        tool->file_path->setText(chosen);
        for (const QString& path : noPicture) {
            sink.shown.clear();
            nextOpenPath = path;
            tool->File_Browse_Clicked();
            EXPECT_EQ(sink.text(), unreadable);
            EXPECT_EQ(tool->file_path->text(), chosen);
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
