#include "platform/log/WindowsErrorOutput.h"

#include <QByteArray>
#include <QtGlobal>

#include <windows.h>

namespace vistrel::windows {

void logToStandardErrorWhenRedirected() {
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error == nullptr || error == INVALID_HANDLE_VALUE ||
        GetFileType(error) == FILE_TYPE_UNKNOWN)
        return;
    if (!qEnvironmentVariableIsSet("QT_FORCE_STDERR_LOGGING"))
        qputenv("QT_FORCE_STDERR_LOGGING", "1");
}

} // namespace vistrel::windows
