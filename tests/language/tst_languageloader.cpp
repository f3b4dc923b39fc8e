#include "doubles/Doubles.h"
#include "language/LanguageLoader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

// The language loader on its own: a folder of language files, a registry and message boxes.
class TestLanguageLoader : public QObject {
    Q_OBJECT

    QTemporaryDir disc;
    FakeRegistry registry;
    RecordingMessageBoxes messages;

    void writeLanguage(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(disc.filePath("Language"));
        QFile file(disc.filePath("Language/" + name + ".lng"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

  private slots:
    // A key the file lacks shows the built-in English text; a key set empty stays empty.
    void missingKeysShowTheEnglishText() {
        writeLanguage("sparse", "[ErrorMsg]\nerrFileNotFound=Datei %s fehlt\nerrSlideshow=\n");
        LanguageLoader loader(disc.filePath("Language"), registry, messages);
        QVERIFY(loader.LoadLanguage("sparse"));
        const LanguageTexts& texts = loader.texts();
        QCOMPARE(texts.MsgFileNotFound, QString("Datei %s fehlt"));
        QCOMPARE(texts.MsgSlideshow, QString());
        QCOMPARE(texts.MsgPathNotFound, QString("The folder %s was not found."));
        QCOMPARE(texts.CaptionAbout, QString("About..."));
        QCOMPARE(texts.ToolTips[static_cast<std::size_t>(ButtonId::btnPlay)], QString("Play"));
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
        LanguageLoader loader(disc.filePath("Language"), registry, messages);
        QVERIFY(loader.LoadLanguage("wide"));
        QCOMPARE(loader.texts().CaptionExit, QString("Close"));
        QCOMPARE(loader.texts().MsgTitle, QString("Vistrel"));
    }

    void onlyAChoiceToRememberIsWritten() {
        writeLanguage("english", "[Menu]\nmnuExit=Close\n");
        FakeRegistry registry;
        LanguageLoader loader(disc.filePath("Language"), registry, messages);
        QVERIFY(loader.hasLanguage("english"));
        QVERIFY(!loader.hasLanguage("klingon"));
        QVERIFY(loader.LoadLanguage("english", LanguageLoader::Remember::No));
        QVERIFY(registry.writes.isEmpty());
        QVERIFY(loader.LoadLanguage("english"));
        QCOMPARE(registry.writes, QStringList{"SOFTWARE\\Nordquill\\Vistrel\\Language=english"});
    }
};

QTEST_MAIN(TestLanguageLoader)
#include "tst_languageloader.moc"
