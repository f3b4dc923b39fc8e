#include "platform/FileRegistry.h"

#include "platform/Log.h"
#include "platform/RegFile.h"
#include "text/TrimText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <optional>

namespace vistrel {

namespace {

std::optional<RegHive> readHive(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return RegHive::parse(std::string_view(bytes.constData(), bytes.size()));
}

QString envOr(const char* name, const QString& fallback) {
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

} // namespace

FileRegistry::FileRegistry(QString currentUserFile, QString localMachineFile)
    : currentUserFile_(std::move(currentUserFile)), localMachineFile_(std::move(localMachineFile)) {
}

FileRegistry FileRegistry::forThisUser() {
    const QString configHome = envOr("XDG_CONFIG_HOME", QDir::homePath() + "/.config");
    const QString userFile = configHome + "/vistrel/HKEY_CURRENT_USER.reg";
    const QStringList configDirs =
        envOr("XDG_CONFIG_DIRS", "/etc/xdg").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    QString machineFile;
    for (const QString& dir : configDirs) {
        const QString candidate = dir + "/vistrel/HKEY_LOCAL_MACHINE.reg";
        if (QFileInfo::exists(candidate)) {
            machineFile = candidate;
            break;
        }
    }
    return FileRegistry(userFile, machineFile);
}

QString FileRegistry::hiveFile(RegistryRoot root) const {
    return root == RegistryRoot::CurrentUser ? currentUserFile_ : localMachineFile_;
}

RegistryValue FileRegistry::ReadRegistryValue(RegistryRoot root, const QString& keyPath,
                                              const QString& valueName) {
    const auto hive = readHive(hiveFile(root));
    const RegValue* value =
        hive ? hive->find(keyPath.toStdString(), valueName.toStdString()) : nullptr;
    if (!value)
        return {};
    if (value->type == kRegSz)
        return RegistryValue::fromText(QString::fromStdString(value->stringData()));
    if (value->type == kRegDword) {
        if (const auto number = value->dwordData())
            return RegistryValue::fromNumber(static_cast<qint32>(*number));
    }
    return {};
}

void FileRegistry::WriteRegistryValue(RegistryRoot root, const QString& keyPath,
                                      const QString& valueName, const RegistryValue& value) {
    if (value.kind == RegistryValue::Kind::Absent)
        return;
    const QString path = hiveFile(root);
    if (path.isEmpty())
        return;
    // A corrupt or missing hive is replaced by a valid one holding the new value.
    RegHive hive = readHive(path).value_or(RegHive{});
    const RegValue data = value.kind == RegistryValue::Kind::Number
                              ? RegValue::dword(static_cast<std::uint32_t>(value.number))
                              : RegValue::text(std::string(trimSpaces(value.text.toStdString())));
    hive.set(keyPath.toStdString(), valueName.toStdString(), data);

    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const std::string text = hive.serialize();
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(text.data(), qint64(text.size())) == qint64(text.size()) &&
                         file.commit();
    if (!written)
        qCInfo(logRegistry).noquote() << "registry write failed:" << path;
}

} // namespace vistrel
