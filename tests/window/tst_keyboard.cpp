// The window without a mouse: the buttons in reading order, pressed by keys, the menu and Esc
// from the keyboard, and what a screen reader is told about each button.
#include "doubles/TestDisc.h"
#include "language/MainMenu.h"
#include "window/MainDialog.h"
#include "window/Stage.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QMenu>
#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

namespace {

// The movie disc offering the info, explore and start buttons (which ask for ShowInstallPlayer),
// no installer.
struct Started {
    explicit Started(const QByteArray& media = "Movie=film.avi\n") {
        disc.writeIni("[Main]\nVersion=1.0\nDefaultLanguage=english\nSkin=default\n"
                      "ShowInstallPlayer=1\nShowInstallCodec=0\nInfoPath=info.html\n"
                      "ExplorerPath=Extras\n" +
                      media + "[Player]\nRunPath=run.sh\n");
        disc.addLanguage("english");
        disc.addLanguage("german");
        disc.addSkin("default");
        disc.writeFile("film.avi", "movie");
        disc.writeFile("song.mp3", "music");
        disc.writeFile("info.html", "<p>info</p>");
        disc.writeFile("Extras/readme.txt", "x");
        disc.addPicture("a.bmp", {40, 30}, Qt::red);
        disc.addPicture("b.bmp", {40, 30}, Qt::blue);
        core = tc.make();
        started = core->Main(disc.path());
        w().activateWindow();
        started = started && QTest::qWaitForWindowActive(&w());
        QTRY_VERIFY(!w().stage().startCued());
        QTRY_VERIFY(!w().stage().opensMedia() || !tc.player->fileName().isEmpty());
    }
    MainDialog& w() { return tc.window(); }
    QWidget* target() { return w().focusWidget() ? w().focusWidget() : &w(); }
    void press(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(target(), Qt::Key(key), modifiers);
    }
    QString focused() { return w().focusWidget() ? w().focusWidget()->objectName() : QString(); }
    // The colour of a picture of the skin "default", as its file holds it.
    QRgb skinColour(const QString& file) {
        return QImage(disc.filePath("Skins/default/" + file)).pixel(0, 0);
    }
    QRgb shownColour(const ImageArea* element) { return element->picture().toImage().pixel(0, 0); }

    TestDisc disc;
    TestApp tc;
    std::unique_ptr<Application> core;
    bool started = false;
};

const QStringList kReadingOrder = {
    "btnInfo", "btnStartPlayer", "btnExplore", "btnExit",     "btnBackward", "btnPlay", "btnPause",
    "btnStop", "btnForward",     "btnMenu",    "btnMinimize", "btnMaximize", "btnClose"};

// Runs whileOpen inside the modal loop of the pop-up that opens next.
void whilePopupOpen(const std::function<void(QMenu*)>& whileOpen) {
    QTimer::singleShot(0, [whileOpen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        whileOpen(menu);
        if (menu)
            menu->close();
    });
}

QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

} // namespace

class TstKeyboard : public QObject {
    Q_OBJECT
  private slots:
    void tabAndArrowsGoRoundTheOfferedButtonsInReadingOrder() {
        Started s;
        QVERIFY(s.started);
        QCOMPARE(s.focused(), QString());
        s.press(Qt::Key_Tab);
        QCOMPARE(s.focused(), QString("btnPlay"));
        // Forward from the play button round to it again, by Tab and by the arrows.
        const qsizetype play = kReadingOrder.indexOf("btnPlay");
        for (int key : {int(Qt::Key_Tab), int(Qt::Key_Right), int(Qt::Key_Down)})
            for (qsizetype i = 1; i <= kReadingOrder.size(); ++i) {
                s.press(key);
                QCOMPARE(s.focused(), kReadingOrder[(play + i) % kReadingOrder.size()]);
            }
        for (int step = 1; step <= 3; ++step) {
            s.press(step == 1   ? Qt::Key_Tab
                    : step == 2 ? Qt::Key_Left
                                : Qt::Key_Up,
                    step == 1 ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(s.focused(), kReadingOrder[play - step]);
        }
        // A disabled button is passed over.
        s.w().button(ButtonId::btnPause)->setEnabled(false);
        s.w().button(ButtonId::btnPlay)->setFocus();
        s.press(Qt::Key_Tab);
        QCOMPARE(s.focused(), QString("btnStop"));
    }

    void enterAndSpacePressTheFocusedButton() {
        Started s;
        ImageArea* info = s.w().button(ButtonId::btnInfo);
        info->setFocus();
        QTest::keyPress(info, Qt::Key_Space);
        QCOMPARE(s.shownColour(info), s.skinColour("info2.bmp"));
        QVERIFY(!s.tc.document->Visible());
        QTest::keyRelease(info, Qt::Key_Space);
        QVERIFY(s.tc.document->Visible());
        QCOMPARE(s.shownColour(info), s.skinColour("info1.bmp"));
        // Esc closes the document; a second Esc changes nothing.
        s.press(Qt::Key_Escape);
        QVERIFY(!s.tc.document->Visible());
        s.press(Qt::Key_Escape);
        QVERIFY(!s.tc.document->Visible());
        s.w().button(ButtonId::btnExit)->setFocus();
        s.press(Qt::Key_Return);
        QVERIFY(s.tc.programEnd.ended);
    }

    void spaceWithoutFocusHoldsAndResumes() {
        Started s;
        QCOMPARE(s.tc.player->PlayState(), MediaPlayState::Playing);
        s.tc.engine->requests.clear();
        s.press(Qt::Key_Space);
        QCOMPARE(s.tc.player->PlayState(), MediaPlayState::Paused);
        s.press(Qt::Key_Space);
        QCOMPARE(s.tc.player->PlayState(), MediaPlayState::Playing);
        QCOMPARE(s.tc.engine->requests, (QStringList{"Paused", "Playing"}));

        Started slides("Music=song.mp3\nSlideShow=1\n[SlideShow]\nInterval=5\n1=a.bmp\n2=b.bmp\n");
        QVERIFY(slides.w().stage().slidesRunning());
        slides.press(Qt::Key_Space);
        QVERIFY(!slides.w().stage().slidesRunning());
        slides.press(Qt::Key_Space);
        QVERIFY(slides.w().stage().slidesRunning());
    }

    // One step back at a time: out of full screen first, then the document closed.
    void escapeStepsBack() {
        Started s;
        s.w().button(ButtonId::btnInfo)->press();
        QCOMPARE(s.w().stage().view(), Stage::View::Document);
        s.w().button(ButtonId::btnMaximize)->press();
        QVERIFY(s.tc.engine->placement.fullScreen);
        s.press(Qt::Key_Escape);
        QVERIFY(!s.tc.engine->placement.fullScreen);
        QCOMPARE(s.w().stage().view(), Stage::View::Document);
        s.press(Qt::Key_Escape);
        QCOMPARE(s.w().stage().view(), Stage::View::Pictures); // the stopped movie's logo
    }

    // Shift+F10 and the Menu key open the menu at btnMenu, a right click at the pointer.
    void menuFromTheKeyboardAndByRightClick() {
        Started s;
        const QPoint atButton = s.w().mapToGlobal(MainMenu::PopupPoint);
        for (int way = 0; way < 3; ++way) {
            QPoint openedAt;
            whilePopupOpen([&openedAt](QMenu* menu) {
                if (menu)
                    openedAt = menu->pos();
            });
            const QPoint inVideo(200, 200);
            if (way == 0)
                s.press(Qt::Key_F10, Qt::ShiftModifier);
            else if (way == 1)
                s.press(Qt::Key_Menu);
            else
                QTest::mouseClick(s.w().picShowPictures(), Qt::RightButton, {},
                                  s.w().picShowPictures()->mapFrom(&s.w(), inVideo));
            QCOMPARE(openedAt, way == 2 ? s.w().mapToGlobal(inVideo) : atButton);
        }
        QVERIFY(!s.tc.programEnd.ended);
    }

    void buttonsAreNamedPushButtonsThatFollowTheLanguage() {
        Started s;
        for (const ButtonRow& row : Buttons) {
            QAccessibleInterface* button = accessible(s.w().button(row.id));
            QVERIFY2(button, row.name);
            QCOMPARE(button->role(), QAccessible::Button);
            QVERIFY2(!button->text(QAccessible::Name).isEmpty(), row.name);
        }
        QAccessibleInterface* play = accessible(s.w().button(ButtonId::btnPlay));
        QCOMPARE(play->text(QAccessible::Name), QString("english tipPlay"));
        s.w().menu().mnuLanguage[1]->trigger();
        QCOMPARE(play->text(QAccessible::Name), QString("german tipPlay"));
        QCOMPARE(accessible(&s.w())->role(), QAccessible::Window);
        QCOMPARE(accessible(&s.w())->text(QAccessible::Name), s.w().windowTitle());
        QCOMPARE(accessible(s.w().picShowPictures())->text(QAccessible::Name), QString("Picture"));

        // Disabled: announced as unavailable and not pressed by a screen reader.
        QAccessibleInterface* info = accessible(s.w().button(ButtonId::btnInfo));
        QVERIFY(!info->state().disabled);
        info->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(s.tc.document->Visible());
        s.w().button(ButtonId::btnInfo)->setEnabled(false);
        QVERIFY(info->state().disabled);
        info->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(s.tc.document->Visible());
    }
};

QTEST_MAIN(TstKeyboard)
#include "tst_keyboard.moc"
