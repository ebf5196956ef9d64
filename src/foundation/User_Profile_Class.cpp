#include "foundation/User_Profile_Class.h"

void User_Profile_Class::Reset_All_Values() {
    const QList<zelk::ProfileField>& table = zelk::profileFieldTable();
    for (int i = 0; i < zelk::ProfileSlotCount; ++i) {
        Slot& s = slotFields[size_t(i)];
        s.id = table.at(i).valueId;
        s.label_id = table.at(i).captionId;
        s.value.clear();
        s.ds = 0;
        s.ds_name.clear();
        s.xl = 0;
        s.ds_indx = 0;
        s.xl_col_indx = 0;
    }
    fillEnable_ = 0;
    excelBinding_ = 0;
    imageUse_ = 0;
}

void User_Profile_Class::clearCaptions() {
    for (Slot& s : slotFields)
        s.label.clear();
}
