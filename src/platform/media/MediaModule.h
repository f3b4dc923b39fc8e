#pragma once

#include "platform/media/MediaProbe.h"

#include <QtPlugin>

class QWidget;

namespace vistrel {

class MediaPlayerControl;

// A media framework's player, loaded from a module of its own on first need: its libraries
// (GStreamer, Qt Multimedia and the sound and codec libraries behind them) are most of what the
// program would otherwise load before its window shows.
class MediaPlayerModule {
  public:
    virtual ~MediaPlayerModule() = default;
    virtual MediaPlayerControl* makePlayer(QWidget* parent) = 0;
    // Whether the framework decodes the disc movie's video format (MPEG-4 Part 2) by itself.
    virtual bool decodesMovieVideo() = 0;
};

// The framework's view of a media file without playing it, for the disc check.
class MediaProbeModule {
  public:
    virtual ~MediaProbeModule() = default;
    virtual MediaFacts probeMedia(const QString& path, int timeoutMs) = 0;
};

} // namespace vistrel

#define VistrelMediaPlayerModule_iid "org.nordquill.vistrel.MediaPlayerModule/1"
#define VistrelMediaProbeModule_iid "org.nordquill.vistrel.MediaProbeModule/1"
Q_DECLARE_INTERFACE(vistrel::MediaPlayerModule, VistrelMediaPlayerModule_iid)
Q_DECLARE_INTERFACE(vistrel::MediaProbeModule, VistrelMediaProbeModule_iid)
