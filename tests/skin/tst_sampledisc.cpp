#include "app/Application.h"
#include "doubles/TestDisc.h"
#include "platform/disc/ReadIni.h"
#include "platform/messages/ErrorMessage.h"
#include "skin/MaskRegion.h"
#include "text/TextDecoding.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>

using namespace vistrel;
using namespace vistrel::test;

namespace {

// The disc the build lays out; ctest names it, a direct run finds it beside the tests.
QString discDir() {
    const QString fromTestRun = qEnvironmentVariable("VISTREL_DISC_DIR");
    if (!fromTestRun.isEmpty())
        return fromTestRun;
    return QDir(QCoreApplication::applicationDirPath() + "/../disc").absolutePath();
}

QString skinFile(const QString& skin, const QString& file) {
    return discDir() + "/Skins/" + skin + "/" + file;
}

QImage readPicture(const QString& path) {
    QImageReader reader(path);
    return reader.read();
}

const QList<QRect> kElements = {{0, 0, 16, 16},      {653, 0, 16, 16},    {668, 0, 16, 16},
                                {683, 0, 16, 16},    {16, 0, 637, 17},    {13, 24, 517, 378},
                                {533, 22, 152, 88},  {544, 128, 139, 29}, {544, 168, 139, 29},
                                {544, 208, 139, 29}, {544, 304, 139, 29}, {544, 344, 139, 29},
                                {544, 384, 139, 29}, {19, 408, 21, 11},   {41, 408, 21, 11},
                                {63, 408, 21, 11},   {85, 408, 21, 11},   {107, 408, 21, 11}};

} // namespace

class TestSampleDisc : public QObject {
    Q_OBJECT
  private slots:
    void everyPictureAtItsElementsSize_data();
    void everyPictureAtItsElementsSize();
    void onlyTheDefaultSkinHasMenuLooks();
    void outlineHasShapedCornersAndACutOut_data();
    void outlineHasShapedCornersAndACutOut();
    void pressedLooksDifferFromTheBackground_data();
    void pressedLooksDifferFromTheBackground();
    void germanTextsInWindows1252_data();
    void germanTextsInWindows1252();
    void everyLanguageTextIsThere_data();
    void everyLanguageTextIsThere();
    void startsWithEveryButtonAndBothSkins();
};

void TestSampleDisc::everyPictureAtItsElementsSize_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (const char* skin : {"default", "Nightfall"}) {
        auto row = [&](const QString& file, QSize size) {
            QTest::addRow("%s/%s", skin, qPrintable(file)) << skinFile(skin, file) << size;
        };
        row("back.bmp", {699, 432});
        row("transp.bmp", {699, 432});
        for (const char* set : {"codec", "player", "info", "start", "explore", "exit"})
            for (int i = 0; i <= 2; ++i)
                row(set + QString::number(i) + ".bmp", {139, 29});
        for (int i = 0; i <= 4; ++i)
            row("console" + QString::number(i) + ".bmp", {21, 11});
        row("logo.bmp", {517, 378});
        row("title.bmp", {152, 88});
        if (QLatin1String(skin) == "default")
            for (int i = 0; i <= 3; ++i)
                row("menu" + QString::number(i) + ".bmp", {16, 16});
    }
}

void TestSampleDisc::everyPictureAtItsElementsSize() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("bmp"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(path + ": " + reader.errorString()));
    QCOMPARE(image.size(), size);
}

void TestSampleDisc::onlyTheDefaultSkinHasMenuLooks() {
    const QStringList nightfall = QDir(discDir() + "/Skins/Nightfall").entryList({"menu*"});
    QVERIFY2(nightfall.isEmpty(), qPrintable(nightfall.join(", ")));
    QCOMPARE(QDir(discDir() + "/Skins/default").entryList({"menu*"}).size(), 4);
}

void TestSampleDisc::outlineHasShapedCornersAndACutOut_data() {
    QTest::addColumn<QString>("skin");
    QTest::addColumn<int>("depth");
    QTest::newRow("default, 24 bit") << "default" << 24;
    QTest::newRow("Nightfall, two-colour palette") << "Nightfall" << 1;
}

void TestSampleDisc::outlineHasShapedCornersAndACutOut() {
    QFETCH(QString, skin);
    QFETCH(int, depth);
    const QImage mask = readPicture(skinFile(skin, "transp.bmp"));
    QCOMPARE(mask.depth() == 1 ? 1 : 24, depth);
    const QRegion outline = regionFromMaskImage(mask, {699, 432});
    for (QPoint corner : {QPoint(0, 0), QPoint(698, 0), QPoint(0, 431), QPoint(698, 431)})
        QVERIFY(!outline.contains(corner));
    // No element of the window is cut, but for the corners of the two buttons in the corners.
    for (const QRect& element : kElements) {
        if (element.x() + element.width() == 699 || element.x() == 0) {
            QVERIFY(outline.contains(element.center()));
            continue;
        }
        const QString name = QString("%1,%2").arg(element.x()).arg(element.y());
        QVERIFY2((QRegion(element) - outline).isEmpty(), qPrintable(name));
    }
    // A cut-out: outside pixels well away from every corner.
    int cut = 0;
    for (int y = 40; y < 392; ++y)
        for (int x = 0; x < 699; ++x)
            cut += outline.contains(QPoint(x, y)) ? 0 : 1;
    for (int y = 0; y < 432; ++y)
        for (int x = 40; x < 659; ++x)
            cut += outline.contains(QPoint(x, y)) ? 0 : 1;
    QVERIFY(cut > 50);
}

void TestSampleDisc::pressedLooksDifferFromTheBackground_data() {
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QPoint>("at");
    const int consoleLefts[] = {19, 41, 63, 85, 107};
    for (const char* skin : {"default", "Nightfall"})
        for (int i = 0; i < 5; ++i)
            QTest::addRow("%s console%d", skin, i)
                << skin << "console" + QString::number(i) + ".bmp" << QPoint(consoleLefts[i], 408);
    const int menuLefts[] = {0, 653, 668, 683};
    for (int i = 0; i < 4; ++i)
        QTest::addRow("default menu%d", i)
            << "default"
            << "menu" + QString::number(i) + ".bmp" << QPoint(menuLefts[i], 0);
}

void TestSampleDisc::pressedLooksDifferFromTheBackground() {
    QFETCH(QString, skin);
    QFETCH(QString, file);
    QFETCH(QPoint, at);
    const QImage pressed = readPicture(skinFile(skin, file)).convertToFormat(QImage::Format_RGB32);
    const QImage released = readPicture(skinFile(skin, "back.bmp"))
                                .copy(QRect(at, pressed.size()))
                                .convertToFormat(QImage::Format_RGB32);
    // The background draws the released button; the pressed look is a picture of its own.
    QVERIFY(pressed != released);
}

void TestSampleDisc::germanTextsInWindows1252_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    const QList<QPair<const char*, const char*>> tooltips = {
        {"tipInstallCodec", "Codec installieren (benötigt um Video-Daten anzuzeigen)"},
        {"tipInstallPlayer", "Video-Player installieren (empfohlen)"},
        {"tipInfo", "Weitere Informationen..."},
        {"tipStartPlayer", "Film starten"},
        {"tipExplore", "Weitere Inhalte auf dieser CD..."},
        {"tipExit", "Vistrel schließen"},
        {"tipBackward", "Zurück"},
        {"tipForward", "Vor"},
        {"tipPlay", "Start"},
        {"tipPause", "Pause"},
        {"tipStop", "Stop"},
        {"tipMinimize", "Minimieren"},
        {"tipMaximize", "Vollbild"},
        {"tipClose", "Schließen"}};
    for (const auto& [key, text] : tooltips)
        QTest::newRow(key) << "Tooltip" << key << QString::fromUtf8(text);
    const QList<QPair<const char*, const char*>> menu = {
        {"mnuChooseLanguage", "Sprache wechseln..."},
        {"mnuChooseSkin", "Skin wechseln..."},
        {"mnuAbout", "Über..."},
        {"mnuExit", "Schließen"}};
    for (const auto& [key, text] : menu)
        QTest::newRow(key) << "Menu" << key << QString::fromUtf8(text);
}

void TestSampleDisc::germanTextsInWindows1252() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, text);
    const QString path = discDir() + "/Language/german.lng";
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // Single bytes for the umlauts: not UTF-8.
    QVERIFY(
        !isValidUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    QVERIFY(bytes.contains("schlie\xDF"
                           "en"));
    QCOMPARE(ProfileSnapshot(path).value(section, key, "-"), text);
}

void TestSampleDisc::everyLanguageTextIsThere_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("english") << "english";
    QTest::newRow("german") << "german";
}

void TestSampleDisc::everyLanguageTextIsThere() {
    QFETCH(QString, language);
    const QString path = discDir() + "/Language/" + language + ".lng";
    const QStringList tooltips = {
        "tipInstallCodec", "tipInstallPlayer", "tipInfo",     "tipStartPlayer", "tipExplore",
        "tipExit",         "tipBackward",      "tipForward",  "tipPlay",        "tipPause",
        "tipStop",         "tipMinimize",      "tipMaximize", "tipClose"};
    for (const QString& key : tooltips)
        QVERIFY2(!ProfileSnapshot(path).value("Tooltip", key).isEmpty(), qPrintable(key));
    for (const char* key : {"mnuChooseLanguage", "mnuChooseSkin", "mnuAbout", "mnuExit"})
        QVERIFY2(!ProfileSnapshot(path).value("Menu", key).isEmpty(), key);
    // Each message that names something has the place for it.
    for (const char* key : {"errFileNotFound", "errPathNotFound", "errSkinNotFound",
                            "errINIVersion", "errCodecNotInstalled"})
        QVERIFY2(ProfileSnapshot(path).value("ErrorMsg", key).contains("%s"), key);
    QVERIFY(!ProfileSnapshot(path).value("ErrorMsg", "errSlideshow").isEmpty());
}

void TestSampleDisc::startsWithEveryButtonAndBothSkins() {
    TestApp doubles;
    auto core = doubles.make();
    QVERIFY(core->Main(discDir()));
    MainDialog& w = doubles.window();
    // Only the skin's own messages count here (the disc's media are not this test's concern).
    const ProfileSnapshot english(discDir() + "/Language/english.lng");
    QStringList skinMessages = {
        fillPlaceholder(english.value("ErrorMsg", "errSkinNotFound"), "default")};
    for (const char* set : {"codec", "player", "info", "start", "explore", "exit", "console"})
        skinMessages << fillPlaceholder(english.value("ErrorMsg", "errFileNotFound"), set);
    for (const RecordedMessage& message : doubles.messages.shown)
        QVERIFY2(!skinMessages.contains(message.text) && !message.text.startsWith("The picture"),
                 qPrintable(message.text));
    for (const ButtonRow& row : Buttons)
        if (row.path.key)
            QVERIFY2(w.button(row.id)->isVisibleTo(&w), row.name);
    // The default skin has the title bar's pressed looks, Nightfall none.
    auto pressedLook = [&w] {
        ImageArea* close = w.button(ButtonId::btnClose);
        QTest::mousePress(close, Qt::LeftButton, {}, QPoint(2, 2));
        const bool shown = close->hasPicture();
        QTest::mouseRelease(close, Qt::LeftButton, {}, QPoint(-40, -40));
        return shown;
    };
    QCOMPARE(w.menu().mnuSkin[0]->text(), QString("default"));
    QVERIFY(w.menu().mnuSkin[0]->isChecked());
    QVERIFY(pressedLook());
    QAction* nightfall = w.menu().mnuSkin[1];
    QCOMPARE(nightfall->text(), QString("Nightfall"));
    nightfall->trigger();
    QVERIFY(nightfall->isChecked());
    QVERIFY(!pressedLook());
    QVERIFY(!w.mask().contains(QPoint(612, 270)));
    QVERIFY(!doubles.programEnd.ended);
}

QTEST_MAIN(TestSampleDisc)
#include "tst_sampledisc.moc"
