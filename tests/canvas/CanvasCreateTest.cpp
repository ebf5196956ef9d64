// Creating graphics with the tools and by control ID, lookup by ID and the
// cascade of new graphics.
#include "foundation/DrawingCodes.h"
#include "CanvasTestSupport.h"

#include "canvas/ToolKind.h"
#include "foundation/Codes.h"
#include "foundation/SKTImage.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace zelk;
using namespace zelk::test;

namespace {

struct ToolCase {
    int tool;
    GraphicKind kind;
    QString shape;  // ShapeCode for shapes
    QSizeF size;
};

class CanvasToolCreate : public CanvasFixture, public ::testing::WithParamInterface<ToolCase> {};

TEST_P(CanvasToolCreate, ToolCreatesItsKindOnTopSelectedAndReturnsToArrow) {
    const ToolCase c = GetParam();
    add(GraphicKind::Shape, QRectF(100, 100, 10, 10));  // an older graphic
    host.barcodePicture = QImage(120, 40, QImage::Format_RGB32);
    host.barcodePicture.fill(Qt::black);

    QSignalSpy posted(&tools, &ToolPalette::SKTSelectedToolDidChange);
    tools.selectTool(c.tool);
    ASSERT_EQ(posted.count(), 1);
    EXPECT_EQ(posted.first().first().toInt(), c.tool);

    const auto g = view->createGraphicOfClass(c.kind, false, QRectF(), CardSide::FrontName, QString(), QString());
    ASSERT_TRUE(g);
    EXPECT_EQ(g->kind(), c.kind);
    if (c.kind == GraphicKind::Shape) {
        EXPECT_EQ(g->Get_shape_type(), c.shape);
    }
    EXPECT_EQ(g->bounds().size(), c.size);
    ASSERT_EQ(doc.graphics.size(), 2);
    EXPECT_EQ(doc.graphics.first(), g);
    EXPECT_EQ(view->selectionIndexes(), indexesOf({0}));
    EXPECT_EQ(view->Selected_Graphic(), g);
    EXPECT_EQ(tools.Selected_Control_Tool(), int(ArrowTool));
    if (c.kind == GraphicKind::Barcode) {
        EXPECT_EQ(host.barcodeValues, QStringList{QStringLiteral("0123")});
        EXPECT_EQ(g->bar_image_ctrl_bounds, g->bounds());
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryTool, CanvasToolCreate,
    ::testing::Values(ToolCase{LineTool, GraphicKind::Line, {}, {50, 50}},
                      ToolCase{TextTool, GraphicKind::Text, {}, {70, 20}},
                      ToolCase{RectangleTool, GraphicKind::Shape, ShapeCode::Rectangle, {50, 50}},
                      ToolCase{CircleTool, GraphicKind::Shape, ShapeCode::Circle, {50, 50}},
                      ToolCase{RoundedRectangleTool, GraphicKind::Shape, ShapeCode::RoundedRectangle, {50, 50}},
                      ToolCase{TriangleTool, GraphicKind::Shape, ShapeCode::Triangle, {50, 50}},
                      ToolCase{DiamondTool, GraphicKind::Shape, ShapeCode::Diamond, {50, 50}},
                      ToolCase{StarTool, GraphicKind::Shape, ShapeCode::Star, {50, 50}},
                      ToolCase{DoubleStarTool, GraphicKind::Shape, ShapeCode::DoubleStar, {50, 50}},
                      ToolCase{PolygonTool, GraphicKind::Shape, ShapeCode::Polygon, {50, 50}},
                      ToolCase{SignatureTool, GraphicKind::Signature, {}, {50, 50}},
                      ToolCase{ImageTool, GraphicKind::Image, {}, {50, 50}},
                      // The barcode takes its picture's size: 120 x 40 pixels at 72 dpi.
                      ToolCase{BarcodeTool, GraphicKind::Barcode, {}, {120, 40}}),
    [](const auto& info) { return "Tool" + std::to_string(info.param.tool); });

TEST(ToolKind, EveryCreatingToolMapsBackToItself) {
    for (int t = FirstToolKind; t <= LastToolKind; ++t) {
        const auto kind = graphicKindForTool(t);
        if (!kind) {
            EXPECT_EQ(t, int(ArrowTool));
            continue;
        }
        EXPECT_EQ(toolForGraphic(*kind, shapeCodeForTool(t)), t) << t;
    }
    EXPECT_FALSE(graphicKindForTool(-1));
    EXPECT_FALSE(graphicKindForTool(LastToolKind + 1));
}

using CanvasCreate = CanvasFixture;

TEST_F(CanvasCreate, ByIdKeepsTheRectangleButATextOnlyItsOrigin) {
    tools.selectTool(RectangleTool);
    auto shape = view->createGraphicOfClass(GraphicKind::Shape, true, QRectF(130, 40, 80, 25), "F", "", "F_field1");
    EXPECT_EQ(shape->bounds(), QRectF(130, 40, 80, 25));
    EXPECT_EQ(shape->control_ID, QStringLiteral("F_field1"));

    // The text class chooses the text tool itself, whatever tool was current.
    auto text = view->createGraphicOfClass(GraphicKind::Text, true, QRectF(12, 14, 300, 90), "F", "Ann Lee", Fup_Name);
    ASSERT_TRUE(isExactlyText(text.get()));
    // 70 points wide at the rectangle's origin; the height then follows the
    // text (one line of the default font, less than the starting 20).
    EXPECT_EQ(text->bounds().topLeft(), QPointF(12, 14));
    EXPECT_EQ(text->width(), 70);
    EXPECT_DOUBLE_EQ(text->height(), zelk::fittedTextHeight(*text));
    EXPECT_LT(text->height(), 20);
    EXPECT_EQ(text->Text_Value, QStringLiteral("Ann Lee"));
    EXPECT_FALSE(text->_isDrawingFill);
    EXPECT_FALSE(text->_isDrawingStroke);
    EXPECT_EQ(doc.graphics.first(), text);

    // A new value of more lines makes the same text taller, at the same width.
    const double oneLine = text->height();
    view->ReplaceGraphicText(GraphicKind::Text, true, QRectF(12, 14, 300, 90), "F", "Ann\nLee\nSales", Fup_Name);
    EXPECT_EQ(text->width(), 70);
    EXPECT_GT(text->height(), 2.5 * oneLine);
}

TEST_F(CanvasCreate, UseRectWithoutIdGoesToTheNextNewPoint) {
    tools.selectTool(RectangleTool);
    auto g = view->createGraphicOfClass(GraphicKind::Shape, true, QRectF(100, 90, 30, 30), "F", "", "");
    EXPECT_EQ(g->bounds(), QRectF(20, 20, 30, 30));
}

TEST_F(CanvasCreate, WithNoCreatingToolTheClassDecides) {
    tools.setToolQuietly(ArrowTool);
    auto g = view->createGraphicOfClass(GraphicKind::Image, false, QRectF(), "F", "", Fup_Photo);
    EXPECT_TRUE(isExactlyImage(g.get()));
}

TEST_F(CanvasCreate, ImagePictureComesFromLibraryThenValueThenNoImage) {
    QTemporaryDir dir;
    const QString library = dir.filePath("lib.png"), value = dir.filePath("value.png");
    QImage pic(8, 6, QImage::Format_RGB32);
    pic.fill(Qt::red);
    ASSERT_TRUE(pic.save(library));
    ASSERT_TRUE(pic.save(value));

    struct {
        QString library, value, expected;
    } cases[] = {{library, value, library},
                 {dir.filePath("gone.png"), value, value},
                 {QString(), dir.filePath("gone.png"), QString()}};
    for (const auto& c : cases) {
        host.librarySelectedImage = c.library;
        tools.selectTool(ImageTool);
        auto g = view->createGraphicOfClass(GraphicKind::Image, false, QRectF(), "F", c.value, "");
        if (c.expected.isEmpty()) {
            // The no-image picture, whose path the library now holds.
            EXPECT_TRUE(g->_file_path.endsWith(QStringLiteral("no.png"))) << g->_file_path.toStdString();
            EXPECT_EQ(host.librarySelectedImage, g->_file_path);
        } else {
            EXPECT_EQ(g->_file_path, c.expected);
        }
    }
}

TEST_F(CanvasCreate, UndoStepsBeforeAndAfterOnlyWhileNotFillingProfiles) {
    const int start = view->undoStacks().undoCount();
    tools.selectTool(RectangleTool);
    view->createGraphicOfClass(GraphicKind::Shape, false, QRectF(), "F", "", "");
    // The side before it is the last step already.
    EXPECT_EQ(view->undoStacks().undoCount(), start + 1);

    // A profile's fields made and shown by ID record none (the stamping is
    // one step); a shape the user draws after it records the side before
    // it, fields and all, and its own.
    host.fillUserProfile = true;
    view->createGraphicOfClass(GraphicKind::Text, false, QRectF(), "F", "x", Fup_Name);
    view->ReplaceGraphicText(GraphicKind::Text, false, QRectF(), "F", "y", Fup_Name);
    EXPECT_EQ(view->undoStacks().undoCount(), start + 1);
    tools.selectTool(RectangleTool);
    view->createGraphicOfClass(GraphicKind::Shape, false, QRectF(), "F", "", "");
    EXPECT_EQ(view->undoStacks().undoCount(), start + 3);
}

class ExcelHost : public RecordingHost {
public:
    int Get_Excel_Coulmn_Index_According_ID(const QString& id) override {
        return id == Fup_Name ? 3 : id == QLatin1String("F_field2") ? 5 : -1;
    }
};

TEST_F(CanvasCreate, GroupModeBindsProfileFieldsToTheirColumns) {
    ExcelHost excel;
    excel.startCardOption = StartMode::GroupList;
    view->setHost(&excel);
    struct {
        QString id;
        int column;
    } cases[] = {{Fup_Name, 3}, {"F_field2", 5}, {Fup_Title, -1}, {"F_Photo1", -1}};
    for (const auto& c : cases) {
        auto g = view->createGraphicOfClass(GraphicKind::Text, false, QRectF(), "F", "v", c.id);
        EXPECT_EQ(g->excel_col_indx, c.column) << c.id.toStdString();
        EXPECT_EQ(g->data_source_type, c.column == -1 ? 0 : DataSourceType::ExcelColumn);
    }
    excel.startCardOption = StartMode::Template;
    auto g = view->createGraphicOfClass(GraphicKind::Text, false, QRectF(), "F", "v", Fup_Name);
    EXPECT_EQ(g->excel_col_indx, -1);
}

TEST_F(CanvasCreate, LookupByIdFindsTheTopmostTextOrImageAndLeavesTheSelection) {
    auto shape = add(GraphicKind::Shape, QRectF(0, 0, 10, 10));
    auto upper = add(GraphicKind::Text, QRectF(0, 0, 10, 10));
    auto lower = add(GraphicKind::Image, QRectF(0, 0, 10, 10));
    for (const auto& g : {shape, upper, lower})
        g->control_ID = Fup_Name;
    view->setSelectionIndexes({2});

    EXPECT_EQ(view->Selcect_Ctrl_With_ID(Fup_Name), upper);
    EXPECT_EQ(view->Selcect_Ctrl_With_ID(QString()), nullptr);
    EXPECT_EQ(view->Selcect_Ctrl_With_ID(Fup_Title), nullptr);
    EXPECT_EQ(view->selectionIndexes(), indexesOf({2}));

    // Selection by ID takes any kind.
    view->Set_Selection_Index_According_ID(Fup_Name);
    EXPECT_EQ(view->selectionIndexes(), indexesOf({0}));
    EXPECT_EQ(view->Selected_Graphic(), shape);
    view->Set_Selection_Index_According_ID(QStringLiteral("nothing"));
    EXPECT_TRUE(view->selectionIndexes().isEmpty());
    EXPECT_EQ(view->Selected_Graphic(), nullptr);
}

TEST_F(CanvasCreate, ReplaceReusesTheGraphicWithTheId) {
    auto text = add(GraphicKind::Text, QRectF(5, 5, 70, 20));
    text->control_ID = Fup_Company;
    text->ctrl_is_visible = false;
    text->_isDrawingFill = true;
    const int undoBefore = view->undoStacks().undoCount();

    view->ReplaceGraphicText(GraphicKind::Text, false, QRectF(), "F", "Acme", Fup_Company);
    ASSERT_EQ(doc.graphics.size(), 1);
    EXPECT_TRUE(text->ctrl_is_visible);
    EXPECT_EQ(text->Text_Value, QStringLiteral("Acme"));
    EXPECT_FALSE(text->_isDrawingFill);
    EXPECT_EQ(view->Selected_Graphic(), text);
    EXPECT_EQ(view->undoStacks().undoCount(), undoBefore + 1);

    // An empty value keeps the text.
    view->ReplaceGraphicText(GraphicKind::Text, false, QRectF(), "F", "", Fup_Company);
    EXPECT_EQ(text->Text_Value, QStringLiteral("Acme"));

    // No graphic with the ID: one is created.
    view->ReplaceGraphicText(GraphicKind::Text, false, QRectF(), "F", "Boss", Fup_Title);
    ASSERT_EQ(doc.graphics.size(), 2);
    EXPECT_EQ(doc.graphics.first()->control_ID, Fup_Title);

    // A caption of the design's given its own text again keeps the box an
    // earlier stamping left it at half its size, the room below it free:
    // it is never drawn larger than it stood.
    auto caption = add(GraphicKind::Text, QRectF(5, 60, 45, 9));
    caption->control_ID = Fup_lbl_Title;
    caption->Set_text_value(QStringLiteral("Position / Title :"));
    view->ReplaceGraphicText(GraphicKind::Text, false, QRectF(), "F", QStringLiteral("Position / Title :"), Fup_lbl_Title);
    EXPECT_EQ(caption->bounds(), QRectF(5, 60, 45, 9));
    view->endEditing();
}

TEST_F(CanvasCreate, HidingProfileFieldsSparesThePhotoAndOtherKinds) {
    struct {
        GraphicKind kind;
        QString id;
        bool staysVisible;
    } cases[] = {{GraphicKind::Text, Fup_Name, false},  {GraphicKind::Text, Fup_lbl_Photo, false},
                 {GraphicKind::Image, Fup_Photo, true},  {GraphicKind::Shape, Fup_Name, true},
                 {GraphicKind::Text, "F_field1", true},  {GraphicKind::Image, Fup_UniqueNo, false}};
    QList<std::shared_ptr<SKTGraphic>> made;
    for (const auto& c : cases) {
        made.append(add(c.kind, QRectF(0, 0, 5, 5)));
        made.last()->control_ID = c.id;
    }
    view->Hide_all_Text_control_FUP_Control();
    for (int i = 0; i < made.size(); ++i)
        EXPECT_EQ(made.at(i)->ctrl_is_visible, cases[i].staysVisible) << cases[i].id.toStdString();
}

// ---- The cascade of new graphics ----

TEST(NewControlPoint, StepIsTheCountButAtLeastTwentyAndRestartsNearTheEdge) {
    NewControlPoint p;
    const QSizeF canvas(200, 120);
    EXPECT_EQ(p.Control_New_Point("F", 0, canvas), QPointF(20, 20));
    EXPECT_EQ(p.Control_New_Point("F", 3, canvas), QPointF(40, 40));
    EXPECT_EQ(p.Control_New_Point("F", 25, canvas), QPointF(65, 65));
    EXPECT_EQ(p.Control_New_Point("F", 25, canvas), QPointF(90, 10));  // y 90 is within 50 of 120
    EXPECT_EQ(p.Control_New_Point("F", 60, canvas), QPointF(10, 10));  // x 150, y 70: both restart
    // Each side keeps its own point.
    EXPECT_EQ(p.Control_New_Point("B", 0, canvas), QPointF(20, 20));
    EXPECT_EQ(p.lastPoint("F"), QPointF(10, 10));
    // A point put back is where the cascade goes on from.
    p.setLastPoint("B", QPointF(30, 5));
    EXPECT_EQ(p.Control_New_Point("B", 0, canvas), QPointF(50, 25));
}

TEST(NewControlPoint, TinyCanvasKeepsRestartingAtTen) {
    NewControlPoint p;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(p.Control_New_Point("F", 100, QSizeF(30, 30)), QPointF(10, 10));
}

TEST_F(CanvasCreate, NewGraphicsCascadeByTheSidesCount) {
    for (int i = 0; i < 3; ++i) {
        tools.selectTool(RectangleTool);
        view->createGraphicOfClass(GraphicKind::Shape, false, QRectF(), "F", "", "");
    }
    EXPECT_EQ(doc.graphics.at(2)->bounds().topLeft(), QPointF(20, 20));
    EXPECT_EQ(doc.graphics.at(1)->bounds().topLeft(), QPointF(40, 40));
    EXPECT_EQ(doc.graphics.at(0)->bounds().topLeft(), QPointF(60, 60));
}

}  // namespace
