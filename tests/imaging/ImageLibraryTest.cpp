// The image library over a resources folder of the test and over the
// pictures the application ships, and its two openers on the main window.
#include "../inspector/InspectorTestSupport.h"

#include "foundation/AppPaths.h"
#include "foundation/SKTImage.h"
#include "imaging/CroppingCommand.h"
#include "imaging/Image_Library.h"
#include "inspector/BackgroundGallery.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QSlider>

using namespace zelk;
using namespace zelk::test;

namespace {

class ImageLibraryTest : public InspectorTest {
protected:
    void SetUp() override {
        InspectorTest::SetUp();
        library = std::make_unique<Image_Library>();
    }
    void TearDown() override {
        library.reset();
        InspectorTest::TearDown();
    }
    // A resources folder of the test's own, for the library to read.
    QString resources() {
        const QString root = data.filePath(QStringLiteral("res"));
        QDir().mkpath(root);
        savedResources_ = Resource_Path;
        Resource_Path = root;
        return root;
    }
    void put(const QString& relative) {
        const QString path = QDir(Resource_Path).filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QImage p(8, 8, QImage::Format_RGB32);
        p.fill(Qt::red);
        ASSERT_TRUE(p.save(path, relative.endsWith(QLatin1String("jpg"), Qt::CaseInsensitive) ? "JPEG" : "PNG"));
    }
    QStringList names() const {
        QStringList n;
        for (const MyImageObject& item : library->images->images)
            n << item.imageName();
        return n;
    }
    // Opens the library; `play` acts as the user and ends it.
    int openWith(const QString& purpose, const std::function<void(Image_Library&)>& play) {
        library->control_or_BG = purpose;
        ScopedDialogRunner runner([&](QDialog* d) {
            play(*library);
            return d->result();
        });
        return library->Open_Library_Window();
    }
    ~ImageLibraryTest() override {
        if (!savedResources_.isNull())
            Resource_Path = savedResources_;
    }

    std::unique_ptr<Image_Library> library;

private:
    QString savedResources_;
};

}  // namespace

TEST(ImageLibraryNames, CategoriesShowEachWordCapitalised) {
    const std::pair<const char*, const char*> cases[] = {
        {"animals", "Animals"}, {"ANIMALS", "Animals"}, {"wild animals", "Wild Animals"},
        {"mIxEd\tcase", "Mixed\tCase"}, {"", ""},
    };
    for (const auto& [folder, shown] : cases)
        EXPECT_EQ(Image_Library::capitalized(QString::fromUtf8(folder)), QString::fromUtf8(shown)) << folder;
}

TEST_F(ImageLibraryTest, CategoriesListPngAndJpgAndOpenTheirOwnFolders) {
    resources();
    for (const char* f : {"LibraryImage/animals/a.PNG", "LibraryImage/animals/b.jpeg", "LibraryImage/animals/c.jpg",
                          "LibraryImage/Zoo Signs/z.png", "LibraryImage/loose.png"})
        put(QString::fromLatin1(f));
    const int code = openWith(QStringLiteral("C"), [&](Image_Library& l) {
        EXPECT_EQ(l.windowTitle(), "Image Library");
        EXPECT_FALSE(l.cat_cmbo_bx->isHidden());
        ASSERT_EQ(l.cat_cmbo_bx->count(), 2);
        EXPECT_EQ(l.cat_cmbo_bx->itemText(0), "Animals");
        EXPECT_EQ(l.cat_cmbo_bx->itemText(1), "Zoo Signs");
        // "Animals" opens the folder "animals".
        EXPECT_EQ(names(), (QStringList{"a.PNG", "c.jpg"}));
        EXPECT_DOUBLE_EQ(l.zoom(), 0.4);
        EXPECT_TRUE(l._zoom_slider->isEnabled());
        // The first picture is chosen without a click.
        EXPECT_EQ(l.selected_image, QDir(Resource_Path).filePath("LibraryImage/animals/a.PNG"));
        l.categoryChosen(1);
        EXPECT_EQ(names(), QStringList{"z.png"});
        // A category gone meanwhile leaves the pictures shown.
        QDir(QDir(Resource_Path).filePath("LibraryImage/animals")).removeRecursively();
        l.categoryChosen(0);
        EXPECT_EQ(names(), QStringList{"z.png"});
        l.OK_Clicked();
    });
    EXPECT_EQ(code, 1);
    EXPECT_EQ(library->selected_image, QDir(Resource_Path).filePath("LibraryImage/Zoo Signs/z.png"));
}

TEST_F(ImageLibraryTest, BackgroundsReorderAndNeitherOkNorCancelKeepAMissingChoice) {
    resources();
    for (const char* f : {"Background/0.png", "Background/1.png", "Background/2.jpg", "Background/3.png",
                          "Background/4.png", "Background/x.gif", "Background/deep/5.png"})
        put(QString::fromLatin1(f));
    const int code = openWith(QStringLiteral("B"), [&](Image_Library& l) {
        EXPECT_EQ(l.windowTitle(), "Background Image Library");
        EXPECT_TRUE(l.cat_cmbo_bx->isHidden());
        EXPECT_TRUE(l.category_label->isHidden());
        EXPECT_EQ(names(), (QStringList{"0.png", "1.png", "2.jpg", "3.png", "4.png"}));
        l.images->moveItemsAtIndexes({0, 1}, 4);
        EXPECT_EQ(names(), (QStringList{"2.jpg", "3.png", "0.png", "1.png", "4.png"}));
        EXPECT_FALSE(l.images->removeRows(0, 2));
        EXPECT_EQ(l.images->rowCount(), 5);
        l.zoomSliderDidChange();
        l._zoom_slider->setValue(100);
        EXPECT_GT(l.imageBrowser->iconSize().width(), 200);
        // A chosen picture deleted since: refused.
        l.imageBrowser->setCurrentIndex(l.images->index(1));
        QFile::remove(l.selected_image);
        l.OK_Clicked();
        EXPECT_EQ(sink.shown, QStringList{"Please select image."});
        l.Cancel_Clicked();
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(library->selected_image.isEmpty());
    // Opened again: from the start, the first picture chosen.
    openWith(QStringLiteral("B"), [&](Image_Library& l) {
        EXPECT_EQ(names().value(0), "0.png");
        EXPECT_DOUBLE_EQ(l.zoom(), 0.4);
        EXPECT_TRUE(l.selected_image.endsWith("0.png"));
        l.Cancel_Clicked();
    });
}

TEST_F(ImageLibraryTest, MissingFoldersGiveAnEmptyLibrary) {
    resources();
    put(QStringLiteral("LibraryImage/only-a-file.png"));
    openWith(QStringLiteral("C"), [&](Image_Library& l) {
        EXPECT_EQ(l.cat_cmbo_bx->count(), 0);
        EXPECT_TRUE(names().isEmpty());
        EXPECT_FALSE(l._zoom_slider->isEnabled());
        l.OK_Clicked();
        EXPECT_EQ(sink.shown, QStringList{"Please select image."});
        l.Cancel_Clicked();
    });
}

TEST_F(ImageLibraryTest, ShippedPicturesReachTheCardThroughTheOpeners) {
    CroppingCommand::install(*w);
    // The shipped library: at least 40 pictures, PNG and JPEG, by category.
    int count = 0;
    QStringList kinds;
    for (const QFileInfo& category : QDir(QDir(Resource_Path).filePath("LibraryImage")).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QFileInfo& f : QDir(category.filePath()).entryInfoList(QDir::Files)) {
            ++count;
            EXPECT_FALSE(QImage(f.filePath()).isNull()) << f.fileName().toStdString();
            if (!kinds.contains(f.suffix()))
                kinds << f.suffix();
        }
    EXPECT_GE(count, 40);
    kinds.sort();
    EXPECT_EQ(kinds, (QStringList{"jpg", "png"}));

    auto image = std::static_pointer_cast<SKTImage>(add(GraphicKind::Image, QRectF(40, 40, 40, 20)));
    select({image});
    ScopedDialogRunner runner([&](QDialog* d) {
        auto* l = qobject_cast<Image_Library*>(d);
        if (!l)
            return 0;
        if (l->control_or_BG == QLatin1String("C")) {
            l->categoryChosen(l->cat_cmbo_bx->findText("Nature"));
            l->imageBrowser->setCurrentIndex(l->images->index(3));  // Cactus, Flower, Leaf, Mountains
        }
        l->OK_Clicked();
        return l->result();
    });
    w->Manual_Library_Browse_Btn();
    EXPECT_EQ(QFileInfo(image->_file_path).fileName(), "Mountains.jpg");
    EXPECT_TRUE(image->_file_path.contains("LibraryImage/Nature"));
    w->Card_Image_Library_Btn();
    EXPECT_EQ(QFileInfo(w->Front_card_Prop.Card_BG_Image_Path).fileName(), "Aurora.jpg");
}
