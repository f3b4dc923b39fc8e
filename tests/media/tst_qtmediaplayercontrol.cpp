#include "doubles/FifoWatchdog.h"
#include "doubles/PlayerOpening.h"
#include "platform/media/DeferredPlayerControl.h"
#include "platform/media/EnginePlayer.h"
#include "platform/media/gst/GstDecoders.h"
#include "platform/media/gst/GstEngine.h"
#include "platform/media/qt/QtEngine.h"
#include "platform/media/qt/QtMultimediaBackend.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QVideoWidget>
#include <QWidget>
#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

// The real player controls, GStreamer's and Qt Multimedia's, on the sample disc's movie and on
// files that are no movie; each test runs once for each control.
class TestQtMediaPlayerControl : public QObject {
    Q_OBJECT

    QString movie;
    // Fresh for each test and control.
    std::unique_ptr<QTemporaryDir> tempDir;
    std::unique_ptr<QWidget> window;
    MediaPlayerControl* player = nullptr;
    VideoPlacement placement{{13, 24, 517, 378}};

    void show(bool shown) {
        placement.shown = shown;
        player->place(placement);
    }
    void coverTheScreen(bool fullScreen) {
        placement.fullScreen = fullScreen;
        player->place(placement);
    }
    int open(const QString& path) { return openAndWait(*player, path); }
    bool videoCoversTheScreen() const { return player->widget()->window()->isFullScreen(); }

    // As the program makes them: the framework starts on first need.
    static MediaPlayerControl* makePlayer(const QString& control, QWidget* parent) {
        return new DeferredPlayerControl(parent, [control](QWidget* in) -> MediaPlayerControl* {
            if (control == "gstreamer")
                return new EnginePlayer(in, new GstEngine(in));
            return qtMultimediaBackendLoads() ? new EnginePlayer(in, new QtEngine(in)) : nullptr;
        });
    }

  private slots:
    void initTestCase_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("gstreamer") << "gstreamer";
        QTest::newRow("qt") << "qt";
    }

    void initTestCase() {
        movie = qEnvironmentVariable("VISTREL_DISC_DIR") + "/movie.avi";
        if (!QFile::exists(movie))
            QSKIP("the sample disc has no movie (ffmpeg missing at build time)");
    }

    void init() {
        tempDir = std::make_unique<QTemporaryDir>();
        window = std::make_unique<QWidget>();
        window->resize(699, 432);
        QFETCH_GLOBAL(QString, control);
        player = makePlayer(control, window.get());
        placement = VideoPlacement{{13, 24, 517, 378}};
        player->place(placement);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup() { window.reset(); }

    // First of the tests, so that nothing of Qt Multimedia is made yet: with no backend to
    // load, making any of it would end the program.
    void withoutABackendEveryFileIsRefused() {
        QFETCH_GLOBAL(QString, control);
        if (control != "qt")
            QSKIP("Qt Multimedia's backends only");
        const QStringList paths = QCoreApplication::libraryPaths();
        QCoreApplication::setLibraryPaths({tempDir->path()});
        std::unique_ptr<MediaPlayerControl> bare(makePlayer(control, window.get()));
        QCOMPARE(openAndWait(*bare, movie), int(Undecodable));
        QVERIFY(bare->fileName().isEmpty());
        QVERIFY(!bare->widget());
        QCoreApplication::setLibraryPaths(paths);
    }

    // The window's children that show video: all but the place holder and the test's own.
    QList<QWidget*> videoWidgets() const {
        QList<QWidget*> found;
        for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->objectName() != "StackingPlace" && child->objectName() != "madeLater")
                found.append(child);
        return found;
    }

    // The framework and the video window wait for the first file: placement, visibility, the
    // enabled state and the reads answer without them, and hold once they are made. The video
    // then lies among its siblings where the control was made.
    void startsTheFrameworkOnlyWhenFirstNeeded() {
        auto* madeLater = new QWidget(window.get());
        madeLater->setObjectName("madeLater");
        show(true);
        player->Play();
        player->Pause();
        player->Stop();
        player->setCurrentPosition(3);
        QCOMPARE(player->fileName(), QString());
        QCOMPARE(player->PlayState(), MediaPlayState::Stopped);
        QCOMPARE(player->Duration(), 0.0);
        QCOMPARE(player->CurrentPosition(), 0.0);
        QVERIFY(videoWidgets().isEmpty());

        QCOMPARE(open(movie), 0);
        QCOMPARE(videoWidgets().size(), 1);
        QWidget* video = videoWidgets().first();
        QCOMPARE(video->geometry(), QRect(13, 24, 517, 378));
        QVERIFY(!video->isHidden()); // an opened video is drawn
        const QObjectList order = window->children();
        QVERIFY(order.indexOf(video) < order.indexOf(madeLater));
    }

    // Opening answers at once and decides later: nothing is loaded until the verdict.
    void opensTheMovieAndKnowsItsLength() {
        QSignalSpy opened(player, &MediaPlayerControl::opened);
        player->open(movie);
        QCOMPARE(opened.count(), 0);
        QCOMPARE(player->fileName(), QString());
        QTRY_COMPARE_WITH_TIMEOUT(opened.count(), 1, 20000);
        const auto found = qvariant_cast<MediaFound>(opened.first().at(0));
        QVERIFY(found.hasVideo);
        QCOMPARE(found.duration, player->Duration());
        QCOMPARE(player->fileName(), movie);
        QVERIFY2(player->Duration() > 11.0 && player->Duration() < 13.0,
                 qPrintable(QString::number(player->Duration())));
        QCOMPARE(player->PlayState(), MediaPlayState::Stopped);
    }

    void aNameInAnotherCaseWithBackslashesOpens() {
        const QString name = "Sub\\MOVIE.AVI";
        QDir(tempDir->path()).mkpath("sub");
        QVERIFY(QFile::copy(movie, tempDir->filePath("sub/movie.avi")));
        QCOMPARE(open(tempDir->path() + "\\" + name), 0);
    }

    void filesThatAreNoMovieSetTheErrorIndicator_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << "" << QByteArray();
        QTest::newRow("empty") << "empty.avi" << QByteArray();
        QByteArray garbage(64 * 1024, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = char((i * 7919) ^ (i >> 3));
        QTest::newRow("garbage") << "garbage.avi" << garbage;
        QTest::newRow("text") << "notes.avi" << QByteArray("This is not a movie.\n").repeated(50);
        QTest::newRow("a folder") << "folder" << QByteArray();
        QTest::newRow("a pipe") << "pipe" << QByteArray();
    }

    void filesThatAreNoMovieSetTheErrorIndicator() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QString path = tempDir->filePath("missing.avi");
        if (name == "folder") {
            QDir(tempDir->path()).mkpath(name);
            path = tempDir->filePath(name);
        } else if (name == "pipe") {
            path = tempDir->filePath(name);
            QVERIFY(makeFifo(path));
        } else if (!name.isEmpty()) {
            path = writeMediaFile(tempDir->filePath(name), bytes);
        }
        {
            const FifoWatchdog watchdog({path});
            QVERIFY(open(path) > 0);
            QVERIFY2(!watchdog.fired(), "opening blocked on a pipe");
        }
        QCOMPARE(player->fileName(), QString()); // nothing loaded
        player->Play();
        QCOMPARE(player->PlayState(), MediaPlayState::Stopped);
    }

    void anUnreadableFileSetsTheErrorIndicator() {
        const QString path = writeMediaFile(tempDir->filePath("locked.avi"), QByteArray(1000, 'x'));
        QFile::setPermissions(path, {});
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("permissions do not stop this user (root)");
        QCOMPARE(open(path), int(Unreadable));
    }

    // Music has no video stream at all, which is no missing decoder.
    void soundWithoutVideoOpensAndPlays() {
        const QString tone = tempDir->filePath("tone.mp3");
        const int made =
            QProcess::execute("ffmpeg", {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi",
                                         "-i", "sine=duration=2", "-c:a", "libmp3lame", tone});
        if (made != 0)
            QSKIP("ffmpeg cannot make a sound file here");
        QCOMPARE(open(tone), 0);
        player->Play();
        QTRY_VERIFY_WITH_TIMEOUT(player->CurrentPosition() > 0.1, 30000);
        // Shown as far as the callers know, but no black box over the pictures beneath.
        show(true);
        QVERIFY(player->widget()->isHidden());
    }

    // A movie of another shape than the video area gets black bars, never a squashed picture,
    // in the window as on the whole screen.
    void theMovieKeepsItsShape() {
        QCOMPARE(open(movie), 0);
        auto* video = qobject_cast<QVideoWidget*>(player->widget());
        if (!video)
            QSKIP("GStreamer's sink keeps the shape itself, on an X display only");
        QCOMPARE(video->aspectRatioMode(), Qt::KeepAspectRatio);
        coverTheScreen(true);
        coverTheScreen(false);
        QCOMPARE(video->aspectRatioMode(), Qt::KeepAspectRatio);
    }

    void onlyAnOpenedVideoIsDrawn() {
        show(true);
        QVERIFY(player->widget()->isHidden()); // nothing opened yet
        QCOMPARE(open(movie), 0);
        QVERIFY(!player->widget()->isHidden());
        show(false);
        QVERIFY(player->widget()->isHidden());
        show(true);
        QVERIFY(open(writeMediaFile(tempDir->filePath("empty.avi"), {})) > 0);
        QVERIFY(player->widget()->isHidden());
    }

    void aBadFileAfterAGoodOneLeavesNothingLoaded() {
        QCOMPARE(open(movie), 0);
        QVERIFY(open(writeMediaFile(tempDir->filePath("empty.avi"), {})) > 0);
        QCOMPARE(player->fileName(), QString());
    }

    void gstreamerKnowsTheMovieDecoder() { QVERIFY(gstreamerDecodesMpeg4Video()); }

    void aNegativeSizeIsNoSize() {
        show(false);
        player->place({{13, 24, -5, -1}, false});
        QCOMPARE(player->widget()->geometry(), QRect(13, 24, 0, 0));
        show(true);
        QCOMPARE(player->widget()->geometry(), QRect(13, 24, 517, 378));
    }

    // Leaving full screen, by the owner or by Esc, brings the video back at its place and size;
    // Esc is told to the owner.
    void fullScreenAndBack() {
        QCOMPARE(open(movie), 0);
        QSignalSpy leftByItself(player, &MediaPlayerControl::fullScreenLeft);
        coverTheScreen(true);
        QVERIFY(videoCoversTheScreen());
        coverTheScreen(false);
        QVERIFY(!videoCoversTheScreen());
        QCOMPARE(player->widget()->geometry(), QRect(13, 24, 517, 378));
        QVERIFY(!player->widget()->isWindow());
        QCOMPARE(leftByItself.count(), 0);

        coverTheScreen(true);
        QTest::keyClick(player->widget(), Qt::Key_Escape);
        QVERIFY(!videoCoversTheScreen());
        QCOMPARE(player->widget()->geometry(), QRect(13, 24, 517, 378));
        QCOMPARE(leftByItself.count(), 1);

        // Placed while covering the screen, it comes back at the new place.
        coverTheScreen(true);
        placement.area = {20, 30, 400, 300};
        player->place(placement);
        QVERIFY(videoCoversTheScreen());
        coverTheScreen(false);
        QCOMPARE(player->widget()->geometry(), QRect(20, 30, 400, 300));
    }

    void aDoubleClickIsReportedOnceInBothModes() {
        QSignalSpy spy(player, &MediaPlayerControl::DblClick);
        QTest::mouseDClick(player->widget(), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        coverTheScreen(true);
        QTest::mouseDClick(player->widget(), Qt::LeftButton);
        QCOMPARE(spy.count(), 2);
    }
};

QTEST_MAIN(TestQtMediaPlayerControl)
#include "tst_qtmediaplayercontrol.moc"
