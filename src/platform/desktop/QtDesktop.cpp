#include "platform/desktop/QtDesktop.h"

#include "platform/log/Log.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_WIN
#include "platform/desktop/WindowsShell.h"
#else
#include "platform/desktop/FolderOpener.h"
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

void QtDesktop::doOpenFolder(const QString& path, NotOpened notOpened) {
#ifdef Q_OS_WIN
    if (!windows::openFolderInExplorer(path))
        notOpened(QStringLiteral("Explorer did not start"));
#else
    openFolderOnDesktop(path, std::move(notOpened));
#endif
}

void QtDesktop::doOpenFile(const QString& path, NotOpened notOpened) {
#ifdef Q_OS_WIN
    const QString failure = windows::openWithItsProgram(path);
    if (!failure.isEmpty())
        notOpened(failure);
#else
    openFileOnDesktop(path, std::move(notOpened));
#endif
}

void QtDesktop::doOpenUrl(const QUrl& url) {
    if (!QDesktopServices::openUrl(url))
        qCInfo(logAction).noquote() << "no program opened" << url.toString();
}

} // namespace vistrel
