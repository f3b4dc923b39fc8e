#include "doubles/Doubles.h"
#include "platform/media/OpenPhase.h"
#include "platform/media/gst/OpenVerdict.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

// A file's way through a player: the verdict comes from the event loop, once, and only for the
// file still current; the GStreamer player's verdict from what its pipeline said.
class TestOpenPhase : public QObject {
    Q_OBJECT

    QWidget window;

  private slots:
    void aVerdictIsNeverToldInsideTheCallThatAsksForIt() {
        FakeMediaPlayerControl player(&window);
        OpenPhase phase(player, 5000);
        QSignalSpy failed(&player, &MediaPlayerControl::failed);
        phase.begin("movie.avi");
        phase.refuseSoon(Missing);
        QCOMPARE(failed.count(), 0);
        QVERIFY(phase.opening());
        QTRY_COMPARE(failed.count(), 1);
        QCOMPARE(qvariant_cast<MediaOpenError>(failed.first().at(0)), Missing);
        QCOMPARE(phase.phase(), OpenPhase::Phase::Failed);
    }

    // A second file named before the first one's verdict: only the second one's is told.
    void whatWasPendingForAnEarlierFileIsDropped() {
        FakeMediaPlayerControl player(&window);
        OpenPhase phase(player, 5000);
        QSignalSpy failed(&player, &MediaPlayerControl::failed);
        QSignalSpy decide(&phase, &OpenPhase::decide);
        phase.begin("first.avi");
        phase.refuseSoon(Unreadable);
        phase.decideSoon();
        phase.begin("second.avi");
        phase.decideSoon();
        QTRY_COMPARE(decide.count(), 1);
        QTest::qWait(20);
        QCOMPARE(failed.count(), 0);
        QCOMPARE(decide.count(), 1);
        phase.begin(QString());
        QCOMPARE(phase.phase(), OpenPhase::Phase::Closed);
    }

    void theEndOfTheWaitAsksForTheVerdict() {
        FakeMediaPlayerControl player(&window);
        OpenPhase phase(player, 30);
        QSignalSpy decide(&phase, &OpenPhase::decide);
        QSignalSpy opened(&player, &MediaPlayerControl::opened);
        phase.begin("slow.avi");
        QTRY_COMPARE(decide.count(), 1);
        phase.tellOpened({12.5, true});
        QCOMPARE(opened.count(), 1);
        QVERIFY(phase.isOpen());
        QTest::qWait(60); // the wait stopped with the verdict
        QCOMPARE(decide.count(), 1);
    }

    void aLateFailureIsToldOnce() {
        FakeMediaPlayerControl player(&window);
        OpenPhase phase(player, 5000);
        QSignalSpy failed(&player, &MediaPlayerControl::failed);
        phase.failLate("nothing is open yet");
        phase.begin("movie.avi");
        phase.tellOpened({});
        phase.failLate("stalled");
        phase.failLate("an error after it");
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.first().at(1).toString(), QString("stalled"));
        QVERIFY(!phase.mayShowPicture());
    }

    void thePipelinesWordsMakeTheVerdict_data() {
        QTest::addColumn<QString>("events");
        QTest::addColumn<int>("verdict");
        QTest::newRow("prerolled with video") << "preroll+video" << int(NoError);
        QTest::newRow("prerolled with sound alone") << "preroll" << int(NoError);
        QTest::newRow("no word within the wait") << "" << int(NoError);
        QTest::newRow("refused") << "refused" << int(Undecodable);
        QTest::newRow("video without its decoder")
            << "missing-video,preroll" << int(NoVideoDecoder);
        QTest::newRow("one of two video streams decoded")
            << "missing-video,decoded,preroll" << int(NoError);
        QTest::newRow("refused without a video decoder")
            << "missing-video,refused" << int(NoVideoDecoder);
    }

    void thePipelinesWordsMakeTheVerdict() {
        QFETCH(QString, events);
        QFETCH(int, verdict);
        OpenVerdict open;
        for (const QString& event : events.split(',', Qt::SkipEmptyParts)) {
            if (event == "missing-video")
                open.missingVideoDecoder();
            else if (event == "decoded")
                open.videoDecoded();
            else if (event == "refused")
                open.refused();
            else
                open.prerolled(event == "preroll+video");
        }
        QCOMPARE(int(open.result()), verdict);
    }
};

QTEST_MAIN(TestOpenPhase)
#include "tst_openphase.moc"
