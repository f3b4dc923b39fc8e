// The GStreamer player's life as a table of transitions: each row reaches a state by the events
// that lead there from nothing, sends one more event, and reads where the life is then and what
// the pipeline is asked.
#include "platform/media/gst/PlayerLife.h"

#include <QtTest>

using namespace vistrel;

using State = PlayerLife::State;
using Ask = PlayerLife::Ask;

namespace {

// The ways into each state from a player with nothing loaded.
const QMap<QString, QString> Ways = {
    {"Closed", ""},
    {"Opening", "open"},
    {"OpeningPrerolled", "open prerolled"},
    {"Loading", "open opened"},
    {"Ready", "open prerolled opened"},
    {"Starting", "open opened play"},
    {"Playing", "open prerolled opened play"},
    {"PausedLoading", "open opened pause"},
    {"Paused", "open prerolled opened pause"},
    {"Stopped", "open prerolled opened play stop"},
    {"Ended", "open prerolled opened play ended"},
    {"PausedAtEnd", "open prerolled opened play ended pause"},
};

PlayerLife::Step send(PlayerLife& life, const QString& event) {
    if (event == "open")
        return life.open(true);
    if (event == "none")
        return life.open(false);
    if (event == "opened")
        return life.opened();
    if (event == "failed")
        return life.failed();
    if (event == "prerolled")
        return life.prerolled();
    if (event == "play")
        return life.play();
    if (event == "pause")
        return life.pause();
    if (event == "stop")
        return life.stop();
    if (event.startsWith("seek"))
        return life.seek(event.mid(4).toLongLong());
    if (event == "ended")
        return life.ended();
    qFatal("unknown event %s", qPrintable(event));
}

// Runs the events (the way into a state first) and gives the last step.
PlayerLife::Step run(PlayerLife& life, const QString& events) {
    PlayerLife::Step last;
    for (const QString& event : events.split(' ', Qt::SkipEmptyParts))
        last = send(life, event);
    return last;
}

State stateNamed(const QString& name) {
    return State(QMetaEnum::fromType<State>().keyToValue(name.toLatin1()));
}

} // namespace

class TestPlayerLife : public QObject {
    Q_OBJECT

  private slots:
    void theWaysLeadWhereTheySay() {
        for (auto way = Ways.begin(); way != Ways.end(); ++way) {
            PlayerLife life;
            run(life, way.value());
            QVERIFY2(life.state() == stateNamed(way.key()), qPrintable(way.key()));
        }
    }

    void transitions_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<Ask>("ask");
        QTest::addColumn<qint64>("seek");
        auto row = [](const char* from, const char* event, const char* to, bool taken,
                      Ask ask = Ask::Nothing, qint64 seek = -1) {
            QTest::addRow("%s + %s", from, event) << from << event << to << taken << ask << seek;
        };
        // Opening: a file named asks for a preroll; none names nothing.
        row("Closed", "open", "Opening", true, Ask::Pause);
        row("Playing", "open", "Opening", true, Ask::Pause);
        row("Playing", "none", "Closed", true);
        row("Opening", "prerolled", "OpeningPrerolled", true);
        row("OpeningPrerolled", "prerolled", "OpeningPrerolled", false);
        row("Opening", "opened", "Loading", true);
        row("OpeningPrerolled", "opened", "Ready", true);
        row("Opening", "failed", "Closed", true);
        // Nothing moves the transport while the verdict is out or after a failure.
        for (const char* from : {"Closed", "Opening", "OpeningPrerolled"}) {
            row(from, "play", from, false);
            row(from, "pause", from, false);
            row(from, "stop", from, false);
            row(from, "seek5000", from, false);
        }
        row("Closed", "failed", "Closed", false);
        row("Closed", "ended", "Closed", false);
        // Play: from the end it starts over.
        row("Ready", "play", "Playing", true, Ask::Play);
        row("Loading", "play", "Starting", true, Ask::Play);
        row("Paused", "play", "Playing", true, Ask::Play);
        row("PausedLoading", "play", "Starting", true, Ask::Play);
        row("Playing", "play", "Playing", true, Ask::Play);
        row("Stopped", "play", "Starting", true, Ask::Play);
        row("Ended", "play", "Playing", true, Ask::Play, 0);
        row("PausedAtEnd", "play", "Playing", true, Ask::Play, 0);
        // Pause: not once the pipeline is going down.
        row("Ready", "pause", "Paused", true, Ask::Pause);
        row("Playing", "pause", "Paused", true, Ask::Pause);
        row("Starting", "pause", "PausedLoading", true, Ask::Pause);
        row("Ended", "pause", "PausedAtEnd", true, Ask::Pause);
        row("Stopped", "pause", "Stopped", false);
        // Stop: only what was asked to play or pause.
        row("Playing", "stop", "Stopped", true, Ask::Stop);
        row("Starting", "stop", "Stopped", true, Ask::Stop);
        row("Paused", "stop", "Stopped", true, Ask::Stop);
        row("PausedLoading", "stop", "Stopped", true, Ask::Stop);
        row("PausedAtEnd", "stop", "Stopped", true, Ask::Stop);
        for (const char* from : {"Ready", "Loading", "Stopped", "Ended"})
            row(from, "stop", from, false);
        // The first preroll after leaving NULL loads; one from before Stop does not.
        row("Loading", "prerolled", "Ready", true);
        row("Starting", "prerolled", "Playing", true);
        row("PausedLoading", "prerolled", "Paused", true);
        row("Stopped", "prerolled", "Stopped", false);
        row("Playing", "prerolled", "Playing", false);
        // A place: now when loaded (away from the end), else kept for the preroll.
        row("Playing", "seek5000", "Playing", true, Ask::Nothing, 5000);
        row("Ended", "seek0", "Ready", true, Ask::Nothing, 0);
        row("PausedAtEnd", "seek5000", "Paused", true, Ask::Nothing, 5000);
        row("Stopped", "seek5000", "Stopped", false);
        row("Starting", "seek5000", "Starting", false);
        // The end pauses there; none comes through while the pipeline goes down.
        row("Playing", "ended", "Ended", true, Ask::Pause);
        row("Paused", "ended", "Ended", true, Ask::Pause);
        row("Stopped", "ended", "Stopped", false);
        // A failure after the open counts once.
        row("Playing", "failed", "Closed", true);
        row("Stopped", "failed", "Closed", true);
    }

    void transitions() {
        QFETCH(QString, from);
        QFETCH(QString, event);
        QFETCH(QString, to);
        QFETCH(bool, taken);
        QFETCH(Ask, ask);
        QFETCH(qint64, seek);
        PlayerLife life;
        run(life, Ways.value(from));
        const PlayerLife::Step step = send(life, event);
        QCOMPARE(life.state(), stateNamed(to));
        QCOMPARE(step.taken, taken);
        QCOMPARE(step.ask, ask);
        QCOMPARE(step.seekMs, seek);
    }

    // The races of quick presses: a Play right after Stop reads the start until the new preroll,
    // which then takes up the place asked for meanwhile; a new file forgets that place.
    void aPlaceAskedWhileStoppedWaitsForThePreroll() {
        PlayerLife life;
        run(life, Ways.value("Stopped") + " seek5000 play");
        QCOMPARE(life.playState(), MediaPlayState::Playing);
        QVERIFY(!life.loaded());
        // Prerolling again is starting, not a stall to restart.
        QCOMPARE(life.motion(), StallWatch::Motion::Starting);
        QCOMPARE(life.prerolled().seekMs, 5000);
        QVERIFY(life.loaded());
        QCOMPARE(life.motion(), StallWatch::Motion::Playing);
        QCOMPARE(run(life, "stop seek5000 open opened play prerolled").seekMs, -1);
    }

    // At the end the picture stays: the place is real, nothing plays, and a pause holds there.
    void theEndIsStillAndPausesThere() {
        PlayerLife life;
        run(life, Ways.value("Ended"));
        QVERIFY(life.loaded());
        QCOMPARE(life.playState(), MediaPlayState::Stopped);
        QCOMPARE(life.motion(), StallWatch::Motion::Still);
        run(life, "pause");
        QCOMPARE(life.playState(), MediaPlayState::Paused);
    }
};

QTEST_MAIN(TestPlayerLife)
#include "tst_playerlife.moc"
