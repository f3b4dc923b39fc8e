// The module that carries the Qt Multimedia player and probe and links Qt Multimedia (see
// MediaModule.h).
#include "platform/media/MediaModule.h"
#include "platform/media/qt/QtMediaPlayerControl.h"

#include <QObject>

namespace vistrel {

class QtMediaModule : public QObject, public MediaPlayerModule, public MediaProbeModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VistrelMediaPlayerModule_iid)
    Q_INTERFACES(vistrel::MediaPlayerModule vistrel::MediaProbeModule)
  public:
    MediaPlayerControl* makePlayer(QWidget* parent) override {
        return new QtMediaPlayerControl(parent);
    }
    bool decodesMovieVideo() override { return QtMediaPlayerControl::decodesMovieVideo(); }
    MediaFacts probeMedia(const QString& path, int timeoutMs) override {
        return vistrel::probeMedia(path, timeoutMs);
    }
};

} // namespace vistrel

#include "QtMediaModule.moc"
