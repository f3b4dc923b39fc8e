#include "app/check/CheckedDisc.h"

#include "platform/disc/FilePaths.h"
#include "platform/disc/ReadIni.h"

#include <QDir>

#include <algorithm>

namespace vistrel {

CheckedDisc::CheckedDisc(const QString& root)
    : folder(root), iniPath(joinPath(root, "vistrel.ini")), config(DiscConfig::read(iniPath)) {
    for (std::size_t i = 0; i < systems.size(); ++i)
        systems[i] = DiscConfig::read(iniPath, TargetSystems[i]);
}

const DiscConfig& CheckedDisc::configOf(TargetSystem system) const {
    return systems[std::size_t(std::find(TargetSystems.begin(), TargetSystems.end(), system) -
                               TargetSystems.begin())];
}

bool CheckedDisc::offersAnywhere(ButtonId id) const {
    return std::any_of(systems.begin(), systems.end(),
                       [id](const DiscConfig& system) { return system.offers(id); });
}

QString CheckedDisc::relative(const QString& path) const {
    const QString relativePath = QDir(folder.root()).relativeFilePath(path);
    return relativePath.startsWith(QLatin1String("..")) ? QDir::cleanPath(path) : relativePath;
}

QString CheckedDisc::asWritten(const QString& configured) {
    return QDir::cleanPath(QString(configured).replace(QLatin1Char('\\'), QLatin1Char('/')));
}

QString CheckedDisc::switchOff(const QString& key) const {
    const QString value = ProfileSnapshot(iniPath).value("Main", key);
    if (value.isEmpty() || value == QLatin1String("0"))
        return key + " is not 1";
    return QStringLiteral("%1 is \"%2\", which counts as off (only 1 switches it on)")
        .arg(key, value);
}

} // namespace vistrel
