#include "platform/desktop/WindowsShell.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <windows.h>

#include <shellapi.h>

namespace vistrel::windows {

namespace {

// One argument as the C runtime splits a command line: quoted when it holds blanks or quotes,
// with the backslashes before a quote doubled.
QString quoteArgument(const QString& argument) {
    if (!argument.isEmpty() && !argument.contains(QRegularExpression(QStringLiteral("[ \t\"]"))))
        return argument;
    QString quoted = QStringLiteral("\"");
    int backslashes = 0;
    for (const QChar c : argument) {
        if (c == QLatin1Char('\\')) {
            ++backslashes;
            continue;
        }
        if (c == QLatin1Char('"'))
            quoted += QString(backslashes * 2 + 1, QLatin1Char('\\'));
        else
            quoted += QString(backslashes, QLatin1Char('\\'));
        backslashes = 0;
        quoted += c;
    }
    quoted += QString(backslashes * 2, QLatin1Char('\\'));
    return quoted + QLatin1Char('"');
}

} // namespace

bool shellStartProgram(const QString& program, const QStringList& arguments) {
    QStringList quoted;
    for (const QString& argument : arguments)
        quoted.append(quoteArgument(argument));
    return shellStartProgram(program, quoted.join(QLatin1Char(' ')));
}

bool shellStartProgram(const QString& program, const QString& commandLine) {
    const std::wstring file = QDir::toNativeSeparators(program).toStdWString();
    const std::wstring parameters = commandLine.toStdWString();
    const std::wstring directory =
        QDir::toNativeSeparators(QFileInfo(program).absolutePath()).toStdWString();

    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.lpDirectory = directory.c_str();
    // Shown: an installer or a player whose first window starts hidden cannot be used.
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

QString openWithItsProgram(const QString& file) {
    const std::wstring path = QDir::toNativeSeparators(file).toStdWString();
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    // No "open with" dialog where nothing is registered: the caller tells the viewer instead.
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpFile = path.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&info) != FALSE)
        return {};
    const DWORD error = GetLastError();
    if (error == ERROR_NO_ASSOCIATION || reinterpret_cast<INT_PTR>(info.hInstApp) == SE_ERR_NOASSOC)
        return QStringLiteral("no program opens this kind of file");
    return QStringLiteral("the shell refused it (error %1)").arg(error);
}

bool openFolderInExplorer(const QString& folder) {
    return QProcess::startDetached(QStringLiteral("explorer.exe"),
                                   {QDir::toNativeSeparators(folder)});
}

} // namespace vistrel::windows
