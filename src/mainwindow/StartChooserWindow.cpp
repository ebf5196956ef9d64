#include "mainwindow/StartChooserWindow.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "foundation/AppPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

StartChooserWindow* StartChooserWindow::defaultInstance() {
    static StartChooserWindow* instance = new StartChooserWindow();
    return instance;
}

StartChooserWindow::StartChooserWindow(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    setWindowTitle(QStringLiteral("Zelk ID Card"));
    auto* layout = new QVBoxLayout(this);

    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("banner"));
    banner->setMinimumHeight(64);
    banner->setAlignment(Qt::AlignCenter);
    banner->setText(QStringLiteral("<span style='font-size:20pt; font-weight:600; color:white'>Zelk ID Card</span>"));
    const QString bannerPath = QDir(Resource_Path).filePath(QStringLiteral("banner.png"));
    banner->setStyleSheet(QStringLiteral("QLabel#banner { background-color: rgb(28, 56, 110); border-image: url(%1); }")
                              .arg(QFileInfo::exists(bannerPath) ? bannerPath : QString()));
    layout->addWidget(banner);

    auto* intro = new QLabel(QStringLiteral("How do you want to start?"), this);
    intro->setStyleSheet(QStringLiteral("font-size: 13pt; margin: 8px 0;"));
    layout->addWidget(intro);

    struct Choice {
        const char* mode;
        const char* title;
        const char* text;
    };
    const Choice choices[] = {
        {"T", "From a template", "Pick a ready-made card design and change it."},
        {"W", "Card wizard", "Choose the card stock, its size and sides, and start from an empty card."},
        {"L", "Open a design", "Continue with a design file saved before."},
        {"V", "Visitor mode", "Register visitors and print their passes."},
        {"G", "Group list", "Make cards for a whole list of people."},
    };
    auto* grid = new QGridLayout;
    int row = 0;
    for (const Choice& c : choices) {
        const QString mode = QString::fromLatin1(c.mode);
        auto* button = new QPushButton(QString::fromLatin1(c.title), this);
        button->setObjectName(QStringLiteral("Start_") + mode);
        button->setMinimumSize(180, 44);
        button->setStyleSheet(QStringLiteral("font-size: 11pt; font-weight: 600;"));
        auto* text = new QLabel(QString::fromLatin1(c.text), this);
        text->setWordWrap(true);
        grid->addWidget(button, row, 0);
        grid->addWidget(text, row, 1);
        ++row;
        modeButtons.insert(mode, button);
        connect(button, &QPushButton::clicked, this, [this, mode] { Start_Card_Option_Clicked(mode); });
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    auto* exit = new QPushButton(QStringLiteral("Exit"), this);
    exit->setObjectName(QStringLiteral("Exit"));
    bottom->addWidget(exit);
    layout->addLayout(bottom);
    connect(exit, &QPushButton::clicked, this, &StartChooserWindow::Exit_Clicked);
    resize(560, 420);
}

QString StartChooserWindow::Open_Wnd() {
    chosenMode.clear();
    const int code = zelk::DialogRunner::run(this);
    return code == 1 ? chosenMode : QString();
}

void StartChooserWindow::Start_Card_Option_Clicked(const QString& mode) {
    chosenMode = mode;
    done(1);
}

void StartChooserWindow::Exit_Clicked() {
    chosenMode.clear();
    done(0);
}
