// Long lines broken for the text view; '|' stands for the break put in, lines are at most 4 long.
#include "text/LineWrap.h"

#include <QTest>

using namespace vistrel;

class TestLineWrap : public QObject {
    Q_OBJECT

  private slots:
    void wrap_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("wrapped");
        auto row = [](const char* name, const char* text, const char* wrapped) {
            QTest::newRow(name) << QByteArray(text) << QByteArray(wrapped);
        };
        row("empty", "", "");
        row("short line", "abc", "abc");
        row("exactly the longest line", "abcd", "abcd");
        row("long line", "abcdefghij", "abcd|efgh|ij");
        row("line breaks start a new count", "abc\nabcd\nabcdef", "abc\nabcd\nabcd|ef");
        row("blanks count like letters", "a b c d e", "a b |c d |e");
        row("characters, not bytes", "\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xE2\x82\xAC",
            "\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4|\xE2\x82\xAC");
        row("markup is text", "<div><div>", "<div|><di|v>");
    }

    void wrap() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, wrapped);
        QByteArray actual = QByteArray::fromStdString(wrapLongLines(text.toStdString(), 4));
        QCOMPARE(actual.replace('\n', '|'), QByteArray(wrapped).replace('\n', '|'));
    }
};

QTEST_APPLESS_MAIN(TestLineWrap)
#include "tst_linewrap.moc"
