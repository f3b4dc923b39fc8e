#include "app/check/ProgramCheck.h"

#include "text/InterpreterLine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vistrel {

namespace {

#ifdef Q_OS_LINUX
// Only a Linux file system tells whether a file may be run, and what interpreters there are.
constexpr bool CheckRunsOnLinux = true;
#else
constexpr bool CheckRunsOnLinux = false;
#endif

// How much of a script's first line the system reads for its interpreter.
constexpr qint64 InterpreterLineLimit = 256;

// What Windows starts as a program by its name alone.
const QStringList WindowsProgramTypes{"exe", "com", "bat", "cmd", "msi"};
const QString WindowsProgramsNamed = QStringLiteral("a .exe, .com, .bat, .cmd or .msi file");

bool isWindowsProgram(const QString& file) {
    return WindowsProgramTypes.contains(QFileInfo(file).suffix().toLower());
}

// The plain key hands this system the other system's program, so this one has none: the
// viewer sees the button, and pressing it starts nothing.
Finding noProgramOfItsOwn(const ProgramTarget& target, const QString& file, const QString& what,
                          const QString& wanted) {
    return warning(
        file,
        QStringLiteral("%1 names %2, %3: %4 has no program for the %5")
            .arg(target.key, file, what, systemName(target.system), target.button),
        QStringLiteral("under [%1], add %2= naming %3").arg(target.section, target.ownKey, wanted));
}

std::optional<Finding> windowsProblem(const ProgramTarget& target, const QString& file) {
    if (isWindowsProgram(target.found))
        return std::nullopt;
    if (target.shared)
        return noProgramOfItsOwn(target, file, "which Windows does not start as a program",
                                 "the Windows program (" + WindowsProgramsNamed + ")");
    return error(file,
                 QStringLiteral("%1 names %2, which Windows does not start as a program")
                     .arg(target.key, file),
                 QStringLiteral("point %1 at %2").arg(target.key, WindowsProgramsNamed));
}

// The system starts a script with the interpreter its first line names, exactly as written there.
std::optional<Finding> badInterpreter(const ProgramTarget& target, const QString& file,
                                      const InterpreterLine& line) {
    const QString interpreter = QString::fromStdString(line.interpreter);
    if (line.endsInCarriageReturn)
        return error(file,
                     QStringLiteral("%1 is a script saved with Windows line ends: its first line "
                                    "ends in a carriage return, so the system looks for an "
                                    "interpreter that does not exist and cannot start it")
                         .arg(target.key),
                     "save it with Unix line ends (LF only), e.g. sed -i 's/\\r$//' " + file);
    if (interpreter.isEmpty())
        return error(file,
                     QStringLiteral("%1 starts with #! but names no interpreter").arg(target.key),
                     "start the script with a line such as #!/bin/sh");
    // A relative name is looked up from the program's own folder, where it is started.
    const QFileInfo program(QFileInfo(target.found).dir(), interpreter);
    if (!CheckRunsOnLinux || (program.isFile() && program.isExecutable()))
        return std::nullopt;
    return error(file,
                 QStringLiteral("%1 names the interpreter %2 on its first line, which this "
                                "system does not have; it cannot be started")
                     .arg(target.key, interpreter),
                 "name an interpreter every Linux has, such as #!/bin/sh");
}

// The program is started directly, never through a shell: it needs its execute bit, and a
// script needs its interpreter line.
std::optional<Finding> linuxProblem(const ProgramTarget& target, const QString& file) {
    if (isWindowsProgram(target.found)) {
        if (target.shared)
            return noProgramOfItsOwn(target, file, "a Windows program",
                                     "a Linux program or a script such as Setup/install.sh");
        return error(file,
                     QStringLiteral("%1 names %2, a Windows program, which Linux cannot start")
                         .arg(target.key, file),
                     QStringLiteral("point %1 at a Linux program or script").arg(target.key));
    }
    if (CheckRunsOnLinux && !QFileInfo(target.found).isExecutable())
        return error(file,
                     QStringLiteral("%1 is not executable (no execute bit); it cannot be started")
                         .arg(target.key),
                     "chmod +x it, and build the disc image with Rock Ridge so the bit survives");
    QFile program(target.found);
    const QByteArray head =
        program.open(QIODevice::ReadOnly) ? program.read(InterpreterLineLimit) : QByteArray();
    if (head.startsWith("\x7f"
                        "ELF"))
        return std::nullopt;
    if (const std::optional<InterpreterLine> line =
            readInterpreterLine(std::string_view(head.constData(), std::size_t(head.size()))))
        return badInterpreter(target, file, *line);
    return error(file,
                 QStringLiteral("%1 is neither a Linux program nor a script with an "
                                "interpreter line")
                     .arg(target.key),
                 "start the script with a line such as #!/bin/sh");
}

} // namespace

std::optional<Finding> programProblem(const CheckedDisc& disc, const ProgramTarget& target) {
    const QString file = disc.relative(target.found);
    if (target.system == TargetSystem::Windows)
        return windowsProblem(target, file);
    return linuxProblem(target, file);
}

} // namespace vistrel
