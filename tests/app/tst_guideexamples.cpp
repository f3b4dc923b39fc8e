// The author's guide's own examples, written into discs as the guide shows them: the disc check
// finds nothing to mend, and the guide's page shows with the style sheet it links.
#include "app/check/DiscCheck.h"
#include "app/check/FindingsReport.h"
#include "platform/documents/QtDocumentView.h"
#include "platform/media/MediaProbe.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace vistrel;

namespace {

QString guideText() {
    QFile guide(qEnvironmentVariable("VISTREL_SOURCE_DIR") + "/docs/authoring.md");
    return guide.open(QIODevice::ReadOnly) ? QString::fromUtf8(guide.readAll()) : QString();
}

// The guide's fenced blocks of one language that contain a text.
QStringList examples(const QString& language, const QString& containing) {
    const QRegularExpression fence("^ *```" + language + "\\n(.*?)^ *```$",
                                   QRegularExpression::MultilineOption |
                                       QRegularExpression::DotMatchesEverythingOption);
    QStringList found;
    for (const QRegularExpressionMatch& block : fence.globalMatch(guideText()))
        if (block.captured(1).contains(containing))
            found.append(block.captured(1));
    return found;
}

// A disc made of a sample disc's files, linked, with the guide's example files written over it.
struct GuideDisc {
    QTemporaryDir dir;

    GuideDisc(const QString& sample, const QStringList& ownFiles) { link(sample, "", ownFiles); }

    // The entries of the sample's folder at relative, but the disc's own files and the folders
    // that hold them.
    void link(const QString& sample, const QString& relative, const QStringList& ownFiles) {
        const QDir from(sample + "/" + relative);
        for (const QFileInfo& entry : from.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            const QString name = relative + entry.fileName();
            if (ownFiles.contains(name))
                continue;
            if (std::any_of(ownFiles.begin(), ownFiles.end(),
                            [&name](const QString& own) { return own.startsWith(name + "/"); })) {
                QVERIFY(QDir().mkpath(dir.filePath(name)));
                link(sample, name + "/", ownFiles);
            } else {
                QVERIFY(QFile::link(entry.canonicalFilePath(), dir.filePath(name)));
            }
        }
    }
    void write(const QString& relative, const QString& text) {
        QFile file(dir.filePath(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
};

void expectNothingToMend(const QString& disc) {
    const Findings findings = checkDisc(disc, probeMedia);
    const auto mend = std::count_if(findings.begin(), findings.end(),
                                    [](const Finding& f) { return f.severity != Finding::Note; });
    QVERIFY2(mend == 0, qPrintable(findingsText(findings)));
    QCOMPARE(findingsExitCode(findings), 0);
}

} // namespace

class TestGuideExamples : public QObject {
    Q_OBJECT

    const QString sample = qEnvironmentVariable("VISTREL_DISC_DIR");

  private slots:
    void init() {
        if (!QFileInfo(sample + "/vistrel.ini").exists())
            QSKIP("the sample disc is not laid out");
    }

    // The configuration, the page and its style sheet, as the guide writes them.
    void movieDiscWithTheGuidesPage() {
        const QStringList ini = examples("ini", "; The sample disc's configuration.");
        const QStringList page = examples("html", "rel=\"stylesheet\"");
        const QStringList style = examples("css", "body");
        QCOMPARE(ini.size(), 1);
        QCOMPARE(page.size(), 1);
        QCOMPARE(style.size(), 1);
        GuideDisc disc(sample, {"vistrel.ini", "Info/index.html", "Info/style.css"});
        disc.write("vistrel.ini", ini.first());
        disc.write("Info/index.html", page.first());
        disc.write("Info/style.css", style.first());
        expectNothingToMend(disc.dir.path());

        // The style sheet's background fills the page.
        QWidget window;
        window.resize(699, 432);
        QtDocumentView view(&window);
        view.setGeometry(13, 24, 517, 378);
        view.setVisible(true);
        window.show();
        view.Navigate(disc.dir.filePath("Info/index.html"));
        const QImage drawn =
            static_cast<QTextBrowser*>(view.widget())->viewport()->grab().toImage();
        QCOMPARE(drawn.pixelColor(drawn.width() - 10, drawn.height() - 10), QColor("#f4f6fa"));
    }

    // A disc made from scratch holds none of the program's files: the guide's command checks it
    // with a build's program, and the guide's readme.txt on it leaves nothing to mend.
    void discFromScratchCheckedFromOutside() {
        const QStringList command = examples("sh", "--check ~/mydisc");
        const QStringList readme = examples("text", "autorun.sh");
        QCOMPARE(command.size(), 1);
        QCOMPARE(readme.size(), 1);
        GuideDisc disc(sample, {"vistrel", "libvistrel-media-gst.so", "libvistrel-media-qt.so",
                                "vistrel-codectest", "readme.txt"});
        disc.write("readme.txt", readme.first());
        QStringList words = command.first().trimmed().split(' ');
        QCOMPARE(words.value(0), QString("build/disc/vistrel"));
        QCOMPARE(words.value(2), QString("~/mydisc"));
        QProcess check;
        check.start(sample + "/vistrel", {words.value(1), disc.dir.path()});
        QVERIFY(check.waitForFinished(60000));
        const QString output = QString::fromUtf8(check.readAllStandardOutput());
        QVERIFY2(check.exitCode() == 0 && !output.contains("\nwarning:") &&
                     !output.startsWith("warning:"),
                 qPrintable(output));
    }

    // Each configuration the guide writes out whole, on the files of the sample disc it uses.
    void configurationChecksClean_data() {
        QTest::addColumn<QString>("containing");
        QTest::addColumn<QString>("sampleSuffix");
        QTest::newRow("slideshow") << "SlideShow=1"
                                   << "-slideshow";
        QTest::newRow("one disc for both systems") << "; One disc for Windows and Linux"
                                                   << "";
    }
    void configurationChecksClean() {
        QFETCH(QString, containing);
        QFETCH(QString, sampleSuffix);
        const QStringList ini = examples("ini", containing);
        QCOMPARE(ini.size(), 1);
        GuideDisc disc(sample + sampleSuffix, {"vistrel.ini"});
        disc.write("vistrel.ini", ini.first());
        expectNothingToMend(disc.dir.path());
    }
};

QTEST_MAIN(TestGuideExamples)
#include "tst_guideexamples.moc"
