// A disc file that is a named pipe or a folder behaves as a missing one, everywhere the program
// reads one: same messages, same end, and the start returns instead of blocking.
#include "doubles/FifoWatchdog.h"
#include "doubles/TestDisc.h"
#include "platform/disc/ReadIni.h"
#include "window/MainDialog.h"
#include "window/Stage.h"

#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

namespace {

const QByteArray kMain = "[Main]\nVersion=1.0\nDefaultLanguage=english\nSkin=default\n";

// What a start leaves to be seen: whether it went on, the messages (the disc's own folder and a
// skin picture's reason, which names the kind, left out), and the first slide shown.
struct Outcome {
    bool started = false;
    QStringList messages;
    QString slide;
    bool blocked = false;
};

// The colour in the middle of the picture area, "none" without a picture.
QString shownColour(const MainDialog& window) {
    const QImage shown = window.picShowPictures()->picture().toImage();
    return shown.isNull() ? "none" : QColor(shown.pixel(shown.rect().center())).name();
}

Outcome start(const QByteArray& ini, const QString& file, const QString& replacement) {
    TestDisc disc;
    // A second language keeps the disc from having none when the default one goes.
    disc.addLanguage("english");
    disc.addLanguage("german");
    disc.addSkin("default");
    disc.writeIni(ini);
    for (const char* name : {"movie.avi", "music.mp3"})
        disc.writeFile(name, "not really media");
    disc.addPicture("a.png", {8, 6}, Qt::red);
    disc.addPicture("b.png", {8, 6}, Qt::green);
    const QString path = disc.filePath(file);
    QFile::remove(path);
    if (replacement == "pipe")
        makeFifo(path);
    if (replacement == "folder")
        QDir().mkpath(path);
    clearIniCache();

    Outcome outcome;
    TestApp tc;
    {
        const FifoWatchdog watchdog({path});
        std::unique_ptr<Application> core = tc.make();
        outcome.started = core->Main(disc.path());
        if (outcome.started) {
            // The playback starts, and the slideshow with it, once the window is up.
            if (!QTest::qWaitFor([&tc] { return !tc.window().stage().startCued(); }))
                outcome.slide = "no start of playback";
            QTest::qWait(50);
            outcome.slide += shownColour(tc.window());
        }
        outcome.blocked = watchdog.fired();
    }
    for (QString text : tc.messages.texts())
        outcome.messages.append(text.replace(disc.path(), "<disc>").section(": ", 0, 0));
    return outcome;
}

} // namespace

class TstNonRegularFiles : public QObject {
    Q_OBJECT
  private slots:
    void behavesAsMissing_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("replacement");

        const QByteArray slides =
            kMain + "SlideShow=1\n[SlideShow]\nInterval=0\n0=a.png\n1=b.png\n";
        QTest::newRow("pipe for vistrel.ini") << kMain << "vistrel.ini"
                                              << "pipe";
        QTest::newRow("pipe for the language file") << kMain << "Language/english.lng"
                                                    << "pipe";
        QTest::newRow("pipe for the skin's background") << kMain << "Skins/default/back.bmp"
                                                        << "pipe";
        QTest::newRow("pipe for the movie") << kMain + "Movie=movie.avi\n"
                                            << "movie.avi"
                                            << "pipe";
        QTest::newRow("folder for the movie") << kMain + "Movie=movie.avi\n"
                                              << "movie.avi"
                                              << "folder";
        QTest::newRow("pipe for the music") << kMain + "Music=music.mp3\n"
                                            << "music.mp3"
                                            << "pipe";
        QTest::newRow("pipe for a slide") << slides << "a.png"
                                          << "pipe";
    }
    void behavesAsMissing() {
        QFETCH(QByteArray, ini);
        QFETCH(QString, file);
        QFETCH(QString, replacement);
        const Outcome missing = start(ini, file, "nothing");
        const Outcome replaced = start(ini, file, replacement);
        QVERIFY2(!replaced.blocked, "the start blocked on the pipe");
        QCOMPARE(replaced.started, missing.started);
        QCOMPARE(replaced.messages, missing.messages);
        QCOMPARE(replaced.slide, missing.slide);
    }
};

QTEST_MAIN(TstNonRegularFiles)
#include "tst_nonregularfiles.moc"
