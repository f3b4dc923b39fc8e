#include "app/check/TargetCheck.h"

#include "app/check/ConfiguredPath.h"
#include "language/LanguageKeys.h"
#include "text/InterpreterLine.h"
#include "window/Buttons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vistrel {

namespace {

// What a side button opens or starts, and the switch that shows it.
struct Target {
    const ButtonRow* row;
    QString key;    // "[Player] RunPath"
    QString path;   // as configured
    QString toggle; // "ShowInstallPlayer"; empty when the path alone offers the button
    bool shown;
    PathKind kind;
    bool program;
};

// How the program looks the path up: the external player is handed on as found, file or folder.
PathKind kindOf(Opens opens) {
    if (opens == Opens::Folder)
        return PathKind::Folder;
    return opens == Opens::Player ? PathKind::Entry : PathKind::File;
}

QList<Target> targetsOf(const DiscConfig& config) {
    QList<Target> targets;
    for (const ButtonRow& row : Buttons)
        if (row.path.key)
            targets.append({&row,
                            QStringLiteral("[%1] %2").arg(QString::fromUtf8(row.path.section),
                                                          QString::fromUtf8(row.path.key)),
                            config.pathOf(row.id), QString::fromUtf8(row.offerSwitch),
                            config.offers(row.id), kindOf(row.opens),
                            row.opens == Opens::Program || row.opens == Opens::Player});
    return targets;
}

// The button's English tooltip names it for an author.
QString buttonName(const ButtonRow& row) {
    const LanguageKey* key = row.toolTipKey ? findLanguageKey("Tooltip", row.toolTipKey) : nullptr;
    if (!key)
        return QString::fromUtf8(row.name);
    return QStringLiteral("\"%1\" button (%2)")
        .arg(QString::fromUtf8(key->english.data(), qsizetype(key->english.size())),
             QString::fromUtf8(row.name));
}

#ifdef Q_OS_LINUX
// How much of a script's first line the system reads for its interpreter.
constexpr qint64 InterpreterLineLimit = 256;

// The system starts a script with the interpreter its first line names, exactly as written there.
std::optional<Finding> badInterpreter(const QString& file, const Target& target,
                                      const QString& found, const InterpreterLine& line) {
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
    const QFileInfo program(QFileInfo(found).dir(), interpreter);
    if (program.isFile() && program.isExecutable())
        return std::nullopt;
    return error(file,
                 QStringLiteral("%1 names the interpreter %2 on its first line, which this "
                                "system does not have; it cannot be started")
                     .arg(target.key, interpreter),
                 "name an interpreter every Linux has, such as #!/bin/sh");
}
#endif

// The program is started directly, never through a shell: it needs its execute bit, and a
// script needs its interpreter line.
std::optional<Finding> notRunnable(const CheckedDisc& disc, const Target& target,
                                   const QString& found) {
    const QFileInfo info(found);
    const QString file = disc.relative(found);
    if (info.isDir())
        return error(file, QStringLiteral("%1 names a folder, not a program").arg(target.key),
                     QStringLiteral("point %1 at the program to start").arg(target.key));
#ifdef Q_OS_LINUX
    if (!info.isExecutable())
        return error(file,
                     QStringLiteral("%1 is not executable (no execute bit); it cannot be started")
                         .arg(target.key),
                     "chmod +x it, and build the disc image with Rock Ridge so the bit survives");
    QFile program(found);
    const QByteArray head =
        program.open(QIODevice::ReadOnly) ? program.read(InterpreterLineLimit) : QByteArray();
    if (head.startsWith("\x7f"
                        "ELF"))
        return std::nullopt;
    if (const std::optional<InterpreterLine> line =
            readInterpreterLine(std::string_view(head.constData(), std::size_t(head.size()))))
        return badInterpreter(file, target, found, *line);
    return error(file,
                 QStringLiteral("%1 is neither a Linux program nor a script with an "
                                "interpreter line")
                     .arg(target.key),
                 "start the script with a line such as #!/bin/sh");
#endif
    return std::nullopt;
}

Findings checkShown(const CheckedDisc& disc, const Target& target) {
    const LocatedPath located = locatePath(disc, target.key, target.path, target.kind);
    Findings findings = located.findings;
    if (target.program && !located.found.isEmpty())
        if (const std::optional<Finding> problem = notRunnable(disc, target, located.found))
            findings.append(*problem);
    return findings;
}

} // namespace

Findings checkTargets(const CheckedDisc& disc) {
    Findings findings;
    for (const Target& target : targetsOf(disc.config)) {
        if (target.shown) {
            findings.append(checkShown(disc, target));
        } else if (!target.path.isEmpty()) {
            findings.append(
                note("vistrel.ini",
                     QStringLiteral("%1 is set, but %2; that hides the %3")
                         .arg(target.key, disc.switchOff(target.toggle), buttonName(*target.row)),
                     QStringLiteral("set %1=1 to offer it, or remove %2")
                         .arg(target.toggle, target.key)));
        }
    }
    return findings;
}

} // namespace vistrel
