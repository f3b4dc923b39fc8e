// Normal and full-screen display on a window of its own: the three ways in (and out) for a movie,
// which covers the screen through the player, and for pictures, which take the window there.
#include "doubles/TestWindow.h"
#include "media/DisplayModes.h"
#include "window/VideoPlacer.h"
#include "window/WindowAreas.h"

#include <QScreen>
#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

namespace {

// The side buttons a disc offers here; btnInstallCodec and btnInstallPlayer it does not.
const QList<ButtonId> Offered = {ButtonId::btnInfo, ButtonId::btnStartPlayer, ButtonId::btnExplore,
                                 ButtonId::btnExit};

// The skin's outline: the window without a corner.
QRegion cornerCut() {
    return QRegion(0, 0, WindowWidth, WindowHeight) - QRegion(0, 0, 10, 10);
}

struct Bench {
    explicit Bench(bool movie) {
        t.stage().setShow(movie ? Stage::Show::Movie : Stage::Show::Slides,
                          movie ? QStringLiteral("film.avi") : QString());
        QList<QWidget*> sideButtons;
        for (ButtonId id : Offered) {
            w().button(id)->show();
            sideButtons.append(w().button(id));
        }
        w().setMask(outline);
        modes = std::make_unique<DisplayModes>(DisplayElements{w(),
                                                               *w().picTitle(),
                                                               *w().picShowPictures(),
                                                               *w().videoPlacer(),
                                                               {WindowWidth, WindowHeight}},
                                               t.stage(), outline, sideButtons);
        w().show();
    }
    MainDialog& w() { return t.window; }
    ScriptedEngine& engine() { return *t.engine; }
    void trigger(const QString& way) {
        if (way == "maximize")
            modes->maximizeClicked();
        else if (way == "drag strip")
            modes->dragStripDoubleClicked();
        else
            modes->toggleFullScreen();
    }
    // The place of every button that no switch may move or hide.
    QList<QRect> consoleButtons() {
        QList<QRect> places;
        for (const ButtonRow& row : Buttons)
            if (row.kind != ButtonKind::Action)
                places.append(w().button(row.id)->isHidden() ? QRect()
                                                             : w().button(row.id)->geometry());
        return places;
    }

    TestWindow t;
    QRegion outline = cornerCut();
    std::unique_ptr<DisplayModes> modes;
};

} // namespace

class TestDisplayModes : public QObject {
    Q_OBJECT

  private slots:
    // ---- movie ----

    void movieWays_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("leaves");
        QTest::newRow("maximize") << "maximize" << false;
        QTest::newRow("double click on the video or pictures") << "toggle" << true;
        QTest::newRow("drag strip") << "drag strip" << false;
    }

    // The player covers the screen; the window and its buttons stay as they are.
    void movieWays() {
        QFETCH(QString, way);
        QFETCH(bool, leaves);
        Bench b(true);
        const QList<QRect> buttons = b.consoleButtons();
        b.trigger(way);
        QVERIFY(b.modes->IsFullScreen());
        QVERIFY(b.engine().placement.fullScreen);
        QVERIFY(!b.w().isFullScreen());
        QVERIFY(b.w().button(ButtonId::btnInfo)->isVisible());
        QVERIFY(b.w().picTitle()->isVisible());
        b.trigger(way);
        QCOMPARE(b.modes->IsFullScreen(), !leaves);
        QCOMPARE(b.engine().placement.fullScreen, !leaves);
        QCOMPARE(b.engine().placement.area, VideoArea);
        QCOMPARE(b.consoleButtons(), buttons);
        QCOMPARE(b.w().size(), QSize(WindowWidth, WindowHeight));
    }

    // Esc in full screen is the player leaving by itself: the next way in enters again.
    void thePlayerLeavingByItselfIsNoticed() {
        Bench b(true);
        b.modes->maximizeClicked();
        b.engine().pressEscapeInFullScreen();
        QVERIFY(!b.modes->IsFullScreen());
        b.modes->maximizeClicked();
        QVERIFY(b.engine().placement.fullScreen);
        b.engine().pressEscapeInFullScreen();
        b.modes->toggleFullScreen();
        QVERIFY(b.engine().placement.fullScreen);
    }

    // A movie given up is no longer what full screen is for: the pictures take the window.
    void aMovieGivenUpLeavesFullScreenToThePictures() {
        Bench b(true);
        b.modes->maximizeClicked();
        b.t.stage().giveUpMedia();
        QVERIFY(!b.modes->IsFullScreen());
        QVERIFY(!b.engine().placement.fullScreen);
        b.modes->maximizeClicked();
        QTRY_VERIFY(b.w().isFullScreen());
        QVERIFY(!b.engine().placement.fullScreen);
    }

    // ---- pictures ----

    // The same ways in and out as a movie's.
    void pictureWays_data() { movieWays_data(); }

    void pictureWays() {
        QFETCH(QString, way);
        QFETCH(bool, leaves);
        Bench b(false);
        b.trigger(way);
        QVERIFY(b.modes->IsFullScreen());
        QTRY_VERIFY(b.w().isFullScreen());
        b.trigger(way);
        QCOMPARE(b.modes->IsFullScreen(), !leaves);
        QTRY_COMPARE(b.w().isFullScreen(), !leaves);
        QVERIFY(!b.engine().placement.fullScreen);
    }

    // The pictures and the video cover the screen without the side buttons and the title; the
    // console buttons stay.
    void picturesFillTheScreen() {
        Bench b(false);
        const QList<QRect> buttons = b.consoleButtons();
        b.modes->maximizeClicked();
        QTRY_VERIFY(b.w().isFullScreen());
        const QRect screen(QPoint(0, 0), b.w().screen()->geometry().size());
        QTRY_COMPARE(b.w().picShowPictures()->geometry(), screen);
        QCOMPARE(b.engine().placement.area, screen);
        QVERIFY(b.w().mask().isEmpty());
        for (ButtonId id : Offered)
            QVERIFY(b.w().button(id)->isHidden());
        QVERIFY(b.w().picTitle()->isHidden());
        QVERIFY(b.w().isVisible());
        QCOMPARE(b.consoleButtons(), buttons);
    }

    // Back: the normal layout with the skin's own outline (not a plain rectangle), the offered
    // buttons alone, where the window was.
    void leavingRestoresTheNormalLayoutAndTheOutline() {
        Bench b(false);
        b.w().move(40, 30);
        const QPoint before = b.w().pos();
        b.modes->toggleFullScreen();
        QTRY_VERIFY(b.w().isFullScreen());
        b.modes->toggleFullScreen();
        QTRY_VERIFY(!b.w().isFullScreen());
        QCOMPARE(b.w().size(), QSize(WindowWidth, WindowHeight));
        QCOMPARE(b.w().mask(), b.outline);
        QCOMPARE(b.w().picShowPictures()->geometry(), VideoArea);
        QCOMPARE(b.engine().placement.area, VideoArea);
        for (ButtonId id : Offered)
            QVERIFY(b.w().button(id)->isVisible());
        QVERIFY(b.w().button(ButtonId::btnInstallCodec)->isHidden());
        QVERIFY(b.w().button(ButtonId::btnInstallPlayer)->isHidden());
        QVERIFY(b.w().picTitle()->isVisible());
        QCOMPARE(b.w().pos(), before);
    }

    void maximizeInFullScreenChangesNothing() {
        Bench b(false);
        b.modes->maximizeClicked();
        QTRY_VERIFY(b.w().isFullScreen());
        const QRect pictures = b.w().picShowPictures()->geometry();
        b.w().button(ButtonId::btnExit)->show(); // a switch would hide it again
        b.modes->maximizeClicked();
        b.modes->dragStripDoubleClicked();
        QVERIFY(b.w().button(ButtonId::btnExit)->isVisible());
        QCOMPARE(b.w().picShowPictures()->geometry(), pictures);
    }
};

QTEST_MAIN(TestDisplayModes)
#include "tst_displaymodes.moc"
