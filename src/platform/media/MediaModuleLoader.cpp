#include "platform/media/MediaModuleLoader.h"

#include "platform/log/Log.h"
#include "platform/process/LowerPriority.h"
#include "platform/process/ProgramFolder.h"

#include <QPluginLoader>

#ifndef VISTREL_MODULE_DIR
#define VISTREL_MODULE_DIR "."
#endif

namespace vistrel {

namespace {

#ifdef Q_OS_WIN
constexpr const char* ModuleSuffix = ".dll";
#else
constexpr const char* ModuleSuffix = ".so";
#endif

// Where it is not found, the plain name leaves the search to the system's library paths.
QString moduleFile(const QString& name) {
    const QString file = QStringLiteral("libvistrel-media-%1%2").arg(name, ModuleSuffix);
    const std::string found = besideProgram(file.toStdString(), {VISTREL_MODULE_DIR});
    return found.empty() ? file : QString::fromStdString(found);
}

} // namespace

QObject* loadMediaModule(const QString& name) {
    // The loader is kept: unloading a module whose objects still live would pull their code away.
    static QHash<QString, QPluginLoader*> loaders;
    QPluginLoader*& loader = loaders[name];
    if (!loader) {
        loader = new QPluginLoader(moduleFile(name));
        qCDebug(logMedia).noquote() << "loading the media module" << loader->fileName();
        // The movie starts right after the window's first frame is painted; linking the media
        // libraries must not hold that frame back from the screen.
        runAtLowerPriority([loader] { loader->load(); });
    }
    QObject* instance = loader->instance();
    if (!instance)
        qCWarning(logMedia).noquote()
            << "the media module" << name << "does not load:" << loader->errorString();
    return instance;
}

} // namespace vistrel
