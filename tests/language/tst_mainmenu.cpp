#include "doubles/TestDisc.h"
#include "language/AboutDialog.h"
#include "language/MainMenu.h"
#include "window/MainDialog.h"

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

const QString kLanguageValue = "SOFTWARE\\Nordquill\\Vistrel\\Language=";

// A disc with two languages and two skins, started over the test doubles.
struct Started {
    explicit Started(const QStringList& languages = {"english", "german"}) {
        disc.writeIni("[Main]\nVersion=1.0\nSkin=default\nDefaultLanguage=english\n");
        for (const QString& language : languages)
            disc.addLanguage(language);
        disc.addSkin("default");
        disc.addSkin("Nightfall");
        core = tc.make();
        started = core->Main(disc.path()) && QTest::qWaitForWindowExposed(&window());
    }
    MainDialog& window() { return core->dialog(); }
    QPoint centreOf(const QWidget* element) { return element->geometry().center(); }

    TestDisc disc;
    TestApp tc;
    std::unique_ptr<Application> core;
    bool started = false;
};

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
    void languageEntryAppliesAndRemembers();
    void skinEntryLoadsThatSkin();
    void endsWithoutStoppingThePlayer_data();
    void endsWithoutStoppingThePlayer();
    void quickClickAfterClosingOpensAgain();
    void pressOnTheButtonWhileOpen_data();
    void pressOnTheButtonWhileOpen();
    void pressElsewhereOnlyClosesTheMenu();
    void releaseWithoutPressOpensNothing();
    void vanishedLanguageFileIsReported();
    void vanishedSkinFolderIsReported();
    void secondDotNamesAMissingFile();
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
    QVERIFY(!s.tc.programEnd.ended);
}

void TestMainMenu::languageEntryAppliesAndRemembers() {
    Started s;
    QVERIFY(s.started);
    QCOMPARE(s.window().button(ButtonId::btnPlay)->toolTip(), QString("english tipPlay"));
    // The language in use is the checked entry.
    auto checked = [&s](const QList<QAction*>& entries) {
        QList<bool> marks;
        for (const QAction* entry : entries)
            marks.append(entry->isChecked());
        return marks;
    };
    QCOMPARE(checked(s.window().menu().mnuLanguage), (QList<bool>{true, false}));

    s.window().menu().mnuLanguage[1]->trigger();
    QCOMPARE(s.window().button(ButtonId::btnPlay)->toolTip(), QString("german tipPlay"));
    QCOMPARE(checked(s.window().menu().mnuLanguage), (QList<bool>{false, true}));
    QCOMPARE(s.window().menu().mnuAbout->text(), QString("german mnuAbout"));
    QCOMPARE(s.tc.registry.writes.last(), kLanguageValue + "german");

    // Choosing the active language loads it again and remembers it again.
    const qsizetype writes = s.tc.registry.writes.size();
    s.window().button(ButtonId::btnPlay)->setToolTip("changed meanwhile");
    s.window().menu().mnuLanguage[1]->trigger();
    QCOMPARE(s.window().button(ButtonId::btnPlay)->toolTip(), QString("german tipPlay"));
    QCOMPARE(s.tc.registry.writes.size(), writes + 1);
    QCOMPARE(s.tc.registry.writes.last(), kLanguageValue + "german");
    QVERIFY(s.tc.messages.shown.isEmpty());
    QVERIFY(!s.tc.programEnd.ended);
}

void TestMainMenu::skinEntryLoadsThatSkin() {
    Started s;
    QVERIFY(s.started);
    QCOMPARE(s.core->skins().skin().SkinName, QString("default"));
    QCOMPARE(s.window().menu().mnuSkin[0]->text(), QString("default"));
    QCOMPARE(s.window().menu().mnuSkin[1]->text(), QString("Nightfall"));

    QVERIFY(s.window().menu().mnuSkin[0]->isChecked() &&
            !s.window().menu().mnuSkin[1]->isChecked());
    s.window().menu().mnuSkin[1]->trigger();
    QCOMPARE(s.core->skins().skin().SkinName, QString("Nightfall"));
    QVERIFY(!s.window().menu().mnuSkin[0]->isChecked() &&
            s.window().menu().mnuSkin[1]->isChecked());
    s.window().menu().mnuSkin[0]->trigger();
    QCOMPARE(s.core->skins().skin().SkinName, QString("default"));
    QVERIFY(s.tc.messages.shown.isEmpty());
}

// The menu's exit and a double click on btnMenu end the program, leaving the player alone.
void TestMainMenu::endsWithoutStoppingThePlayer_data() {
    QTest::addColumn<bool>("byDoubleClick");
    QTest::newRow("exit entry") << false;
    QTest::newRow("double click on btnMenu") << true;
}

void TestMainMenu::endsWithoutStoppingThePlayer() {
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
    QCOMPARE(s.tc.programEnd.count, 1);
    QVERIFY(!s.tc.player->calls.contains("Stop"));
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
    QVERIFY(!s.tc.programEnd.ended);
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
    QCOMPARE(s.tc.programEnd.ended, ends);
    QVERIFY(!s.tc.player->calls.contains("Stop"));
}

// While the menu is open the window takes no input: a press on btnClose closes the menu and
// does not reach the button (which would stop the player and end the program).
void TestMainMenu::pressElsewhereOnlyClosesTheMenu() {
    Started s;
    QVERIFY(s.started);
    int opened = 0;
    connect(s.window().menu().mnuMain, &QMenu::aboutToShow, [&opened] { ++opened; });
    const qsizetype calls = s.tc.player->calls.size();

    clickMenuButton(s, [&](QMenu* popup) {
        if (popup)
            QTest::mouseClick(s.window().windowHandle(), Qt::LeftButton, {},
                              s.centreOf(s.window().button(ButtonId::btnClose)));
    });
    QCoreApplication::processEvents();

    QCOMPARE(opened, 1);
    QVERIFY(!QApplication::activePopupWidget());
    QVERIFY(!s.tc.programEnd.ended);
    QCOMPARE(s.tc.player->calls.size(), calls);
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

void TestMainMenu::vanishedLanguageFileIsReported() {
    Started s;
    QVERIFY(s.started);
    QVERIFY(QFile::remove(s.disc.filePath("Language/german.lng")));
    const qsizetype writes = s.tc.registry.writes.size();

    s.window().menu().mnuLanguage[1]->trigger();
    QCOMPARE(s.tc.messages.shown.size(), 1);
    QCOMPARE(s.tc.messages.shown[0].title, QString("Error"));
    QVERIFY(s.tc.messages.shown[0].text.startsWith("File "));
    QVERIFY(s.tc.messages.shown[0].text.contains("german.lng"));
    QCOMPARE(s.window().button(ButtonId::btnPlay)->toolTip(), QString("english tipPlay"));
    QCOMPARE(s.tc.registry.writes.size(), writes);
    QCOMPARE(s.window().menu().mnuLanguage.size(), 2);
    QVERIFY(s.window().menu().mnuLanguage[0]->isChecked() &&
            !s.window().menu().mnuLanguage[1]->isChecked());
    QVERIFY(!s.tc.programEnd.ended);
}

void TestMainMenu::vanishedSkinFolderIsReported() {
    Started s;
    QVERIFY(s.started);
    QVERIFY(QDir(s.disc.filePath("Skins/Nightfall")).removeRecursively());

    s.window().menu().mnuSkin[1]->trigger();
    QCOMPARE(s.tc.messages.texts(), QStringList{"english errSkinNotFound Nightfall"});
    QCOMPARE(s.window().menu().mnuSkin.size(), 2);
    QVERIFY(!s.tc.programEnd.ended);
}

void TestMainMenu::secondDotNamesAMissingFile() {
    Started s({"english", "de.old"});
    QVERIFY(s.started);
    QCOMPARE(s.window().menu().mnuLanguage[0]->text(), QString("de"));

    s.window().menu().mnuLanguage[0]->trigger();
    QCOMPARE(s.tc.messages.shown.size(), 1);
    QVERIFY(s.tc.messages.shown[0].text.contains(QDir::separator() + QString("de.lng")));
    QCOMPARE(s.window().button(ButtonId::btnPlay)->toolTip(), QString("english tipPlay"));
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
        closedWhileOpen = s.tc.programEnd.ended;
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
    QVERIFY(!s.tc.programEnd.ended);
}

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
