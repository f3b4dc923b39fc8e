// The file-backed registry: typed values, round trips, atomic writes, corrupt, unwritable and
// non-file stores.
#include "platform/settings/FileRegistry.h"

#include <QtTest>

#include <sys/stat.h>

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

void makeNonFile(const QString& kind, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (kind == "fifo")
        QCOMPARE(mkfifo(name.constData(), 0600), 0);
    else if (kind == "zero")
        QVERIFY(QFile::link("/dev/zero", path));
    else if (kind == "folder")
        QVERIFY(QDir().mkdir(path));
    else if (kind == "dangling")
        QVERIFY(QFile::link(path + ".missing", path));
    else {
        const QString other = QFileInfo(path).absolutePath() + "/other";
        QVERIFY(QFile::link(other, path));
        QVERIFY(QFile::link(path, other));
    }
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

    void typesReadByKind_data() {
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
    void typesReadByKind() {
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

    // Each row: what the store holds; it reads as empty, and before the next write it is kept
    // aside whole.
    void unusableStoreIsKeptAsideBeforeItIsRewritten_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray valid = "REGEDIT4\n\n[SOFTWARE\\Other]\n\"Keep\"=\"me\"\n";
        QTest::newRow("garbage") << QByteArray("\x00\xff garbage [[[ \"=", 18);
        QTest::newRow("truncated inside a value") << valid + "\"Language\"=\"deut";
        QTest::newRow("unknown header") << QByteArray("REGEDIT5\n\n[K]\n\"a\"=\"b\"\n");
        QTest::newRow("NUL-filled") << QByteArray(8192, '\0');
        QTest::newRow("broken UTF-16") << QByteArray("\xff\xfeW\x00i", 5);
        // Valid, but larger than any store the program writes; never read whole.
        QTest::newRow("huge") << valid + "\"Big\"=\"" + QByteArray(2 * 1024 * 1024, 'x') + "\"\n";
    }
    void unusableStoreIsKeptAsideBeforeItIsRewritten() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString user = dir.filePath("HKEY_CURRENT_USER.reg");
        writeAll(user, bytes);
        FileRegistry registry(user, {});
        QVERIFY(registry.ReadRegistryValue(RegistryRoot::CurrentUser, "SOFTWARE\\Other", "Keep")
                    .isEmpty());
        QCOMPARE(readAll(user), bytes); // reading changes nothing
        registry.WriteRegistryValue(RegistryRoot::CurrentUser, kKey, "Language",
                                    RegistryValue::fromText("english"));
        QCOMPARE(readAll(user + ".corrupt"), bytes);
        QVERIFY(readAll(user).startsWith("REGEDIT4"));
        QCOMPARE(registry.ReadRegistryValue(RegistryRoot::CurrentUser, kKey, "Language"),
                 RegistryValue::fromText("english"));
        // The next write finds a valid store and keeps nothing more aside.
        registry.WriteRegistryValue(RegistryRoot::CurrentUser, kKey, "Language",
                                    RegistryValue::fromText("deutsch"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList({"HKEY_CURRENT_USER.reg", "HKEY_CURRENT_USER.reg.corrupt"}));
        QCOMPARE(readAll(user + ".corrupt"), bytes);
    }

    void onlyTheNewestUnusableStoreIsKept() {
        QTemporaryDir dir;
        const QString user = dir.filePath("HKEY_CURRENT_USER.reg");
        FileRegistry registry(user, {});
        for (const QByteArray& bytes : {QByteArray("first broken"), QByteArray("second broken")}) {
            writeAll(user, bytes);
            registry.WriteRegistryValue(RegistryRoot::CurrentUser, kKey, "Language",
                                        RegistryValue::fromText("english"));
            QCOMPARE(readAll(user + ".corrupt"), bytes);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), qsizetype(2));
    }

    void unreadableStoreIsKeptAside() {
        QTemporaryDir dir;
        const QString user = dir.filePath("HKEY_CURRENT_USER.reg");
        writeAll(user, "REGEDIT4\n\n[SOFTWARE\\Other]\n\"Keep\"=\"me\"\n");
        QFile::setPermissions(user, QFileDevice::WriteOwner);
        if (QFile(user).open(QIODevice::ReadOnly))
            QSKIP("files without read permission are readable here (root)");
        FileRegistry registry(user, {});
        QVERIFY(registry.ReadRegistryValue(RegistryRoot::CurrentUser, "SOFTWARE\\Other", "Keep")
                    .isEmpty());
        registry.WriteRegistryValue(RegistryRoot::CurrentUser, kKey, "Language",
                                    RegistryValue::fromText("english"));
        QVERIFY(QFileInfo::exists(user + ".corrupt"));
        QCOMPARE(registry.ReadRegistryValue(RegistryRoot::CurrentUser, kKey, "Language"),
                 RegistryValue::fromText("english"));
    }

    // Each row makes something that is not a regular file where the store should be: it is
    // never opened (a pipe without a writer would block), reads as empty, and is left alone.
    void storeThatIsNotAFileIsLeftAlone_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "fifo";
        QTest::newRow("link to /dev/zero") << "zero";
        QTest::newRow("folder") << "folder";
        QTest::newRow("link to nothing") << "dangling";
        QTest::newRow("loop of links") << "loop";
    }
    void storeThatIsNotAFileIsLeftAlone() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString user = dir.filePath("HKEY_CURRENT_USER.reg");
        makeNonFile(kind, user);
        const QFileInfo before(user);
        for (const RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine}) {
            FileRegistry registry(user, user);
            QVERIFY(registry.ReadRegistryValue(root, kKey, "Language").isEmpty());
        }
        FileRegistry registry(user, {});
        registry.WriteRegistryValue(RegistryRoot::CurrentUser, kKey, "Language",
                                    RegistryValue::fromText("english"));
        const QFileInfo after(user);
        QCOMPARE(after.isSymLink(), before.isSymLink());
        QCOMPARE(after.isFile(), false);
        QCOMPARE(after.isDir(), before.isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 kind == "loop" ? QStringList({"HKEY_CURRENT_USER.reg", "other"})
                                : QStringList({"HKEY_CURRENT_USER.reg"}));
    }

    // A language value is a short name; a huge one must not reach what shows it.
    void overlongTextReadsAbsent_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("read");
        QTest::newRow("4096 characters") << 4096 << true;
        QTest::newRow("4097 characters") << 4097 << false;
        QTest::newRow("300,000 characters") << 300000 << false;
    }
    void overlongTextReadsAbsent() {
        QFETCH(int, length);
        QFETCH(bool, read);
        QTemporaryDir dir;
        const QString user = dir.filePath("user.reg");
        // Two-byte characters: the bound counts characters, not bytes.
        const QByteArray text = QString(length, QChar(0xE9)).toUtf8();
        writeAll(user, "REGEDIT4\n\n[" + kKey.toUtf8() + "]\n\"Language\"=\"" + text + "\"\n");
        FileRegistry registry(user, {});
        const RegistryValue value =
            registry.ReadRegistryValue(RegistryRoot::CurrentUser, kKey, "Language");
        QCOMPARE(value.isEmpty(), !read);
        if (read)
            QCOMPARE(int(value.text.size()), length);
    }

    void readsTheEditorsUtf16Export() {
        QTemporaryDir dir;
        const QString user = dir.filePath("user.reg");
        const QString text = "Windows Registry Editor Version 5.00\r\n\r\n[" + kKey +
                             "]\r\n\"Language\"=\"fran\u00e7ais\"\r\n\r\n";
        writeAll(user,
                 QByteArray("\xff\xfe") +
                     QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
        FileRegistry registry(user, {});
        QCOMPARE(registry.ReadRegistryValue(RegistryRoot::CurrentUser, kKey, "Language"),
                 RegistryValue::fromText(QString("fran\u00e7ais")));
        registry.WriteRegistryValue(RegistryRoot::CurrentUser, kKey, "Volume",
                                    RegistryValue::fromNumber(3));
        QVERIFY(!QFileInfo::exists(user + ".corrupt"));
        QVERIFY(readAll(user).startsWith("REGEDIT4\n"));
        QCOMPARE(registry.ReadRegistryValue(RegistryRoot::CurrentUser, kKey, "Language"),
                 RegistryValue::fromText(QString("fran\u00e7ais")));
    }

    // The start writes the language every time: the same value leaves an editor's file as it is.
    void valueAlreadyStoredLeavesTheStoreAsItIs() {
        QTemporaryDir dir;
        const QString user = dir.filePath("user.reg");
        const QByteArray byHand =
            "REGEDIT4\n; chosen by hand\n[" + kKey.toUtf8() + "]\n\"Language\"=\"german\"\n";
        writeAll(user, byHand);
        FileRegistry registry(user, {});
        registry.WriteRegistryValue(RegistryRoot::CurrentUser, kKey.toUpper(), "language",
                                    RegistryValue::fromText("german"));
        QCOMPARE(readAll(user), byHand);
        registry.WriteRegistryValue(RegistryRoot::CurrentUser, kKey, "Language",
                                    RegistryValue::fromText("english"));
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
