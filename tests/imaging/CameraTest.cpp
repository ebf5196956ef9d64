// Camera capture without a camera: frames come from a frame source of the
// test (fed from a thread of its own) and from Qt's own video sink fed by
// setVideoFrame; the machine's own devices are never looked at.
// The camera window and the cropping tool's camera input end to end.
#include "../mainwindow/MainWindowTestSupport.h"

#include "dialogs/AccessoryViewController.h"
#include "dialogs/Open_Export_Log.h"
#include "foundation/UserPictureFolder.h"
#include "imaging/Camera.h"
#include "imaging/CameraGlobals.h"
#include "imaging/CameraSession.h"
#include "imaging/Capture.h"
#include "imaging/Cropping_Tool.h"
#include "imaging/MSSCanvasController.h"
#include "imaging/MSSScaledImage.h"
#include "mainwindow/AppGlobals.h"
#include "production/ProductionGlobals.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QVideoSink>

#include <cstring>
#include <thread>

using namespace zelk;
using namespace zelk::test;

namespace {

// A frame as a camera back end hands it over: BGRA bytes in a mapped buffer.
QVideoFrame frameOf(const QImage& picture) {
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);  // B, G, R, A in memory
    QVideoFrame frame(QVideoFrameFormat(argb.size(), QVideoFrameFormat::Format_BGRA8888));
    if (!frame.map(QVideoFrame::WriteOnly))
        return QVideoFrame();
    for (int y = 0; y < argb.height(); ++y)
        std::memcpy(frame.bits(0) + y * frame.bytesPerLine(0), argb.constScanLine(y), size_t(argb.width()) * 4);
    frame.unmap();
    return frame;
}

QVideoFrame frameOf(QColor colour, QSize size = QSize(64, 48)) {
    QImage p(size, QImage::Format_ARGB32);
    p.fill(colour);
    return frameOf(p);
}

QColor centre(const QImage& p) { return p.isNull() ? QColor() : p.pixelColor(p.width() / 2, p.height() / 2); }

void settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// A camera that records what it is asked and gives the frames the test
// sends. A frame sent after stop still reaches the handler, as one a back
// end had under way would.
class FakeFrameSource : public FrameSource {
public:
    QList<Device> list{{QStringLiteral("Desk camera"), QStringLiteral("cam-1")},
                       {QStringLiteral("Door camera"), QStringLiteral("cam-2")}};
    QStringList calls;
    QString refusal;
    QList<Device> devices() override { return list; }
    QString start(const QString& id, FrameHandler onFrame, ErrorHandler) override {
        calls << QStringLiteral("start ") + id;
        if (!refusal.isEmpty())
            return refusal;
        handler_ = std::move(onFrame);
        running_ = true;
        return QString();
    }
    void stop() override {
        calls << QStringLiteral("stop");
        running_ = false;
    }
    bool running() const override { return running_; }
    // Sends the frames from a thread of the test, then lets the GUI thread
    // show what it holds.
    void send(const QList<QColor>& colours) {
        QList<QVideoFrame> frames;
        for (const QColor& c : colours)
            frames << frameOf(c);
        send(frames);
    }
    void send(const QList<QVideoFrame>& frames) {
        std::thread feeder([&] {
            for (const QVideoFrame& f : frames)
                if (handler_)
                    handler_(f);
        });
        feeder.join();
        settle();
    }

private:
    FrameHandler handler_;
    bool running_ = false;
};

class CameraTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        open();
        source = std::make_shared<FakeFrameSource>();
        camera = std::make_unique<Camera>(window.get(), source);
        stop_or_continue = 0;
        ::Camera_Capture_Count = 1;
        ::Camera_Folder_Path = data.filePath(QStringLiteral("pictures"));
        ::Camera_Capture_Image = QDir(::Camera_Folder_Path).filePath(QStringLiteral("zelk_user_save.png"));
    }
    void TearDown() override {
        camera.reset();
        MainWindowTest::TearDown();
    }
    // Opens the window; `play` acts as the user while it is open.
    int openWith(const std::function<void(Camera&)>& play) {
        ScopedDialogRunner runner([&](QDialog* d) {
            if (d == camera.get())
                play(*camera);
            return d->result();
        });
        return camera->Open_Wnd();
    }
    void captureColour(Camera& c, QColor colour) {
        c.Start_Btn_Clicked();
        source->send({colour});
        c.Capture_Btn_Clicked();
    }

    std::shared_ptr<FakeFrameSource> source;
    std::unique_ptr<Camera> camera;
};

}  // namespace

TEST(CaptureTest, QtVideoSinkFramesReachTheCaptureWithTheirPixels) {
    QVideoSink sink;
    auto capture = std::make_shared<Capture>(QStringLiteral("CAM"));
    QList<QImage> shown;
    capture->show = [&](const QImage& p) { shown << p; };
    QObject::connect(&sink, &QVideoSink::videoFrameChanged, [capture](const QVideoFrame& f) { capture->frameArrived(f); });
    stop_or_continue = 0;
    QImage picture(64, 48, QImage::Format_ARGB32);
    picture.fill(QColor(10, 200, 30));
    picture.setPixelColor(3, 5, QColor(250, 0, 120));
    sink.setVideoFrame(frameOf(picture));
    settle();
    ASSERT_EQ(shown.size(), 1);
    const QImage taken = capture->final_image();
    ASSERT_EQ(taken.size(), QSize(64, 48));
    EXPECT_EQ(taken.pixelColor(3, 5), QColor(250, 0, 120));
    EXPECT_EQ(taken.pixelColor(40, 40), QColor(10, 200, 30));
}

TEST(CaptureTest, OnlyTheNewestFrameIsShownAndNoneOnceStopped) {
    auto capture = std::make_shared<Capture>(QStringLiteral("CROP"));
    QList<QColor> shown;
    capture->show = [&](const QImage& p) { shown << centre(p); };
    stop_or_continue = 0;
    std::thread feeder([&] {
        for (int red : {10, 20, 30})
            capture->frameArrived(frameOf(QColor(red, 0, 0)));
    });
    feeder.join();
    settle();
    // Three frames before the GUI thread looked: only the last is shown.
    EXPECT_EQ(shown, QList<QColor>{QColor(30, 0, 0)});
    stop_or_continue = 1;
    capture->frameArrived(frameOf(QColor(99, 0, 0)));
    settle();
    EXPECT_EQ(shown.size(), 1);
    EXPECT_EQ(centre(capture->final_image()), QColor(30, 0, 0));
    EXPECT_TRUE(capture->holdsFrame());  // held, neither shown nor taken
    stop_or_continue = 0;
}

TEST_F(CameraTest, WithoutAnyDeviceStartAsksForACamera) {
    // A machine without a video device, whatever this one has.
    auto none = std::make_shared<FakeFrameSource>();
    none->list.clear();
    none->refusal = QStringLiteral("no such device");
    camera = std::make_unique<Camera>(window.get(), none);
    openWith([&](Camera& c) {
        EXPECT_EQ(c.camera_list->count(), 0);
        EXPECT_EQ(c.camera_list_unq_id->count(), 0);
        EXPECT_TRUE(c.start_btn->isEnabled());
        EXPECT_FALSE(c.stop_btn->isEnabled());
        EXPECT_FALSE(c.capture_btn->isEnabled());
        EXPECT_FALSE(c.Image_Edit_Prop_Box->isEnabled());
        EXPECT_FALSE(c.cropping_Box->isEnabled());
        EXPECT_EQ(c.connection_msg_label->text(), "Please connect your camera.");
        c.connection_msg_label->clear();
        c.Start_Btn_Clicked();
        EXPECT_EQ(sink.shown, QStringList{"Please select camera."});
        EXPECT_EQ(c.connection_msg_label->text(), "Please connect your camera.");
        sink.shown.clear();
        c.Capture_Btn_Clicked();
        EXPECT_EQ(sink.shown, QStringList{"Please first select and start the camera."});
        sink.shown.clear();
        c.OK_Btn_Clicked();
        EXPECT_EQ(sink.shown, QStringList{"There is no image to Import. Please capture an image."});
        c.Cancel_Btn_Clicked();
    });
    EXPECT_FALSE(none->running());
}

TEST_F(CameraTest, StartStopRefreshAndCaptureKeepTheLastFrameShown) {
    const int code = openWith([&](Camera& c) {
        ASSERT_EQ(c.camera_list->count(), 2);
        EXPECT_EQ(c.camera_list_unq_id->itemText(1), "cam-2");
        EXPECT_EQ(c.connection_msg_label->text(), "Please start camera to capture.");
        c.camera_list->setCurrentIndex(1);
        EXPECT_EQ(c.camera_list_unq_id->currentText(), "cam-2");
        EXPECT_EQ(selected_camera, "cam-2");
        c.Start_Btn_Clicked();
        EXPECT_FALSE(c.start_btn->isEnabled());
        EXPECT_TRUE(c.stop_btn->isEnabled());
        EXPECT_TRUE(c.capture_btn->isEnabled());
        // Start again: the first capture is stopped and taken apart first.
        c.Start_Btn_Clicked();
        EXPECT_EQ(source->calls, (QStringList{"start cam-2", "stop", "start cam-2"}));
        source->send({QColor(10, 0, 0), QColor(20, 0, 0)});
        source->send({QColor(30, 0, 0)});
        c.Capture_Btn_Clicked();
        EXPECT_EQ(stop_or_continue.load(), 1);
        // A frame the back end still delivers is not taken.
        source->send({QColor(90, 0, 0)});
        EXPECT_EQ(centre(c.User_Picture), QColor(30, 0, 0));
        EXPECT_EQ(centre(c.Modified_image->image()), QColor(30, 0, 0));
        EXPECT_TRUE(c.Image_Edit_Prop_Box->isEnabled());
        EXPECT_TRUE(c.cropping_Box->isEnabled());
        EXPECT_FALSE(c.capture_btn->isEnabled());
        EXPECT_TRUE(c.start_btn->isEnabled());
        EXPECT_EQ(c.connection_msg_label->text(), "Please start camera to capture.");

        c.Start_Btn_Clicked();
        c.Stop_Btn_Clicked();
        EXPECT_FALSE(c.capture_btn->isEnabled());
        EXPECT_TRUE(c.start_btn->isEnabled());
        source->list.removeFirst();
        source->calls.clear();
        c.Get_List_Btn_Clicked();
        EXPECT_EQ(c.camera_list->count(), 1);
        EXPECT_FALSE(c.session()->hasCapture());
        sink.shown.clear();
        c.Capture_Btn_Clicked();
        EXPECT_EQ(sink.shown, QStringList{"Please first select and start the camera."});
        c.Start_Btn_Clicked();
        c.Cancel_Btn_Clicked();
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(stop_or_continue.load(), 0);  // ready for the next window
    EXPECT_FALSE(camera->session()->hasCapture());
    EXPECT_EQ(source->calls.last(), "stop");
}

TEST_F(CameraTest, RefusedDeviceIsReportedAndNothingRuns) {
    source->refusal = QStringLiteral("Device busy");
    openWith([&](Camera& c) {
        c.Start_Btn_Clicked();
        EXPECT_EQ(sink.shown, QStringList{"[error] Device busy"});
        EXPECT_TRUE(c.start_btn->isEnabled());
        EXPECT_FALSE(c.capture_btn->isEnabled());
        c.Cancel_Btn_Clicked();
    });
}

TEST_F(CameraTest, EditingTwoCropsAndTheResetBackToTheFrameAsCaptured) {
    openWith([&](Camera& c) {
        QImage frame(200, 100, QImage::Format_ARGB32);
        frame.fill(QColor(200, 40, 40));
        for (int x = 100; x < 200; ++x)
            for (int y = 0; y < 100; ++y)
                frame.setPixelColor(x, y, QColor(40, 40, 200));
        c.Start_Btn_Clicked();
        std::thread feeder([&] { c.session()->capture()->frameArrived(frameOf(frame)); });
        feeder.join();
        settle();
        c.Capture_Btn_Clicked();
        ASSERT_EQ(c.User_Picture.size(), QSize(200, 100));
        c.Image_Gray_Scale_chk->setChecked(true);
        const QColor grey = centre(c.Modified_image->image());
        EXPECT_EQ(grey.red(), grey.blue());
        c.Image_Gray_Scale_chk->setChecked(false);

        sink.shown.clear();
        c.Crop_Image_Clicked();
        EXPECT_EQ(sink.shown, QStringList{"Please select area to crop."});
        EXPECT_FALSE(c.crop_btn->isEnabled());
        c.enable_cropping_btn->setChecked(true);
        EXPECT_TRUE(c.crop_btn->isEnabled());
        // The selection is in the view's points, origin at the lower left.
        const QSizeF r = c.originalImageRatio();
        c.canvasController->addSelectorWithFrame(QRectF(100 * r.width(), 0, 100 * r.width(), 100 * r.height()));
        c.Crop_Image_Clicked();
        EXPECT_FALSE(c.canvasController->hasSelectors());
        ASSERT_EQ(c.User_Picture.size(), QSize(100, 100));
        EXPECT_EQ(centre(c.User_Picture), QColor(40, 40, 200));
        // The second crop cuts the first result.
        const QSizeF r2 = c.originalImageRatio();
        c.canvasController->addSelectorWithFrame(QRectF(0, 0, 50 * r2.width(), 20 * r2.height()));
        c.Crop_Image_Clicked();
        EXPECT_EQ(c.User_Picture.size(), QSize(50, 20));
        EXPECT_EQ(centre(c.User_Picture), QColor(40, 40, 200));
        // A selection without width crops nothing and goes.
        c.canvasController->addSelectorWithFrame(QRectF(0, 0, 0, 10));
        c.Crop_Image_Clicked();
        EXPECT_EQ(c.User_Picture.size(), QSize(50, 20));
        EXPECT_FALSE(c.canvasController->hasSelectors());

        sink.answers = {MessageAnswer::No};
        c.Image_reset_Button();
        EXPECT_EQ(c.User_Picture.size(), QSize(50, 20));
        sink.answers = {MessageAnswer::Yes};
        c.Image_reset_Button();
        EXPECT_EQ(c.User_Picture.size(), QSize(200, 100));
        EXPECT_EQ(c.Modified_image->image().size(), QSize(200, 100));
        c.Cancel_Btn_Clicked();
    });
}

TEST_F(CameraTest, ExportWritesTheChosenFormatThroughTheExportWriter) {
    const QString folder = data.filePath(QStringLiteral("out"));
    QDir().mkpath(folder);
    QStringList boxes;
    openWith([&](Camera& c) {
        captureColour(c, QColor(0, 120, 0));
        ScopedDialogRunner panel([&](QDialog* d) {
            if (auto* dialog = qobject_cast<QFileDialog*>(d)) {
                EXPECT_EQ(dialog->windowTitle(), "Save Image");
                EXPECT_EQ(c.accessoryVC->ext_btn->currentIndex(), 0);
                c.accessoryVC->ext_btn->setCurrentIndex(1);  // bmp
                dialog->selectFile(QDir(folder).filePath(QStringLiteral("photo.jpg")));
                return 1;
            }
            if (auto* box = qobject_cast<Open_Export_Log*>(d))
                boxes << box->_open_log_message->text();
            return 0;
        });
        c.Save_Crop_Image_Clicked();
        // Into a folder that is a file: reported, and no success box.
        QFile blocker(data.filePath(QStringLiteral("blocked")));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        ScopedDialogRunner failing([&](QDialog* d) {
            if (auto* dialog = qobject_cast<QFileDialog*>(d)) {
                dialog->selectFile(QDir(blocker.fileName()).filePath(QStringLiteral("photo.png")));
                return 1;
            }
            if (auto* box = qobject_cast<Open_Export_Log*>(d))
                boxes << box->_open_log_message->text();
            return 0;
        });
        sink.shown.clear();
        c.Save_Crop_Image_Clicked();
        EXPECT_EQ(sink.shown.size(), 1) << sink.text();
        c.Cancel_Btn_Clicked();
    });
    const QString written = QDir(folder).filePath(QStringLiteral("photo.bmp"));
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath(QStringLiteral("photo.jpg"))));
    QProcess file;
    file.start(QStringLiteral("file"), {QStringLiteral("-b"), written});
    ASSERT_TRUE(file.waitForFinished());
    EXPECT_TRUE(file.readAllStandardOutput().startsWith("PC bitmap"));
    EXPECT_EQ(boxes, QStringList{"File has been exported successfully."});
}

TEST_F(CameraTest, OkNamesThePictureFreelyAndKeepsTheCameraFolder) {
    auto okWith = [&](QColor colour) {
        return openWith([&](Camera& c) {
            captureColour(c, colour);
            c.OK_Btn_Clicked();
        });
    };
    const QString folder = ::Camera_Folder_Path;
    // Free: the default name; then numbers from the count on.
    EXPECT_EQ(okWith(QColor(1, 0, 0)), 1);
    EXPECT_EQ(::Camera_Capture_Image, QDir(folder).filePath("zelk_user_save.png"));
    EXPECT_EQ(::Camera_Capture_Count, 2);
    QFile(QDir(folder).filePath("zelk_user_save_2.png")).open(QIODevice::WriteOnly);
    EXPECT_EQ(okWith(QColor(2, 0, 0)), 1);
    EXPECT_EQ(::Camera_Capture_Image, QDir(folder).filePath("zelk_user_save_3.png"));
    EXPECT_EQ(centre(QImage(::Camera_Capture_Image)), QColor(2, 0, 0));
    EXPECT_EQ(::Camera_Capture_Count, 3);
    EXPECT_EQ(okWith(QColor(3, 0, 0)), 1);
    EXPECT_EQ(::Camera_Capture_Image, QDir(folder).filePath("zelk_user_save_4.png"));

    // A browsed folder: the default name there, and the folder recorded.
    const QString other = data.filePath(QStringLiteral("browsed"));
    QDir().mkpath(other);
    {
        ScopedServices chooser(changed([&](Services& s) {
            s.chooseFolder = [&](QWidget*, const QString&, const QString&) { return other; };
        }));
        camera->Browse_Path_Clicked();
    }
    EXPECT_EQ(camera->def_save_path->text(), other);
    EXPECT_EQ(::Camera_Folder_Path, other);
    QFile record(UserPictureFolder::recordFile());
    ASSERT_TRUE(record.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(record.readAll()), other);
    EXPECT_EQ(okWith(QColor(4, 0, 0)), 1);
    EXPECT_EQ(::Camera_Capture_Image, QDir(other).filePath("zelk_user_save.png"));

    camera->Reset_Path_Clicked();
    EXPECT_EQ(::Camera_Folder_Path, QDir(Created_Resource_Path).filePath("Images_save_by_user"));
    EXPECT_EQ(::Camera_Capture_Image, QDir(::Camera_Folder_Path).filePath("zelk_user_save.png"));
}

TEST_F(CameraTest, OkThatCannotWriteStaysOpenAndKeepsThePath) {
    QFile blocker(data.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ::Camera_Capture_Image = QDir(blocker.fileName()).filePath(QStringLiteral("zelk_user_save.png"));
    const QString before = ::Camera_Capture_Image;
    bool stillOpen = false;
    const int code = openWith([&](Camera& c) {
        captureColour(c, QColor(5, 5, 5));
        sink.shown.clear();
        c.OK_Btn_Clicked();
        stillOpen = c.result() == 0 && !c.User_Picture.isNull();
        EXPECT_EQ(sink.shown.size(), 1);
        EXPECT_TRUE(sink.shown.value(0).contains(before)) << sink.text();
        c.Cancel_Btn_Clicked();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(::Camera_Capture_Image, before);
    EXPECT_EQ(::Camera_Capture_Count, 1);
}

TEST_F(CameraTest, CroppingToolTakesACameraPictureAndCropsIt) {
    auto tool = std::make_unique<Cropping_Tool>(window.get());
    tool->setCamera(std::make_unique<CameraSession>(source, QStringLiteral("CROP")));
    const QString out = data.filePath(QStringLiteral("crops"));
    QDir().mkpath(out);
    ScopedDialogRunner runner([&](QDialog* d) {
        if (d != tool.get())
            return 0;
        Cropping_Tool& t = *tool;
        EXPECT_EQ(t.camera_list->count(), 2);
        t.input_option_matrix->button(2)->click();
        t.output_path->setText(out);
        t.output_custom_name->setText(QStringLiteral("Visitor"));
        t.output_format_combo->setCurrentIndex(2);  // png
        sink.shown.clear();
        t.OK_Btn_Clicked();
        EXPECT_TRUE(sink.shown.isEmpty()) << sink.text();
        EXPECT_EQ(t.Used_Option->text(), "Crop Picture from Camera");
        EXPECT_EQ(source->calls.value(0), "start cam-1");
        EXPECT_FALSE(t.capture_btn->isHidden());
        EXPECT_EQ(t.capture_btn->text(), "Capture");
        EXPECT_TRUE(t.capture_btn->isEnabled());
        // A method chosen while the live view runs: the picture comes first.
        t.cropping_option_matrix->button(2)->click();
        EXPECT_EQ(sink.shown, QStringList{"Please first capture image."});
        t.cropping_option_matrix->button(0)->click();
        sink.shown.clear();

        QImage frame(120, 80, QImage::Format_ARGB32);
        frame.fill(QColor(0, 0, 220));
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 60; ++x)
                frame.setPixelColor(x, y, QColor(230, 200, 0));
        source->send(QList<QVideoFrame>{frameOf(frame)});
        t.Capture_Clicked();
        EXPECT_EQ(t.capture_btn->text(), "Resume");
        EXPECT_EQ(t.User_Picture.size(), QSize(120, 80));
        EXPECT_TRUE(t.Image_Edit_Prop_Box->isEnabled());
        // Resume goes back to the live view on the same camera.
        t.Capture_Clicked();
        EXPECT_EQ(t.capture_btn->text(), "Capture");
        EXPECT_EQ(source->calls.last(), "start cam-1");
        source->send(QList<QVideoFrame>{frameOf(frame)});
        t.Capture_Clicked();
        // The left half (yellow) by a selection in the view's points.
        const QSizeF r = t.originalImageRatio();
        t.canvasController->removeAllSelectorsFromCanvas();
        t.canvasController->addSelectorWithFrame(QRectF(0, 0, 60 * r.width(), 80 * r.height()));
        t.Crop_Single_Image_Clicked();
        EXPECT_EQ(sink.shown, QStringList{}) << sink.text();
        // Back stops the camera and readies the flag for the next start.
        t.Back_Btn_Clicked();
        EXPECT_EQ(stop_or_continue.load(), 0);
        t.Cancel_Btn_Clicked();
        return 0;
    });
    EXPECT_EQ(tool->Open_Wnd(), 0);
    const QImage written(QDir(out).filePath(QStringLiteral("Visitor.png")));
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.size(), QSize(60, 80));
    EXPECT_EQ(centre(written), QColor(230, 200, 0));
    EXPECT_FALSE(tool->camera()->hasCapture());
}

TEST_F(CameraTest, CroppingToolCameraButtonsWithoutACapture) {
    source->list.clear();
    auto tool = std::make_unique<Cropping_Tool>(window.get());
    tool->setCamera(std::make_unique<CameraSession>(source, QStringLiteral("CROP")));
    tool->Capture_Clicked();
    EXPECT_EQ(sink.shown, QStringList{"Please first select and start the camera."});
    sink.shown.clear();
    tool->input_option_matrix->button(2)->click();
    tool->output_path->setText(data.path());
    tool->OK_Btn_Clicked();
    EXPECT_EQ(sink.shown, QStringList{"Please select camera."});
    // A camera plugged in since: Refresh lists it.
    source->list = {{QStringLiteral("New camera"), QStringLiteral("cam-9")}};
    tool->Refresh_Camera_Clicked();
    EXPECT_EQ(tool->camera_list_unq_id->currentText(), "cam-9");
    sink.shown.clear();
    tool->output_option_matrix->button(0)->setEnabled(true);
    tool->output_option_matrix->button(0)->click();
    tool->OK_Btn_Clicked();
    EXPECT_EQ(sink.shown, QStringList{"Please select Custom output file name option."});
}
