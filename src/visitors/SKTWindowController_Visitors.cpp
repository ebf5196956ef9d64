// The main window's visitor topic: the panes of visitor and group modes,
// the caption sets, the entry panels' graphics on the card and the panels'
// re-sync with the card after undo, redo and lock changes.
#include "mainwindow/SKTWindowController.h"

#include "canvas/FieldPlacement.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTImage.h"
#include "foundation/Utilities.h"
#include "inspector/InspectorPanels.h"
#include "mainwindow/AppGlobals.h"
#include "visitors/PaneRoom.h"
#include "visitors/VisitorPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr double PanelHeight = 475.0;
constexpr int VisitorDivider = 380;
const QString TextHere = QStringLiteral("Text here");

bool visitorMode() { return ::Start_Card_Option == StartMode::Visitor; }
bool groupMode() { return ::Start_Card_Option == StartMode::GroupList; }
bool visitorOrGroupMode() { return visitorMode() || groupMode(); }

QString sideLetter(int side) { return side == 0 ? CardSide::FrontName : CardSide::BackName; }

// The caption sets, in the order of the caption globals.
struct CaptionSet {
    QString* global;
    const char* visitor;
    const char* student;
};

const QList<CaptionSet>& captionSets() {
    static const QList<CaptionSet> sets = {
        {&Title_Name, "Name :", "Name :"},
        {&Title_Title, "Position / Title :", "Father's Name :"},
        {&Title_Company_name, "Company Name :", "Institution :"},
        {&Title_slogan, "Purpose :", "Class / Section :"},
        {&Title_address, "Address :", "Address :"},
        {&Title_phone, "Phone No. :", "Phone No. :"},
        {&Title_fax, "Visitor Type :", "DOB :"},
        {&Title_email, "Email Id :", "Session :"},
        {&Title_website, "Person to Meet :", "Department :"},
        {&Title_unique, "Visitor No. :", "Registration No. :"},
        {&Title_image, "Photo :", "Photo :"},
        {&Title_Date, "Date :", "Date :"},
        {&Title_Time, "Time :", "Time :"},
    };
    return sets;
}

}  // namespace

// ---------------------------------------------------------------- building

void SKTWindowController::buildVisitorPanes() {
    QWidget* designArea = takeCentralWidget();
    verticalSplitView = new QSplitter(Qt::Horizontal);
    verticalSplitView->setObjectName(QStringLiteral("verticalSplitView"));

    group_control_view = new QWidget;
    group_control_view->setObjectName(QStringLiteral("group_control_view"));
    auto* groupLayout = new QVBoxLayout(group_control_view);
    groupLayout->setContentsMargins(0, 0, 0, 0);
    gp_scrollView = new QScrollArea;
    gp_scrollView->setObjectName(QStringLiteral("gp_scrollView"));
    group_mode_view = new QWidget;
    group_mode_view->setObjectName(QStringLiteral("group_mode_view"));
    gp_scrollView->setWidget(group_mode_view);
    groupLayout->addWidget(gp_scrollView);

    Visitor_mode_view = new QWidget;
    Visitor_mode_view->setObjectName(QStringLiteral("Visitor_mode_view"));
    auto* visitorLayout = new QVBoxLayout(Visitor_mode_view);
    visitorLayout->setContentsMargins(0, 0, 0, 0);
    scrollView = new QScrollArea;
    scrollView->setObjectName(QStringLiteral("scrollView"));
    scrollView->setWidgetResizable(false);
    visitorLayout->addWidget(scrollView);

    verticalSplitView->addWidget(group_control_view);
    verticalSplitView->addWidget(Visitor_mode_view);
    verticalSplitView->addWidget(designArea);
    verticalSplitView->setStretchFactor(0, 0);
    verticalSplitView->setStretchFactor(1, 0);
    verticalSplitView->setStretchFactor(2, 1);
    setCentralWidget(verticalSplitView);
    // The panels take the visitor pane's width when it is dragged.
    connect(verticalSplitView, &QSplitter::splitterMoved, this, [this] {
        Set_Front_Panel_Size();
        Set_Back_Panel_Size();
    });

    // The panel not shown waits, hidden, in the visitor pane.
    front_vistr_view = new Front_Profile_Panel(*this, Visitor_mode_view);
    back_vistr_view = new Back_Profile_Panel(*this, Visitor_mode_view);
    front_vistr_view->hide();
    back_vistr_view->hide();

    show_db_rcd_btn = new QAction(tr("Visitor Records"), this);
    show_db_rcd_btn->setObjectName(QStringLiteral("show_db_rcd_btn"));
    connect(show_db_rcd_btn, &QAction::triggered, this, &SKTWindowController::View_Vistor_Record);
    if (auto* bar = findChild<QToolBar*>(QStringLiteral("command_toolbar")))
        bar->addAction(show_db_rcd_btn);
    show_db_rcd_btn->setVisible(false);

    Set_User_Image_Control = [](int side, const QString& path, const QImage& picture, const QString& id) {
        if (VisitorPanel* panel = zelk::visitorPanel(side))
            panel->Set_User_Image_Control(path, picture, id);
    };
    Set_Dynamic_Pic_Ctrl_Image = [this](QLabel* view, const QImage& image) {
        if (!view)
            return;
        const QImage shown = image.isNull() ? Err_image : image;
        view->setPixmap(QPixmap::fromImage(shown).scaled(view->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    };

    Create_Dynamic_Control_List = [this] { Load_Dynamic_Control_Lists(); };

    // What group mode asks of the panels.
    visitorPanels.Reset_All_Visitor_Grp_Mode_Ctrl = [this] { Reset_All_Visitor_Grp_Mode_Ctrl(); };
    visitorPanels.dynamicControlList = [this](int side) {
        return side == 0 ? &dynamic_ctrl_list_front : &dynamic_ctrl_list_back;
    };
    visitorPanels.Create_Dynamic_Control_List = Create_Dynamic_Control_List;
    visitorPanels.Visitor_and_Group_Control_Enable_Disable_On_Undo_Redo = [this](SKTGraphic& graphic) {
        Visitor_and_Group_Control_Enable_Disable_On_Undo_Redo(&graphic);
    };
    visitorPanels.Set_User_Image_Control = Set_User_Image_Control;
    auto slotOf = [](int side, int slot) -> VisitorPanel::Slot* {
        VisitorPanel* panel = zelk::visitorPanel(side);
        const QList<zelk::ProfileField>& fields = zelk::profileFieldTable();
        if (!panel || slot < 0 || slot >= fields.size())
            return nullptr;
        const int at = VisitorPanel::slotOfId(fields.at(slot).valueId);
        return at < 0 ? nullptr : &panel->fixedSlots[size_t(at)];
    };
    visitorPanels.panelSlotValue = [slotOf](int side, int slot, QString* value, bool* ticked) {
        VisitorPanel::Slot* s = slotOf(side, slot);
        if (!s)
            return false;
        *value = s->value->text();
        *ticked = s->value_chk->isChecked();
        return true;
    };
    visitorPanels.setPanelSlotValue = [slotOf](int side, int slot, const QString& value) {
        if (VisitorPanel::Slot* s = slotOf(side, slot))
            s->value->setText(value);
    };
    visitorPanels.Set_User_Image = [](int side, const QString& path, const QString& id) {
        if (VisitorPanel* panel = zelk::visitorPanel(side))
            panel->Set_User_Image(path, id);
    };
    visitorPanels.Get_text_box_of_visitor_mode = [this](const QString& id) {
        QLineEdit* box = Get_text_box_of_visitor_mode(id);
        return box ? box->text() : QString();
    };
    visitorPanels.Set_text_box_of_visitor_mode = [this](const QString& id, const QString& value) {
        if (QLineEdit* box = Get_text_box_of_visitor_mode(id))
            box->setText(value);
    };
    visitorPanels.dynamicRow = [this](const QString& id) {
        VisitorPanels::DynamicRow row;
        row.check = Get_chk_box_of_visitor_mode(id);
        row.box = Get_text_box_of_visitor_mode(id);
        if (VisitorPanel* panel = zelk::visitorPanel(::Card_Front_Or_Back))
            row.picture = panel->Get_Dynamic_Photo_Ctrl(id);
        return row;
    };

    DesignModeSteps visitorSteps;
    visitorSteps.afterLoading = [](SKTWindowController& w, const zelk::DesignContents&) {
        w.Set_Up_Panels_After_Reading();
    };
    visitorSteps.afterCopying = [](SKTWindowController& w, int side) { w.Resync_Side_Panel(side); };
    setDesignModeSteps(StartMode::Visitor, visitorSteps);

    // Undo, redo, lock and unlock: the panel follows the card. Connected
    // after the commands' own handlers, so they run once the card changed.
    for (const char* name : {"Undo_Button", "Redo_Button"})
        if (QAction* action = actionNamed(QString::fromLatin1(name)))
            connect(action, &QAction::triggered, this, [this] {
                if (visitorOrGroupMode())
                    Refresh_Visitor_Dyn_Ctrl_and_image();
            });
    if (inspector_)
        for (QToolButton* button : {inspector_->Lock_btn, inspector_->Unlock_btn})
            if (button)
                connect(button, &QToolButton::clicked, this, [this] {
                    if (visitorOrGroupMode())
                        Visitor_and_Group_Control_Enable_Disable_LOCK_UNLOCK();
                });

    Hide_Visitor_panel();
}

void SKTWindowController::Set_Up_Panels_After_Reading() {
    if (!visitorOrGroupMode())
        return;
    Load_Dynamic_Control_Lists();
    if (visitorMode())
        Title_For_Visitor();
    // Both modes start from empty panels: rows of an earlier design must
    // not stay beside this one's.
    Reset_All_Visitor_Grp_Mode_Ctrl();
    Show_Hide_Profile_Panel_Live_Mode(true);
    Create_Control_For_Visitor_Mode();
    Select_front_side();
}

void SKTWindowController::Resync_Side_Panel(int side) {
    VisitorPanel* panel = zelk::visitorPanel(side);
    if (!visitorOrGroupMode() || !panel)
        return;
    Load_Dynamic_Control_Lists();
    // The rows of the graphics the side held go with them.
    panel->Reset_all_Ctrl();
    if (side == 0) {
        Create_Control_For_Visitor_Mode_Front_Side();
        Load_Fup_Fields();
    } else {
        Create_Control_For_Visitor_Mode_Back_Side();
        Load_Fup_Fields_BackSide();
    }
    panel->Text_ctrl_type_rd_select();
}

// ---------------------------------------------------------------- captions

void SKTWindowController::Title_For_Gen_ID_Card() { zelk::installIdCardCaptions(); }

void SKTWindowController::Title_For_Visitor() {
    for (const CaptionSet& c : captionSets())
        *c.global = QString::fromUtf8(c.visitor);
}

void SKTWindowController::Title_For_Student() {
    for (const CaptionSet& c : captionSets())
        *c.global = QString::fromUtf8(c.student);
}

// ---------------------------------------------------------------- layout

void SKTWindowController::Hide_Visitor_panel() {
    if (!verticalSplitView)
        return;
    group_control_view->hide();
    Visitor_mode_view->hide();
    scrollView->hide();
}

namespace {

void sizePanel(SKTWindowController& w, VisitorPanel* panel) {
    if (!panel || !w.verticalSplitView)
        return;
    const QList<int> sizes = w.verticalSplitView->sizes();
    const int width = sizes.size() > 1 ? sizes.at(1) : 0;
    double height = PanelHeight;
    if (!panel->view_array_label.isEmpty() || !panel->view_array_value.isEmpty())
        height = PanelHeight + panel->custom_label_box->height() + 50;
    // A hidden pane reports no width; the panel keeps its own then.
    panel->resize(width > 0 ? width - 4 : panel->width(), int(height));
}

}  // namespace

void SKTWindowController::Set_Front_Panel_Size() { sizePanel(*this, Front_Profile_Panel_OBJ.data()); }

void SKTWindowController::Set_Back_Panel_Size() { sizePanel(*this, Back_Profile_Panel_OBJ.data()); }

void SKTWindowController::change_Visitor_Side_View(int side) {
    if ((side != 0 && side != 1) || !verticalSplitView)
        return;
    if (visitorMode()) {
        QList<int> sizes = verticalSplitView->sizes();
        const int total = sizes.value(0) + sizes.value(1) + sizes.value(2);
        const int first = verticalSplitView->widget(0)->isVisible() ? sizes.value(0) : 0;
        sizes = {first, VisitorDivider - first, std::max(0, total - VisitorDivider)};
        verticalSplitView->setSizes(sizes);
    }
    side == 0 ? Set_Front_Panel_Size() : Set_Back_Panel_Size();
    QWidget* panel = side == 0 ? front_vistr_view : back_vistr_view;
    if (scrollView->widget() != panel) {
        if (QWidget* old = scrollView->takeWidget()) {
            old->setParent(Visitor_mode_view);
            old->hide();
        }
        scrollView->setWidget(panel);
    }
    panel->show();
    scrollView->horizontalScrollBar()->setValue(0);
    scrollView->verticalScrollBar()->setValue(0);
}

void SKTWindowController::collapseLeftView() {
    if (!verticalSplitView)
        return;
    verticalSplitView->widget(0)->hide();
    verticalSplitView->widget(1)->hide();
    verticalSplitView->update();
}

namespace {

// Room the canvas keeps beside the live layout's panes: a card of the usual
// size at full zoom, with its rulers.
constexpr int CanvasRoom = 520;

// The live layout puts its panes left of the canvas and the inspector. A
// window shown too narrow for all of them grows, as far as its screen
// allows, instead of squeezing the card out of sight. Returns the growth.
int widenForPanes(SKTWindowController& w, int panes) {
    if (!w.isVisible() || w.isMaximized() || w.isFullScreen() || !w.screen())
        return 0;
    const auto* design = qobject_cast<QSplitter*>(w.verticalSplitView->widget(2));
    const int inspector = design && design->count() > 1 ? design->widget(1)->sizeHint().width() : 0;
    const int wanted = panes + inspector + CanvasRoom + 3 * w.verticalSplitView->handleWidth();
    const QRect frame = w.frameGeometry();
    const QRect wider =
        zelk::widenedForPanes(frame, wanted - w.verticalSplitView->width(), w.screen()->availableGeometry());
    const int grow = wider.width() - frame.width();
    if (grow <= 0)
        return 0;
    w.resize(w.width() + grow, w.height());
    if (wider.left() != frame.left())
        w.move(wider.left(), frame.top());
    return grow;
}

}  // namespace

void SKTWindowController::uncollapseLeftView() {
    if (!verticalSplitView)
        return;
    const QWidget* container = ::Card_Front_Or_Back == 0 ? front_vistr_view : back_vistr_view;
    int left = 0, right = 0;  // the group pane, the entry panel
    if (groupMode()) {
        verticalSplitView->widget(0)->show();
        // The group pane as wide as its commands need, so none is cut off.
        left = std::max(200, group_mode_view->sizeHint().width() +
                                 gp_scrollView->verticalScrollBar()->sizeHint().width() +
                                 2 * gp_scrollView->frameWidth());
        right = 400;
    } else if (visitorMode()) {
        verticalSplitView->widget(0)->hide();
        right = std::max(container->width(), VisitorDivider);
    } else {
        verticalSplitView->widget(0)->hide();
        verticalSplitView->widget(1)->hide();
        return;
    }
    // The window first, so that the panes' widths are not scaled down to
    // a splitter too narrow for them.
    if (widenForPanes(*this, left + right) > 0 && layout())
        layout()->activate();
    const QList<int> sizes = verticalSplitView->sizes();
    const int total = std::max(sizes.value(0) + sizes.value(1) + sizes.value(2), verticalSplitView->width());
    verticalSplitView->setSizes({left, right, std::max(0, total - left - right)});
    verticalSplitView->update();
}

void SKTWindowController::Show_Hide_Profile_Panel_Live_Mode(bool live) {
    if (::copy_card_design || !verticalSplitView)
        return;
    QAction* profileButton = actionNamed(QStringLiteral("User_Profile_Button"));
    if (!live) {
        Show_Hide_Visitor_DB_Button(true);
        if (profileButton)
            profileButton->setVisible(true);
        Visitor_mode_view->hide();
        group_mode_view->hide();
        collapseLeftView();
        return;
    }
    if (visitorMode())
        Title_For_Visitor();
    change_Visitor_Side_View(0);
    Select_front_side();
    Visitor_mode_view->show();
    if (groupMode()) {
        group_mode_view->show();
        Show_Hide_Visitor_DB_Button(true);
        verticalSplitView->widget(0)->show();
    }
    if (visitorMode()) {
        group_mode_view->hide();
        Show_Hide_Visitor_DB_Button(false);
        verticalSplitView->widget(0)->hide();
        verticalSplitView->widget(1)->show();
    }
    for (VisitorPanel* panel : {zelk::visitorPanel(0), zelk::visitorPanel(1)}) {
        panel->Chk_Unchk_Manual_Date_Time(QStringLiteral("D"));
        panel->Chk_Unchk_Manual_Date_Time(QStringLiteral("T"));
    }
    scrollView->show();
    Show_Single_Mode_Front_Panel();
    Show_Single_Mode_Back_Panel();
    uncollapseLeftView();
}

void SKTWindowController::Show_Hide_Visitor_DB_Button(bool hide) {
    if (show_db_rcd_btn)
        show_db_rcd_btn->setVisible(!hide);
    QAction* textTool = actionNamed(QStringLiteral("tool_%1").arg(zelk::TextTool));
    QAction* imageTool = actionNamed(QStringLiteral("tool_%1").arg(zelk::ImageTool));
    QAction* profileButton = actionNamed(QStringLiteral("User_Profile_Button"));
    for (QAction* tool : {textTool, imageTool})
        if (tool)
            tool->setEnabled(true);
    for (VisitorPanel* panel : {zelk::visitorPanel(0), zelk::visitorPanel(1)})
        if (panel)
            panel->new_ctrl_type_box->hide();
    const bool desk = visitorOrGroupMode();
    if (profileButton)
        profileButton->setVisible(hide && !desk);
    if (desk && textTool)
        textTool->setEnabled(false);
    if (groupMode() && imageTool)
        imageTool->setEnabled(false);
    for (VisitorPanel* panel : {zelk::visitorPanel(0), zelk::visitorPanel(1)})
        if (panel)
            panel->Add_to_DB_btn->setVisible(!hide);
    // The receptionist chooses text or picture rows too.
    if (!hide && visitorMode())
        for (VisitorPanel* panel : {zelk::visitorPanel(0), zelk::visitorPanel(1)})
            if (panel)
                panel->new_ctrl_type_box->show();
    if (hide) {
        if (visitorMode())
            Reset_All_Visitor_Grp_Mode_Ctrl();
        if (groupMode())
            for (VisitorPanel* panel : {zelk::visitorPanel(0), zelk::visitorPanel(1)})
                if (panel)
                    panel->new_ctrl_type_box->show();
    }
}

void SKTWindowController::Show_Single_Mode_Front_Panel() {
    if (!visitorOrGroupMode())
        return;
    Load_Fup_Fields();
    Load_Fup_Fields_BackSide();
}

void SKTWindowController::Show_Single_Mode_Back_Panel() {
    if (!visitorOrGroupMode())
        return;
    Load_Fup_Fields_BackSide();
}

void SKTWindowController::Reset_All_Visitor_Grp_Mode_Ctrl() {
    for (VisitorPanel* panel : {zelk::visitorPanel(0), zelk::visitorPanel(1)})
        if (panel)
            panel->Reset_all_Ctrl();
}

void SKTWindowController::Load_Dynamic_Control_Lists() {
    auto listOf = [](const GraphicList& graphics) {
        QList<QStringList> list;
        for (const std::shared_ptr<SKTGraphic>& g : graphics) {
            const bool image = zelk::isExactlyImage(g.get());
            if (!g || !(zelk::isExactlyText(g.get()) || image))
                continue;
            const QString id = Trim_Str(g->control_ID);
            if (id.isEmpty() || id.contains(zelk::ProfileIdMark) || id.contains(QLatin1String("F_Pic")))
                continue;
            const int column = g->data_source_type == DataSourceType::ExcelColumn ? g->excel_col_indx : -1;
            list.append({g->control_ID, image ? g->_file_path : g->Text_Value,
                         g->ctrl_is_visible ? QStringLiteral("Y") : QStringLiteral("N"), QString::number(column),
                         image ? QStringLiteral("P") : QStringLiteral("T")});
        }
        return list;
    };
    dynamic_ctrl_list_front = listOf(Get_Front_Controls_Array());
    dynamic_ctrl_list_back = listOf(Get_Back_Controls_Array());
}

// ---------------------------------------------------------------- fields on the card

bool SKTWindowController::new_control_add(const QString& value, const QString& ctrl_id, QLineEdit* txt_ctrl_id) {
    setLibrary_Selected_Image(QString());
    const QString text = value.isEmpty() ? TextHere : value;
    const int side = ::Card_Front_Or_Back;
    for (const std::shared_ptr<SKTGraphic>& g : side == 0 ? Get_Front_Controls_Array() : Get_Back_Controls_Array())
        if (g && g->control_ID == ctrl_id)
            return false;
    SKTGraphicView* canvas = side == 0 ? _graphicView : _graphicView_BACK;
    if (ctrl_id == Fup_Photo || ctrl_id.contains(QLatin1String("F_Photo"))) {
        toolPalette()->setToolQuietly(zelk::ImageTool);
        canvas->createGraphicOfClass(zelk::GraphicKind::Image, false, QRectF(), sideLetter(side), text, ctrl_id);
    } else {
        canvas->createGraphicOfClass(zelk::GraphicKind::Text, false, QRectF(), sideLetter(side), text, ctrl_id);
        if (txt_ctrl_id)
            txt_ctrl_id->setText(text);
    }
    return true;
}

void SKTWindowController::Change_Value(const QString& value, const QString& ctrl_id, bool show_value, bool set_pos) {
    const QString text = value.isEmpty() ? TextHere : value;
    GraphicList& graphics = ::Card_Front_Or_Back == 0 ? Get_Front_Controls_Array() : Get_Back_Controls_Array();
    if (graphics.isEmpty())
        return;
    for (const std::shared_ptr<SKTGraphic>& g : graphics) {
        if (!g || g->control_ID != ctrl_id)
            continue;
        const bool image = zelk::isExactlyImage(g.get());
        if (zelk::isExactlyText(g.get()) || image) {
            if (!show_value) {
                g->Set_Ctrl_Is_Visible(false);
            } else {
                if (set_pos) {
                    const QPointF at = Set_Ctrl_Pos_In_Vstr_Mode(ctrl_id, g->bounds());
                    g->setXPosition(at.x());
                    g->setYPosition(at.y());
                }
                if (image) {
                    static_cast<SKTImage*>(g.get())->setFilePath(text, true);
                } else {
                    g->Set_text_value(text);
                    // As typed on the canvas: the box takes its lines' height.
                    SKTGraphicView::fitTextHeight(*g);
                }
                g->Set_Ctrl_Is_Visible(true);
                currentCanvas()->Set_Selection_Index_According_ID(ctrl_id);
            }
        }
        Show_RHS_Properties(show_value ? g.get() : nullptr);
        break;
    }
    Refresh_Canvas();
    Insert_In_Undo_Redo();
}

QPointF SKTWindowController::Set_Ctrl_Pos_In_Vstr_Mode(const QString& ctrl_id, const QRectF& ctrl_bound) {
    enum class Rule { None, Left, Right };
    Rule rule = Rule::None;
    QString partner;
    if (const zelk::ProfileField* f = zelk::profileFieldForId(ctrl_id); f && f->slot != zelk::SlotPhoto) {
        if (f->valueId == ctrl_id) {
            partner = f->captionId;
            rule = Rule::Right;
        } else {
            partner = f->valueId;
            rule = Rule::Left;
        }
    }
    if (ctrl_id == Fup_Photo) {
        partner = Fup_Photo;
        rule = Rule::Left;
    }
    if (ctrl_id.contains(QLatin1String("_field"))) {
        partner = Trim_Str(QStringLiteral("F_label") + ctrl_id.mid(7));
        rule = Rule::Right;
    }
    if (ctrl_id.contains(QLatin1String("_label"))) {
        partner = Trim_Str(QStringLiteral("F_field") + ctrl_id.mid(7));
        rule = Rule::Left;
    }
    const QRectF canvas = _graphicView->cardRect();
    // Where the rule puts it, unless that lies on what the side shows and
    // the card has room elsewhere.
    const GraphicList& side = ::Card_Front_Or_Back == 0 ? Get_Front_Controls_Array() : Get_Back_Controls_Array();
    const SKTGraphic* self = nullptr;
    for (const std::shared_ptr<SKTGraphic>& g : side)
        if (g && g->control_ID == ctrl_id) {
            self = g.get();
            break;
        }
    auto clear = [&](const QPointF& at) {
        return zelk::clearPlaceFor(QRectF(at, ctrl_bound.size()), zelk::drawnRects(side, self), canvas).topLeft();
    };
    if (rule == Rule::None)
        return clear(QPointF(0, 0));
    const QPointF p = Get_Ctrl_Location_From_Design(partner);
    if (p == QPointF(0, 0))
        return clear(Control_New_Point(sideLetter(::Card_Front_Or_Back)));
    auto inside = [&canvas](const QPointF& q) {
        return q.x() >= canvas.left() && q.y() >= canvas.top() && q.x() < canvas.right() && q.y() < canvas.bottom();
    };
    if (rule == Rule::Left) {
        const QPointF beside(p.x() - ctrl_bound.width(), p.y());
        return clear(inside(beside) ? beside : QPointF(p.x(), p.y() - ctrl_bound.height()));
    }
    const QPointF beside(p.x() + rf_control_rect.width(), p.y());
    return clear(inside(beside) ? beside : QPointF(p.x(), p.y() + rf_control_rect.height()));
}

QPointF SKTWindowController::Get_Ctrl_Location_From_Design(const QString& ctrl_id) {
    const QAbstractButton* check = Get_chk_box_of_visitor_mode(ctrl_id);
    if (!check || !check->isChecked())
        return QPointF(0, 0);
    for (const std::shared_ptr<SKTGraphic>& g :
         ::Card_Front_Or_Back == 0 ? Get_Front_Controls_Array() : Get_Back_Controls_Array())
        if (g && g->control_ID == ctrl_id) {
            rf_control_rect = g->bounds();
            return g->bounds().topLeft();
        }
    return QPointF(0, 0);
}

namespace {

// The current side's panel control of a graphic's ID: for a profile slot the
// caption's or the value's (`caption` or `value` of the slot), for a
// user-added row the one of `kind` ("T" the text box, "C" the check box).
template <typename Widget, typename Stored>
Widget* panelControlOf(const QString& ctrl_id, Stored* VisitorPanel::Slot::*caption,
                       Stored* VisitorPanel::Slot::*value, const QString& kind) {
    VisitorPanel* panel = zelk::visitorPanel(::Card_Front_Or_Back);
    if (!panel)
        return nullptr;
    const int slot = VisitorPanel::slotOfId(ctrl_id);
    if (slot >= 0) {
        const VisitorPanel::Slot& s = panel->fixedSlots[size_t(slot)];
        return s.field->captionId == ctrl_id ? s.*caption : s.*value;
    }
    if (ctrl_id.contains(zelk::ProfileIdMark))
        return nullptr;
    return qobject_cast<Widget*>(panel->Get_Dynamic_Label_Ctrl(ctrl_id, kind));
}

}  // namespace

QLineEdit* SKTWindowController::Get_text_box_of_visitor_mode(const QString& ctrl_id) const {
    return panelControlOf<QLineEdit>(ctrl_id, &VisitorPanel::Slot::label, &VisitorPanel::Slot::value,
                                     QStringLiteral("T"));
}

QAbstractButton* SKTWindowController::Get_chk_box_of_visitor_mode(const QString& ctrl_id) const {
    return panelControlOf<QAbstractButton>(ctrl_id, &VisitorPanel::Slot::label_chk, &VisitorPanel::Slot::value_chk,
                                           QStringLiteral("C"));
}

namespace {

// The panel takes what the side's graphics show; boxes are only ever checked.
void loadPanelFromSide(VisitorPanel* panel, const GraphicList& graphics) {
    if (!panel)
        return;
    for (const std::shared_ptr<SKTGraphic>& g : graphics) {
        const bool image = zelk::isExactlyImage(g.get());
        if (!g || !(zelk::isExactlyText(g.get()) || image) || !g->ctrl_is_visible)
            continue;
        const QString id = Trim_Str(g->control_ID);
        if (image) {
            if (id == Fup_Photo || id.isEmpty())
                panel->Set_User_Image_Control(g->_file_path, g->_contents, g->control_ID);
            continue;
        }
        if (id.isEmpty())
            continue;
        const int slot = VisitorPanel::slotOfId(id);
        if (slot < 0)
            continue;
        const VisitorPanel::Slot& s = panel->fixedSlots[size_t(slot)];
        const bool caption = s.field->captionId == id;
        QLineEdit* box = caption ? s.label : s.value;
        QCheckBox* check = caption ? s.label_chk : s.value_chk;
        box->setReadOnly(false);
        box->setText(g->Text_Value);
        check->setChecked(true);
        box->setEnabled(true);
        if (!caption && s.field->slot == zelk::SlotDate)
            panel->Chk_Unchk_Manual_Date_Time(QStringLiteral("D"));
        else if (!caption && s.field->slot == zelk::SlotTime)
            panel->Chk_Unchk_Manual_Date_Time(QStringLiteral("T"));
    }
}

QString numberPart(QString id, const QString& stemA, const QString& stemB) {
    return Trim_Str(id.remove(stemA).remove(stemB));
}

void rebuildRows(SKTWindowController& w, VisitorPanel* panel, const QList<QStringList>& list) {
    if (!panel)
        return;
    for (qsizetype i = list.size() - 1; i >= 0; --i) {
        const QStringList& e = list.at(i);
        if (e.size() < 5)
            continue;
        const bool visible = e.at(2) == QLatin1String("Y");
        if (e.at(4) == QLatin1String("T")) {
            panel->Text_ctrl_type_rd_select();
            if (!e.at(0).contains(QLatin1String("_label")))
                continue;
            panel->Add_label_control(e.at(0), e.at(1), visible);
            const QString number = numberPart(e.at(0), QStringLiteral("F_label"), QStringLiteral("B_label"));
            for (const QStringList& f : list)
                if (f.size() >= 5 && f.at(0).contains(QLatin1String("_field")) &&
                    numberPart(f.at(0), QStringLiteral("F_field"), QStringLiteral("B_field")) == number) {
                    panel->Add_Value_control(f.at(0), f.at(1), f.at(2) == QLatin1String("Y"));
                    break;
                }
            // Its controls were placed either way: the next row goes below.
            panel->Increment_in_position();
        } else {
            panel->Image_ctrl_type_rd_select();
            panel->Add_Image_control(e.at(0), e.at(1), visible);
            panel->Add_Value_control(e.at(0), e.at(1), visible);
            panel->Increment_in_position();
        }
    }
    Q_UNUSED(w);
}

}  // namespace

void SKTWindowController::Load_Fup_Fields() { loadPanelFromSide(zelk::visitorPanel(0), Get_Front_Controls_Array()); }

void SKTWindowController::Load_Fup_Fields_BackSide() {
    loadPanelFromSide(zelk::visitorPanel(1), Get_Back_Controls_Array());
}

void SKTWindowController::Create_Control_For_Visitor_Mode() {
    Create_Control_For_Visitor_Mode_Front_Side();
    Create_Control_For_Visitor_Mode_Back_Side();
    for (VisitorPanel* panel : {zelk::visitorPanel(0), zelk::visitorPanel(1)})
        if (panel)
            panel->Text_ctrl_type_rd_select();
}

void SKTWindowController::Create_Control_For_Visitor_Mode_Front_Side() {
    rebuildRows(*this, zelk::visitorPanel(0), dynamic_ctrl_list_front);
}

void SKTWindowController::Create_Control_For_Visitor_Mode_Back_Side() {
    rebuildRows(*this, zelk::visitorPanel(1), dynamic_ctrl_list_back);
}

QString SKTWindowController::Get_Front_Visitor_dyn_contrl_str() const {
    const VisitorPanel* panel = zelk::visitorPanel(0);
    return panel ? panel->rowsText() : QString();
}

QString SKTWindowController::Get_Back_Visitor_dyn_contrl_str() const {
    const VisitorPanel* panel = zelk::visitorPanel(1);
    return panel ? panel->rowsText() : QString();
}

// ---------------------------------------------------------------- re-sync with the card

void SKTWindowController::Visitor_and_Group_Control_Enable_Disable_On_Undo_Redo(SKTGraphic* g) {
    if (!visitorOrGroupMode() || !g)
        return;
    const bool image = zelk::isExactlyImage(g);
    if (!(zelk::isExactlyText(g) || image))
        return;
    const QString id = g->control_ID;
    QLineEdit* box = Get_text_box_of_visitor_mode(id);
    QAbstractButton* check = Get_chk_box_of_visitor_mode(id);
    if (check)
        check->setChecked(g->ctrl_is_visible);
    if (box) {
        box->setText(image ? Get_Original_Path_Of_Image_Control(*g) : g->Text_Value);
        box->setEnabled(check && check->isChecked());
        box->setReadOnly(!box->isEnabled() || image);
    }
    if (!image)
        return;
    VisitorPanel* panel = zelk::visitorPanel(::Card_Front_Or_Back);
    if (!panel)
        return;
    QLabel* rowView = panel->Get_Dynamic_Photo_Ctrl(id);
    if (groupMode() && rowView) {
        if (zelk::AppPaths::isNoPicture(g->_file_path))
            rowView->setPixmap(QPixmap::fromImage(no_image_ctrl_GP));
        else if (Set_Dynamic_Pic_Ctrl_Image)
            Set_Dynamic_Pic_Ctrl_Image(rowView, g->_contents);
        return;
    }
    panel->Set_User_Image_Control(g->_file_path, g->_contents, id);
}

void SKTWindowController::Visitor_and_Group_Control_Enable_Disable_LOCK_UNLOCK() {
    if (!visitorOrGroupMode())
        return;
    for (const std::shared_ptr<SKTGraphic>& g :
         ::Card_Front_Or_Back == 0 ? Get_Front_Controls_Array() : Get_Back_Controls_Array()) {
        if (!g || Trim_Str(g->control_ID).isEmpty())
            continue;
        QLineEdit* box = Get_text_box_of_visitor_mode(g->control_ID);
        QAbstractButton* check = Get_chk_box_of_visitor_mode(g->control_ID);
        if (check)
            check->setEnabled(!g->ctrl_is_locked);
        if (box)
            box->setEnabled(!g->ctrl_is_locked && (!check || check->isChecked()));
    }
}

void SKTWindowController::Refresh_Visitor_Dyn_Ctrl_and_image() {
    VisitorPanel* panel = zelk::visitorPanel(::Card_Front_Or_Back);
    if (!panel)
        return;
    panel->Refresh_Controls();
    // The rows first lose their state, then every graphic gives its own.
    for (const QList<VisitorPanel::RowEntry>* column : {&panel->view_array_label, &panel->view_array_value})
        for (const VisitorPanel::RowEntry& e : *column)
            if (e.check)
                e.check->setChecked(false);
    for (const std::shared_ptr<SKTGraphic>& g :
         ::Card_Front_Or_Back == 0 ? Get_Front_Controls_Array() : Get_Back_Controls_Array())
        Visitor_and_Group_Control_Enable_Disable_On_Undo_Redo(g.get());
    Visitor_and_Group_Control_Enable_Disable_LOCK_UNLOCK();
}
