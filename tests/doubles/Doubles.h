#pragma once

#include "platform/desktop/Desktop.h"
#include "platform/documents/DocumentView.h"
#include "platform/instance/SingleInstance.h"
#include "platform/messages/MessageBoxes.h"
#include "platform/process/ProgramEnd.h"
#include "platform/settings/Registry.h"

#include <QMap>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <utility>

namespace vistrel::test {

// A registry held in memory; values are keyed by root, key path (without case) and name.
class FakeRegistry : public Registry {
  public:
    RegistryValue ReadRegistryValue(RegistryRoot root, const QString& keyPath,
                                    const QString& valueName) override;
    void WriteRegistryValue(RegistryRoot root, const QString& keyPath, const QString& valueName,
                            const RegistryValue& value) override;
    void set(RegistryRoot root, const QString& keyPath, const QString& valueName,
             const RegistryValue& value);

    QStringList reads;  // "key\name" in the order read
    QStringList writes; // "key\name=value"

  private:
    static QString slot(RegistryRoot root, const QString& keyPath, const QString& valueName);
    QMap<QString, RegistryValue> values_;
};

struct RecordedMessage {
    QString title;
    QString text;
};

class RecordingMessageBoxes : public MessageBoxes {
  public:
    QList<RecordedMessage> shown;
    QStringList texts() const;

  protected:
    void present(const QString& title, const QString& text) override;
};

// Records the end instead of ending the process; the code under test returns right after.
class RecordingProgramEnd : public ProgramEnd {
  public:
    bool ended = false;
    int exitCode = -1;
    int count = 0;
    QString reason;

  protected:
    void terminate(const QString& why, int code) override;
};

class RecordingDesktop : public Desktop {
  public:
    struct Start {
        QString program;
        QStringList arguments;
    };
    QList<Start> started;
    QStringList foldersOpened;
    // When set, every folder fails to open for this reason.
    QString folderFailure;
    QStringList filesOpened;
    QList<QUrl> urlsOpened;
    bool refuseStarts = false;
    // Called at each start, before it is recorded: lets a test see the state at that moment.
    std::function<void(const Start&)> onStart;

  protected:
    bool doStartProgram(const QString& program, const QStringList& arguments) override;
    void doOpenFolder(const QString& path, NotOpened notOpened) override;
    void doOpenFile(const QString& path, NotOpened notOpened) override;
    void doOpenUrl(const QUrl& url) override;
};

class FakeSingleInstance : public SingleInstance {
  public:
    bool otherRunning = false;
    bool activatedOther = false;
    bool listening = false;
    std::function<void()> onActivate;

    bool activateRunningInstance() override;
    void becomeRunningInstance(std::function<void()> activate) override;
};

class FakeDocumentView : public DocumentView {
    Q_OBJECT
  public:
    explicit FakeDocumentView(QWidget* parent);

    QWidget* widget() override { return area_; }
    void Navigate(const QString& path) override;
    void setVisible(bool visible) override;
    bool Visible() const override { return visible_; }
    void setGeometry(int left, int top, int width, int height) override;
    void setAccessibleName(const QString& name) override { area_->setAccessibleName(name); }

    QStringList calls;
    QStringList navigated;

  private:
    QWidget* area_;
    bool visible_ = true;
};

} // namespace vistrel::test
