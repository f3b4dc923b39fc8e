// Configured paths with '\', any letter case and doubled separators find the files on disk.
#include "platform/disc/FilePaths.h"

#include <QtTest>

using namespace vistrel;

class TstFilePaths : public QObject {
    Q_OBJECT
  private slots:
    void resolve_data() {
        QTest::addColumn<QString>("configured");
        QTest::addColumn<QString>("expected"); // relative to the disc, "" = not found
        QTest::newRow("exact") << "Skins/default/back.bmp"
                               << "Skins/default/back.bmp";
        QTest::newRow("backslashes") << "Skins\\default\\back.bmp"
                                     << "Skins/default/back.bmp";
        QTest::newRow("other case") << "skins\\DEFAULT\\Back.BMP"
                                    << "Skins/default/back.bmp";
        QTest::newRow("doubled separator") << "Skins//default\\\\back.bmp"
                                           << "Skins/default/back.bmp";
        QTest::newRow("trailing separator") << "Skins\\default\\"
                                            << "Skins/default";
        QTest::newRow("missing") << "Skins\\default\\gone.bmp"
                                 << "";
        QTest::newRow("drive letter") << "D:\\Skins\\default\\back.bmp"
                                      << "";
        // A Mac writes the accent as a character of its own after its letter.
        QTest::newRow("decomposed on disc, composed in the configuration")
            << "language\\FRAN\u00c7AIS.lng"
            << "Language/Franc\u0327ais.lng";
        QTest::newRow("composed on disc, decomposed in the configuration")
            << "Language/Espan\u0303ol.lng"
            << "Language/Espa\u00f1ol.lng";
    }
    void resolve() {
        QFETCH(QString, configured);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("Skins/default");
        QDir(dir.path()).mkpath("Language");
        for (const char* name : {"Skins/default/back.bmp", "Language/Franc\u0327ais.lng",
                                 "Language/Espa\u00f1ol.lng"}) {
            QFile file(dir.filePath(QString::fromUtf8(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QString path = dir.path() + "/" + configured;
        QCOMPARE(PathFileExists(path), !expected.isEmpty());
        if (!expected.isEmpty())
            QCOMPARE(resolvePath(path), dir.filePath(expected));
    }

    void exactNameWinsOverAnotherCase() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("language");
        QDir(dir.path()).mkpath("Language");
        QCOMPARE(resolvePath(dir.path() + "\\Language"), dir.filePath("Language"));
        QCOMPARE(resolvePath(dir.path() + "\\language"), dir.filePath("language"));
    }

    void directoryTests() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("Extras");
        QFile file(dir.filePath("note.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(PathIsDirectory(joinPath(dir.path(), "EXTRAS")));
        QVERIFY(!PathIsDirectory(joinPath(dir.path(), "note.txt")));
        QVERIFY(PathFileExists(joinPath(dir.path(), "extras")));
        QVERIFY(!PathFileExists(QString()));
        // A disc at the root of a file system: the joined path holds a doubled separator.
        QVERIFY(PathIsDirectory(joinPath(dir.path() + "/", "Extras")));
    }
};

QTEST_GUILESS_MAIN(TstFilePaths)
#include "tst_filepaths.moc"
