#include "text/IniFile.h"
#include "text/TextDecoding.h"

#include <QtTest>

#include <chrono>
#include <string>

using namespace vistrel;

namespace {

std::string repeated(std::string_view piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        out.append(piece);
    }
    return out;
}

QByteArray bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Byte literals that may hold NUL bytes.
template <std::size_t N> QByteArray raw(const char (&literal)[N]) {
    return QByteArray(literal, N - 1);
}

std::string str(const QByteArray& array) {
    return std::string(array.constData(), static_cast<std::size_t>(array.size()));
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

  private slots:
    void readsAsTheProfileService_data();
    void readsAsTheProfileService();
    void missingFileReadsAsDefault();
    void longValuesAreCutByCharacters_data();
    void longValuesAreCutByCharacters();
    void badInputReadsWithoutFault_data();
    void badInputReadsWithoutFault();
    void manyReadsOfALargeFile();
};

// Each row: file text (raw bytes, decoded as a disc file is), section, key,
// default, the expected result.
void TestIniFile::readsAsTheProfileService_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("fallback");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray main = "[Main]\r\nSkin=blue\r\nVersion=1.0\r\n";
    QTest::newRow("plain value") << main << QByteArray("Main") << QByteArray("Skin")
                                 << QByteArray("default") << QByteArray("blue");
    QTest::newRow("missing key gives default") << main << QByteArray("Main") << QByteArray("Movie")
                                               << QByteArray("none") << QByteArray("none");
    QTest::newRow("missing section gives default")
        << main << QByteArray("Player") << QByteArray("Skin") << QByteArray("dflt")
        << QByteArray("dflt");
    QTest::newRow("empty value is empty, not default")
        << QByteArray("[Main]\nVersion=\n") << QByteArray("Main") << QByteArray("Version")
        << QByteArray("1.0") << QByteArray("");
    QTest::newRow("section name without case")
        << main << QByteArray("mAIN") << QByteArray("Skin") << QByteArray("") << QByteArray("blue");
    QTest::newRow("key name without case")
        << main << QByteArray("Main") << QByteArray("SKIN") << QByteArray("") << QByteArray("blue");
    QTest::newRow("Latin-1 letters without case")
        << QByteArray("[Gr\xd6\xdf"
                      "e]\n\xc4nderung=ja\n")
        << QByteArray("gr\xc3\xb6\xc3\x9f"
                      "e")
        << QByteArray("\xc3\xa4nderung") << QByteArray("") << QByteArray("ja");
    QTest::newRow("first section of a name wins")
        << QByteArray("[Main]\nSkin=first\n[Other]\n[MAIN]\nSkin=second\nMovie=m.avi\n")
        << QByteArray("Main") << QByteArray("Skin") << QByteArray("") << QByteArray("first");
    QTest::newRow("keys of a repeated section are not seen")
        << QByteArray("[Main]\nSkin=first\n[main]\nMovie=m.avi\n") << QByteArray("Main")
        << QByteArray("Movie") << QByteArray("none") << QByteArray("none");
    QTest::newRow("first of a repeated key wins")
        << QByteArray("[Main]\nSkin=one\nskin=two\n") << QByteArray("Main") << QByteArray("Skin")
        << QByteArray("") << QByteArray("one");
    QTest::newRow("blanks around key, equals and value")
        << QByteArray("[Main]\n  \tSkin \t=  blue sky \t \n") << QByteArray("Main")
        << QByteArray("Skin") << QByteArray("") << QByteArray("blue sky");
    QTest::newRow("blanks around the queried names")
        << main << QByteArray(" Main ") << QByteArray(" Skin\t") << QByteArray("")
        << QByteArray("blue");
    QTest::newRow("double quotes around whole value removed")
        << QByteArray("[Main]\nTitle=\"  a b  \"\n") << QByteArray("Main") << QByteArray("Title")
        << QByteArray("") << QByteArray("  a b  ");
    QTest::newRow("single quotes around whole value removed")
        << QByteArray("[Main]\nTitle='x'\n") << QByteArray("Main") << QByteArray("Title")
        << QByteArray("") << QByteArray("x");
    QTest::newRow("unmatched quotes kept")
        << QByteArray("[Main]\nTitle=\"x'\n") << QByteArray("Main") << QByteArray("Title")
        << QByteArray("") << QByteArray("\"x'");
    QTest::newRow("quotes inside value kept")
        << QByteArray("[Main]\nTitle=say \"hi\"\n") << QByteArray("Main") << QByteArray("Title")
        << QByteArray("") << QByteArray("say \"hi\"");
    QTest::newRow("a lone quote kept") << QByteArray("[Main]\nTitle=\"\n") << QByteArray("Main")
                                       << QByteArray("Title") << QByteArray("") << QByteArray("\"");
    QTest::newRow("only the outer pair of quotes removed")
        << QByteArray("[Main]\nTitle=\"\"x\"\"\n") << QByteArray("Main") << QByteArray("Title")
        << QByteArray("") << QByteArray("\"x\"");
    QTest::newRow("line without equals ignored")
        << QByteArray("[Main]\nSkin\nSkin=blue\n") << QByteArray("Main") << QByteArray("Skin")
        << QByteArray("none") << QByteArray("blue");
    QTest::newRow("line without equals gives no key")
        << QByteArray("[Main]\nMovie\n") << QByteArray("Main") << QByteArray("Movie")
        << QByteArray("none") << QByteArray("none");
    QTest::newRow("comment line is no key")
        << QByteArray("[Main]\n; Skin=old\nSkin=blue\n") << QByteArray("Main") << QByteArray("Skin")
        << QByteArray("") << QByteArray("blue");
    QTest::newRow("key starting with semicolon is a key")
        << QByteArray("[Main]\n;Skin=old\n") << QByteArray("Main") << QByteArray(";Skin")
        << QByteArray("") << QByteArray("old");
    QTest::newRow("semicolon inside value is part of it")
        << QByteArray("[Main]\nParameter=/play ; /close\n") << QByteArray("Main")
        << QByteArray("Parameter") << QByteArray("") << QByteArray("/play ; /close");
    QTest::newRow("equals inside value is part of it")
        << QByteArray("[Main]\nParameter=a=b\n") << QByteArray("Main") << QByteArray("Parameter")
        << QByteArray("") << QByteArray("a=b");
    QTest::newRow("backslashes and commas kept")
        << QByteArray("[Main]\nMovie=\\movie\\a,b.avi\n") << QByteArray("Main")
        << QByteArray("Movie") << QByteArray("") << QByteArray("\\movie\\a,b.avi");
    QTest::newRow("CR LF line ends") << QByteArray("[Main]\r\nA=1\r\nB=2\r\n") << QByteArray("Main")
                                     << QByteArray("B") << QByteArray("") << QByteArray("2");
    QTest::newRow("LF line ends") << QByteArray("[Main]\nA=1\nB=2\n") << QByteArray("Main")
                                  << QByteArray("B") << QByteArray("") << QByteArray("2");
    QTest::newRow("CR line ends") << QByteArray("[Main]\rA=1\rB=2\r") << QByteArray("Main")
                                  << QByteArray("B") << QByteArray("") << QByteArray("2");
    QTest::newRow("no final line end") << QByteArray("[Main]\nB=last") << QByteArray("Main")
                                       << QByteArray("B") << QByteArray("") << QByteArray("last");
    QTest::newRow("keys before any section have the empty section")
        << QByteArray("Skin=top\n[Main]\nSkin=blue\n") << QByteArray("") << QByteArray("Skin")
        << QByteArray("") << QByteArray("top");
    QTest::newRow("keys before any section are not in a named one")
        << QByteArray("Skin=top\n[Main]\n") << QByteArray("Main") << QByteArray("Skin")
        << QByteArray("none") << QByteArray("none");
    QTest::newRow("text after the section bracket ignored")
        << QByteArray("[Main] ; the main part\nSkin=blue\n") << QByteArray("Main")
        << QByteArray("Skin") << QByteArray("") << QByteArray("blue");
    QTest::newRow("blanks inside the brackets ignored")
        << QByteArray("[  Main\t]\nSkin=blue\n") << QByteArray("Main") << QByteArray("Skin")
        << QByteArray("") << QByteArray("blue");
    QTest::newRow("header without closing bracket opens nothing")
        << QByteArray("[Main]\nSkin=blue\n[Player\nSkin=red\n") << QByteArray("Main")
        << QByteArray("Skin") << QByteArray("") << QByteArray("blue");
    QTest::newRow("indented section header")
        << QByteArray("   [Player]\nRunPath=p.exe\n") << QByteArray("Player")
        << QByteArray("RunPath") << QByteArray("") << QByteArray("p.exe");
    QTest::newRow("empty key name gives default")
        << QByteArray("[Main]\n=value\n") << QByteArray("Main") << QByteArray("")
        << QByteArray("dflt") << QByteArray("dflt");
    QTest::newRow("trailing spaces of default dropped")
        << main << QByteArray("Main") << QByteArray("Movie") << QByteArray(" a b  ")
        << QByteArray(" a b");
    QTest::newRow("Windows-1252 file decoded")
        << QByteArray("[Tooltip]\ntipExit=Vistrel schlie\xdf"
                      "en \x80\n")
        << QByteArray("Tooltip") << QByteArray("tipExit") << QByteArray("")
        << QByteArray("Vistrel schlie\xc3\x9f"
                      "en \xe2\x82\xac");
    QTest::newRow("UTF-8 file with BOM")
        << QByteArray("\xef\xbb\xbf[Main]\nSkin=gr\xc3\xbcn\n") << QByteArray("Main")
        << QByteArray("Skin") << QByteArray("") << QByteArray("gr\xc3\xbcn");
    QTest::newRow("UTF-16 LE file")
        << raw("\xff\xfe[\0M\0]\0\r\0\n\0K\0=\0\xfc\0") << QByteArray("M") << QByteArray("K")
        << QByteArray("") << QByteArray("\xc3\xbc");
    QTest::newRow("DOS end-of-file mark is a blank")
        << QByteArray("[Main]\nSkin=blue\n\x1a") << QByteArray("Main") << QByteArray("Skin")
        << QByteArray("") << QByteArray("blue");
}

void TestIniFile::readsAsTheProfileService() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, fallback);
    QFETCH(QByteArray, expected);

    const IniFile ini = IniFile::parse(decodeText(str(file)));
    QCOMPARE(bytes(readProfileString(&ini, str(section), str(key), str(fallback))), expected);
}

void TestIniFile::missingFileReadsAsDefault() {
    QCOMPARE(readProfileString(nullptr, "Main", "Version", "1.0"), std::string("1.0"));
    QCOMPARE(readProfileString(nullptr, "Main", "Movie", ""), std::string());
    const IniFile empty = IniFile::parse("");
    QCOMPARE(readProfileString(&empty, "Main", "Skin", "default"), std::string("default"));
    QVERIFY(!empty.value("Main", "Skin").has_value());
}

void TestIniFile::longValuesAreCutByCharacters_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("expected");

    const std::string ascii = repeated("a", 3000);
    const std::string umlauts = repeated("\xc3\xa4", 3000); // 2 bytes per character
    QTest::newRow("exactly 2047 kept") << bytes(repeated("x", 2047)) << bytes(repeated("x", 2047));
    QTest::newRow("2048 cut") << bytes(repeated("x", 2048)) << bytes(repeated("x", 2047));
    QTest::newRow("3000 cut") << bytes(ascii) << bytes(ascii.substr(0, 2047));
    QTest::newRow("multi-byte characters counted as one")
        << bytes(umlauts) << bytes(umlauts.substr(0, 2047 * 2));
    QTest::newRow("quotes removed before the cut")
        << bytes("\"" + repeated("q", 2047) + "\"") << bytes(repeated("q", 2047));
    QTest::newRow("far longer line") << bytes(repeated("z", 100000)) << bytes(repeated("z", 2047));
}

void TestIniFile::longValuesAreCutByCharacters() {
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, expected);

    const IniFile ini = IniFile::parse("[Main]\nMovie=" + str(value) + "\nSkin=blue\n");
    QCOMPARE(bytes(readProfileString(&ini, "Main", "Movie", "")), expected);
    QCOMPARE(readProfileString(&ini, "Main", "Skin", ""), std::string("blue"));
    QCOMPARE(readProfileString(nullptr, "Main", "Movie", str(value)).size(),
             static_cast<std::size_t>(expected.size()));
}

// Damaged files read as defaults or as what they hold; never a fault or a hang.
void TestIniFile::badInputReadsWithoutFault_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expectedSkin");

    std::string garbage;
    for (int i = 0; i < 70000; ++i) {
        garbage.push_back(static_cast<char>((i * 7919 + 13) % 256));
    }
    QTest::newRow("binary garbage") << bytes(garbage) << QByteArray("default");
    QTest::newRow("NUL bytes around the value") << raw("[Main]\0\nSkin=bl\0ue\n") << raw("bl\0ue");
    QTest::newRow("NUL bytes only") << QByteArray(4096, '\0') << QByteArray("default");
    QTest::newRow("huge line before the section")
        << bytes(repeated("x", 5000000) + "\n[Main]\nSkin=blue\n") << QByteArray("blue");
    QTest::newRow("huge section name")
        << bytes("[" + repeated("s", 1000000) + "]\n[Main]\nSkin=blue") << QByteArray("blue");
    QTest::newRow("lone brackets and equals")
        << QByteArray("[\n]\n=\n[]\n[[]]\n==\n[Main]\nSkin==x\n") << QByteArray("=x");
    QTest::newRow("odd-length UTF-16") << raw("\xff\xfe[\0M") << QByteArray("default");
    QTest::newRow("unpaired surrogate in UTF-16")
        << raw("\xfe\xff\0[\0M\0a\0i\0n\0]\0\n\0S\0k\0i\0n\0=\xd8\x01")
        << QByteArray("\xef\xbf\xbd");
}

void TestIniFile::badInputReadsWithoutFault() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expectedSkin);

    const IniFile ini = IniFile::parse(decodeText(str(file)));
    QCOMPARE(bytes(readProfileString(&ini, "Main", "Skin", "default")), expectedSkin);
}

// A 50 MB file is read once and then asked many times, as start-up does.
void TestIniFile::manyReadsOfALargeFile() {
    std::string text = "[Main]\r\n";
    for (int i = 0; text.size() < 50u * 1024 * 1024; ++i) {
        text += "Key" + std::to_string(i) + " = value number " + std::to_string(i) + "\r\n";
    }
    text += "Skin=blue";
    const IniFile ini = IniFile::parse(decodeText(text));
    for (int i = 0; i < 230; ++i) {
        QCOMPARE(readProfileString(&ini, "main", "key" + std::to_string(i * 1000), ""),
                 "value number " + std::to_string(i * 1000));
    }
    QCOMPARE(readProfileString(&ini, "Main", "Skin", ""), std::string("blue"));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
