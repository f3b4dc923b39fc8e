// Profile files read from disk: missing, unreadable and odd files, the cache and its renewal.
#include "doubles/FifoWatchdog.h"
#include "platform/disc/ReadIni.h"

#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

namespace {
void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}
} // namespace

class TstReadIni : public QObject {
    Q_OBJECT
  private slots:
    void init() { clearIniCache(); }

    void filesThatReadAsDefaults_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("directory") << "directory";
        QTest::newRow("empty") << "empty";
        QTest::newRow("binary") << "binary";
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("over the limit") << "large";
    }
    void filesThatReadAsDefaults() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath("vistrel.ini");
        if (kind == "directory")
            QDir(dir.path()).mkdir("vistrel.ini");
        if (kind == "empty")
            writeAll(path, {});
        if (kind == "binary") {
            QByteArray noise(64 * 1024, '\0');
            for (int i = 0; i < noise.size(); ++i)
                noise[i] = char((i * 7919) % 251);
            writeAll(path, noise);
        }
        if (kind == "pipe")
            QVERIFY(makeFifo(path));
        if (kind == "large") {
            const QByteArray values = "[Main]\nVersion=2.0\nSkin=big\n";
            writeAll(path, values + QByteArray(ProfileFileLimit + 1 - values.size(), ';'));
        }
        const FifoWatchdog watchdog({path});
        QCOMPARE(ProfileSnapshot(path).value("Main", "Version", "1.0"), QString("1.0"));
        QCOMPARE(ProfileSnapshot(path).value("Main", "Skin"), QString());
        QVERIFY2(!watchdog.fired(), "the reader blocked on a pipe");
    }

    void windowsCodePageAndUtf8() {
        QTemporaryDir dir;
        writeAll(dir.filePath("german.lng"), "[Tooltip]\ntipExit=Vistrel schlie\xdf"
                                             "en\n");
        writeAll(dir.filePath("utf8.lng"), "\xef\xbb\xbf[Tooltip]\ntipExit=Vistrel schlie\xc3\x9f"
                                           "en\n");
        QCOMPARE(ProfileSnapshot(dir.filePath("german.lng")).value("tooltip", "TIPEXIT"),
                 QString("Vistrel schließen"));
        QCOMPARE(ProfileSnapshot(dir.filePath("utf8.lng")).value("Tooltip", "tipExit"),
                 QString("Vistrel schließen"));
    }

    void hugeFileWithLongLinesIsCut() {
        QTemporaryDir dir;
        const QString path = dir.filePath("big.ini");
        QByteArray text = "[Main]\nSkin=" + QByteArray(5000, 'x') + "\nTitle=t\n";
        text += QByteArray(ProfileFileLimit - text.size(), 'y'); // no final line end
        writeAll(path, text);
        QCOMPARE(ProfileSnapshot(path).value("Main", "Skin").size(), 2047);
        QCOMPARE(ProfileSnapshot(path).value("Main", "Title"), QString("t"));
    }

    void changedFileIsReadAgain() {
        QTemporaryDir dir;
        const QString path = dir.filePath("vistrel.ini");
        writeAll(path, "[Main]\nSkin=first\n");
        QCOMPARE(ProfileSnapshot(path).value("Main", "Skin"), QString("first"));
        writeAll(path, "[Main]\nSkin=second one\n"); // a different size
        QCOMPARE(ProfileSnapshot(path).value("Main", "Skin"), QString("second one"));
        QFile::remove(path);
        QCOMPARE(ProfileSnapshot(path).value("Main", "Skin", "default"), QString("default"));
    }

    void caseInsensitiveFileName() {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("Language");
        writeAll(dir.filePath("Language/English.lng"), "[Menu]\nmnuExit=Exit\n");
        QCOMPARE(ProfileSnapshot(dir.path() + "\\language\\english.lng").value("Menu", "mnuExit"),
                 QString("Exit"));
    }
};

QTEST_GUILESS_MAIN(TstReadIni)
#include "tst_readini.moc"
