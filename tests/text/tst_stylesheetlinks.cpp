// Style sheet links without a type get the one the document view needs; nothing else changes.
#include "text/StyleSheetLinks.h"

#include <QTest>

using namespace vistrel;

class TestStyleSheetLinks : public QObject {
    Q_OBJECT

  private slots:
    void typeStyleSheetLinks_data();
    void typeStyleSheetLinks();
};

void TestStyleSheetLinks::typeStyleSheetLinks_data() {
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<QByteArray>("expected");
    auto row = [](const char* name, const char* html, const char* expected) {
        QTest::newRow(name) << QByteArray(html) << QByteArray(expected);
    };
    const char* typed = "<link type=\"text/css\" rel=\"stylesheet\" href=\"a.css\">";
    row("untyped", "<link rel=\"stylesheet\" href=\"a.css\">", typed);
    row("letter case", "<LINK REL=StyleSheet HREF=a.css>",
        "<LINK type=\"text/css\" REL=StyleSheet HREF=a.css>");
    row("one of several relations", "<link rel='alternate stylesheet' href=a.css/>",
        "<link type=\"text/css\" rel='alternate stylesheet' href=a.css/>");
    row("already typed", typed, typed);
    row("typed otherwise", "<link rel=stylesheet type=text/less href=a.less>",
        "<link rel=stylesheet type=text/less href=a.less>");
    row("not a style sheet", "<link rel=icon href=a.png>", "<link rel=icon href=a.png>");
    row("other tags", "<linkage rel=stylesheet><a rel=stylesheet>",
        "<linkage rel=stylesheet><a rel=stylesheet>");
    row("'>' in a quoted value", "<link title=\"a>b\" rel=stylesheet>x",
        "<link type=\"text/css\" title=\"a>b\" rel=stylesheet>x");
    row("in a comment", "<!-- <link rel=stylesheet href=a.css> -->",
        "<!-- <link rel=stylesheet href=a.css> -->");
    row("unterminated tag", "<p>x<link rel=stylesheet",
        "<p>x<link type=\"text/css\" rel=stylesheet");
    row("several", "<link rel=stylesheet><p><link rel=stylesheet>",
        "<link type=\"text/css\" rel=stylesheet><p><link type=\"text/css\" rel=stylesheet>");
}

void TestStyleSheetLinks::typeStyleSheetLinks() {
    QFETCH(QByteArray, html);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(vistrel::typeStyleSheetLinks(html.toStdString())), expected);
}

QTEST_APPLESS_MAIN(TestStyleSheetLinks)
#include "tst_stylesheetlinks.moc"
