// The registry port against Windows' own registry: what Vistrel writes, reg.exe reads, and what
// reg.exe writes, Vistrel reads, for each kind of value the program keeps or looks for.
#include "platform/settings/WindowsRegistry.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

using namespace vistrel;

Q_DECLARE_METATYPE(vistrel::RegistryValue)
Q_DECLARE_METATYPE(vistrel::RegistryRoot)

namespace {

// A key of this run's own, so that runs and the program's real key never meet.
QString testKey() {
    return QStringLiteral("Software\\Nordquill\\VistrelTest%1")
        .arg(QCoreApplication::applicationPid());
}

QString rootName(RegistryRoot root) {
    return root == RegistryRoot::CurrentUser ? QStringLiteral("HKCU") : QStringLiteral("HKLM");
}

// reg.exe with the arguments; its output, or a failed test when it did not succeed.
QString reg(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("reg.exe"), arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("reg failed: ") + arguments.join(QLatin1Char(' '));
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The type and data that reg query shows for one value, as "TYPE data".
QString queried(RegistryRoot root, const QString& name) {
    const QString output = reg({"query", rootName(root) + "\\" + testKey(), "/v", name});
    for (const QString& line : output.split(QLatin1Char('\n'))) {
        const QStringList words = line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() >= 2 && words.first() == name)
            return words.mid(1).join(QLatin1Char(' '));
    }
    return output;
}

} // namespace

class TestWindowsRegistry : public QObject {
    Q_OBJECT

  private slots:
    void cleanup();
    void writtenValuesReadByReg_data();
    void writtenValuesReadByReg();
    void valuesAddedByRegRead_data();
    void valuesAddedByRegRead();
    void missingKeyReadsAbsent();
};

void TestWindowsRegistry::cleanup() {
    for (const RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine})
        QProcess::execute(QStringLiteral("reg.exe"),
                          {"delete", rootName(root) + "\\" + testKey(), "/f"});
}

void TestWindowsRegistry::writtenValuesReadByReg_data() {
    QTest::addColumn<RegistryValue>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("text, blanks around it dropped")
        << RegistryValue::fromText(" english ") << "REG_SZ english";
    QTest::newRow("text beyond Latin-1") << RegistryValue::fromText("Čeština") << "REG_SZ Čeština";
    QTest::newRow("number") << RegistryValue::fromNumber(42) << "REG_DWORD 0x2a";
    QTest::newRow("negative number") << RegistryValue::fromNumber(-1) << "REG_DWORD 0xffffffff";
}

void TestWindowsRegistry::writtenValuesReadByReg() {
    QFETCH(RegistryValue, value);
    QFETCH(QString, shown);
    WindowsRegistry registry;
    registry.WriteRegistryValue(RegistryRoot::CurrentUser, testKey(), "Language", value);
    const QString reply = queried(RegistryRoot::CurrentUser, "Language");
    // reg.exe prints through the console's code page: only ASCII data compares byte for byte.
    if (shown.contains(QStringLiteral("Čeština")))
        QVERIFY2(reply.startsWith("REG_SZ "), qPrintable(reply));
    else
        QCOMPARE(reply, shown);
    QCOMPARE(registry.ReadRegistryValue(RegistryRoot::CurrentUser, testKey(), "Language"),
             value.kind == RegistryValue::Kind::Text ? RegistryValue::fromText(value.text.trimmed())
                                                     : value);
}

void TestWindowsRegistry::valuesAddedByRegRead_data() {
    QTest::addColumn<RegistryRoot>("root");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("data");
    QTest::addColumn<RegistryValue>("read");
    const auto user = RegistryRoot::CurrentUser;
    const auto machine = RegistryRoot::LocalMachine;
    QTest::newRow("text") << user << "REG_SZ"
                          << "german" << RegistryValue::fromText("german");
    QTest::newRow("text with blanks") << machine << "REG_SZ"
                                      << "C:\\Program Files\\player.ini"
                                      << RegistryValue::fromText("C:\\Program Files\\player.ini");
    QTest::newRow("empty text") << user << "REG_SZ"
                                << "" << RegistryValue::fromText("");
    QTest::newRow("number") << machine << "REG_DWORD"
                            << "7" << RegistryValue::fromNumber(7);
    QTest::newRow("expandable text is no text") << user << "REG_EXPAND_SZ"
                                                << "%TEMP%" << RegistryValue();
    QTest::newRow("binary is nothing") << machine << "REG_BINARY"
                                       << "0102" << RegistryValue();
}

void TestWindowsRegistry::valuesAddedByRegRead() {
    QFETCH(RegistryRoot, root);
    QFETCH(QString, type);
    QFETCH(QString, data);
    QFETCH(RegistryValue, read);
    QCOMPARE(
        reg({"add", rootName(root) + "\\" + testKey(), "/v", "Value", "/t", type, "/d", data, "/f"})
            .startsWith("reg failed"),
        false);
    WindowsRegistry registry;
    QCOMPARE(registry.ReadRegistryValue(root, testKey(), "Value"), read);
    QCOMPARE(registry.ReadRegistryValue(root, testKey(), "Other"), RegistryValue());
}

void TestWindowsRegistry::missingKeyReadsAbsent() {
    WindowsRegistry registry;
    QCOMPARE(
        registry.ReadRegistryValue(RegistryRoot::CurrentUser, testKey() + "\\Missing", "Language"),
        RegistryValue());
}

QTEST_GUILESS_MAIN(TestWindowsRegistry)
#include "tst_windowsregistry.moc"
