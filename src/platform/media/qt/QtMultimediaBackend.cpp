#include "platform/media/qt/QtMultimediaBackend.h"

#include "platform/log/Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace vistrel {

bool qtMultimediaBackendLoads() {
    QStringList refused;
    for (const QString& path : QCoreApplication::libraryPaths()) {
        const QDir folder(path + QStringLiteral("/multimedia"));
        for (const QString& name : folder.entryList(QDir::Files)) {
            QPluginLoader backend(folder.filePath(name));
            if (backend.load())
                return true;
            refused.append(backend.errorString());
        }
    }
    qCWarning(logMedia).noquote() << "no media framework backend loads:"
                                  << (refused.isEmpty() ? QStringLiteral("none found")
                                                        : refused.join(QStringLiteral("; ")));
    return false;
}

} // namespace vistrel
