// Starting programs, opening folders and links through the real Windows shell (Wine's here):
// installers and the player are stand-ins on a test disc that note how they were started.
#include "platform/desktop/QtDesktop.h"
#include "platform/settings/WindowsRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

using namespace vistrel;

namespace {

// What a stand-in noted: its command line, the show state asked for, its arguments.
struct Started {
    QString commandLine;
    int show = -2;
    QStringList arguments;
};

Started readStarted(const QString& program) {
    QFile file(program + ".started");
    Started started;
    if (!file.open(QIODevice::ReadOnly))
        return started;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.startsWith("command line: "))
            started.commandLine = line.mid(14);
        else if (line.startsWith("show: "))
            started.show = line.mid(6).toInt();
        else if (line.startsWith("argument: "))
            started.arguments << line.mid(10);
    }
    return started;
}

// Paths of this machine's own file system, as Wine's programs see them.
QString fromUnix(const char* path) {
    return QStringLiteral("Z:") + QString::fromUtf8(path);
}

} // namespace

class TestWindowsShell : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void installerStartsShownWithoutArguments();
    void playerGetsItsParameterAsCommandLine();
    void argumentListArrivesWordForWord();
    void folderOpensInExplorer();
    void fileOpensWithItsProgram();
    void linksReachTheBrowserAndMailer();

  private:
    // A copy of the stand-in at the path below the test disc.
    QString standIn(const QString& relativePath);
    Started startedAs(const QString& program);

    QTemporaryDir disc_;
    QtDesktop desktop_;
};

void TestWindowsShell::initTestCase() {
    QVERIFY(disc_.isValid());
}

QString TestWindowsShell::standIn(const QString& relativePath) {
    const QString path = disc_.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!QFile::copy(fromUnix(VISTREL_STANDIN), path))
        qWarning() << "could not copy the stand-in to" << path;
    return path;
}

Started TestWindowsShell::startedAs(const QString& program) {
    const QString record = program + ".started";
    if (!QTest::qWaitFor([&] { return QFileInfo(record).size() > 0; }, 20000))
        return {};
    return readStarted(program);
}

// An installer: exactly that file, no arguments, its window shown.
void TestWindowsShell::installerStartsShownWithoutArguments() {
    const QString program = standIn("Codec Setup/install codec's (x86) & more.exe");
    QVERIFY(desktop_.startProgram(program, {}));
    const Started started = startedAs(program);
    QCOMPARE(started.arguments, QStringList{QDir::toNativeSeparators(program)});
    QCOMPARE(started.show, SW_SHOWNORMAL);
}

// The player's parameter is the rest of its command line, character for character, so it splits
// it as any Windows program splits its own: quotes group, backslashes stay.
void TestWindowsShell::playerGetsItsParameterAsCommandLine() {
    const QString program = standIn("Player Dir/player.exe");
    const QString parameter = R"("D:\Movies\my film.avi" /fullscreen C:\end\ "a \"b\"")";
    QVERIFY(desktop_.startProgramWithParameter(program, parameter));
    const Started started = startedAs(program);
    QVERIFY2(started.commandLine.endsWith(QLatin1Char(' ') + parameter),
             qPrintable(started.commandLine));
    QCOMPARE(started.arguments,
             QStringList({QDir::toNativeSeparators(program), R"(D:\Movies\my film.avi)",
                          "/fullscreen", R"(C:\end\)", R"(a "b")"}));
    QCOMPARE(started.show, SW_SHOWNORMAL);
}

void TestWindowsShell::argumentListArrivesWordForWord() {
    const QString program = standIn("list.exe");
    const QStringList arguments{"two words", R"(say "hi")", R"(C:\dir\)", R"(C:\my dir\)", ""};
    QVERIFY(desktop_.startProgram(program, arguments));
    QCOMPARE(startedAs(program).arguments,
             QStringList{QDir::toNativeSeparators(program)} + arguments);
}

// Wine's Explorer shows a folder in a window named after it.
void TestWindowsShell::folderOpensInExplorer() {
    const QString name = QStringLiteral("Bonus Folder %1").arg(GetCurrentProcessId());
    QVERIFY(QDir(disc_.path()).mkpath(name));
    desktop_.openFolder(disc_.filePath(name));
    const std::wstring title = name.toStdWString();
    HWND window = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((window = FindWindowW(nullptr, title.c_str())) != nullptr, 30000);
    PostMessageW(window, WM_CLOSE, 0, 0);
}

// A file opens with the program Windows has for its kind (a program runs); a kind that none
// opens is told, without the shell's own "open with" dialog.
void TestWindowsShell::fileOpensWithItsProgram() {
    const QString program = standIn("Extras/worksheet.exe");
    const QString sheet = disc_.filePath("Extras/sheet.vistrel-no-such-kind");
    QFile(sheet).open(QIODevice::WriteOnly);
    QStringList told;
    desktop_.openFile(program, [&told](const QString& why) { told << why; });
    QCOMPARE(startedAs(program).arguments, QStringList{QDir::toNativeSeparators(program)});
    desktop_.openFile(sheet, [&told](const QString& why) { told << why; });
    QCOMPARE(told, QStringList{"no program opens this kind of file"});
}

// Wine hands web and mail links to the programs its registry names: here a script that notes
// them.
void TestWindowsShell::linksReachTheBrowserAndMailer() {
    const QString script = QString::fromUtf8(VISTREL_BROWSER_STANDIN);
    WindowsRegistry registry;
    for (const char* kind : {"Browsers", "Mailers"})
        registry.WriteRegistryValue(RegistryRoot::CurrentUser, "Software\\Wine\\WineBrowser", kind,
                                    RegistryValue::fromText(script));
    QFile::remove(fromUnix(VISTREL_BROWSER_STANDIN ".opened"));
    const QUrl web("http://nordquill.example/vistrel?disc=1&lang=en");
    const QUrl mail("mailto:vistrel@nordquill.example");
    desktop_.openUrl(web);
    desktop_.openUrl(mail);
    const auto opened = [] {
        QFile file(fromUnix(VISTREL_BROWSER_STANDIN ".opened"));
        QStringList lines;
        if (file.open(QIODevice::ReadOnly))
            lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        lines.sort();
        return lines;
    };
    QTRY_COMPARE_WITH_TIMEOUT(opened(), QStringList({web.toString(), mail.toString()}), 30000);
}

QTEST_MAIN(TestWindowsShell)
#include "tst_windowsshell.moc"
