#include "app/check/TargetCheck.h"

#include "app/check/ConfiguredPath.h"
#include "app/check/ProgramCheck.h"
#include "window/Buttons.h"
#include "window/LanguageKeys.h"

#include <QFileInfo>

namespace vistrel {

namespace {

// How the program looks the path up: the external player is handed on as found, file or folder.
PathKind kindOf(Opens opens) {
    if (opens == Opens::Folder)
        return PathKind::Folder;
    return opens == Opens::Player ? PathKind::Entry : PathKind::File;
}

bool startsProgram(Opens opens) {
    return opens == Opens::Program || opens == Opens::Player;
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

// "[Player] RunPath.Linux"
QString keyName(const ButtonRow& row, const QString& key) {
    return QStringLiteral("[%1] %2").arg(QString::fromUtf8(row.path.section), key);
}

// A button's target as one system reads it.
struct SystemTarget {
    TargetSystem system;
    QString key;  // plain or the system's own; empty when the file has neither
    QString path; // as configured
    bool offered;

    // The system's own key says what it has, even where that is nothing.
    bool ownKey(const ButtonRow& row) const {
        return key == systemKey(QString::fromUtf8(row.path.key), system);
    }
};

QList<SystemTarget> targetsOf(const CheckedDisc& disc, const ButtonRow& row) {
    QList<SystemTarget> targets;
    for (TargetSystem system : TargetSystems) {
        const DiscConfig& config = disc.configOf(system);
        targets.append(
            {system, config.pathKeyOf(row.id), config.pathOf(row.id), config.offers(row.id)});
    }
    return targets;
}

Finding hiddenBySwitch(const CheckedDisc& disc, const ButtonRow& row, const QStringList& keys) {
    const QString toggle = QString::fromUtf8(row.offerSwitch);
    const QString named = keys.join(QLatin1String(" and "));
    return note(
        "vistrel.ini",
        QStringLiteral("%1 %2 set, but %3; that hides the %4")
            .arg(named, keys.size() > 1 ? "are" : "is", disc.switchOff(toggle), buttonName(row)),
        QStringLiteral("set %1=1 to offer it, or remove %2").arg(toggle, named));
}

// What one key names, looked up once for every system it serves and judged for each.
Findings checkNamed(const CheckedDisc& disc, const ButtonRow& row,
                    const QList<SystemTarget>& sharing) {
    const SystemTarget& first = sharing.first();
    const QString key = keyName(row, first.key);
    const LocatedPath located = locatePath(disc, key, first.path, kindOf(row.opens));
    Findings findings = located.findings;
    if (located.found.isEmpty() || !startsProgram(row.opens))
        return findings;
    if (QFileInfo(located.found).isDir()) {
        findings.append(error(disc.relative(located.found),
                              QStringLiteral("%1 names a folder, not a program").arg(key),
                              QStringLiteral("point %1 at the program to start").arg(key)));
        return findings;
    }
    const QString plain = QString::fromUtf8(row.path.key);
    for (const SystemTarget& target : sharing)
        if (const std::optional<Finding> problem =
                programProblem(disc, {target.system, key, QString::fromUtf8(row.path.section),
                                      systemKey(plain, target.system), target.key == plain,
                                      buttonName(row), located.found}))
            findings.append(*problem);
    return findings;
}

// Offered on one system and without a target on another, the button is not there on that one.
// Only a note: the viewer there does not miss what is not shown, and a disc may well leave an
// installer out on one system (an empty key of the system's own says so, and is not remarked).
std::optional<Finding> missingOn(const ButtonRow& row, const SystemTarget& target,
                                 const QString& offeredOn) {
    if (target.offered || target.ownKey(row))
        return std::nullopt;
    const QString plain = QString::fromUtf8(row.path.key);
    const QString own = systemKey(plain, target.system);
    const QString system = systemName(target.system);
    return note("vistrel.ini",
                QStringLiteral("the %1 is offered on %2 but not on %3: neither %4 nor %5 names "
                               "its target there")
                    .arg(buttonName(row), offeredOn, system, keyName(row, plain), own),
                QStringLiteral("under [%1], add %2= naming its target on %3 (or write %2= empty "
                               "to leave the button out there on purpose)")
                    .arg(QString::fromUtf8(row.path.section), own, system));
}

Findings checkTarget(const CheckedDisc& disc, const ButtonRow& row) {
    const QList<SystemTarget> targets = targetsOf(disc, row);
    QStringList offeredOn;
    QStringList hiddenKeys;
    for (const SystemTarget& target : targets) {
        if (target.offered)
            offeredOn.append(systemName(target.system));
        else if (!target.path.isEmpty() && !hiddenKeys.contains(keyName(row, target.key)))
            hiddenKeys.append(keyName(row, target.key));
    }
    if (offeredOn.isEmpty())
        return hiddenKeys.isEmpty() ? Findings{} : Findings{hiddenBySwitch(disc, row, hiddenKeys)};
    Findings findings;
    QStringList checked;
    for (const SystemTarget& target : targets) {
        if (!target.offered || checked.contains(target.key))
            continue;
        checked.append(target.key);
        QList<SystemTarget> sharing;
        for (const SystemTarget& other : targets)
            if (other.offered && other.key == target.key)
                sharing.append(other);
        findings.append(checkNamed(disc, row, sharing));
    }
    for (const SystemTarget& target : targets)
        if (const std::optional<Finding> missing =
                missingOn(row, target, offeredOn.join(QLatin1String(" and "))))
            findings.append(*missing);
    return findings;
}

// The message that the codec is missing names [Codec] Description; without one the program puts
// its own name for the codec it looks for, which need not be the one the disc's film needs.
std::optional<Finding> unnamedCodec(const CheckedDisc& disc) {
    if (!disc.config.codec.description.isEmpty())
        return std::nullopt;
    for (const ButtonRow& row : Buttons)
        if (row.opens == Opens::Player && disc.offersAnywhere(row.id))
            return warning("vistrel.ini",
                           QStringLiteral("[Codec] Description is empty, but the %1 names the "
                                          "codec where it counts as missing: the message then "
                                          "says \"%2\"")
                               .arg(buttonName(row), disc.config.codecName()),
                           "under [Codec], name the codec the film needs, e.g. "
                           "Description=H.264 video codec");
    return std::nullopt;
}

} // namespace

Findings checkTargets(const CheckedDisc& disc) {
    Findings findings;
    for (const ButtonRow& row : Buttons)
        if (row.path.key)
            findings.append(checkTarget(disc, row));
    if (const std::optional<Finding> codec = unnamedCodec(disc))
        findings.append(*codec);
    return findings;
}

} // namespace vistrel
