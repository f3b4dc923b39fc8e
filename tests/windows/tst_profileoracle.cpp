// The profile reader against Windows' own profile service in the same process: each tricky
// vistrel.ini of the table is read both ways, for every probe, and any difference fails. And
// autorun.inf as make-disc writes it, read as Windows reads it.
#include "platform/disc/ReadIni.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

#include <vector>

namespace {

// One read: the section, key and default of GetPrivateProfileString.
struct Probe {
    QString section;
    QString key;
    QString defaultValue;
};
using Probes = std::vector<Probe>;

QString windowsReads(const Probe& probe, const QString& file) {
    std::vector<wchar_t> buffer(2048, L'\0');
    const std::wstring section = probe.section.toStdWString();
    const std::wstring key = probe.key.toStdWString();
    const std::wstring fallback = probe.defaultValue.toStdWString();
    const std::wstring path = QDir::toNativeSeparators(file).toStdWString();
    const DWORD length =
        GetPrivateProfileStringW(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                 DWORD(buffer.size()), path.c_str());
    return QString::fromWCharArray(buffer.data(), int(length));
}

// The probes every file gets: its own sections and keys in other letter cases, and the
// missing ones.
Probes commonProbes() {
    return {{"Main", "Version", "none"},    {"MAIN", "version", "none"},
            {"Main", "Skin", ""},           {"Main", "Missing", "fallback  "},
            {"Missing", "Version", "dflt"}, {"", "Version", "dflt"}};
}

QByteArray longLine(char c, int length) {
    return QByteArray(length, c);
}

} // namespace

Q_DECLARE_METATYPE(Probes)

class TestProfileOracle : public QObject {
    Q_OBJECT

  private slots:
    void readsAsWindowsReads_data();
    void readsAsWindowsReads();
    void readsAutorunInfAsWritten();
};

void TestProfileOracle::readsAsWindowsReads_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<Probes>("probes");
    // An empty key name gets the default. (Where a line has an empty name, Wine hands out its
    // value; what Windows does there is not established, and the program never asks.)
    QTest::newRow("plain") << QByteArray("[Main]\r\nVersion=1.0\r\nSkin=Nightfall\r\n")
                           << Probes{{"Main", "", "dflt"}};
    QTest::newRow("blanks and tabs around names and values")
        << QByteArray("  [ Main ]  \r\n\t Version \t=\t 1.0 \t\r\n Skin =  a  b  \r\n") << Probes{};
    QTest::newRow("quotes") << QByteArray("[Main]\r\nA=\"quoted\"\r\nB='single'\r\nC=\"mixed'\r\n"
                                          "D=\"open\r\nE=\" inner blanks \"\r\nF=\"\"\r\nG=\"\r\n"
                                          "H=x\"y\"\r\nI= \"q\" \r\n")
                            << Probes{{"Main", "A", ""}, {"Main", "B", ""},
                                      {"Main", "C", ""}, {"Main", "D", ""},
                                      {"Main", "E", ""}, {"Main", "F", "x"},
                                      {"Main", "G", ""}, {"Main", "H", ""},
                                      {"Main", "I", ""}, {"Main", "J", "\"quoted default\""}};
    QTest::newRow("comments and lines without a value")
        << QByteArray("[Main]\r\n;Version=2.0\r\n# Skin=x\r\nnovalue\r\n=empty name\r\n"
                      "Version=1.0\r\n;Commented=yes\r\n")
        << Probes{{"Main", ";Version", ""},
                  {"Main", "# Skin", ""},
                  {"Main", "novalue", "d"},
                  {"Main", ";Commented", ""}};
    QTest::newRow("keys before any section")
        << QByteArray("Version=0.5\r\n[Main]\r\nVersion=1.0\r\n") << Probes{};
    QTest::newRow("a section twice, a key twice")
        << QByteArray("[Main]\r\nVersion=1.0\r\nVersion=2.0\r\n[Other]\r\nX=1\r\n[MAIN]\r\n"
                      "Version=3.0\r\nSkin=late\r\n")
        << Probes{{"Other", "X", ""}};
    QTest::newRow("brackets") << QByteArray("[Main]junk\r\nVersion=1.0\r\n[A]B]\r\nK=1\r\n"
                                            "[Open\r\nK=2\r\n[]\r\nK=3\r\n[Sp ace]\r\nK=4\r\n")
                              << Probes{{"A", "K", ""},      {"A]B", "K", ""}, {"Open", "K", ""},
                                        {"[Open", "K", ""},  {"", "K", ""},    {"Sp ace", "K", ""},
                                        {"sp ace", "k", ""}, {"Sp", "K", "d"}};
    QTest::newRow("line ends: LF, CR, none at the end")
        << QByteArray("[Main]\nVersion=1.0\rSkin=x\r\n[Other]\rK=v") << Probes{{"Other", "K", ""}};
    QTest::newRow("equals signs in the value")
        << QByteArray("[Main]\r\nVersion==1.0\r\nSkin=a=b\r\n") << Probes{};
    QTest::newRow("a value longer than the buffer")
        << (QByteArray("[Main]\r\nSkin=") + longLine('x', 3000) + "\r\nVersion=\"" +
            longLine('y', 2046) + "\"\r\n")
        << Probes{};
    QTest::newRow("empty file") << QByteArray() << Probes{};
    QTest::newRow("UTF-8 byte order mark")
        << QByteArray("\xEF\xBB\xBF[Main]\r\nVersion=1.0\r\nSkin=Gr\xC3\xBCn\r\n") << Probes{};
    QTest::newRow("UTF-16 byte order mark")
        << QByteArray("\xFF\xFE[\0M\0a\0i\0n\0]\0\r\0\n\0V\0e\0r\0s\0i\0o\0n\0=\0"
                      "1\0.\0"
                      "0\0\r\0\n\0",
                      44)
        << Probes{};
}

void TestProfileOracle::readsAsWindowsReads() {
    QFETCH(QByteArray, content);
    QFETCH(Probes, probes);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("vistrel.ini");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    Probes all = commonProbes();
    all.insert(all.end(), probes.begin(), probes.end());
    QStringList differences;
    for (const Probe& probe : all) {
        const QString expected = windowsReads(probe, path);
        const QString ours =
            vistrel::ProfileSnapshot(path).value(probe.section, probe.key, probe.defaultValue);
        if (ours != expected)
            differences << QStringLiteral("[%1] %2 (default '%3'): Windows '%4', ours '%5'")
                               .arg(probe.section, probe.key, probe.defaultValue, expected.left(80),
                                    ours.left(80));
    }
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join("\n")));
}

// autorun.inf as make-disc writes it (tests/windows/CMakeLists.txt).
void TestProfileOracle::readsAutorunInfAsWritten() {
    const QString inf = QStringLiteral(VISTREL_AUTORUN_INF);
    const QStringList read{windowsReads({"autorun", "open", ""}, inf),
                           windowsReads({"autorun", "label", ""}, inf)};
    QCOMPARE(read, QStringList({"vistrel.exe", QString::fromUtf8(VISTREL_AUTORUN_LABEL)}));
}

QTEST_GUILESS_MAIN(TestProfileOracle)
#include "tst_profileoracle.moc"
