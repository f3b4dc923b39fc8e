#pragma once

#include "platform/media/MediaOpenError.h"
#include "platform/media/MediaPlayerControl.h"
#include "platform/common/StackingPlace.h"
#include "platform/media/StallWatch.h"

#include <QMediaPlayer>
#include <QRect>

class QAudioOutput;
class QTimer;
class QVideoWidget;

namespace vistrel {

// The player control over QMediaPlayer, QVideoWidget and QAudioOutput.
//
// The framework opens media asynchronously and has a few habits the callers must not see:
// playing straight after setting the source can stall, errors may arrive more than once and
// leave the player "playing", a missing video decoder is not an error, and stop() can block.
// This class hides them: opening waits (bounded) until the media is loaded or refused, playing
// starts only once it is loaded, a watchdog restarts a silent stall, and every failure turns
// into one clean "nothing loaded" state.
//
// Starting the framework and the video's native window takes longer than painting the whole main
// window, so both wait until a member first needs them (opening a file, the video widget, full
// screen). Until then placement, visibility and the enabled state are remembered and the reads
// answer "nothing loaded"; the video takes its place in the window's stacking order as if it had
// been there from the start.
class QtMediaPlayerControl : public MediaPlayerControl {
    Q_OBJECT
  public:
    explicit QtMediaPlayerControl(QWidget* parent);
    ~QtMediaPlayerControl() override;

    // Whether Qt Multimedia here decodes the disc movie's video format (MPEG-4 Part 2).
    static bool decodesMovieVideo();

    QWidget* widget() override;
    void setFileName(const QString& path) override;
    QString fileName() const override;
    int errorIndicator() const override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    MediaPlayState PlayState() const override;
    void setCurrentPosition(double seconds) override;
    double CurrentPosition() const override;
    double Duration() const override;
    MediaDisplaySize DisplaySize() const override;
    void setDisplaySize(MediaDisplaySize size) override;
    void setGeometry(const QRect& geometry) override;
    QRect geometry() const override;
    void setVisible(bool visible) override;
    bool Visible() const override;
    void setEnabled(bool enabled) override;

    // Error indicator values; 0 means the file was opened.
    using enum MediaOpenError;

    // How long opening waits for the framework before the file is taken as opened.
    static constexpr int OpenTimeoutMs = 5000;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createBackend();
    bool hasBackend() const { return player_ != nullptr; }
    int waitUntilOpened();
    int openResult() const;
    bool isOpen() const;
    void startWhenLoaded();
    void mediaStatusChanged(QMediaPlayer::MediaStatus status);
    void frameworkError(QMediaPlayer::Error error, const QString& text);
    void failLate(const QString& reason);
    void finishPendingStop();
    void watchdogTick();
    void leaveFullScreen();
    void leftFullScreen();
    void updateVideoVisibility();
    void watchChildren();

    QWidget* parent_;
    StackingPlace stackingPlace_;
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* audio_ = nullptr;
    QVideoWidget* video_ = nullptr;
    QTimer* watchdog_;
    QString fileName_;
    int error_ = NoError;
    bool failed_ = false;
    bool opening_ = false;
    bool playWhenLoaded_ = false;
    bool stopPending_ = false;
    StallWatch stallWatch_;
    // Visible as the callers set it; the video itself shows only where there is a picture.
    bool visible_ = true;
    bool enabled_ = true;
    // The placement while there is no video widget; a new child widget starts at this one.
    QRect pendingGeometry_{0, 0, 100, 30};
    // Where the control lies in the window while its video covers the screen.
    QRect normalGeometry_;
};

} // namespace vistrel
