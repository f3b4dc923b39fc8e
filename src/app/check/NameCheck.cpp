#include "app/check/NameCheck.h"

#include "text/CaseFold.h"
#include "text/EditDistance.h"
#include "text/IniNames.h"

#include <unordered_set>
#include <vector>

namespace vistrel {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString lineOf(const IniName& name) {
    return QStringLiteral("line %1: ").arg(name.line);
}

// Looks names up the way the reader compares them.
class Names {
  public:
    explicit Names(const KnownNames& known) : known_(known) {}

    const DiscKeys* section(std::string_view name) const {
        for (const DiscKeys& entry : known_.sections)
            if (equalFolded(entry.section.toStdString(), name))
                return &entry;
        return nullptr;
    }
    bool knows(const DiscKeys& section, std::string_view key) const {
        for (const QString& known : section.keys)
            if (equalFolded(known.toStdString(), key))
                return true;
        return known_.byRule && known_.byRule(section.section, qs(key));
    }
    QString hint(const DiscKeys& section, std::string_view key) const {
        return known_.hint ? known_.hint(section.section, qs(key)) : QString();
    }
    // The section that knows the key by name, if any.
    const DiscKeys* home(std::string_view key) const {
        for (const DiscKeys& entry : known_.sections)
            for (const QString& known : entry.keys)
                if (equalFolded(known.toStdString(), key))
                    return &entry;
        return nullptr;
    }
    QString closestSection(std::string_view name) const {
        std::vector<std::string> candidates;
        for (const DiscKeys& entry : known_.sections)
            candidates.push_back(entry.section.toStdString());
        return qs(closestName(name, candidates));
    }
    static QString closestKey(const DiscKeys& section, std::string_view key) {
        std::vector<std::string> candidates;
        for (const QString& known : section.keys)
            candidates.push_back(known.toStdString());
        return qs(closestName(key, candidates));
    }

  private:
    const KnownNames& known_;
};

QString sectionList(const KnownNames& known) {
    QStringList names;
    for (const DiscKeys& entry : known.sections)
        names.append("[" + entry.section + "]");
    return names.join(", ");
}

Finding unknownSection(const QString& file, const IniName& name, const Names& names,
                       const KnownNames& known) {
    const QString closest = names.closestSection(name.section);
    return warning(file,
                   lineOf(name) + QStringLiteral("unknown section [%1]; the program never reads it")
                                      .arg(qs(name.section)),
                   closest.isEmpty() ? "use one of " + sectionList(known)
                                     : QStringLiteral("did you mean [%1]?").arg(closest));
}

Finding unknownKey(const QString& file, const IniName& name, const DiscKeys& section,
                   const Names& names) {
    const QString message =
        lineOf(name) +
        QStringLiteral("unknown key %1 in [%2]; it is ignored").arg(qs(name.key), section.section);
    if (const DiscKeys* home = names.home(name.key))
        return warning(file, message, QStringLiteral("move it to [%1]").arg(home->section));
    if (const QString hint = names.hint(section, name.key); !hint.isEmpty())
        return warning(file, message, hint);
    const QString closest = Names::closestKey(section, name.key);
    return warning(
        file, message,
        closest.isEmpty()
            ? QStringLiteral("[%1] knows %2").arg(section.section, section.keys.join(", "))
            : QStringLiteral("did you mean %1?").arg(closest));
}

Finding outsideSections(const QString& file, const IniName& name, const Names& names) {
    const DiscKeys* home = names.home(name.key);
    return warning(
        file,
        lineOf(name) +
            QStringLiteral("%1 stands before any section and is ignored").arg(qs(name.key)),
        home ? QStringLiteral("move it under [%1]").arg(home->section)
             : QStringLiteral("move it under its section"));
}

Finding repeated(const QString& file, const IniName& name) {
    if (name.reach == IniName::RepeatedKey)
        return warning(file,
                       lineOf(name) + QStringLiteral("%1 appears again in [%2]; only its first "
                                                     "value counts")
                                          .arg(qs(name.key), qs(name.section)),
                       "remove one of them");
    return warning(file,
                   lineOf(name) + QStringLiteral("%1 is in a second [%2] section, which is never "
                                                 "read")
                                      .arg(qs(name.key), qs(name.section)),
                   QStringLiteral("merge the [%1] sections into one").arg(qs(name.section)));
}

} // namespace

Findings checkNames(const QString& file, const std::string& utf8Text, const KnownNames& known) {
    const Names names(known);
    Findings findings;
    std::unordered_set<std::string> reportedSections;
    for (const IniName& name : listIniNames(utf8Text)) {
        if (name.key.starts_with(';'))
            continue;
        const DiscKeys* section = names.section(name.section);
        if (name.section.empty() && !section) {
            findings.append(outsideSections(file, name, names));
        } else if (!section) {
            if (reportedSections.insert(foldCase(name.section)).second)
                findings.append(unknownSection(file, name, names, known));
        } else if (name.reach != IniName::Read) {
            findings.append(repeated(file, name));
        } else if (!names.knows(*section, name.key)) {
            findings.append(unknownKey(file, name, *section, names));
        }
    }
    return findings;
}

} // namespace vistrel
