// vistrel --check: each broken disc gives exactly its finding, and the sample discs none to mend.
#include "app/check/DiscCheck.h"
#include "app/check/FindingsReport.h"
#include "doubles/TestDisc.h"
#include "platform/media/MediaProbe.h"
#include "text/TextDecoding.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QtTest>

#include <functional>
#include <tuple>

using namespace vistrel;
using vistrel::test::TestDisc;

namespace {

// A disc that is complete and sound; a fault adds to its configuration or changes its files.
struct Disc {
    Disc() {
        disc.addLanguage("english");
        disc.addSkin("default");
        write();
    }
    void write() { disc.writeIni("[Main]\n" + main + sections); }
    void addMain(const QByteArray& lines) {
        main += lines;
        write();
    }
    void addSection(const QByteArray& text) {
        sections += text;
        write();
    }
    void addProgram(const QString& name, const QByteArray& text, bool executable) {
        disc.writeFile(name, text);
        if (executable)
            QFile::setPermissions(disc.filePath(name),
                                  QFile::permissions(disc.filePath(name)) | QFileDevice::ExeOwner);
    }
    void truncate(const QString& name, qsizetype size) {
        QFile file(disc.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(size);
        file.close();
        disc.writeFile(name, head);
    }

    // What the media framework says of the movie, where the test decides it.
    MediaProber prober() const {
        if (!facts)
            return probeMedia;
        return [said = *facts](const QString&, int) { return said; };
    }

    TestDisc disc;
    QByteArray main = "Version=1.0\nDefaultLanguage=english\nSkin=default\nShowInstallCodec=0\n";
    QByteArray sections = "[Codec]\nDescription=MPEG-4 video codec\n";
    std::optional<MediaFacts> facts;
};

// A movie on the disc as the framework finds it.
void addFilm(Disc& d, const QString& name, QSize size, QSize pixel, const QString& container,
             const QString& video, const QString& audio) {
    d.disc.writeFile(name, "film");
    d.addMain("Movie=" + name.toUtf8() + "\n");
    MediaFacts facts;
    facts.verdict = MediaFacts::Opened;
    facts.durationMs = 60000;
    facts.videoSize = size;
    facts.pixelAspect = pixel;
    facts.container = container;
    facts.videoCodec = video;
    facts.audioCodec = audio;
    d.facts = facts;
}

using Fault = std::function<void(Disc&)>;

// The language file as addLanguage writes it, with one line replaced (an empty one dropped).
void replaceLanguageLine(Disc& d, const QByteArray& key, const QByteArray& line) {
    QFile file(d.disc.filePath("Language/english.lng"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = file.readAll().split('\n');
    for (QByteArray& each : lines)
        if (each.startsWith(key + "="))
            each = line;
    lines.removeAll(QByteArray());
    d.disc.writeFile("Language/english.lng", lines.join('\n'));
}

// One text of the language file, in bytes as an editor saved them.
Fault languageText(const QByteArray& key, const QByteArray& text) {
    return [=](Disc& d) { replaceLanguageLine(d, key, key + "=" + text); };
}

// The skin's mask: white, with black (outside the window) over the given places.
void writeMask(Disc& d, const QList<QRect>& outside, const char* format = "BMP") {
    QImage mask(699, 432, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter painter(&mask);
    for (const QRect& place : outside)
        painter.fillRect(place, Qt::black);
    painter.end();
    QVERIFY(mask.save(d.disc.filePath("Skins/default/transp.bmp"), format));
}

bool sameFinding(const Finding& a, const Finding& b) {
    return a.severity == b.severity && a.file == b.file && a.message == b.message;
}

// The findings of the disc that a sound disc does not have, but what the framework found in a
// movie, which is said of every one.
Findings newFindings(const Findings& findings, const Findings& sound) {
    Findings added;
    for (const Finding& f : findings)
        if (std::none_of(sound.begin(), sound.end(),
                         [&f](const Finding& s) { return sameFinding(f, s); }) &&
            !f.message.startsWith("opens: "))
            added.append(f);
    return added;
}

bool matches(const Finding& f, Finding::Severity severity, const QString& file,
             const QString& word) {
    return f.severity == severity && f.file == file &&
           (f.message + " " + f.fix).contains(word, Qt::CaseInsensitive);
}

qsizetype count(const Findings& findings, Finding::Severity severity) {
    return std::count_if(findings.begin(), findings.end(),
                         [severity](const Finding& f) { return f.severity == severity; });
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class TstDiscCheck : public QObject {
    Q_OBJECT

  private slots:
    // Sound discs as authors make them: Western text in the code page the program reads, and a
    // language file named on a Mac (the accent a character of its own) or for one.
    void soundDiscHasNothingToMend_data() {
        QTest::addColumn<Fault>("variant");
        QTest::newRow("as made") << Fault([](Disc&) {});
        auto western = [](const QByteArray& key, const char* utf8) {
            return languageText(key, QByteArray::fromStdString(encodeWindows1252(utf8)));
        };
        QTest::newRow("German saved as Windows-1252")
            << western("tipBackward", "Zurück zum größeren Überblick");
        QTest::newRow("French saved as Windows-1252")
            << western("tipStartPlayer", "Démarrer le film, même très tôt à côté");
        QTest::newRow("Spanish saved as Windows-1252")
            << western("tipBackward", "Atrás, señor, a la información");
        const QString composed = QString::fromUtf8("Fran\u00e7ais");
        const QString decomposed = QString::fromUtf8("Franc\u0327ais");
        for (const auto& [row, onDisc, inIni] :
             {std::tuple("named on a Mac", decomposed, composed),
              std::tuple("named for a Mac", composed, decomposed)})
            QTest::newRow(row) << Fault([onDisc, inIni](Disc& d) {
                d.disc.addLanguage(onDisc);
                d.main.replace("DefaultLanguage=english", "DefaultLanguage=" + inIni.toUtf8());
                d.write();
            });
    }
    void soundDiscHasNothingToMend() {
        QFETCH(Fault, variant);
        Disc d;
        variant(d);
        const Findings findings = checkDisc(d.disc.path(), probeMedia);
        QVERIFY2(count(findings, Finding::Error) + count(findings, Finding::Warning) == 0,
                 qPrintable(findingsText(findings)));
    }

    void eachFaultGivesItsFinding_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("severity");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("word");
        // A note that comes with it, if any, about the same file or about vistrel.ini.
        QTest::addColumn<QString>("alsoNoted");
        const int error = Finding::Error, warning = Finding::Warning, note = Finding::Note;
        auto row = [](const char* name, Fault fault, int severity, const QString& file,
                      const QString& word, const QString& alsoNoted = {}) {
            QTest::newRow(name) << fault << severity << file << word << alsoNoted;
        };
        // vistrel.ini
        row(
            "no vistrel.ini",
            [](Disc& d) { QVERIFY(QFile::remove(d.disc.filePath("vistrel.ini"))); }, error,
            "vistrel.ini", "missing");
        row(
            "no version",
            [](Disc& d) {
                d.main.replace("Version=1.0\n", "");
                d.write();
            },
            warning, "vistrel.ini", "Version=1.0");
        row(
            "wrong version",
            [](Disc& d) {
                d.main.replace("Version=1.0", "Version=2.0");
                d.write();
            },
            error, "vistrel.ini", "must be Version=1.0");
        row(
            "misspelt key", [](Disc& d) { d.addMain("Moive=movie.avi\n"); }, warning, "vistrel.ini",
            "did you mean Movie");
        row(
            "key in the wrong section", [](Disc& d) { d.addSection("[Player]\nSkin=default\n"); },
            warning, "vistrel.ini", "move it to [Main]");
        row(
            "misspelt section", [](Disc& d) { d.addSection("[Plyer]\nRunPath=x\n"); }, warning,
            "vistrel.ini", "did you mean [Player]");
        row(
            "repeated key", [](Disc& d) { d.addMain("skin=other\n"); }, warning, "vistrel.ini",
            "only its first");
        row(
            "slide key with a leading zero",
            [](Disc& d) { d.addSection("[SlideShow]\n07=a.jpg\n"); }, warning, "vistrel.ini",
            "plain numbers: write 7=");
        row(
            "switch written as a word",
            [](Disc& d) {
                d.disc.writeFile("info.htm", "<p>x</p>");
                d.addMain("ShowInstallPlayer=yes\nInfoPath=info.htm\n");
            },
            note, "vistrel.ini", "\"yes\", which counts as off");
        row(
            "comment after a path",
            [](Disc& d) {
                d.disc.writeFile("info.htm", "<p>x</p>");
                d.addMain("InfoPath=info.htm ; the page\n");
            },
            error, "info.htm ; the page", "comments only start a line");
        // Button targets
        row(
            "installer missing",
            [](Disc& d) { d.addSection("[Player]\nInstallPath=Setup\\setup.sh\n"); }, error,
            "Setup/setup.sh", "not on the disc");
        row(
            "installer without execute bit",
            [](Disc& d) {
                d.addProgram("setup.sh", "#!/bin/sh\n", false);
                d.addSection("[Player]\nInstallPath.Linux=setup.sh\n");
            },
            error, "setup.sh", "[Player] InstallPath.Linux is not executable",
            "offered on Linux but not on Windows");
        row(
            "installer without interpreter line",
            [](Disc& d) {
                d.addProgram("setup.sh", "echo hello\n", true);
                d.addSection("[Player]\nInstallPath.Linux=setup.sh\n");
            },
            error, "setup.sh", "interpreter line", "add InstallPath.Windows=");
        row(
            "installer saved with Windows line ends, left out on Windows on purpose",
            [](Disc& d) {
                d.addProgram("setup.sh", "#!/bin/sh\r\necho hello\r\n", true);
                d.addSection("[Player]\nInstallPath.Linux=setup.sh\nInstallPath.Windows=\n");
            },
            error, "setup.sh", "Windows line ends");
        row(
            "player naming an interpreter the system lacks",
            [](Disc& d) {
                d.addProgram("play.sh", "#!/opt/none/bin/player-shell -x\n", true);
                d.addSection("[Player]\nRunPath.Linux=play.sh\n");
            },
            error, "play.sh", "/opt/none/bin/player-shell", "add RunPath.Windows=");
        row(
            "Windows installer reached on Linux by the plain key",
            [](Disc& d) {
                d.disc.writeFile("setup.cmd", "@echo off\r\n");
                d.addSection("[Player]\nInstallPath=setup.cmd\n");
            },
            warning, "setup.cmd", "Linux has no program for the \"Install the video player");
        row(
            "Linux script reached on Windows by the plain key",
            [](Disc& d) {
                d.addProgram("setup.sh", "#!/bin/sh\n", true);
                d.addSection("[Player]\nInstallPath=setup.sh\n");
            },
            warning, "setup.sh", "add InstallPath.Windows=");
        row(
            "Windows key naming no Windows program",
            [](Disc& d) {
                d.addProgram("setup.sh", "#!/bin/sh\n", true);
                d.disc.writeFile("setup.txt", "x");
                d.addSection("[Player]\nInstallPath.Windows=setup.txt\nInstallPath=setup.sh\n");
            },
            error, "setup.txt", "[Player] InstallPath.Windows names setup.txt, which Windows");
        row(
            "external player without the codec's name",
            [](Disc& d) {
                d.sections.clear();
                d.addProgram("play.sh", "#!/bin/sh\n", true);
                d.disc.writeFile("play.cmd", "@echo off\r\n");
                d.addSection("[Player]\nRunPath.Linux=play.sh\nRunPath.windows=play.cmd\n");
            },
            warning, "vistrel.ini", "says \"MPEG-4 video codec\"");
        row(
            "player is a folder",
            [](Disc& d) {
                d.disc.writeFile("Player/readme.txt", "x");
                d.addSection("[Player]\nRunPath=Player\n");
            },
            error, "Player", "folder");
        row(
            "explore target is a file",
            [](Disc& d) {
                d.disc.writeFile("Extras", "x");
                d.addMain("ExplorerPath=Extras\n");
            },
            error, "Extras", "not a folder");
        row(
            "document found with letter case ignored",
            [](Disc& d) {
                d.disc.writeFile("Info/index.html", "<p>x</p>");
                d.addMain("InfoPath=INFO\\Index.html\n");
            },
            note, "Info/index.html", "letter case");
        row(
            "document outside the disc",
            [](Disc& d) {
                d.addMain("InfoPath=" + QCoreApplication::applicationFilePath().toUtf8() + "\n");
            },
            warning, QCoreApplication::applicationFilePath(), "outside the disc");
        row(
            "info page with a missing picture",
            [](Disc& d) {
                d.disc.addPicture("Info/Logo.png", {10, 10}, Qt::red);
                d.disc.writeFile("Info/index.html",
                                 "<p><img src=\"logo.png\"> x <img src=\"pics/disc.png\"></p>");
                d.addMain("InfoPath=Info\\index.html\n");
            },
            warning, "Info/pics/disc.png", "broken picture");
        row(
            "info page whose style sheet is missing",
            [](Disc& d) {
                d.disc.writeFile("Info/index.html",
                                 "<html><head><link rel=\"stylesheet\" href=\"style.css\"></head>"
                                 "<body><p>x</p></body></html>");
                d.addMain("InfoPath=Info\\index.html\n");
            },
            warning, "Info/style.css", "without it");
        row(
            "pages linked in a circle, the second linking to nothing", // a PDF, the web: fine
            [](Disc& d) {
                d.disc.writeFile("Extras/sheet.pdf", "%PDF-1.4\n");
                d.disc.writeFile("Info/index.html", "<a href=\"more.html\">more</a> "
                                                    "<a href=\"../extras/SHEET.pdf\">sheet</a> "
                                                    "<a href=\"http://example.com\">web</a>");
                d.disc.writeFile("Info/more.html", "<a href=\"index.html\">back</a> "
                                                   "<a href=\"gone.html#top\">gone</a>");
                d.addMain("InfoPath=Info\\index.html\n");
            },
            warning, "Info/gone.html", "file was not found");
        row(
            "info page linking off the disc",
            [](Disc& d) {
                d.disc.writeFile(
                    "Info/index.html",
                    "<a href=\"" +
                        QUrl::fromLocalFile(QCoreApplication::applicationFilePath()).toEncoded() +
                        "\">off</a>");
                d.addMain("InfoPath=Info\\index.html\n");
            },
            warning, QCoreApplication::applicationFilePath(), "not followed");
        row(
            "more pages than are checked",
            [](Disc& d) {
                for (int page = 0; page < 205; ++page)
                    d.disc.writeFile(
                        QStringLiteral("Info/%1.html").arg(page),
                        QStringLiteral("<a href=\"%1.html\">on</a>").arg(page + 1).toUtf8());
                d.disc.writeFile("Info/205.html", "<img src=\"gone.png\">");
                d.addMain("InfoPath=Info\\0.html\n");
            },
            note, "Info/0.html", "first 200 pages");
        row(
            "target hidden by its switch",
            [](Disc& d) {
                d.disc.writeFile("info.htm", "<p>x</p>");
                d.addMain("ShowInstallPlayer=0\nInfoPath=info.htm\n");
            },
            note, "vistrel.ini", "hides");
        // Skins
        row(
            "configured skin missing",
            [](Disc& d) {
                d.main.replace("Skin=default", "Skin=Blue");
                d.write();
            },
            error, "Skins/Blue", "not under Skins");
        row(
            "action picture missing",
            [](Disc& d) { QVERIFY(QFile::remove(d.disc.filePath("Skins/default/info1.bmp"))); },
            error, "Skins/default/info1.bmp", "missing");
        row(
            "truncated background", [](Disc& d) { d.truncate("Skins/default/back.bmp", 2000); },
            error, "Skins/default/back.bmp", "cannot be read");
        row(
            "background too large",
            [](Disc& d) {
                d.disc.addPicture("Skins/default/back.bmp", {800, 500}, Qt::red);
            },
            warning, "Skins/default/back.bmp", "800x500");
        row(
            "action picture too small",
            [](Disc& d) {
                d.disc.addPicture("Skins/default/exit1.bmp", {100, 29}, Qt::red);
            },
            warning, "Skins/default/exit1.bmp", "empty");
        row(
            "logo of another size",
            [](Disc& d) {
                d.disc.addPicture("Skins/default/logo.bmp", {640, 360}, Qt::red);
            },
            warning, "Skins/default/logo.bmp", "stretched");
        row(
            "high-density picture of the wrong size",
            [](Disc& d) {
                d.disc.addPicture("Skins/default/info1@2x.bmp", {278, 57}, Qt::red);
            },
            warning, "Skins/default/info1@2x.bmp", "278x58");
        row(
            "a wrong 1x picture beside a right-sized @2x",
            [](Disc& d) {
                d.disc.addPicture("Skins/default/info1.bmp", {100, 29}, Qt::red);
                d.disc.addPicture("Skins/default/info1@2x.bmp", {278, 58}, Qt::red);
            },
            warning, "Skins/default/info1.bmp", "draw it at 139x29");
        row(
            "high-density picture that does not decode",
            [](Disc& d) { d.disc.writeFile("Skins/default/back@2x.bmp", "BM not a picture"); },
            warning, "Skins/default/back@2x.bmp", "cannot be read");
        row(
            "no mask",
            [](Disc& d) { QVERIFY(QFile::remove(d.disc.filePath("Skins/default/transp.bmp"))); },
            note, "Skins/default", "rectangle");
        row(
            "all-black mask",
            [](Disc& d) {
                d.disc.addPicture("Skins/default/transp.bmp", {699, 432}, Qt::black);
            },
            warning, "Skins/default/transp.bmp", "all black");
        row(
            "all-white mask",
            [](Disc& d) {
                d.disc.addPicture("Skins/default/transp.bmp", {699, 432}, Qt::white);
            },
            note, "Skins/default/transp.bmp", "no black");
        row(
            "corner button cut off by the outline",
            [](Disc& d) {
                writeMask(d, {{683, 0, 16, 16}});
            },
            warning, "Skins/default/transp.bmp", "btnClose (683,0 16x16) lies 100% outside");
        row(
            "offered button mostly outside the outline, a hidden one not reported",
            [](Disc& d) {
                d.disc.writeFile("info.htm", "<p>x</p>");
                d.addMain("InfoPath=info.htm\n");
                writeMask(d, {{544, 128, 139, 29}, {544, 208, 100, 29}});
            },
            warning, "Skins/default/transp.bmp", "btnInfo (544,208 139x29) lies 72% outside");
        row(
            "mask saved as JPEG",
            [](Disc& d) {
                writeMask(d, {{0, 40, 64, 300}}, "JPEG");
            },
            warning, "Skins/default/transp.bmp", "near-black");
        row(
            "picture in another format than its name says",
            [](Disc& d) {
                QImage logo(517, 378, QImage::Format_RGB32);
                logo.fill(Qt::red);
                QVERIFY(logo.save(d.disc.filePath("Skins/default/logo.bmp"), "PNG"));
            },
            note, "Skins/default/logo.bmp", "holds a PNG picture, not a BMP");
        row(
            "title-bar looks incomplete",
            [](Disc& d) { QVERIFY(QFile::remove(d.disc.filePath("Skins/default/menu2.bmp"))); },
            error, "Skins/default/menu2.bmp", "missing");
        row(
            "disc title missing", [](Disc& d) { d.addMain("Title=title.png\n"); }, error,
            "title.png", "not on the disc");
        row(
            "skin the viewer cannot choose", [](Disc& d) { d.disc.addSkin("Other"); }, note,
            "Skins/Other", "ShowSkinMenu=1");
        // Language files
        row(
            "default language missing",
            [](Disc& d) {
                d.main.replace("english", "german");
                d.write();
            },
            error, "Language/german.lng", "DefaultLanguage");
        row(
            "language key missing", [](Disc& d) { replaceLanguageLine(d, "tipPlay", ""); }, warning,
            "Language/english.lng", "[Tooltip] tipPlay");
        row(
            "language key misspelt",
            [](Disc& d) { replaceLanguageLine(d, "tipPause", "tipPause=P\ntipPuase=Pause"); },
            warning, "Language/english.lng", "did you mean tipPause");
        row(
            "message without %s",
            [](Disc& d) { replaceLanguageLine(d, "errSkinNotFound", "errSkinNotFound=No skin"); },
            warning, "Language/english.lng", "errSkinNotFound");
        row(
            "UTF-16 with byte-order mark",
            [](Disc& d) {
                QFile file(d.disc.filePath("Language/english.lng"));
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QString text = QString::fromUtf8(file.readAll());
                QByteArray bytes("\xFF\xFE");
                bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
                d.disc.writeFile("Language/english.lng", bytes);
            },
            note, "Language/english.lng", "UTF-16");
        row(
            "UTF-16 without byte-order mark",
            [](Disc& d) {
                QFile file(d.disc.filePath("Language/english.lng"));
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QString text = QString::fromUtf8(file.readAll());
                d.disc.writeFile(
                    "Language/english.lng",
                    QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
            },
            warning, "Language/english.lng", "control");
        row("Polish saved as Windows-1250",
            languageText("mnuChooseLanguage", "Zmie\xf1 j\xeazyk..."), warning,
            "Language/english.lng", "Windows-1250", "Windows-1252");
        row("Russian saved as Windows-1251", languageText("tipExit", "\xc2\xfb\xf5\xee\xe4"),
            warning, "Language/english.lng", "Windows-1251", "Windows-1252");
        row("Greek saved as Windows-1253", languageText("tipExit", "\xb8\xee\xef\xe4\xef\xf2"),
            warning, "Language/english.lng", "Windows-1253", "Windows-1252");
        // Media and slideshow
        row(
            "movie missing", [](Disc& d) { d.addMain("Movie=film.avi\n"); }, error, "film.avi",
            "looked for film.avi");
        row(
            "movie the framework cannot open",
            [](Disc& d) {
                d.disc.writeFile("film.avi", QByteArray(4096, 'x'));
                d.addMain("Movie=film.avi\n");
            },
            error, "film.avi", "cannot open");
        row(
            "a 16:9 film at 720x576",
            [](Disc& d) {
                addFilm(d, "film.avi", {720, 576}, {64, 45}, "video/x-msvideo", "MPEG-4", "MP3");
            },
            note, "film.avi", "the video shows at 1.78:1 (720x576 with pixels of 64:45)");
        row(
            "an MPEG-2 program stream named .mp4",
            [](Disc& d) {
                addFilm(d, "film.mp4", {720, 576}, {16, 15}, "video/mpeg", "MPEG-2 Video",
                        "MPEG-1 Layer 2 (MP2)");
            },
            warning, "film.mp4", "an MPEG program stream, not what its extension .mp4 says",
            "Windows opens no .mpg file");
        row(
            "a WMV named .avi",
            [](Disc& d) {
                addFilm(d, "film.avi", {640, 480}, {1, 1}, "video/x-ms-asf",
                        "Windows Media Video 8", "Windows Media Audio 8");
            },
            warning, "film.avi", "rename it to film.wmv");
        row(
            "slide missing",
            [](Disc& d) {
                d.addMain("SlideShow=1\n");
                d.addSection("[SlideShow]\n0=Pictures\\a.jpg\n");
            },
            error, "Pictures/a.jpg", "not on the disc");
        row(
            "slide unreadable",
            [](Disc& d) {
                d.disc.writeFile("a.jpg", "not a picture");
                d.addMain("SlideShow=1\n");
                d.addSection("[SlideShow]\n0=a.jpg\n");
            },
            error, "a.jpg", "cannot be read");
        row(
            "interval not a number",
            [](Disc& d) {
                d.disc.addPicture("a.png", {10, 10}, Qt::red);
                d.addMain("SlideShow=1\n");
                d.addSection("[SlideShow]\nInterval=fast\n0=a.png\n");
            },
            warning, "vistrel.ini", "3000");
        row(
            "interval below the floor",
            [](Disc& d) {
                d.disc.addPicture("a.png", {10, 10}, Qt::red);
                d.addMain("SlideShow=1\n");
                d.addSection("[SlideShow]\nInterval=1\n0=a.png\n");
            },
            warning, "vistrel.ini", "100 ms");
    }

    void eachFaultGivesItsFinding() {
        QFETCH(Fault, fault);
        QFETCH(int, severity);
        QFETCH(QString, file);
        QFETCH(QString, word);
        QFETCH(QString, alsoNoted);
        Disc sound;
        const Findings soundFindings = checkDisc(sound.disc.path(), probeMedia);
        Disc d;
        fault(d);
        const Findings added = newFindings(checkDisc(d.disc.path(), d.prober()), soundFindings);
        const qsizetype expected = alsoNoted.isEmpty() ? 1 : 2;
        QVERIFY2(added.size() == expected &&
                     matches(added.first(), Finding::Severity(severity), file, word) &&
                     (alsoNoted.isEmpty() ||
                      matches(added.last(), Finding::Note, file, alsoNoted) ||
                      matches(added.last(), Finding::Note, "vistrel.ini", alsoNoted)),
                 qPrintable(findingsText(added)));
    }

    void manyFaultsAreAllFound() {
        Disc d;
        d.main.replace("Version=1.0", "Version=2.0");
        d.addMain("Moive=movie.avi\nMovie=film.avi\nTitle=title.png\n");
        QVERIFY(QFile::remove(d.disc.filePath("Skins/default/console3.bmp")));
        replaceLanguageLine(d, "tipStop", "");
        d.disc.addPicture("Skins/default/back.bmp", {800, 500}, Qt::red);
        const Findings findings = checkDisc(d.disc.path(), probeMedia);
        const Findings expected{
            {Finding::Error, "vistrel.ini", "must be Version=1.0", {}},
            {Finding::Warning, "vistrel.ini", "did you mean Movie", {}},
            {Finding::Error, "film.avi", "not on the disc", {}},
            {Finding::Error, "title.png", "not on the disc", {}},
            {Finding::Error, "Skins/default/console3.bmp", "missing", {}},
            {Finding::Warning, "Skins/default/back.bmp", "800x500", {}},
            {Finding::Warning, "Language/english.lng", "tipStop", {}},
        };
        for (const Finding& e : expected)
            QVERIFY2(std::any_of(findings.begin(), findings.end(),
                                 [&e](const Finding& f) {
                                     return matches(f, e.severity, e.file, e.message);
                                 }),
                     qPrintable(e.file + " " + e.message + " not in:\n" + findingsText(findings)));
        QCOMPARE(findingsExitCode(findings), 1);
    }

    // The check and the program read a skin alike: a picture the check calls missing is one the
    // program ends without, and it calls none missing that the program does without.
    void missingSkinPictureIsAnErrorExactlyWhenTheProgramEnds_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("none") << QString();
        TestDisc skin;
        skin.addSkin("default");
        for (const QString& file : QDir(skin.filePath("Skins/default")).entryList(QDir::Files))
            QTest::newRow(qPrintable(file)) << file;
    }

    void missingSkinPictureIsAnErrorExactlyWhenTheProgramEnds() {
        QFETCH(QString, file);
        Disc d;
        const QString relative = "Skins/default/" + file;
        if (!file.isEmpty())
            QVERIFY(QFile::remove(d.disc.filePath(relative)));
        const Findings findings = checkDisc(d.disc.path(), probeMedia);
        const bool reported =
            std::any_of(findings.begin(), findings.end(), [&relative](const Finding& f) {
                return matches(f, Finding::Error, relative, "missing");
            });
        vistrel::test::TestApp doubles;
        const bool started = doubles.make()->Main(d.disc.path());
        QVERIFY2(reported != started, qPrintable(findingsText(findings)));
    }

    void sampleDiscsHaveNothingToMend_data() {
        QTest::addColumn<QString>("disc");
        const QString discs = qEnvironmentVariable("VISTREL_DISC_DIR");
        QTest::newRow("movie") << discs;
        QTest::newRow("slideshow") << discs + "-slideshow";
    }

    void sampleDiscsHaveNothingToMend() {
        QFETCH(QString, disc);
        if (!QFileInfo(disc + "/vistrel.ini").exists())
            QSKIP("the sample disc is not laid out");
        const Findings findings = checkDisc(disc, probeMedia);
        QVERIFY2(count(findings, Finding::Error) + count(findings, Finding::Warning) == 0,
                 qPrintable(findingsText(findings)));
        QCOMPARE(findingsExitCode(findings), 0);
    }

    void jsonHoldsTheSameFindings() {
        Disc d;
        d.addMain("Moive=movie.avi\nMovie=film.avi\n");
        const Findings findings = checkDisc(d.disc.path(), probeMedia);
        QJsonParseError parsed;
        const QJsonObject json =
            QJsonDocument::fromJson(findingsJson(d.disc.path(), findings), &parsed).object();
        QCOMPARE(parsed.error, QJsonParseError::NoError);
        const QJsonArray list = json["findings"].toArray();
        QCOMPARE(list.size(), findings.size());
        for (qsizetype i = 0; i < list.size(); ++i) {
            QCOMPARE(list[i]["file"].toString(), findings[i].file);
            QCOMPARE(list[i]["message"].toString(), findings[i].message);
        }
        QCOMPARE(json["errors"].toInt(), count(findings, Finding::Error));
        QCOMPARE(json["warnings"].toInt(), count(findings, Finding::Warning));
    }
};

QTEST_MAIN(TstDiscCheck)
#include "tst_disccheck.moc"
