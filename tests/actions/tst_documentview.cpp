// The real document view: what it shows, which links it follows, and that it never opens a
// network connection whatever a document references.
#include "platform/documents/DocumentFile.h"
#include "platform/documents/QtDocumentView.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace vistrel;

namespace {

// The view on a window of its own, shown, over a folder of documents that is its disc.
struct View {
    QTemporaryDir dir;
    QWidget window;
    QtDocumentView* view;

    View() : view(new QtDocumentView(&window, dir.path())) {
        window.resize(699, 432);
        view->setGeometry(13, 24, 517, 378);
        view->setVisible(true);
        window.show();
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void picture(const QString& name, QColor colour) {
        QImage image(60, 40, QImage::Format_RGB32);
        image.fill(colour);
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        QVERIFY(image.save(path(name)));
    }
    QTextBrowser& browser() { return *static_cast<QTextBrowser*>(view->widget()); }
    QString text() { return browser().toPlainText(); }
    void show(const QString& name) {
        view->Navigate(path(name));
        QCoreApplication::processEvents();
    }
    void clickLink(const QString& href) { emit browser().anchorClicked(QUrl(href)); }
    // How many pixels of the view, as drawn, have this colour.
    int pixelsOf(QColor colour) {
        const QImage drawn = browser().viewport()->grab().toImage();
        int count = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                count += drawn.pixelColor(x, y) == colour;
        return count;
    }
};

} // namespace

class TestDocumentView : public QObject {
    Q_OBJECT

  private slots:
    void neverConnectsToANetwork();
    void showsLocalPicturesAndStyleSheets_data();
    void showsLocalPicturesAndStyleSheets();
    void decodesText_data();
    void decodesText();
    void showsAPartOfAnEnormousDocument_data();
    void showsAPartOfAnEnormousDocument();
    void showsAPageTooIntricateForTheViewAsText_data();
    void showsAPageTooIntricateForTheViewAsText();
    void showsNothingOfABinaryDocument();
    void doesNotWaitOnAPipe();
    void followsEachKindOfLink();
    void handsWebAndMailLinksOn_data();
    void handsWebAndMailLinksOn();
    void makesItsBrowserOnlyWhenFirstNeeded();
};

void TestDocumentView::neverConnectsToANetwork() {
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const QString at = QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort());
    const QString host = QStringLiteral("//127.0.0.1:%1/").arg(server.serverPort());
    View v;
    v.write("remote.html", QString(R"(<html><head>
        <link rel="stylesheet" type="text/css" href="%1style.css">
        <link rel="stylesheet" href="%1untyped.css">
        <style>@import url(%1import.css); body { background-image: url(%1back.png) }</style>
        </head><body background="%1body.png">
        <p>Remote things</p>
        <img src="%1picture.png"> <img src="%2scheme-relative.png">
        <img src="file:%2share.png"> <img src="https://127.0.0.1:%3/secure.png">
        <table background="%1table.png"><tr><td>cell</td></tr></table>
        <iframe src="%1frame.html"></iframe>
        <frameset><frame src="%1frame2.html"></frameset>
        <a href="%1link">a link</a>
        </body></html>)")
                               .arg(at, host)
                               .arg(server.serverPort())
                               .toUtf8());

    v.show("remote.html");
    v.browser().viewport()->grab(); // lay out and draw everything
    v.clickLink(at + "link");       // a click hands the link on, it does not fetch it
    QTest::qWait(200);

    QVERIFY(v.text().contains("Remote things"));
    QVERIFY(!server.waitForNewConnection(300));
    QVERIFY(!server.hasPendingConnections());
}

void TestDocumentView::showsLocalPicturesAndStyleSheets_data() {
    QTest::addColumn<QString>("link");
    QTest::newRow("typed") << R"(<link rel="stylesheet" type="text/css" href="%1">)";
    // As browsers take it, and as the guide writes it.
    QTest::newRow("without a type") << R"(<link rel="stylesheet" href="%1">)";
    QTest::newRow("bare values") << R"(<LINK REL=StyleSheet HREF=%1>)";
}

void TestDocumentView::showsLocalPicturesAndStyleSheets() {
    QFETCH(QString, link);
    View v;
    const QColor red(255, 0, 0);
    const QColor green(0, 255, 0);
    const QColor blue(0, 0, 255);
    v.picture("Pictures/Red.png", red);
    v.picture("Pictures/blue.png", blue);
    v.write("Styles/look.css", "p.mark { background-color: #00ff00 }");
    v.write("Info/index.html", "<html><head>" + link.arg("../styles/LOOK.CSS").toUtf8() +
                                   R"(</head><body><p><img src="../Pictures/Red.png"></p>
        <p><img src="..\pictures\BLUE.PNG"></p>
        <p class="mark">marked text marked text marked text</p></body></html>)");

    v.show("Info/index.html");

    // The picture at its size; another found without regard to case or separators; the
    // style sheet's background behind the marked text.
    QCOMPARE(v.pixelsOf(red), 60 * 40);
    QCOMPARE(v.pixelsOf(blue), 60 * 40);
    QVERIFY(v.pixelsOf(green) > 100);
}

void TestDocumentView::decodesText_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");

    QTest::newRow("plain text, markup shown as written")
        << "read me.txt" << QByteArray("<b>not bold</b> & more") << "<b>not bold</b> & more";
    QTest::newRow("plain text, Windows-1252") << "liesmich.txt"
                                              << QByteArray("Gr\xFC\xDF"
                                                            "e \x80 5")
                                              << QString::fromUtf8("Grüße € 5");
    QTest::newRow("plain text, UTF-8 with mark") << "a.txt"
                                                 << QByteArray("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F"
                                                               "e")
                                                 << QString::fromUtf8("Grüße");
    QTest::newRow("plain text, UTF-16")
        << "b.txt" << QByteArray("\xFF\xFEG\0r\0\xFC\0", 8) << QString::fromUtf8("Grü");
    QTest::newRow("HTML, Windows-1252") << "c.html"
                                        << QByteArray("<p>Gr\xFC\xDF"
                                                      "e &amp; <b>mehr</b></p>")
                                        << QString::fromUtf8("Grüße & mehr");
    QTest::newRow("HTML, UTF-8") << "d.htm"
                                 << QByteArray("<p>Gr\xC3\xBC\xC3\x9F"
                                               "e</p>")
                                 << QString::fromUtf8("Grüße");
    QTest::newRow("no suffix, markup")
        << "readme" << QByteArray("<html><p>Hi <i>there</i></p>") << "Hi there";
    QTest::newRow("empty") << "empty.html" << QByteArray() << "";
}

void TestDocumentView::decodesText() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    View v;
    v.write(name, bytes);
    v.show(name);
    QCOMPARE(v.text().trimmed(), shown);
}

void TestDocumentView::showsAPartOfAnEnormousDocument_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("text") << "big.txt" << QByteArray("a line of text\n");
    // Few elements, a great deal of text: a page the view takes as a page.
    QTest::newRow("HTML") << "big.html" << QByteArray("words of one long paragraph &amp; more\n");
    // One byte before the two-byte characters: the part ends inside one of them.
    QTest::newRow("UTF-8 cut inside a character") << "umlauts.txt" << QByteArray("\xC3\xA4");
}

void TestDocumentView::showsAPartOfAnEnormousDocument() {
    QFETCH(QString, name);
    QFETCH(QByteArray, line);
    View v;
    {
        QFile file(v.path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
        const QByteArray block = line.repeated(1024 * 1024 / line.size());
        for (int i = 0; i < 50; ++i)
            file.write(block);
    }
    v.show(name);
    const QString text = v.text();
    QVERIFY(text.size() <= DocumentReadLimit + 5); // and the mark of the cut
    QVERIFY(text.size() > DocumentReadLimit / 3);
    QVERIFY(text.trimmed().endsWith(QString::fromUtf8("[…]")));
    if (line.startsWith('\xC3'))
        QVERIFY(text.contains(QString::fromUtf8("ää")) && !text.contains(QChar(0xC3)));
}

void TestDocumentView::showsAPageTooIntricateForTheViewAsText_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<bool>("asPage");
    const auto nested = [](const char* open, const char* close, int depth) {
        return QByteArray(open).repeated(depth) + "x" + QByteArray(close).repeated(depth);
    };
    QTest::newRow("ten nested tables")
        << nested("<table><tr><td>", "</td></tr></table>", 10) << true;
    QTest::newRow("a hundred nested lists") << nested("<ul><li>", "</li></ul>", 100) << true;
    // The view overflows its stack at this depth.
    QTest::newRow("3,000 nested tables")
        << nested("<table><tr><td>", "</td></tr></table>", 3000) << false;
    QTest::newRow("100,000 nested div") << nested("<div>", "</div>", 100000) << false;
    QTest::newRow("100,000 unclosed tags") << QByteArray("<b>x").repeated(100000) << false;
    QTest::newRow("100,000 paragraphs") << QByteArray("<p>x</p>\n").repeated(100000) << false;
}

// Such a page would freeze the window for minutes, or crash the program; the beginning of its
// markup is shown.
void TestDocumentView::showsAPageTooIntricateForTheViewAsText() {
    QFETCH(QByteArray, page);
    QFETCH(bool, asPage);
    View v;
    v.write("index.html", page);
    v.show("index.html");
    v.browser().viewport()->grab();
    QCOMPARE(v.text().startsWith('<'), !asPage);
    if (asPage)
        QVERIFY(v.text().contains('x'));
    else // only the beginning of the markup, which lays out at once
        QVERIFY(v.text().size() < 100 * 1024);
}

void TestDocumentView::showsNothingOfABinaryDocument() {
    View v;
    v.write("index.html", "<p>first document</p>");
    v.show("index.html");
    QByteArray binary("MZ\x90\0\x03\0\0\0\x04\0\0\0\xFF\xFF", 14);
    for (int i = 0; i < 4096; ++i)
        binary += char(i * 37);
    v.write("setup.exe", binary);
    v.show("setup.exe");
    QCOMPARE(v.text(), QString());
    QCOMPARE(v.view->documentUrl(), QUrl::fromLocalFile(v.path("setup.exe")));
}

void TestDocumentView::doesNotWaitOnAPipe() {
#ifdef Q_OS_UNIX
    View v;
    QVERIFY(::mkfifo(QFile::encodeName(v.path("pipe.html")).constData(), 0600) == 0);
    v.write("page.html", "<p>page</p><img src=\"pipe.html\">");
    v.show("pipe.html"); // nobody ever writes to it: opening it would wait for ever
    QCOMPARE(v.text(), QString());
    v.show("page.html");
    QVERIFY(v.text().startsWith("page"));
#else
    QSKIP("pipes in the file system are a Unix thing");
#endif
}

// A page opens in the view; any other file or folder of the disc, and a link to nothing, is
// handed on; a link off the disc or off this computer does nothing.
void TestDocumentView::followsEachKindOfLink() {
    View v;
    v.write("Info/index.html", "<p>start page</p><a href='more.html'>more</a>");
    v.write("Info/more.html", "<p>second page</p>");
    v.write("Info/Sub/Other Page.html", "<p>third page</p>");
    v.write("Info/notes", "fourth page, text without a suffix");
    v.write("Info/data", QByteArray("ELF\0\0\0", 6));
    v.write("Info/Extras/Work Sheet.pdf", "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    QSignalSpy web(v.view, &DocumentView::outsideLinkClicked);
    QSignalSpy files(v.view, &DocumentView::fileLinkClicked);
    QSignalSpy broken(v.view, &DocumentView::brokenLinkClicked);
    v.show("Info/index.html");

    struct Step {
        QString href;
        QString shown;      // the page the view shows afterwards
        QString handedOn{}; // "file:" and the file for the system, "broken:" and the link
    };
    const QList<Step> steps{
        {"more.html", "second page"},
        {"index.html#top", "start page"},
        {"missing.html", "start page", "broken:missing.html"},
        {"#nowhere", "start page"},
        {"extras/work%20sheet.PDF#page=2", "start page", "file:Info/Extras/Work Sheet.pdf"},
        {"Extras", "start page", "file:Info/Extras"},
        {"data", "start page", "file:Info/data"},
        {"notes", "fourth page, text without a suffix"},
        {"SUB\\other%20page.HTML", "third page"},
        {"../MORE.HTML", "second page"},
        {"Gone/sheet%20two.pdf#p", "second page", "broken:Gone/sheet two.pdf"},
        {"../../" + QFileInfo(v.dir.path()).fileName() + "/Info/index.html", "start page"},
        {QUrl::fromLocalFile(QCoreApplication::applicationFilePath()).toString(), "start page"},
        {"file://127.0.0.1" + v.path("Info/more.html"), "start page"},
        {"ftp://example.com/file", "start page"},
    };
    for (const Step& step : steps) {
        v.clickLink(step.href);
        QString handedOn;
        if (!files.isEmpty())
            handedOn =
                "file:" + QDir(v.dir.path()).relativeFilePath(files.takeFirst()[0].toString());
        if (!broken.isEmpty())
            handedOn += "broken:" + broken.takeFirst()[0].toString();
        QCOMPARE(v.text().section('\n', 0, 0), step.shown);
        QCOMPARE(handedOn, step.handedOn);
    }
    QCOMPARE(web.count(), 0);
}

void TestDocumentView::handsWebAndMailLinksOn_data() {
    QTest::addColumn<QString>("href");
    QTest::newRow("web") << "http://example.com/page";
    QTest::newRow("secure web") << "HTTPS://example.com/a?b=c#d";
    QTest::newRow("mail") << "mailto:info@example.com";
}

void TestDocumentView::handsWebAndMailLinksOn() {
    QFETCH(QString, href);
    View v;
    v.write("index.html", "<p>start page</p>");
    v.show("index.html");
    QSignalSpy outside(v.view, &DocumentView::outsideLinkClicked);
    v.clickLink(href);
    QCOMPARE(outside.count(), 1);
    QCOMPARE(outside.first().first().toUrl(), QUrl(href));
    QCOMPARE(v.text().trimmed(), QString("start page"));
}

// The browser waits for the first document; what was set before then holds once it is made,
// and it lies among its siblings where the view was made.
void TestDocumentView::makesItsBrowserOnlyWhenFirstNeeded() {
    QWidget window;
    auto* view = new QtDocumentView(&window);
    auto* madeLater = new QWidget(&window);
    view->setGeometry(13, 24, 517, 378);
    view->setVisible(false);
    window.show();
    QVERIFY(!view->Visible());
    QCOMPARE(view->documentUrl(), QUrl());
    QVERIFY(window.findChildren<QTextBrowser*>().isEmpty());

    QTemporaryDir dir;
    QFile page(dir.filePath("page.txt"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("first page");
    page.close();
    view->Navigate(page.fileName());

    const auto made = window.findChildren<QTextBrowser*>();
    QCOMPARE(made.size(), 1);
    QTextBrowser* browser = made.first();
    QVERIFY(!browser->isVisibleTo(&window));
    QCOMPARE(browser->toPlainText(), QString("first page"));
    // Beneath what was made after the view, however it is nested.
    QWidget* place = browser;
    while (place->parentWidget() != &window)
        place = place->parentWidget();
    const QObjectList order = window.children();
    QVERIFY(order.indexOf(place) < order.indexOf(madeLater));
    view->setVisible(true);
    QVERIFY(view->Visible());
    QVERIFY(browser->isVisibleTo(&window));
    QTRY_COMPARE(QRect(browser->mapTo(&window, QPoint(0, 0)), browser->size()),
                 QRect(13, 24, 517, 378));
}

QTEST_MAIN(TestDocumentView)
#include "tst_documentview.moc"
