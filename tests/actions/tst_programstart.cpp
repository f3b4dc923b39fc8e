// Installers started for real: by their path as a program, never through a shell, and a file
// that cannot run is refused and logged rather than anything else happening. A folder handed to
// a desktop opener that fails is told back, with the opener's reason.
#include "platform/desktop/QtDesktop.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace vistrel;

namespace {

void writeFile(const QString& path, const QByteArray& bytes, QFile::Permissions permissions) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QVERIFY(file.setPermissions(permissions));
}

constexpr QFile::Permissions kExecutable =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::ExeUser;
constexpr QFile::Permissions kNotExecutable =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser;

} // namespace

class TestProgramStart : public QObject {
    Q_OBJECT

  private slots:
    void startsExactlyThatFileWithoutArguments_data();
    void startsExactlyThatFileWithoutArguments();
    void refusedStartsAreLogged_data();
    void refusedStartsAreLogged();
    void aFolderTheOpenerFailsOnIsTold_data();
    void aFolderTheOpenerFailsOnIsTold();
};

void TestProgramStart::startsExactlyThatFileWithoutArguments_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("blanks") << "My Setup/install codec.sh";
    QTest::newRow("quotes") << "it's \"the\" setup.sh";
    QTest::newRow("command separator") << "setup;touch injected.sh";
    QTest::newRow("substitutions") << "$(touch injected) `touch injected`.sh";
}

void TestProgramStart::startsExactlyThatFileWithoutArguments() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString marker = dir.filePath("ran");
    const QString program = dir.filePath(name);
    // The script tells what it was started as and with how many arguments.
    writeFile(program, "#!/bin/sh\necho \"$0 $#\" > '" + marker.toUtf8() + "'\n", kExecutable);

    QtDesktop desktop;
    QVERIFY(desktop.startProgram(program, {}));

    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(marker).size() > 0, 10000);
    QFile ran(marker);
    QVERIFY(ran.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(ran.readAll()).trimmed(), program + " 0");
    // What a shell would have made of the name, in the program's folder or here.
    for (const QString& folder : {QFileInfo(program).absolutePath(), QDir::currentPath()}) {
        QVERIFY(!QFileInfo::exists(folder + "/injected"));
        QVERIFY(!QFileInfo::exists(folder + "/injected.sh"));
    }
}

void TestProgramStart::refusedStartsAreLogged_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("executable");
    QTest::newRow("no execute permission") << QByteArray("#!/bin/sh\nexit 0\n") << false;
    QTest::newRow("a foreign binary") << QByteArray("MZ\x90\0\x03\0\0\0\x04\0", 10) << true;
    QTest::newRow("a script saved with Windows line ends")
        << QByteArray("#!/bin/sh\r\nexit 0\r\n") << true;
}

void TestProgramStart::refusedStartsAreLogged() {
    QFETCH(QByteArray, content);
    QFETCH(bool, executable);
    QTemporaryDir dir;
    const QString program = dir.filePath("Setup/setup.exe");
    writeFile(program, content, executable ? kExecutable : kNotExecutable);

    QLoggingCategory::setFilterRules("vistrel.process=true");
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^start: .*setup\\.exe $"));
    QTest::ignoreMessage(QtInfoMsg, "start failed: " + program.toUtf8());
    QtDesktop desktop;
    const bool started = desktop.startProgram(program, {});
    QLoggingCategory::setFilterRules("");
    QVERIFY(!started);
}

void TestProgramStart::aFolderTheOpenerFailsOnIsTold_data() {
    QTest::addColumn<QByteArray>("opener"); // the xdg-open on the path; none when empty
    QTest::addColumn<QString>("reason");    // a part of the reason told; empty: it opened
    QTest::newRow("opens") << QByteArray("#!/bin/sh\necho \"$1\" > \"$0.opened\"\n") << "";
    QTest::newRow("fails") << QByteArray("#!/bin/sh\necho 'xdg-open: no method available' >&2\n"
                                         "exit 3\n")
                           << "ended with 3: xdg-open: no method available";
    QTest::newRow("cannot start") << QByteArray("#!/nonexistent/interpreter\n") << "did not start";
    QTest::newRow("none") << QByteArray() << "there is no xdg-open";
}

// No file manager on the session bus: the folder goes to xdg-open, as on a bare desktop.
void TestProgramStart::aFolderTheOpenerFailsOnIsTold() {
    QFETCH(QByteArray, opener);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString folder = dir.filePath("My Extras");
    QVERIFY(QDir().mkpath(folder));
    const QString bin = dir.filePath("bin");
    QVERIFY(QDir().mkpath(bin));
    if (!opener.isEmpty())
        writeFile(bin + "/xdg-open", opener, kExecutable);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.toUtf8());
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + dir.filePath("no-bus").toUtf8());

    QLoggingCategory::setFilterRules("vistrel.action=true");
    QTest::ignoreMessage(QtInfoMsg, "open folder: " + folder.toUtf8());
    if (!reason.isEmpty())
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^folder not opened: .*My Extras - .*" +
                                                           QRegularExpression::escape(reason)));
    QtDesktop desktop;
    QStringList told;
    desktop.openFolder(folder, [&told](const QString& why) { told.append(why); });
    if (reason.isEmpty()) {
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(bin + "/xdg-open.opened").size() > 0, 10000);
        QTest::qWait(300);
        QVERIFY(told.isEmpty());
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(told.size(), 1, 10000);
        QVERIFY2(told.first().contains(reason), qPrintable(told.first()));
    }
    QLoggingCategory::setFilterRules("");
    qputenv("PATH", path);
    if (reason.isEmpty()) {
        QFile opened(bin + "/xdg-open.opened");
        QVERIFY(opened.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(opened.readAll()).trimmed(), folder);
    }
}

QTEST_GUILESS_MAIN(TestProgramStart)
#include "tst_programstart.moc"
