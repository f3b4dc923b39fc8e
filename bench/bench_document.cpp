// How long the information document view takes to show enormous or awkward documents: the
// window is frozen for that time. Prints its figures; never fails.
//
//   bench_document [--quick] [--only 1|2|3|4]
//
// 1. Documents of 50 MB, through the view as built (only the first part is read).
// 2. The bare text browser laying out pages of growing depth or size: nested <div>, tables and
//    lists, unclosed tags, elements side by side; each kind until it takes over a second. The
//    limits of DocumentHtmlLimits come from here: the depth and count laid out in under 100 ms.
// 3. The pages of the hostile-disc probe through the view as built, which shows them as text.
// 4. The depth of nested tables that overflows the stack, in a child process each: on the main
//    thread (8 MB here) and on a 1 MB stack, the main thread's size on Windows.
#include "platform/documents/DocumentFile.h"
#include "platform/documents/QtDocumentView.h"
#include "text/HtmlShape.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <cstdio>

using namespace vistrel;

namespace {

constexpr int kViewWidth = 517;
constexpr int kViewHeight = 378;

void writeRepeated(const QString& path, const QByteArray& unit, qint64 bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    const QByteArray block = unit.repeated(qMax<qint64>(1, 1024 * 1024 / unit.size()));
    for (qint64 written = 0; written < bytes; written += block.size())
        file.write(block);
}

// A page of kind: around count units, each opening one level or adding one element.
struct PageKind {
    const char* name;
    QByteArray open;
    QByteArray close;
    QByteArray around = {}; // the units go inside these open elements
    QList<int> counts = {10,   20,   40,   60,    100,   200,   400,   600,
                         1000, 2000, 4000, 10000, 20000, 40000, 100000};
};

const PageKind kNestedDiv{"nested <div>", "<div>", "</div>"};
// Each level lays the one inside it out more than once: the time doubles with each.
const PageKind kNestedTables{"nested tables",
                             "<table><tr><td>",
                             "</td></tr></table>",
                             {},
                             {2, 4, 6, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18}};
const PageKind kNestedLists{"nested lists", "<ul><li>", "</li></ul>"};
const PageKind kUnclosed{"unclosed <span>", "<span>x", ""};
const PageKind kParagraphs{"<p> side by side", "<p>x</p>\n", ""};
const PageKind kRows{"table rows", "<tr><td>x</td></tr>\n", "", "<table>"};
// Deep and wide at once: each element costs more the deeper it lies.
const QList<int> kWide{1000, 2000, 3000, 4000, 6000, 10000};
const PageKind kDeepParagraphs{"<p> in 500 <div>", "<p>x</p>\n", "",
                               QByteArray("<div>").repeated(500), kWide};
const PageKind kDeepRows{"rows in 500 <div>", "<tr><td>x</td></tr>\n", "",
                         QByteArray("<div>").repeated(500) + "<table>", kWide};

QByteArray page(const PageKind& kind, int count) {
    return kind.around + kind.open.repeated(count) + "x" + kind.close.repeated(count);
}

QByteArray nestedTables(int depth) {
    return page(kNestedTables, depth);
}

// ---- 1. documents of 50 MB ------------------------------------------------------------------

void enormousDocuments(QtDocumentView& view, const QTemporaryDir& dir) {
    constexpr qint64 size = 50 * 1024 * 1024;
    const struct {
        const char* name;
        const char* file;
        QByteArray unit;
    } documents[] = {
        {"text, short lines", "lines.txt", "a line of text in the document\n"},
        {"text, one word", "word.txt", "\xC3\xA4"},
        {"HTML, paragraphs", "paragraphs.html", "<p>a <b>paragraph</b> of text</p>\n"},
        {"HTML, one word", "word.html", "x"},
        {"binary", "data.bin", QByteArray("\0\x01\x02\x03", 4)},
    };
    std::printf("Documents of 50 MB through the view\n");
    for (const auto& document : documents) {
        const QString path = dir.filePath(document.file);
        writeRepeated(path, document.unit, size);
        QElapsedTimer timer;
        timer.start();
        view.Navigate(path);
        view.widget()->repaint();
        std::printf("  50 MB %-18s %6lld ms\n", document.name, timer.elapsed());
        QFile::remove(path);
    }
}

// ---- 2. the bare browser at growing depth and size ---------------------------------------

// Setting the page, laying all of it out and drawing the first screen; the best of a few runs
// when it is short, as the machine is shared.
qint64 layOutMs(QTextBrowser& browser, const QString& html) {
    qint64 best = -1;
    for (int run = 0; run < 3; ++run) {
        browser.clear();
        QElapsedTimer timer;
        timer.start();
        browser.setHtml(html);
        browser.document()->documentLayout()->documentSize();
        browser.viewport()->repaint();
        const qint64 took = timer.elapsed();
        best = best < 0 ? took : std::min(best, took);
        if (took > 300)
            break;
    }
    return best;
}

void growingPages(QWidget& window, bool quick) {
    QTextBrowser browser(&window);
    browser.setGeometry(13, 24, kViewWidth, kViewHeight);
    browser.show();
    std::printf("\nThe bare text browser: set, lay out, draw (best of 3 under 300 ms)\n");
    std::printf("  %-18s %7s %7s %7s %9s %9s\n", "page", "count", "depth", "tables", "elements",
                "ms");
    for (const PageKind& kind : {kNestedDiv, kNestedTables, kNestedLists, kUnclosed, kParagraphs,
                                 kRows, kDeepParagraphs, kDeepRows}) {
        for (const int count : kind.counts) {
            const QByteArray html = page(kind, count);
            const HtmlShape shape = measureHtmlShape(html.toStdString());
            const qint64 ms = layOutMs(browser, QString::fromUtf8(html));
            std::printf("  %-18s %7d %7zu %7zu %9zu %9lld\n", kind.name, count, shape.depth,
                        shape.tableDepth, shape.elements, ms);
            if (ms > (quick ? 200 : 1000))
                break;
        }
    }
}

// ---- 3. the probe's pages through the view as built ----------------------------------------

void hostilePages(QtDocumentView& view, const QTemporaryDir& dir) {
    const struct {
        const char* name;
        QByteArray html;
    } pages[] = {
        {"100,000 nested <div>", page(kNestedDiv, 100000)},
        {"100,000 unclosed tags", page(kUnclosed, 100000)},
        {"20,000 nested tables", nestedTables(20000)},
        {"60,000 nested lists", page(kNestedLists, 60000)},
        {"3,000 nested tables", nestedTables(3000)},
    };
    std::printf("\nThe probe's pages through the view (scan, then shown as text)\n");
    for (const auto& hostile : pages) {
        const QString path = dir.filePath("hostile.html");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(hostile.html);
        file.close();
        QElapsedTimer scan;
        scan.start();
        measureHtmlShape(hostile.html.toStdString(), DocumentHtmlLimits);
        const qint64 scanUs = scan.nsecsElapsed() / 1000;
        QElapsedTimer timer;
        timer.start();
        view.Navigate(path);
        view.widget()->repaint();
        std::printf("  %-22s %8lld us scan %6lld ms shown\n", hostile.name, scanUs,
                    timer.elapsed());
    }
}

// ---- 4. the depth at which nested tables overflow the stack ------------------------------

// Below that depth the layout does not crash but takes for ever (its time doubles with each
// level): a child still at work after these seconds has not overflowed.
constexpr int kChildSeconds = 10;

// In the child: reads the page and lays it out on a thread with the given stack (0: the main
// thread), telling on stderr when it has read it.
int layOutTablesChild(int depth, int stackKb) {
    const QString html = QString::fromUtf8(nestedTables(depth));
    const auto layOut = [&html] {
        QTextDocument document;
        document.setHtml(html);
        std::fprintf(stderr, "read\n");
        document.setTextWidth(kViewWidth);
        document.size();
    };
    if (stackKb == 0) {
        layOut();
        return 0;
    }
    QThread* thread = QThread::create(layOut);
    thread->setStackSize(uint(stackKb) * 1024);
    thread->start();
    thread->wait();
    delete thread;
    return 0;
}

QString childOutcome(QProcess& child) {
    const bool finished = child.waitForFinished(kChildSeconds * 1000);
    const bool read = child.readAllStandardError().contains("read");
    if (!finished) {
        child.kill();
        child.waitForFinished();
        return QStringLiteral("no crash, still laying out after %1 s").arg(kChildSeconds);
    }
    if (child.exitStatus() == QProcess::CrashExit)
        return read ? QStringLiteral("CRASHED laying out") : QStringLiteral("CRASHED reading");
    return QStringLiteral("laid out");
}

void crashDepths(const QStringList& depths) {
    std::printf("\nNested tables laid out in a child process\n");
    for (const int stackKb : {0, 1024}) {
        for (const QString& depth : depths) {
            QProcess child;
            QElapsedTimer timer;
            timer.start();
            child.start(QCoreApplication::applicationFilePath(),
                        {"--tables", depth, QString::number(stackKb)});
            const QString outcome = childOutcome(child);
            std::printf("  %-18s %6s deep: %s (%lld ms)\n",
                        stackKb ? "1 MB thread stack" : "main thread", qPrintable(depth),
                        qPrintable(outcome), timer.elapsed());
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == "--tables")
        return layOutTablesChild(args.at(2).toInt(), args.at(3).toInt());
    const bool quick = args.contains("--quick");

    QWidget window;
    window.resize(699, 432);
    QtDocumentView view(&window);
    view.setGeometry(13, 24, kViewWidth, kViewHeight);
    window.show();
    QTemporaryDir dir;

    const QString only = args.size() > 2 && args.at(1) == "--only" ? args.at(2) : QString();
    if (!quick && (only.isEmpty() || only == "1"))
        enormousDocuments(view, dir);
    if (only.isEmpty() || only == "2")
        growingPages(window, quick);
    if (only.isEmpty() || only == "3")
        hostilePages(view, dir);
    if (only.isEmpty() || only == "4")
        crashDepths(quick ? QStringList{"1000", "3000"}
                          : QStringList{"100", "200", "300", "500", "1000", "1500", "2000", "2500",
                                        "3000"});
    return 0;
}
