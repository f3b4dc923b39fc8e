#pragma once

#include "platform/media/MediaOpenError.h"
#include "platform/media/MediaPlayerControl.h"
#include "platform/media/OpenPhase.h"
#include "platform/media/PlaybackWatchdog.h"
#include "platform/media/qt/QtVideoWindow.h"

#include <QMediaPlayer>
#include <QRect>

class QAudioOutput;
class QTimer;

namespace vistrel {

// The player control over QMediaPlayer, QVideoWidget and QAudioOutput.
//
// The framework opens media asynchronously and has a few habits the callers must not see:
// playing straight after setting the source can stall, errors may arrive more than once and
// leave the player "playing", a missing video decoder is not an error, and stop() can block.
// This class hides them: the verdict on opening comes once the media is loaded or refused (or
// the wait is over), playing starts only once it is loaded, a watchdog restarts a silent stall,
// and every failure turns into one clean "nothing loaded" state.
//
// Starting the framework and the video's native window takes longer than painting the whole main
// window, so both wait until a member first needs them (opening a file, the video widget, full
// screen). Until then the placement is remembered and the reads answer "nothing loaded"; the video
// takes its place in the window's stacking order as if it had been there from the start.
class QtMediaPlayerControl : public MediaPlayerControl {
    Q_OBJECT
  public:
    explicit QtMediaPlayerControl(QWidget* parent);
    ~QtMediaPlayerControl() override;

    // Whether Qt Multimedia here decodes the disc movie's video format (MPEG-4 Part 2).
    static bool decodesMovieVideo();

    QWidget* widget() override;
    void open(const QString& path) override;
    QString fileName() const override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    MediaPlayState PlayState() const override;
    void setCurrentPosition(double seconds) override;
    double CurrentPosition() const override;
    double Duration() const override;
    void place(const VideoPlacement& placement) override;

    // How long opening waits for the framework before the file is taken as opened.
    static constexpr int OpenTimeoutMs = 5000;

  private:
    void createBackend();
    bool hasBackend() const { return player_ != nullptr; }
    void finishOpening();
    MediaOpenError openResult() const;
    bool isOpen() const { return phase_->isOpen(); }
    void startWhenLoaded();
    void mediaStatusChanged(QMediaPlayer::MediaStatus status);
    void frameworkError(QMediaPlayer::Error error, const QString& text);
    void failLate(const QString& reason);
    void finishPendingStop();
    StallWatch::Motion motion(qint64& positionMs) const;
    void updateVideoVisibility();

    QtVideoWindow* window_;
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* audio_ = nullptr;
    OpenPhase* phase_;
    PlaybackWatchdog* watchdog_;
    // No backend of the framework loads: nothing of it is made, and every file is refused.
    bool frameworkMissing_ = false;
    bool playWhenLoaded_ = false;
    bool stopPending_ = false;
};

} // namespace vistrel
