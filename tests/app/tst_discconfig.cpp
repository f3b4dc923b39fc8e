// What the program makes of a disc's vistrel.ini: defaults, switches, trimming and the media rule.
#include "app/DiscConfig.h"
#include "platform/disc/ReadIni.h"

#include <QtTest>

using namespace vistrel;

namespace {

// Every button's path, with [Main] last so that a row can add keys of its own to it.
constexpr const char* AllPaths = "[Player]\nInstallPath=setup.sh\nRunPath=player.sh\n"
                                 "[Codec]\nInstallPath=codec.sh\n"
                                 "[Main]\nExplorerPath=Extras\nInfoPath=info.htm\n";

// The offered side buttons as one word, so a table row can say which ones it expects.
QString offeredNames(const DiscConfig& c) {
    const std::pair<ButtonId, const char*> sideButtons[] = {
        {ButtonId::btnInstallPlayer, "installPlayer"},
        {ButtonId::btnInstallCodec, "installCodec"},
        {ButtonId::btnInfo, "info"},
        {ButtonId::btnStartPlayer, "startPlayer"},
        {ButtonId::btnExplore, "explore"}};
    QStringList names;
    for (const auto& [id, name] : sideButtons)
        if (c.offers(id))
            names << name;
    return names.join(' ');
}

} // namespace

Q_DECLARE_METATYPE(TargetSystem)

class TstDiscConfig : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    // The configuration of a disc whose vistrel.ini holds text; a null text means no file.
    DiscConfig configOf(const QByteArray& text, TargetSystem system = RunningSystem) {
        const QString path = dir_.filePath("vistrel.ini");
        QFile::remove(path);
        if (!text.isNull()) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot write %s", qPrintable(path));
            file.write(text);
        }
        clearIniCache();
        return DiscConfig::read(path, system);
    }

  private slots:
    void missingFileGivesEveryDefault() {
        const DiscConfig c = configOf(QByteArray());
        QCOMPARE(c.defaultLanguage, QString("english"));
        QCOMPARE(c.version, QString("1.0"));
        QVERIFY(c.versionSupported());
        QVERIFY(c.buttonSwitches.value("ShowInstallPlayer"));
        QVERIFY(c.buttonSwitches.value("ShowInstallCodec"));
        QCOMPARE(offeredNames(c), QString());
        QVERIFY(c.offers(ButtonId::btnExit) && c.offers(ButtonId::btnPlay));
        QVERIFY(c.movie.isEmpty() && c.music.isEmpty() && !c.slideShow);
        QCOMPARE(c.skin, QString("default"));
        QVERIFY(c.title.isEmpty());
        QVERIFY(c.slideInterval.isEmpty());
        QVERIFY(c.slidePictures.isEmpty());
    }

    void offeredButtons_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("offered");
        const QByteArray all = AllPaths;
        QTest::newRow("all paths") << all << "installPlayer installCodec info startPlayer explore";
        QTest::newRow("player switch off") << all + "ShowInstallPlayer=0\n"
                                           << "installCodec";
        QTest::newRow("codec switch off") << all + "ShowInstallCodec=0\n"
                                          << "installPlayer info startPlayer explore";
        QTest::newRow("yes is off") << all + "ShowInstallPlayer=yes\n"
                                    << "installCodec";
        QTest::newRow("true is off") << all + "ShowInstallCodec=true\n"
                                     << "installPlayer info startPlayer explore";
        QTest::newRow("quoted blank before 1 is off") << all + "ShowInstallPlayer=\" 1\"\n"
                                                      << "installCodec";
        QTest::newRow("empty switch is off") << all + "ShowInstallCodec=\n"
                                             << "installPlayer info startPlayer explore";
        QTest::newRow("paths only of some")
            << QByteArray("[Main]\nInfoPath=  info.htm  \n[Player]\nRunPath=player.sh\n")
            << "info startPlayer";
        QTest::newRow("quoted blanks are no path")
            << QByteArray("[Main]\nExplorerPath=\"   \"\n") << "";
    }
    void offeredButtons() {
        QFETCH(QByteArray, text);
        QFETCH(QString, offered);
        QCOMPARE(offeredNames(configOf(text)), offered);
    }

    void mainValues_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("supported");
        QTest::addColumn<QString>("skin");
        QTest::newRow("empty values")
            << QByteArray("[Main]\nDefaultLanguage=\nVersion=\nSkin=\n") << "english"
            << "" << false << "default";
        QTest::newRow("as written")
            << QByteArray("[Main]\nDefaultLanguage=German\nSkin=Blue\n") << "German"
            << "1.0" << true << "Blue";
        QTest::newRow("version in blanks") << QByteArray("[Main]\nVersion=\" 1.0 \"\n") << "english"
                                           << "1.0" << true << "default";
        QTest::newRow("version 1.00") << QByteArray("[Main]\nVersion=1.00\n") << "english"
                                      << "1.00" << false << "default";
        QTest::newRow("version with tab") << QByteArray("[Main]\nVersion=\"1.0\t\"\n") << "english"
                                          << "1.0\t" << false << "default";
        QTest::newRow("names in any case")
            << QByteArray("[MAIN]\ndefaultlanguage=dutch\nVERSION=2.0\nsKiN=Dark\n") << "dutch"
            << "2.0" << false << "Dark";
        QTest::newRow("quotes removed")
            << QByteArray("[Main]\nDefaultLanguage=\"french\"\nSkin=\"My Skin\"\n") << "french"
            << "1.0" << true << "My Skin";
        QTest::newRow("quoted blank language kept")
            << QByteArray("[Main]\nDefaultLanguage=\" \"\n") << " "
            << "1.0" << true << "default";
    }
    void mainValues() {
        QFETCH(QByteArray, text);
        const DiscConfig c = configOf(text);
        QTEST(c.defaultLanguage, "language");
        QTEST(c.version, "version");
        QTEST(c.versionSupported(), "supported");
        QTEST(c.skin, "skin");
    }

    void trimmedPaths() {
        const DiscConfig c =
            configOf("[Player]\nDescription=\" Micro Player \"\nInstallPath=\" setup.sh\"\n"
                     "RunPath=\"player.sh \"\nParameter=\"  -f movie.avi  \"\n"
                     "[Codec]\nDescription=\" Codec 5 \"\nInstallPath=\"\tcodec.sh \"\n"
                     "[Main]\nExplorerPath=\" Extras \"\nInfoPath=\" info.htm\"\n"
                     "Title=\" title.bmp \"\n");
        const QStringList read = {c.player.description,
                                  c.pathOf(ButtonId::btnInstallPlayer),
                                  c.pathOf(ButtonId::btnStartPlayer),
                                  c.player.parameter,
                                  c.codec.description,
                                  c.pathOf(ButtonId::btnInstallCodec),
                                  c.pathOf(ButtonId::btnExplore),
                                  c.pathOf(ButtonId::btnInfo),
                                  c.title};
        const QStringList expected = {"Micro Player", "setup.sh", "player.sh",
                                      "-f movie.avi", "Codec 5",  "\tcodec.sh",
                                      "Extras",       "info.htm", " title.bmp "};
        QCOMPARE(read, expected);
    }

    // A system's own key wins, even empty; else the plain key serves it. The parameter alike.
    void perSystemValues_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<TargetSystem>("system");
        QTest::addColumn<QString>("path"); // [Codec] InstallPath's
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("parameter");
        const QByteArray both = "[Codec]\nInstallPath=setup.cmd\nInstallPath.Linux= setup.sh \n"
                                "[Player]\nParameter=..\\movie.avi\nparameter.LINUX=movie.avi\n";
        const auto Windows = TargetSystem::Windows, Linux = TargetSystem::Linux;
        QTest::newRow("plain key on Windows") << both << Windows << "setup.cmd"
                                              << "InstallPath"
                                              << "..\\movie.avi";
        QTest::newRow("own key on Linux") << both << Linux << "setup.sh"
                                          << "InstallPath.Linux"
                                          << "movie.avi";
        QTest::newRow("own key empty")
            << QByteArray("[Codec]\nInstallPath=setup.cmd\nInstallPath.Linux=\n") << Linux << ""
            << "InstallPath.Linux"
            << "";
        QTest::newRow("the other system's key alone")
            << QByteArray("[Codec]\nInstallPath.Windows=setup.exe\n") << Linux << ""
            << ""
            << "";
        QTest::newRow("own key before the plain one")
            << QByteArray("[Codec]\nInstallPath.Windows=setup.exe\nInstallPath=setup.cmd\n")
            << Windows << "setup.exe"
            << "InstallPath.Windows"
            << "";
    }
    void perSystemValues() {
        QFETCH(QByteArray, text);
        QFETCH(TargetSystem, system);
        QFETCH(QString, path);
        const DiscConfig c = configOf(text, system);
        QCOMPARE(c.pathOf(ButtonId::btnInstallCodec), path);
        QTEST(c.pathKeyOf(ButtonId::btnInstallCodec), "key");
        QTEST(c.player.parameter, "parameter");
        QCOMPARE(c.offers(ButtonId::btnInstallCodec), !path.isEmpty());
    }

    void media_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("movie");
        QTest::addColumn<QString>("music");
        QTest::addColumn<bool>("slideShow");
        QTest::newRow("movie wins")
            << QByteArray("[Main]\nMovie=movie.avi\nMusic=song.mp3\nSlideShow=1\n") << "movie.avi"
            << "" << false;
        QTest::newRow("music and slideshow")
            << QByteArray("[Main]\nMusic=song.mp3\nSlideShow=1\n") << ""
            << "song.mp3" << true;
        QTest::newRow("slideshow alone") << QByteArray("[Main]\nSlideShow=1\n") << ""
                                         << "" << true;
        QTest::newRow("slideshow yes") << QByteArray("[Main]\nSlideShow=yes\n") << ""
                                       << "" << false;
        QTest::newRow("blanks kept")
            << QByteArray("[Main]\nMovie=\" movie.avi \"\n") << " movie.avi "
            << "" << false;
        QTest::newRow("quoted blank movie")
            << QByteArray("[Main]\nMovie=\" \"\nMusic=song.mp3\nSlideShow=1\n") << " "
            << "" << false;
    }
    void media() {
        QFETCH(QByteArray, text);
        const DiscConfig c = configOf(text);
        QTEST(c.movie, "movie");
        QTEST(c.music, "music");
        QTEST(c.slideShow, "slideShow");
    }

    void slideshowKeys() {
        const DiscConfig c = configOf("[SlideShow]\nInterval= 2500 \n10=c.jpg\n2=b.jpg\n"
                                      "0=a.jpg\n1=\n99=\" d.jpg\"\n100=e.jpg\n-1=f.jpg\n"
                                      "007=g.jpg\n");
        QCOMPARE(c.slideInterval, QString("2500"));
        QCOMPARE(c.slidePictures, QStringList({"a.jpg", "b.jpg", "c.jpg", " d.jpg"}));
    }
};

QTEST_GUILESS_MAIN(TstDiscConfig)
#include "tst_discconfig.moc"
