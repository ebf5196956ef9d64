#include "groups/Update_XL_Column.h"

#include "canvas/SKTGraphicView.h"
#include "datasource/Data_From_Excel.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "groups/Group_Mode_Wizard.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

Update_XL_Column* Update_XL_Column::defaultInstance() {
    static Update_XL_Column* instance = new Update_XL_Column();
    return instance;
}

Update_XL_Column::Update_XL_Column(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    setWindowTitle(FrontTitle);
    auto* layout = new QVBoxLayout(this);
    auto* info = new QFormLayout;
    Pass_proj_name = new QLabel(this);
    Pass_proj_path = new QLabel(this);
    Pass_excel_file = new QLabel(this);
    info->addRow(QStringLiteral("Project name :"), Pass_proj_name);
    info->addRow(QStringLiteral("Project folder :"), Pass_proj_path);
    info->addRow(QStringLiteral("Excel file :"), Pass_excel_file);
    layout->addLayout(info);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto* content = new QWidget(scroll);
    auto* contentLayout = new QVBoxLayout(content);
    auto* Column_Box = new QGroupBox(QStringLiteral("Card holder fields"), content);
    auto* grid = new QGridLayout(Column_Box);
    for (int i = 0; i < 12; ++i) {
        if (i < 10) {
            checks[i] = new QCheckBox(Column_Box);
            grid->addWidget(checks[i], i, 0);
        }
        labels[i] = new QLabel(Column_Box);
        combos[i] = new QComboBox(Column_Box);
        combos[i]->setMinimumWidth(220);
        grid->addWidget(labels[i], i, 1);
        grid->addWidget(combos[i], i, 2);
        QComboBox* combo = combos[i];
        connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] { comboBoxSelectionDidChange(combo); });
    }
    // The box and its caption stay together; the column choices take the width.
    grid->setColumnStretch(2, 1);
    labels[10]->setText(QStringLiteral("Front Photo :"));
    labels[11]->setText(QStringLiteral("Back Photo :"));
    contentLayout->addWidget(Column_Box);
    New_Ctrl_Box = new QGroupBox(QStringLiteral("Added fields"), content);
    rowsLayout_ = new QVBoxLayout(New_Ctrl_Box);
    contentLayout->addWidget(New_Ctrl_Box);
    contentLayout->addStretch();
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);

    auto* buttons = new QHBoxLayout;
    const auto [ok, cancel] = zelk::addOkCancelButtons(this, buttons);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &Update_XL_Column::OKPressed);
    connect(cancel, &QPushButton::clicked, this, &Update_XL_Column::CancelPressed);
    resize(560, 640);
}

int Update_XL_Column::Open_Wnd(SKTWindowController& window, QList<QStringList>* dynamicList) {
    window_ = &window;
    dynamicList_ = dynamicList;
    loading = true;
    const Group_Mode_Wizard* wizard = Group_Mode_Wizard::defaultInstance();
    Pass_proj_name->setText(wizard->Project_Name_Val);
    Pass_proj_path->setText(wizard->Project_Path_Val);
    Pass_excel_file->setText(wizard->Project_Excel_Val);
    Reset_All_Combo_Box();
    Set_Checkbox_State();
    Create_Dynamic_Control();
    loading = false;
    return zelk::DialogRunner::run(this) == 1 ? 1 : 0;
}

void Update_XL_Column::Reset_All_Combo_Box() {
    const QList<zelk::ProfileField>& table = zelk::profileFieldTable();
    // Every column but the row-number column, the hidden ones included.
    table_col_name_arr = Data_From_Excel::defaultInstance()->columnTitles().mid(1);
    for (int i = 0; i < 12; ++i) {
        if (i < 10) {
            labels[i]->setText(*table.at(i).caption);
            checks[i]->setEnabled(true);
        }
        labels[i]->setEnabled(true);
        combos[i]->setEnabled(true);
        const QSignalBlocker blocker(combos[i]);
        combos[i]->clear();
        combos[i]->addItem(QStringLiteral("None"));
        combos[i]->addItems(table_col_name_arr);
    }
}

void Update_XL_Column::Set_Checkbox_State() {
    const bool back = ::Card_Front_Or_Back != 0;
    setWindowTitle(back ? BackTitle : FrontTitle);
    for (QCheckBox* check : checks)
        check->setChecked(false);
    for (int i = 0; i < 12; ++i) {
        const int column = window_->excel_cb_value[size_t(i)];
        combos[i]->setCurrentIndex(column < 0 || column >= combos[i]->count() ? 0 : column);
    }
    const QList<zelk::ProfileField>& table = zelk::profileFieldTable();
    const GraphicList& graphics = back ? window_->Get_Back_Controls_Array() : window_->Get_Front_Controls_Array();
    SKTGraphicView* other = back ? window_->_graphicView : window_->_graphicView_BACK;
    for (const auto& g : graphics) {
        const QString id = Trim_Str(g->control_ID);
        if (id.isEmpty() || !g->ctrl_is_visible ||
            (g->kind() != zelk::GraphicKind::Text && g->kind() != zelk::GraphicKind::Image))
            continue;
        for (int i = 0; i < zelk::ProfileTextSlotCount; ++i)
            if (table.at(i).valueId == id) {
                checks[i]->setChecked(true);
                if (g->ctrl_is_locked) {
                    checks[i]->setEnabled(false);
                    labels[i]->setEnabled(false);
                    combos[i]->setEnabled(false);
                }
            }
        if (id == QStringLiteral("Fup_Photo")) {
            const int own = back ? 11 : 10;
            if (g->ctrl_is_locked) {
                labels[own]->setEnabled(false);
                combos[own]->setEnabled(false);
            }
            const auto theirs = other ? other->Selcect_Ctrl_With_ID(id) : nullptr;
            if (theirs && theirs->ctrl_is_locked) {
                labels[back ? 10 : 11]->setEnabled(false);
                combos[back ? 10 : 11]->setEnabled(false);
            }
        }
    }
}

void Update_XL_Column::Create_Dynamic_Control() {
    for (const UserRow& row : view_array_value) {
        delete row.id;
        delete row.check;
        delete row.combo;
    }
    while (QLayoutItem* item = rowsLayout_->takeAt(0))
        delete item;
    view_array_value.clear();
    New_Ctrl_Box->setVisible(false);
    if (!dynamicList_)
        return;
    SKTGraphicView* canvas = ::Card_Front_Or_Back != 0 ? window_->_graphicView_BACK : window_->_graphicView;
    for (const QStringList& entry : *dynamicList_) {
        const QString id = entry.value(0);
        if (!id.contains(QStringLiteral("_field")) && !id.contains(QStringLiteral("_Photo")))
            continue;
        const auto g = canvas ? canvas->Selcect_Ctrl_With_ID(id) : nullptr;
        Add_Value_control(id, entry.value(2) == QStringLiteral("Y"), entry.value(3).toInt(),
                          !(g && g->ctrl_is_locked));
    }
}

void Update_XL_Column::Add_Value_control(const QString& ctrl_ID, bool visible, int col_index, bool enabled) {
    auto* line = new QHBoxLayout;
    UserRow row;
    row.check = new QCheckBox(New_Ctrl_Box);
    row.check->setChecked(visible);
    row.id = new QLabel(ctrl_ID.isEmpty() ? QStringLiteral("F_field%1").arg(view_array_value.size() + 1) : ctrl_ID,
                        New_Ctrl_Box);
    row.id->setMinimumWidth(115);
    row.combo = new QComboBox(New_Ctrl_Box);
    row.combo->setMinimumWidth(212);
    row.combo->addItem(QStringLiteral("None"));
    row.combo->addItems(table_col_name_arr);
    row.combo->setCurrentIndex(col_index < 0 || col_index >= row.combo->count() ? 0 : col_index);
    for (QWidget* w : std::initializer_list<QWidget*>{row.check, row.id, row.combo}) {
        w->setEnabled(enabled);
        line->addWidget(w);
    }
    rowsLayout_->addLayout(line);
    QComboBox* combo = row.combo;
    connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] { comboBoxSelectionDidChange(combo); });
    view_array_value.append(row);
    New_Ctrl_Box->setVisible(true);
}

void Update_XL_Column::comboBoxSelectionDidChange(QComboBox* combo) {
    if (loading || combo->currentIndex() < 1)
        return;
    for (int i = 0; i < 10; ++i)
        if (combos[i] == combo)
            return checks[i]->setChecked(true);
    for (const UserRow& row : view_array_value)
        if (row.combo == combo)
            return row.check->setChecked(true);
}

void Update_XL_Column::OKPressed() {
    if (combos[0]->currentIndex() <= 0 || Trim_Str(combos[0]->currentText()).isEmpty()) {
        Show_MessageBox(Group_Mode_Wizard::NoneColumnMessage);
        return;
    }
    const int oldName = window_->excel_cb_value[0];
    for (int i = 0; i < 12; ++i) {
        const int item = combos[i]->currentIndex();
        window_->excel_cb_value[size_t(i)] = item <= 0 ? -1 : item;
    }
    if (dynamicList_)
        for (const UserRow& row : view_array_value) {
            const int item = row.combo->currentIndex();
            if (item < 0)
                continue;
            const int column = item == 0 ? -1 : item;
            for (QStringList& entry : *dynamicList_) {
                if (entry.value(0) != row.id->text())
                    continue;
                while (entry.size() < 5)
                    entry << QString();
                if (column != -1)
                    entry[1] = window_->Get_First_Value_Of_Excel_Binding(column);
                entry[2] = row.check->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
                entry[3] = QString::number(column);
                break;
            }
        }
    if (window_->excel_cb_value[0] != oldName)
        window_->Create_Group_List_By_Excel_List();
    done(1);
}

void Update_XL_Column::CancelPressed() { done(0); }
