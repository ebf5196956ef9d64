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
#include "visitors/VisitorTopic.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
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
using zelk::visitortopic::groupMode;
using zelk::visitortopic::sideLetter;
using zelk::visitortopic::TextHere;
using zelk::visitortopic::visitorMode;
using zelk::visitortopic::visitorOrGroupMode;

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
    // The rows are made open to typing as they were added; a graphic the
    // design holds locked greys them again, on both sides.
    for (const int side : {1, 0}) {
        const QScopedValueRollback<int> current(::Card_Front_Or_Back, side);
        Visitor_and_Group_Control_Enable_Disable_LOCK_UNLOCK();
    }
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
    for (auto& placed : deskPlaced)
        placed.clear();
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
