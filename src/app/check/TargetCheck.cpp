#include "app/check/TargetCheck.h"

#include "app/check/ConfiguredPath.h"
#include "language/LanguageKeys.h"
#include "window/Buttons.h"

#include <QFile>
#include <QFileInfo>

namespace vistrel {

namespace {

// What a side button opens or starts, and the switch that shows it.
struct Target {
    Offer offer;
    QString key;    // "[Player] RunPath"
    QString path;   // as configured
    QString toggle; // "ShowInstallPlayer"
    bool shown;
    PathKind kind;
    bool program;
};

QList<Target> targetsOf(const DiscConfig& config) {
    const OfferedButtons shown = config.offered();
    return {
        {Offer::InstallCodec, "[Codec] InstallPath", config.codec.installPath, "ShowInstallCodec",
         shown.installCodec, PathKind::File, true},
        {Offer::InstallPlayer, "[Player] InstallPath", config.player.installPath,
         "ShowInstallPlayer", shown.installPlayer, PathKind::File, true},
        {Offer::Info, "[Main] InfoPath", config.infoPath, "ShowInstallPlayer", shown.info,
         PathKind::File, false},
        {Offer::StartPlayer, "[Player] RunPath", config.player.runPath, "ShowInstallPlayer",
         shown.startPlayer, PathKind::Entry, true},
        {Offer::Explore, "[Main] ExplorerPath", config.explorerPath, "ShowInstallPlayer",
         shown.explore, PathKind::Folder, false},
    };
}

// The button's English tooltip names it for an author.
QString buttonName(Offer offer) {
    for (const ButtonRow& row : Buttons) {
        if (row.offer != offer || !row.toolTipKey)
            continue;
        const LanguageKey* key = findLanguageKey("Tooltip", row.toolTipKey);
        if (key)
            return QStringLiteral("\"%1\" button (%2)")
                .arg(QString::fromUtf8(key->english.data(), qsizetype(key->english.size())),
                     QString::fromUtf8(row.name));
    }
    return {};
}

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
    const QByteArray head = program.open(QIODevice::ReadOnly) ? program.read(4) : QByteArray();
    if (!head.startsWith("#!") && !head.startsWith("\x7f"
                                                   "ELF"))
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
                         .arg(target.key, disc.switchOff(target.toggle), buttonName(target.offer)),
                     QStringLiteral("set %1=1 to offer it, or remove %2")
                         .arg(target.toggle, target.key)));
        }
    }
    return findings;
}

} // namespace vistrel
