// The shipped templates, their previews and the interface pictures are the
// output of tools/make_templates.cpp, and every template opens, in the
// design-file reader and in the main window, with its front side as preview.
// After changing the generator: bin/zelk_make_templates <source>/resources
#include "HolderFields.h"
#include "MainWindowTestSupport.h"
#include "TestSupport.h"

#include "canvas/FieldPlacement.h"
#include "canvas/SideSnapshot.h"
#include "canvas/SKTRenderingView.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ModelHost.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"
#include "inspector/face/CardFace.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/CardSizeChange.h"
#include "mainwindow/DesignFile.h"
#include "mainwindow/TemplateGallery.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <vector>
#include <gtest/gtest.h>
#include <cstdlib>
#include <QFileInfo>

namespace {

QStringList shippedPreviews() {
    QStringList out;
    const QDir root(QDir(zelk::test::resourceDir()).filePath(QStringLiteral("Templates")));
    for (const QString& folder : TemplateGallery::categoryFolderNames())
        out << TemplateGallery::previewFilesIn(root.filePath(folder));
    return out;
}

QStringList relativeFiles(const QString& root) {
    QStringList out;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(root).relativeFilePath(it.next());
    out.sort();
    return out;
}

// Mean absolute difference per channel, 0 to 255.
double meanDifference(const QImage& a0, const QImage& b0) {
    const QImage a = a0.convertToFormat(QImage::Format_ARGB32);
    const QImage b = b0.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = a.pixel(x, y), pb = b.pixel(x, y);
            sum += std::abs(qRed(pa) - qRed(pb)) + std::abs(qGreen(pa) - qGreen(pb)) +
                   std::abs(qBlue(pa) - qBlue(pb)) + std::abs(qAlpha(pa) - qAlpha(pb));
        }
    return sum / (4.0 * a.width() * a.height());
}

// The front side as the generator previews it (144 dpi).
QImage renderFront(const zelk::DesignContents& design) {
    CardFace::install();
    const QRectF card(QPointF(0, 0), design.Front_card_Prop.Card_Size);
    const zelk::SideSnapshot side = zelk::SideSnapshot::take(&design.frontGraphics, &design.Front_card_Prop,
                                                             &design.Back_card_Prop, design.Card_Shape, 0, card);
    return SKTRenderingView(card, side, QStringLiteral("Preview")).imageAtResolution(144.0);
}

TEST(TemplateGenerator, ShippedResourcesAreTheGeneratorsOutput) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const zelk::test::ToolResult run = zelk::test::runTool(QStringLiteral(ZELK_MAKE_TEMPLATES), {out.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    const QString shipped = QDir(zelk::test::sourceDir()).filePath(QStringLiteral("resources"));
    const QStringList made = relativeFiles(out.path());
    // An empty output must not pass as equal to an empty folder.
    ASSERT_GE(made.size(), 30);
    const QStringList committed = relativeFiles(shipped);
    for (const QString& rel : made) {
        ASSERT_TRUE(committed.contains(rel)) << rel.toStdString();
        const QString mine = QDir(out.path()).filePath(rel);
        const QString theirs = QDir(shipped).filePath(rel);
        const QString ext = QFileInfo(rel).suffix().toLower();
        if (ext == QLatin1String("png") || ext == QLatin1String("jpg")) {
            // Pictures compare by their pixels: the encoder's bytes may vary
            // with the library version, and glyph edges with the font build.
            const QImage a(mine), b(theirs);
            ASSERT_EQ(a.size(), b.size()) << rel.toStdString();
            EXPECT_LT(meanDifference(a, b), 2.0) << rel.toStdString();
        } else {
            EXPECT_EQ(zelk::test::fileBytes(mine), zelk::test::fileBytes(theirs)) << rel.toStdString();
        }
    }
    // No stale template left in the shipped folder (a committed file the
    // generator no longer writes).
    for (const QString& rel : committed) {
        if (rel.startsWith(QLatin1String("Templates/"))) {
            EXPECT_TRUE(made.contains(rel)) << rel.toStdString();
        }
    }
}

// Resolves the pictures of the resources as the window does (the photos'
// no-picture file), without a window.
class ResourcesHost : public zelk::DefaultModelHost {
public:
    ResourcesHost() { zelk::setModelHost(this); }
    ~ResourcesHost() override { zelk::setModelHost(nullptr); }
    QString Check_Path_For_App_Resources(const QString& path) override {
        return zelk::AppPaths::relocatedIntoResources(path, zelk::test::resourceDir());
    }
};

TEST(ShippedTemplates, EachOpensAndItsPreviewIsItsFrontSide) {
    ResourcesHost host;
    const QStringList previews = shippedPreviews();
    ASSERT_GE(previews.size(), 14);
    for (const QString& preview : previews) {
        SCOPED_TRACE(preview.toStdString());
        const zelk::DesignReadResult read = DesignFile::readDesignFile(TemplateGallery::designPathOfPreview(preview));
        ASSERT_TRUE(read.ok()) << read.detail.toStdString();
        const zelk::DesignContents& d = *read.contents;
        EXPECT_EQ(d.Start_Card_Option, QStringLiteral("T"));
        EXPECT_EQ(d.CARD_SIDE_STR, QStringLiteral("2"));
        EXPECT_FALSE(d.frontGraphics.isEmpty());
        EXPECT_FALSE(d.backGraphics.isEmpty());
        EXPECT_TRUE(d.excelColumnTitles.isEmpty());
        // Both sides hold the holder's fields; the company of the headers is
        // the issuer's, and the holder's company frame stays hidden.
        auto count = [](const QList<std::shared_ptr<SKTGraphic>>& side, const QString& id) {
            return std::count_if(side.begin(), side.end(), [&](const auto& g) { return g->control_ID == id; });
        };
        for (const QString& id : {Fup_Name, Fup_UniqueNo, Fup_Photo}) {
            EXPECT_EQ(count(d.frontGraphics, id), 1) << id.toStdString();
            EXPECT_EQ(count(d.backGraphics, id), 1) << id.toStdString();
        }
        EXPECT_EQ(count(d.backGraphics, Fup_Title), count(d.frontGraphics, Fup_Title));
        for (const auto* side : {&d.frontGraphics, &d.backGraphics})
            for (const auto& g : *side)
                if (g->control_ID == Fup_Company) {
                    EXPECT_FALSE(g->ctrl_is_visible);
                }

        const QImage shipped(preview);
        const QImage rendered = renderFront(d);
        ASSERT_FALSE(shipped.isNull());
        ASSERT_EQ(shipped.size(), rendered.size());
        // Drawn by the same renderer: only font rasterising may differ.
        EXPECT_LT(meanDifference(shipped, rendered), 2.0);
        // And it is a card, not a blank: the header or band is coloured
        // (the shipped ones differ from white by 25 or more).
        QImage blank(shipped.size(), QImage::Format_ARGB32);
        blank.fill(Qt::white);
        EXPECT_GT(meanDifference(shipped, blank), 10.0);
    }
}

// Every holder field a profile, the visitor desk or a group project may put
// on a side has its frame there, hidden but for the template's samples; all
// shown with long values, they stay on the card and clear of each other and
// of the design's texts, and the photo sits in its frame.
TEST(ShippedTemplates, EveryHolderFieldHasAHiddenFrameAndAllShowClearOfEachOther) {
    ResourcesHost host;
    const QStringList previews = shippedPreviews();
    ASSERT_GE(previews.size(), 14);
    for (const QString& preview : previews) {
        const zelk::DesignReadResult read = DesignFile::readDesignFile(TemplateGallery::designPathOfPreview(preview));
        ASSERT_TRUE(read.ok()) << read.detail.toStdString();
        const zelk::DesignContents& d = *read.contents;
        for (int s = 0; s < 2; ++s) {
            SCOPED_TRACE(QStringLiteral("%1 side %2").arg(QFileInfo(preview).baseName()).arg(s).toStdString());
            const QList<std::shared_ptr<SKTGraphic>>& side = s == 0 ? d.frontGraphics : d.backGraphics;
            QHash<QString, std::shared_ptr<SKTGraphic>> byId;
            for (const auto& g : side)
                if (!g->control_ID.isEmpty()) {
                    EXPECT_FALSE(byId.contains(g->control_ID)) << g->control_ID.toStdString();
                    byId.insert(g->control_ID, g);
                }
            for (const zelk::test::HolderSample& h : zelk::test::holderSamples()) {
                ASSERT_TRUE(byId.contains(h.valueId)) << h.valueId.toStdString();
                ASSERT_TRUE(byId.contains(h.captionId)) << h.captionId.toStdString();
                EXPECT_FALSE(byId[h.captionId]->ctrl_is_visible) << h.captionId.toStdString();
                if (!QStringList{Fup_Name, Fup_Title, Fup_UniqueNo}.contains(h.valueId)) {
                    EXPECT_FALSE(byId[h.valueId]->ctrl_is_visible) << h.valueId.toStdString();
                }
            }
            EXPECT_TRUE(zelk::test::photoInItsFrame(side));

            for (const zelk::test::HolderSample& h : zelk::test::holderSamples())
                for (const auto& [id, text] : {std::pair{h.valueId, h.value}, std::pair{h.captionId, h.caption}}) {
                    SKTGraphic& g = *byId[id];
                    g.Set_Ctrl_Is_Visible(true);
                    g._Text_contents = g.Text_Value = text;
                    g.setHeight(zelk::fittedTextHeight(g));
                }
            EXPECT_EQ(zelk::test::overlapsOn(side, d.Front_card_Prop.Card_Size).join(" | ").toStdString(), "");
        }
    }
}

// Values longer than their frames have lines for, shown one after another
// as the desk shows them (each box grows only into free room): they are
// drawn smaller inside their frames, nothing meets, and a PDF of the side
// holds each value whole in its frame.
TEST(ShippedTemplates, LongValuesStayInTheirFramesAndWholeInAPdf) {
    ResourcesHost host;
    CardFace::install();
    const QStringList previews = shippedPreviews();
    ASSERT_GE(previews.size(), 14);
    QTemporaryDir dir;
    for (const QString& preview : previews) {
        const zelk::DesignReadResult read = DesignFile::readDesignFile(TemplateGallery::designPathOfPreview(preview));
        ASSERT_TRUE(read.ok()) << read.detail.toStdString();
        const zelk::DesignContents& d = *read.contents;
        const QRectF card(QPointF(0, 0), d.Front_card_Prop.Card_Size);
        for (int s = 0; s < 2; ++s) {
            SCOPED_TRACE(QStringLiteral("%1 side %2").arg(QFileInfo(preview).baseName()).arg(s).toStdString());
            const QList<std::shared_ptr<SKTGraphic>>& side = s == 0 ? d.frontGraphics : d.backGraphics;
            for (const zelk::test::HolderSample& h : zelk::test::longHolderSamples())
                for (const auto& [id, text] : {std::pair{h.captionId, h.caption}, std::pair{h.valueId, h.value}})
                    for (const auto& g : side)
                        if (g->control_ID == id) {
                            g->Set_Ctrl_Is_Visible(true);
                            g->Set_text_value(text);
                            g->setHeight(zelk::textHeightWithin(*g, side, card));
                        }
            EXPECT_EQ(zelk::test::overlapsOn(side, card.size()).join(" | ").toStdString(), "");

            const QString pdf = dir.filePath(QStringLiteral("side.pdf"));
            const auto snapshot =
                zelk::SideSnapshot::take(&side, &d.Front_card_Prop, &d.Back_card_Prop, d.Card_Shape, s, card);
            zelk::test::writeBytes(pdf, SKTRenderingView(card, snapshot, QStringLiteral("t")).dataWithPDFInsideRect(card));
            EXPECT_EQ(zelk::test::valuesNotWholeInPdf(pdf, side, zelk::test::longHolderSamples()).join(" | ").toStdString(),
                      "");
        }
    }
}

// Every text of every shipped template, its hidden frames shown too, reads
// at 3:1 or more on what lies under it: the template drawn without that
// text, under the pixels it inks (those nearer its colour than the
// ground's), their middle contrast.
TEST(ShippedTemplates, EveryTextReadsOnWhatLiesUnderIt) {
    ResourcesHost host;
    CardFace::install();
    for (const QString& preview : shippedPreviews()) {
        const zelk::DesignReadResult read = DesignFile::readDesignFile(TemplateGallery::designPathOfPreview(preview));
        ASSERT_TRUE(read.ok()) << read.detail.toStdString();
        const zelk::DesignContents& d = *read.contents;
        const QRectF card(QPointF(0, 0), d.Front_card_Prop.Card_Size);
        for (int s = 0; s < 2; ++s) {
            const QList<std::shared_ptr<SKTGraphic>>& side = s == 0 ? d.frontGraphics : d.backGraphics;
            const auto drawnWith = [&](SKTGraphic& g, bool shown) {
                g.Set_Ctrl_Is_Visible(shown);
                const auto snapshot =
                    zelk::SideSnapshot::take(&side, &d.Front_card_Prop, &d.Back_card_Prop, d.Card_Shape, s, card);
                return SKTRenderingView(card, snapshot, QStringLiteral("t")).imageAtResolution(144);
            };
            const auto distance = [](QRgb a, QRgb b) {
                return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
            };
            for (const auto& g : side) {
                if (!zelk::isExactlyText(g.get()) || g->Text_Value.trimmed().isEmpty())
                    continue;
                const bool shown = g->ctrl_is_visible;
                const QImage ground = drawnWith(*g, false).convertToFormat(QImage::Format_RGB32);
                const QImage drawn = drawnWith(*g, true).convertToFormat(QImage::Format_RGB32);
                g->Set_Ctrl_Is_Visible(shown);
                const QRgb ink = g->txt_clr.rgb();
                std::vector<double> ratios;
                for (int y = 0; y < drawn.height(); ++y)
                    for (int x = 0; x < drawn.width(); ++x) {
                        const QRgb under = ground.pixel(x, y), here = drawn.pixel(x, y);
                        if (here != under && distance(here, ink) < distance(here, under))
                            ratios.push_back(zelk::test::contrast(g->txt_clr, QColor(under)));
                    }
                SCOPED_TRACE(QStringLiteral("%1 side %2: \"%3\"")
                                 .arg(QFileInfo(preview).baseName())
                                 .arg(s)
                                 .arg(g->Text_Value)
                                 .toStdString());
                ASSERT_FALSE(ratios.empty());
                std::nth_element(ratios.begin(), ratios.begin() + std::ptrdiff_t(ratios.size() / 2), ratios.end());
                EXPECT_GE(ratios[ratios.size() / 2], 3.0);
            }
        }
    }
}

class ShippedTemplatesInWindow : public zelk::test::MainWindowTest {};

TEST_F(ShippedTemplatesInWindow, EachLoadsAsAnUntitledTemplate) {
    SKTWindowController& w = open();
    const QStringList previews = shippedPreviews();
    ASSERT_GE(previews.size(), 14);  // a lost resource folder must not pass unseen
    for (const QString& preview : previews) {
        SCOPED_TRACE(preview.toStdString());
        sink.shown.clear();
        EXPECT_EQ(w.Read_and_load_design_Log_NEW_METHOD(TemplateGallery::designPathOfPreview(preview),
                                                        QStringLiteral("T"), true),
                  1);
        EXPECT_TRUE(sink.shown.isEmpty()) << sink.text();
        EXPECT_EQ(Project_File_Name, QString());
        EXPECT_FALSE(w.Get_Front_Controls_Array().isEmpty());
    }
}

}  // namespace
