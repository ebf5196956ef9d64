// libs: zelk_profiles zelk_visitors
// Placing fields on a busy side: a CR80 side holding 300 small texts and
// shapes scattered over it (a free corner left), onto which a profile of
// ten long values with their captions is stamped, or the desk's Add Field
// makes a caption and its value (the busy design over a visitor pass); the
// desk's Add Field, and a letter or a word typed into a row, on a visitor
// pass whose every front box is ticked; values too long for a shipped
// template's frames stamped onto it; ten values of 60 to 120 characters
// (Chinese, accented, words without blanks) stamped onto a user's own card,
// once and again; two designs saved in use, busy with what earlier stampings
// and the user put on them, stamped again; and the place search alone,
// one field's six sizes, on such sides of 300 and 1,000 graphics.
#include "BenchCanvas.h"
#include "BenchMain.h"
#include "BenchWindow.h"

#include "canvas/FieldPlacement.h"
#include "dialogs/Services.h"
#include "foundation/AppPaths.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/MainWindowStartSteps.h"
#include "mainwindow/SKTWindowController.h"
#include "mainwindow/ShownCardNotice.h"
#include "mainwindow/Template_Wizard.h"
#include "platform/MessageSink.h"
#include "visitors/VisitorPanel.h"
#include "canvas/NewControlPoint.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/SKTGrid.h"
#include "canvas/ToolPalette.h"
#include "canvas/CanvasHost.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTText.h"
#include "foundation/Shape_Control.h"
#include "foundation/User_Profile_Class.h"
#include "inspector/face/CardFace.h"
#include "profiles/ProfileLayoutTemplate.h"
#include "profiles/ProfileStamp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QThread>

#include <memory>
#include <optional>
#include <random>

namespace {

const QSizeF CardSize(242.65, 153.0);

// What a busy design leaves free: a room at the lower right, large enough
// for a few fields at a smaller size.
const QRectF FreeRoom(150, 95, 92, 58);

// `n` small graphics scattered over the card, outside the free room: six in
// ten short texts at 4 to 6 points, the rest small rectangles and ellipses.
GraphicList busySide(int n) {
    static const char* words[] = {"No.", "12", "ID", "Lot 4", "A", "Gate", "B-7", "ok", "Rev 2", "x"};
    std::mt19937 rng(47);
    auto uniform = [&rng](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    GraphicList side;
    while (side.size() < n) {
        std::shared_ptr<SKTGraphic> g;
        QSizeF size;
        if (side.size() % 10 < 6) {
            auto t = std::make_shared<SKTText>();
            t->text_ctrl_font.setPointSizeF(uniform(4, 6));
            t->Set_text_value(QString::fromLatin1(words[rng() % std::size(words)]));
            t->_isDrawingStroke = false;
            size = QSizeF(uniform(8, 22), 0);
            t->_bounds = QRectF(QPointF(), size);
            size.setHeight(zelk::fittedTextHeight(*t));
            g = t;
        } else {
            g = std::make_shared<Shape_Control>(side.size() % 2 ? QStringLiteral("R") : QStringLiteral("O"));
            size = QSizeF(uniform(3, 10), uniform(3, 10));
        }
        const QRectF r(uniform(0, CardSize.width() - size.width()), uniform(0, CardSize.height() - size.height()),
                       size.width(), size.height());
        if (r.intersects(FreeRoom))
            continue;
        g->_bounds = r;
        side << g;
    }
    return side;
}

using zelk::bench::Canvas;

// Ten long values, each with its caption.
User_Profile_Class tenFields() {
    static const char* values[][2] = {
        {"Maximiliana Alexandrova Featherstonehaugh-Whittington", "Name :"},
        {"Chief Executive Procurement Officer, EMEA Region", "Position / Title :"},
        {"Northwind Trading & Logistics Company Limited", "Company Name :"},
        {"Quarterly supplier contract review and site audit", "Company Slogan :"},
        {"1200 Harbour View Boulevard, Suite 4500, Portsmouth", "Address :"},
        {"+44 20 7946 0958 ext 1234, mobile +44 7700 900123", "Phone No. :"},
        {"+44 20 7946 0959, reception desk, north building", "Fax No. :"},
        {"maximiliana.featherstonehaugh@northwind-trading.example", "Email Id :"},
        {"www.northwind-trading-and-logistics.example/visitors", "Website :"},
        {"V-2026-004711 / Contractor pass 0042-B (north gate)", "Unique No. :"},
    };
    User_Profile_Class p;
    p.Reset_All_Values();
    for (int i = 0; i < zelk::ProfileTextSlotCount; ++i) {
        p.slot(i).value = QString::fromUtf8(values[i][0]);
        p.slot(i).label = QString::fromUtf8(values[i][1]);
    }
    return p;
}

// Every stamping and every pasted value of a run new to the text
// measures: each value ends in a number of its own, as a new holder's
// values would be laid out for the first time.
int runs = 0;
QString numbered(const QString& value) { return value + QStringLiteral(" %1").arg(++runs); }
User_Profile_Class numbered(User_Profile_Class p) {
    for (int i = 0; i < zelk::ProfileTextSlotCount; ++i)
        if (!p.slot(i).value.isEmpty())
            p.slot(i).value = numbered(p.slot(i).value);
    return p;
}

// A profile of ten fields stamped onto a side of 300 graphics, each
// iteration on the design alone again.
void BM_StampTenFieldsOnBusySide(benchmark::State& state) {
    Canvas c;
    const GraphicList design = busySide(300);
    zelk::ProfileStamp stamp;
    stamp.canvas = &c.view;
    stamp.tools = &c.tools;
    stamp.rectFor = [](const QString& id, const QString& value) {
        SKTText caption;
        caption.setBounds(QRectF(0, 0, zelk::NewTextWidth, zelk::NewTextHeight));
        caption.Set_text_value(value);
        return zelk::profileControlRect(id, CardSize, zelk::fittedTextHeight(caption));
    };
    stamp.setLibraryPicture = [](const QString&) {};
    stamp.fileExists = [](const QString&) { return false; };
    const User_Profile_Class profile = tenFields();
    for (auto _ : state) {
        state.PauseTiming();
        c.view.mutableGraphics() = design;
        const User_Profile_Class values = numbered(profile);
        state.ResumeTiming();
        if (!stamp.stamp(values))
            state.SkipWithError("the stamping failed");
        benchmark::DoNotOptimize(c.view.graphics().size());
    }
    state.counters["graphics"] = double(c.view.graphics().size());
}
BENCHMARK(BM_StampTenFieldsOnBusySide)->Unit(benchmark::kMillisecond)->Iterations(1);

// The row the desk's benchmarks add, again and again.
const QString RowCaption = QStringLiteral("Escort Badge :");
const QString RowValue = QStringLiteral("EB-0042, north gate, escorted");

// A visitor pass (the shipped day pass) on the desk, over a data folder of
// its own, the dialogs and file panels played: with every front box ticked,
// long values typed and a photo chosen, or (`full` false) as the road
// leaves it.
struct FullPass {
    explicit FullPass(bool full = true) {
        const QString photo = data.filePath(QStringLiteral("visitor.png"));
        QImage picture(300, 400, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.save(photo);
        zelk::Services s;
        s.runDialog = [](QDialog* d) {
            if (!qobject_cast<Template_Wizard*>(d))
                return 0;
            ::Selected_Template_Path =
                QDir(zelk::AppPaths::defaultResourceRoot()).filePath(QStringLiteral("Templates/Visitor/Visitor_Day.png"));
            return 1;
        };
        s.openUrl = [](const QUrl&) { return true; };
        s.quit = [] {};
        s.chooseSavePath = [](QWidget*, const QString&, const QString&, const QString&) { return QString(); };
        s.chooseOpenPath = [photo](QWidget*, const QString&, const QString&) { return photo; };
        s.chooseFolder = [](QWidget*, const QString&, const QString&) { return QString(); };
        s.showMessage = [](zelk::MessageButtons b, const QString&) { return zelk::MessageSink::safeAnswer(b); };
        previous = zelk::Services::install(std::move(s));
        window = std::make_unique<SKTWindowController>(
            SKTWindowController::Roots{zelk::AppPaths::defaultResourceRoot(), data.filePath(QStringLiteral("user"))});
        window->resize(1280, 800);
        window->show();
        MainWindowStartSteps(*window).runVisitorRoad();
        window->Select_front_side();
        if (!full)
            return;
        VisitorPanel& panel = *Front_Profile_Panel_OBJ;
        panel.Browse_image_Btn_Clicked();
        static const char* values[] = {
            "Maximiliana Alexandrova Featherstonehaugh-Whittington", "Chief Executive Procurement Officer, EMEA",
            "Northwind Trading & Logistics Company Limited", "Quarterly supplier contract review and audit",
            "1200 Harbour View Boulevard, Suite 4500, Portsmouth", "+44 20 7946 0958 ext 1234, mobile +44 7700 9001",
            "Contractor, Long Term, escorted at all times", "maximiliana.featherstonehaugh@northwind.example",
            "Dr Bartholomew Ravensworth-Pemberton, Facilities", "V-2026-004711 / Contractor pass 0042-B"};
        for (int i = 0; i < int(panel.fixedSlots.size()); ++i) {
            VisitorPanel::Slot& slot = panel.fixedSlots[std::size_t(i)];
            for (QAbstractButton* box : {static_cast<QAbstractButton*>(slot.label_chk),
                                         static_cast<QAbstractButton*>(slot.value_chk)}) {
                box->setEnabled(true);
                box->click();
            }
            if (i < int(std::size(values))) {
                slot.value->setText(QString::fromUtf8(values[i]));
                panel.controlTextDidChange(slot.value);
            }
        }
    }
    ~FullPass() {
        window.reset();
        zelk::Services::install(std::move(previous));
    }
    // Add Field, its caption and value then typed letter by letter.
    void addRow(const QString& caption, const QString& value) {
        VisitorPanel& panel = *Front_Profile_Panel_OBJ;
        panel.Add_New_Label_Clicked();
        type(panel.view_array_label.last().id, caption);
        type(panel.view_array_value.last().id, value);
    }
    // Ten rows added and typed; the tenth's value box, or none.
    QLineEdit* tenRows() {
        for (int i = 0; i < 10; ++i)
            addRow(RowCaption, RowValue);
        VisitorPanel& panel = *Front_Profile_Panel_OBJ;
        return qobject_cast<QLineEdit*>(panel.Get_Dynamic_Label_Ctrl(panel.view_array_value.last().id, QStringLiteral("T")));
    }
    // The text entered into a row's box at once, as a paste.
    void paste(const QString& id, const QString& text) {
        if (auto* box = qobject_cast<QLineEdit*>(Front_Profile_Panel_OBJ->Get_Dynamic_Label_Ctrl(id, QStringLiteral("T")))) {
            box->clear();
            box->insert(text);
        }
    }
    void type(const QString& id, const QString& text) {
        auto* box = qobject_cast<QLineEdit*>(Front_Profile_Panel_OBJ->Get_Dynamic_Label_Ctrl(id, QStringLiteral("T")));
        if (!box)
            return;
        box->clear();
        for (const QChar c : text)
            box->insert(QString(c));
    }
    QTemporaryDir data;
    zelk::Services previous;
    std::unique_ptr<SKTWindowController> window;
};

// The desk's Add Field on a side of 300 graphics (the busy design over the
// whole pass): the click, then its caption and value each entered at once,
// placed as the desk places them (the two as one); each iteration on the
// design alone again.
void BM_AddFieldOnBusySide(benchmark::State& state) {
    FullPass desk(false);
    const QSizeF card = desk.window->Front_card_Prop.Card_Size;
    GraphicList design;
    for (const std::shared_ptr<SKTGraphic>& g : busySide(300)) {
        // Stretched over the pass's card.
        const QRectF r = g->bounds();
        const double sx = card.width() / CardSize.width(), sy = card.height() / CardSize.height();
        g->_bounds = QRectF(r.x() * sx, r.y() * sy, r.width(), r.height());
        design << g;
    }
    VisitorPanel& panel = *Front_Profile_Panel_OBJ;
    for (auto _ : state) {
        state.PauseTiming();
        desk.window->_graphicView->mutableGraphics() = design;
        state.ResumeTiming();
        panel.Add_New_Label_Clicked();
        desk.paste(panel.view_array_label.last().id, numbered(QStringLiteral("Procurement & Strategic Sourcing :")));
        desk.paste(panel.view_array_value.last().id, numbered(QStringLiteral("Building 7, third floor, east wing")));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_AddFieldOnBusySide)->Unit(benchmark::kMillisecond)->Iterations(3);

// The tenth Add Field on a full pass with nine rows: the click (a caption
// and a value placed for their placeholders) until the window has drawn
// what it changed.
void BM_TenthAddFieldOnFullPass(benchmark::State& state) {
    std::optional<FullPass> pass;
    for (auto _ : state) {
        state.PauseTiming();
        pass.reset();
        pass.emplace();
        for (int i = 0; i < 9; ++i)
            pass->addRow(RowCaption, RowValue);
        QApplication::processEvents();
        state.ResumeTiming();
        Front_Profile_Panel_OBJ->Add_New_Label_Clicked();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_TenthAddFieldOnFullPass)->Unit(benchmark::kMillisecond)->Iterations(3);

// One letter typed into the tenth row's value on a full pass with ten rows,
// until the window has drawn it.
void BM_LetterIntoRowOnFullPass(benchmark::State& state) {
    FullPass pass;
    QLineEdit* box = pass.tenRows();
    if (!box) {
        state.SkipWithError("no tenth row");
        return;
    }
    int typed = 0;
    QApplication::processEvents();
    // An insert is an edit: the panel takes it as typed.
    for (auto _ : state) {
        box->insert(QString(QChar(u'a' + typed++ % 26)));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_LetterIntoRowOnFullPass)->Unit(benchmark::kMillisecond)->Iterations(20);

// A word of twelve letters typed key by key into the tenth row's value on
// a full pass whose fields read wrong, each letter until the window has
// drawn it: what reads wrong is told once the typing pauses (the pause and
// that one measure are not timed), not at each key.
void BM_WordIntoRowReadingWrong(benchmark::State& state) {
    FullPass pass;
    QLineEdit* box = pass.tenRows();
    if (!box) {
        state.SkipWithError("no tenth row");
        return;
    }
    zelk::ShownCardNotice& notice = zelk::ShownCardNotice::of(*pass.window);
    auto pause = [&notice] {
        while (notice.pending()) {
            QThread::msleep(10);
            QApplication::processEvents();
        }
    };
    pause();
    for (auto _ : state) {
        for (const QChar c : QStringLiteral(" northgate12")) {
            box->insert(QString(c));
            QApplication::processEvents();
        }
        state.PauseTiming();
        pause();
        state.ResumeTiming();
    }
    state.counters["told"] = notice.text().isEmpty() ? 0 : 1;
}
BENCHMARK(BM_WordIntoRowReadingWrong)->Unit(benchmark::kMillisecond)->Iterations(10);

// The quiet main window, able to put a side back as it was.
struct QuietWindow : zelk::bench::QuietWindow {
    // The front side made of copies of `design`: a stamping's fields gone.
    void restore(const GraphicList& design) {
        GraphicList again;
        for (const std::shared_ptr<SKTGraphic>& g : design)
            again << g->clone();
        window->_graphicView->mutableGraphics() = again;
    }
    GraphicList frontCopies() const {
        GraphicList out;
        for (const std::shared_ptr<SKTGraphic>& g : window->Get_Front_Controls_Array())
            out << g->clone();
        return out;
    }
};

// A profile whose e-mail, web address, number and fax are too long for the
// frames of a shipped template with a side band (every box ticked), stamped
// by the main window: each value that outgrows its frame grows, moves with
// its caption onto ground where it reads, or stays; each iteration on the
// template as it was loaded.
void BM_StampLongValuesOnBandedTemplate(benchmark::State& state) {
    QuietWindow w;
    const QString design =
        QDir(zelk::AppPaths::defaultResourceRoot()).filePath(QStringLiteral("Templates/Corporate/Corporate_Manager.did"));
    if (w.window->Read_and_load_design_Log_NEW_METHOD(design, QStringLiteral("T"), true) != 1) {
        state.SkipWithError("the template did not load");
        return;
    }
    const GraphicList loaded = w.frontCopies();
    User_Profile_Class profile = tenFields();
    profile.slot(zelk::SlotEmail).value = QStringLiteral("alexandra.whitfield@northwind-logistics.co.uk");
    profile.slot(zelk::SlotWebsite).value = QStringLiteral("www.northwind-trading-logistics.example");
    profile.slot(zelk::SlotUnique).value = QStringLiteral("EMP-2026-LOGISTICS-NIGHT-0042-B7X");
    profile.slot(zelk::SlotFax).value = QStringLiteral("+44(0)2079460959ext.12345678");
    ::Fill_User_Profile = true;
    for (auto _ : state) {
        state.PauseTiming();
        w.restore(loaded);
        w.window->Front_user_profile = numbered(profile);
        state.ResumeTiming();
        w.window->Fill_User_profile_info_front_side();
        benchmark::DoNotOptimize(w.window->Get_Front_Controls_Array().size());
    }
}
BENCHMARK(BM_StampLongValuesOnBandedTemplate)->Unit(benchmark::kMillisecond)->Iterations(3);

// Ten values of 60 to 120 characters, with their captions: Chinese,
// accented, and words without blanks (an e-mail, a web address, numbers).
User_Profile_Class tenLongerFields() {
    static const char* values[][2] = {
        {"Maria-Joaquína Fernández de Castañeda y Villalobos, Ærøskøbing-Ølstrøm Ñúñez-Göransson", "Name :"},
        {"首席执行采购官兼亚太区供应链战略与可持续发展委员会常务副主席及对外合作事务负责人兼任华东区域物流网络规划与数字化转型项目总监", "Position / Title :"},
        {"北京华夏国际物流与供应链管理集团股份有限公司上海分公司浦东新区自由贸易试验区临港新片区营运中心及跨境电商综合服务部暨国际货运代理事业部", "Company Name :"},
        {"Qualité, sécurité et fiabilité : nous livrons vos marchandises à l’heure, partout en Europe", "Company Slogan :"},
        {"中华人民共和国上海市浦东新区张江高科技园区科苑路一千二百号国际创新中心大厦第四十五层东区四五零一室访客接待处东侧电梯厅旁边", "Address :"},
        {"+86(0)21-5080-1234ext.5678/+86-138-0013-8000/+86-21-5080-9999(fax)/+44(0)20-7946-0958", "Phone No. :"},
        {"Réception générale — bâtiment Nord, accès par l’entrée Saint-Étienne, guichet n° 3, côté quai", "Fax No. :"},
        {"maria-joaquina.fernandez-de-castaneda.villalobos@northwind-trading-and-logistics.example.com", "Email Id :"},
        {"https://www.northwind-trading-and-logistics.example.com/visitors/registration?lang=zh-CN&ref=card", "Website :"},
        {"访客证编号二零二六年第零零四七一一号承包商通行证零零四二乙北门专用有效期至二零二六年十二月三十一日止请随身携带并妥善保管", "Unique No. :"},
    };
    User_Profile_Class p;
    p.Reset_All_Values();
    for (int i = 0; i < zelk::ProfileTextSlotCount; ++i) {
        p.slot(i).value = QString::fromUtf8(values[i][0]);
        p.slot(i).label = QString::fromUtf8(values[i][1]);
    }
    return p;
}

// A user's own card: a blank CR80 card with a heading, two lines of the
// user's and a tinted panel, in the main window.
struct OwnCard : QuietWindow {
    OwnCard() {
        auto text = [](const QRectF& r, double points, const char* value) {
            auto t = std::make_shared<SKTText>();
            t->text_ctrl_font.setPointSizeF(points);
            t->Set_text_value(QString::fromUtf8(value));
            t->_bounds = r;
            t->_isDrawingStroke = false;
            return t;
        };
        auto panel = std::make_shared<Shape_Control>(QStringLiteral("R"));
        panel->_bounds = QRectF(150, 10, 80, 60);
        panel->_isDrawingFill = true;
        panel->_fillColor = QColor(220, 230, 245);
        design << text(QRectF(10, 8, 130, 16), 12, "Harbourline Freight") << text(QRectF(10, 128, 120, 9), 6, "Keep this card visible")
               << text(QRectF(10, 138, 120, 9), 6, "If found, return to reception") << panel;
        ::Fill_User_Profile = true;
    }
    // The user's card as it was made, the stamping's fields gone.
    void reset() { restore(design); }
    void stamp(const User_Profile_Class& profile) {
        window->Front_user_profile = profile;
        window->Fill_User_profile_info_front_side();
    }
    GraphicList design;
};

// The ten values stamped onto the user's card by the main window, each
// iteration on the card as the user made it.
void BM_StampLongerValuesOnOwnCard(benchmark::State& state) {
    OwnCard card;
    const User_Profile_Class profile = tenLongerFields();
    for (auto _ : state) {
        state.PauseTiming();
        card.reset();
        const User_Profile_Class values = numbered(profile);
        state.ResumeTiming();
        card.stamp(values);
        benchmark::DoNotOptimize(card.window->Get_Front_Controls_Array().size());
    }
}
BENCHMARK(BM_StampLongerValuesOnOwnCard)->Unit(benchmark::kMillisecond)->Iterations(1);

// The same ten values stamped again onto the user's card after a stamping
// of other long values: what the first stamping placed is laid out again.
void BM_StampLongerValuesAgainOnOwnCard(benchmark::State& state) {
    OwnCard card;
    const User_Profile_Class first = tenFields(), profile = tenLongerFields();
    for (auto _ : state) {
        state.PauseTiming();
        card.reset();
        card.stamp(numbered(first));
        const User_Profile_Class values = numbered(profile);
        state.ResumeTiming();
        card.stamp(values);
        benchmark::DoNotOptimize(card.window->Get_Front_Controls_Array().size());
    }
}
BENCHMARK(BM_StampLongerValuesAgainOnOwnCard)->Unit(benchmark::kMillisecond)->Iterations(1);

// Two designs saved in use (bench/data/busy-cards: ten fields stamped four
// times and more with long values, some moved or locked by the user, the
// user's own texts and rectangles, a background picture and a photo),
// opened and stamped again (the second argument) with the values their
// profile holds, as the side profile dialog takes them from the side, with
// ten values of 35 to 55 characters, or with ten short ones; each
// iteration on the design as it was opened.
void BM_StampBusyCardAgain(benchmark::State& state) {
    QuietWindow w;
    const QString design = QDir(QStringLiteral(ZELK_BENCH_DATA "/busy-cards"))
                               .filePath(state.range(0) == 0 ? QStringLiteral("busy-card.did")
                                                             : QStringLiteral("busy-card-2.did"));
    if (w.window->Read_and_load_design_Log_NEW_METHOD(design, QStringLiteral("L"), true) != 1) {
        state.SkipWithError("the design did not load");
        return;
    }
    const GraphicList loaded = w.frontCopies();
    User_Profile_Class profile;
    profile.Reset_All_Values();
    profile.clearCaptions();
    for (const std::shared_ptr<SKTGraphic>& g : loaded) {
        if (!g->ctrl_is_visible)
            continue;
        if (g->control_ID == Fup_Photo) {
            profile.setImage(g->_file_path);
            profile.setImage_USE(1);
        }
        for (int i = 0; i < zelk::ProfileTextSlotCount; ++i) {
            if (g->control_ID == zelk::profileFieldTable().at(i).valueId)
                profile.slot(i).value = g->Text_Value;
            if (g->control_ID == zelk::profileFieldTable().at(i).captionId)
                profile.slot(i).label = g->Text_Value;
        }
    }
    static const QStringList longValues = {
        "Oluwaseun Bartholomew-Achterberg of Leith", "Head of Night Logistics and Harbour Safety",
        "Harbourline Freight and Shipping Limited", "Moving what matters, day and night, since 1921",
        "17 Quay Street, Leith, Edinburgh EH6 6JJ", "+44 131 496 0172 (switchboard, 24 hours)",
        "+44 131 496 0173 (night desk, harbour side)", "o.bartholomew@harbourline-freight.co.uk",
        "https://www.harbourline-freight.example/people", "HLF-2026-0457-QX9-NIGHTSHIFT-LOGISTICS"};
    static const QStringList shortValues = {"Bo Li", "CEO", "Acme", "We care", "1 Elm St",
                                            "+1 555 01", "+1 555 02", "bo@ac.me", "ac.me", "V-1"};
    if (state.range(1) != 0)
        for (int i = 0; i < zelk::ProfileTextSlotCount; ++i)
            if (!profile.slot(i).value.isEmpty())
                profile.slot(i).value = (state.range(1) == 1 ? longValues : shortValues).at(i);
    ::Fill_User_Profile = true;
    for (auto _ : state) {
        state.PauseTiming();
        w.restore(loaded);
        w.window->Front_user_profile = profile;
        state.ResumeTiming();
        w.window->Fill_User_profile_info_front_side();
        benchmark::DoNotOptimize(w.window->Get_Front_Controls_Array().size());
    }
}
BENCHMARK(BM_StampBusyCardAgain)
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The search alone: one field's six sizes (70 points wide, 88 down to 48
// high, of which only the last has a place) wanted at the card's top left,
// on a busy side of `n` graphics.
void BM_FieldPlaceSearch(benchmark::State& state) {
    const QList<QRectF> taken = zelk::drawnRects(busySide(int(state.range(0))), QRectF(QPointF(), CardSize));
    const QRectF card(QPointF(), CardSize);
    QList<QSizeF> sizes;
    for (double h = 88; h >= 48; h -= 8)
        sizes << QSizeF(zelk::NewTextWidth, h);
    QRectF placed;
    for (auto _ : state) {
        placed = zelk::fieldPlaceFor(sizes, QPointF(10, 10), taken, card);
        benchmark::DoNotOptimize(placed);
    }
    state.counters["height"] = placed.height();
}
BENCHMARK(BM_FieldPlaceSearch)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) { return zelk::bench::runInApplication<QApplication>(argc, argv); }
