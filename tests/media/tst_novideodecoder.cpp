#include "doubles/PlayerOpening.h"
#include "platform/media/EnginePlayer.h"
#include "platform/media/gst/GstDecoders.h"
#include "platform/media/gst/GstEngine.h"
#include "platform/media/gst/GstMediaProbe.h"
#include "platform/media/qt/QtEngine.h"

#include <QApplication>
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

using namespace vistrel;

// A machine without a decoder for the movie's video: the framework would play the sound over a
// black area and report no error; both controls report the open as failed instead, and the codec
// test says so too.
class TestNoVideoDecoder : public QObject {
    Q_OBJECT

  private slots:
    void aMovieWithoutItsDecoderDoesNotOpen_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("gstreamer") << "gstreamer";
        QTest::newRow("qt") << "qt";
    }

    void aMovieWithoutItsDecoderDoesNotOpen() {
        QFETCH(QString, control);
        const QString movie = qEnvironmentVariable("VISTREL_DISC_DIR") + "/movie.avi";
        if (!QFile::exists(movie))
            QSKIP("the sample disc has no movie (ffmpeg missing at build time)");
        QWidget window;
        MediaPlayerControl* player =
            control == "qt"
                ? static_cast<MediaPlayerControl*>(new EnginePlayer(&window, new QtEngine(&window)))
                : new EnginePlayer(&window, new GstEngine(&window));
        QCOMPARE(test::openAndWait(*player, movie), int(NoVideoDecoder));
        QCOMPARE(player->fileName(), QString());
        player->Play();
        QCOMPARE(player->PlayState(), MediaPlayState::Stopped);
    }

    void theCodecTestFindsNoDecoder() { QVERIFY(!gstreamerDecodesMpeg4Video()); }

    void theDiscCheckFindsNoVideoDecoder() {
        const QString movie = qEnvironmentVariable("VISTREL_DISC_DIR") + "/movie.avi";
        if (!QFile::exists(movie))
            QSKIP("the sample disc has no movie (ffmpeg missing at build time)");
        const MediaFacts facts = probeMediaWithGstreamer(movie, 5000);
        QCOMPARE(int(facts.verdict), int(MediaFacts::NoVideoDecoder));
        QVERIFY2(facts.error.contains("MPEG-4"), qPrintable(facts.error));
    }
};

// The decoder is taken away before the media framework starts.
int main(int argc, char* argv[]) {
    qputenv("GST_PLUGIN_FEATURE_RANK", "avdec_mpeg4:NONE");
    QApplication app(argc, argv);
    TestNoVideoDecoder test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_novideodecoder.moc"
