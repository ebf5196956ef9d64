// The image and signature panels writing the selected graphics, the picture
// sources, and cropping the selected image.
#include "InspectorTestSupport.h"

#include "foundation/SKTImage.h"
#include "foundation/SKTSignature.h"
#include "inspector/BackgroundGallery.h"
#include "inspector/CardPanel.h"
#include "inspector/ColorWell.h"
#include "inspector/DataSourcePanel.h"
#include "inspector/DoubleSlider.h"
#include "inspector/ImagePanel.h"
#include "inspector/PanelKit.h"
#include "inspector/SignaturePanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <QSpinBox>
#include <functional>

namespace zelk::test {
namespace {

using K = GraphicKind;

class ImagePanelTest : public InspectorTest {
protected:
    // A picture file of one colour.
    QString pictureFile(const QString& name, QColor colour = QColor(255, 0, 0)) {
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = data.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    std::shared_ptr<SKTImage> addImage(const QString& path) {
        auto g = std::static_pointer_cast<SKTImage>(add(K::Image, QRectF(40, 40, 40, 20)));
        g->setFilePath(path, true);
        return g;
    }
};

TEST_F(ImagePanelTest, WritesUnlockedImagesAndTheirFilteredPictures) {
    ImagePanel* i = p->image;
    const QString red = pictureFile(QStringLiteral("red.png"));
    auto image = addImage(red);
    auto locked = addImage(red);
    locked->ctrl_is_locked = true;
    auto text = add(K::Text);
    select({image, locked, text});
    setQuietly(i->Image_border_chk, true);
    setQuietly(i->Image_bor_Stepper, 4);
    i->Image_border_style->setCurrentIndex(3);
    setQuietly(i->Image_Invert_chk, true);
    setQuietly(i->Image_FIH_chk, true);
    setQuietly(i->Sat_slidr_val, 1.5);
    setQuietly(i->Trsp_slidr_val, 60);
    const int steps = undoSteps();
    w->Update_Image_Graphics(true);

    EXPECT_TRUE(image->_isDrawingStroke);
    EXPECT_EQ(image->_strokeWidth, 4.0);
    EXPECT_EQ(image->_stroke_border_type, QStringLiteral("DD"));
    EXPECT_TRUE(image->invert_clr && image->_isFlippedHorizontally && image->Drawing_Shadow);
    EXPECT_FLOAT_EQ(image->sat_val, 1.5f);
    EXPECT_FLOAT_EQ(image->img_trnsp_val, 60.0f);
    // Inverted red is cyan.
    const QImage drawn = image->_contents_with_settings.convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(drawn.pixelColor(drawn.width() / 2, drawn.height() / 2), QColor(0, 255, 255));
    EXPECT_FALSE(locked->invert_clr || locked->_isDrawingStroke);
    EXPECT_FALSE(text->_isDrawingStroke);
    EXPECT_EQ(undoSteps(), steps + 1);

    // No shadow, whatever Drawing_Shadow says: the white around the picture stays.
    image->Shadow_offset_X = 8;
    image->Shadow_offset_Y = -8;
    image->Shadow_transparency = 1;
    image->img_trnsp_val = 100;
    QImage canvas(140, 100, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        image->drawContents(painter);
    }
    EXPECT_EQ(canvas.pixelColor(86, 66), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(60, 50), QColor(0, 255, 255));

    // Whole degrees reach the filter chain.
    image->rotate_image = 90.9f;
    const QImage turned = w->Get_Image_With_Update_Settings(*image);
    image->rotate_image = 90;
    EXPECT_EQ(turned, w->Get_Image_With_Update_Settings(*image));
}

TEST_F(ImagePanelTest, OnlyOneImageOutsideVisitorAndGroupModesTakesThePath) {
    const QString a = pictureFile(QStringLiteral("a.png")), b = pictureFile(QStringLiteral("b.png"));
    struct Case {
        const char* mode;
        int images;
        bool takesPath;
    } const cases[] = {{"T", 1, true}, {"T", 2, false}, {"V", 1, false}, {"G", 1, false}};
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.mode) + std::to_string(k.images));
        ::Start_Card_Option = QLatin1String(k.mode);
        QList<std::shared_ptr<SKTGraphic>> selected;
        for (int n = 0; n < k.images; ++n)
            selected << addImage(a);
        select(selected);
        setQuietly(p->source->Manual_image_path, b);
        setQuietly(p->image->Hue_slidr_val, 0.5);
        w->Update_Image_Graphics(false);
        for (const auto& g : selected) {
            EXPECT_FLOAT_EQ(g->hue_val, 0.5f);
            EXPECT_EQ(g->_file_path, k.takesPath ? b : a);
        }
    }
}

TEST_F(ImagePanelTest, ResetAsksThenRestoresThePlainUncroppedPicture) {
    const QString original = pictureFile(QStringLiteral("o.png")), cropped = pictureFile(QStringLiteral("c.png"));
    auto image = addImage(original);
    image->setFilePath(cropped, false);
    image->sat_val = 0.2f;
    select({image});
    sink.answers = {MessageAnswer::No};
    w->Image_reset_Button();
    EXPECT_EQ(sink.shown, QStringList{"Are you sure you want to reset image settings?"});
    EXPECT_FLOAT_EQ(image->sat_val, 0.2f);
    sink.answers = {MessageAnswer::Yes};
    w->Image_reset_Button();
    EXPECT_EQ(image->_file_path, original);
    EXPECT_FLOAT_EQ(image->img_trnsp_val, 100);
    EXPECT_FLOAT_EQ(image->sat_val, 1);
    EXPECT_FLOAT_EQ(image->con_val, 1);
    EXPECT_FLOAT_EQ(image->hue_val + image->brt_val + image->rotate_image + image->blr_val, 0);
    EXPECT_FALSE(image->_isDrawingStroke);
}

TEST_F(ImagePanelTest, PictureSourcesAndCropping) {
    const QString a = pictureFile(QStringLiteral("a.png")), b = pictureFile(QStringLiteral("b.png"));
    auto image = addImage(a);
    auto other = addImage(a);
    select({image, other});
    const std::pair<std::function<void()>, const char*> refusals[] = {
        {[&] { w->Manual_Image_Browse_Btn(); }, "Browse"},
        {[&] { w->Manual_Library_Browse_Btn(); }, "Select"},
        {[&] { w->Open_Camera_Clicked(); }, "Capture"},
        {[&] { w->Cropping_Selected_Image_clicked(); }, "Crop"},
    };
    for (const auto& [action, word] : refusals) {
        sink.shown.clear();
        action();
        EXPECT_EQ(sink.shown, QStringList{QStringLiteral("Please select only one image control to '%1 Image'.")
                                              .arg(QLatin1String(word))});
    }

    select({image});
    nextOpenPath = b;
    w->Manual_Image_Browse_Btn();
    EXPECT_EQ(image->_file_path, b);
    EXPECT_EQ(image->Text_Value, b);

    // Cropping: each refusal, then the manual crop, twice from the uncropped picture.
    struct Refusal {
        std::function<void()> set;
        const char* message;
    } const cropping[] = {
        {[&] { select({}, false); }, "Please select control."},
        {[&] { select({image}); image->_file_path = data.filePath(QStringLiteral("gone.png")); },
         "The selected control does not contains any image with supported extension."},
        {[&] { image->setFilePath(b, false); image->Set_Data_source_type(1);
               image->Set_Batch_List_Name(QStringLiteral("<--Select-->")); }, "Please select the series."},
        {[&] { image->Set_Data_source_type(2); }, "Please select the excel column."},
    };
    for (const Refusal& r : cropping) {
        sink.shown.clear();
        r.set();
        w->Cropping_Selected_Image_clicked();
        EXPECT_EQ(sink.shown, QStringList{QLatin1String(r.message)});
    }
    image->Set_Data_source_type(0);
    const QString uncropped = image->Text_Value;
    w->Cropping_Selected_Image_clicked();  // no cropping tool yet: nothing changes
    EXPECT_EQ(image->_file_path, b);
    QStringList given;
    w->croppingTool.Open_Wnd_Direct_To_Crop = [&](int, const QString& path, QString& cropped) {
        given << path;
        cropped = a;
        return 1;
    };
    w->Cropping_Selected_Image_clicked();
    w->Cropping_Selected_Image_clicked();
    EXPECT_EQ(given, (QStringList{uncropped, uncropped}));
    EXPECT_EQ(image->_file_path, a);
    EXPECT_EQ(image->Text_Value, uncropped);
}

// Every road where the user chooses a picture file refuses one that holds
// no picture that decodes (empty, text, a JPEG or a PNG cut short), aloud,
// and the photo, the signature and both sides' backgrounds keep theirs.
TEST_F(ImagePanelTest, EveryRoadThatChoosesAPictureRefusesOneThatDoesNotDecode) {
    const QString good = pictureFile(QStringLiteral("good.png"));
    auto image = addImage(good);
    auto sign = std::static_pointer_cast<SKTSignature>(add(K::Signature));
    sign->setFilePath(good);
    w->set_Front_BG_Image(good);
    w->set_Back_BG_Image(good);
    auto held = [&] {
        QStringList now{image->_file_path, p->source->Manual_image_path->toPlainText(), sign->_file_path,
                        p->signature->Sign_image_path->toPlainText(), p->card->Card_Image_path->toPlainText(),
                        p->card->Card_Image_path_BACK->toPlainText()};
        for (const Card_Property* side : {&w->Front_card_Prop, &w->Back_card_Prop})
            now << side->Card_BG_Image_Path << side->Card_fill_style << QString::number(side->Card_BG_Image.width());
        return (now << QString::number(image->_contents.width()) << QString::number(sign->_contents.width()))
            .join(QLatin1Char('|'))
            .toStdString();
    };
    QString chosen;
    w->imageLibraryWindow = [&](const QString&, QString& out) { return out = chosen, 1; };
    const std::pair<const char*, std::function<void()>> roads[] = {
        {"the image panel's Browse", [&] { select({image}); w->Manual_Image_Browse_Btn(); }},
        {"the image panel's library", [&] { select({image}); w->Manual_Library_Browse_Btn(); }},
        {"the card's Browse", [&] { w->Card_Image_Browse_Btn(); }},
        {"the card's Browse on the back", [&] { w->Select_back_side(); w->Card_Image_Browse_Btn(); w->Select_front_side(); }},
        {"the card's library", [&] { w->Card_Image_Library_Btn(); }},
        {"the background gallery",
         [&] {
             p->backgrounds->addImageWithPath(chosen, QStringLiteral("bad"), chosen);
             w->imageBrowserSelectionDidChange(p->backgrounds->numberOfItemsInImageBrowser() - 1);
         }},
        {"the signature's Browse", [&] { select({sign}); w->Sign_Browse_Btn(); }},
    };
    select({sign});
    select({image});
    const std::string before = held();
    for (const QString& path : filesThatHoldNoPicture(data.path()))
        for (const auto& [road, choose] : roads) {
            SCOPED_TRACE(std::string(road) + " " + path.toStdString());
            sink.shown.clear();
            nextOpenPath = chosen = path;
            choose();
            EXPECT_EQ(sink.shown, QStringList{QStringLiteral("The picture file is missing or cannot be read.")});
            EXPECT_EQ(held(), before);
        }
}

// Rolling the wheel over the Image tab scrolls it: a field takes a value
// from the wheel only while it has the keyboard, and the photo stays as it
// was until then.
TEST_F(ImagePanelTest, TheWheelChangesOnlyTheFieldThatHasTheKeyboard) {
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    auto image = addImage(pictureFile(QStringLiteral("a.png")));
    select({image});
    ImagePanel* panel = p->image;
    panel->Image_border_chk->click();
    w->sett_tab->setCurrentWidget(panel->image_tab);
    QWidget* tab = panel->Rotate_slidr;
    while (tab && !qobject_cast<QScrollArea*>(tab))
        tab = tab->parentWidget();
    auto* scroll = qobject_cast<QScrollArea*>(tab);
    ASSERT_TRUE(scroll);
    const std::pair<QWidget*, const char*> fields[] = {
        {panel->Rotate_slidr, "value"},        {panel->Rotate_slidr_val, "value"},
        {panel->Image_bor_Stepper, "value"},   {panel->Image_border_style, "currentIndex"},
    };
    auto roll = [](QWidget* field) {
        QWheelEvent notch(QPointF(5, 5), field->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(field, &notch);
    };
    for (const auto& [field, value] : fields) {
        SCOPED_TRACE(field->objectName().toStdString() + " " + field->metaObject()->className());
        scroll->verticalScrollBar()->setValue(0);
        const QVariant before = field->property(value);
        const double turned = image->rotate_image;
        w->currentCanvas()->setFocus();
        roll(field);
        EXPECT_EQ(field->property(value), before);
        EXPECT_EQ(image->rotate_image, turned);
        EXPECT_GT(scroll->verticalScrollBar()->value(), 0);
        // A real wheel gives a field of that policy the keyboard before it rolls.
        EXPECT_NE(field->focusPolicy(), Qt::WheelFocus);
        field->setFocus();
        roll(field);
        EXPECT_NE(field->property(value), before);
    }
}

TEST_F(ImagePanelTest, SignaturePanelLoadsTheChosenOrSamplePicture) {
    auto sign = std::static_pointer_cast<SKTSignature>(add(K::Signature));
    select({sign});
    SignaturePanel* s = p->signature;
    setQuietly(s->Sign_border_chk, true);
    setQuietly(s->Sign_bor_Stepper, 2);
    setQuietly(s->Sign_image_path, QStringLiteral("Default"));
    w->Update_Sign_Graphics();
    EXPECT_EQ(QFileInfo(sign->_file_path).fileName(), QStringLiteral("sign_sample.png"));
    EXPECT_FALSE(sign->_contents.isNull());
    EXPECT_EQ(sign->_strokeWidth, 2.0);

    nextOpenPath = pictureFile(QStringLiteral("mine.png"), Qt::blue);
    w->Sign_Browse_Btn();
    EXPECT_EQ(sign->_file_path, nextOpenPath);
    EXPECT_EQ(sign->_contents.pixelColor(1, 1), QColor(Qt::blue));
}

}  // namespace
}  // namespace zelk::test
