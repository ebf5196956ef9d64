// A window laid out for a large screen opens within a small one, the
// arrows beside a number field are whole and step the value, and a message
// box keeps its title whole.
#include "dialogs/ArrowStepper.h"
#include "dialogs/ScreenFit.h"
#include "dialogs/WidgetMessageSink.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A part that asks for a size and makes do with less.
class Hinted : public QWidget {
public:
    explicit Hinted(QSize hint) : hint_(hint) {}
    QSize sizeHint() const override { return hint_; }

private:
    QSize hint_;
};

}  // namespace

TEST(ScreenFit, AWindowOpensWithinItsScreenAndNotBelowItsSmallestSize) {
    QDialog probe;
    const QSize room = zelk::roomOnScreen(&probe);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(room, QSize(screen.width() - 4, screen.height() - zelk::TitleBarRoom - 2));
    const struct {
        QSize size;     // as the window set it; invalid: never set, the size hint is its size
        QSize hint;     // what its content asks for
        QSize minimum;
        QSize opens;    // from the room the screen leaves
        QPoint at;      // where it was put before (-1: never)
    } cases[] = {
        {{400, 300}, {}, {0, 0}, {400, 300}, {-1, -1}},
        {{5000, 300}, {}, {0, 0}, {room.width(), 300}, {-1, -1}},
        {{5000, 5000}, {}, {0, 0}, room, {-1, -1}},
        {{5000, 5000}, {}, {room.width() + 50, 10}, {room.width() + 50, room.height()}, {-1, -1}},  // never below
        {{300, 200}, {}, {0, 0}, {300, 200}, {screen.right() - 100, screen.bottom() - 50}},
        {{}, {5000, 100}, {0, 0}, {room.width(), 100}, {-1, -1}},
        {{}, {300, 100}, {0, 0}, {}, {-1, -1}},  // left to take its hint when it shows
    };
    for (const auto& c : cases) {
        QDialog window;
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        if (c.hint.isValid())
            layout->addWidget(new Hinted(c.hint));
        window.setMinimumSize(c.minimum);
        if (c.size.isValid())
            window.resize(c.size);
        if (c.at.x() >= 0)
            window.move(c.at);
        zelk::fitOnScreen(&window);
        SCOPED_TRACE(c.size.isValid() ? c.size.width() : c.hint.width());
        if (c.opens.isValid())
            EXPECT_EQ(window.size(), c.opens);
        else
            EXPECT_FALSE(window.testAttribute(Qt::WA_Resized));
        if (c.at.x() >= 0) {  // moved back so that its frame is on the screen
            EXPECT_TRUE(screen.contains(window.geometry().marginsAdded(zelk::windowFrame(&window))));
        }
    }
}

// Where a window goes when it grows: nowhere while it fits, else back onto
// the screen as little as it must. A window already shown counts as placed.
TEST(ScreenFit, AGrownWindowMovesBackOntoItsScreenAsLittleAsItMust) {
    const QRect screen(0, 0, 1280, 720);
    const struct {
        QRect frame;
        QPoint place;
    } places[] = {
        {{100, 100, 600, 450}, {100, 100}},
        {{342, 196, 1130, 650}, {150, 70}},  // grown past the right and the bottom
        {{-20, -10, 300, 200}, {0, 0}},
        {{50, 50, 1400, 800}, {0, 0}},       // larger than the screen: its top left shows
    };
    for (const auto& p : places)
        EXPECT_EQ(zelk::keptOnScreen(p.frame, screen), p.place) << p.frame.x();

    QDialog window;
    window.resize(300, 200);
    window.show();
    const QRect available = window.screen()->availableGeometry();
    window.resize(available.width() / 2, available.height() / 2);
    window.move(available.right() - 100, available.bottom() - 100);
    window.setAttribute(Qt::WA_Moved, false);  // placed by the toolkit, not by a move
    zelk::fitOnScreen(&window);
    EXPECT_TRUE(available.contains(window.geometry().marginsAdded(zelk::windowFrame(&window))));
}

TEST(ArrowStepper, ShowsOnlyItsArrowsAndStepsWithThem) {
    zelk::ArrowStepper stepper;
    stepper.setRange(1, 3);
    stepper.setValue(2);
    stepper.resize(stepper.sizeHint());
    stepper.show();
    EXPECT_LT(stepper.width(), 30);
    EXPECT_EQ(stepper.minimumSizeHint(), stepper.sizeHint());
    const struct {
        bool up;
        int value;  // clamped to the range
    } clicks[] = {{true, 3}, {true, 3}, {false, 2}, {false, 1}, {false, 1}};
    for (const auto& c : clicks) {
        const QPoint at(stepper.width() / 2, c.up ? stepper.height() / 4 : stepper.height() * 3 / 4);
        QTest::mouseClick(&stepper, Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_EQ(stepper.value(), c.value);
    }
}

// A short message's box stays wide enough for the title bar to show the
// application's name whole (bold, beside the bar's icon and three buttons).
TEST(WidgetMessageSink, AShortMessageKeepsItsBoxTitleWhole) {
    const QString name = QApplication::applicationDisplayName();
    QApplication::setApplicationDisplayName(QStringLiteral("Zelk ID Card"));
    QFont bold = QApplication::font();
    bold.setBold(true);
    const int title = QFontMetrics(bold).horizontalAdvance(QStringLiteral("Zelk ID Card"));
    int width = 0;
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            width = box->width();
            box->close();
        }
    });
    zelk::WidgetMessageSink::show(zelk::MessageButtons::Ok, QStringLiteral("No."));
    QApplication::setApplicationDisplayName(name);
    EXPECT_GE(width, title + 100);
}
