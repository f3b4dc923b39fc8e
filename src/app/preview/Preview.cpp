#include "app/preview/Preview.h"

#include "app/Application.h"
#include "app/check/DiscCheck.h"
#include "app/preview/FindingsChange.h"
#include "platform/log/Terminal.h"
#include "platform/messages/TrialMessageBoxes.h"
#include "platform/process/TrialProgramEnd.h"
#include "skin/PictureFile.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>

#include <optional>

// The preview's own events; only this file tells them.
Q_LOGGING_CATEGORY(logPreview, "vistrel.preview", QtWarningMsg)

namespace vistrel {

// One window and the ends and messages it was given: a reloaded window's are on trial until it
// shows. The application goes first, before what it was given.
struct Preview::Window {
    std::unique_ptr<TrialProgramEnd> end;
    std::unique_ptr<TrialMessageBoxes> boxes;
    std::unique_ptr<Application> app;
};

namespace {

// The codec test's answer is asked by every window; the test itself answers once.
std::function<bool()> answeredOnce(std::function<bool()> ask) {
    if (!ask)
        return ask;
    auto answer = std::make_shared<std::optional<bool>>();
    return [ask = std::move(ask), answer] {
        if (!*answer)
            *answer = ask();
        return **answer;
    };
}

// The media framework's word on a file is asked again only when the file changed: the film is
// the disc's largest file and the slowest to judge.
MediaProber probedOnce(MediaProber probe) {
    auto known = std::make_shared<QHash<QString, MediaFacts>>();
    return [probe = std::move(probe), known](const QString& path, int timeoutMs) {
        const QFileInfo file(path);
        const QString key = QStringLiteral("%1|%2|%3")
                                .arg(path, QString::number(file.size()),
                                     QString::number(file.lastModified().toMSecsSinceEpoch()));
        const auto found = known->constFind(key);
        return found != known->constEnd() ? *found : *known->insert(key, probe(path, timeoutMs));
    };
}

// The first few files saved, and how many more: a copied skin is hundreds of files.
QString savedNames(const QStringList& saved) {
    constexpr qsizetype Named = 4;
    QString names = saved.mid(0, Named).join(", ");
    if (saved.size() > Named)
        names += QStringLiteral(" and %1 more").arg(saved.size() - Named);
    return names;
}

} // namespace

Preview::Preview(Services services, QString disc, MediaProber probe)
    : services_(std::move(services)), instance_(services_.singleInstance), disc_(std::move(disc)),
      probe_(probedOnce(std::move(probe))) {
    services_.frameworkDecodesMovieVideo = answeredOnce(services_.frameworkDecodesMovieVideo);
    connect(&looks_, &QTimer::timeout, this, &Preview::look);
}

Preview::~Preview() = default;

Services Preview::servicesFor(MessageBoxes& boxes, ProgramEnd& end) {
    return Services{services_.registry,
                    boxes,
                    end,
                    services_.desktop,
                    instance_,
                    services_.makePlayer,
                    services_.makeDocument,
                    services_.frameworkDecodesMovieVideo};
}

bool Preview::start() {
    sayOnTerminal("previewing " + QDir::toNativeSeparators(disc_));
    window_ = std::make_unique<Window>();
    window_->app =
        std::make_unique<Application>(servicesFor(services_.messages, services_.programEnd));
    if (!window_->app->Main(disc_))
        return false;
    instance_.acceptOffered();
    followWindow();
    stamps_ = stampFolder(disc_);
    clock_.start();
    looks_.start(LookEveryMs);
    return true;
}

void Preview::look() {
    FolderStamps now = stampFolder(disc_);
    const QStringList changed = changedFiles(stamps_, now);
    stamps_ = std::move(now);
    for (const QString& file : changed)
        if (!saved_.contains(file))
            saved_.append(file);
    if (!settle_.reloadNow(clock_.elapsed(), !changed.isEmpty(), savedPicturesWhole()))
        return;
    // A reload under an open menu or message box would take it away in the author's hand.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        settle_.postpone();
        return;
    }
    reload();
}

bool Preview::savedPicturesWhole() const {
    for (const QString& file : saved_)
        if (file.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) &&
            !pictureFileWhole(QDir(disc_).filePath(file)))
            return false;
    return true;
}

void Preview::reload() {
    const QStringList saved = std::exchange(saved_, {});
    sayOnTerminal("saved: " + savedNames(saved));
    QElapsedTimer took;
    took.start();
    std::unique_ptr<Window> next = tryWindow(saved);
    // The check says what the disc lacks now, at once since no new frame will come.
    if (!next) {
        reportFindings();
        return;
    }
    next->end->accept();
    next->boxes->accept();
    instance_.acceptOffered();
    window_ = std::move(next);
    qCInfo(logPreview) << "window replaced in" << took.elapsed() << "ms";
    followWindow();
}

// A new window at the old one's place, going on with what the old one played unless that file
// was saved. Nothing when the disc would not start as it is now.
std::unique_ptr<Preview::Window> Preview::tryWindow(const QStringList& saved) {
    auto next = std::make_unique<Window>();
    next->end = std::make_unique<TrialProgramEnd>(services_.programEnd);
    next->boxes = std::make_unique<TrialMessageBoxes>(services_.messages);
    next->app = std::make_unique<Application>(servicesFor(*next->boxes, *next->end));
    const Application& old = *window_->app;
    next->app->placeAt(old.window()->pos());
    const PlayingMoment moment = old.playingMoment();
    if (!saved.contains(QDir(disc_).relativeFilePath(moment.file)))
        next->app->goOnFrom(moment);
    if (next->app->Main(disc_))
        return next;
    sayOnTerminal("kept the last window: " + next->end->refusal());
    return nullptr;
}

// The disc is checked once the window's frame is on the screen, so that the check never holds
// the reload the author waits for.
void Preview::followWindow() {
    connect(window_->app->window(), &MainDialog::firstFramePainted, this, &Preview::reportFindings,
            Qt::SingleShotConnection);
}

void Preview::reportFindings() {
    Findings now = checkDisc(disc_, probe_);
    for (const QString& line : findingsChange(findings_, now))
        sayOnTerminal(line);
    findings_ = std::move(now);
}

} // namespace vistrel
