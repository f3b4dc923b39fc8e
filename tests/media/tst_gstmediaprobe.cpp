// --check's look at a media file through GStreamer: the sample discs' media open, with the facts
// Qt Multimedia's look finds too; broken files are never taken as opened.
#include "platform/media/MediaProbe.h"
#include "platform/media/gst/GstMediaProbe.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace vistrel;

class TstGstMediaProbe : public QObject {
    Q_OBJECT
  private slots:
    void agreesWithQtMultimedia_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("verdict");
        const QString disc = qEnvironmentVariable("VISTREL_DISC_DIR");
        QTest::newRow("movie") << disc + "/movie.avi" << int(MediaFacts::Opened);
        QTest::newRow("music") << disc + "-slideshow/music.mp3" << int(MediaFacts::Opened);
        QTest::newRow("text") << writtenFile("film.avi", QByteArray(4096, 'x'))
                              << int(MediaFacts::Refused);
        QTest::newRow("cut short")
            << writtenFile("cut.avi", head(disc + "/movie.avi", 3000)) << int(MediaFacts::Refused);
    }
    void agreesWithQtMultimedia() {
        QFETCH(QString, file);
        QFETCH(int, verdict);
        if (!QFileInfo::exists(file))
            QSKIP("the sample discs are not laid out");
        const MediaFacts gst = probeMediaWithGstreamer(file, 5000);
        if (verdict != MediaFacts::Opened) {
            // GStreamer's demuxers now and then wait for the rest of a broken file rather than
            // fail at once: no answer within the wait is the other honest verdict.
            QVERIFY2(gst.verdict == MediaFacts::Refused || gst.verdict == MediaFacts::NoAnswer,
                     qPrintable(QString::number(gst.verdict)));
            QVERIFY(gst.verdict == MediaFacts::NoAnswer || !gst.error.isEmpty());
            return;
        }
        QCOMPARE(int(gst.verdict), verdict);
        QVERIFY(gst.error.isEmpty());
        // What it found is what Qt Multimedia finds.
        const MediaFacts qt = probeMedia(file, 5000);
        QCOMPARE(int(qt.verdict), verdict);
        QCOMPARE(gst.videoSize, qt.videoSize);
        QVERIFY2(qAbs(gst.durationMs - qt.durationMs) < 500,
                 qPrintable(QString("%1 against %2 ms").arg(gst.durationMs).arg(qt.durationMs)));
    }

    // What a file really is and the shape of its pixels, whatever its name says: a DVD's
    // widescreen MPEG-2 named .mp4, a WMV named .avi (made with ffmpeg here).
    void tellsTheContainerAndThePixelShape_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("encoding");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QSize>("pixel");
        QTest::newRow("16:9 MPEG-2 program stream named .mp4")
            << "film.mp4"
            << QStringList{"-c:v", "mpeg2video", "-aspect", "16:9", "-c:a", "mp2", "-f", "vob"}
            << "video/mpeg" << QSize(64, 45);
        QTest::newRow("WMV named .avi")
            << "film.avi" << QStringList{"-c:v", "wmv2", "-c:a", "wmav2", "-f", "asf"}
            << "video/x-ms-asf" << QSize(1, 1);
    }
    void tellsTheContainerAndThePixelShape() {
        QFETCH(QString, name);
        QFETCH(QStringList, encoding);
        QFETCH(QString, container);
        QFETCH(QSize, pixel);
        const QString file = dir_.filePath(name);
        const QStringList input{
            "-hide_banner", "-loglevel", "error", "-y",
            "-f",           "lavfi",     "-i",    "testsrc=size=720x576:rate=25",
            "-f",           "lavfi",     "-i",    "sine",
            "-t",           "1"};
        if (QProcess::execute("ffmpeg", input + encoding + QStringList{file}) != 0)
            QSKIP("ffmpeg cannot make the file here");
        const MediaFacts facts = probeMediaWithGstreamer(file, 5000);
        QCOMPARE(int(facts.verdict), int(MediaFacts::Opened));
        QCOMPARE(facts.container, container);
        QCOMPARE(facts.videoSize, QSize(720, 576));
        QCOMPARE(facts.pixelAspect, pixel);
    }

  private:
    QString writtenFile(const QString& name, const QByteArray& bytes) {
        QFile file(dir_.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return file.fileName();
    }
    static QByteArray head(const QString& path, qint64 size) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.read(size) : QByteArray();
    }
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TstGstMediaProbe)
#include "tst_gstmediaprobe.moc"
