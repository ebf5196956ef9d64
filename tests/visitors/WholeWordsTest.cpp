// A value whose one word its frame holds only at a smaller size, read back
// from a PDF of the side: drawn whole in its frame at that size, not at its
// own with the word broken in two, the same on every road that fills it.
#include "FieldsOnDesignsSupport.h"

#include "inspector/face/CardFace.h"

namespace zelk::test {
namespace {

enum class Road { Stamp, Group, Both };
struct Case {
    const char* name;
    Road road;
};

class WholeWords : public FieldsOnDesigns, public ::testing::WithParamInterface<Case> {
protected:
    // The manager template, its e-mail frame made `height` points tall.
    QRectF loadWithEmailFrame(double height) {
        EXPECT_EQ(window->Read_and_load_design_Log_NEW_METHOD(
                      resourceDir() + "/Templates/Corporate/Corporate_Manager.did", "T", true),
                  1);
        const auto email = front(Fup_EmailID);
        email->setBounds(QRectF(email->bounds().topLeft(), QSizeF(email->bounds().width(), height)));
        return email->bounds();
    }
    void fill(Road road, const QList<HolderSample>& values) {
        if (road == Road::Group)
            group(values);
        else
            stamp({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, values, false);
    }
    // The e-mail as pdftotext reads it from a PDF of the side: the word
    // whose text is all of it (none where it was broken).
    std::optional<QRectF> emailWord(const QString& name, const QString& email) {
        for (const PdfWord& w : pdfWords(pdfOf(name, window->Get_Front_Controls_Array())))
            if (w.text == email)
                return w.box;
        return std::nullopt;
    }
    // The word drawn at the field's own size, as a text of the user's.
    QRectF ownSizeWord(const QString& email) {
        std::shared_ptr<SKTGraphic> own = front(Fup_EmailID)->clone();
        own->control_ID.clear();
        own->setBounds(QRectF(10, 10, 220, 20));
        for (const PdfWord& w : pdfWords(pdfOf("own.pdf", {own})))
            if (w.text == email)
                return w.box;
        return QRectF();
    }
};

// The manager template's e-mail frame 69.6 points wide made 20 points tall,
// every box ticked, an e-mail of 31 characters: at its own 6 points the
// word is wider than the frame, at half it is about 52 points wide.
TEST_P(WholeWords, AWordTheFrameHoldsSmallerIsDrawnWholeThere) {
    const Case& c = GetParam();
    CardFace::install();
    QList<HolderSample> values = holderSamples();
    const QString email = QStringLiteral("ines.obradovic@harbourlines.com");
    values[SlotEmail].value = email;
    QList<QRectF> read;
    for (Road road : c.road == Road::Both ? QList<Road>{Road::Stamp, Road::Group} : QList<Road>{c.road}) {
        const QRectF frame = loadWithEmailFrame(20);
        fill(road, values);
        const auto word = emailWord(QStringLiteral("side%1.pdf").arg(read.size()), email);
        ASSERT_TRUE(word) << "the e-mail is broken: " << rectText(front(Fup_EmailID)->bounds()).toStdString();
        EXPECT_TRUE(frame.adjusted(-1, -1, 1, 1).contains(*word)) << rectText(*word).toStdString();
        // Smaller than its own size, not below half, and as large as the
        // frame lets it: the next size up (the layout steps by a pixel at
        // 96 dpi, about a fifth at this size) would not fit it.
        const QRectF own = ownSizeWord(email);
        const double share = word->height() / own.height();
        EXPECT_LT(share, 1.0);
        EXPECT_GE(share, SmallestFieldScale - 0.01);
        EXPECT_GT(word->width() * 1.25, frame.width()) << share;
        read << *word;
        window->New_Project();
        ::Fill_User_Profile = true;
        ::Start_Card_Option = StartMode::Template;
    }
    if (read.size() == 2) {
        EXPECT_EQ(rectText(read.at(0)).toStdString(), rectText(read.at(1)).toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(OnEveryRoad, WholeWords,
                         ::testing::Values(Case{"Stamped", Road::Stamp}, Case{"GroupRow", Road::Group},
                                           Case{"SamePlaceOnBothRoads", Road::Both}),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelk::test
