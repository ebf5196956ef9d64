// libFuzzer's own main() starts no Qt application, and the readers lay out
// text and make pictures, which need one: start it before the first input.
#include <QGuiApplication>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt takes the options it knows out of its argument list: give it a copy,
    // so that libFuzzer still reads all of its own.
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    new QGuiApplication(qtArgc, qtArgv);  // lives as long as the process
    return 0;
}
