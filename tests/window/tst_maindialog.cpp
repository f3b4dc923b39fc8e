// The main window's inventory and creation steps, closing, and the drag rules.
#include "doubles/TestDisc.h"
#include "doubles/TestWindow.h"
#include "platform/documents/QtDocumentView.h"
#include "window/MainDialog.h"
#include "window/Stage.h"
#include "window/WindowDrag.h"

#include <QAccessible>
#include <QTextBrowser>
#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

namespace {

struct Element {
    const char* name;
    QRect geometry;
    const char* toolTip;
    bool visible;
};

// The layout as the window is made, before its creation steps run.
const Element kInventory[] = {
    {"btnMenu", {0, 0, 16, 16}, "", true},
    {"recDragWindow", {16, 0, 637, 17}, "", true},
    {"btnMinimize", {653, 0, 16, 16}, "Minimieren", true},
    {"btnMaximize", {668, 0, 16, 16}, "Vollbild", true},
    {"btnClose", {683, 0, 16, 16}, "Schließen", true},
    {"picShowPictures", {13, 24, 517, 378}, "", true},
    {"picTitle", {533, 22, 152, 88}, "", true},
    {"btnInstallCodec",
     {544, 128, 139, 29},
     "Codec installieren (benötigt um Video-Daten anzuzeigen)",
     false},
    {"btnInstallPlayer", {544, 168, 139, 29}, "Video-Player installieren (empfohlen)", false},
    {"btnInfo", {544, 208, 139, 29}, "Weitere Informationen...", false},
    {"btnStartPlayer", {544, 304, 139, 29}, "Film starten", false},
    {"btnExplore", {544, 344, 139, 29}, "Weitere Inhalte auf dieser CD...", false},
    {"btnExit", {544, 384, 139, 29}, "Vistrel schließen", false},
    {"btnBackward", {19, 408, 21, 11}, "Zurück", true},
    {"btnPlay", {41, 408, 21, 11}, "Start", true},
    {"btnPause", {63, 408, 21, 11}, "Pause", true},
    {"btnStop", {85, 408, 21, 11}, "Stop", true},
    {"btnForward", {107, 408, 21, 11}, "Vor", true},
};

} // namespace

class TstMainDialog : public QObject {
    Q_OBJECT
  private slots:
    void inventoryAsDesigned() {
        TestWindow w;
        QCOMPARE(w.window.size(), QSize(699, 432));
        QVERIFY(w.window.windowFlags() & Qt::FramelessWindowHint);
        for (const Element& e : kInventory) {
            auto* widget = w.window.findChild<QWidget*>(e.name);
            QVERIFY2(widget, e.name);
            QCOMPARE(widget->geometry(), e.geometry);
            QCOMPARE(widget->toolTip(), QString(e.toolTip));
            QCOMPARE(widget->isVisibleTo(&w.window), e.visible);
        }
        QVERIFY(!w.document->Visible());
        QVERIFY(!w.window.stage().startCued() && !w.window.stage().slidesRunning());
    }

    void creationSteps() {
        TestWindow w;
        FakeSingleInstance instance;
        QVERIFY(w.window.load(instance));
        QCOMPARE(w.window.windowTitle(), QString("Vistrel"));
        QVERIFY(instance.listening);
        QVERIFY(w.window.button(ButtonId::btnExit)->isVisibleTo(&w.window));
        // The movie, the pictures and the document lie on top of one another; until something
        // plays, the pictures are in front.
        const QRect area(13, 24, 517, 378);
        QCOMPARE(w.engine->placement, (VideoPlacement{area, false}));
        QCOMPARE(w.window.picShowPictures()->geometry(), area);
        QCOMPARE(w.player->widget()->geometry(), area);
        QCOMPARE(w.document->widget()->geometry(), area);
    }

    // A window shown idle makes no text browser (it starts the font system and keeps megabytes),
    // yet a screen reader finds the document's place by its name.
    void theDocumentWaitsForItsFirstPage() {
        MainDialog dialog([](QWidget* p) { return makeScriptedPlayer(p); },
                          [](QWidget* p) { return new QtDocumentView(p); });
        FakeSingleInstance instance;
        QVERIFY(dialog.load(instance));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.findChildren<QTextBrowser*>().isEmpty());
        QStringList names;
        for (QWidget* child : dialog.findChildren<QWidget*>())
            names.append(QAccessible::queryAccessibleInterface(child)->text(QAccessible::Name));
        QVERIFY(names.contains("Information"));
    }

    void secondInstanceHidesItsTitleAndStops() {
        TestWindow w;
        FakeSingleInstance instance;
        instance.otherRunning = true;
        QVERIFY(!w.window.load(instance));
        QCOMPARE(w.window.windowTitle(), QString("HideApp"));
        QVERIFY(!instance.listening);
        QVERIFY(!w.window.button(ButtonId::btnExit)->isVisibleTo(&w.window));
    }

    void closingButtonsStopThePlayerFirst_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("btnExit") << "btnExit";
        QTest::newRow("btnClose") << "btnClose";
    }
    void closingButtonsStopThePlayerFirst() {
        QFETCH(QString, button);
        TestDisc disc;
        disc.addLanguage("english");
        disc.addSkin("default");
        disc.writeFile("movie.avi", "not really a movie");
        disc.writeIni("[Main]\nVersion=1.0\nMovie=movie.avi\n");
        TestApp tc;
        auto core = tc.make();
        QVERIFY(core->Main(disc.path()));
        QTRY_COMPARE(tc.player->PlayState(), MediaPlayState::Playing);
        tc.engine->requests.clear();
        auto* element = tc.window().findChild<ImageArea*>(button);
        QTest::mouseClick(element, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(tc.engine->requests.value(0), QString("Null"));
        QVERIFY(tc.programEnd.ended);
    }

    void rightButtonClickDoesNotClose() {
        TestDisc disc;
        disc.addLanguage("english");
        disc.addSkin("default");
        TestApp tc;
        auto core = tc.make();
        QVERIFY(core->Main(disc.path()));
        QTest::mouseClick(tc.window().button(ButtonId::btnExit), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(!tc.programEnd.ended);
    }

    void dragFollowsTheLeftButtonOnly() {
        QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
        window.move(100, 100);
        WindowDrag drag(&window);
        drag.press(2, {200, 110});
        drag.move({260, 150}, true);
        QCOMPARE(window.pos(), QPoint(100, 100));
        drag.release();

        drag.press(1, {200, 110});
        drag.move({201, 110}, true); // within the double-click slop: no move yet
        QCOMPARE(window.pos(), QPoint(100, 100));
        drag.move({260, 150}, true);
        QCOMPARE(window.pos(), QPoint(160, 140));
        drag.release();
        drag.move({300, 300}, true);
        QCOMPARE(window.pos(), QPoint(160, 140));
    }
};

QTEST_MAIN(TstMainDialog)
#include "tst_maindialog.moc"
