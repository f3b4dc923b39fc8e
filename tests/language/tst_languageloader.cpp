#include "doubles/Doubles.h"
#include "doubles/TestDisc.h"
#include "language/LanguageLoader.h"
#include "window/LanguageKeys.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

namespace {

const QString kLanguageValue = "SOFTWARE\\Nordquill\\Vistrel\\Language=";

QString playTip(const LanguageTexts& texts) {
    return texts.toolTip(buttonRow(ButtonId::btnPlay));
}

} // namespace

// The language loader on its own: a folder of language files, a registry and message boxes.
class TestLanguageLoader : public QObject {
    Q_OBJECT

    QTemporaryDir disc;
    FakeRegistry registry;
    RecordingMessageBoxes messages;
    Messages said{messages, "Vistrel"};

    void writeLanguage(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(disc.filePath("Language"));
        QFile file(disc.filePath("Language/" + name + ".lng"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    void writeNamed(const QString& name) {
        writeLanguage(name, "[Tooltip]\ntipPlay=" + name.toUtf8() + " tipPlay\n");
    }
    void remember(const QString& name) {
        registry.set(RegistryRoot::CurrentUser, LanguageLoader::RegistryKey, "Language",
                     RegistryValue::fromText(name));
    }

  private slots:
    void init() {
        registry = FakeRegistry();
        messages.shown.clear();
        QDir(disc.filePath("Language")).removeRecursively();
        writeNamed("english");
        writeNamed("german");
    }

    // Each key of a full file reaches a text of its own.
    void everyKeyReachesItsText() {
        TestDisc full;
        full.addLanguage("full");
        LanguageLoader loader(full.filePath("Language"), registry, messages, said);
        QVERIFY(loader.LoadLanguage("full"));
        for (const LanguageKey& entry : LanguageKeys)
            QVERIFY(said.texts()[*TextKey::find(entry.key)].startsWith(
                "full " + QLatin1String(entry.key.data(), qsizetype(entry.key.size()))));
    }

    // A key the file lacks shows the built-in English text; a key set empty stays empty.
    void missingKeysShowTheEnglishText() {
        writeLanguage("sparse", "[ErrorMsg]\nerrFileNotFound=Datei %s fehlt\nerrSlideshow=\n");
        LanguageLoader loader(disc.filePath("Language"), registry, messages, said);
        QVERIFY(loader.LoadLanguage("sparse"));
        const LanguageTexts& texts = loader.texts();
        QCOMPARE(texts["errFileNotFound"], QString("Datei %s fehlt"));
        QCOMPARE(texts["errSlideshow"], QString());
        QCOMPARE(texts["errPathNotFound"], QString("The folder %s was not found."));
        QCOMPARE(texts["mnuAbout"], QString("About..."));
        QCOMPARE(playTip(texts), QString("Play"));
        QVERIFY(messages.shown.isEmpty());
    }

    // UTF-16 without its byte-order mark cannot be read as a profile: the texts still show.
    void anUnreadableFileStillShowsTexts() {
        const QString text = "[Menu]\r\nmnuExit=Beenden\r\n";
        QByteArray utf16;
        for (const QChar c : text) {
            utf16.append(char(c.unicode() & 0xff));
            utf16.append(char(c.unicode() >> 8));
        }
        writeLanguage("wide", utf16);
        LanguageLoader loader(disc.filePath("Language"), registry, messages, said);
        QVERIFY(loader.LoadLanguage("wide"));
        QCOMPARE(loader.texts()["mnuExit"], QString("Close"));
    }

    // The language remembered when this disc has it, else the disc's default; a choice made on
    // another disc is kept for the discs that have it.
    void startLanguage_data() {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("none yet") << ""
                                  << "english" << QStringList{kLanguageValue + "english"};
        QTest::newRow("on this disc") << "german"
                                      << "german" << QStringList{kLanguageValue + "german"};
        QTest::newRow("chosen elsewhere") << "klingon"
                                          << "english" << QStringList{};
    }

    void startLanguage() {
        QFETCH(QString, remembered);
        QFETCH(QString, loaded);
        QFETCH(QStringList, writes);
        if (!remembered.isEmpty())
            remember(remembered);
        LanguageLoader loader(disc.filePath("Language"), registry, messages, said);
        QSignalSpy texts(&loader, &LanguageLoader::textsChanged);
        QVERIFY(loader.loadStartLanguage("english"));
        QCOMPARE(loader.current(), loaded);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(playTip(texts.first().first().value<LanguageTexts>()), loaded + " tipPlay");
        QCOMPARE(registry.writes, writes);
        QVERIFY(messages.shown.isEmpty());
    }

    // A remembered language whose file has gone gives way to the default; a default that is
    // missing too is said, with its full path, and the start goes no further.
    void startWithoutTheDefaultIsSaid() {
        remember("german");
        QVERIFY(QFile::remove(disc.filePath("Language/german.lng")));
        LanguageLoader loader(disc.filePath("Language"), registry, messages, said);
        QVERIFY(!loader.loadStartLanguage("dutch"));
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].title, QString("Error"));
        QCOMPARE(messages.shown[0].text, "File " + disc.filePath("Language/dutch.lng") +
                                             " not found. Cannot load language definitions.");
        QVERIFY(registry.writes.isEmpty());
    }

    // A choice announces its name and texts, is remembered, the same one again as well, and is
    // the language every message is said in from then on.
    void aChoiceIsAnnouncedAndRemembered() {
        LanguageLoader loader(disc.filePath("Language"), registry, messages, said);
        QVERIFY(loader.loadStartLanguage("english"));
        QSignalSpy loaded(&loader, &LanguageLoader::loaded);
        QSignalSpy texts(&loader, &LanguageLoader::textsChanged);
        QVERIFY(loader.LoadLanguage("german"));
        QVERIFY(loader.LoadLanguage("german"));
        QCOMPARE(loaded.size(), 2);
        QCOMPARE(loaded.first().first().toString(), QString("german"));
        QCOMPARE(playTip(texts.last().first().value<LanguageTexts>()), QString("german tipPlay"));
        QCOMPARE(registry.writes.mid(1), QStringList(2, kLanguageValue + "german"));
        writeLanguage("german", "[ErrorMsg]\nerrCannotPlay=%s geht nicht\n");
        QVERIFY(loader.LoadLanguage("german"));
        said.showError("errCannotPlay", "film.avi");
        QCOMPARE(messages.shown.last().title, QString("Vistrel"));
        QCOMPARE(messages.shown.last().text, QString("film.avi geht nicht"));
    }

    // A choice whose file is missing (gone since the menu was filled, or named by a caption cut
    // at its second dot) is said and changes nothing.
    void aMissingChoiceChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("file gone") << "german";
        QTest::newRow("cut at the second dot") << "de";
    }

    void aMissingChoiceChangesNothing() {
        QFETCH(QString, name);
        writeNamed("de.old");
        LanguageLoader loader(disc.filePath("Language"), registry, messages, said);
        QVERIFY(loader.loadStartLanguage("english"));
        QFile::remove(disc.filePath("Language/german.lng"));
        QSignalSpy loaded(&loader, &LanguageLoader::loaded);
        QVERIFY(!loader.LoadLanguage(name));
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown[0].text.contains(QDir::separator() + name + ".lng not found"));
        QVERIFY(loaded.isEmpty());
        QCOMPARE(loader.current(), QString("english"));
        QCOMPARE(playTip(loader.texts()), QString("english tipPlay"));
        QCOMPARE(registry.writes.size(), 1);
    }
};

QTEST_MAIN(TestLanguageLoader)
#include "tst_languageloader.moc"
