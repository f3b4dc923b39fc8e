#include "platform/log/WindowsErrorOutput.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdio>

#include <windows.h>

namespace vistrel::windows {

namespace {

bool leadsSomewhere(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

bool asksForAnAnswer(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] == '-')
            return true;
    return false;
}

bool isConsole(DWORD stream) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(stream), &mode) != 0;
}

} // namespace

void logToStandardErrorWhenRedirected() {
    if (!leadsSomewhere(STD_ERROR_HANDLE))
        return;
    if (!qEnvironmentVariableIsSet("QT_FORCE_STDERR_LOGGING"))
        qputenv("QT_FORCE_STDERR_LOGGING", "1");
}

void answerOnStartingConsole(int argc, char* argv[]) {
    if (!asksForAnAnswer(argc, argv))
        return;
    // A windowed program started from a console gets no standard handles of its own: it borrows
    // that console's, where the output has not been redirected elsewhere.
    const bool output = leadsSomewhere(STD_OUTPUT_HANDLE);
    const bool error = leadsSomewhere(STD_ERROR_HANDLE);
    if ((!output || !error) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (!output)
            static_cast<void>(std::freopen("CONOUT$", "w", stdout));
        if (!error)
            static_cast<void>(std::freopen("CONOUT$", "w", stderr));
    }
    // The findings name files in any language.
    if (isConsole(STD_OUTPUT_HANDLE) || isConsole(STD_ERROR_HANDLE))
        SetConsoleOutputCP(CP_UTF8);
}

} // namespace vistrel::windows
