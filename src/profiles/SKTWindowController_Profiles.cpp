// The main window's card-holder profile topic: the layout rectangles, the
// profile dialogs' opener, the stamping of profiles onto the sides, the
// preview and the invitation layout.
#include "mainwindow/SKTWindowController.h"

#include "canvas/FieldPlacement.h"
#include "canvas/NewControlPoint.h"
#include "canvas/ReadingWrongMessage.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "datasource/Data_From_Excel.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/GraphicArchive.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTText.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "profiles/ProfileLayoutTemplate.h"
#include "profiles/ProfileStamp.h"
#include "profiles/Show_User_Profile.h"
#include "profiles/User_profile.h"

#include <QComboBox>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QSignalBlocker>

#include <exception>

QRectF SKTWindowController::Get_Control_Rect_From_Template(const QString& ctrl_ID, const QString& ctrl_Value) const {
    // A caption is placed clear of its value by the height of its own
    // lines, as the canvas will fit them in a new text.
    SKTText caption;
    caption.setBounds(QRectF(0, 0, zelk::NewTextWidth, zelk::NewTextHeight));
    caption.Set_text_value(ctrl_Value);
    return zelk::profileControlRect(ctrl_ID, Front_card_Prop.Card_Size, zelk::fittedTextHeight(caption));
}

// ---------------------------------------------------------------- opening the dialogs

namespace {

// The kind combo offers "Excel" while a workbook is bound. Taking the entry
// away while it is chosen moves the combo to another kind by itself: no
// user chose that kind, so it binds nothing and asks for no series.
void followExcelBinding(SKTWindowController& w) {
    const QScopedValueRollback<bool> notChosen(::Not_Draw_Only_Prop_Change, true);
    if (::Excel_Binding_Use)
        w.Add_Excel_Col_Name_In_Combo(w.Data_source_type);
    else
        w.Remove_Excel_Col_Name_In_Combo(w.Data_source_type);
}

void unbindExcel(SKTGraphic& g) {
    g.Set_Data_source_type(DataSourceType::Manual);
    g.Set_Excel_binding(false);
    g.Set_Excel_binding_Index(DataSourceType::None);
    g.Set_Batch_List_Index(DataSourceType::None);
    g.Set_Batch_List_Name(QString());
}

// The Excel-bound texts, images and barcodes of a side lose their binding;
// with keepProfile, the profile graphics keep theirs (the stamping that
// follows rewrites them).
void unbindExcelGraphics(const GraphicList& graphics, bool keepProfile) {
    for (const std::shared_ptr<SKTGraphic>& g : graphics) {
        if (!g || !(zelk::isExactlyText(g.get()) || zelk::isExactlyImage(g.get()) || zelk::isExactlyBarcode(g.get())))
            continue;
        if (g->data_source_type != DataSourceType::ExcelColumn)
            continue;
        if (keepProfile && g->control_ID.contains(zelk::ProfileIdMark))
            continue;
        unbindExcel(*g);
    }
}

}  // namespace

int SKTWindowController::Open_User_Profile_Window(char flag, const QString& load_side, const QString& total_side) {
    const QString side = Trim_Str(load_side);
    int code = 0;
    if (!side.isEmpty()) {
        Show_User_Profile* dialog = Show_User_Profile::defaultInstance();
        dialog->load_side = side;
        code = dialog->Open_Wnd(flag != 0);
    } else {
        User_profile* dialog = User_profile::defaultInstance();
        dialog->load_side = total_side == CardSide::OneSided ? CardSide::FrontName : QString();
        code = dialog->Open_Wnd(::Fill_User_Profile ? 1 : 0);
    }
    if (code == 1)
        ::Fill_User_Profile = true;
    followExcelBinding(*this);
    // Only a confirmed dialog acts on a newly chosen workbook, once.
    if (code != 1 || Calculate_Excel_table_rows() < 1 || !::Browse_Excel_AGAIN)
        return code;
    ::Browse_Excel_AGAIN = false;
    try {
        if (Data_source_type && Data_source_type->currentIndex() == DataSourceType::ExcelColumn) {
            // "Excel" is announced once more so that the inspector refills the
            // new columns; the passes through "Manual" and none are silent, or
            // the inspector would unbind the selected graphics on the way.
            {
                const QSignalBlocker quiet(Data_source_type);
                Data_source_type->setCurrentIndex(DataSourceType::Manual);
                Data_source_type->setCurrentIndex(-1);
            }
            Data_source_type->setCurrentIndex(DataSourceType::ExcelColumn);
        }
        if (::Card_Front_Or_Back == 0) {
            unbindExcelGraphics(Get_Front_Controls_Array(), true);
            if (::CARD_SIDE_STR == CardSide::TwoSided && Check_Back_Side_Excel_Binding_Is_Used())
                unbindExcelGraphics(Get_Back_Controls_Array(), false);
        } else {
            unbindExcelGraphics(Get_Back_Controls_Array(), true);
            if (Check_Front_Side_Excel_Binding_Is_Used())
                unbindExcelGraphics(Get_Front_Controls_Array(), false);
        }
    } catch (const std::exception& e) {
        Show_MessageBox(QString::fromLocal8Bit(e.what()));
    }
    return code;
}

void SKTWindowController::User_Profile_Button_Clicked() {
    const QString side = ::Card_Front_Or_Back != 0 ? CardSide::BackName : CardSide::FrontName;
    if (Open_User_Profile_Window(1, side, ::CARD_SIDE_STR) == 1) {
        if (::Card_Front_Or_Back != 0)
            Fill_User_profile_info_back_side();
        else
            Fill_User_profile_info_front_side();
        selectArrowTool();
    }
    Show_RHS_Properties(nullptr);
    Refresh_Canvas();
}

// ---------------------------------------------------------------- stamping

namespace {

zelk::ProfileStamp stampOn(SKTWindowController& w, SKTGraphicView* canvas, zelk::ProfileStamp::Variant variant) {
    zelk::ProfileStamp s;
    s.variant = variant;
    s.canvas = canvas;
    s.tools = w.toolPalette();
    s.rectFor = w.controlRectFromTemplate;
    s.setLibraryPicture = [&w](const QString& path) { w.setLibrary_Selected_Image(path); };
    s.fileExists = [](const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); };
    // As a batch's cards take them (trimmed), from the workbook loaded.
    s.boundValues = [](const User_Profile_Class::Slot& slot) {
        const Data_From_Excel* table = Data_From_Excel::defaultInstance();
        QStringList values;
        for (int row = 0; row < table->rowCount(); ++row)
            values << Trim_Str(Data_From_Excel::cellValue(table->ListData, row, slot.xl_col_indx));
        return values;
    };
    return s;
}

}  // namespace

namespace {

// The data-source combo follows the binding; a confirmed profile is then
// stamped on the side, one undo step of that side when anything changed
// (whichever side is shown). The fields it left reading wrong, by the
// side's names for them.
QList<zelk::NamedReadingWrong> fillSide(SKTWindowController& w, SKTGraphicView* canvas,
                                        zelk::ProfileStamp::Variant variant, const User_Profile_Class& profile) {
    followExcelBinding(w);
    if (!::Fill_User_Profile)
        return {};
    const zelk::ProfileStamp stamp = stampOn(w, canvas, variant);
    if (stamp.stamp(profile))
        canvas->Insert_In_Undo_Redo();
    return zelk::namedOn(stamp.readingWrong(), canvas->graphics());
}

// A stamping that left fields reading wrong says so once: which fields,
// what is wrong, and what the user can do.
void tellFieldsReadingWrong(const QList<zelk::NamedReadingWrong>& fields) {
    if (const QString message = zelk::readingWrongMessage(fields); !message.isEmpty())
        Show_MessageBox(message);
}

}  // namespace

void SKTWindowController::Fill_User_profile_Details() {
    const QList<zelk::NamedReadingWrong> front =
        fillSide(*this, _graphicView, zelk::ProfileStamp::Variant::Front, Front_user_profile);
    tellFieldsReadingWrong(front +
                           fillSide(*this, _graphicView_BACK, zelk::ProfileStamp::Variant::Back, Back_user_profile));
}

void SKTWindowController::Fill_User_profile_info_front_side() {
    tellFieldsReadingWrong(fillSide(*this, _graphicView, zelk::ProfileStamp::Variant::Front, Front_user_profile));
}

void SKTWindowController::Fill_User_profile_info_back_side() {
    tellFieldsReadingWrong(fillSide(*this, _graphicView_BACK, zelk::ProfileStamp::Variant::Back, Back_user_profile));
}

void SKTWindowController::Fill_User_profile_info_TEMP_side(const QString&) {
    stampOn(*this, _graphicView_TEMP, zelk::ProfileStamp::Variant::Temp).stamp(TEMP_user_profile);
}

QImage SKTWindowController::Preview_User_Profile(const QString& side_letter) {
    // The preview stamps copies of the side's graphics, so the design, its
    // undo history and the next new graphic's place stay as they were.
    const int sideIndex = ::Card_Front_Or_Back == 0 ? SKTDocument::FrontSide : SKTDocument::BackSide;
    GraphicList copies;
    for (const std::shared_ptr<SKTGraphic>& g : document_->graphicsOfSide(sideIndex)) {
        if (!g)
            continue;
        if (std::shared_ptr<SKTGraphic> copy = GraphicArchive::unarchiveGraphic(GraphicArchive::archivedData(*g)))
            copies.append(copy);
    }
    _graphicView_TEMP->showGraphicsOf(copies);

    const int tool = tools_->Selected_Control_Tool();
    const QString library = Library_Selected_Image_Path;
    const QPointF front = newPoints_->lastPoint(CardSide::FrontName);
    const QPointF back = newPoints_->lastPoint(CardSide::BackName);
    Fill_User_profile_info_TEMP_side(side_letter);
    _graphicView_TEMP->endEditing(true);
    tools_->setToolQuietly(tool);
    Library_Selected_Image_Path = library;
    newPoints_->setLastPoint(CardSide::FrontName, front);
    newPoints_->setLastPoint(CardSide::BackName, back);
    _graphicView_TEMP->resetUndoHistory();

    const Card_Property& prop = ::Card_Front_Or_Back == 0 ? Front_card_Prop : Back_card_Prop;
    const QRectF card(QPointF(0, 0), prop.Card_Size);
    const zelk::SideSnapshot snapshot = zelk::SideSnapshot::take(
        &document_->graphics_temp, &Front_card_Prop, &Back_card_Prop, ::Card_Shape, ::Card_Front_Or_Back, card);
    return SKTRenderingView(card, snapshot, QStringLiteral("Preview")).imageAtResolution(144);
}

// ---------------------------------------------------------------- invitation

void SKTWindowController::Fill_Party_Invidation_Details() {
    const float w = float(Front_card_Prop.Card_Size.width());
    const float h = float(Front_card_Prop.Card_Size.height());
    const float W = w - 80;
    const float x0 = (w - W) / 2;
    const float yP = (h - 250) / 2;
    float y = 40;
    auto text = [this](const QString& value, const QString& id, QRectF rect) {
        _graphicView->createGraphicOfClass(zelk::GraphicKind::Text, true, rect, CardSide::FrontName, value, id);
    };
    auto picture = [this](const QString& path, const QString& id, QRectF rect) {
        tools_->setToolQuietly(zelk::ImageTool);
        Library_Selected_Image_Path = path;
        _graphicView->createGraphicOfClass(zelk::GraphicKind::Image, true, rect, CardSide::FrontName, path, id);
    };

    tools_->setToolQuietly(zelk::TextTool);
    float xT = x0;
    if (!::Invite_Title.isEmpty()) {
        text(::Invite_Title, QStringLiteral("PARTY_TITLE"), QRectF(xT, y, W, 30));
        y += 50;
    }
    xT = 30;
    if (!::Invite_To.isEmpty()) {
        text(QStringLiteral("Dear ") + ::Invite_To + QLatin1Char(','), QStringLiteral("PARTY_TO"), QRectF(xT, y, W, 20));
        y += 30;
    }
    if (!::Invite_Message.isEmpty()) {
        text(::Invite_Message, QStringLiteral("PARTY_MSG"), QRectF(xT + 20, y, W, 80));
        y += 80;
    }
    const float yD = y;
    if (!::Invite_Date.isEmpty()) {
        QString value = ::Invite_Date;
        if (!::Invite_Time.isEmpty())
            value += QStringLiteral(" at ") + ::Invite_Time;
        text(value, QStringLiteral("PARTY_DATE"), QRectF(xT, yD, W, 20));
        y = yD + 30;
    } else {
        if (!::Invite_Time.isEmpty()) {
            text(QStringLiteral("AT ") + ::Invite_Time, QStringLiteral("PARTY_TIME"), QRectF(xT, yD, W, 20));
            y += 30;
        }
        y += 30;
    }
    if (!::Invite_Venue.isEmpty()) {
        text(QStringLiteral("Venue:\n") + ::Invite_Venue, QStringLiteral("PARTY_VENUE"), QRectF(xT, y, W, 60));
        y += 70;
    } else {
        y += 20;
    }
    xT = x0;
    if (!::Invite_From.isEmpty())
        text(QStringLiteral("From:\n") + ::Invite_From, QStringLiteral("PARTY_FROM"), QRectF(xT, y, W, 40));
    if (!::Invite_Frame_Pic_IMG.isEmpty())
        picture(::Invite_Frame_Pic_IMG, QStringLiteral("PARTY_IMAGE"), QRectF(x0, yP, W, 250));
    if (!::Invite_Frame_IMG.isEmpty())
        picture(::Invite_Frame_IMG, QStringLiteral("PARTY_IMAGE_BG"),
                QRectF(Front_card_Prop.Card_Location, Front_card_Prop.Card_Size));
}
