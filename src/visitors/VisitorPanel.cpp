#include "visitors/VisitorPanel.h"

#include "visitors/VisitorDatabase.h"

#include "canvas/SKTGraphicView.h"
#include "dialogs/Services.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTImage.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>

QPointer<Front_Profile_Panel> Front_Profile_Panel_OBJ;
QPointer<Back_Profile_Panel> Back_Profile_Panel_OBJ;

VisitorPanel* zelk::visitorPanel(int side) {
    if (side == 0)
        return Front_Profile_Panel_OBJ.data();
    return Back_Profile_Panel_OBJ.data();
}

namespace {

constexpr int RowStep = 25;
constexpr int PanelWidth = 360;

// The graphics of the panel's own side.
GraphicList& sideGraphics(SKTWindowController& w, int side) {
    return side == 0 ? w.Get_Front_Controls_Array() : w.Get_Back_Controls_Array();
}

bool isNoPicture(const QString& path) {
    return zelk::AppPaths::isNoPicture(path);
}

// A control made from `args` (its parent last), with its object name and
// place on the panel.
template <class W, class... Args>
W* placed(const QString& name, const QRect& geometry, Args&&... args) {
    auto* w = new W(std::forward<Args>(args)...);
    w->setObjectName(name);
    w->setGeometry(geometry);
    return w;
}

}  // namespace

Front_Profile_Panel::Front_Profile_Panel(SKTWindowController& window, QWidget* parent)
    : VisitorPanel(window, 0, parent) {
    setObjectName(QStringLiteral("Front_Profile_Panel"));
    Front_Profile_Panel_OBJ = this;
}

Back_Profile_Panel::Back_Profile_Panel(SKTWindowController& window, QWidget* parent)
    : VisitorPanel(window, 1, parent) {
    setObjectName(QStringLiteral("Back_Profile_Panel"));
    // The back panel leaves its check boxes' enabling as it was.
    enableChecksOnRefresh_ = false;
    Back_Profile_Panel_OBJ = this;
}

VisitorPanel::VisitorPanel(SKTWindowController& window, int side, QWidget* parent)
    : QWidget(parent), window_(window), side_(side) {
    buildControls();
    Refresh_Controls();
}

int VisitorPanel::slotOfId(const QString& ctrl_id) {
    const zelk::ProfileField* f = zelk::profileFieldForId(ctrl_id.trimmed());
    if (!f || f->slot == zelk::SlotPhoto)
        return -1;
    return f->slot < zelk::SlotPhoto ? int(f->slot) : int(f->slot) - 1;
}

// ---------------------------------------------------------------- building

void VisitorPanel::buildControls() {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(241, 244, 250));
    setPalette(pal);

    user_picture = placed<QLabel>(QStringLiteral("user_picture"), {10, 8, 80, 80}, this);
    user_picture->setFrameShape(QFrame::Box);
    user_picture->setAlignment(Qt::AlignCenter);
    image_path_val = placed<QLineEdit>(QStringLiteral("image_path_val"), {100, 8, 250, 22}, this);
    image_path_val->setReadOnly(true);
    browse_pic_btn = placed<QPushButton>(QStringLiteral("browse_pic_btn"), {100, 36, 120, 26}, tr("Browse..."), this);
    camera_btn = placed<QPushButton>(QStringLiteral("camera_btn"), {230, 36, 120, 26}, tr("Camera..."), this);
    date_manual_chk = placed<QCheckBox>(QStringLiteral("date_manual_chk"), {100, 68, 120, 22}, tr("Manual date"), this);
    time_manual_chk = placed<QCheckBox>(QStringLiteral("time_manual_chk"), {230, 68, 120, 22}, tr("Manual time"), this);
    connect(browse_pic_btn, &QPushButton::clicked, this, &VisitorPanel::Browse_image_Btn_Clicked);
    connect(camera_btn, &QPushButton::clicked, this, &VisitorPanel::Open_Camera_Clicked);
    connect(date_manual_chk, &QCheckBox::clicked, this, [this] { Chk_Unchk_Manual_Date_Time(QStringLiteral("D")); });
    connect(time_manual_chk, &QCheckBox::clicked, this, [this] { Chk_Unchk_Manual_Date_Time(QStringLiteral("T")); });

    const int boxTop = 96;
    const int boxHeight = SlotCount * RowStep + 10;
    default_label_box = placed<QGroupBox>(QStringLiteral("default_label_box"), {5, boxTop, 145, boxHeight}, this);
    default_field_box = placed<QGroupBox>(QStringLiteral("default_field_box"), {150, boxTop, 200, boxHeight}, this);

    int i = 0;
    for (const zelk::ProfileField& f : zelk::profileFieldTable()) {
        if (f.slot == zelk::SlotPhoto)
            continue;
        Slot& s = fixedSlots[size_t(i)];
        s.field = &f;
        const int y = 5 + i * RowStep;
        s.label_chk = placed<QCheckBox>(f.fieldStem + QStringLiteral("_label_chk"), {2, y, 22, 20}, default_label_box);
        s.label = placed<QLineEdit>(f.fieldStem + QStringLiteral("_label"), {24, y, 115, 20}, default_label_box);
        s.value = placed<QLineEdit>(f.fieldStem + QStringLiteral("_value"), {7, y, 160, 20}, default_field_box);
        s.value_chk =
            placed<QCheckBox>(f.fieldStem + QStringLiteral("_value_chk"), {172, y, 22, 20}, default_field_box);
        const int slot = i;
        connect(s.label_chk, &QCheckBox::clicked, this, [this, slot] { Slot_Chk_Clicked(slot, true); });
        if (f.slot == zelk::SlotDate)
            connect(s.value_chk, &QCheckBox::clicked, this, &VisitorPanel::Date_Value_Chk_Clicked);
        else if (f.slot == zelk::SlotTime)
            connect(s.value_chk, &QCheckBox::clicked, this, &VisitorPanel::Time_Value_Chk_Clicked);
        else
            connect(s.value_chk, &QCheckBox::clicked, this, [this, slot] { Slot_Chk_Clicked(slot, false); });
        for (QLineEdit* box : {s.label, s.value})
            connect(box, &QLineEdit::textEdited, this, [this, box] { controlTextDidChange(box); });
        ++i;
    }
    date_value = fixedSlots[10].value;
    date_value_chk = fixedSlots[10].value_chk;
    time_value = fixedSlots[11].value;
    time_value_chk = fixedSlots[11].value_chk;

    custom_label_box = placed<QGroupBox>(QStringLiteral("custom_label_box"), {5, boxTop + boxHeight, 145, 20}, this);
    custom_label_box->hide();
    custom_field_box = placed<QGroupBox>(QStringLiteral("custom_field_box"), {150, boxTop + boxHeight, 200, 20}, this);
    custom_field_box->hide();

    Add_label_btn = placed<QPushButton>(QStringLiteral("Add_label_btn"), {5, 0, 140, 26}, tr("Add Field"), this);
    new_ctrl_type_box = placed<QGroupBox>(QStringLiteral("new_ctrl_type_box"), {150, 0, 120, 26}, this);
    text_ctrl_type =
        placed<QRadioButton>(QStringLiteral("text_ctrl_type"), {4, 3, 55, 20}, tr("Text"), new_ctrl_type_box);
    text_ctrl_type->setChecked(true);
    image_ctrl_type =
        placed<QRadioButton>(QStringLiteral("image_ctrl_type"), {58, 3, 62, 20}, tr("Picture"), new_ctrl_type_box);
    Add_to_DB_btn = placed<QPushButton>(QStringLiteral("Add_to_DB_btn"), {275, 0, 75, 26}, tr("Add to DB"), this);
    connect(Add_label_btn, &QPushButton::clicked, this, &VisitorPanel::Add_New_Label_Clicked);
    connect(Add_to_DB_btn, &QPushButton::clicked, this, &VisitorPanel::Add_record_to_DB_Clicked);
    connect(text_ctrl_type, &QRadioButton::clicked, this, &VisitorPanel::Text_ctrl_type_rd_select);
    connect(image_ctrl_type, &QRadioButton::clicked, this, &VisitorPanel::Image_ctrl_type_rd_select);

    rememberDefaultBoxes();
    Change_btn_location();
    resize(PanelWidth, 475);
}

void VisitorPanel::rememberDefaultBoxes() {
    def_lbl_bx_rect = default_label_box->geometry();
    def_fld_bx_rect = default_field_box->geometry();
}

void VisitorPanel::putValue(const QString& text, const QString& id, QLineEdit* box, bool shown) {
    const bool created = window_.new_control_add(text, id, box);
    window_.Change_Value(text, id, shown, created);
}

// ---------------------------------------------------------------- fixed fixedSlots

void VisitorPanel::setBoxState(QLineEdit* box, bool on) {
    box->setEnabled(on);
    box->setReadOnly(!on);
}

void VisitorPanel::Slot_Chk_Clicked(int slot, bool caption) {
    if (slot < 0 || slot >= SlotCount)
        return;
    const Slot& s = fixedSlots[size_t(slot)];
    QLineEdit* box = caption ? s.label : s.value;
    QCheckBox* check = caption ? s.label_chk : s.value_chk;
    const QString id = caption ? s.field->captionId : s.field->valueId;
    putValue(box->text(), id, box, check->isChecked());
    setBoxState(box, check->isChecked());
}

void VisitorPanel::controlTextDidChange(QLineEdit* box) {
    for (int caption = 1; caption >= 0; --caption) {
        for (int i = 0; i < SlotCount; ++i) {
            const Slot& s = fixedSlots[size_t(i)];
            if ((caption ? s.label : s.value) != box)
                continue;
            const bool dateOrTime = !caption && (s.field->slot == zelk::SlotDate || s.field->slot == zelk::SlotTime);
            QCheckBox* check = caption ? s.label_chk : s.value_chk;
            if (!dateOrTime)
                check->setChecked(true);
            window_.Change_Value(box->text(), caption ? s.field->captionId : s.field->valueId, check->isChecked(),
                                 false);
            return;
        }
    }
    // A user-added row's box.
    for (const QList<RowEntry>* column : {&view_array_label, &view_array_value})
        for (const RowEntry& e : *column)
            if (e.control == box) {
                window_.Change_Value(box->text(), e.id, true, false);
                return;
            }
}

void VisitorPanel::Refresh_Captions() {
    for (Slot& s : fixedSlots)
        s.label->setText(*s.field->caption);
}

void VisitorPanel::Refresh_Controls() {
    Refresh_Captions();
    QList<QCheckBox*> checks{date_manual_chk, time_manual_chk};
    for (Slot& s : fixedSlots)
        checks << s.label_chk << s.value_chk;
    for (QCheckBox* c : checks) {
        c->setChecked(false);
        if (enableChecksOnRefresh_)
            c->setEnabled(true);
    }
    for (Slot& s : fixedSlots) {
        s.value->clear();
        setBoxState(s.label, false);
        setBoxState(s.value, false);
    }
    Set_Date_Value();
    Set_Time_Value();
}

// ---------------------------------------------------------------- date and time

// Month names in English whatever the system's language: the card shows the
// same date the visitor database stores.
QString VisitorPanel::dateText() {
    return QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("dd-MMM-yyyy"));
}

QString VisitorPanel::timeText() {
    return QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("HH:mm:ss"));
}

void VisitorPanel::Set_Date_Value() { date_value->setText(dateText()); }

void VisitorPanel::Set_Time_Value() { time_value->setText(timeText()); }

void VisitorPanel::Date_Value_Chk_Clicked() { dateOrTimeShown(true); }

void VisitorPanel::Time_Value_Chk_Clicked() {
    Set_Time_Value();
    dateOrTimeShown(false);
}

void VisitorPanel::dateOrTimeShown(bool date) {
    QLineEdit* box = date ? date_value : time_value;
    QCheckBox* shown = date ? date_value_chk : time_value_chk;
    QCheckBox* manual = date ? date_manual_chk : time_manual_chk;
    putValue(box->text(), date ? Fup_Date : Fup_Time, box, shown->isChecked());
    if (!shown->isChecked()) {
        date ? Set_Date_Value() : Set_Time_Value();
        box->setEnabled(manual->isChecked());
    } else {
        Chk_Unchk_Manual_Date_Time(date ? QStringLiteral("D") : QStringLiteral("T"));
    }
}

void VisitorPanel::Chk_Unchk_Manual_Date_Time(const QString& kind) {
    const bool date = kind == QLatin1String("D");
    QLineEdit* box = date ? date_value : time_value;
    QCheckBox* manual = date ? date_manual_chk : time_manual_chk;
    QCheckBox* shown = date ? date_value_chk : time_value_chk;
    auto refill = [&] { date ? Set_Date_Value() : Set_Time_Value(); };
    if (manual->isChecked()) {
        setBoxState(box, true);
        return;
    }
    setBoxState(box, false);
    if (shown->isChecked()) {
        box->setEnabled(true);
        if (box->text().isEmpty())
            refill();
    } else {
        refill();
    }
}

// ---------------------------------------------------------------- photo

int VisitorPanel::Find_And_Select_Design_Image_Control() {
    const std::shared_ptr<SKTGraphic> selected = window_.Get_Selected_Graphic();
    if (selected && zelk::isExactlyImage(selected.get()) && !selected->ctrl_is_locked)
        return 1;
    const GraphicList& graphics = sideGraphics(window_, ::Card_Front_Or_Back);
    GraphicList images;
    for (const std::shared_ptr<SKTGraphic>& g : graphics)
        if (g && zelk::isExactlyImage(g.get()))
            images << g;
    if (images.size() == 1) {
        const std::shared_ptr<SKTGraphic>& only = images.first();
        if (only->ctrl_is_locked) {
            Show_MessageBox(QStringLiteral("Image control is locked."));
            return 2;
        }
        window_.Set_Selected_Graphic(only);
        window_.Show_RHS_Properties(only.get());
        return 1;
    }
    if (images.size() > 1)
        Show_MessageBox(QStringLiteral("Please select 'Image Control' to use image file."));
    return int(images.size());
}

int VisitorPanel::photoTarget() {
    if (window_.Check_Multiple_Image_Selection(QStringLiteral("Select"), true))
        return -1;
    if (window_.currentCanvas()->There_Is_Any_Lock_Contrl()) {
        Show_MessageBox(QStringLiteral("Selected control is locked."));
        return -1;
    }
    const int n = Find_And_Select_Design_Image_Control();
    return n >= 2 ? -1 : n;
}

void VisitorPanel::usePhoto(const QString& path, int found) {
    if (found == 0)
        window_.new_control_add(path, Fup_Photo, image_path_val);
    Set_User_Image(path, QString());
    window_.Show_Message_To_Update_Data();
}

void VisitorPanel::Open_Camera_Clicked() {
    const int n = photoTarget();
    if (n < 0)
        return;
    if (!window_.cameraWindow) {
        SKTWindowController::Show_Not_Available(QStringLiteral("The camera"));
        return;
    }
    if (window_.cameraWindow() != 1)
        return;
    usePhoto(::Camera_Capture_Image, n);
}

void VisitorPanel::Browse_image_Btn_Clicked() {
    const int n = photoTarget();
    if (n < 0)
        return;
    QStringList patterns;
    for (const QString& ext : window_.Allowd_Image_fileTypes)
        patterns << QStringLiteral("*.") + ext;
    const QString path = zelk::chooseOpenPath(
        &window_, tr("Open"), tr("Pictures (%1)").arg(patterns.join(QLatin1Char(' '))));
    if (path.isEmpty()) {
        window_.setLibrary_Selected_Image(QString());
        return;
    }
    if (zelk::refuseUnreadablePicture(path))
        return;
    usePhoto(path, n);
}

void VisitorPanel::Set_User_Image(const QString& given_path, const QString& ctrl_id) {
    std::shared_ptr<SKTGraphic> target;
    if (ctrl_id.isEmpty()) {
        target = window_.Get_Selected_Graphic();
        if (!target || !zelk::isExactlyImage(target.get())) {
            if (target)
                Set_User_Image_Control(given_path, target->_contents, target->control_ID);
            else
                Set_User_Image_Control(given_path, QImage(), QString());
            return;
        }
    }
    const QString path = Trim_Str(given_path);
    image_path_val->setText(path);
    const QString id = target ? target->control_ID : ctrl_id;
    if (target && Trim_Str(id).isEmpty()) {
        // A design picture without an ID: the selected one takes the file
        // and stays selected (an ID lookup would find another of the side).
        static_cast<SKTImage*>(target.get())->setFilePath(path, true);
        target->Set_Ctrl_Is_Visible(true);
        window_.Refresh_Canvas();
        window_.Insert_In_Undo_Redo();
        window_.Show_RHS_Properties(target.get());
    } else {
        putValue(path, id, image_path_val, true);
    }
    if (path.isEmpty()) {
        user_picture->clear();
        return;
    }
    const QImage preview = window_.Get_Image_For_Path(path, false);
    if (preview.isNull())
        user_picture->clear();
    else
        showUserPicture(preview);
    if (!Trim_Str(id).isEmpty() && id != Fup_Photo) {
        if (VisitorPanel* panel = zelk::visitorPanel(::Card_Front_Or_Back)) {
            if (auto* box = qobject_cast<QLineEdit*>(panel->Get_Dynamic_Label_Ctrl(id, QStringLiteral("T"))))
                box->setText(path);
            if (QLabel* view = panel->Get_Dynamic_Photo_Ctrl(id)) {
                if (isNoPicture(path))
                    view->setPixmap(QPixmap::fromImage(window_.no_image_ctrl_GP));
                else if (window_.Set_Dynamic_Pic_Ctrl_Image)
                    window_.Set_Dynamic_Pic_Ctrl_Image(view, preview);
            }
        }
    }
    if (!Trim_Str(id).isEmpty())
        window_.currentCanvas()->Set_Selection_Index_According_ID(id);
}

void VisitorPanel::Set_User_Image_Control(const QString& given_path, const QImage& image, const QString& ctrl_id) {
    const QString id = Trim_Str(ctrl_id);
    SKTGraphicView* canvas = side_ == 0 ? window_._graphicView : window_._graphicView_BACK;
    if (!id.isEmpty() && !canvas->Selcect_Ctrl_With_ID(id))
        return;
    const QString path = Trim_Str(given_path);
    image_path_val->setText(path);
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        QImage shown = image;
        if (shown.isNull())
            shown = window_.Get_Image_For_Path(path, false);
        if (!shown.isNull())
            showUserPicture(shown);
    } else {
        user_picture->clear();
    }
}

void VisitorPanel::showUserPicture(const QImage& picture) {
    user_picture->setPixmap(QPixmap::fromImage(picture).scaled(user_picture->size() - QSize(4, 4),
                                                               Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// ---------------------------------------------------------------- user-added rows

void VisitorPanel::Text_ctrl_type_rd_select() {
    txt_or_image_ctrl = 0;
    text_ctrl_type->setChecked(true);
    image_ctrl_type->setChecked(false);
}

void VisitorPanel::Image_ctrl_type_rd_select() {
    txt_or_image_ctrl = 1;
    text_ctrl_type->setChecked(false);
    image_ctrl_type->setChecked(true);
}

int VisitorPanel::nextRowNumber() const {
    static const QRegularExpression rowId(QStringLiteral("^F_(?:label|field|Photo)(\\d+)$"));
    int highest = 0;
    for (const std::shared_ptr<SKTGraphic>& g : sideGraphics(window_, side_)) {
        const QRegularExpressionMatch m = rowId.match(Trim_Str(g->control_ID));
        if (m.hasMatch())
            highest = std::max(highest, m.captured(1).toInt());
    }
    return std::max(counter, highest + 1);
}

void VisitorPanel::Add_New_Label_Clicked() {
    // A number the card holds already would make two rows drive one graphic.
    counter = nextRowNumber();
    // The row's caption and value come and go as one step of Undo.
    SKTGraphicView* canvas = window_.currentCanvas();
    canvas->beginUndoGroup();
    if (txt_or_image_ctrl == 0)
        Add_label_control(QString(), QString(), true);
    else
        Add_Image_control(QString(), QString(), true);
    Add_Value_control(QString(), QString(), true);
    canvas->endUndoGroup();
    Increment_in_position();
    if (window_.Create_Dynamic_Control_List)
        window_.Create_Dynamic_Control_List();
}

QLineEdit* VisitorPanel::rowBox(QGroupBox* box, const QRect& geometry, const QString& text, bool visible) {
    auto* field = new QLineEdit(box);
    field->setGeometry(geometry);
    field->setText(text);
    field->setEnabled(visible);
    connect(field, &QLineEdit::textEdited, this, [this, field] { controlTextDidChange(field); });
    field->show();
    return field;
}

QCheckBox* VisitorPanel::rowCheck(QGroupBox* box, int y, bool checked) {
    auto* check = new QCheckBox(box);
    check->setGeometry(box == custom_label_box ? 2 : 172, y, 22, 20);
    check->setChecked(checked);
    connect(check, &QCheckBox::clicked, this, [this, check] { Visitor_Dyn_Ctrl_Checked_Changed(check); });
    check->show();
    return check;
}

void VisitorPanel::growCustomBox(QGroupBox* box, QGroupBox* defaultBox) {
    // The top edge stays at the bottom of the default box; it grows downward.
    QRect r = box->geometry();
    r.setTop(defaultBox->geometry().bottom() + 1);
    r.setHeight(box->geometry().height() + RowStep);
    box->setGeometry(r);
}

void VisitorPanel::showRowPicture(QLabel* view, const QString& path) {
    if (isNoPicture(path) || path.isEmpty()) {
        view->setPixmap(QPixmap::fromImage(window_.no_image_ctrl_GP).scaled(view->size(), Qt::KeepAspectRatio));
        return;
    }
    const QImage preview = window_.Get_Image_For_Path(path, false);
    if (window_.Set_Dynamic_Pic_Ctrl_Image)
        window_.Set_Dynamic_Pic_Ctrl_Image(view, preview);
}

void VisitorPanel::Add_label_control(const QString& ctrl_id, const QString& value, bool visible) {
    rememberDefaultBoxes();
    const bool isNew = ctrl_id.isEmpty();
    const QString id = isNew ? zelk::userFieldLabelId(counter) : ctrl_id;
    const QString text = isNew ? id : value;
    const int y = int(ctrl_y);
    QLineEdit* box = rowBox(custom_label_box, {24, y, 115, 20}, text, visible);
    QCheckBox* check = rowCheck(custom_label_box, y, visible);
    view_array_label.append({id, box, check});
    if (isNew)
        putValue(text, id, box, true);
    growCustomBox(custom_label_box, default_label_box);
}

void VisitorPanel::Add_Image_control(const QString& ctrl_id, const QString& value, bool visible) {
    rememberDefaultBoxes();
    const bool isNew = ctrl_id.isEmpty();
    const QString id = isNew ? zelk::userFieldPhotoId(counter) : ctrl_id;
    const QString path = isNew ? window_.NO_Image_Path : value;
    const int y = int(ctrl_y);
    auto* view = new QLabel(custom_label_box);
    view->setGeometry(5, std::max(0, y - 3), 40, 25);
    view->setFrameShape(QFrame::Box);
    view->setAlignment(Qt::AlignCenter);
    if (isNew)
        view->setPixmap(QPixmap::fromImage(window_.no_image_ctrl_GP).scaled(view->size(), Qt::KeepAspectRatio));
    else
        showRowPicture(view, path);
    view->show();
    auto* idField = new QLineEdit(custom_label_box);
    idField->setGeometry(60, y, 80, 20);
    idField->setText(id);
    idField->setReadOnly(true);
    idField->show();
    QCheckBox* check = rowCheck(custom_label_box, y, visible);
    check->hide();
    view_array_label.append({id, view, check});
    if (isNew)
        putValue(path, id, nullptr, true);
    growCustomBox(custom_label_box, default_label_box);
}

void VisitorPanel::Add_Value_control(const QString& ctrl_id, const QString& value, bool visible) {
    rememberDefaultBoxes();
    const bool isNew = ctrl_id.isEmpty();
    const bool picture = isNew ? txt_or_image_ctrl == 1 : ctrl_id.contains(QLatin1String("_Photo"));
    const QString id =
        isNew ? (picture ? zelk::userFieldPhotoId(counter) : zelk::userFieldValueId(counter)) : ctrl_id;
    const QString text = isNew ? (picture ? window_.NO_Image_Path : id) : value;
    const int y = int(ctrl_y);
    QLineEdit* box = rowBox(custom_field_box, {7, y, 160, 20}, text, visible);
    box->setCursorPosition(0);
    if (txt_or_image_ctrl == 1 || picture)
        box->setReadOnly(true);
    QCheckBox* check = rowCheck(custom_field_box, y, visible);
    view_array_value.append({id, box, check});
    if (isNew)
        putValue(text, id, picture ? nullptr : box, true);
    growCustomBox(custom_field_box, default_field_box);
}

void VisitorPanel::Increment_in_position() {
    ctrl_y += 25.0f;
    counter += 1;
    custom_label_box->show();
    custom_field_box->show();
    Change_btn_location();
    resizeContainer();
}

void VisitorPanel::resizeContainer() {
    if (side_ == 0)
        window_.Set_Front_Panel_Size();
    else
        window_.Set_Back_Panel_Size();
}

void VisitorPanel::Change_btn_location() {
    const int offset = view_array_label.isEmpty() ? 15 : -5;
    const int labelBottom = custom_label_box->geometry().y() + custom_label_box->geometry().height();
    const int fieldBottom = custom_field_box->geometry().y() + custom_field_box->geometry().height();
    Add_label_btn->move(Add_label_btn->x(), labelBottom - offset);
    Add_to_DB_btn->move(Add_to_DB_btn->x(), fieldBottom - offset);
    new_ctrl_type_box->move(new_ctrl_type_box->x(), fieldBottom - offset);
}

void VisitorPanel::Visitor_Dyn_Ctrl_Checked_Changed(QAbstractButton* sender) {
    const RowEntry* found = nullptr;
    for (const QList<RowEntry>* column : {&view_array_label, &view_array_value}) {
        for (const RowEntry& e : *column)
            if (e.check == sender) {
                found = &e;
                break;
            }
        if (found)
            break;
    }
    if (!found)
        return;
    window_.Insert_In_Undo_Redo();
    const QString id = found->id;
    auto* box = qobject_cast<QLineEdit*>(Get_Dynamic_Label_Ctrl(id, QStringLiteral("T")));
    const QString text = box ? box->text() : QString();
    const bool checked = sender->isChecked();
    window_.new_control_add(text, id, box);
    window_.Change_Value(text, id, checked, false);
    if (!box)
        return;
    if (checked) {
        setBoxState(box, true);
        if (id.contains(QLatin1String("_Photo")))
            box->setReadOnly(true);
    } else {
        box->setEnabled(false);
    }
}

QWidget* VisitorPanel::Get_Dynamic_Label_Ctrl(const QString& ctrl_id, const QString& kind) const {
    const QList<RowEntry>* column = nullptr;
    if (ctrl_id.contains(QLatin1String("_field")) || ctrl_id.contains(QLatin1String("_Photo")))
        column = &view_array_value;
    else if (ctrl_id.contains(QLatin1String("_label")))
        column = &view_array_label;
    if (!column)
        return nullptr;
    const bool text = kind == QLatin1String("T");
    for (const RowEntry& e : *column) {
        if (e.id != ctrl_id)
            continue;
        if (text && qobject_cast<QLineEdit*>(e.control))
            return e.control;
        if (!text && e.check)
            return e.check;
    }
    return nullptr;
}

QLabel* VisitorPanel::Get_Dynamic_Photo_Ctrl(const QString& ctrl_id) const {
    for (const RowEntry& e : view_array_label)
        if (e.id == ctrl_id)
            if (auto* view = qobject_cast<QLabel*>(e.control))
                return view;
    return nullptr;
}

void VisitorPanel::Reset_all_Ctrl() {
    Set_User_Image_Control(QString(), QImage(), QString());
    Refresh_Controls();
    counter = 1;
    ctrl_y = 5.0f;
    if (!view_array_label.isEmpty() || !view_array_value.isEmpty()) {
        for (QGroupBox* box : {custom_label_box, custom_field_box}) {
            const QList<QWidget*> children = box->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
            for (auto it = children.crbegin(); it != children.crend(); ++it)
                delete *it;
        }
        view_array_label.clear();
        view_array_value.clear();
        custom_label_box->hide();
        custom_field_box->hide();
        rememberDefaultBoxes();
        const QRect l = default_label_box->geometry();
        const QRect f = default_field_box->geometry();
        custom_label_box->setGeometry(custom_label_box->x(), l.y() + l.height(), custom_label_box->width(), 20);
        custom_field_box->setGeometry(custom_field_box->x(), f.y() + f.height(), custom_field_box->width(), 20);
        Change_btn_location();
        resizeContainer();
    }
    Text_ctrl_type_rd_select();
}

zelk::VisitorEntrySide VisitorPanel::entrySide() const {
    zelk::VisitorEntrySide side;
    for (int i = 0; i < SlotCount; ++i) {
        const Slot& slot = fixedSlots[size_t(i)];
        zelk::VisitorSlot& out = side.fields[size_t(i)];
        out.value = slot.value->text();
        out.caption = slot.label->text();
        out.valueChecked = slot.value_chk->isChecked();
        out.captionChecked = slot.label_chk->isChecked();
    }
    side.other = side_ == 0 ? window_.Get_Front_Visitor_dyn_contrl_str() : window_.Get_Back_Visitor_dyn_contrl_str();
    return side;
}

zelk::VisitorEntry VisitorPanel::visitorEntry(const SKTWindowController& window) {
    zelk::VisitorEntry entry;
    auto* front = qobject_cast<const VisitorPanel*>(window.front_vistr_view);
    auto* back = qobject_cast<const VisitorPanel*>(window.back_vistr_view);
    if (front) {
        entry.front = front->entrySide();
        // The no-picture placeholder is no visitor's photo.
        const QString photo = front->image_path_val->text();
        if (Trim_Str(photo) != Trim_Str(window.NO_Image_Path))
            entry.photoPath = photo;
    }
    if (back)
        entry.back = back->entrySide();
    return entry;
}

void VisitorPanel::Add_record_to_DB_Clicked() {
    window_.Add_Visitor_Record_To_DB(visitorEntry(window_));
}

QString VisitorPanel::rowsText() const {
    // A box counts while it is open or its row is ticked: the lock greys
    // the boxes of a row the card still shows.
    auto shown = [this](const QString& id) {
        auto* box = qobject_cast<QLineEdit*>(Get_Dynamic_Label_Ctrl(id, QStringLiteral("T")));
        auto* check = qobject_cast<QAbstractButton*>(Get_Dynamic_Label_Ctrl(id, QStringLiteral("C")));
        return box && (box->isEnabled() || (check && check->isChecked())) ? box : nullptr;
    };
    QString text;
    for (const RowEntry& e : view_array_label) {
        QString captionPart;
        QString valuePart;
        if (qobject_cast<QLabel*>(e.control)) {
            // A picture row has no caption: its path alone, while it has one.
            if (const QLineEdit* path = shown(e.id); path && !isNoPicture(path->text()))
                valuePart = path->text();
        } else if (qobject_cast<QLineEdit*>(e.control)) {
            if (const QLineEdit* caption = shown(e.id))
                captionPart = caption->text() + QStringLiteral(" : ");
            QString valueId = e.id;
            valueId.replace(QLatin1String("label"), QLatin1String("field"));
            if (const QLineEdit* value = shown(valueId))
                valuePart = value->text();
        }
        text = QStringLiteral("%1\r\n%2%3\r\n").arg(text, captionPart, valuePart).trimmed();
    }
    return text;
}
