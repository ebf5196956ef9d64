#pragma once
// Helpers shared by the test executables.
#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>

namespace zelk::test {

// Absolute paths of the source tree, the build tree and the copied resources.
QString sourceDir();
QString binaryDir();
QString resourceDir();

struct ToolResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    bool started = false;
};

// Runs an outside program (an independent checker) and waits for it.
// A missing program fails the calling test rather than skipping it.
ToolResult runTool(const QString& program, const QStringList& args,
                   const QByteArray& input = {}, int timeoutMs = 120000);

// Where the tests' CUPS scheduler listens: a socket of this process's own
// in the temporary folder. Every test executable points CUPS_SERVER there
// at start, so a test sees only the printers of a scheduler it started
// (CupsServer), and none without one, whatever the machine has installed.
QString testCupsSocket();

// The whole file; empty when it cannot be read.
QByteArray fileBytes(const QString& path);
// Writes the file whole, replacing it (its folder must exist); a file that
// cannot be opened fails the calling test.
void writeBytes(const QString& path, const QByteArray& bytes);
// The first 200 bytes of a real picture of `format` ("jpg", "png"): its
// header whole, so that it passes a look at the header, its picture cut.
void writeCutPicture(const QString& path, const char* format);
// Files in `folder` named as pictures that hold none: an empty "empty.png",
// a text file "fake.png", and a cut "cut.jpg" and "cut.png".
QStringList filesThatHoldNoPicture(const QString& folder);

// Gives the offscreen platform one screen of `size` (1280 x 720, say) in
// place of its default. Call it from a namespace-scope initialiser of the
// test executable: the test main reads it before the application starts.
// A run on a real display (QT_QPA_PLATFORM=xcb) keeps its own screen.
bool requestOffscreenScreen(QSize size);
QSize requestedOffscreenScreen();

// WCAG's contrast of two sRGB colours, 1 to 21.
double contrast(const QColor& a, const QColor& b);

// Debian's Python, never whatever python3 is first on PATH.
inline QString debianPython() { return QStringLiteral("/usr/bin/python3"); }

}  // namespace zelk::test
