#pragma once

#include "platform/media/MediaEngine.h"

#include <QElapsedTimer>
#include <QMediaPlayer>

class QAudioOutput;

namespace vistrel {

class QtVideoWindow;

// Qt Multimedia as an engine: QMediaPlayer, QVideoWidget and QAudioOutput. The framework has
// habits the player must not see, and this class takes them in: playing (or pausing) before the
// media is loaded can stall, so a state is taken once it is; stop() can block, so the picture and
// sound halt at once and the stop itself runs from the event loop; a missing video decoder is not
// an error, so it is said from what the framework reads of the file; and a stop keeps the media
// loaded, so leaving it counts as a new preroll, as it would for a pipeline. Its FFmpeg backend
// may tell an end that its threads saw before a seek, after the Play that followed it; such an
// end comes sooner than the rest of the film could have played, and is played through.
// Make it only where a backend of the framework loads (qtMultimediaBackendLoads()).
class QtEngine : public MediaEngine {
    Q_OBJECT
  public:
    explicit QtEngine(QWidget* parent);
    ~QtEngine() override;

    // Whether Qt Multimedia here decodes the disc movie's video format (MPEG-4 Part 2).
    static bool decodesMovieVideo();

    void make(const QString& file) override;
    void changeState(State state) override;
    void restart() override;
    void seek(qint64 ms) override;
    bool position(qint64& ms) const override;
    qint64 duration() const override { return player_->duration(); }
    QWidget* widget() override;
    void place(const VideoPlacement& placement) override;
    void setHasPicture(bool hasPicture) override;

  private:
    // How far the framework has followed: down (stopped, or loading since make()), a stop due,
    // or up (loaded, following what is asked; its preroll said).
    enum class Taken { Down, StopDue, Up };

    void takeAskedSoon();
    void takeAsked();
    void play();
    void playedFrom(qint64 ms);
    bool endIsStale() const;
    void statusChanged(QMediaPlayer::MediaStatus status);
    void frameworkError(QMediaPlayer::Error error, const QString& text);
    void say(EngineEvent::Kind kind, const QString& text = {});

    QtVideoWindow* window_;
    QMediaPlayer* player_;
    QAudioOutput* audio_;
    State asked_ = State::Null;
    Taken taken_ = Taken::Down;
    // Where the last Play started, and since when it plays.
    qint64 playedFromMs_ = 0;
    QElapsedTimer playingFor_;
    // Counts files, so that nothing pending for one dropped runs.
    unsigned generation_ = 0;
};

} // namespace vistrel
