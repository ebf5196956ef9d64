// Designs drawn at random, stamped with short values and then with long
// ones, read back from a PDF of the side: a field reads wrong only where
// the batch at half size beside the photo at half would leave no fewer
// reading wrong; the photo is smaller than its frame only where beside it
// at its frame more would; the message names exactly those that read wrong.
#include "FieldsOnDesignsSupport.h"

#include "RandomDesigns.h"

#include "canvas/FieldBatchTries.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTText.h"
#include "mainwindow/DesignFile.h"

#include <QPainter>

#include <iostream>

namespace zelk::test {
namespace {

constexpr int Designs = 152;  // at the default count, over the shards
constexpr int Shards = 8;     // ctest cases that run side by side

// What a PDF of a side shows of its fields: those that read wrong, by kind.
using Wrong = std::map<ReadsWrong, QStringList>;

class RandomDesignsStamped : public FieldsOnDesigns, public ::testing::WithParamInterface<int> {
protected:
    // The design on a new card, as the user leaves it before stamping.
    void lay(const RandomDesign& d) {
        newCard(d.shape, d.card);
        GraphicList& side = window->_graphicView->mutableGraphics();
        if (d.picture) {
            // A background picture, dark over its part of the card.
            const QSize px(int(d.card.width() * 4), int(d.card.height() * 4));
            QImage picture(px, QImage::Format_RGB32);
            picture.fill(QColor(0xf4, 0xf1, 0xe8));
            const QRectF dark = d.darkRect();
            QPainter(&picture).fillRect(QRectF(dark.topLeft() * 4, dark.size() * 4), d.dark);
            backgroundPicture(picture, QStringLiteral("ground.png"));
        } else {
            addFilled(d.darkRect(), d.dark)->_isDrawingStroke = false;
        }
        int pictures = 0;
        for (const RandomOwnGraphic& g : d.own)
            switch (g.kind) {
            case RandomOwnGraphic::Kind::Text: {
                auto t = std::make_shared<SKTText>();
                t->text_ctrl_font.setPointSizeF(g.points);
                t->txt_clr = g.colour;
                t->setBounds(g.box);
                t->Set_text_value(g.text);
                t->setHeight(fittedTextHeight(*t));
                side.insert(0, t);
                break;
            }
            case RandomOwnGraphic::Kind::Shape:
                addFilled(g.box, g.colour)->_isDrawingStroke = false;
                break;
            case RandomOwnGraphic::Kind::Picture: {
                auto image = std::make_shared<SKTImage>();
                image->setFilePath(picture(QStringLiteral("own%1.png").arg(++pictures), {24, 24}, g.colour), true);
                image->setBounds(g.box);
                side.insert(0, image);
                break;
            }
            case RandomOwnGraphic::Kind::Barcode: {
                const auto code = code128(g.text, g.box.topLeft());
                side.insert(0, code);
                break;
            }
            }
    }
    QList<HolderSample> samples(const QStringList& values) const {
        QList<HolderSample> out = holderSamples();
        for (int i = 0; i < ProfileTextSlotCount; ++i)
            out[i].value = values.at(i);
        return out;
    }
    // The design drawn anew and stamped: with short values, then (`twice`)
    // with long ones; the last stamping's tries those `filter` accepts.
    void stampings(const RandomDesign& d, bool twice, const BatchTryFilter& filter = {}) {
        lay(d);
        if (twice) {
            stamp(d.fieldSlots, samples(d.shortValues), d.photo);
            sink.shown.clear();
        }
        batchTryFilter() = filter;
        stamp(d.fieldSlots, samples(twice ? d.longValues : d.shortValues), d.photo);
        batchTryFilter() = {};
    }
    const GraphicList& side() const { return window->Get_Front_Controls_Array(); }
    // What the stamping's batch left reading wrong, as it counts them
    // (those whose words read wrong, then those read as another's), and
    // how wide the photo stands (0 for none).
    std::pair<std::pair<int, int>, double> measured() {
        const auto photo = front(Fup_Photo);
        return {{lastFieldBatch().wrongInTry, lastFieldBatch().readAsAnother},
                photo && photo->ctrl_is_visible ? photo->bounds().width() : 0.0};
    }
    // What a stamping left that the promise does not allow, or nothing.
    QStringList check(const RandomDesign& d, bool twice) {
        QStringList failures;
        // The PDF of the side, read once: the fields whose words leave the
        // card, meet others', or lie across an edge or where they do not read.
        const QSizeF card = window->Front_card_Prop.Card_Size;
        const QString pdf = pdfOf(QStringLiteral("side.pdf"), side());
        std::map<ReadsWrong, QStringList> ids;
        ids[ReadsWrong::LeavesTheCard] = fieldsLeavingInPdf(inkPdf(side()), side(), card, ::Card_Shape);
        ids[ReadsWrong::Meets] = fieldsMeetingInPdf(pdf, side(), card);
        for (const auto& [id, why] : fieldsAcrossOrUnreadableInPdf(pdf, side(), card))
            ids[why] << id;
        // By the names the user is told them, each under the worst of its fields'.
        QStringList named, placed;
        for (ReadsWrong why : {ReadsWrong::LeavesTheCard, ReadsWrong::Meets, ReadsWrong::AcrossAnEdge, ReadsWrong::Unreadable}) {
            QStringList names;
            for (const QString& name : namesOfFields(ids[why], side()))
                if (!named.contains(name))
                    names << name;
            named << names;
            // Words astride the dark part's edge stand on ground as much
            // light as dark: whether they read is a pixel's call, either
            // answer stands.
            QStringList astride;
            if (why == ReadsWrong::Unreadable)
                for (const auto& g : side())
                    if (g && g->ctrl_is_visible && isExactlyText(g.get()) && isFieldId(g->control_ID))
                        for (const QRectF& w : printedWordBoxes(*g))
                            if (w.intersects(d.darkRect()) && !d.darkRect().contains(w))
                                astride << namesOfFields({g->control_ID}, side());
            QStringList told = namesTold(sink.shown, why), wrong = names;
            for (const QString& name : astride)
                told.removeAll(name), wrong.removeAll(name);
            if (told != wrong)
                failures << QStringLiteral("told of \"%1\" where \"%2\" read wrong so (kind %3)")
                                .arg(told.join(", "), wrong.join(", "))
                                .arg(int(why));
            for (const QString& id : ids[why])
                if (const auto g = front(id); g && g->boxOwner() == BoxOwner::Rule && !g->ctrl_is_locked && !placed.contains(id))
                    placed << id;
        }
        // Each value reads as its own caption's: no other caption stands
        // nearer it, and no words but its own stand straight after its
        // caption on the line, within an em and a half. The batch counts
        // those it leaves.
        QStringList misread;
        for (int i : d.fieldSlots) {
            const HolderSample& h = holderSamples().at(i);
            const auto value = front(h.valueId), own = front(h.captionId);
            if (!value || !own || !value->ctrl_is_visible || !own->ctrl_is_visible)
                continue;
            const double em = drawnTextPointSize(*own);
            const qsizetype before = misread.size();
            for (const auto& other : side()) {
                if (!other || other == own || other == value || !other->ctrl_is_visible ||
                    !isExactlyText(other.get()) || other->Text_Value.isEmpty())
                    continue;
                if (fieldRole(other->control_ID) == FieldRole::Caption &&
                    gapBetween(value->drawingBounds(), other->drawingBounds()) <
                        gapBetween(value->drawingBounds(), own->drawingBounds()) - 0.01)
                    misread << QStringLiteral("\"%1\" reads as \"%2\"").arg(value->Text_Value, other->Text_Value);
                if (followedOnLine(own->drawingBounds(), other->drawingBounds(), 1.5 * em))
                    misread << QStringLiteral("\"%1\" is followed by \"%2\"").arg(own->Text_Value, other->Text_Value);
            }
            if (misread.size() > before && value->boxOwner() == BoxOwner::Rule && !value->ctrl_is_locked &&
                !placed.contains(h.valueId))
                placed << h.valueId;
        }
        if (!misread.isEmpty() && lastFieldBatch().readAsAnother == 0)
            failures << QStringLiteral("uncounted: ") + misread.join(", ");
        // Fields above half their size, or a photo above half its own,
        // while some the rule placed read wrong or as another's: no fewer
        // may at half beside half.
        const auto [count, photoWidth] = measured();
        const double frame = window->Get_Control_Rect_From_Template(Fup_Photo, QString()).width();
        bool larger = photoWidth > frame / 2 + 0.5;
        for (const QString& id : placed)
            larger = larger || drawnShare(*front(id)) > SmallestFieldScale + 0.05;
        if (!placed.isEmpty() && larger) {
            stampings(d, twice, [](double fields, double photo) {
                return fields == SmallestFieldScale && photo == SmallestFieldScale;
            });
            if (const auto half = measured().first; half < count)
                failures << QStringLiteral("%1 (%2) read wrong above half size, where %3 (%4) would at half beside half: %5 %6")
                                .arg(count.first).arg(count.second).arg(half.first).arg(half.second).arg(placed.join(", "), misread.join(", "));
        }
        // A photo smaller than the tries at its frame leave it: only where
        // they leave more reading wrong.
        if (photoWidth > 0 && photoWidth < frame - 0.5) {
            stampings(d, twice, [](double, double photo) { return photo == 1.0; });
            if (const auto [atFrame, width] = measured(); photoWidth < width - 0.5 && atFrame <= count)
                failures << QStringLiteral("the photo %1 points wide, where at %2 %3 (%4) would read wrong, not %5 (%6)")
                                .arg(photoWidth).arg(width).arg(atFrame.first).arg(atFrame.second).arg(count.first).arg(count.second);
        }
        return failures;
    }
    QString leave(const RandomDesign& d, bool twice) {
        stampings(d, twice);
        const QString did = failurePath(QStringLiteral("RandomDesigns"), d.seed, twice ? "-long.did" : "-short.did");
        DesignFile::writeDesignFile(did, window->currentDesignContents(), QStringLiteral("L"));
        return did;
    }
};

TEST_P(RandomDesignsStamped, FieldsReadWrongOnlyWhereHalfBesideHalfDoesNoBetterAndAreNamed) {
    const QList<std::uint32_t> seeds = seedsToRun(Designs);
    int stamped = 0, wrong = 0;
    for (qsizetype i = 0; i < seeds.size(); ++i) {
        if (seeds.size() > 1 ? i % Shards != GetParam() : GetParam() != 0)
            continue;
        const RandomDesign d = drawDesign(seeds.at(i));
        for (bool twice : {false, true}) {
            sink.shown.clear();
            stampings(d, twice);
            ++stamped;
            wrong += sink.shown.isEmpty() ? 0 : 1;
            const QStringList told = sink.shown;
            if (const QStringList failures = check(d, twice); !failures.isEmpty())
                ADD_FAILURE() << "seed " << d.seed << (twice ? " stamped again with long values" : " stamped short")
                              << " (replay with ZELK_RANDOM_SEED=" << d.seed << "), left at "
                              << qPrintable(leave(d, twice)) << ":\n"
                              << qPrintable(d.describe()) << qPrintable(failures.join(u'\n')) << "\n"
                              << qPrintable(told.join(u'\n'));
        }
    }
    std::cout << "[ shard " << GetParam() << " ] " << stamped << " stampings, " << wrong << " told of fields\n";
}

INSTANTIATE_TEST_SUITE_P(Shards, RandomDesignsStamped, ::testing::Range(0, Shards));

}  // namespace
}  // namespace zelk::test
