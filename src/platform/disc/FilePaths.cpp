#include "platform/disc/FilePaths.h"

#include <QDir>
#include <QFileInfo>

namespace vistrel {

namespace {

QString normaliseSeparators(QString path) {
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool absolute = path.startsWith(QLatin1Char('/'));
    const QStringList names = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return (absolute ? QStringLiteral("/") : QString()) + names.join(QLatin1Char('/'));
}

// The entry of dir whose name equals name without regard to case or Unicode normalization;
// exact match first.
QString matchName(const QString& dir, const QString& name) {
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return name;
    const QString base = dir.isEmpty() ? QStringLiteral(".") : dir;
    if (QFileInfo::exists(base + QLatin1Char('/') + name))
        return name;
    const QStringList entries =
        QDir(base).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (sameDiscName(entry, name))
            return entry;
    }
    return {};
}

} // namespace

bool sameDiscName(const QString& first, const QString& second) {
    // A Mac writes an accent as a character of its own after its letter (decomposed), Windows
    // and Linux editors write the composed letter; both name the same file.
    return first.normalized(QString::NormalizationForm_C)
               .compare(second.normalized(QString::NormalizationForm_C), Qt::CaseInsensitive) == 0;
}

QString joinPath(const QString& base, const QString& relative) {
    return base + QDir::separator() + relative;
}

QString resolvePath(const QString& path) {
    const QString normal = normaliseSeparators(path);
    if (normal.isEmpty() || QFileInfo::exists(normal))
        return normal;
    const bool absolute = normal.startsWith(QLatin1Char('/'));
    const QStringList names = normal.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QString();
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString dir = current.isEmpty() ? QString() : current;
        const QString found =
            matchName(dir == QLatin1String("/") ? QStringLiteral("/") : dir, names[i]);
        if (found.isEmpty()) {
            // Not there: keep the rest as written so messages show a sensible path.
            QStringList rest = names.mid(i);
            return (current.isEmpty() || current.endsWith(QLatin1Char('/'))
                        ? current
                        : current + QLatin1Char('/')) +
                   rest.join(QLatin1Char('/'));
        }
        if (current.isEmpty())
            current = found;
        else if (current.endsWith(QLatin1Char('/')))
            current += found;
        else
            current += QLatin1Char('/') + found;
    }
    return current;
}

bool PathFileExists(const QString& path) {
    if (path.isEmpty())
        return false;
    return QFileInfo::exists(resolvePath(path));
}

bool PathIsDirectory(const QString& path) {
    if (path.isEmpty())
        return false;
    return QFileInfo(resolvePath(path)).isDir();
}

} // namespace vistrel
