#pragma once

#include "platform/MediaPlayerControl.h"

class QAudioOutput;
class QMediaPlayer;
class QVideoWidget;

namespace vistrel {

// The player control over QMediaPlayer, QVideoWidget and QAudioOutput.
class QtMediaPlayerControl : public MediaPlayerControl {
    Q_OBJECT
public:
    explicit QtMediaPlayerControl(QWidget* parent);
    ~QtMediaPlayerControl() override;

    QWidget* widget() override;
    void setFileName(const QString& path) override;
    QString fileName() const override;
    int errorIndicator() const override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    int PlayState() const override;
    void setCurrentPosition(double seconds) override;
    double CurrentPosition() const override;
    double Duration() const override;
    int DisplaySize() const override;
    void setDisplaySize(int size) override;
    void setLeft(int left) override;
    void setTop(int top) override;
    void setWidth(int width) override;
    void setHeight(int height) override;
    int Left() const override;
    int Top() const override;
    int Width() const override;
    int Height() const override;
    void setVisible(bool visible) override;
    bool Visible() const override;
    void setEnabled(bool enabled) override;

private:
    QMediaPlayer* player_;
    QAudioOutput* audio_;
    QVideoWidget* video_;
    QString fileName_;
    int error_ = 0;
};

} // namespace vistrel
