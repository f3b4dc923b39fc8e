#include "platform/settings/RegFile.h"

#include <QtTest>

#include <string>

using namespace vistrel;

Q_DECLARE_METATYPE(vistrel::RegValue)

namespace {

constexpr std::string_view kVistrelKey = "SOFTWARE\\Nordquill\\Vistrel";

std::string str(const QByteArray& array) {
    return std::string(array.constData(), static_cast<std::size_t>(array.size()));
}

RegValue typed(std::uint32_t type, std::string data) {
    return RegValue{type, std::move(data)};
}

// Text as the registry editor exports it: UTF-16LE after a byte order mark, CR LF line ends.
std::string editorExport(const QString& text) {
    QString crlf = text;
    crlf.replace("\n", "\r\n");
    std::string bytes = "\xFF\xFE";
    for (const QChar c : crlf) {
        bytes.push_back(static_cast<char>(c.unicode() & 0xFF));
        bytes.push_back(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

} // namespace

class TestRegFile : public QObject {
    Q_OBJECT

  private slots:
    void readsValuesOfEveryType_data();
    void readsValuesOfEveryType();
    void rejectsCorruptText_data();
    void rejectsCorruptText();
    void roundTripsEveryValue_data();
    void roundTripsEveryValue();
    void writesTheExportFormat();
    void setKeepsEverythingElse();
    void matchesNamesWithoutCase();
    void readsStringData_data();
    void readsStringData();
    void readsTheEditorsExport_data();
    void readsTheEditorsExport();
    void rejectsBrokenUtf16_data();
    void rejectsBrokenUtf16();
};

// Each row: one value line under the Vistrel key, and the value it must give.
void TestRegFile::readsValuesOfEveryType_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<RegValue>("expected");

    QTest::newRow("text") << QByteArray("\"Language\"=\"english\"") << QByteArray("Language")
                          << RegValue::text("english");
    QTest::newRow("empty text") << QByteArray("\"L\"=\"\"") << QByteArray("L")
                                << RegValue::text("");
    QTest::newRow("escaped backslash and quote")
        << QByteArray("\"P\"=\"C:\\\\Programs\\\\\\\"x\\\"\"") << QByteArray("P")
        << RegValue::text("C:\\Programs\\\"x\"");
    QTest::newRow("other backslash kept")
        << QByteArray("\"P\"=\"a\\nb\"") << QByteArray("P") << RegValue::text("a\\nb");
    QTest::newRow("escaped name") << QByteArray("\"a\\\"b\"=\"v\"") << QByteArray("a\"b")
                                  << RegValue::text("v");
    QTest::newRow("UTF-8 text") << QByteArray("\"L\"=\"fran\xc3\xa7"
                                              "ais\"")
                                << QByteArray("L")
                                << RegValue::text("fran\xc3\xa7"
                                                  "ais");
    QTest::newRow("default value")
        << QByteArray("@=\"dflt\"") << QByteArray("") << RegValue::text("dflt");
    QTest::newRow("blanks around equals")
        << QByteArray("\"L\" = \"x\" ") << QByteArray("L") << RegValue::text("x");
    QTest::newRow("dword") << QByteArray("\"N\"=dword:0000002a") << QByteArray("N")
                           << RegValue::dword(42);
    QTest::newRow("dword upper case, short")
        << QByteArray("\"N\"=DWORD:FF") << QByteArray("N") << RegValue::dword(255);
    QTest::newRow("dword all bits")
        << QByteArray("\"N\"=dword:ffffffff") << QByteArray("N") << RegValue::dword(0xFFFFFFFFu);
    QTest::newRow("binary") << QByteArray("\"B\"=hex:00,ff,10") << QByteArray("B")
                            << typed(kRegBinary, std::string("\x00\xff\x10", 3));
    QTest::newRow("empty binary") << QByteArray("\"B\"=hex:") << QByteArray("B")
                                  << typed(kRegBinary, "");
    QTest::newRow("expandable text")
        << QByteArray("\"E\"=hex(2):25,54,45,4d,50,25,00") << QByteArray("E")
        << typed(kRegExpandSz, std::string("%TEMP%\0", 7));
    QTest::newRow("continued hex list")
        << QByteArray("\"E\"=hex(2):41,42,\\\r\n  43,\\\n  00") << QByteArray("E")
        << typed(kRegExpandSz, std::string("ABC\0", 4));
    QTest::newRow("other type kept") << QByteArray("\"M\"=hex(7):61,00,00") << QByteArray("M")
                                     << typed(7, std::string("a\0\0", 3));
    QTest::newRow("text without zero as hex(1)")
        << QByteArray("\"T\"=hex(1):61,62") << QByteArray("T") << typed(kRegSz, "ab");
    QTest::newRow("dword of odd size as hex(4)")
        << QByteArray("\"N\"=hex(4):01,02") << QByteArray("N") << typed(kRegDword, "\x01\x02");
}

void TestRegFile::readsValuesOfEveryType() {
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, name);
    QFETCH(RegValue, expected);

    const std::string text = "REGEDIT4\r\n\r\n[" + std::string(kVistrelKey) + "]\r\n" + str(line) +
                             "\r\n\"After\"=dword:00000001\r\n";
    const auto hive = RegHive::parse(text);
    QVERIFY(hive.has_value());
    const RegValue* value = hive->find(kVistrelKey, str(name));
    QVERIFY(value != nullptr);
    QCOMPARE(value->type, expected.type);
    QCOMPARE(QByteArray::fromStdString(value->data), QByteArray::fromStdString(expected.data));
    QVERIFY(hive->find(kVistrelKey, "After") != nullptr);
}

void TestRegFile::rejectsCorruptText_data() {
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("blank lines only") << QByteArray("\n \r\n");
    QTest::newRow("no header") << QByteArray("[K]\n\"a\"=\"b\"\n");
    QTest::newRow("wrong header") << QByteArray("REGEDIT5\n[K]\n");
    QTest::newRow("binary garbage") << QByteArray("\x7f\x45\x4c\x46\x02\x01\x01\0\0\0", 10);
    QTest::newRow("value before any key") << QByteArray("REGEDIT4\n\"a\"=\"b\"\n");
    QTest::newRow("unclosed key") << QByteArray("REGEDIT4\n[K\n");
    QTest::newRow("key deletion") << QByteArray("REGEDIT4\n[-K]\n");
    QTest::newRow("value deletion") << QByteArray("REGEDIT4\n[K]\n\"a\"=-\n");
    QTest::newRow("unclosed name") << QByteArray("REGEDIT4\n[K]\n\"a=\"b\"\n");
    QTest::newRow("unclosed text") << QByteArray("REGEDIT4\n[K]\n\"a\"=\"b\n");
    QTest::newRow("text ending in escaped quote") << QByteArray("REGEDIT4\n[K]\n\"a\"=\"b\\\"\n");
    QTest::newRow("junk after text") << QByteArray("REGEDIT4\n[K]\n\"a\"=\"b\"x\n");
    QTest::newRow("missing equals") << QByteArray("REGEDIT4\n[K]\n\"a\" \"b\"\n");
    QTest::newRow("bare word") << QByteArray("REGEDIT4\n[K]\nLanguage=english\n");
    QTest::newRow("dword too long") << QByteArray("REGEDIT4\n[K]\n\"a\"=dword:123456789\n");
    QTest::newRow("dword not hex") << QByteArray("REGEDIT4\n[K]\n\"a\"=dword:12g4\n");
    QTest::newRow("dword empty") << QByteArray("REGEDIT4\n[K]\n\"a\"=dword:\n");
    QTest::newRow("hex byte too wide") << QByteArray("REGEDIT4\n[K]\n\"a\"=hex:123\n");
    QTest::newRow("hex empty byte") << QByteArray("REGEDIT4\n[K]\n\"a\"=hex:01,,02\n");
    QTest::newRow("hex type unclosed") << QByteArray("REGEDIT4\n[K]\n\"a\"=hex(2:00\n");
    QTest::newRow("hex without colon") << QByteArray("REGEDIT4\n[K]\n\"a\"=hex 00\n");
    QTest::newRow("continuation at end of file") << QByteArray("REGEDIT4\n[K]\n\"a\"=hex:00,\\\n");
    QTest::newRow("unknown data kind") << QByteArray("REGEDIT4\n[K]\n\"a\"=qword:1\n");
    QTest::newRow("unknown header version")
        << QByteArray("Windows Registry Editor Version 6.00\n[K]\n\"a\"=\"b\"\n");
    QTest::newRow("truncated inside a text value")
        << QByteArray("REGEDIT4\n\n[K]\n\"Language\"=\"engl");
    QTest::newRow("truncated inside a name") << QByteArray("REGEDIT4\n\n[K]\n\"Lang");
    QTest::newRow("truncated inside a key") << QByteArray("REGEDIT4\n\n[K]\n\"a\"=\"b\"\n[SOFTW");
    QTest::newRow("truncated inside a dword") << QByteArray("REGEDIT4\n\n[K]\n\"a\"=dwo");
    QTest::newRow("NUL-filled") << QByteArray(4096, '\0');
    QTest::newRow("NUL-filled after valid lines")
        << QByteArray("REGEDIT4\n\n[K]\n\"a\"=\"b\"\n") + QByteArray(512, '\0');
}

void TestRegFile::rejectsCorruptText() {
    QFETCH(QByteArray, text);
    QVERIFY(!RegHive::parse(str(text)).has_value());
}

void TestRegFile::roundTripsEveryValue_data() {
    QTest::addColumn<RegValue>("value");

    QTest::newRow("text") << RegValue::text("english");
    QTest::newRow("empty text") << RegValue::text("");
    QTest::newRow("text with escapes") << RegValue::text("C:\\a \"b\" \\\"");
    QTest::newRow("text with semicolon and brackets") << RegValue::text("; [x] @=");
    QTest::newRow("UTF-8 text") << RegValue::text("Stra\xc3\x9f"
                                                  "e \xe2\x82\xac");
    QTest::newRow("text with line break") << RegValue::text("a\r\nb");
    QTest::newRow("text with embedded zero") << typed(kRegSz, std::string("ab\0cd\0", 6));
    QTest::newRow("text without zero") << typed(kRegSz, "abc");
    QTest::newRow("text not UTF-8") << RegValue::text("\xe4\xf6");
    QTest::newRow("expandable text") << RegValue::expandableText("%APPDATA%\\x");
    QTest::newRow("dword zero") << RegValue::dword(0);
    QTest::newRow("dword max") << RegValue::dword(0xFFFFFFFFu);
    QTest::newRow("dword short") << typed(kRegDword, "\x01");
    QTest::newRow("binary") << typed(kRegBinary, std::string("\0\x01\xfe\xff", 4));
    QTest::newRow("empty binary") << typed(kRegBinary, "");
    QTest::newRow("long binary wraps") << typed(kRegBinary, std::string(300, '\x5a'));
    QTest::newRow("type zero") << typed(0, "x");
    QTest::newRow("large type number") << typed(0xFFFF0000u, "y");
}

void TestRegFile::roundTripsEveryValue() {
    QFETCH(RegValue, value);

    RegHive hive;
    hive.set(kVistrelKey, "Before", RegValue::text("b"));
    hive.set(kVistrelKey, "Value", value);
    hive.set("SOFTWARE\\Other", "", RegValue::dword(7));
    hive.addKey("SOFTWARE\\Empty");
    const std::string text = hive.serialize();
    const auto back = RegHive::parse(text);
    QVERIFY2(back.has_value(), text.c_str());
    QVERIFY(*back == hive);
    QCOMPARE(back->serialize(), text);
    // The same text with Windows line ends reads the same.
    QString crlf = QString::fromStdString(text);
    crlf.replace("\n", "\r\n");
    const auto fromCrlf = RegHive::parse(crlf.toStdString());
    QVERIFY(fromCrlf.has_value());
    QVERIFY(*fromCrlf == hive);
}

void TestRegFile::writesTheExportFormat() {
    RegHive hive;
    hive.set(kVistrelKey, "Language", RegValue::text("english"));
    hive.set(kVistrelKey, "N", RegValue::dword(42));
    hive.set(kVistrelKey, "E", RegValue::expandableText("%A%"));
    hive.set(kVistrelKey, "", RegValue::text("d"));
    QCOMPARE(hive.serialize(), std::string("REGEDIT4\n"
                                           "\n"
                                           "[SOFTWARE\\Nordquill\\Vistrel]\n"
                                           "\"Language\"=\"english\"\n"
                                           "\"N\"=dword:0000002a\n"
                                           "\"E\"=hex(2):25,41,25,00\n"
                                           "@=\"d\"\n"));
}

void TestRegFile::setKeepsEverythingElse() {
    const auto parsed = RegHive::parse("Windows Registry Editor Version 5.00\r\n"
                                       "; written by hand\r\n"
                                       "[A]\r\n\"x\"=\"1\"\r\n\"y\"=\"2\"\r\n"
                                       "[B]\r\n\"z\"=dword:00000003\r\n");
    QVERIFY(parsed.has_value());
    RegHive hive = *parsed;
    hive.set("a", "X", RegValue::text("changed"));
    hive.set("C", "new", RegValue::dword(9));

    QCOMPARE(hive.keys().size(), std::size_t(3));
    QCOMPARE(hive.keys()[0].path, std::string("A"));
    QCOMPARE(hive.keys()[0].values[0].name, std::string("x"));
    QCOMPARE(hive.keys()[0].values[0].value, RegValue::text("changed"));
    QCOMPARE(hive.keys()[0].values[1].value, RegValue::text("2"));
    QCOMPARE(hive.keys()[1].values[0].value, RegValue::dword(3));
    QCOMPARE(hive.keys()[2].path, std::string("C"));
    QVERIFY(*RegHive::parse(hive.serialize()) == hive);
}

void TestRegFile::matchesNamesWithoutCase() {
    const auto hive = RegHive::parse("REGEDIT4\n"
                                     "[Software\\Nordquill\\Vistrel]\n\"language\"=\"first\"\n"
                                     "[SOFTWARE\\NORDQUILL\\VISTREL]\n\"LANGUAGE\"=\"second\"\n");
    QVERIFY(hive.has_value());
    QCOMPARE(hive->keys().size(), std::size_t(1));
    const RegValue* value = hive->find(kVistrelKey, "Language");
    QVERIFY(value != nullptr);
    QCOMPARE(value->stringData(), std::string("second")); // the later line wins, as on import
    QVERIFY(hive->find(kVistrelKey, "Languag") == nullptr);
    QVERIFY(hive->find("SOFTWARE\\Nordquill", "Language") == nullptr);
}

void TestRegFile::readsStringData_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("terminated") << QByteArray("abc\0", 4) << QByteArray("abc");
    QTest::newRow("without zero, whole") << QByteArray("abc") << QByteArray("abc");
    QTest::newRow("cut at first zero") << QByteArray("ab\0cd\0", 6) << QByteArray("ab");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestRegFile::readsStringData() {
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(typed(kRegSz, str(data)).stringData()), expected);
    QCOMPARE(RegValue::dword(0x01020304).dwordData(), std::optional<std::uint32_t>(0x01020304));
    QCOMPARE(typed(kRegDword, "abc").dwordData(), std::optional<std::uint32_t>());
}

// Each row: the body of an export after its header line, the value it gives under [K] "V".
void TestRegFile::readsTheEditorsExport_data() {
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("body");
    QTest::addColumn<RegValue>("expected");

    const QString v5 = "Windows Registry Editor Version 5.00";
    QTest::newRow("text") << v5 << "\"V\"=\"english\"" << RegValue::text("english");
    QTest::newRow("non-ASCII text") << v5
                                    << QString::fromUtf8("\"V\"=\"fran\xc3\xa7"
                                                         "ais \xe2\x82\xac\"")
                                    << RegValue::text("fran\xc3\xa7"
                                                      "ais \xe2\x82\xac");
    QTest::newRow("text beyond the BMP") << v5 << QString::fromUtf8("\"V\"=\"\xf0\x9f\x8e\xac\"")
                                         << RegValue::text("\xf0\x9f\x8e\xac");
    QTest::newRow("dword") << v5 << "\"V\"=dword:0000002a" << RegValue::dword(42);
    QTest::newRow("expandable text in UTF-16")
        << v5 << "\"V\"=hex(2):25,00,41,00,25,00,00,00" << RegValue::expandableText("%A%");
    QTest::newRow("continued expandable text")
        << v5 << "\"V\"=hex(2):25,00,41,00,\\\n  25,00,00,00" << RegValue::expandableText("%A%");
    QTest::newRow("text list in UTF-16") << v5 << "\"V\"=hex(7):61,00,00,00,62,00,00,00,00,00"
                                         << typed(kRegMultiSz, std::string("a\0b\0\0", 5));
    QTest::newRow("odd hex text kept as bytes")
        << v5 << "\"V\"=hex(2):41,00,42" << typed(kRegExpandSz, std::string("A\0B", 3));
    QTest::newRow("binary untouched")
        << v5 << "\"V\"=hex:41,00" << typed(kRegBinary, std::string("A\0", 2));
    QTest::newRow("REGEDIT4 in UTF-16")
        << "REGEDIT4"
        << "\"V\"=hex(2):41,00" << typed(kRegExpandSz, std::string("A\0", 2));
}

void TestRegFile::readsTheEditorsExport() {
    QFETCH(QString, header);
    QFETCH(QString, body);
    QFETCH(RegValue, expected);

    const std::string bytes =
        editorExport(header + "\n\n[K]\n\"Before\"=\"b\"\n" + body + "\n\"After\"=dword:1\n\n");
    const auto hive = RegHive::parse(bytes);
    QVERIFY(hive.has_value());
    const RegValue* value = hive->find("K", "V");
    QVERIFY(value != nullptr);
    QCOMPARE(value->type, expected.type);
    QCOMPARE(QByteArray::fromStdString(value->data), QByteArray::fromStdString(expected.data));
    QVERIFY(hive->find("K", "After") != nullptr);
    // Written back in the program's own format, it reads the same.
    const auto back = RegHive::parse(hive->serialize());
    QVERIFY(back.has_value());
    QVERIFY(*back == *hive);
}

void TestRegFile::rejectsBrokenUtf16_data() {
    QTest::addColumn<QByteArray>("tail");

    QTest::newRow("odd byte count") << QByteArray("\x41", 1);
    QTest::newRow("lone low surrogate") << QByteArray("\x00\xdc", 2);
    QTest::newRow("high surrogate at the end") << QByteArray("\x00\xd8", 2);
    QTest::newRow("high surrogate before a letter") << QByteArray("\x00\xd8\x41\x00", 4);
}

void TestRegFile::rejectsBrokenUtf16() {
    QFETCH(QByteArray, tail);
    const std::string valid =
        editorExport("Windows Registry Editor Version 5.00\n\n[K]\n\"a\"=\"b\"\n");
    QVERIFY(RegHive::parse(valid).has_value());
    QVERIFY(!RegHive::parse(valid + str(tail)).has_value());
}

QTEST_GUILESS_MAIN(TestRegFile)
#include "tst_regfile.moc"
