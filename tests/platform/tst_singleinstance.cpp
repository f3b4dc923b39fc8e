// One instance per user and session, across real processes: activation, a crashed holder,
// and two starts at the same moment.
#include "platform/instance/LocalSingleInstance.h"

#include <QtTest>

#include <csignal>

using namespace vistrel;

namespace {

// Run as "--hold NAME": become the running instance and print each activation.
int holdInstance(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    LocalSingleInstance instance(QString::fromLocal8Bit(argv[2]));
    if (instance.activateRunningInstance()) {
        std::puts("second");
        std::fflush(stdout);
        return 3;
    }
    instance.becomeRunningInstance([] {
        std::puts("activated");
        std::fflush(stdout);
    });
    std::puts("running");
    std::fflush(stdout);
    return app.exec();
}

QString uniqueName() {
    return QString("vistrel-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::global()->generate());
}

bool waitForLine(QProcess& process, const QByteArray& line, int timeoutMs = 10000) {
    QDeadlineTimer deadline(timeoutMs);
    QByteArray seen;
    while (!deadline.hasExpired()) {
        process.waitForReadyRead(100);
        seen += process.readAllStandardOutput();
        if (seen.contains(line))
            return true;
        if (process.state() == QProcess::NotRunning && !process.bytesAvailable())
            return seen.contains(line);
    }
    return false;
}

} // namespace

class TstSingleInstance : public QObject {
    Q_OBJECT
  private slots:
    void secondStartActivatesTheFirst() {
        const QString name = uniqueName();
        QProcess first;
        first.start(QCoreApplication::applicationFilePath(), {"--hold", name});
        QVERIFY(waitForLine(first, "running"));

        LocalSingleInstance second(name);
        QVERIFY(second.activateRunningInstance());
        QVERIFY(waitForLine(first, "activated"));
        first.kill();
        first.waitForFinished();
    }

    void crashedInstanceDoesNotBlockTheNextStart() {
        const QString name = uniqueName();
        QProcess crashed;
        crashed.start(QCoreApplication::applicationFilePath(), {"--hold", name});
        QVERIFY(waitForLine(crashed, "running"));
        ::kill(pid_t(crashed.processId()), SIGKILL);
        crashed.waitForFinished();

        LocalSingleInstance next(name);
        QVERIFY(!next.activateRunningInstance());
        bool activated = false;
        next.becomeRunningInstance([&activated] { activated = true; });
        LocalSingleInstance third(name);
        QVERIFY(third.activateRunningInstance());
        QTRY_VERIFY(activated);
    }

    void simultaneousStartsLeaveOne() {
        const QString name = uniqueName();
        QList<QProcess*> starts;
        for (int i = 0; i < 4; ++i) {
            auto* process = new QProcess(this);
            process->start(QCoreApplication::applicationFilePath(), {"--hold", name});
            starts.append(process);
        }
        int running = 0;
        int seconds = 0;
        for (QProcess* process : starts) {
            QVERIFY(process->waitForStarted());
            QByteArray out;
            QDeadlineTimer deadline(10000);
            while (!out.contains("running") && !out.contains("second") && !deadline.hasExpired()) {
                process->waitForReadyRead(100);
                out += process->readAllStandardOutput();
            }
            running += out.contains("running");
            seconds += out.contains("second");
        }
        QCOMPARE(running, 1);
        QCOMPARE(seconds, 3);
        for (QProcess* process : starts) {
            process->kill();
            process->waitForFinished();
        }
    }
};

int main(int argc, char* argv[]) {
    if (argc == 3 && qstrcmp(argv[1], "--hold") == 0)
        return holdInstance(argc, argv);
    QCoreApplication app(argc, argv);
    TstSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
