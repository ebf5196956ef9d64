#include "mainwindow/Insert_Template.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "foundation/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

QString Template_Msg_Val;

Insert_Template* Insert_Template::defaultInstance() {
    static Insert_Template* instance = new Insert_Template();
    return instance;
}

Insert_Template::Insert_Template(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    auto* layout = new QVBoxLayout(this);
    template_list = new QListWidget(this);
    template_list->setMinimumSize(420, 260);
    template_list->setWordWrap(true);
    layout->addWidget(template_list);
    auto* buttons = new QHBoxLayout;
    const auto [ok, cancel] = zelk::addOkCancelButtons(this, buttons);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &Insert_Template::OK_Clicked);
    connect(cancel, &QPushButton::clicked, this, &Insert_Template::Cancel_Clicked);
    connect(template_list, &QListWidget::itemDoubleClicked, this, &Insert_Template::OK_Clicked);
}

QString Insert_Template::snippetFile(const QString& titleOrMsg) {
    return QDir(Resource_Path).filePath(titleOrMsg == QLatin1String("T") ? QStringLiteral("Title.txt")
                                                                         : QStringLiteral("Message.txt"));
}

QStringList Insert_Template::readSnippets(const QString& path) {
    QFile file(path);
    QStringList out;
    if (!file.open(QIODevice::ReadOnly))
        return out;
    // Snippet files are small; a huge file is not one of ours.
    const QByteArray data = file.read(1 << 20);
    for (const QString& line : QString::fromUtf8(data).split(QLatin1Char('\n'))) {
        const QString text = line.trimmed();
        if (!text.isEmpty())
            out << text;
    }
    return out;
}

int Insert_Template::Open_Template_Dialog() {
    Template_Msg_Val = QString();
    setWindowTitle(title_or_msg == QLatin1String("T") ? QStringLiteral("Titles") : QStringLiteral("Messages"));
    template_list->clear();
    template_list->addItems(readSnippets(snippetFile(title_or_msg)));
    if (template_list->count() > 0)
        template_list->setCurrentRow(0);
    const int code = zelk::DialogRunner::run(this);
    if (code != 1)
        Template_Msg_Val = QString();
    return code == 1 ? 1 : 0;
}

void Insert_Template::OK_Clicked() {
    QListWidgetItem* item = template_list->currentItem();
    if (!item) {
        done(0);
        return;
    }
    Template_Msg_Val = item->text();
    done(1);
}

void Insert_Template::Cancel_Clicked() {
    Template_Msg_Val = QString();
    done(0);
}
