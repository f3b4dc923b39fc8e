#include "platform/settings/FileRegistry.h"

#include "platform/log/Log.h"
#include "platform/settings/RegFile.h"
#include "text/TextDecoding.h"
#include "text/TrimText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vistrel {

namespace {

// A store holds a few keys of a few short values; a larger file was not written as one, and
// reading it whole must not cost start-up time or memory.
constexpr qint64 kStoreSizeLimit = 1024 * 1024;
// A value is a language name, a path or a flag; a longer one is no setting of ours, and text that
// long would only slow down whatever shows it.
constexpr std::size_t kTextLengthLimit = 4096;

// What reading a store file found.
struct StoreRead {
    enum class State { Missing, Valid, Unusable, NotAFile };
    State state = State::Missing;
    RegHive hive;
    QString why; // for Unusable and NotAFile
};

StoreRead unusable(const QString& why) {
    return {StoreRead::State::Unusable, {}, why};
}

// Only a regular file (links followed) is opened: a pipe would block and a device never end.
StoreRead readStore(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty())
        return {};
    // A link to nothing, or a loop of links: writing would replace the link itself.
    if (!info.exists() && info.isSymLink())
        return {StoreRead::State::NotAFile, {}, QStringLiteral("a link that leads to no file")};
    if (!info.exists())
        return {};
    if (!info.isFile())
        return {StoreRead::State::NotAFile, {}, QStringLiteral("not a regular file")};
    if (info.size() > kStoreSizeLimit)
        return unusable(QStringLiteral("larger than %1 bytes").arg(kStoreSizeLimit));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unusable(file.errorString());
    // It may have grown since it was looked at: never read past the limit.
    const QByteArray bytes = file.read(kStoreSizeLimit + 1);
    if (bytes.size() > kStoreSizeLimit)
        return unusable(QStringLiteral("larger than %1 bytes").arg(kStoreSizeLimit));
    auto hive = RegHive::parse(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!hive)
        return unusable(QStringLiteral("not a registry export"));
    return {StoreRead::State::Valid, std::move(*hive), {}};
}

StoreRead readLogged(const QString& path) {
    StoreRead read = readStore(path);
    if (read.state == StoreRead::State::NotAFile || read.state == StoreRead::State::Unusable)
        qCInfo(logRegistry).noquote()
            << "registry store read as empty:" << path << "is" << read.why;
    return read;
}

// The file is renamed, not copied: it may be unreadable or large, and renaming cannot half
// happen. An older kept file gives way to it.
bool keepAside(const QString& path) {
    const QString kept = path + QStringLiteral(".corrupt");
    QFile::remove(kept);
    if (!QFile::rename(path, kept)) {
        qCInfo(logRegistry).noquote() << "registry store could not be kept aside:" << path;
        return false;
    }
    qCInfo(logRegistry).noquote() << "registry store kept as" << kept;
    return true;
}

std::optional<RegistryValue> textValue(const RegValue& value) {
    const std::string text = value.stringData();
    if (utf8Length(text) > kTextLengthLimit) {
        qCInfo(logRegistry).noquote()
            << "registry text longer than" << kTextLengthLimit << "characters read as absent";
        return std::nullopt;
    }
    return RegistryValue::fromText(QString::fromStdString(text));
}

RegistryValue toRegistryValue(const RegValue& value) {
    if (value.type == kRegSz)
        return textValue(value).value_or(RegistryValue{});
    if (value.type == kRegDword) {
        if (const auto number = value.dwordData())
            return RegistryValue::fromNumber(static_cast<qint32>(*number));
    }
    return {};
}

RegValue toRegValue(const RegistryValue& value) {
    if (value.kind == RegistryValue::Kind::Number)
        return RegValue::dword(static_cast<std::uint32_t>(value.number));
    return RegValue::text(std::string(trimSpaces(value.text.toStdString())));
}

bool writeStore(const QString& path, const RegHive& hive) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const std::string text = hive.serialize();
    return file.open(QIODevice::WriteOnly) &&
           file.write(text.data(), qint64(text.size())) == qint64(text.size()) && file.commit();
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
    const StoreRead read = readLogged(hiveFile(root));
    const RegValue* value = read.hive.find(keyPath.toStdString(), valueName.toStdString());
    if (!value)
        return {};
    return toRegistryValue(*value);
}

void FileRegistry::WriteRegistryValue(RegistryRoot root, const QString& keyPath,
                                      const QString& valueName, const RegistryValue& value) {
    const QString path = hiveFile(root);
    if (value.kind == RegistryValue::Kind::Absent || path.isEmpty())
        return;
    StoreRead read = readLogged(path);
    if (read.state == StoreRead::State::NotAFile) {
        qCInfo(logRegistry).noquote() << "registry store left alone, not written:" << path;
        return;
    }
    // Whatever a person or another program wrote there survives beside the new store.
    if (read.state == StoreRead::State::Unusable && !keepAside(path))
        return;
    const std::string key = keyPath.toStdString(), name = valueName.toStdString();
    const RegValue wanted = toRegValue(value);
    // The language is written on every start; a value already stored is not written again, so
    // the store is not rewritten and synced to disk for nothing (a store not read holds none).
    if (const RegValue* stored = read.hive.find(key, name); stored && *stored == wanted)
        return;
    read.hive.set(key, name, wanted);
    if (!writeStore(path, read.hive))
        qCInfo(logRegistry).noquote() << "registry write failed:" << path;
}

} // namespace vistrel
