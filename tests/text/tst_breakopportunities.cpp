// Break opportunities put into long runs of a document's text, never into its markup.
#include "text/BreakOpportunities.h"

#include <QTest>

using namespace vistrel;

class TestBreakOpportunities : public QObject {
    Q_OBJECT

  private slots:
    void breakLongRuns_data();
    void breakLongRuns();
};

// '|' stands for the invisible break in the expected text; every run is at most 4 long here.
void TestBreakOpportunities::breakLongRuns_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("markup");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty") << QByteArray() << false << QByteArray();
    QTest::newRow("exactly the longest run") << QByteArray("abcd") << false << QByteArray("abcd");
    QTest::newRow("long run") << QByteArray("abcdefghij") << false << QByteArray("abcd|efgh|ij");
    QTest::newRow("blanks end runs")
        << QByteArray("abcd efgh\tijkl\r\nmnop") << false << QByteArray("abcd efgh\tijkl\r\nmnop");
    QTest::newRow("characters, not bytes")
        << QByteArray("\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xE2\x82\xAC\xE2\x82\xAC") << false
        << QByteArray("\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4|\xE2\x82\xAC\xE2\x82\xAC");
    QTest::newRow("a reference in plain text is text")
        << QByteArray("&abcdefgh;") << false << QByteArray("&abc|defg|h;");
    QTest::newRow("a tag is never split")
        << QByteArray("<abcdefgh>") << true << QByteArray("<abcdefgh>");
    QTest::newRow("text after a long tag")
        << QByteArray("<a href=x>yz") << true << QByteArray("<a href=x>|yz");
    QTest::newRow("a reference is never split")
        << QByteArray("&abcdefgh;ij") << true << QByteArray("&abcdefgh;|ij");
    QTest::newRow("style sheet content is not text")
        << QByteArray("<STYLE>p{color:red}</style>x") << true
        << QByteArray("<STYLE>p{color:red}</style>|x");
    QTest::newRow("script content is not text")
        << QByteArray("<script type=a>abcdefgh</script>") << true
        << QByteArray("<script type=a>abcdefgh</script>");
    QTest::newRow("text between tags")
        << QByteArray("<b>abcdefgh</b>") << true << QByteArray("<b>a|bcde|fgh</b>");
}

void TestBreakOpportunities::breakLongRuns() {
    QFETCH(QByteArray, input);
    QFETCH(bool, markup);
    QFETCH(QByteArray, expected);
    const std::string out = vistrel::breakLongRuns(input.toStdString(), markup, 4);
    QCOMPARE(QByteArray::fromStdString(out).replace("\xE2\x80\x8B", "|"), expected);
}

QTEST_GUILESS_MAIN(TestBreakOpportunities)
#include "tst_breakopportunities.moc"
