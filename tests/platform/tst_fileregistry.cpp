// The file-backed registry: typed values, round trips, atomic writes, corrupt and unwritable hives.
#include "platform/FileRegistry.h"

#include <QtTest>

using namespace vistrel;

namespace {
const QString kKey = "SOFTWARE\\Nordquill\\Vistrel";

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}
} // namespace

class TstFileRegistry : public QObject {
    Q_OBJECT
  private slots:
    void missingHiveReadsAbsent() {
        QTemporaryDir dir;
        FileRegistry registry(dir.filePath("user.reg"), dir.filePath("machine.reg"));
        QCOMPARE(registry.ReadRegistryValue(RegistryRoot::CurrentUser, kKey, "Language").kind,
                 RegistryValue::Kind::Absent);
    }

    void textRoundTripsAndKeepsOtherValues() {
        QTemporaryDir dir;
        const QString user = dir.filePath("vistrel/HKEY_CURRENT_USER.reg");
        writeAll(
            user,
            "REGEDIT4\n\n[SOFTWARE\\Other]\n\"Keep\"=\"me\"\n\n[SOFTWARE\\Nordquill\\Vistrel]\n"
            "\"Volume\"=dword:0000002a\n");
        FileRegistry registry(user, {});
        registry.WriteRegistryValue(RegistryRoot::CurrentUser, kKey, "Language",
                                    RegistryValue::fromText("  deutsch  "));
        QCOMPARE(registry.ReadRegistryValue(RegistryRoot::CurrentUser, kKey.toLower(), "LANGUAGE"),
                 RegistryValue::fromText("deutsch"));
        QCOMPARE(registry.ReadRegistryValue(RegistryRoot::CurrentUser, "SOFTWARE\\Other", "Keep"),
                 RegistryValue::fromText("me"));
        QCOMPARE(registry.ReadRegistryValue(RegistryRoot::CurrentUser, kKey, "Volume"),
                 RegistryValue::fromNumber(42));
        // No temporary file is left beside the hive.
        QCOMPARE(QDir(dir.filePath("vistrel")).entryList(QDir::Files),
                 QStringList{"HKEY_CURRENT_USER.reg"});
    }

    void numericTextStaysText() {
        QTemporaryDir dir;
        FileRegistry registry(dir.filePath("user.reg"), {});
        registry.WriteRegistryValue(RegistryRoot::CurrentUser, kKey, "Language",
                                    RegistryValue::fromText("007"));
        const RegistryValue back =
            registry.ReadRegistryValue(RegistryRoot::CurrentUser, kKey, "Language");
        QCOMPARE(back.kind, RegistryValue::Kind::Text);
        QCOMPARE(back.toText(), QString("007"));
    }

    void typesReadAsSpecified_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("expected"); // "" = empty, "#n" = number n, else text
        QTest::newRow("string") << QByteArray("\"V\"=\"english\"") << "english";
        QTest::newRow("dword") << QByteArray("\"V\"=dword:ffffffff") << "#-1";
        QTest::newRow("expandable string") << QByteArray("\"V\"=hex(2):41,00") << "";
        QTest::newRow("binary") << QByteArray("\"V\"=hex:41,42") << "";
        QTest::newRow("string without terminator") << QByteArray("\"V\"=hex(1):41,42") << "AB";
        QTest::newRow("string with embedded zero") << QByteArray("\"V\"=hex(1):41,00,42,00") << "A";
        QTest::newRow("short dword") << QByteArray("\"V\"=hex(4):01,02") << "";
    }
    void typesReadAsSpecified() {
        QFETCH(QByteArray, line);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString machine = dir.filePath("machine.reg");
        writeAll(machine, "REGEDIT4\n\n[SOFTWARE\\DVE\\Micro DVD Player]\n" + line + "\n");
        FileRegistry registry({}, machine);
        const RegistryValue value = registry.ReadRegistryValue(
            RegistryRoot::LocalMachine, "SOFTWARE\\DVE\\Micro DVD Player", "V");
        if (expected.isEmpty())
            QVERIFY(value.isEmpty());
        else if (expected.startsWith('#'))
            QCOMPARE(value, RegistryValue::fromNumber(expected.mid(1).toInt()));
        else
            QCOMPARE(value, RegistryValue::fromText(expected));
    }

    void corruptHiveReadsEmptyAndIsRewrittenWhole() {
        QTemporaryDir dir;
        const QString user = dir.filePath("user.reg");
        writeAll(user, QByteArray("\x00\xff garbage [[[ \"=", 18));
        FileRegistry registry(user, {});
        QVERIFY(registry.ReadRegistryValue(RegistryRoot::CurrentUser, kKey, "Language").isEmpty());
        registry.WriteRegistryValue(RegistryRoot::CurrentUser, kKey, "Language",
                                    RegistryValue::fromText("english"));
        QVERIFY(readAll(user).startsWith("REGEDIT4"));
        QCOMPARE(registry.ReadRegistryValue(RegistryRoot::CurrentUser, kKey, "Language"),
                 RegistryValue::fromText("english"));
    }

    void unwritableStoreIsSilentlyNotWritten() {
        QTemporaryDir dir;
        // A file where the hive's folder should be: the write cannot happen.
        writeAll(dir.filePath("blocked"), "x");
        FileRegistry registry(dir.filePath("blocked/user.reg"), {});
        registry.WriteRegistryValue(RegistryRoot::CurrentUser, kKey, "Language",
                                    RegistryValue::fromText("english"));
        QVERIFY(registry.ReadRegistryValue(RegistryRoot::CurrentUser, kKey, "Language").isEmpty());
        // What stood in the way is left as it was.
        QCOMPARE(readAll(dir.filePath("blocked")), QByteArray("x"));
    }

    void hivesFollowTheXdgFolders() {
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", dir.filePath("home").toUtf8());
        qputenv("XDG_CONFIG_DIRS", (dir.filePath("none") + ":" + dir.filePath("etc")).toUtf8());
        writeAll(dir.filePath("etc/vistrel/HKEY_LOCAL_MACHINE.reg"),
                 "REGEDIT4\n\n[SOFTWARE\\DVE\\Micro DVD Player]\n\"INILocation\"=\"x\"\n");
        FileRegistry registry = FileRegistry::forThisUser();
        QCOMPARE(registry.hiveFile(RegistryRoot::CurrentUser),
                 dir.filePath("home/vistrel/HKEY_CURRENT_USER.reg"));
        QVERIFY(!registry
                     .ReadRegistryValue(RegistryRoot::LocalMachine,
                                        "software\\dve\\micro dvd player", "INILocation")
                     .isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstFileRegistry)
#include "tst_fileregistry.moc"
