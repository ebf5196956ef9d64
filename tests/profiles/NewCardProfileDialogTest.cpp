// The new-card profile dialog, played without a modal loop: opening and
// reset, validation, the front and back commits, workbook, photo and
// preview, and its opening through the card wizard's profile button.
#include "ProfileTestSupport.h"

#include "canvas/SKTGraphicView.h"
#include "foundation/Utilities.h"
#include "mainwindow/Card_Wizard.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>

namespace zelk::test {
namespace {

class NewCardDialog : public ProfileDialogTest {
protected:
    User_profile* d = nullptr;
    QString photo;
    void SetUp() override {
        ProfileDialogTest::SetUp();
        d = User_profile::defaultInstance();
        photo = data.filePath("face.png");
        QImage face(30, 40, QImage::Format_RGB32);
        face.fill(Qt::blue);
        ASSERT_TRUE(face.save(photo));
    }
    // Opens the dialog through the main window's opener and plays `steps`,
    // then OK; the opener's code.
    int openAndOk(const QString& total, const std::function<void()>& steps) {
        play = [&](QDialog* dialog) {
            if (dialog != d)
                return 0;
            steps();
            d->OK_Btn_Clicked();
            return d->result();
        };
        return window->Open_User_Profile_Window(0, QString(), total);
    }
};

TEST_F(NewCardDialog, FirstOpeningIsClearedAndBothSidesAreWritten) {
    int code = openAndOk("2", [&] {
        EXPECT_EQ(d->windowTitle(), "User Profile Information");
        for (int i = 0; i < ProfileSlotCount; ++i) {
            const auto& r = rowOf(d, i);
            EXPECT_EQ(r.ds_combo->currentIndex(), 0) << i;
            EXPECT_EQ(r.ds_combo->count(), 2) << i;  // no table loaded: no "Excel"
            EXPECT_EQ(r.side_combo->currentIndex(), 2) << i;
            EXPECT_FALSE(r.side_combo->isHidden());
            if (i < ProfileTextSlotCount) {
                EXPECT_TRUE(r.value->text().isEmpty());
                EXPECT_EQ(r.label->text(), *profileFieldTable().at(i).caption);
            }
        }
        EXPECT_EQ(d->image_path_val->text(), window->NO_Image_Path);  // the no-image photo
        rowOf(d, SlotName).value->setText("  Ann  ");  // stored untrimmed
        rowOf(d, SlotTitle).value->setText("Front only");
        rowOf(d, SlotTitle).side_combo->setCurrentIndex(0);
        rowOf(d, SlotFax).value->setText("Back only");
        rowOf(d, SlotFax).side_combo->setCurrentIndex(1);
        d->Set_User_Image(photo);
    });
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(::Fill_User_Profile);
    const User_Profile_Class& f = window->Front_user_profile;
    const User_Profile_Class& b = window->Back_user_profile;
    EXPECT_EQ(f.Name(), "  Ann  ");
    EXPECT_EQ(b.Name(), "  Ann  ");
    EXPECT_EQ(f.Title(), "Front only");
    EXPECT_EQ(b.Title(), "");
    EXPECT_EQ(f.fax(), "");
    EXPECT_EQ(b.fax(), "Back only");
    EXPECT_EQ(f.image(), photo);
    EXPECT_EQ(f.image_USE(), 1);
    EXPECT_EQ(f.Fill_User_Profile_Enable(), 1);
    EXPECT_TRUE(f.slot(SlotName).label.isEmpty());  // this dialog writes no captions
    EXPECT_FALSE(::Excel_Binding_Use);

    // A later opening keeps the entries, also after Cancel.
    play = [&](QDialog*) {
        EXPECT_EQ(rowOf(d, SlotName).value->text(), "  Ann  ");
        rowOf(d, SlotName).value->setText("changed");
        d->Cancel_Btn_Clicked();
        return d->result();
    };
    EXPECT_EQ(window->Open_User_Profile_Window(0, "   ", "2"), 0);  // blanks count as empty
    EXPECT_EQ(f.Name(), "  Ann  ");
    code = openAndOk("2", [&] { EXPECT_EQ(rowOf(d, SlotName).value->text(), "changed"); });
    EXPECT_EQ(code, 1);
}

TEST_F(NewCardDialog, OneSidedCardWritesOnlyTheFront) {
    window->Back_user_profile.setName("kept");
    const int code = openAndOk("1", [&] {
        EXPECT_EQ(d->load_side, "F");
        for (int i = 0; i < ProfileSlotCount; ++i) {
            EXPECT_TRUE(rowOf(d, i).side_combo->isHidden());
            EXPECT_EQ(rowOf(d, i).side_combo->currentIndex(), 0);
        }
        EXPECT_TRUE(d->select_side_label->isHidden());
        rowOf(d, SlotName).value->setText("Solo");
        d->Set_User_Image(photo);
    });
    EXPECT_EQ(code, 1);
    EXPECT_EQ(window->Front_user_profile.Name(), "Solo");
    EXPECT_EQ(window->Back_user_profile.Name(), "kept");
}

TEST_F(NewCardDialog, RefusalsNameTheFirstFailingSlotAndWriteNothing) {
    Data_From_Excel::defaultInstance()->loadSheet({{"Name", "Id"}, {"Ann", "007"}}, {0, 1}, true);
    window->Front_user_profile.setName("before");
    QStringList steps;
    play = [&](QDialog*) {
        d->Reset_all_Ctrl();
        EXPECT_EQ(rowOf(d, SlotName).ds_combo->count(), 3);
        // A source without its series or column: the first in table order is named.
        rowOf(d, SlotTitle).ds_combo->setCurrentIndex(2);
        rowOf(d, SlotName).ds_combo->setCurrentIndex(1);
        rowOf(d, SlotName).value->setText("typed");
        d->OK_Btn_Clicked();
        steps << sink.shown.last();
        // The Excel slot has no column chosen after its list was filled.
        EXPECT_EQ(rowOf(d, SlotTitle).ser_col_cb->currentIndex(), -1);
        EXPECT_EQ(rowOf(d, SlotTitle).ser_col_cb->count(), 3);
        rowOf(d, SlotName).ds_combo->setCurrentIndex(0);
        d->OK_Btn_Clicked();
        steps << sink.shown.last();
        // The row-number column gives the row number; the Id column its cell.
        rowOf(d, SlotTitle).ser_col_cb->setCurrentIndex(0);
        EXPECT_EQ(rowOf(d, SlotTitle).value->text(), "1");
        rowOf(d, SlotTitle).ser_col_cb->setCurrentIndex(2);
        EXPECT_EQ(rowOf(d, SlotTitle).value->text(), "007");
        // A typed photo needs a file.
        d->Clear_image_Btn_Clicked();
        EXPECT_FALSE(d->invalid_source_label->isHidden());
        d->OK_Btn_Clicked();
        steps << sink.shown.last();
        d->Set_User_Image("  " + photo + " ");
        EXPECT_EQ(d->image_path_val->text(), photo);
        d->OK_Btn_Clicked();
        return d->result();
    };
    EXPECT_EQ(window->Open_User_Profile_Window(0, "", "2"), 1);
    EXPECT_EQ(steps, (QStringList{"Please select the 'Series / Excel Column' for 'Name'",
                                  "Please select the 'Series / Excel Column' for 'Position / Title'",
                                  "Please select valid image file."}));
    const User_Profile_Class& f = window->Front_user_profile;
    EXPECT_EQ(f.Name(), "typed");
    EXPECT_EQ(f.Title(), "007");
    EXPECT_EQ(f.Title_xl(), 1);
    EXPECT_EQ(f.Title_xl_col_indx(), 2);
    EXPECT_EQ(f.Title_ds(), 0);
    EXPECT_EQ(f.Excel_Binding(), 1);
    EXPECT_TRUE(::Excel_Binding_Use);
}

TEST_F(NewCardDialog, WorkbookLoadedOnceOffersExcelAndCancelRecordsIt) {
    const QString book = workbook("people.xlsx", R"([["Name", "Photo"], ["Zoë", "p1.png"], ["Иван", ""]])");
    nextOpenPath = book;
    importColumns = {0, 1};
    const QString nameOfFirst = QStringLiteral("Zoë");
    play = [&](QDialog*) {
        d->Reset_all_Ctrl();
        rowOf(d, SlotName).ds_combo->setCurrentIndex(1);  // a series slot keeps its source
        d->Browse_excel_Btn_Clicked();
        EXPECT_EQ(d->excel_path_field->text(), book);
        EXPECT_TRUE(d->view_excel_btn->isEnabled());
        for (int i = 0; i < ProfileSlotCount; ++i)
            EXPECT_EQ(rowOf(d, i).ds_combo->count(), 3) << i;
        rowOf(d, SlotFax).ds_combo->setCurrentIndex(2);
        rowOf(d, SlotFax).ser_col_cb->setCurrentIndex(1);
        d->Browse_excel_Btn_Clicked();  // again: "Excel" is never added twice
        EXPECT_EQ(rowOf(d, SlotName).ds_combo->count(), 3);
        // A slot on Excel keeps its source and text, but its column must be chosen again.
        EXPECT_EQ(rowOf(d, SlotFax).ds_combo->currentIndex(), 2);
        EXPECT_EQ(rowOf(d, SlotFax).ser_col_cb->currentIndex(), -1);
        EXPECT_EQ(rowOf(d, SlotFax).value->text(), nameOfFirst);
        rowOf(d, SlotName).ds_combo->setCurrentIndex(0);
        d->OK_Btn_Clicked();
        EXPECT_EQ(sink.shown.last(), "Please select the 'Series / Excel Column' for 'Fax No.'");
        rowOf(d, SlotFax).ds_combo->setCurrentIndex(0);
        rowOf(d, SlotName).ds_combo->setCurrentIndex(1);
        EXPECT_EQ(rowOf(d, SlotName).ds_combo->currentIndex(), 1);
        // A photo named relative to the workbook just chosen lies beside it.
        rowOf(d, SlotPhoto).ds_combo->setCurrentIndex(2);
        rowOf(d, SlotPhoto).ser_col_cb->setCurrentIndex(2);
        EXPECT_EQ(d->image_path_val->text(), data.filePath("p1.png"));
        rowOf(d, SlotPhoto).ds_combo->setCurrentIndex(0);
        rowOf(d, SlotTitle).ds_combo->setCurrentIndex(2);
        rowOf(d, SlotTitle).ser_col_cb->setCurrentIndex(2);
        EXPECT_EQ(rowOf(d, SlotTitle).value->text(), "p1.png");
        d->Cancel_Btn_Clicked();
        return d->result();
    };
    EXPECT_EQ(window->Open_User_Profile_Window(0, "", "2"), 0);
    EXPECT_EQ(imports, 2);
    EXPECT_EQ(tableRows().size(), 2);
    EXPECT_TRUE(::Excel_Binding_Use);
    EXPECT_EQ(::Excel_Source_Path, book);
    EXPECT_EQ(window->Front_user_profile.Excel_Binding(), 1);
    EXPECT_FALSE(::Fill_User_Profile);
    EXPECT_EQ(window->Data_source_type->count(), 3);  // the inspector offers "Excel" now

    // A picture named relative to the workbook is found beside it.
    QImage face(10, 10, QImage::Format_RGB32);
    face.fill(Qt::green);
    ASSERT_TRUE(face.save(data.filePath("p1.png")));
    play = [&](QDialog*) {
        rowOf(d, SlotPhoto).ds_combo->setCurrentIndex(2);
        EXPECT_FALSE(d->browse_pic_btn->isEnabled());
        rowOf(d, SlotPhoto).ser_col_cb->setCurrentIndex(2);
        EXPECT_EQ(d->image_path_val->text(), data.filePath("p1.png"));
        EXPECT_TRUE(d->invalid_source_label->isHidden());
        d->Cancel_Btn_Clicked();
        return 0;
    };
    window->Open_User_Profile_Window(1, "", "2");
}

TEST_F(NewCardDialog, PhotoFromTheCameraARefusedFileAndABrowseCancelled) {
    const QString shot = data.filePath("shot.png");
    QImage(20, 20, QImage::Format_RGB32).save(shot);
    play = [&](QDialog*) {
        d->Reset_all_Ctrl();
        d->Camera_Btn_Clicked();  // no camera yet
        EXPECT_EQ(sink.shown.last(), "The camera is not available yet.");
        window->cameraWindow = [&] {
            ::Camera_Capture_Image = shot;
            return 1;
        };
        d->Camera_Btn_Clicked();
        EXPECT_EQ(d->image_path_val->text(), shot);
        EXPECT_FALSE(d->user_picture->pixmap().isNull());
        // A file that holds no picture is refused where it is chosen.
        for (const QString& path : filesThatHoldNoPicture(data.path())) {
            sink.shown.clear();
            nextOpenPath = path;
            d->Browse_image_Btn_Clicked();
            EXPECT_EQ(sink.text(), UnreadablePictureMessage.toStdString());
            EXPECT_EQ(d->image_path_val->text(), shot);
            EXPECT_FALSE(d->user_picture->pixmap().isNull());
        }
        d->Clear_image_Btn_Clicked();
        window->setLibrary_Selected_Image("something");
        nextOpenPath.clear();
        d->Browse_image_Btn_Clicked();
        EXPECT_EQ(window->Library_Selected_Image(), "");
        EXPECT_EQ(d->image_path_val->text(), "");
        return 0;
    };
    window->Open_User_Profile_Window(0, "", "2");
}

// "Invalid Source" appears under the photo in space kept for it: the
// dialog keeps its size and OK stays under the pointer.
TEST_F(NewCardDialog, ThePhotoStateNeverMovesTheButtons) {
    play = [&](QDialog*) {
        d->show();
        QCoreApplication::processEvents();
        const QSize size = d->size();
        const QPoint ok = d->ok_btn->mapTo(d, QPoint());
        struct Case {
            const char* name;
            QString path;
            bool invalid;
        };
        for (const Case& c : {Case{"Clear", QString(), true}, Case{"a picture", photo, false},
                              Case{"a missing file", data.filePath("gone.png"), true}}) {
            if (c.path.isEmpty())
                d->clear_pic_btn->click();
            else
                d->Set_User_Image(c.path);
            QCoreApplication::processEvents();
            EXPECT_EQ(d->invalid_source_label->isVisible(), c.invalid) << c.name;
            EXPECT_EQ(d->size(), size) << c.name;
            EXPECT_EQ(d->ok_btn->mapTo(d, QPoint()), ok) << c.name;
        }
        d->hide();
        return 0;
    };
    window->Open_User_Profile_Window(0, "", "2");
}

TEST_F(NewCardDialog, PreviewShowsTheStampedTempSideAndChangesNothingElse) {
    window->_graphicView->createGraphicOfClass(zelk::GraphicKind::Text, true, {10, 10, 70, 20}, "F", "mine",
                                               Fup_Name);
    const int undo = window->_graphicView->undoStacks().undoCount();
    const QPointF cascade = window->newControlPoint().lastPoint("F");
    play = [&](QDialog*) {
        d->Reset_all_Ctrl();
        rowOf(d, SlotName).ds_combo->setCurrentIndex(1);  // no series chosen
        d->Preview_Btn_Clicked();
        EXPECT_EQ(sink.shown.last(), "Please select the 'Series / Excel Column' for 'Name'");
        EXPECT_TRUE(window->Get_Temp_Controls_Array().isEmpty());
        rowOf(d, SlotName).ds_combo->setCurrentIndex(0);
        rowOf(d, SlotName).value->setText("Preview Ann");
        rowOf(d, SlotTitle).value->setText("Chief");
        d->Preview_Btn_Clicked();
        EXPECT_FALSE(d->Preivew_picture->pixmap().isNull());
        return 0;
    };
    window->Open_User_Profile_Window(0, "", "2");
    EXPECT_EQ(window->TEMP_user_profile.Name(), "Preview Ann");
    EXPECT_EQ(window->Front_user_profile.Name(), "");  // the preview writes only the temp profile
    const auto temp = window->_graphicView_TEMP->Selcect_Ctrl_With_ID(Fup_Name);
    ASSERT_TRUE(temp);
    EXPECT_EQ(temp->Text_Value, "Preview Ann");
    ASSERT_EQ(window->Get_Front_Controls_Array().size(), 1);
    EXPECT_EQ(window->Get_Front_Controls_Array().first()->Text_Value, "mine");
    EXPECT_EQ(window->_graphicView->undoStacks().undoCount(), undo);
    EXPECT_EQ(window->newControlPoint().lastPoint("F"), cascade);
}

TEST_F(NewCardDialog, TheCardWizardsButtonOpensIt) {
    int opened = 0;
    play = [&](QDialog* dialog) {
        if (dialog == d)
            ++opened;
        return 0;
    };
    // The application installs the opener in the services (as main() does).
    ScopedServices services(changed([&](Services& s) {
        s.userProfile = [&](const QString& total) { window->Open_User_Profile_Window(0, "", total); };
    }));
    Card_Wizard* wizard = Card_Wizard::defaultInstance();
    wizard->User_Profile_Click();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(sink.shown.filter("not available").isEmpty());
}

}  // namespace
}  // namespace zelk::test
