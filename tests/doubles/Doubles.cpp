#include "doubles/Doubles.h"

#include <QTimer>

namespace vistrel::test {

QString FakeRegistry::slot(RegistryRoot root, const QString& keyPath, const QString& valueName) {
    return QString(root == RegistryRoot::CurrentUser ? "HKCU\\" : "HKLM\\") + keyPath.toLower() +
           "\\" + valueName.toLower();
}

RegistryValue FakeRegistry::ReadRegistryValue(RegistryRoot root, const QString& keyPath,
                                              const QString& valueName) {
    reads.append(keyPath + "\\" + valueName);
    const auto it = values_.find(slot(root, keyPath, valueName));
    return it == values_.end() ? RegistryValue{} : *it;
}

void FakeRegistry::WriteRegistryValue(RegistryRoot root, const QString& keyPath,
                                      const QString& valueName, const RegistryValue& value) {
    writes.append(keyPath + "\\" + valueName + "=" + value.toText());
    set(root, keyPath, valueName, value);
}

void FakeRegistry::set(RegistryRoot root, const QString& keyPath, const QString& valueName,
                       const RegistryValue& value) {
    values_.insert(slot(root, keyPath, valueName), value);
}

QStringList RecordingMessageBoxes::texts() const {
    QStringList result;
    for (const auto& message : shown)
        result.append(message.text);
    return result;
}

void RecordingMessageBoxes::present(const QString& title, const QString& text) {
    shown.append({title, text});
}

void RecordingProgramEnd::terminate(int code) {
    ended = true;
    exitCode = code;
    ++count;
}

bool RecordingDesktop::doStartProgram(const QString& program, const QStringList& arguments) {
    const Start start{program, arguments};
    if (onStart)
        onStart(start);
    started.append(start);
    return !refuseStarts;
}

void RecordingDesktop::doOpenFolder(const QString& path, NotOpened notOpened) {
    foldersOpened.append(path);
    if (!folderFailure.isEmpty())
        notOpened(folderFailure);
}

void RecordingDesktop::doOpenFile(const QString& path, NotOpened) {
    filesOpened.append(path);
}
void RecordingDesktop::doOpenUrl(const QUrl& url) {
    urlsOpened.append(url);
}

bool FakeSingleInstance::activateRunningInstance() {
    activatedOther = otherRunning;
    return otherRunning;
}

void FakeSingleInstance::becomeRunningInstance(std::function<void()> activate) {
    listening = true;
    onActivate = std::move(activate);
}

FakeMediaPlayerControl::FakeMediaPlayerControl(QWidget* parent)
    : MediaPlayerControl(parent), area_(new QWidget(parent)) {
    area_->setObjectName("fakeVideo");
}

// As every player: the verdict comes from the event loop, and nothing is loaded until then.
void FakeMediaPlayerControl::open(const QString& path) {
    calls.append("Open=" + path);
    fileName_.clear();
    playState = MediaPlayState::Stopped;
    const unsigned file = ++opening_;
    if (path.isEmpty())
        return;
    QTimer::singleShot(0, this, [this, path, file] {
        if (file != opening_)
            return;
        if (failOpen != NoError) {
            emit failed(failOpen, "refused");
            return;
        }
        fileName_ = path;
        emit opened({duration, true});
    });
}

void FakeMediaPlayerControl::failLater() {
    fileName_.clear();
    playState = MediaPlayState::Stopped;
    emit failed(Undecodable, "failed later");
}

void FakeMediaPlayerControl::Play() {
    calls.append("Play");
    if (!fileName_.isEmpty())
        playState = MediaPlayState::Playing;
}

// A loaded file pauses, stopped or playing, as the real players do.
void FakeMediaPlayerControl::Pause() {
    calls.append("Pause");
    if (!fileName_.isEmpty())
        playState = MediaPlayState::Paused;
}

void FakeMediaPlayerControl::Stop() {
    calls.append("Stop");
    playState = MediaPlayState::Stopped;
}

MediaPlayState FakeMediaPlayerControl::PlayState() const {
    return playState;
}

void FakeMediaPlayerControl::setCurrentPosition(double seconds) {
    calls.append(QString("CurrentPosition=%1").arg(seconds));
    position = seconds;
}

void FakeMediaPlayerControl::place(const VideoPlacement& p) {
    placement = p;
    area_->setGeometry(p.fullScreen ? area_->geometry() : p.placedArea());
    area_->setVisible(p.shown);
}

void FakeMediaPlayerControl::pressEscapeInFullScreen() {
    if (!placement.fullScreen)
        return;
    placement.fullScreen = false;
    emit fullScreenLeft();
}

FakeDocumentView::FakeDocumentView(QWidget* parent)
    : DocumentView(parent), area_(new QWidget(parent)) {
    area_->setObjectName("fakeDocument");
}

void FakeDocumentView::Navigate(const QString& path) {
    calls.append("Navigate=" + path);
    navigated.append(path);
}

void FakeDocumentView::setVisible(bool visible) {
    calls.append(QString("Visible=%1").arg(visible));
    visible_ = visible;
    area_->setVisible(visible);
}

void FakeDocumentView::setGeometry(int left, int top, int width, int height) {
    calls.append(QString("Geometry=%1,%2,%3,%4").arg(left).arg(top).arg(width).arg(height));
    area_->setGeometry(left, top, width, height);
}

} // namespace vistrel::test
