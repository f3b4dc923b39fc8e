#include "platform/desktop/Desktop.h"

#include "platform/log/Log.h"
#include "text/ShellWords.h"

namespace vistrel {

bool Desktop::startProgram(const QString& program, const QStringList& arguments) {
    qCInfo(logProcess).noquote() << "start:" << program << arguments.join(QLatin1Char(' '));
    return reportStart(program, doStartProgram(program, arguments));
}

bool Desktop::startProgramWithParameter(const QString& program, const QString& parameter) {
    qCInfo(logProcess).noquote() << "start:" << program << parameter;
    return reportStart(program, doStartProgramWithParameter(program, parameter));
}

bool Desktop::reportStart(const QString& program, bool started) {
    if (!started)
        qCInfo(logProcess).noquote() << "start failed:" << program;
    return started;
}

bool Desktop::doStartProgramWithParameter(const QString& program, const QString& parameter) {
    QStringList arguments;
    for (const std::string& word : splitShellWords(parameter.toStdString()))
        arguments.append(QString::fromStdString(word));
    return doStartProgram(program, arguments);
}

namespace {

// The failure logged before whoever asked hears of it.
Desktop::NotOpened loggedFailure(const char* what, const QString& path,
                                 Desktop::NotOpened notOpened) {
    return [what, path, notOpened = std::move(notOpened)](const QString& reason) {
        qCInfo(logAction).noquote() << what << "not opened:" << path << "-" << reason;
        if (notOpened)
            notOpened(reason);
    };
}

} // namespace

void Desktop::openFolder(const QString& path, NotOpened notOpened) {
    qCInfo(logAction).noquote() << "open folder:" << path;
    doOpenFolder(path, loggedFailure("folder", path, std::move(notOpened)));
}

void Desktop::openFile(const QString& path, NotOpened notOpened) {
    qCInfo(logAction).noquote() << "open file:" << path;
    doOpenFile(path, loggedFailure("file", path, std::move(notOpened)));
}

void Desktop::openUrl(const QUrl& url) {
    qCInfo(logAction).noquote() << "open url:" << url.toString();
    doOpenUrl(url);
}

} // namespace vistrel
