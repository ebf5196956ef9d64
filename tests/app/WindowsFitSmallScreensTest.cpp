// Every window of the program opened on a 1280 x 720 screen, the smallest
// of the common office and laptop screens: its smallest size with its frame
// and a title bar fits the screen, it opens inside the screen, its buttons
// lie inside it, and no control is drawn smaller than its content needs
// (a spin box split, a label cut), at the size it opens at and at its
// smallest size.
//
// With ZELK_SCREENSHOT_DIR set, a picture of each window as it opened is
// saved there.
//
// The windows come from one table (windowTable). The last test reads the
// window classes of src/ and fails on any that the table does not open.
// The same table hands every multi-line text box of every window a paste
// from a clipboard that offers no format.
#include "../imaging/NoCameraDevice.h"
#include "../mainwindow/MainWindowTestSupport.h"

#include "barcode/Barcode_Gen.h"
#include "canvas/SKTGraphicView.h"
#include "datasource/BatchWizard.h"
#include "datasource/Data_From_Excel.h"
#include "datasource/Generate_List.h"
#include "datasource/Import_Excel.h"
#include "datasource/Import_Excel_DataSheet.h"
#include "datasource/Import_Wizard.h"
#include "datasource/InUseAlert.h"
#include "datasource/Load_Num_Info.h"
#include "datasource/Update_Ex_Num.h"
#include "datasource/View_Data_Series.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/Long_SMS_Dlg.h"
#include "dialogs/Open_Export_Log.h"
#include "dialogs/PleaseWait_Modeless.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "dialogs/Send_Modeless.h"
#include "foundation/SKTBarcode.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTText.h"
#include "groups/CreateFolder.h"
#include "groups/GroupMode.h"
#include "groups/Group_Mode_Wizard.h"
#include "groups/Update_XL_Column.h"
#include "imaging/Camera.h"
#include "imaging/CroppingCommand.h"
#include "imaging/Cropping_Tool.h"
#include "imaging/FrameSource.h"
#include "imaging/Image_Library.h"
#include "inspector/ArrangeMenu.h"
#include "inspector/UnitWindow.h"
#include "mail/Direct_Mail.h"
#include "mail/Email_Setting.h"
#include "mail/Help_Support.h"
#include "mail/MailWindows.h"
#include "mail/Promotion_Form.h"
#include "mail/Send_Mail.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/Card_Wizard.h"
#include "mainwindow/Export_Template.h"
#include "mainwindow/Grid_Wizard.h"
#include "mainwindow/Insert_Template.h"
#include "mainwindow/StartChooserWindow.h"
#include "mainwindow/Template_Wizard.h"
#include "production/Add_Print_Profile.h"
#include "production/ExportWindow.h"
#include "production/PrintCommand.h"
#include "production/Print_Wnd.h"
#include "profiles/Show_User_Profile.h"
#include "profiles/User_profile.h"
#include "visitors/Visitor_Log_Records.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QSet>
#include <QStyle>
#include <gtest/gtest.h>

#include <map>

using namespace zelk;
using namespace zelk::test;

namespace {

const QSize Screen(1280, 720);
const bool screenAsked = requestOffscreenScreen(Screen);
// The room a desktop's title bar takes (openbox's frame is 22 pixels above
// the window and 5 below).
constexpr int TitleBar = 30;

void settle() {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 30)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

QString sizeText(QSize s) { return QStringLiteral("%1 x %2").arg(s.width()).arg(s.height()); }

// The window's name in the table: its class, or the object name of a plain
// QDialog built in place.
QString windowName(const QWidget* w) {
    const QString cls = QString::fromLatin1(w->metaObject()->className()).section(QStringLiteral("::"), -1);
    return cls == QLatin1String("QDialog") ? w->objectName() : cls;
}

bool insideScrollArea(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p))
            return true;
    return false;
}

// What a user would miss in the window at its size now.
QStringList controlFaults(QWidget* window) {
    QStringList faults;
    const QRect inside = window->rect();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !w->isVisible() || w->isWindow())
            continue;
        const bool scrolled = insideScrollArea(w, window);
        const QString name = QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()),
                                                             w->objectName().isEmpty() ? w->accessibleName() : w->objectName());
        const QRect at(w->mapTo(window, QPoint(0, 0)), w->size());
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (button && !scrolled && !inside.contains(at))
            faults << QStringLiteral("the button %1 \"%2\" lies outside the window").arg(name, button->text());
        // Qt's own controls say what they need; a push button's hint adds a
        // width of its style's choosing, so only its text is measured.
        const QByteArray cls = w->metaObject()->className();
        QSize need;
        if (qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) || cls == "QCheckBox" ||
            cls == "QRadioButton")
            need = w->minimumSizeHint();
        else if (cls == "QPushButton")
            need = QSize(w->fontMetrics().horizontalAdvance(button->text()) + 8, 0);
        if (w->width() < need.width() || w->height() < need.height())
            faults << QStringLiteral("%1 is drawn at %2, below the %3 it needs").arg(name, sizeText(w->size()), sizeText(need));
        auto* label = qobject_cast<QLabel*>(w);
        if (label && !label->wordWrap() && !label->text().isEmpty() && label->width() < label->sizeHint().width())
            faults << QStringLiteral("the label \"%1\" is cut (%2 of %3 pixels)")
                          .arg(label->text())
                          .arg(label->width())
                          .arg(label->sizeHint().width());
    }
    return faults;
}

struct Findings {
    QStringList seen;                       // windows inspected, by name
    std::map<QString, QStringList> faults;  // by window (and its state)
};

Findings& findings() {
    static Findings f;
    return f;
}

using Check = std::function<QStringList(QWidget* window)>;

// While set, each window the table opens is handed to it instead of the
// checks of its size.
std::function<void(QWidget* window)>& visitInstead() {
    static std::function<void(QWidget*)> visit;
    return visit;
}

// Checks the window as it opened, then at its smallest size, and puts it
// back. `state` names what is shown (a tab, a screen) when that matters;
// `more` adds the window's own checks.
void inspect(QWidget* window, const QString& state = {}, const Check& more = {}) {
    if (visitInstead()) {
        findings().seen << windowName(window);
        visitInstead()(window);
        return;
    }
    auto faultsNow = [&] { return controlFaults(window) + (more ? more(window) : QStringList()); };
    const QString name = windowName(window);
    findings().seen << name;
    QStringList& faults = findings().faults[state.isEmpty() ? name : name + QStringLiteral(" (") + state + QLatin1Char(')')];
    if (!window->isVisible())
        window->show();
    settle();
    if (window->layout())
        window->layout()->activate();
    const QRect screen = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins margins(inner.left() - frame.left(), std::max(inner.top() - frame.top(), TitleBar),
                           frame.right() - inner.right(), frame.bottom() - inner.bottom());
    const QSize room = screen.size().shrunkBy(margins);

    QSize smallest = window->minimumSize();
    if (window->layout())
        smallest = smallest.expandedTo(window->layout()->totalMinimumSize());
    if (smallest.width() > room.width() || smallest.height() > room.height())
        faults << QStringLiteral("its smallest size %1 and its frame do not fit the screen's %2")
                      .arg(sizeText(smallest), sizeText(screen.size()));
    if (window->width() > room.width() || window->height() > room.height())
        faults << QStringLiteral("it opens at %1, larger than the screen's %2 leaves it")
                      .arg(sizeText(window->size()), sizeText(room));
    else if (!screen.contains(frame))  // where the platform put it, frame and all
        faults << QStringLiteral("it opens at (%1, %2), not wholly on the screen").arg(inner.x()).arg(inner.y());
    for (const QString& f : faultsNow())
        faults << QStringLiteral("as opened: ") + f;
    // For a look by eye: ZELK_SCREENSHOT_DIR keeps a picture of each window.
    if (const QString dir = qEnvironmentVariable("ZELK_SCREENSHOT_DIR"); !dir.isEmpty())
        window->grab().save(QDir(dir).filePath((state.isEmpty() ? name : name + QLatin1Char('-') + state) + ".png"));

    const QSize opened = window->size();
    window->resize(smallest);
    settle();
    for (const QString& f : faultsNow())
        faults << QStringLiteral("at its smallest size: ") + f;
    window->resize(opened);
    settle();
}

// The profile dialogs' caption fields (named "<field>_label") show their
// whole caption.
QStringList captionsWhole(QWidget* window) {
    QStringList faults;
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        if (!edit->objectName().endsWith(QLatin1String("_label")) || !edit->isVisible())
            continue;
        const int room = edit->width() - 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4;
        if (edit->fontMetrics().horizontalAdvance(edit->text()) > room)
            faults << QStringLiteral("the caption \"%1\" is cut (%2 pixels for it)").arg(edit->text()).arg(room);
    }
    return faults;
}

void inspectWithCaptions(SKTWindowController& hub, char flag, const QString& loadSide, const QString& totalSide) {
    ScopedDialogRunner captions([](QDialog* d) {
        inspect(d, {}, captionsWhole);
        return 0;
    });
    hub.Open_User_Profile_Window(flag, loadSide, totalSide);
}

// The application as main() puts it together, over a temporary data folder,
// kept for the whole run: the windows of one instance remember their hub.
// The folder goes at the process's end, the hub with its windows stays.
struct App {
    QTemporaryDir& data = folder();
    std::unique_ptr<SKTWindowController> hub;
    static QTemporaryDir& folder() {
        static QTemporaryDir d;
        return d;
    }
    App() {
        hub = std::make_unique<SKTWindowController>(
            SKTWindowController::Roots{resourceDir(), data.filePath(QStringLiteral("user"))});
        ArrangeMenu::install(*hub);
        PrintCommand::install(*hub);
        CroppingCommand::install(*hub);
        MailWindows::install(*hub);
        GroupMode::install(*hub);
    }
};

App& app() {
    static App* a = new App;  // left to the process's end, as the windows are
    return *a;
}

// Runs `dialog` as its opener does, through the dialog runner.
void run(QDialog* dialog) { zelk::DialogRunner::run(dialog); }

QString workbook() { return QDir(resourceDir()).filePath(QStringLiteral("Template.xlsx")); }

struct WindowCase {
    const char* name;  // the window's class (or the object name of a plain dialog)
    std::function<void(SKTWindowController&)> open;
};

void PrintTo(const WindowCase& c, std::ostream* out) { *out << c.name; }

// Every window, opened as the program opens it; the runner below inspects
// each as it comes.
const std::vector<WindowCase>& windowTable() {
    static const std::vector<WindowCase> table = {
        {"SKTWindowController", [](SKTWindowController& hub) { inspect(&hub); }},
        {"StartChooserWindow", [](SKTWindowController&) { StartChooserWindow::defaultInstance()->Open_Wnd(); }},
        {"Card_Wizard", [](SKTWindowController&) { Card_Wizard::defaultInstance()->Open_Wnd(); }},
        {"Template_Wizard", [](SKTWindowController&) { Template_Wizard::defaultInstance()->Open_Template_Window(); }},
        {"Grid_Wizard", [](SKTWindowController&) { Grid_Wizard::defaultInstance()->Open_Wnd(); }},
        {"Insert_Template", [](SKTWindowController&) { Insert_Template::defaultInstance()->Open_Template_Dialog(); }},
        {"Export_Template",
         [](SKTWindowController&) { Export_Template::defaultInstance()->Open_Wnd(Export_Template::ExportTitle); }},
        {"UnitWindow", [](SKTWindowController& hub) { hub.doPreferences(); }},
        {"Long_SMS_Dlg", [](SKTWindowController&) { Long_SMS_Dlg::defaultInstance()->Open_Long_sms_Dialog(); }},
        {"Open_Export_Log", [](SKTWindowController& hub) {
             Export_File_Path = Export_Back_File_Path = QStringLiteral("/tmp/Card_1_Front.png");
             check_any_card_exported = 1;
             hub.Open_Export_File_Box();
         }},
        {"Replcae_Confirm_Box", [](SKTWindowController&) { Replcae_Confirm_Box::defaultInstance()->Open_box_in_thread(); }},
        {"Send_Modeless", [](SKTWindowController& hub) {
             Send_Modeless box(&hub);
             inspect(&box);
         }},
        {"PleaseWait_Modeless", [](SKTWindowController& hub) {
             PleaseWait_Modeless box(&hub);
             inspect(&box);
         }},
        {"Barcode_Gen", [](SKTWindowController&) {
             ScopedDialogRunner kinds([](QDialog* d) {
                 auto* w = static_cast<Barcode_Gen*>(d);
                 for (const char* kind : {"Code 128", "QR Code", "PDF417", "DataMatrix"}) {
                     w->barcodeTypePopup->setCurrentIndex(w->barcodeTypePopup->findText(QLatin1String(kind)));
                     for (int tab = 0; tab < w->sett_tab->count(); ++tab) {
                         w->sett_tab->setCurrentIndex(tab);
                         inspect(w, QLatin1String(kind) + QStringLiteral(", ") + w->sett_tab->tabText(tab));
                     }
                 }
                 return 0;
             });
             SKTBarcode graphic;
             Barcode_Gen::defaultInstance()->Open_Wnd(graphic);
         }},
        {"BatchWizard", [](SKTWindowController&) { BatchWizard::defaultInstance()->Open_Wnd(); }},
        {"Load_Num_Info", [](SKTWindowController&) { run(BatchWizard::defaultInstance()->Load_Number_Window); }},
        {"Update_Ex_Num", [](SKTWindowController&) { run(BatchWizard::defaultInstance()->Update_Value_Wnd); }},
        {"View_Data_Series", [](SKTWindowController&) { View_Data_Series::defaultInstance()->Open_Wnd(); }},
        {"Generate_List", [](SKTWindowController&) { Generate_List::defaultInstance()->Open_Wnd(); }},
        {"Import_Wizard", [](SKTWindowController&) { Import_Wizard::defaultInstance()->Open_Wnd(); }},
        {"Import_Excel", [](SKTWindowController&) { Import_Excel::defaultInstance()->Open_excel_Wnd(workbook()); }},
        {"Import_Excel_DataSheet",
         [](SKTWindowController&) { Import_Excel_DataSheet::defaultInstance()->Open_excel_datasheet_Wnd(workbook()); }},
        {"Data_From_Excel", [](SKTWindowController&) { Data_From_Excel::defaultInstance()->Open_Wnd(); }},
        {"InUseAlert", [](SKTWindowController&) {
             InUseAlert::show(QStringLiteral("The series \"Numbers\" is used by the card and is left as it is."));
         }},
        {"ExportWindow", [](SKTWindowController& hub) {
             ExportWindow w(&hub);
             w.resetForExport(true, false, true, false);
             w.Open_Wnd();
         }},
        {"Print_Wnd", [](SKTWindowController&) { Print_Wnd::defaultInstance()->Open_Print_Wnd(); }},
        {"Add_Print_Profile",
         [](SKTWindowController&) { Add_Print_Profile::defaultInstance()->Open_Profile_Wnd(QStringLiteral("Sheet"), {}); }},
        {"User_profile", [](SKTWindowController& hub) { inspectWithCaptions(hub, 0, {}, QStringLiteral("2")); }},
        {"Show_User_Profile", [](SKTWindowController& hub) { inspectWithCaptions(hub, 1, QStringLiteral("F"), {}); }},
        {"Group_Mode_Wizard", [](SKTWindowController& hub) { Group_Mode_Wizard::defaultInstance()->Open_Wnd(hub); }},
        {"CreateFolder", [](SKTWindowController&) { Group_Mode_Wizard::defaultInstance()->Create_Folder_Window->Open_Wnd(); }},
        {"Update_XL_Column", [](SKTWindowController& hub) {
             QList<QStringList> columns;
             Update_XL_Column::defaultInstance()->Open_Wnd(hub, &columns);
         }},
        {"Visitor_Log_Records", [](SKTWindowController& hub) { Visitor_Log_Records::defaultInstance(hub)->Open_Log_Wnd(); }},
        {"Camera", [](SKTWindowController& hub) {
             Camera camera(&hub, std::make_shared<NoCameraDevice>());
             camera.Open_Wnd();
         }},
        {"Cropping_Tool", [](SKTWindowController& hub) {
             Cropping_Tool tool(&hub);
             const QString in = app().data.filePath(QStringLiteral("pictures"));
             QDir().mkpath(in);
             QImage picture(640, 480, QImage::Format_RGB32);
             picture.fill(Qt::gray);
             picture.save(QDir(in).filePath(QStringLiteral("a.png")));
             ScopedDialogRunner screens([&](QDialog* d) {
                 inspect(d, QStringLiteral("files"));
                 tool.input_option_matrix->button(1)->click();
                 tool.folder_path->setText(in);
                 tool.output_path->setText(in);
                 tool.OK_Btn_Clicked();  // Next
                 inspect(d, QStringLiteral("crop"));
                 return 0;
             });
             tool.Open_Wnd();
         }},
        {"Image_Library", [](SKTWindowController&) { Image_Library::defaultInstance()->Open_Library_Window(); }},
        {"Email_Setting", [](SKTWindowController& hub) { Email_Setting::forHub(hub)->Open_Wnd(); }},
        {"Send_Mail", [](SKTWindowController& hub) { Send_Mail::forHub(hub)->Open_Wnd(); }},
        {"Direct_Mail", [](SKTWindowController& hub) { Direct_Mail::forHub(hub)->Open_Wnd(); }},
        {"Help_Support", [](SKTWindowController& hub) {
             Help_Support help(&hub);
             help.Open_Wnd();
         }},
        {"Promotion_Form", [](SKTWindowController&) { Promotion_Form::defaultInstance()->Open_Promotion_Window(); }},
    };
    return table;
}

class WindowOnSmallScreen : public ::testing::TestWithParam<WindowCase> {
protected:
    ScopedServices quiet_{changed([](Services& s) {
        s.runDialog = [](QDialog* d) {
            inspect(d);
            return 0;
        };
    })};
};

TEST_P(WindowOnSmallScreen, FitsAndShowsEveryControl) {
    ASSERT_TRUE(screenAsked);
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(QPoint(0, 0), Screen));
    findings() = Findings();
    const WindowCase& c = GetParam();
    c.open(*app().hub);
    EXPECT_TRUE(findings().seen.contains(QLatin1String(c.name)))
        << c.name << " was not opened; seen: " << findings().seen.join(QStringLiteral(", ")).toStdString();
    for (const auto& [window, faults] : findings().faults)
        EXPECT_TRUE(faults.isEmpty()) << window.toStdString() << ":\n  "
                                      << faults.join(QStringLiteral("\n  ")).toStdString();
}

std::string caseName(const ::testing::TestParamInfo<WindowCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(AllWindows, WindowOnSmallScreen, ::testing::ValuesIn(windowTable()), caseName);

// A clipboard object without any format, as an X11 clipboard without an
// owner reads, pasted into each multi-line text box of each window (and the
// canvas's in-place editor) inserts nothing, and nothing crashes.
using EmptyClipboardPaste = WindowOnSmallScreen;

TEST_P(EmptyClipboardPaste, InsertsNothingIntoAnyTextBox) {
    findings() = Findings();
    SKTWindowController& hub = *app().hub;
    const WindowCase& c = GetParam();
    std::shared_ptr<SKTGraphic> text = std::make_shared<SKTText>();
    text->Set_text_value(QStringLiteral("Ann"));
    const bool mainWindow = QLatin1String(c.name) == QLatin1String("SKTWindowController");
    if (mainWindow) {
        hub.document()->graphics.append(text);
        hub.currentCanvas()->startEditingGraphic(text);
    }
    QStringList changed;
    visitInstead() = [&](QWidget* window) {
        for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>()) {
            const QString before = box->toPlainText();
            QGuiApplication::clipboard()->setMimeData(new QMimeData);
            box->paste();
            if (box->toPlainText() != before)
                changed << box->objectName();
        }
    };
    c.open(hub);
    visitInstead() = nullptr;
    if (mainWindow) {
        EXPECT_NE(hub.findChild<QPlainTextEdit*>(QStringLiteral("SKTTextEditor")), nullptr);
        hub.currentCanvas()->endEditing(false);
        hub.document()->graphics.removeAll(text);
    }
    EXPECT_TRUE(findings().seen.contains(QLatin1String(c.name)));
    EXPECT_TRUE(changed.isEmpty()) << changed.join(QStringLiteral(", ")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(AllWindows, EmptyClipboardPaste, ::testing::ValuesIn(windowTable()), caseName);

// The window classes of src/: every class that derives from a window class
// and is no other window's base, and every plain QDialog built in place
// (named by its object name).
QSet<QString> windowsInSources() {
    static const QRegularExpression classLine(QStringLiteral(R"(class\s+(\w+)\s*(?:final\s*)?:([^{]*)\{)"));
    static const QRegularExpression base(QStringLiteral(R"(public\s+(?:\w+::)*(\w+))"));
    static const QRegularExpression inPlace(QStringLiteral(R"(\bQDialog\s+(\w+)\s*[;({])"));
    std::map<QString, QStringList> bases;
    QSet<QString> windows;
    QDirIterator files(sourceDir() + QStringLiteral("/src"), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString text = QString::fromUtf8(fileBytes(files.next()));
        for (auto m = classLine.globalMatch(text); m.hasNext();) {
            const auto c = m.next();
            for (auto b = base.globalMatch(c.captured(2)); b.hasNext();)
                bases[c.captured(1)] << b.next().captured(1);
        }
        for (auto m = inPlace.globalMatch(text); m.hasNext();) {
            const QString var = m.next().captured(1);
            const QRegularExpression named(QRegularExpression::escape(var) +
                                           QStringLiteral(R"re(\.setObjectName\(QStringLiteral\("(\w+)"\)\))re"));
            const auto n = named.match(text);
            windows << (n.hasMatch() ? n.captured(1) : QStringLiteral("a QDialog %1 without an object name").arg(var));
        }
    }
    QSet<QString> kinds{QStringLiteral("QDialog"), QStringLiteral("QMainWindow"), QStringLiteral("QWizard")};
    QSet<QString> derived;
    for (bool grew = true; grew;) {
        grew = false;
        for (const auto& [cls, of] : bases)
            for (const QString& b : of)
                if (kinds.contains(b) && !kinds.contains(cls)) {
                    kinds << cls;
                    derived << cls;
                    grew = true;
                }
    }
    for (const QString& cls : derived) {
        bool isBase = false;
        for (const auto& [other, of] : bases)
            isBase = isBase || (of.contains(cls) && derived.contains(other));
        if (!isBase)
            windows << cls;
    }
    return windows;
}

TEST(WindowTable, OpensEveryWindowOfTheSources) {
    QSet<QString> listed;
    for (const WindowCase& c : windowTable())
        listed << QLatin1String(c.name);
    const QSet<QString> found = windowsInSources();
    EXPECT_GE(found.size(), 40);  // the scan still reads the sources
    QStringList missing;
    for (const QString& w : found)
        if (!listed.contains(w))
            missing << w;
    missing.sort();
    EXPECT_TRUE(missing.isEmpty()) << "windows the table does not open: " << missing.join(QStringLiteral(", ")).toStdString();
}

}  // namespace
