#include "doubles/TestDisc.h"
#include "platform/media/MediaPlayerControl.h"
#include "window/WindowAreas.h"

#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

// Normal and full-screen display: the four triggers in movie and in picture mode.
class TestDisplayModes : public QObject {
    Q_OBJECT

    TestDisc disc;
    TestApp tc;
    std::unique_ptr<Application> core;

    MainDialog& w() { return core->dialog(); }
    FakeMediaPlayerControl& player() { return *tc.player; }
    bool full() const { return core->displayModes().IsFullScreen(); }

    // Movie or pictures; the info and explore buttons are offered, the installers are not.
    void start(bool movie) {
        QByteArray ini = "[Main]\nVersion=1.0\nDefaultLanguage=english\nSkin=plain\n"
                         "ShowInstallPlayer=1\nShowInstallCodec=0\n"
                         "InfoPath=info.html\nExplorerPath=Extras\n";
        ini += movie ? "Movie=film.avi\n" : "Music=song.mp3\nSlideShow=1\n";
        ini += "[Player]\nRunPath=run.sh\n";
        disc.writeIni(ini);
        core = tc.make();
        QVERIFY(core->Main(disc.path()));
        QTRY_VERIFY(!w().TimerMovie()->isActive());
        QVERIFY(w().button(ButtonId::btnInfo)->isVisible());
        QVERIFY(w().button(ButtonId::btnStartPlayer)->isVisible());
        QVERIFY(w().button(ButtonId::btnInstallCodec)->isHidden());
        player().calls.clear();
    }

    void doubleClick(const char* element) {
        if (QByteArray(element) == "MediaPlayer")
            emit player().DblClick();
        else
            emit w().findChild<ImageArea*>(element)->doubleClicked();
    }

    void trigger(const char* element) {
        if (QByteArray(element) == "btnMaximize")
            emit w().button(ButtonId::btnMaximize)->clicked();
        else
            doubleClick(element);
    }

    QRect playerRect() { return player().placement.area; }

    // The look of the image buttons, which no switch may touch.
    QList<QRect> imageButtons() {
        QList<QRect> looks;
        for (const char* name : {"btnPlay", "btnPause", "btnStop", "btnForward", "btnBackward",
                                 "btnMenu", "btnMinimize", "btnMaximize", "btnClose"}) {
            auto* button = w().findChild<ImageArea*>(name);
            looks.append(button->isHidden() ? QRect() : button->geometry());
        }
        return looks;
    }

    bool movieCoversTheScreen() { return player().placement.fullScreen; }
    bool movieInTheVideoArea() {
        return !player().placement.fullScreen && player().placement.area == VideoArea;
    }

  private slots:
    void initTestCase() {
        disc.addLanguage("english");
        disc.addSkin("plain");
        disc.writeFile("film.avi", "movie");
        disc.writeFile("song.mp3", "music");
        disc.writeFile("info.html", "<p>info</p>");
        QDir(disc.path()).mkpath("Extras");
    }

    void cleanup() { core.reset(); }

    // ---- movie ----

    void movieTriggers_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<bool>("entersFromNormal");
        QTest::addColumn<bool>("leavesFromFull");
        QTest::newRow("btnMaximize") << "btnMaximize" << true << false;
        QTest::newRow("MediaPlayer") << "MediaPlayer" << true << true;
        QTest::newRow("picShowPictures") << "picShowPictures" << true << true;
        QTest::newRow("recDragWindow") << "recDragWindow" << true << false;
    }

    void movieTriggers() {
        QFETCH(QString, element);
        QFETCH(bool, entersFromNormal);
        QFETCH(bool, leavesFromFull);
        start(true);
        const QByteArray name = element.toLatin1();
        trigger(name);
        QCOMPARE(full(), entersFromNormal);
        QVERIFY(movieCoversTheScreen());
        trigger(name);
        QCOMPARE(full(), !leavesFromFull);
        QCOMPARE(movieInTheVideoArea(), leavesFromFull);
    }

    void movieModeNeverTouchesTheWindow() {
        start(true);
        QVERIFY(w().isVisible());
        const QList<QRect> buttons = imageButtons();
        emit w().button(ButtonId::btnMaximize)->clicked();
        emit player().DblClick();
        QVERIFY(w().isVisible());
        QVERIFY(!w().isFullScreen());
        QVERIFY(w().button(ButtonId::btnInfo)->isVisible());
        QVERIFY(w().button(ButtonId::btnExit)->isVisible());
        QVERIFY(w().picTitle()->isVisible());
        QCOMPARE(imageButtons(), buttons);
        QCOMPARE(w().size(), QSize(699, 432));
    }

    // Esc in full screen is the player leaving by itself: the next trigger enters again.
    void thePlayerLeavingByItselfIsNoticed() {
        start(true);
        emit w().button(ButtonId::btnMaximize)->clicked();
        QVERIFY(full());
        player().pressEscapeInFullScreen();
        QVERIFY(!full());
        emit w().button(ButtonId::btnMaximize)->clicked();
        QVERIFY(movieCoversTheScreen());
        player().pressEscapeInFullScreen();
        emit player().DblClick();
        QVERIFY(movieCoversTheScreen());
        QVERIFY(full());
    }

    // ---- pictures ----

    void pictureTriggers_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<bool>("leavesFromFull");
        QTest::newRow("btnMaximize") << "btnMaximize" << false;
        QTest::newRow("MediaPlayer") << "MediaPlayer" << true;
        QTest::newRow("picShowPictures") << "picShowPictures" << true;
        QTest::newRow("recDragWindow") << "recDragWindow" << false;
    }

    void pictureTriggers() {
        QFETCH(QString, element);
        QFETCH(bool, leavesFromFull);
        start(false);
        const QByteArray name = element.toLatin1();
        trigger(name);
        QVERIFY(full());
        QTRY_VERIFY(w().isFullScreen());
        trigger(name);
        QCOMPARE(full(), !leavesFromFull);
        QCOMPARE(w().isFullScreen(), !leavesFromFull);
        QVERIFY(!movieCoversTheScreen());
    }

    void picturesFillTheScreenWithoutSideButtonsOrTitle() {
        start(false);
        const QList<QRect> buttons = imageButtons();
        emit w().button(ButtonId::btnMaximize)->clicked();
        QTRY_VERIFY(w().isFullScreen());
        const QSize screen = w().screen()->geometry().size();
        QTRY_COMPARE(w().picShowPictures()->geometry(), QRect(QPoint(0, 0), w().size()));
        QCOMPARE(w().picShowPictures()->geometry(), QRect(QPoint(0, 0), screen));
        QCOMPARE(playerRect(), QRect(QPoint(0, 0), screen));
        QVERIFY(w().mask().isEmpty()); // the whole rectangle
        QVERIFY(w().button(ButtonId::btnInfo)->isHidden());
        QVERIFY(w().button(ButtonId::btnStartPlayer)->isHidden());
        QVERIFY(w().button(ButtonId::btnExplore)->isHidden());
        QVERIFY(w().button(ButtonId::btnExit)->isHidden());
        QVERIFY(w().picTitle()->isHidden());
        QVERIFY(w().isVisible());
        QCOMPARE(imageButtons(), buttons);
    }

    // Leaving gives back the skin's own outline, not a plain rectangle.
    void leavingRestoresTheNormalLayoutAndTheSkinsOutline() {
        start(false);
        // The test skin's mask cuts a corner off the window.
        const QRegion outline = core->skins().skin().ShapeRegion;
        QVERIFY(!outline.contains(QPoint(0, 0)));
        QCOMPARE(w().mask(), outline);
        const QList<QRect> buttons = imageButtons();
        emit w().picShowPictures()->doubleClicked();
        QTRY_VERIFY(w().isFullScreen());
        emit w().picShowPictures()->doubleClicked();
        QTRY_VERIFY(!w().isFullScreen());
        QCOMPARE(w().size(), QSize(699, 432));
        QCOMPARE(w().mask(), outline);
        QCOMPARE(w().picShowPictures()->geometry(), QRect(13, 24, 517, 378));
        QCOMPARE(playerRect(), QRect(13, 24, 517, 378));
        QVERIFY(w().button(ButtonId::btnInfo)->isVisible());
        QVERIFY(w().button(ButtonId::btnStartPlayer)->isVisible());
        QVERIFY(w().button(ButtonId::btnExplore)->isVisible());
        QVERIFY(w().button(ButtonId::btnExit)->isVisible());
        QVERIFY(w().picTitle()->isVisible());
        QVERIFY(w().isVisible());
        QCOMPARE(imageButtons(), buttons);
    }

    void buttonsNotOfferedStayHiddenBothWays() {
        start(false);
        emit w().button(ButtonId::btnMaximize)->clicked();
        QTRY_VERIFY(w().isFullScreen());
        emit player().DblClick();
        QTRY_VERIFY(!w().isFullScreen());
        QVERIFY(w().button(ButtonId::btnInstallCodec)->isHidden());
        QVERIFY(w().button(ButtonId::btnInstallPlayer)->isHidden()); // no install path configured
    }

    void maximizeInFullScreenChangesNothing() {
        start(false);
        emit w().button(ButtonId::btnMaximize)->clicked();
        QTRY_VERIFY(w().isFullScreen());
        const QRect pictures = w().picShowPictures()->geometry();
        w().button(ButtonId::btnExit)->show(); // a switch would hide it again
        emit w().button(ButtonId::btnMaximize)->clicked();
        emit w().recDragWindow()->doubleClicked();
        QVERIFY(w().button(ButtonId::btnExit)->isVisible());
        QCOMPARE(w().picShowPictures()->geometry(), pictures);
    }
};

QTEST_MAIN(TestDisplayModes)
#include "tst_displaymodes.moc"
