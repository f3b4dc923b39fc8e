#include "doubles/TestDisc.h"
#include "doubles/TestWindow.h"
#include "skin/ButtonLooks.h"
#include "skin/SkinLoader.h"

#include <QSignalSpy>
#include <QTest>

using namespace vistrel;
using namespace vistrel::test;

namespace {

// A picture of the skin state named as in the button-look table: "PicsCodec 2", "PicMenu0",
// or "none" for no picture.
QPixmap pictureNamed(const SkinState& s, const QString& name) {
    const QStringList parts = name.split(' ');
    const int index = parts.value(1).toInt();
    if (parts[0] == "PicsConsole")
        return s.PicsConsole.at(index);
    if (parts[0].startsWith("Pics"))
        return s.actionPicture(parts[0].mid(4).toLower(), index);
    if (parts[0].startsWith("PicMenu"))
        return s.PicMenu.at(parts[0].mid(7).toInt());
    return {};
}

qint64 handle(const QPixmap& picture) {
    return picture.isNull() ? 0 : picture.cacheKey();
}

// A window on show with every button, dressed in the skin "default" by the skin loader, and the
// looks on its buttons.
struct Window {
    TestDisc disc;
    TestWindow t;
    RecordingMessageBoxes messages;
    Messages said = namedMessages(messages, "english");
    RecordingProgramEnd programEnd;
    std::unique_ptr<SkinLoader> skins;
    std::unique_ptr<ButtonLooks> looks;

    explicit Window(bool menuLooks = true) { disc.addSkin("default", menuLooks); }
    bool start(bool codec = false, bool player = false) {
        MainDialog& w = t.window;
        const Components installed{codec, player};
        skins = std::make_unique<SkinLoader>(
            SkinnedElements{w, [&w](const QPixmap& picture) { w.setBackgroundPicture(picture); },
                            w.buttons(), *w.picShowPictures(), *w.picTitle()},
            SkinSources{disc.filePath("Skins"), "default", {}}, [installed] { return installed; },
            said, programEnd);
        if (!skins->LoadSkin(QString()))
            return false;
        looks = std::make_unique<ButtonLooks>(skins->skin(), installed, w.buttons());
        for (ImageArea* button : w.buttons())
            button->show();
        w.show();
        return true;
    }
    ImageArea* element(const QString& name) { return t.window.findChild<ImageArea*>(name); }
    qint64 shown(const QString& name) { return handle(element(name)->picture()); }
    qint64 expected(const QString& pictureName) {
        return handle(pictureNamed(skins->skin(), pictureName));
    }
};

const QPoint kInside(2, 2);
const QPoint kOutside(-40, -40);

} // namespace

class TestButtonLooks : public QObject {
    Q_OBJECT
  private slots:
    void pressAndRelease_data();
    void pressAndRelease();
    void releaseOffTheButtonRestoresItsLookWithoutClick();
    void skinLoadedWhileHeldShowsOnRelease();
    void startPlayerLooksAtLoadAndRelease();
    void titleBarPressWithLookShownKeepsIt();
};

void TestButtonLooks::pressAndRelease_data() {
    QTest::addColumn<QString>("element");
    QTest::addColumn<bool>("codec");
    QTest::addColumn<bool>("player");
    QTest::addColumn<bool>("menuLooks");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("released");

    const int left = Qt::LeftButton;
    const int right = Qt::RightButton;
    const int middle = Qt::MiddleButton;
    // Action group: any button presses; the release look follows the installation flags.
    QTest::newRow("codec, installed")
        << "btnInstallCodec" << true << false << true << left << "PicsCodec 2"
        << "PicsCodec 1";
    QTest::newRow("codec, missing")
        << "btnInstallCodec" << false << true << true << right << "PicsCodec 2"
        << "PicsCodec 0";
    QTest::newRow("player, installed")
        << "btnInstallPlayer" << false << true << true << left << "PicsPlayer 2"
        << "PicsPlayer 1";
    QTest::newRow("player, missing")
        << "btnInstallPlayer" << true << false << true << middle << "PicsPlayer 2"
        << "PicsPlayer 0";
    QTest::newRow("start, both installed")
        << "btnStartPlayer" << true << true << true << left << "PicsStart 2"
        << "PicsStart 1";
    QTest::newRow("start, codec only")
        << "btnStartPlayer" << true << false << true << left << "PicsStart 2"
        << "PicsStart 0";
    QTest::newRow("start, player only")
        << "btnStartPlayer" << false << true << true << left << "PicsStart 2"
        << "PicsStart 0";
    QTest::newRow("info, middle button")
        << "btnInfo" << false << false << true << middle << "PicsInfo 2"
        << "PicsInfo 1";
    QTest::newRow("explore") << "btnExplore" << false << false << true << left << "PicsExplore 2"
                             << "PicsExplore 1";
    QTest::newRow("exit, right button")
        << "btnExit" << false << false << true << right << "PicsExit 2"
        << "PicsExit 1";
    // Playback group: only the left button presses; released means no picture.
    const char* playback[] = {"btnBackward", "btnPlay", "btnPause", "btnStop", "btnForward"};
    for (int i = 0; i < 5; ++i) {
        QTest::addRow("%s, left", playback[i]) << playback[i] << true << true << true << left
                                               << QString("PicsConsole %1").arg(i) << "none";
        QTest::addRow("%s, right", playback[i])
            << playback[i] << true << true << true << right << "none"
            << "none";
    }
    // Title-bar group: any button; nothing at all without the skin's menu pictures.
    const char* titleBar[] = {"btnMenu", "btnMinimize", "btnMaximize", "btnClose"};
    for (int i = 0; i < 4; ++i) {
        QTest::addRow("%s, with menu looks", titleBar[i])
            << titleBar[i] << false << false << true << (i % 2 ? right : left)
            << QString("PicMenu%1").arg(i) << "none";
        QTest::addRow("%s, without menu looks", titleBar[i])
            << titleBar[i] << false << false << false << left << "none"
            << "none";
    }
}

void TestButtonLooks::pressAndRelease() {
    QFETCH(QString, element);
    QFETCH(bool, codec);
    QFETCH(bool, player);
    QFETCH(bool, menuLooks);
    QFETCH(int, button);
    QFETCH(QString, pressed);
    QFETCH(QString, released);
    Window w(menuLooks);
    QVERIFY(w.start(codec, player));
    ImageArea* target = w.element(element);
    QVERIFY(target);
    const auto mouseButton = static_cast<Qt::MouseButton>(button);

    QTest::mousePress(target, mouseButton, {}, kInside);
    QCOMPARE(w.shown(element), w.expected(pressed));
    QTest::mouseRelease(target, mouseButton, {}, kInside);
    QCOMPARE(w.shown(element), w.expected(released));
    // A second press and release looks the same.
    QTest::mousePress(target, mouseButton, {}, kInside);
    QCOMPARE(w.shown(element), w.expected(pressed));
    QTest::mouseRelease(target, mouseButton, {}, kInside);
    QCOMPARE(w.shown(element), w.expected(released));
}

void TestButtonLooks::releaseOffTheButtonRestoresItsLookWithoutClick() {
    Window w;
    QVERIFY(w.start());
    ImageArea* info = w.t.window.button(ButtonId::btnInfo);
    QSignalSpy clicks(info, &ImageArea::clicked);
    QTest::mousePress(info, Qt::LeftButton, {}, kInside);
    QCOMPARE(w.shown("btnInfo"), w.expected("PicsInfo 2"));
    QTest::mouseRelease(info, Qt::LeftButton, {}, kOutside);
    QCOMPARE(w.shown("btnInfo"), w.expected("PicsInfo 1"));
    QCOMPARE(clicks.count(), 0);

    ImageArea* play = w.t.window.button(ButtonId::btnPlay);
    QTest::mousePress(play, Qt::LeftButton, {}, kInside);
    QVERIFY(play->hasPicture());
    QTest::mouseRelease(play, Qt::LeftButton, {}, kOutside);
    QVERIFY(!play->hasPicture());
}

void TestButtonLooks::skinLoadedWhileHeldShowsOnRelease() {
    Window w;
    w.disc.addSkin("Nightfall", false);
    QVERIFY(w.start());
    ImageArea* exit = w.t.window.button(ButtonId::btnExit);
    QTest::mousePress(exit, Qt::LeftButton, {}, kInside);
    const qint64 oldPressed = w.shown("btnExit");
    QVERIFY(w.skins->LoadSkin("Nightfall"));
    QTest::mouseRelease(exit, Qt::LeftButton, {}, kOutside);
    QCOMPARE(w.shown("btnExit"), w.expected("PicsExit 1"));
    QVERIFY(w.shown("btnExit") != oldPressed);
    // The new skin has no menu pictures: the title-bar buttons stay bare.
    QTest::mousePress(w.t.window.button(ButtonId::btnClose), Qt::LeftButton, {}, kInside);
    QVERIFY(!w.t.window.button(ButtonId::btnClose)->hasPicture());
}

// At load only the codec decides btnStartPlayer's look; a release also asks for the player.
void TestButtonLooks::startPlayerLooksAtLoadAndRelease() {
    Window w;
    QVERIFY(w.start(true, false));
    QCOMPARE(w.shown("btnStartPlayer"), w.expected("PicsStart 1"));
    QTest::mouseClick(w.t.window.button(ButtonId::btnStartPlayer), Qt::LeftButton, {}, kInside);
    QCOMPARE(w.shown("btnStartPlayer"), w.expected("PicsStart 0"));
}

void TestButtonLooks::titleBarPressWithLookShownKeepsIt() {
    Window w;
    QVERIFY(w.start());
    ImageArea* menu = w.t.window.button(ButtonId::btnMenu);
    QTest::mousePress(menu, Qt::LeftButton, {}, kInside);
    QTest::mousePress(menu, Qt::RightButton, {}, kInside);
    QCOMPARE(w.shown("btnMenu"), w.expected("PicMenu0"));
    QTest::mouseRelease(menu, Qt::RightButton, {}, kInside);
    QVERIFY(!menu->hasPicture());
}

QTEST_MAIN(TestButtonLooks)
#include "tst_buttonlooks.moc"
