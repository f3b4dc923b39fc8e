#include "platform/Desktop.h"

#include "platform/Log.h"

namespace vistrel {

bool Desktop::startProgram(const QString& program, const QStringList& arguments) {
    qCInfo(logProcess).noquote() << "start:" << program << arguments.join(QLatin1Char(' '));
    const bool started = doStartProgram(program, arguments);
    if (!started)
        qCInfo(logProcess).noquote() << "start failed:" << program;
    return started;
}

void Desktop::openFolder(const QString& path) {
    qCInfo(logAction).noquote() << "open folder:" << path;
    doOpenFolder(path);
}

void Desktop::openUrl(const QUrl& url) {
    qCInfo(logAction).noquote() << "open url:" << url.toString();
    doOpenUrl(url);
}

} // namespace vistrel
