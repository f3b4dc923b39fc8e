// A process killed while it writes the chosen language leaves a valid store holding the old or the
// new value, and everything else the store held.
#include "platform/settings/RegFile.h"

#include <QtTest>

using namespace vistrel;

namespace {
constexpr std::string_view kKey = "SOFTWARE\\Nordquill\\Vistrel";
constexpr int kKills = 50;
// Milliseconds the writer runs before it is killed, at most: many writes, yet a short test.
constexpr int kLongestRun = 20;

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TstSettingsKill : public QObject {
    Q_OBJECT
  private slots:
    void storeSurvivesAKillAtAnyMoment() {
        QTemporaryDir dir;
        const QString store = dir.filePath("HKEY_CURRENT_USER.reg");
        RegHive start;
        start.set("SOFTWARE\\Other", "Keep", RegValue::text("me"));
        start.set(kKey, "Language", RegValue::text("old"));
        QFile file(store);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(start.serialize()));
        file.close();

        for (int kill = 0; kill < kKills; ++kill) {
            QProcess writer;
            writer.start(VISTREL_STORE_WRITER, {store});
            QVERIFY(writer.waitForReadyRead(10000));
            QThread::msleep(QRandomGenerator::global()->bounded(kLongestRun + 1));
            writer.kill(); // SIGKILL
            QVERIFY(writer.waitForFinished(10000));
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

            const QByteArray bytes = readAll(store);
            const auto hive = RegHive::parse(std::string_view(bytes.constData(), bytes.size()));
            QVERIFY2(hive.has_value(), bytes.constData());
            const RegValue* language = hive->find(kKey, "Language");
            QVERIFY(language != nullptr);
            QVERIFY2(*language == RegValue::text("old") || *language == RegValue::text("new"),
                     language->data.c_str());
            QVERIFY(hive->find("SOFTWARE\\Other", "Keep") != nullptr);
            QVERIFY(!QFileInfo::exists(store + ".corrupt"));
        }
    }
};

QTEST_GUILESS_MAIN(TstSettingsKill)
#include "tst_settingskill.moc"
