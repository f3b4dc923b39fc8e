#include "platform/log/OwnErrorOutput.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstring>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vistrel {

namespace {

QtMessageHandler previousHandler = nullptr;
#ifndef Q_OS_WIN
int ownErrorOutput = -1;
#endif

bool isOwn(QtMsgType type, const QMessageLogContext& context) {
    return type == QtFatalMsg ||
           (context.category && std::strncmp(context.category, "vistrel.", 8) == 0);
}

void ownMessagesOnly(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!isOwn(type, context))
        return;
#ifndef Q_OS_WIN
    if (ownErrorOutput >= 0) {
        const QByteArray line = qFormatLogMessage(type, context, message).toLocal8Bit() + '\n';
        const ssize_t written = ::write(ownErrorOutput, line.constData(), size_t(line.size()));
        static_cast<void>(written);
        return;
    }
#endif
    previousHandler(type, context, message);
}

} // namespace

void keepStandardErrorToOwnLog() {
    std::fflush(stderr);
#ifndef Q_OS_WIN
    // Libraries beneath Qt (the media framework, the sound server's client) write to the file
    // descriptor itself: it is pointed at the null device, the log keeps a copy of the original.
    const int nullDevice = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nullDevice >= 0) {
        ownErrorOutput = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
        if (ownErrorOutput >= 0)
            ::dup2(nullDevice, STDERR_FILENO);
        ::close(nullDevice);
    }
#endif
    previousHandler = qInstallMessageHandler(ownMessagesOnly);
}

} // namespace vistrel
