#include "text/MessageText.h"
#include "text/NumericText.h"

#include <QtTest>

#include <string>

using namespace vistrel;

// The "%s" replacement of the message texts and the numeric-text test that
// decides how a registry value is stored: both small text rules.
class TestMessageText : public QObject {
    Q_OBJECT

  private slots:
    void replacesEveryPlaceholder_data();
    void replacesEveryPlaceholder();
    void recognisesNumericText_data();
    void recognisesNumericText();
};

void TestMessageText::replacesEveryPlaceholder_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one") << "File %s not found."
                         << "C:\\a.avi"
                         << "File C:\\a.avi not found.";
    QTest::newRow("none") << "No file."
                          << "x"
                          << "No file.";
    QTest::newRow("every occurrence") << "%s and %s%s"
                                      << "v"
                                      << "v and vv";
    QTest::newRow("capital S is no placeholder") << "%S %s"
                                                 << "v"
                                                 << "%S v";
    QTest::newRow("no other escapes") << "100%% %d \\n %s"
                                      << "v"
                                      << "100%% %d \\n v";
    QTest::newRow("value not rescanned") << "[%s]"
                                         << "%s"
                                         << "[%s]";
    QTest::newRow("value with percent joining text") << "%s%s"
                                                     << "%"
                                                     << "%%";
    QTest::newRow("percent before placeholder") << "%%s"
                                                << "v"
                                                << "%v";
    QTest::newRow("lone percent at end") << "50%"
                                         << "v"
                                         << "50%";
    QTest::newRow("empty value") << "a%sb"
                                 << ""
                                 << "ab";
    QTest::newRow("empty text") << ""
                                << "v"
                                << "";
    QTest::newRow("umlauts") << "Datei \xc2\xbb%s\xc2\xab fehlt"
                             << "\xc3\xa4.avi"
                             << "Datei \xc2\xbb\xc3\xa4.avi\xc2\xab fehlt";
}

void TestMessageText::replacesEveryPlaceholder() {
    QFETCH(QString, text);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    const std::string result =
        replacePlaceholder(text.toUtf8().toStdString(), value.toUtf8().toStdString());
    QCOMPARE(QString::fromStdString(result), expected);
}

void TestMessageText::recognisesNumericText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");

    QTest::newRow("digits") << "42" << true << 42.0;
    QTest::newRow("leading zeros") << "007" << true << 7.0;
    QTest::newRow("minus") << "-5" << true << -5.0;
    QTest::newRow("plus") << "+5" << true << 5.0;
    QTest::newRow("decimal point") << "2.5" << true << 2.5;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("trailing point") << "5." << true << 5.0;
    QTest::newRow("surrounding blanks") << "  12 \t" << true << 12.0;
    QTest::newRow("exponent") << "1e3" << true << 1000.0;
    QTest::newRow("signed exponent") << "2.5E-2" << true << 0.025;
    QTest::newRow("tiny exponent is zero") << "1e-999" << true << 0.0;
    QTest::newRow("huge exponent overflows") << "1e999" << false << 0.0;
    QTest::newRow("beyond 32 bits still numeric") << "99999999999" << true << 99999999999.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blank") << "   " << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("point only") << "." << false << 0.0;
    QTest::newRow("letters") << "english" << false << 0.0;
    QTest::newRow("digits then letters") << "12abc" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("two signs") << "--1" << false << 0.0;
    QTest::newRow("blank inside") << "1 2" << false << 0.0;
    QTest::newRow("exponent without digits") << "1e" << false << 0.0;
    QTest::newRow("exponent alone") << "e3" << false << 0.0;
    QTest::newRow("comma is no decimal point") << "1,5" << false << 0.0;
}

void TestMessageText::recognisesNumericText() {
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);
    const std::string input = text.toStdString();
    QCOMPARE(isNumericText(input), numeric);
    const auto number = numericValue(input);
    QCOMPARE(number.has_value(), numeric);
    if (number) {
        QCOMPARE(*number, value);
    }
}

QTEST_GUILESS_MAIN(TestMessageText)
#include "tst_messagetext.moc"
