#include "platform/desktop/FolderOpener.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <memory>

namespace vistrel {

namespace {

using NotOpened = std::function<void(const QString&)>;

const QString FileManagerService = QStringLiteral("org.freedesktop.FileManager1");
const QString Opener = QStringLiteral("xdg-open");
const QString NoFileManager =
    QStringLiteral("no file manager answers on the session bus, and there is no ");
// An opener that fails only after this long had opened something first (a file manager it
// waited for, now closed): that is no news for the viewer.
constexpr qint64 OpenerVerdictMs = 10000;

// The opener's last words on standard error: why it failed, in its own terms.
QString lastLine(const QByteArray& output) {
    const QList<QByteArray> lines = output.trimmed().split('\n');
    return QString::fromLocal8Bit(lines.last()).trimmed();
}

void runOpener(const QString& opener, const QString& folder, NotOpened notOpened) {
    auto* process = new QProcess(qApp);
    process->setProgram(opener);
    process->setArguments({folder});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    auto errors = std::make_shared<QByteArray>();
    auto since = std::make_shared<QElapsedTimer>();
    // Only the latest part is kept: a file manager started by the opener may write on and on.
    QObject::connect(process, &QProcess::readyReadStandardError, process, [process, errors] {
        errors->append(process->readAllStandardError());
        if (errors->size() > 4096)
            *errors = errors->right(4096);
    });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, opener, notOpened](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         notOpened(opener + " did not start: " + process->errorString());
                         process->deleteLater();
                     });
    QObject::connect(
        process, &QProcess::finished, process,
        [process, opener, notOpened, errors, since](int code, QProcess::ExitStatus status) {
            errors->append(process->readAllStandardError());
            const bool failed = status != QProcess::NormalExit || code != 0;
            if (failed && since->elapsed() < OpenerVerdictMs)
                notOpened(QStringLiteral("%1 ended with %2: %3")
                              .arg(opener)
                              .arg(status == QProcess::NormalExit ? QString::number(code)
                                                                  : QStringLiteral("a crash"))
                              .arg(lastLine(*errors)));
            process->deleteLater();
        });
    since->start();
    process->start();
}

void openWithOpener(const QString& path, const QString& noOpener, NotOpened notOpened) {
    const QString opener = QStandardPaths::findExecutable(Opener);
    if (opener.isEmpty()) {
        notOpened(noOpener + Opener);
        return;
    }
    runOpener(opener, path, std::move(notOpened));
}

// The file manager's own bus service, asked without waiting; where none answers to that name,
// the opener.
void askFileManager(QDBusConnection& bus, const QString& folder, NotOpened notOpened) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        FileManagerService, "/org/freedesktop/FileManager1", FileManagerService, "ShowFolders");
    call << QStringList{QUrl::fromLocalFile(folder).toString()} << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), qApp);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [folder, notOpened = std::move(notOpened)](QDBusPendingCallWatcher* answered) {
                         const QDBusPendingReply<> reply = *answered;
                         answered->deleteLater();
                         if (reply.error().type() == QDBusError::ServiceUnknown)
                             openWithOpener(folder, NoFileManager, notOpened);
                         else if (reply.isError())
                             notOpened("the file manager refused: " + reply.error().message());
                     });
}

} // namespace

void openFolderOnDesktop(const QString& folder, std::function<void(const QString&)> notOpened) {
    const QString absolute = QFileInfo(folder).absoluteFilePath();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
        askFileManager(bus, absolute, std::move(notOpened));
    else
        openWithOpener(absolute, NoFileManager, std::move(notOpened));
}

// The opener finds the program for the file's kind, and fails when there is none.
void openFileOnDesktop(const QString& file, std::function<void(const QString&)> notOpened) {
    openWithOpener(QFileInfo(file).absoluteFilePath(), QStringLiteral("there is no "),
                   std::move(notOpened));
}

} // namespace vistrel
