#include "platform/disc/ReadIni.h"

#include "platform/disc/DiscFile.h"
#include "platform/disc/FilePaths.h"
#include "platform/log/Log.h"
#include "text/IniFile.h"
#include "text/TextDecoding.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

#include <memory>
#include <optional>

namespace vistrel {

namespace {

struct CachedIni {
    qint64 size = -1;
    QDateTime modified;
    std::shared_ptr<const IniFile> file; // null: missing or unreadable
};

QMutex cacheMutex;
QHash<QString, CachedIni>& cache() {
    static QHash<QString, CachedIni> entries;
    return entries;
}

std::shared_ptr<const IniFile> loadIni(const QFileInfo& info) {
    if (!info.exists())
        return nullptr;
    const DiscFileBytes read = readDiscFile(info.filePath(), ProfileFileLimit);
    if (!read.read()) {
        qCInfo(logStartup).noquote()
            << "profile file read as missing:" << info.filePath() << "-" << read.error;
        return nullptr;
    }
    const QByteArray& bytes = read.bytes;
    const std::string text = decodeText(std::string_view(bytes.constData(), bytes.size()));
    return std::make_shared<const IniFile>(IniFile::parse(text));
}

std::shared_ptr<const IniFile> cachedIni(const QString& filePath) {
    const QFileInfo info(resolvePath(filePath));
    const qint64 size = info.exists() ? info.size() : -1;
    const QDateTime modified = info.exists() ? info.lastModified() : QDateTime();
    QMutexLocker lock(&cacheMutex);
    auto it = cache().find(info.filePath());
    if (it != cache().end() && it->size == size && it->modified == modified)
        return it->file;
    CachedIni entry{size, modified, loadIni(info)};
    cache().insert(info.filePath(), entry);
    return entry.file;
}

} // namespace

ProfileSnapshot::ProfileSnapshot(const QString& filePath) : file_(cachedIni(filePath)) {}

QString ProfileSnapshot::value(const QString& section, const QString& key,
                               const QString& defaultValue) const {
    const std::string value = readProfileString(file_.get(), section.toStdString(),
                                                key.toStdString(), defaultValue.toStdString());
    return QString::fromStdString(value);
}

bool ProfileSnapshot::has(const QString& section, const QString& key) const {
    return file_ && file_->value(section.toStdString(), key.toStdString()).has_value();
}

bool isProfileFile(const QString& filePath) {
    return discFileProblem(resolvePath(filePath), ProfileFileLimit).isEmpty();
}

void clearIniCache() {
    QMutexLocker lock(&cacheMutex);
    cache().clear();
}

} // namespace vistrel
