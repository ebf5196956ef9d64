// The card-size preset list of the size tab on the main window: its rows,
// its selection and the size of the selected preset.
#include "mainwindow/SKTWindowController.h"

#include "foundation/Utilities.h"
#include "inspector/InspectorPanels.h"
#include "inspector/PresetListModel.h"
#include "mainwindow/CardSizePresets.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QTableView>
#include <exception>

void SKTWindowController::Create_List(const QString& text) {
    const QString name = Trim_Str(text);
    if (name.isEmpty())
        return;
    ListData.append({{PresetListModel::ExtensionColumn, name}});
}

QString SKTWindowController::Get_Item_Text(int row) const {
    if (row < 0 || row >= ListData.size())
        return QString();
    return ListData.at(row).value(PresetListModel::ExtensionColumn);
}

bool SKTWindowController::IS_Custom_Card_Option_Selected() const {
    return !Preset_ComboBox || Preset_ComboBox->currentIndex() < 0 || Preset_ComboBox->currentIndex() == 2;
}

void SKTWindowController::Mark_List_New_Selection(int row) {
    if (!ColList || IS_Custom_Card_Option_Selected())
        return;
    try {
        QItemSelectionModel* selection = ColList->selectionModel();
        const QModelIndex cell = ColList->model()->index(row, 0);
        if (cell.isValid())
            selection->select(cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        else
            selection->clearSelection();
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTWindowController::Change_Value_According_List_Selection(int row) {
    if (!Preset_ComboBox || !Category_ComboBox)
        return;
    const int category = Category_ComboBox->currentIndex() == 0 ? 0 : 1;
    const QString orientation =
        Preset_ComboBox->currentText() == QLatin1String("Horizontal") ? QStringLiteral("H") : QStringLiteral("V");
    const QSizeF mm = CardSizePresets::Get_My_card_Size(category, orientation, row);
    if (mm.isEmpty())
        return;
    Set_Card_Size_In_Control(mm.width(), mm.height());
    Apply_Size_Clicked();
}

// The size-preset list reports here; the group list has its own handler
// (groupListSelectionDidChange), in the production topic.
void SKTWindowController::tableViewSelectionDidChange(QTableView* table) {
    if (!table || table != ColList || IS_Custom_Card_Option_Selected())
        return;
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    Change_Value_According_List_Selection(rows.first().row());
}
