#include "doubles/Doubles.h"
#include "doubles/ScriptedEngine.h"
#include "language/MenuLists.h"
#include "window/MainDialog.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace vistrel;

namespace {

// Entries are written as "name" for a file and "name/" for a folder.
void makeEntries(const QString& folder, const QStringList& entries) {
    QDir().mkpath(folder);
    for (const QString& entry : entries) {
        if (entry.endsWith('/')) {
            QDir().mkpath(folder + "/" + entry);
            continue;
        }
        QFile file(folder + "/" + entry);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Menu]\n");
    }
}

std::unique_ptr<MainDialog> makeDialog() {
    return std::make_unique<MainDialog>(
        [](QWidget* parent) { return test::makeScriptedPlayer(parent); },
        [](QWidget* parent) { return new test::FakeDocumentView(parent); });
}

QStringList entryTexts(const QList<QAction*>& entries) {
    QStringList texts;
    for (const QAction* entry : entries)
        texts.append(entry->text());
    return texts;
}

QStringList entryNames(const QList<QAction*>& entries) {
    QStringList names;
    for (const QAction* entry : entries)
        names.append(menuEntryName(*entry));
    return names;
}

} // namespace

class TestMenuLists : public QObject {
    Q_OBJECT

  private slots:
    void languageList_data();
    void languageList();
    void skinList_data();
    void skinList();
    void fillPutsTheNamesIntoTheMenu();
    void oneLanguageUsesElementZeroOnly();
    void emptyOrMissingFolderLeavesTheMenuAlone();
    void thousandsOfSkinFolders();
    void specialFilesAndBrokenLinksAreNoLanguages();
    void namesInAForeignEncodingAreLeftOut();
};

// Each row: the entries of the language folder and the captions the list shows, in order.
void TestMenuLists::languageList_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("captions");

    QTest::newRow("sorted without regard to case")
        << QStringList{"german.lng", "English.lng", "french.lng"}
        << QStringList{"English", "french", "german"};
    QTest::newRow("same name in two cases keeps a fixed order")
        << QStringList{"abc.lng", "ABC.lng", "Abc.lng"} << QStringList{"ABC", "Abc", "abc"};
    QTest::newRow("extension without regard to case")
        << QStringList{"upper.LNG", "mixed.Lng", "plain.lng"}
        << QStringList{"mixed", "plain", "upper"};
    QTest::newRow("other files and folders are left out")
        << QStringList{"english.lng", "readme.txt",      "x.lng/",
                       "lng",         "english.lng.bak", "notes.lngx"}
        << QStringList{"english"};
    QTest::newRow("dot names are hidden")
        << QStringList{".lng", ".hidden.lng", "english.lng"} << QStringList{"english"};
    QTest::newRow("caption stops at the first dot")
        << QStringList{"a.b.lng", "c.lng"} << QStringList{"a", "c"};
    QTest::newRow("second dot gives duplicate captions")
        << QStringList{"de.lng", "de.old.lng"} << QStringList{"de", "de"};
    QTest::newRow("blanks and umlauts kept") << QStringList{"Deutsch (Schweiz).lng", "Français.lng"}
                                             << QStringList{"Deutsch (Schweiz)", "Français"};
    QTest::newRow("only a folder named like a language") << QStringList{"x.lng/"} << QStringList{};
}

void TestMenuLists::languageList() {
    QFETCH(QStringList, entries);
    QFETCH(QStringList, captions);
    QTemporaryDir disc;
    makeEntries(disc.filePath("language"), entries);

    QStringList shown;
    for (const QString& file : listLanguageFiles(disc.filePath("language")))
        shown.append(languageCaption(file));
    QCOMPARE(shown, captions);
}

// Each row: the entries of the skins folder and the skin names listed, in order.
void TestMenuLists::skinList_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("skins");

    QTest::newRow("folders only, files left out")
        << QStringList{"default/", "readme.txt", "Nightfall/", "back.bmp"}
        << QStringList{"default", "Nightfall"};
    QTest::newRow("first entry a file") << QStringList{"aaa.txt", "blue/"} << QStringList{"blue"};
    QTest::newRow("dot folders hidden") << QStringList{".git/", "green/"} << QStringList{"green"};
    QTest::newRow("dots in a folder name are kept")
        << QStringList{"v1.2/", "a.b.c/"} << QStringList{"a.b.c", "v1.2"};
    QTest::newRow("files only") << QStringList{"a.bmp", "b.bmp"} << QStringList{};
}

void TestMenuLists::skinList() {
    QFETCH(QStringList, entries);
    QFETCH(QStringList, skins);
    QTemporaryDir disc;
    makeEntries(disc.filePath("skins"), entries);
    QCOMPARE(listSkinFolders(disc.filePath("skins")), skins);
}

// The folders are found without regard to case; each entry shows its name as it stands (a "&"
// is no keyboard mnemonic) and stands for exactly that name.
void TestMenuLists::fillPutsTheNamesIntoTheMenu() {
    QTemporaryDir disc;
    makeEntries(disc.filePath("Language"), {"german.lng", "Rock&Roll.lng", "english.lng"});
    makeEntries(disc.filePath("SKINS"), {"default/", "Black & White/"});
    auto dialog = makeDialog();

    QVERIFY(FillLanguageMenu(dialog->menu(), disc.path()));
    QVERIFY(FillSkinMenu(dialog->menu(), disc.path()));
    QCOMPARE(entryNames(dialog->menu().mnuLanguage),
             (QStringList{"english", "german", "Rock&Roll"}));
    QCOMPARE(entryTexts(dialog->menu().mnuLanguage),
             (QStringList{"english", "german", "Rock&&Roll"}));
    QCOMPARE(entryNames(dialog->menu().mnuSkin), (QStringList{"Black & White", "default"}));
    QCOMPARE(entryTexts(dialog->menu().mnuSkin), (QStringList{"Black && White", "default"}));
    QCOMPARE(dialog->menu().mnuChooseLanguage->actions(), dialog->menu().mnuLanguage);
    QCOMPARE(dialog->menu().mnuChooseSkin->actions(), dialog->menu().mnuSkin);
    for (const QAction* entry : dialog->menu().mnuLanguage + dialog->menu().mnuSkin)
        QVERIFY(entry->isVisible());
    QVERIFY(!dialog->menu().mnuChooseSkin->menuAction()->isVisible());
}

void TestMenuLists::oneLanguageUsesElementZeroOnly() {
    QTemporaryDir disc;
    makeEntries(disc.filePath("language"), {"english.lng"});
    auto dialog = makeDialog();
    QAction* elementZero = dialog->menu().mnuLanguage[0];

    QVERIFY(FillLanguageMenu(dialog->menu(), disc.path()));
    QCOMPARE(dialog->menu().mnuLanguage.size(), 1);
    QCOMPARE(dialog->menu().mnuLanguage[0], elementZero);
    QCOMPARE(elementZero->text(), QString("english"));
    QCOMPARE(dialog->menu().mnuChooseLanguage->actions().size(), 1);
}

void TestMenuLists::emptyOrMissingFolderLeavesTheMenuAlone() {
    QTemporaryDir disc;
    makeEntries(disc.filePath("language"), {"readme.txt", "sub.lng/"});
    makeEntries(disc.filePath("skins"), {"readme.txt"});
    auto dialog = makeDialog();

    QVERIFY(!FillLanguageMenu(dialog->menu(), disc.path()));
    QVERIFY(!FillSkinMenu(dialog->menu(), disc.path()));
    QTemporaryDir empty;
    QVERIFY(!FillLanguageMenu(dialog->menu(), empty.path()));
    QVERIFY(!FillSkinMenu(dialog->menu(), empty.path()));
    QCOMPARE(entryTexts(dialog->menu().mnuLanguage), QStringList{"<empty>"});
    QCOMPARE(entryTexts(dialog->menu().mnuSkin), QStringList{"<empty>"});
}

void TestMenuLists::thousandsOfSkinFolders() {
    QTemporaryDir disc;
    QStringList folders;
    QStringList expected;
    for (int i = 0; i < 3000; ++i) {
        const QString name = QString("skin%1").arg(2999 - i, 4, 10, QChar('0'));
        folders.append(name + "/");
        expected.prepend(name);
    }
    makeEntries(disc.filePath("skins"), folders);
    auto dialog = makeDialog();

    QVERIFY(FillSkinMenu(dialog->menu(), disc.path()));
    QCOMPARE(dialog->menu().mnuSkin.size(), 3000);
    QCOMPARE(entryNames(dialog->menu().mnuSkin), expected);
    QCOMPARE(dialog->menu().mnuChooseSkin->actions().size(), 3000);
    QVERIFY(!dialog->menu().mnuChooseSkin->menuAction()->isVisible());
}

void TestMenuLists::specialFilesAndBrokenLinksAreNoLanguages() {
#ifndef Q_OS_UNIX
    QSKIP("pipes and symbolic links as a Unix file system has them");
#else
    QTemporaryDir disc;
    const QString folder = disc.filePath("language");
    makeEntries(folder, {"english.lng"});
    QVERIFY(::mkfifo(QFile::encodeName(folder + "/pipe.lng").constData(), 0644) == 0);
    QVERIFY(QFile::link(folder + "/gone.txt", folder + "/gone.lng"));
    QVERIFY(QFile::link(folder + "/english.lng", folder + "/linked.lng"));
    makeEntries(disc.filePath("skins"), {"real/"});
    QVERIFY(QFile::link(disc.filePath("skins/real"), disc.filePath("skins/linked")));
    QVERIFY(QFile::link(disc.filePath("skins/nowhere"), disc.filePath("skins/broken")));

    QCOMPARE(listLanguageFiles(folder), (QStringList{"english.lng", "linked.lng"}));
    QCOMPARE(listSkinFolders(disc.filePath("skins")), (QStringList{"linked", "real"}));
#endif
}

// A name that is not valid in the file system's encoding cannot be opened through the toolkit,
// so it is not offered; the other entries are listed as usual.
void TestMenuLists::namesInAForeignEncodingAreLeftOut() {
#ifndef Q_OS_UNIX
    QSKIP("names of raw bytes exist on Unix file systems only");
#else
    QTemporaryDir disc;
    const QByteArray language = QFile::encodeName(disc.filePath("language"));
    const QByteArray skins = QFile::encodeName(disc.filePath("skins"));
    makeEntries(disc.filePath("language"), {"english.lng"});
    makeEntries(disc.filePath("skins"), {"default/"});
    // "Français" and "Grün" in Windows-1252: not valid UTF-8.
    const QByteArray rawFile = language + "/Fran" + '\xe7' + "ais.lng";
    const QByteArray rawFolder = skins + "/Gr" + '\xfc' + "n";
    const int fd = ::open(rawFile.constData(), O_CREAT | O_WRONLY, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);
    QVERIFY(::mkdir(rawFolder.constData(), 0755) == 0);
    auto dialog = makeDialog();

    const bool languages = FillLanguageMenu(dialog->menu(), disc.path());
    const bool skinList = FillSkinMenu(dialog->menu(), disc.path());
    // The temporary folder cannot remove what it cannot name.
    ::unlink(rawFile.constData());
    ::rmdir(rawFolder.constData());
    QVERIFY(languages);
    QVERIFY(skinList);
    QCOMPARE(entryNames(dialog->menu().mnuLanguage), QStringList{"english"});
    QCOMPARE(entryNames(dialog->menu().mnuSkin), QStringList{"default"});
#endif
}

QTEST_MAIN(TestMenuLists)
#include "tst_menulists.moc"
