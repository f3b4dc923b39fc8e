// The codec test's answers: a made disc's, left beside the program, honoured only when it reads as
// one; and the test's own, the same without a plugin registry as with one, never waiting for a
// scan of the plugins.
#include "platform/media/GstCodecTest.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace vistrel;

class TstCodecAnswer : public QObject {
    Q_OBJECT
  private slots:
    void onlyAPlainYesOrNoIsAnAnswer_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("expected"); // 1 yes, 0 no, -1 no answer
        QTest::newRow("yes") << QByteArray("yes\n") << 1;
        QTest::newRow("no without a line end") << QByteArray("no") << 0;
        QTest::newRow("empty") << QByteArray() << -1;
        QTest::newRow("other word") << QByteArray("maybe\n") << -1;
        QTest::newRow("yes and more") << QByteArray("yes\nno\n") << -1;
        QTest::newRow("long") << QByteArray(100000, 'y') << -1;
    }
    void onlyAPlainYesOrNoIsAnAnswer() {
        QFETCH(QByteArray, content);
        QFETCH(int, expected);
        QTemporaryDir dir;
        QFile file(dir.filePath(CodecTestAnswerFile));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const std::optional<bool> answer = readCodecTestAnswer(file.fileName().toStdString());
        QCOMPARE(answer ? int(*answer) : -1, expected);
    }

    void aMissingFileIsNoAnswer() {
        QTemporaryDir dir;
        QVERIFY(!readCodecTestAnswer(dir.filePath(CodecTestAnswerFile).toStdString()));
    }

    // Where GStreamer keeps the user's registry: the file its variables name, else any
    // processor's registry in the user's cache.
    void theUsersRegistry_data() {
        QTest::addColumn<QString>("variable");  // "" or the variable naming a file
        QTest::addColumn<QString>("named");     // what that variable names, under the folder
        QTest::addColumn<QStringList>("cache"); // entries of <cache>/gstreamer-1.0
        QTest::addColumn<bool>("exists");
        QTest::newRow("a new user") << ""
                                    << "" << QStringList{} << false;
        QTest::newRow("in the cache") << ""
                                      << "" << QStringList{"registry.x86_64.bin"} << true;
        QTest::newRow("a folder of that name")
            << ""
            << "" << QStringList{"registry.x86_64.bin/"} << false;
        QTest::newRow("another file") << ""
                                      << "" << QStringList{"registry.bin.tmp"} << false;
        QTest::newRow("named and there") << "GST_REGISTRY_1_0"
                                         << "mine.bin" << QStringList{} << true;
        QTest::newRow("named and missing, the cache's left alone")
            << "GST_REGISTRY"
            << "missing.bin" << QStringList{"registry.x86_64.bin"} << false;
    }

    void theUsersRegistry() {
        QFETCH(QString, variable);
        QFETCH(QString, named);
        QFETCH(QStringList, cache);
        QFETCH(bool, exists);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("cache/gstreamer-1.0"));
        for (const QString& entry : cache) {
            const QString path = dir.filePath("cache/gstreamer-1.0/" + entry);
            if (entry.endsWith('/'))
                QDir().mkpath(path);
            else
                QFile(path).open(QIODevice::WriteOnly);
        }
        if (named == "mine.bin")
            QFile(dir.filePath(named)).open(QIODevice::WriteOnly);
        qputenv("XDG_CACHE_HOME", dir.filePath("cache").toUtf8());
        qunsetenv("GST_REGISTRY_1_0");
        qunsetenv("GST_REGISTRY");
        if (!variable.isEmpty())
            qputenv(variable.toLatin1(), dir.filePath(named).toUtf8());
        QCOMPARE(pluginRegistryExists(), exists);
        qunsetenv(variable.toLatin1());
    }

    // The test program, told there is no registry, answers as the registry does, by the plugins
    // it finds where GStreamer would look; it scans none and writes no registry.
    void withoutARegistryTheAnswerIsTheRegistrys() {
        const QString program = qEnvironmentVariable("VISTREL_DISC_DIR") + "/" + CodecTestProgram;
        QVERIFY(QFileInfo(program).isExecutable());
        QTemporaryDir dir;
        auto answer = [&](const QStringList& environment) {
            QProcess test;
            QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
            variables.insert("XDG_CACHE_HOME", dir.filePath("cache"));
            for (const QString& each : environment)
                variables.insert(each.section('=', 0, 0), each.section('=', 1));
            test.setProcessEnvironment(variables);
            test.start(program, {});
            return test.waitForFinished(30000) ? test.exitCode() : -1;
        };
        const int withoutRegistry = answer({"GST_REGISTRY_DISABLE=yes"});
        QVERIFY(!QFileInfo::exists(dir.filePath("cache/gstreamer-1.0")));
        QCOMPARE(withoutRegistry, answer({}));
        // No plugin at all: no decoder. FFmpeg's plugin there: its decoders.
        QDir().mkpath(dir.filePath("plugins"));
        QCOMPARE(answer({"GST_REGISTRY_DISABLE=yes",
                         "GST_PLUGIN_SYSTEM_PATH_1_0=" + dir.filePath("plugins")}),
                 1);
        QFile(dir.filePath("plugins/libgstlibav.so")).open(QIODevice::WriteOnly);
        QCOMPARE(answer({"GST_REGISTRY_DISABLE=yes",
                         "GST_PLUGIN_SYSTEM_PATH_1_0=" + dir.filePath("plugins")}),
                 0);
    }
};

QTEST_GUILESS_MAIN(TstCodecAnswer)
#include "tst_codecanswer.moc"
