#include "platform/QtDesktop.h"

#include "platform/Log.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_WIN
#include "platform/windows/WindowsShell.h"
#else
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#endif

namespace vistrel {

bool QtDesktop::doStartProgram(const QString& program, const QStringList& arguments) {
#ifdef Q_OS_WIN
    return windows::shellStartProgram(program, arguments);
#else
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(QFileInfo(program).absolutePath());
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached();
#endif
}

bool QtDesktop::doStartProgramWithParameter(const QString& program, const QString& parameter) {
#ifdef Q_OS_WIN
    return windows::shellStartProgram(program, parameter);
#else
    return Desktop::doStartProgramWithParameter(program, parameter);
#endif
}

void QtDesktop::doOpenFolder(const QString& path) {
#ifdef Q_OS_WIN
    if (!windows::openFolderInExplorer(path))
        qCInfo(logAction).noquote() << "no file manager opened" << path;
#else
    const QUrl folder = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString service = QStringLiteral("org.freedesktop.FileManager1");
    if (bus.isConnected() && bus.interface() &&
        bus.interface()->isServiceRegistered(service).value()) {
        QDBusMessage call = QDBusMessage::createMethodCall(service, "/org/freedesktop/FileManager1",
                                                           service, "ShowFolders");
        call << QStringList{folder.toString()} << QString();
        bus.asyncCall(call);
        return;
    }
    if (!QDesktopServices::openUrl(folder))
        qCInfo(logAction).noquote() << "no file manager opened" << path;
#endif
}

void QtDesktop::doOpenUrl(const QUrl& url) {
    if (!QDesktopServices::openUrl(url))
        qCInfo(logAction).noquote() << "no program opened" << url.toString();
}

} // namespace vistrel
