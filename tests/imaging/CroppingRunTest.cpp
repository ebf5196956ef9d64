// Crop All on a worker over a folder or a series: a series replaced or made
// anew, crops at each picture's face, selections clipped to each picture,
// failed writes and missed pictures counted, Stop, Escape and the close box
// during a run, and the saves that follow a stopped run.
#include "CroppingToolTestSupport.h"
#include "NoCameraDevice.h"

#include "dialogs/Open_Export_Log.h"
#include "dialogs/Send_Modeless.h"
#include "imaging/Camera.h"
#include "imaging/MSSCanvasController.h"
#include "imaging/MSSScaledImage.h"
#include "visitors/Visitor_Log_Records.h"

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace zelk;
using namespace zelk::test;

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
// picture says success. The files whose pictures do not decode are named,
// also when one of them is on screen as the face method is chosen, which
// does not stop the run.
TEST_F(CroppingToolTest, ARunThatMissedAPictureEndsWithTheCount) {
    const struct {
        const char* what;
        bool series;
        int method;
        // '.' a picture without a face, 'f' a face; files that hold no
        // picture that decodes: '0' of 0 bytes, 'j' a cut JPEG, 'p' a cut PNG
        const char* pictures;
        int files;
        const char* box;
    } cases[] = {
        {"folder, selection", false, 0, "...0...", 6, "6 of 7 images have been cropped."},
        {"folder, faces", false, 1, "f..", 1, "1 of 3 images have been cropped."},
        {"series, selection", true, 0, ".0.", 2, "2 of 3 images have been cropped."},
        {"folder, none readable", false, 0, "00", 0, "0 of 2 images have been cropped."},
        {"folder, all written", false, 0, "..", 2, "Image has been cropped successfully."},
        {"folder, cut pictures", false, 0, "j.p", 1, "1 of 3 images have been cropped."},
        {"folder, faces, a cut picture first", false, 1, "0jpf", 1, "1 of 4 images have been cropped."},
    };
    const QImage face(sourceDir() + QStringLiteral("/tests/data/astronaut.png"));
    QImage plain(80, 60, QImage::Format_RGB32);
    plain.fill(Qt::darkGreen);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString in = folder(QString::fromLatin1(c.what)), out = folder(QStringLiteral("out ") + c.what);
        QStringList paths, undecoded;
        for (int i = 0; c.pictures[i]; ++i) {
            const char kind = c.pictures[i];
            paths << QDir(in).filePath(QStringLiteral("p%1.%2").arg(i).arg(kind == 'p' ? "png" : "jpg"));
            if (kind == '0')
                ASSERT_TRUE(QFile(paths.last()).open(QIODevice::WriteOnly));
            else if (kind == 'j' || kind == 'p')
                writeCutPicture(paths.last(), kind == 'p' ? "png" : "jpg");
            else
                ASSERT_TRUE((kind == 'f' ? face : plain).save(paths.last()));
            if (QByteArrayView("0jp").contains(kind))
                undecoded << paths.last();
        }
        const QString series = QStringLiteral("Counted %1").arg(c.what).remove(QLatin1Char(','));
        if (c.series)
            writeSeries(series, paths);
        boxes.clear();
        QStringList onChoosing;
        runFullTool([&] {
            if (c.series)
                chooseSeries(series, 0, out);
            else
                chooseFolder(in, out);
            sink.shown.clear();
            tool->cropping_option_matrix->button(c.method)->click();
            onChoosing = sink.shown;
            if (c.method == 0)
                tool->canvasController->addSelectorWithFrame(QRectF(5, 5, 20, 20));
            sink.shown.clear();
            tool->Crop_All_Clicked();
            waitForRun(*tool);
            tool->Cancel_Btn_Clicked();
        });
        // Choosing the face method on a file that does not decode names it.
        const bool firstUndecoded = !undecoded.isEmpty() && undecoded.first() == paths.first();
        EXPECT_EQ(onChoosing, c.method == 1 && firstUndecoded
                                  ? QStringList{"The picture file is missing or cannot be read.\n\n" + paths.first()}
                                  : QStringList());
        // The after-export box, or a message box when there is no file to
        // offer; before that, the files whose pictures did not decode.
        QStringList told;
        if (undecoded.size() == 1)
            told << "The picture file is missing or cannot be read.\n\n" + undecoded.first();
        else if (!undecoded.isEmpty())
            told << "These picture files are missing or cannot be read, and nothing was written for them:\n\n" +
                        undecoded.join(u'\n');
        EXPECT_EQ(sink.shown, c.files > 0 ? told : told << QString::fromLatin1(c.box));
        EXPECT_EQ(boxes, c.files > 0 ? QStringList{QString::fromLatin1(c.box)} : QStringList());
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
