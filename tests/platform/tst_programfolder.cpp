// Files the program brings, found beside it (a build, a disc) or in its installed folders.
#include "doubles/FifoWatchdog.h"
#include "platform/process/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TstProgramFolder : public QObject {
    Q_OBJECT
  private slots:
    void isTheExecutablesOwnFolder() {
        QCOMPARE(QString::fromStdString(programFolder()),
                 QCoreApplication::applicationDirPath() + '/');
    }

    void besideFirstThenTheInstalledFolders() {
        QTemporaryDir root;
        const std::string bin = root.filePath("bin").toStdString() + '/';
        QDir(root.path()).mkpath("bin");
        auto find = [&bin](const char* name) {
            return QString::fromStdString(findBeside(bin, name, {"../lib/x", "../libexec/x"}));
        };

        touch(root.filePath("libexec/x/helper"));
        QCOMPARE(find("helper"), root.filePath("libexec/x/helper"));
        touch(root.filePath("lib/x/helper"));
        QCOMPARE(find("helper"), root.filePath("lib/x/helper"));
        touch(root.filePath("bin/helper"));
        QCOMPARE(find("helper"), root.filePath("bin/helper"));

        // A folder or a pipe of that name is no file (reading a pipe would hold the start); nothing
        // found is an empty path, not a guess.
        QDir(root.path()).mkpath("bin/folder");
        QVERIFY(find("folder").isEmpty());
        QVERIFY(makeFifo(root.filePath("bin/pipe")));
        QVERIFY(find("pipe").isEmpty());
        QVERIFY(find("missing").isEmpty());
        QVERIFY(findBeside("", "helper").empty());
    }
};

QTEST_GUILESS_MAIN(TstProgramFolder)
#include "tst_programfolder.moc"
