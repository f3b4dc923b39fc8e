// The module that carries the GStreamer player and links GStreamer (see MediaModule.h).
#include "platform/media/EnginePlayer.h"
#include "platform/media/MediaModule.h"
#include "platform/media/gst/GstDecoders.h"
#include "platform/media/gst/GstEngine.h"
#include "platform/media/gst/GstMediaProbe.h"

#include <QObject>

namespace vistrel {

class GstMediaModule : public QObject, public MediaPlayerModule, public MediaProbeModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VistrelMediaPlayerModule_iid)
    Q_INTERFACES(vistrel::MediaPlayerModule vistrel::MediaProbeModule)
  public:
    MediaPlayerControl* makePlayer(QWidget* parent) override {
        return new EnginePlayer(parent, new GstEngine(parent));
    }
    bool decodesMovieVideo() override { return gstreamerDecodesMpeg4Video(); }
    MediaFacts probeMedia(const QString& path, int timeoutMs) override {
        return probeMediaWithGstreamer(path, timeoutMs);
    }
};

} // namespace vistrel

#include "GstMediaModule.moc"
