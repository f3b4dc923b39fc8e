// Which films an external player on Windows plays with only what Windows ships, as --check
// tells the author.
#include "app/check/WindowsFormats.h"

#include <QtTest>

using namespace vistrel;

class TstWindowsFormats : public QObject {
    Q_OBJECT
  private slots:
    void containersAndCodecsDecide_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("video");
        QTest::addColumn<QString>("audio");
        QTest::addColumn<QString>("lack"); // empty: Windows plays it
        QTest::newRow("H.264 and AAC in MP4") << "Film.MP4"
                                              << "H264"
                                              << "AAC"
                                              << "";
        QTest::newRow("Xvid and MP3 in AVI") << "movie.avi"
                                             << "MPEG4"
                                             << "MP3"
                                             << "";
        QTest::newRow("WMV and WMA") << "film.wmv"
                                     << "WMV"
                                     << "WMA"
                                     << "";
        QTest::newRow("as GStreamer names them") << "film.avi"
                                                 << "Microsoft MPEG-4 4.3"
                                                 << "MPEG-1 Layer 3 (MP3)"
                                                 << "";
        QTest::newRow("GStreamer's HEVC") << "film.mp4"
                                          << "H.265 (Main Profile)"
                                          << "MPEG-4 AAC"
                                          << "H.265 (Main Profile) video";
        QTest::newRow("codecs not told") << "song.mp3"
                                         << ""
                                         << "Unspecified"
                                         << "";
        QTest::newRow("HEVC in MP4") << "film.mp4"
                                     << "H265"
                                     << "AAC"
                                     << "H265 video";
        QTest::newRow("MPEG-2 in AVI") << "film.avi"
                                       << "MPEG2"
                                       << "MP3"
                                       << "MPEG2 video";
        QTest::newRow("Opus in MP4") << "film.m4a"
                                     << ""
                                     << "Opus"
                                     << "Opus sound";
        QTest::newRow("program stream") << "VTS_01_1.VOB"
                                        << "MPEG2"
                                        << "AC3"
                                        << ".vob file";
        QTest::newRow("WebM") << "film.webm"
                              << "VP9"
                              << "Opus"
                              << ".webm file";
        QTest::newRow("no extension") << "film"
                                      << "H264"
                                      << "AAC"
                                      << ". file";
    }
    void containersAndCodecsDecide() {
        QFETCH(QString, file);
        QFETCH(QString, video);
        QFETCH(QString, audio);
        QFETCH(QString, lack);
        const std::optional<QString> found = windowsLacksFor(file, video, audio);
        if (lack.isEmpty())
            QVERIFY2(!found, qPrintable(found.value_or(QString())));
        else
            QVERIFY2(found && found->contains(lack), qPrintable(found.value_or("plays")));
    }
};

QTEST_APPLESS_MAIN(TstWindowsFormats)
#include "tst_windowsformats.moc"
