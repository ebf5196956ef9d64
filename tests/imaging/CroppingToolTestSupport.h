#pragma once
// The cropping tool over the main window, shared by the tests of its screens
// and of its runs: a tool whose keep-or-replace questions the test answers,
// pictures marked by their number, series files and the main screen filled.
#include "../mainwindow/MainWindowTestSupport.h"

#include "datasource/SeriesFile.h"
#include "dialogs/DialogGlobals.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "foundation/AppPaths.h"
#include "imaging/Cropping_Tool.h"
#include "mainwindow/AppGlobals.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QColor>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMutex>
#include <QStringList>

#include <functional>
#include <memory>

namespace zelk::test {

// Picture i is filled with red i: the mark a crop keeps.
inline QString writeMarked(const QString& folder, int i) {
    QImage p(60, 40, QImage::Format_RGB32);
    p.fill(QColor(i % 256, 100, 50));
    const QString path = QDir(folder).filePath(QStringLiteral("p%1.png").arg(i, 3, 10, QLatin1Char('0')));
    return p.save(path, "PNG") ? path : QString();
}

inline int markOf(const QString& path) {
    const QImage p(path);
    return p.isNull() ? -1 : QColor(p.pixel(p.width() / 2, p.height() / 2)).red();
}

inline void waitForRun(const Cropping_Tool& tool) {
    while (tool.cropRunning())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

class CroppingToolTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        open();
        tool = std::make_unique<Cropping_Tool>(window.get());
        tool->askReplace = [this](const QString& path) {
            QMutexLocker lock(&asked);
            questions << QFileInfo(path).fileName();
            return answer ? answer(path) : 4;
        };
        Stop_SMS_Sending_Now = false;
        replace_keep_file_flag = 0;
    }
    void TearDown() override {
        tool.reset();
        MainWindowTest::TearDown();
    }
    QString folder(const QString& name) {
        const QString path = data.filePath(name);
        QDir().mkpath(path);
        return path;
    }
    void writeSeries(const QString& name, const QStringList& lines) {
        QDir().mkpath(::Data_Folder_Path);
        ASSERT_TRUE(SeriesFile::write(SeriesFile::filePath(name, ::Data_Folder_Path), lines));
    }
    static QStringList seriesLines(const QString& name) {
        return SeriesFile::readRowList(SeriesFile::filePath(name, ::Data_Folder_Path));
    }
    // The main screen filled for a series (or folder) input, then Next.
    void chooseSeries(const QString& name, int matrixRow, const QString& out) {
        tool->input_option_matrix->button(3)->click();
        tool->batch_list->setCurrentIndex(tool->batch_list->findText(name));
        tool->batch_matrix->button(matrixRow)->click();
        tool->output_path->setText(out);
        tool->output_format_combo->setCurrentIndex(2);  // png keeps the marks exact
        sink.answers.push_back(MessageAnswer::Yes);
        tool->OK_Btn_Clicked();
    }
    // The main screen filled for the pictures of a folder, written as png,
    // then Next.
    void chooseFolder(const QString& in, const QString& out) {
        tool->input_option_matrix->button(1)->click();
        tool->folder_path->setText(in);
        tool->output_path->setText(out);
        tool->output_format_combo->setCurrentIndex(2);
        tool->OK_Btn_Clicked();
    }
    // Runs the full tool with `play` standing for the user; other windows
    // (the after-export box) are recorded with the message they carried.
    int runFullTool(const std::function<void()>& play) {
        ScopedDialogRunner runner([&](QDialog* d) {
            if (d != tool.get()) {
                boxes << ::Export_File_Message;
                return 0;
            }
            play();
            return tool->result();
        });
        return tool->Open_Wnd();
    }

    std::unique_ptr<Cropping_Tool> tool;
    QMutex asked;
    QStringList questions;
    std::function<int(const QString&)> answer;
    QStringList boxes;
};

}  // namespace zelk::test
