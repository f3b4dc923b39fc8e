#include "app/DiscConfig.h"
#include "doubles/BmpFile.h"
#include "doubles/FifoWatchdog.h"
#include "doubles/TestDisc.h"
#include "doubles/TestWindow.h"
#include "skin/SkinLoader.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTest>

using namespace vistrel;
using namespace vistrel::test;

namespace {

QRgb colourOf(const QPixmap& picture) {
    return picture.isNull() ? 0 : picture.toImage().pixel(0, 0) & 0xFFFFFFu;
}

QRgb fileColour(const TestDisc& disc, const QString& relative) {
    return QImage(disc.filePath(relative)).pixel(0, 0) & 0xFFFFFFu;
}

// The region of the non-black characters of a text picture ('.' is black).
QRegion textRegion(const QStringList& rows) {
    QRegion region;
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            if (rows[y][x] != QLatin1Char('.'))
                region += QRect(x, y, 1, 1);
    return region;
}

// A disc with a complete skin "default"; start() loads the skin its configuration names onto a
// window of its own.
struct Disc {
    TestDisc disc;
    TestWindow t;
    RecordingMessageBoxes messageBoxes;
    Messages said = namedMessages(messageBoxes, "english");
    RecordingProgramEnd programEnd;
    std::unique_ptr<SkinLoader> loader;

    Disc() { disc.addSkin("default"); }
    bool start(bool codec = false, bool player = false) {
        const DiscConfig config = DiscConfig::read(disc.filePath("vistrel.ini"));
        const Components installed{codec, player};
        MainDialog& w = t.window;
        loader = std::make_unique<SkinLoader>(
            SkinnedElements{w, [&w](const QPixmap& picture) { w.setBackgroundPicture(picture); },
                            w.buttons(), *w.picShowPictures(), *w.picTitle()},
            SkinSources{disc.filePath("Skins"), config.skin, {}}, [installed] { return installed; },
            said, programEnd);
        return loader->LoadSkin(QString());
    }
    MainDialog& window() { return t.window; }
    const SkinState& skin() { return loader->skin(); }
    QStringList messages() const { return messageBoxes.texts(); }
    void remove(const QString& relative) { QFile::remove(disc.filePath(relative)); }
};

// What each step of the loader leaves on the window, in the order the steps run.
const QStringList kStepFiles = {"back.bmp",     "transp.bmp", "codec2.bmp",   "player1.bmp",
                                "info0.bmp",    "start2.bmp", "explore1.bmp", "exit2.bmp",
                                "console4.bmp", "logo.bmp",   "title.bmp",    "menu2.bmp"};

QList<bool> stepsDone(Disc& d) {
    MainDialog& w = d.window();
    const SkinState& s = d.skin();
    bool console = s.PicsConsole.size() == 5;
    for (const QPixmap& p : s.PicsConsole)
        console = console && !p.isNull();
    return {!w.backgroundPicture().isNull(),
            !w.mask().isEmpty(),
            w.button(ButtonId::btnInstallCodec)->hasPicture(),
            w.button(ButtonId::btnInstallPlayer)->hasPicture(),
            w.button(ButtonId::btnInfo)->hasPicture(),
            w.button(ButtonId::btnStartPlayer)->hasPicture(),
            w.button(ButtonId::btnExplore)->hasPicture(),
            w.button(ButtonId::btnExit)->hasPicture(),
            console,
            w.picShowPictures()->hasPicture(),
            w.picTitle()->hasPicture(),
            !s.PicMenu[3].isNull()};
}

QByteArray brokenBytes(const QString& kind, const QByteArray& good) {
    if (kind == "empty")
        return {};
    if (kind == "truncated")
        return good.left(70);
    if (kind == "garbage")
        return QByteArray("BM") + QByteArray(300, '\xA5');
    if (kind == "huge")
        return bmpHeaderClaiming(40000, 40000);
    if (kind == "wide")
        return bmpHeaderClaiming(2000000, 3);
    if (kind == "huge RLE")
        return bmpRleClaiming(40000, 40000);
    return good;
}

} // namespace

class TestSkinLoader : public QObject {
    Q_OBJECT
  private slots:
    void stopsAtTheFirstPictureItCannotLoad_data();
    void stopsAtTheFirstPictureItCannotLoad();
    void chosenSkin_data();
    void chosenSkin();
    void missingSkinFolderChangesNothing_data();
    void missingSkinFolderChangesNothing();
    void firstPicturesFollowTheInstalledComponents_data();
    void firstPicturesFollowTheInstalledComponents();
    void maskFormats_data();
    void maskFormats();
    void maskSizes_data();
    void maskSizes();
    void withoutMaskTheWindowIsItsRectangle();
    void anotherSkinReplacesEveryPicture();
    void menuLooksComeAndGoWithTheSkin();
    void namesMatchWithoutRegardToCase();
    void anyPictureFormatLoads();
};

void TestSkinLoader::stopsAtTheFirstPictureItCannotLoad_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("kind");
    for (int step = 0; step < kStepFiles.size(); ++step) {
        for (const char* kind :
             {"missing", "empty", "truncated", "garbage", "folder", "pipe", "huge", "wide"}) {
            // Without transp.bmp the window simply stays a rectangle.
            if (kStepFiles[step] == "transp.bmp" && QLatin1String(kind) == "missing")
                continue;
            QTest::addRow("%s %s", qPrintable(kStepFiles[step]), kind) << step << kind;
        }
    }
}

void TestSkinLoader::stopsAtTheFirstPictureItCannotLoad() {
    QFETCH(int, step);
    QFETCH(QString, kind);
    Disc d;
    const QString file = kStepFiles[step];
    const QString relative = "Skins/default/" + file;
    QFile original(d.disc.filePath(relative));
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray good = original.readAll();
    original.close();
    d.remove(relative);
    if (kind == "folder")
        QVERIFY(QDir().mkpath(d.disc.filePath(relative)));
    else if (kind == "pipe")
        QVERIFY(makeFifo(d.disc.filePath(relative)));
    else if (kind != "missing")
        d.disc.writeFile(relative, brokenBytes(kind, good));

    QElapsedTimer timer;
    timer.start();
    {
        const FifoWatchdog watchdog({d.disc.filePath(relative)});
        QVERIFY(!d.start());
        QVERIFY2(!watchdog.fired(), "the loader blocked on a pipe");
    }
    // A header claiming gigabytes is refused before anything is allocated or read.
    QVERIFY(timer.elapsed() < 5000);
    QVERIFY(d.programEnd.ended);
    QCOMPARE(d.messageBoxes.shown.size(), 1);
    QCOMPARE(d.messageBoxes.shown[0].title, QString("Vistrel"));
    const QString text = d.messageBoxes.shown[0].text;
    const QString set = file.left(file.size() - 5); // "codec2.bmp" -> "codec"
    if (QStringList{"codec", "player", "info", "start", "explore", "exit", "console"}.contains(set))
        QCOMPARE(text, "english errFileNotFound " + set);
    else
        QVERIFY2(text.startsWith("The picture ") && text.contains(file), qPrintable(text));

    QList<bool> expected;
    for (int i = 0; i < kStepFiles.size(); ++i)
        expected << (i < step);
    QCOMPARE(stepsDone(d), expected);
}

void TestSkinLoader::chosenSkin_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("skinName");
    QTest::addColumn<QString>("folder");

    QTest::newRow("no configuration") << QByteArray() << QString() << "default"
                                      << "default";
    QTest::newRow("key without value") << QByteArray("[Main]\nSkin=\n") << QString() << "default"
                                       << "default";
    QTest::newRow("configured") << QByteArray("[Main]\nSkin=Nightfall\n") << QString()
                                << "Nightfall"
                                << "Nightfall";
    QTest::newRow("configured in other case")
        << QByteArray("[Main]\nSkin=NIGHTFALL\n") << QString() << "NIGHTFALL"
        << "Nightfall";
    QTest::newRow("a name given wins over the configuration")
        << QByteArray("[Main]\nSkin=Nightfall\n") << "default"
        << "default"
        << "default";
}

void TestSkinLoader::chosenSkin() {
    QFETCH(QByteArray, ini);
    QFETCH(QString, argument);
    QFETCH(QString, skinName);
    QFETCH(QString, folder);
    Disc d;
    d.disc.addSkin("Nightfall");
    d.disc.addPicture("Skins/Nightfall/back.bmp", {699, 432}, QColor(1, 2, 3));
    if (!ini.isEmpty())
        d.disc.writeIni(ini);
    QVERIFY(d.start());
    if (!argument.isEmpty())
        QVERIFY(d.loader->LoadSkin(argument));
    QCOMPARE(d.skin().SkinName, skinName);
    QCOMPARE(colourOf(d.window().backgroundPicture()),
             fileColour(d.disc, "Skins/" + folder + "/back.bmp"));
    QVERIFY(d.messageBoxes.shown.isEmpty());
}

void TestSkinLoader::missingSkinFolderChangesNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("make");
    QTest::newRow("no such folder") << "Sunrise"
                                    << "";
    QTest::newRow("a file, not a folder") << "flat"
                                          << "file";
    QTest::newRow("a link to itself") << "loop"
                                      << "loop";
}

void TestSkinLoader::missingSkinFolderChangesNothing() {
    QFETCH(QString, name);
    QFETCH(QString, make);
    Disc d;
    d.disc.writeFile("Skins/readme.txt", "not a skin");
    if (make == "file")
        d.disc.writeFile("Skins/" + name, "not a folder");
    if (make == "loop")
        QVERIFY(QFile::link(name, d.disc.filePath("Skins/" + name)));
    QVERIFY(d.start());
    const QRegion mask = d.window().mask();
    const qint64 background = d.window().backgroundPicture().cacheKey();
    const qint64 exit = d.window().button(ButtonId::btnExit)->picture().cacheKey();

    QVERIFY(!d.loader->LoadSkin(name));
    QCOMPARE(d.messages(), QStringList{"english errSkinNotFound " + name});
    QCOMPARE(d.messageBoxes.shown[0].title, QString("Vistrel"));
    QCOMPARE(d.skin().SkinName, name);
    QCOMPARE(d.window().mask(), mask);
    QCOMPARE(d.window().backgroundPicture().cacheKey(), background);
    QCOMPARE(d.window().button(ButtonId::btnExit)->picture().cacheKey(), exit);
    QVERIFY(!d.programEnd.ended);
}

void TestSkinLoader::firstPicturesFollowTheInstalledComponents_data() {
    QTest::addColumn<bool>("codec");
    QTest::addColumn<bool>("player");
    QTest::addColumn<QList<int>>("shown"); // codec, player, info, start, explore, exit
    QTest::newRow("neither") << false << false << QList<int>{0, 0, 1, 0, 1, 1};
    QTest::newRow("codec missing, player installed")
        << false << true << QList<int>{0, 1, 1, 0, 1, 1};
    QTest::newRow("codec installed, player missing: start asks the codec only")
        << true << false << QList<int>{1, 0, 1, 1, 1, 1};
    QTest::newRow("both") << true << true << QList<int>{1, 1, 1, 1, 1, 1};
}

void TestSkinLoader::firstPicturesFollowTheInstalledComponents() {
    QFETCH(bool, codec);
    QFETCH(bool, player);
    QFETCH(QList<int>, shown);
    Disc d;
    QVERIFY(d.start(codec, player));
    const SkinState& s = d.skin();
    MainDialog& w = d.window();
    const QList<QPair<ButtonId, QString>> buttons = {
        {ButtonId::btnInstallCodec, "codec"}, {ButtonId::btnInstallPlayer, "player"},
        {ButtonId::btnInfo, "info"},          {ButtonId::btnStartPlayer, "start"},
        {ButtonId::btnExplore, "explore"},    {ButtonId::btnExit, "exit"}};
    for (int i = 0; i < buttons.size(); ++i) {
        // The very picture of the set, not a copy of it.
        QCOMPARE(w.button(buttons[i].first)->picture().cacheKey(),
                 s.actionPicture(buttons[i].second, shown[i]).cacheKey());
    }
    for (ImageArea* playback : {w.button(ButtonId::btnBackward), w.button(ButtonId::btnPlay),
                                w.button(ButtonId::btnPause), w.button(ButtonId::btnStop),
                                w.button(ButtonId::btnForward)})
        QVERIFY(!playback->hasPicture());
}

void TestSkinLoader::maskFormats_data() {
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("compression");
    QTest::addColumn<bool>("topDown");
    QTest::newRow("1 bit") << 1 << 0 << false;
    QTest::newRow("4 bit palette") << 4 << 0 << false;
    QTest::newRow("8 bit palette") << 8 << 0 << false;
    QTest::newRow("16 bit") << 16 << 0 << false;
    QTest::newRow("24 bit") << 24 << 0 << false;
    QTest::newRow("32 bit") << 32 << 0 << false;
    QTest::newRow("24 bit top-down") << 24 << 0 << true;
    QTest::newRow("8 bit top-down") << 8 << 0 << true;
    QTest::newRow("RLE8") << 8 << 1 << false;
    QTest::newRow("RLE4") << 4 << 2 << false;
}

void TestSkinLoader::maskFormats() {
    QFETCH(int, bits);
    QFETCH(int, compression);
    QFETCH(bool, topDown);
    // Near-black ('n') is inside the outline; 1-bit pictures have black and white only.
    QStringList rows = {"..####...#", "#n#..###..", "##########", "....rr...."};
    if (bits == 1)
        rows.replaceInStrings("n", "#").replaceInStrings("r", "#");
    Disc d;
    d.disc.writeFile("Skins/default/transp.bmp",
                     bmpBytes(rows, bits, static_cast<BmpCompression>(compression), topDown));
    QVERIFY2(d.start(), qPrintable(d.messages().join('\n')));
    QCOMPARE(d.window().mask(), textRegion(rows));
    QCOMPARE(d.skin().ShapeRegion, textRegion(rows));
}

void TestSkinLoader::maskSizes_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<QRegion>("outline");
    QTest::newRow("smaller than the window: its own size")
        << QSize(300, 200) << qRgb(255, 255, 255) << QRegion(0, 0, 300, 200);
    QTest::newRow("larger than the window: cut at the window")
        << QSize(900, 500) << qRgb(40, 40, 40) << QRegion(0, 0, 699, 432);
    QTest::newRow("all black: no outline at all") << QSize(699, 432) << qRgb(0, 0, 0) << QRegion();
}

void TestSkinLoader::maskSizes() {
    QFETCH(QSize, size);
    QFETCH(QRgb, colour);
    QFETCH(QRegion, outline);
    Disc d;
    d.disc.addPicture("Skins/default/transp.bmp", size, QColor(colour));
    QVERIFY(d.start());
    QCOMPARE(d.window().mask(), outline);
}

void TestSkinLoader::withoutMaskTheWindowIsItsRectangle() {
    Disc d;
    d.remove("Skins/default/transp.bmp");
    QVERIFY(d.start());
    QCOMPARE(d.window().mask(), QRegion(0, 0, 699, 432));
    // The test skin's mask cuts a corner; a skin without one gives the rectangle back.
    Disc shaped;
    QVERIFY(shaped.start());
    QVERIFY(!shaped.window().mask().contains(QPoint(0, 0)));
    QVERIFY(shaped.window().mask().contains(QPoint(698, 431)));
    shaped.disc.addSkin("Plain", true, false);
    QVERIFY(shaped.loader->LoadSkin("Plain"));
    QCOMPARE(shaped.window().mask(), QRegion(0, 0, 699, 432));
}

void TestSkinLoader::anotherSkinReplacesEveryPicture() {
    Disc d;
    QVERIFY(d.start());
    QCOMPARE(d.skin().PicsConsole.size(), 5);
    d.disc.addSkin("Nightfall");
    QVERIFY(d.loader->LoadSkin("Nightfall"));
    const SkinState& s = d.skin();
    MainDialog& w = d.window();
    QCOMPARE(s.PicsConsole.size(), 5);
    QCOMPARE(s.ActionSets.value("codec").size(), 3);
    QCOMPARE(w.button(ButtonId::btnExit)->picture().cacheKey(),
             s.actionPicture("exit", 1).cacheKey());
    QCOMPARE(w.button(ButtonId::btnInfo)->picture().cacheKey(),
             s.actionPicture("info", 1).cacheKey());
    QCOMPARE(colourOf(w.picShowPictures()->picture()),
             fileColour(d.disc, "Skins/Nightfall/logo.bmp"));
    QCOMPARE(colourOf(w.picTitle()->picture()), fileColour(d.disc, "Skins/Nightfall/title.bmp"));
    QCOMPARE(colourOf(s.PicsConsole[4]), fileColour(d.disc, "Skins/Nightfall/console4.bmp"));
    QCOMPARE(colourOf(s.PicMenu[0]), fileColour(d.disc, "Skins/Nightfall/menu0.bmp"));
    QCOMPARE(d.skin().SkinName, QString("Nightfall"));
}

void TestSkinLoader::menuLooksComeAndGoWithTheSkin() {
    Disc d;
    d.disc.addSkin("Bare", false);
    QVERIFY(d.start());
    const SkinState& s = d.skin();
    for (const QPixmap* look : {&s.PicMenu[0], &s.PicMenu[1], &s.PicMenu[2], &s.PicMenu[3]})
        QVERIFY(!look->isNull());
    d.window().button(ButtonId::btnClose)->setPicture(s.PicMenu[3]);
    QVERIFY(d.loader->LoadSkin("Bare"));
    for (const QPixmap* look : {&s.PicMenu[0], &s.PicMenu[1], &s.PicMenu[2], &s.PicMenu[3]})
        QVERIFY(look->isNull());
    QVERIFY(!d.window().button(ButtonId::btnClose)->hasPicture());
    // menu0.bmp alone decides: the other three are then required.
    d.remove("Skins/default/menu3.bmp");
    QVERIFY(!d.loader->LoadSkin("default"));
    QVERIFY(d.programEnd.ended);
    QVERIFY(d.messages().value(0).contains("menu3.bmp"));
    // A menu0.bmp that is there but cannot be read is not a missing one.
    Disc unreadable;
    unreadable.remove("Skins/default/menu0.bmp");
    QVERIFY(QDir().mkpath(unreadable.disc.filePath("Skins/default/menu0.bmp")));
    QVERIFY(!unreadable.start());
    QVERIFY(unreadable.messages().value(0).contains("menu0.bmp"));
}

void TestSkinLoader::namesMatchWithoutRegardToCase() {
    Disc d;
    d.disc.addSkin("Upper");
    // Move the skin to skins/MIXED with upper-case file names.
    QDir dir(d.disc.filePath("Skins"));
    QVERIFY(dir.rename("Upper", "MIXED"));
    QVERIFY(QDir(d.disc.path()).rename("Skins", "skins"));
    QDir mixed(d.disc.filePath("skins/MIXED"));
    for (const QString& file : mixed.entryList(QDir::Files))
        QVERIFY(mixed.rename(file, file.toUpper()));
    d.disc.writeIni("[Main]\nSkin=mixed\n");
    QVERIFY2(d.start(), qPrintable(d.messages().join('\n')));
    QVERIFY(!d.window().backgroundPicture().isNull());
    QVERIFY(!d.skin().PicMenu[0].isNull());
    QVERIFY(!d.window().mask().contains(QPoint(0, 0)));
}

void TestSkinLoader::anyPictureFormatLoads() {
    Disc d;
    // A ".bmp" that holds a PNG: the content decides, not the name.
    QImage png(139, 29, QImage::Format_RGB32);
    png.fill(QColor(3, 4, 5));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(png.save(&buffer, "PNG"));
    d.disc.writeFile("Skins/default/exit1.bmp", bytes);
    QVERIFY(d.start());
    QCOMPARE(colourOf(d.window().button(ButtonId::btnExit)->picture()), qRgb(3, 4, 5) & 0xFFFFFFu);
}

QTEST_MAIN(TestSkinLoader)
#include "tst_skinloader.moc"
