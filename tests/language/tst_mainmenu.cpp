#include "doubles/TestDisc.h"
#include "doubles/TestWindow.h"
#include "language/AboutDialog.h"
#include "language/MainMenu.h"
#include "language/MenuLists.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStyleHints>
#include <QtTest>

#include <functional>

using namespace vistrel;
using namespace vistrel::test;

namespace {

// The menu over a window on show whose lists hold the disc's languages and two skins, the
// languages' English texts on it, "english" and "default" in use.
struct Started {
    explicit Started(const QStringList& languages = {"english", "german"}) {
        for (const QString& language : languages)
            disc.addLanguage(language);
        QDir(disc.path()).mkpath("Skins/default");
        QDir(disc.path()).mkpath("Skins/Nightfall");
        MainDialog& w = window();
        FillLanguageMenu(w.menu(), disc.path());
        FillSkinMenu(w.menu(), disc.path());
        w.showTexts(namedTexts("english"));
        menu = std::make_unique<MainMenu>(w, *w.button(ButtonId::btnMenu), w.menu(), desktop);
        menu->markLanguage("english");
        menu->markSkin("default");
        ends = std::make_unique<QSignalSpy>(menu.get(), &MainMenu::endRequested);
        QObject::connect(w.button(ButtonId::btnClose), &ImageArea::clicked, [this] { ++closes; });
        w.show();
        started = QTest::qWaitForWindowExposed(&w);
    }
    MainDialog& window() { return t.window; }
    QPoint centreOf(const QWidget* element) { return element->geometry().center(); }
    bool ended() const { return !ends->isEmpty(); }

    TestDisc disc;
    TestWindow t;
    RecordingDesktop desktop;
    std::unique_ptr<MainMenu> menu;
    std::unique_ptr<QSignalSpy> ends;
    // Clicks that reached btnClose, which would end the program.
    int closes = 0;
    bool started = false;
};

// The marks of a list's entries, in order.
QList<bool> checked(const QList<QAction*>& entries) {
    QList<bool> marks;
    for (const QAction* entry : entries)
        marks.append(entry->isChecked());
    return marks;
}

void closeAllPopups() {
    for (int i = 0; i < 8 && QApplication::activePopupWidget(); ++i)
        QApplication::activePopupWidget()->close();
}

// Clicks btnMenu as the mouse would and runs whileOpen from inside the menu's modal loop with
// the open pop-up (null when none opened). Returns once the click has returned.
void clickMenuButton(Started& s, const std::function<void(QMenu*)>& whileOpen) {
    QTimer inside;
    inside.setSingleShot(true);
    QObject::connect(&inside, &QTimer::timeout,
                     [&] { whileOpen(qobject_cast<QMenu*>(QApplication::activePopupWidget())); });
    inside.start(0);
    // Never leave a modal loop running when the test's own steps fail to close it.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &closeAllPopups);
    guard.start(5000);
    QTest::mouseClick(s.window().windowHandle(), Qt::LeftButton, {},
                      s.centreOf(s.window().button(ButtonId::btnMenu)));
}

void sendDoubleClick(QWidget* target, QPoint at) {
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, target->mapToGlobal(at),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &doubleClick);
}

void setDoubleClickTime(int milliseconds) {
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(milliseconds);
}

} // namespace

class TestMainMenu : public QObject {
    Q_OBJECT

  private slots:
    void cleanup();
    void clickPopsUpTheMenuAtItsPoint();
    void entriesAnnounceTheChoice_data();
    void entriesAnnounceTheChoice();
    void ends_data();
    void ends();
    void quickClickAfterClosingOpensAgain();
    void pressOnTheButtonWhileOpen_data();
    void pressOnTheButtonWhileOpen();
    void pressElsewhereOnlyClosesTheMenu();
    void releaseWithoutPressOpensNothing();
    void secondDotIsNoPartOfTheName();
    void aboutEntryOpensTheAboutBoxModally();
};

void TestMainMenu::cleanup() {
    closeAllPopups();
    setDoubleClickTime(400);
}

// The user sees the language entry, a rule, the about entry, a rule and exit, at the same point
// of the window wherever the skin draws the button; the click returns once the menu has closed.
void TestMainMenu::clickPopsUpTheMenuAtItsPoint() {
    Started s;
    QVERIFY(s.started);
    s.window().button(ButtonId::btnMenu)->move(40, 30);
    int opened = 0;
    QPoint at;
    QStringList shown;
    clickMenuButton(s, [&](QMenu* popup) {
        if (!popup)
            return;
        ++opened;
        at = popup->pos();
        QCoreApplication::sendPostedEvents(popup);
        QCOMPARE(popup->activeAction(), nullptr); // opened by the mouse: nothing highlighted
        for (QAction* entry : popup->actions()) {
            if (entry->isVisible())
                shown.append(entry->isSeparator() ? "-" : entry->text());
        }
        popup->close();
    });
    QCOMPARE(opened, 1);
    QCOMPARE(at, s.window().mapToGlobal(QPoint(3, 14)));
    QCOMPARE(shown, (QStringList{"english mnuChooseLanguage", "-", "english mnuAbout", "-",
                                 "english mnuExit"}));
    QVERIFY(!s.window().menu().mnuMain->isVisible());
    QVERIFY(!s.ended());
}

// A chosen entry is announced by its name; its check mark follows only once the choice is said
// to be in use (a choice that fails to load leaves the mark where it was).
void TestMainMenu::entriesAnnounceTheChoice_data() {
    QTest::addColumn<bool>("language");
    QTest::newRow("language") << true;
    QTest::newRow("skin") << false;
}

void TestMainMenu::entriesAnnounceTheChoice() {
    QFETCH(bool, language);
    Started s;
    QVERIFY(s.started);
    MenuTree& tree = s.window().menu();
    const QList<QAction*>& entries = language ? tree.mnuLanguage : tree.mnuSkin;
    QSignalSpy chosen(s.menu.get(), language ? &MainMenu::languageChosen : &MainMenu::skinChosen);
    QCOMPARE(entries[1]->text(), QString(language ? "german" : "Nightfall"));
    QCOMPARE(checked(entries), (QList<bool>{true, false}));

    entries[1]->trigger();
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.first().first().toString(), entries[1]->text());
    QCOMPARE(checked(entries), (QList<bool>{true, false}));
    if (language)
        s.menu->markLanguage("german");
    else
        s.menu->markSkin("Nightfall");
    QCOMPARE(checked(entries), (QList<bool>{false, true}));
    // The entry in use, chosen again, is announced again.
    entries[1]->trigger();
    QCOMPARE(chosen.size(), 2);
    QCOMPARE(checked(entries), (QList<bool>{false, true}));
    QVERIFY(!s.ended());
}

// The menu's exit and a double click on btnMenu end the program, once.
void TestMainMenu::ends_data() {
    QTest::addColumn<bool>("byDoubleClick");
    QTest::newRow("exit entry") << false;
    QTest::newRow("double click on btnMenu") << true;
}

void TestMainMenu::ends() {
    QFETCH(bool, byDoubleClick);
    Started s;
    QVERIFY(s.started);
    if (byDoubleClick) {
        // The first click is released off the button, so it opens no menu.
        QTest::mousePress(s.window().button(ButtonId::btnMenu), Qt::LeftButton, {}, QPoint(8, 8));
        QTest::mouseRelease(s.window().button(ButtonId::btnMenu), Qt::LeftButton, {},
                            QPoint(30, 30));
        sendDoubleClick(s.window().button(ButtonId::btnMenu), QPoint(8, 8));
    } else {
        s.window().menu().mnuExit->trigger();
    }
    QCOMPARE(s.ends->size(), 1);
    QVERIFY(!QApplication::activePopupWidget());
}

// The menu was closed by a press on btnMenu; a quick press after it is paired with that one
// by the toolkit, yet it is the first press of a new click: the menu opens again.
void TestMainMenu::quickClickAfterClosingOpensAgain() {
    Started s;
    QVERIFY(s.started);
    int opened = 0;
    connect(s.window().menu().mnuMain, &QMenu::aboutToShow, [&opened] { ++opened; });
    MainDialog& w = s.window();
    clickMenuButton(s, [&](QMenu* popup) {
        if (!popup)
            return;
        setDoubleClickTime(0);
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {},
                          s.centreOf(w.button(ButtonId::btnMenu)));
    });
    QCOMPARE(opened, 1);

    setDoubleClickTime(60000);
    QTimer closer;
    closer.setSingleShot(true);
    connect(&closer, &QTimer::timeout, &closeAllPopups);
    connect(w.menu().mnuMain, &QMenu::aboutToShow, [&closer] { closer.start(0); });
    sendDoubleClick(w.button(ButtonId::btnMenu), QPoint(8, 8));
    QTest::mouseRelease(w.button(ButtonId::btnMenu), Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(opened, 2);
    QVERIFY(!s.ended());
}

// The first click of a double click on btnMenu has opened the menu, so the second press lands
// on the open menu. Each row: how the press comes, its button, the double-click time, and
// whether it ends the program.
void TestMainMenu::pressOnTheButtonWhileOpen_data() {
    QTest::addColumn<bool>("asDoubleClick");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("doubleClickTime");
    QTest::addColumn<bool>("ends");

    QTest::newRow("second press within the time") << false << Qt::LeftButton << 60000 << true;
    QTest::newRow("press after the time closes only") << false << Qt::LeftButton << 0 << false;
    QTest::newRow("the double click itself") << true << Qt::LeftButton << 0 << true;
    QTest::newRow("right button closes only") << false << Qt::RightButton << 60000 << false;
}

void TestMainMenu::pressOnTheButtonWhileOpen() {
    QFETCH(bool, asDoubleClick);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, doubleClickTime);
    QFETCH(bool, ends);
    Started s;
    QVERIFY(s.started);
    int opened = 0;
    connect(s.window().menu().mnuMain, &QMenu::aboutToShow, [&opened] { ++opened; });

    const QPoint onButton = s.centreOf(s.window().button(ButtonId::btnMenu));
    clickMenuButton(s, [&](QMenu* popup) {
        if (!popup)
            return;
        // Set only now, so that the opening click is not taken for a double click itself.
        setDoubleClickTime(doubleClickTime);
        if (asDoubleClick) {
            const QPoint global = s.window().mapToGlobal(onButton);
            QMouseEvent doubleClick(QEvent::MouseButtonDblClick, popup->mapFromGlobal(global),
                                    global, button, button, Qt::NoModifier);
            QApplication::sendEvent(popup, &doubleClick);
        } else {
            QTest::mouseClick(s.window().windowHandle(), button, {}, onButton);
        }
    });
    QCoreApplication::processEvents();

    QCOMPARE(opened, 1);
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(s.ended(), ends);
}

// While the menu is open the window takes no input: a press on btnClose closes the menu and
// does not reach the button (which would stop the player and end the program).
void TestMainMenu::pressElsewhereOnlyClosesTheMenu() {
    Started s;
    QVERIFY(s.started);
    int opened = 0;
    connect(s.window().menu().mnuMain, &QMenu::aboutToShow, [&opened] { ++opened; });

    clickMenuButton(s, [&](QMenu* popup) {
        if (popup)
            QTest::mouseClick(s.window().windowHandle(), Qt::LeftButton, {},
                              s.centreOf(s.window().button(ButtonId::btnClose)));
    });
    QCoreApplication::processEvents();

    QCOMPARE(opened, 1);
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(s.closes, 0);
    // Where the toolkit hands a closing press on to the window beneath (it does on Windows, not
    // on this test platform, which cannot grab the mouse), the menu tells it not to.
    QVERIFY(s.window().menu().mnuMain->testAttribute(Qt::WA_NoMouseReplay));
}

void TestMainMenu::releaseWithoutPressOpensNothing() {
    Started s;
    QVERIFY(s.started);
    int opened = 0;
    connect(s.window().menu().mnuMain, &QMenu::aboutToShow, [&opened] {
        ++opened;
        QTimer::singleShot(0, &closeAllPopups);
    });
    QTest::mouseRelease(s.window().button(ButtonId::btnMenu), Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(opened, 0);
    QTest::mouseClick(s.window().button(ButtonId::btnMenu), Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(opened, 1);
}

// A language file named with a second dot is listed and announced by its part before the first.
void TestMainMenu::secondDotIsNoPartOfTheName() {
    Started s({"english", "de.old"});
    QVERIFY(s.started);
    QSignalSpy chosen(s.menu.get(), &MainMenu::languageChosen);
    QAction* entry = s.window().menu().mnuLanguage[0];
    QCOMPARE(entry->text(), QString("de"));
    entry->trigger();
    QCOMPARE(chosen.first().first().toString(), QString("de"));
}

void TestMainMenu::aboutEntryOpensTheAboutBoxModally() {
    Started s;
    QVERIFY(s.started);
    AboutDialog* shown = nullptr;
    bool modal = false;
    bool closedWhileOpen = true;
    QTimer inAbout;
    inAbout.setSingleShot(true);
    connect(&inAbout, &QTimer::timeout, [&] {
        shown = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
        if (!shown)
            return;
        modal = shown->isModal() && shown->isVisible();
        // The main window takes no input meanwhile: btnClose would end the program.
        QTest::mouseClick(s.window().windowHandle(), Qt::LeftButton, {},
                          s.centreOf(s.window().button(ButtonId::btnClose)));
        closedWhileOpen = s.closes > 0;
        QTest::mouseClick(shown->btnExit, Qt::LeftButton);
    });

    clickMenuButton(s, [&](QMenu* popup) {
        if (!popup)
            return;
        inAbout.start(0);
        QTest::mouseClick(popup, Qt::LeftButton, {},
                          popup->actionGeometry(s.window().menu().mnuAbout).center());
    });
    QVERIFY(shown);
    QVERIFY(modal);
    QVERIFY(!closedWhileOpen);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!s.ended());
}

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
