#pragma once

#include "app/Services.h"
#include "app/check/DiscFindings.h"
#include "app/preview/PreviewInstance.h"
#include "app/preview/SaveSettle.h"
#include "platform/media/MediaProbe.h"
#include "platform/watch/FolderStamps.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>

namespace vistrel {

class Application;
class TrialMessageBoxes;
class TrialProgramEnd;

// vistrel --preview: the window follows the disc folder as its author saves. Each settled save
// makes a new window on trial, at the old one's place and going on with what it played; a new
// window that shows replaces the old one, one that would end the program is dropped with its
// reason on the terminal. --check's findings that changed follow on the terminal.
class Preview : public QObject {
    Q_OBJECT
  public:
    // How often the folder is looked at: a save shows within half a second.
    static constexpr int LookEveryMs = 50;

    Preview(Services services, QString disc, MediaProber probe);
    ~Preview() override;

    // The first window, as a plain start makes it (a disc that does not start ends the program
    // here too); then the folder is followed. False when the program has been ended.
    bool start();

  private:
    struct Window;

    Services servicesFor(MessageBoxes& boxes, ProgramEnd& end);
    void look();
    bool savedPicturesWhole() const;
    void reload();
    std::unique_ptr<Window> tryWindow(const QStringList& saved);
    void followWindow();
    void reportFindings();

    Services services_;
    PreviewInstance instance_;
    QString disc_;
    MediaProber probe_;
    std::unique_ptr<Window> window_;
    FolderStamps stamps_;
    QStringList saved_;
    SaveSettle settle_;
    QElapsedTimer clock_;
    QTimer looks_;
    Findings findings_;
};

} // namespace vistrel
