// The module that carries the Qt Multimedia player and probe and links Qt Multimedia (see
// MediaModule.h).
#include "platform/media/EnginePlayer.h"
#include "platform/media/MediaModule.h"
#include "platform/media/qt/QtEngine.h"
#include "platform/media/qt/QtMultimediaBackend.h"

#include <QObject>

namespace vistrel {

class QtMediaModule : public QObject, public MediaPlayerModule, public MediaProbeModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VistrelMediaPlayerModule_iid)
    Q_INTERFACES(vistrel::MediaPlayerModule vistrel::MediaProbeModule)
  public:
    MediaPlayerControl* makePlayer(QWidget* parent) override {
        // Without a backend Qt Multimedia would end the program at the first thing made of it.
        if (!qtMultimediaBackendLoads())
            return nullptr;
        return new EnginePlayer(parent, new QtEngine(parent));
    }
    bool decodesMovieVideo() override { return QtEngine::decodesMovieVideo(); }
    MediaFacts probeMedia(const QString& path, int timeoutMs) override {
        return vistrel::probeMedia(path, timeoutMs);
    }
};

} // namespace vistrel

#include "QtMediaModule.moc"
