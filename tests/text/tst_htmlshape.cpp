// The shape of a page's element tree, measured before the page reaches the view.
#include "text/HtmlShape.h"

#include <QTest>

using namespace vistrel;

class TestHtmlShape : public QObject {
    Q_OBJECT

  private slots:
    void measure_data();
    void measure();
    void stopsBeyondALimit_data();
    void stopsBeyondALimit();
};

void TestHtmlShape::measure_data() {
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("tableDepth");
    QTest::addColumn<int>("elements");
    auto row = [](const char* name, const char* html, int depth, int tables, int elements) {
        QTest::newRow(name) << QByteArray(html) << depth << tables << elements;
    };
    row("empty", "", 0, 0, 0);
    row("text only", "just text & more", 0, 0, 0);
    row("one element", "<p>text</p>", 1, 0, 1);
    row("nested", "<html><body><div><b>x</b></div></body></html>", 4, 0, 4);
    row("side by side", "<b>a</b><i>b</i><u>c</u>", 1, 0, 3);
    row("letter case and blanks", "<DIV><Div ></div ></DIV>", 2, 0, 2);
    row("blank after the bracket is still a tag", "< div>< /div>", 1, 0, 1);
    row("end tag closes the elements inside it", "<div><b><i>x</div><p>y</p>", 3, 0, 4);
    row("end tag without an open element is ignored", "</div></div><div><p>x</p></div>", 2, 0, 2);
    row("unclosed tags stay open", "<b>a<i>b<u>c<s>d", 4, 0, 4);
    row("void elements", "<div><br><img src=a.png><hr><input><meta></div>", 2, 0, 6);
    row("self-closing", "<div/><div/><span />x", 1, 0, 3);
    row("slash after an unquoted value closes", "<a href=x/>y<b>", 1, 0, 2);
    row("slash inside an unquoted value does not", "<a href=x/y>z<b>", 2, 0, 2);
    row("comment", "<!-- <div><div><div> -->", 0, 0, 0);
    row("comment with markup around", "<div><!-- </div> --><p>x</p></div>", 2, 0, 2);
    row("unterminated comment runs to the end", "<div><!-- <div><div>", 1, 0, 1);
    row("declaration", "<!DOCTYPE html><html></html>", 1, 0, 1);
    row("'>' in a double-quoted value", "<a title=\"1 > 0\"><b>x</b></a>", 2, 0, 2);
    row("'>' in a single-quoted value", "<a title='<div>'><b>x</b></a>", 2, 0, 2);
    row("quoted value after blanks around '='", "<a title = \"><b>\">x", 1, 0, 1);
    row("escaped single quote stays inside", "<a t='it\\'s >'><b>", 2, 0, 2);
    row("unterminated quote runs to the end", "<a t=\"<b><i>", 1, 0, 1);
    row("quote inside a word is a letter", "<a t=x\"y>z\">", 1, 0, 1);
    row("'<' inside a tag is part of it", "<a<b><i>", 2, 0, 2);
    row("empty tag is text", "<><>x", 0, 0, 0);
    row("paragraph closes a paragraph", "<p>a<p>b<p>c", 1, 0, 3);
    row("paragraph closes the inline elements of one", "<p><b>a<p>b", 2, 0, 3);
    row("paragraph nests in another block", "<p><div>a<p>b", 3, 0, 3);
    row("list item closes a list item", "<ul><li>a<li>b<li>c</ul>", 2, 0, 4);
    row("nested lists", "<ul><li><ul><li><ul><li>x</ul></ul></ul>", 6, 0, 6);
    row("table", "<table><tr><td>a<td>b<tr><td>c</table>", 3, 1, 6);
    row("row in a table body", "<table><tbody><tr><td>a</table>", 4, 1, 4);
    row("nested tables", "<table><tr><td><table><tr><td><table><tr><td>x", 9, 3, 9);
    row("closed tables side by side", "<table><tr><td>a</table><table><tr><td>b</table>", 3, 1, 6);
    row("cell outside a table implies table and row", "<td>a<td>b", 3, 1, 4);
    row("row outside a table implies a table", "<tr><td>a", 3, 1, 3);
    row("definition list", "<dl><dt>a<dd>b<dt>c<dd>d</dl>", 2, 0, 5);
    row("names longer than any element's", "<abcdefghijklmnopqrstuvwxyz></abcdefghijklmnopqrst>", 1,
        0, 1);
    row("markup in non-ASCII text", "\xC3\xA4<b>\xE2\x82\xAC</b>", 1, 0, 1);
    row("text ending inside a tag", "<div><b class=", 2, 0, 2);
}

void TestHtmlShape::measure() {
    QFETCH(QByteArray, html);
    QFETCH(int, depth);
    QFETCH(int, tableDepth);
    QFETCH(int, elements);
    const HtmlShape shape = measureHtmlShape(html.toStdString());
    QCOMPARE(int(shape.depth), depth);
    QCOMPARE(int(shape.tableDepth), tableDepth);
    QCOMPARE(int(shape.elements), elements);
}

void TestHtmlShape::stopsBeyondALimit_data() {
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("tableDepth");
    QTest::addColumn<int>("elements");
    QTest::newRow("depth") << QByteArray("<div>") << 10 << 1000 << 1000;
    QTest::newRow("tables") << QByteArray("<table><tr><td>") << 1000 << 10 << 1000;
    QTest::newRow("elements") << QByteArray("<br>") << 1000 << 1000 << 10;
}

// A million elements: the scan stops at the first figure over its limit.
void TestHtmlShape::stopsBeyondALimit() {
    QFETCH(QByteArray, unit);
    QFETCH(int, depth);
    QFETCH(int, tableDepth);
    QFETCH(int, elements);
    const HtmlShape limits{std::size_t(depth), std::size_t(tableDepth), std::size_t(elements)};
    const HtmlShape shape = measureHtmlShape(unit.repeated(1000000).toStdString(), limits);
    QVERIFY(exceeds(shape, limits));
    QVERIFY(!exceeds(shape, {limits.depth + 1, limits.tableDepth + 1, limits.elements + 3}));
}

QTEST_APPLESS_MAIN(TestHtmlShape)
#include "tst_htmlshape.moc"
