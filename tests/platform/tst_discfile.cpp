// The guard on every disc file: only a regular file within its limit is read; a pipe, a device,
// a folder or a missing name is refused, quickly and with a reason.
#include "doubles/FifoWatchdog.h"
#include "platform/disc/DiscFile.h"

#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

class TstDiscFile : public QObject {
    Q_OBJECT
  private slots:
    void guard_data() {
        QTest::addColumn<QString>("entry");    // what "name" is on disk
        QTest::addColumn<qint64>("limit");     // bytes
        QTest::addColumn<bool>("discFile");    // isDiscFile
        QTest::addColumn<QByteArray>("bytes"); // what readDiscFile gives
        QTest::addColumn<QString>("reason");   // a word of its error; empty when read

        const QByteArray text = "[Main]\nVersion=1.0\n";
        QTest::newRow("regular file") << "file" << qint64(100) << true << text << "";
        QTest::newRow("link to a file") << "link" << qint64(100) << true << text << "";
        QTest::newRow("exactly the limit") << "file" << qint64(text.size()) << true << text << "";
        QTest::newRow("over the limit")
            << "file" << qint64(text.size() - 1) << true << QByteArray() << "larger";
        QTest::newRow("pipe") << "fifo" << qint64(100) << false << QByteArray() << "regular";
        QTest::newRow("link to a pipe")
            << "fifo-link" << qint64(100) << false << QByteArray() << "regular";
        QTest::newRow("link to /dev/zero")
            << "zero" << qint64(100) << false << QByteArray() << "regular";
        QTest::newRow("folder") << "folder" << qint64(100) << false << QByteArray() << "folder";
        QTest::newRow("missing") << "missing" << qint64(100) << false << QByteArray() << "exist";
        QTest::newRow("link to nothing")
            << "dangling" << qint64(100) << false << QByteArray() << "exist";
        QTest::newRow("loop of links") << "loop" << qint64(100) << false << QByteArray() << "exist";
    }
    void guard() {
        QFETCH(QString, entry);
        QFETCH(qint64, limit);
        QFETCH(bool, discFile);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);

        QTemporaryDir dir;
        const QString name = dir.filePath("name");
        const QString target = dir.filePath("target");
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Main]\nVersion=1.0\n");
        file.close();
        if (entry == "file")
            QVERIFY(QFile::rename(target, name));
        if (entry == "link")
            QVERIFY(QFile::link(target, name));
        if (entry == "fifo")
            QVERIFY(makeFifo(name));
        if (entry == "fifo-link") {
            QVERIFY(makeFifo(dir.filePath("pipe")));
            QVERIFY(QFile::link(dir.filePath("pipe"), name));
        }
        if (entry == "zero")
            QVERIFY(QFile::link("/dev/zero", name));
        if (entry == "folder")
            QVERIFY(QDir(dir.path()).mkdir("name"));
        if (entry == "dangling")
            QVERIFY(QFile::link(dir.filePath("gone"), name));
        if (entry == "loop") {
            QVERIFY(QFile::link(dir.filePath("other"), name));
            QVERIFY(QFile::link(name, dir.filePath("other")));
        }

        const FifoWatchdog watchdog({name, dir.filePath("pipe")});
        const DiscFileBytes read = readDiscFile(name, limit);
        QFile opened(name);
        const QString openError = openDiscFile(opened, limit);
        QVERIFY2(!watchdog.fired(), "the reader blocked on a pipe");
        QCOMPARE(isDiscFile(name), discFile);
        QCOMPARE(read.bytes, bytes);
        QCOMPARE(read.read(), reason.isEmpty());
        QVERIFY2(read.error.contains(reason), qPrintable(read.error));
        QCOMPARE(openError, read.error);
        QCOMPARE(opened.isOpen(), read.read());
    }
};

QTEST_GUILESS_MAIN(TstDiscFile)
#include "tst_discfile.moc"
