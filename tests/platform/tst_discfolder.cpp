// Finding a configured path on the disc: separators, letter case, the disc before the working
// folder, and the kind of entry each lookup needs.
#include "doubles/FifoWatchdog.h"
#include "platform/disc/DiscFolder.h"

#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

class TstDiscFolder : public QObject {
    Q_OBJECT

    QString startFolder_;

  private slots:
    void init() { startFolder_ = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(startFolder_); }

    void find_data() {
        // layout: "place:path" makes a file, "place:path/" a folder, "place:link>target" a link,
        // "place:path|" a named pipe;
        // places are the disc, the working folder and some other folder (<other> in a path).
        QTest::addColumn<QStringList>("layout");
        QTest::addColumn<QString>("configured");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("expected"); // "place:path", "" = not found

        QTest::newRow("under the disc") << QStringList{"disc:Movies/Film.avi"} << "Movies/Film.avi"
                                        << "file"
                                        << "disc:Movies/Film.avi";
        QTest::newRow("backslashes and case")
            << QStringList{"disc:Movies/Film.avi"} << "movies\\FILM.AVI"
            << "file"
            << "disc:Movies/Film.avi";
        QTest::newRow("folder in other case")
            << QStringList{"disc:Extras/Tools/"} << "\\EXTRAS\\tools\\"
            << "folder"
            << "disc:Extras/Tools";
        QTest::newRow("disc before working folder")
            << QStringList{"disc:setup.sh", "work:setup.sh"} << "setup.sh"
            << "file"
            << "disc:setup.sh";
        QTest::newRow("disc folder before working folder")
            << QStringList{"disc:Extras/", "work:Extras/"} << "Extras"
            << "folder"
            << "disc:Extras";
        QTest::newRow("working folder only")
            << QStringList{"work:Player/run.sh"} << "player\\Run.sh"
            << "file"
            << "work:Player/run.sh";
        QTest::newRow("absolute path")
            << QStringList{"other:Codec/setup.sh"} << "<other>/codec/SETUP.sh"
            << "file"
            << "other:Codec/setup.sh";
        QTest::newRow("folder where a file is wanted")
            << QStringList{"disc:info.htm/", "work:info.htm"} << "info.htm"
            << "file"
            << "work:info.htm";
        QTest::newRow("file where a folder is wanted") << QStringList{"disc:Extras"} << "Extras"
                                                       << "folder"
                                                       << "";
        QTest::newRow("link to a file")
            << QStringList{"disc:Movies/Film.avi", "disc:film.avi>Movies/Film.avi"} << "film.avi"
            << "file"
            << "disc:film.avi";
        QTest::newRow("link to a folder is no file")
            << QStringList{"disc:Movies/", "disc:clips>Movies"} << "clips"
            << "file"
            << "";
        QTest::newRow("link to a folder is a folder")
            << QStringList{"disc:Movies/", "disc:clips>Movies"} << "clips"
            << "folder"
            << "disc:clips";
        QTest::newRow("pipe is no file")
            << QStringList{"disc:film.avi|", "work:film.avi"} << "film.avi"
            << "file"
            << "work:film.avi";
        QTest::newRow("link to a pipe is no file")
            << QStringList{"disc:pipe|", "disc:film.avi>pipe"} << "film.avi"
            << "file"
            << "";
        QTest::newRow("link to a device is no file")
            << QStringList{"disc:film.avi>/dev/zero"} << "film.avi"
            << "file"
            << "";
        QTest::newRow("missing") << QStringList{"disc:Movies/Film.avi"} << "Movies/Other.avi"
                                 << "file"
                                 << "";
        QTest::newRow("empty file") << QStringList{"disc:Film.avi"} << ""
                                    << "file"
                                    << "";
        QTest::newRow("empty folder") << QStringList{"disc:Extras/"} << ""
                                      << "folder"
                                      << "";
    }
    void find() {
        QFETCH(QStringList, layout);
        QFETCH(QString, configured);
        QFETCH(QString, kind);
        QFETCH(QString, expected);

        QTemporaryDir disc, work, other;
        const QHash<QString, QString> places = {
            {"disc", disc.path()}, {"work", work.path()}, {"other", other.path()}};
        auto onDisk = [&](const QString& entry) {
            const QString place = entry.section(':', 0, 0);
            return places.value(place) + '/' + entry.section(':', 1);
        };
        for (const QString& entry : layout) {
            const QString path = onDisk(entry);
            if (path.contains('>')) {
                const QString link = path.section('>', 0, 0);
                QVERIFY(QFile::link(path.section('>', 1), link));
            } else if (path.endsWith('|')) {
                QVERIFY(makeFifo(path.chopped(1)));
            } else if (path.endsWith('/')) {
                QVERIFY(QDir().mkpath(path));
            } else {
                QVERIFY(QDir().mkpath(QFileInfo(path).path()));
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
        }
        QVERIFY(QDir::setCurrent(work.path()));

        const DiscFolder folder(disc.path());
        configured.replace("<other>", other.path());
        const QString found =
            kind == "file" ? folder.findFile(configured) : folder.findFolder(configured);
        QCOMPARE(found, expected.isEmpty() ? QString() : onDisk(expected));
    }

    void underShowsThePathAsConfigured() {
        const DiscFolder folder("/media/disc");
        QCOMPARE(folder.root(), QString("/media/disc"));
        QCOMPARE(folder.under("Movies\\film.AVI"),
                 QString("/media/disc") + QDir::separator() + "Movies\\film.AVI");
    }
};

QTEST_GUILESS_MAIN(TstDiscFolder)
#include "tst_discfolder.moc"
