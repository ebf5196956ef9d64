#pragma once
// The series windows over a temporary data folder: message boxes recorded
// and answered from a queue, dialogs played by `play`, and the series the
// card "uses" listed in `bound`.
#include "TestServices.h"
#include "TestSupport.h"
#include "datasource/SeriesSupport.h"
#include "datasource/SpreadsheetWriter.h"
#include "datasource/ZipWorkFolder.h"
#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QUrl>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

namespace zelk::test {

class SeriesFixture : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QStringList shown;
    std::deque<MessageAnswer> answers;
    std::function<int(QDialog*)> play;
    QSet<QString> bound;

    void SetUp() override {
        AppPaths::initWithRoots(resourceDir(), tmp.filePath(QStringLiteral("user")));
        Check_Path_And_Create_Files();
        ZipWorkFolder::setPathForTesting(tmp.filePath(QStringLiteral("ziptmp")));
        SpreadsheetWriter::setTemplatePath(resourceDir() + QStringLiteral("/Template.xlsx"));
        services_ = std::make_unique<ScopedServices>(changed([this](Services& s) {
            s.runDialog = [this](QDialog* d) {
                d->setResult(0);  // as a modal run starts
                return play ? play(d) : 0;
            };
            s.showMessage = [this](MessageButtons buttons, const QString& text) {
                shown << (text.startsWith(QLatin1Char('\n')) ? text.mid(1) : text);
                if (answers.empty())
                    return MessageSink::safeAnswer(buttons);
                const MessageAnswer a = answers.front();
                answers.pop_front();
                return a;
            };
        }));
        previousCheck_ = series::setInUseCheck([this](const QString& name) {
            return bound.contains(name) && QFileInfo::exists(series::pathOf(name));
        });
    }
    void TearDown() override {
        series::setInUseCheck(std::move(previousCheck_));
        services_.reset();
        ZipWorkFolder::setPathForTesting(QString());
    }

    static QString seriesPath(const QString& name) { return series::pathOf(name); }
    static QByteArray seriesBytes(const QString& name) { return fileBytes(seriesPath(name)); }
    static void writeSeries(const QString& name, const QByteArray& bytes) { writeBytes(seriesPath(name), bytes); }
    // A name whose file can be made but not replaced: the writers' temporary
    // file beside it would have a name longer than a file system allows.
    static QString unreplaceableName() { return QString(247, QLatin1Char('n')); }
    static bool seriesExists(const QString& name) { return QFileInfo::exists(seriesPath(name)); }

    QByteArray python(const QByteArray& script, const QStringList& args) {
        const ToolResult r = runTool(debianPython(), QStringList{"-c", QString::fromUtf8(script)} + args);
        EXPECT_TRUE(r.started) << "/usr/bin/python3 is missing";
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return r.out;
    }

    void soffice(const QStringList& args) {
        const QString profile = QUrl::fromLocalFile(tmp.filePath(QStringLiteral("lo-profile"))).toString(QUrl::FullyEncoded);
        const ToolResult r = runTool(QStringLiteral("soffice"),
                                     QStringList{"-env:UserInstallation=" + profile, "--headless"} + args, {}, 180000);
        EXPECT_TRUE(r.started) << "soffice is missing";
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    }

private:
    std::unique_ptr<ScopedServices> services_;
    series::InUseCheck previousCheck_;
};

}  // namespace zelk::test
