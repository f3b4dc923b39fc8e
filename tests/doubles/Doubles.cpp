#include "doubles/Doubles.h"

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

void RecordingProgramEnd::terminate(const QString& why, int code) {
    ended = true;
    reason = why;
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
