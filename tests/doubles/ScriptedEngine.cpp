#include "doubles/ScriptedEngine.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>

namespace vistrel::test {

using Kind = EngineEvent::Kind;

ScriptedEngine::ScriptedEngine(QWidget* parent)
    : MediaEngine(parent), area_(new QWidget(parent)), end_(new QTimer(this)) {
    area_->setObjectName("scriptedVideo");
    end_->setSingleShot(true);
    connect(end_, &QTimer::timeout, this, [this] {
        startMs_ = durationMs;
        state_ = State::Paused;
        say(Kind::Ended);
    });
}

void ScriptedEngine::say(Kind kind, const QString& text) {
    emit happened({kind, text});
}

void ScriptedEngine::sayLater(Kind kind, const QString& text) {
    QTimer::singleShot(0, this, [this, kind, text, which = generation_] {
        if (which == generation_)
            say(kind, text);
    });
}

void ScriptedEngine::make(const QString& file) {
    ++generation_;
    end_->stop();
    file_ = file;
    state_ = State::Null;
    startMs_ = 0;
    durationKnown_ = false;
    requests.append("Make=" + QFileInfo(file).fileName());
    if (file.isEmpty())
        return;
    sayLater(Kind::Made);
}

// What a framework says once its pipeline is ready, again after each trip through Null.
void ScriptedEngine::leftNull() {
    switch (answers.value(QFileInfo(file_).fileName(), Answer::Prerolls)) {
    case Answer::Silent:
        return;
    case Answer::RefusesForWantOfADecoder:
        sayLater(Kind::VideoFound);
        sayLater(Kind::DecoderMissing, "video/x-scripted");
        [[fallthrough]];
    case Answer::Refuses:
        sayLater(Kind::Error, "scripted refusal");
        return;
    case Answer::LacksVideoDecoder:
        sayLater(Kind::DecoderMissing, "video/x-scripted");
        break;
    case Answer::Prerolls:
        if (video)
            sayLater(Kind::VideoFound);
        break;
    }
    QTimer::singleShot(0, this, [this, which = generation_] {
        if (which != generation_)
            return;
        durationKnown_ = true;
        say(Kind::DurationKnown);
        say(Kind::Prerolled);
    });
}

void ScriptedEngine::changeState(State state) {
    requests.append(state == State::Null ? "Null" : state == State::Paused ? "Paused" : "Playing");
    if (file_.isEmpty())
        return;
    qint64 now = 0;
    position(now);
    const bool leaving = state_ == State::Null && state != State::Null;
    startMs_ = state == State::Null ? 0 : now;
    state_ = state;
    if (leaving)
        leftNull();
    runClock();
}

void ScriptedEngine::seek(qint64 ms) {
    requests.append(QString("Seek=%1").arg(ms));
    startMs_ = std::clamp<qint64>(ms, 0, durationMs);
    runClock();
}

// Playing, the film runs on from where it stood and ends on its own.
void ScriptedEngine::runClock() {
    end_->stop();
    clock_.start();
    if (state_ == State::Playing && tellsTheEnd)
        end_->start(int(durationMs - startMs_));
}

bool ScriptedEngine::position(qint64& ms) const {
    ms = startMs_;
    if (state_ == State::Playing)
        ms = startMs_ + clock_.elapsed();
    if (tellsTheEnd)
        ms = std::min(ms, durationMs);
    return !file_.isEmpty();
}

void ScriptedEngine::place(const VideoPlacement& p) {
    placement = p;
    area_->setGeometry(p.fullScreen ? area_->geometry() : p.placedArea());
    area_->setVisible(p.shown);
}

void ScriptedEngine::failNow(int reports) {
    for (int i = 0; i < reports; ++i)
        say(Kind::Error, "scripted failure");
}

void ScriptedEngine::pressEscapeInFullScreen() {
    if (!placement.fullScreen)
        return;
    placement.fullScreen = false;
    emit fullScreenLeft();
}

EnginePlayer* makeScriptedPlayer(QWidget* parent, ScriptedEngine** engine) {
    auto* scripted = new ScriptedEngine(parent);
    if (engine)
        *engine = scripted;
    return new EnginePlayer(parent, scripted);
}

} // namespace vistrel::test
