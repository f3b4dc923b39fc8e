#include "platform/media/StallWatch.h"

#include <QtTest>

using namespace vistrel;

// The watchdog's judgement, second by second: progress, pauses, stalls, restarts, giving up.
class TestStallWatch : public QObject {
    Q_OBJECT

    using Action = StallWatch::Action;

    // Ticks given as "p<ms>" (playing at that position), "s" (starting) or "-" (not playing);
    // the actions are written as ".", "R" (restart) and "X" (give up).
    static QString run(const QStringList& ticks) {
        StallWatch watch;
        QString actions;
        for (const QString& tick : ticks) {
            const StallWatch::Motion motion = tick == "-"   ? StallWatch::Motion::Still
                                              : tick == "s" ? StallWatch::Motion::Starting
                                                            : StallWatch::Motion::Playing;
            const Action action = watch.tick(motion, tick.mid(1).toLongLong());
            actions += action == Action::None ? '.' : action == Action::Restart ? 'R' : 'X';
        }
        return actions;
    }

  private slots:
    void judge_data() {
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<QString>("actions");
        QTest::newRow("progress") << QStringList{"p0", "p1000", "p2000", "p3000"} << "....";
        QTest::newRow("stuck at the start") << QStringList{"p0", "p0", "p0", "p0"} << "...R";
        QTest::newRow("stuck later")
            << QStringList{"p0", "p900", "p900", "p900", "p900"} << "....R";
        QTest::newRow("restart helps")
            << QStringList{"p5", "p5", "p5", "p5", "p800", "p800", "p800", "p800"} << "...R...R";
        QTest::newRow("restarts do not help")
            << QStringList{"p5", "p5", "p5", "p5", "p5", "p5", "p5", "p5", "p5", "p5"}
            << "...R..R..X";
        QTest::newRow("paused is no stall")
            << QStringList{"p5", "-", "-", "-", "-", "-", "p5", "p900"} << "........";
        QTest::newRow("a pause between quiet seconds starts the count again")
            << QStringList{"p5", "p5", "p5", "-", "p5", "p5", "p5"} << ".......";
    }

    // Starting is not restarted (that starts it over), but it is not waited for forever.
    void judgeTheStart_data() {
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<QString>("actions");
        const QStringList starting(StallWatch::StartSeconds - 1, "s");
        const QString quiet(StallWatch::StartSeconds - 1, '.');
        QTest::newRow("never starts") << starting + QStringList{"s"} << quiet + "X";
        QTest::newRow("starts in time") << starting + QStringList{"p0", "p500"} << quiet + "..";
        QTest::newRow("paused while starting, then starting again")
            << starting + QStringList{"-"} + starting << quiet + "." + quiet;
        QTest::newRow("a start after playing counts afresh")
            << starting + QStringList{"p0"} + starting << quiet + "." + quiet;
    }

    void judgeTheStart() {
        QFETCH(QStringList, ticks);
        QFETCH(QString, actions);
        QCOMPARE(run(ticks), actions);
    }

    void judge() {
        QFETCH(QStringList, ticks);
        QFETCH(QString, actions);
        QCOMPARE(run(ticks), actions);
    }

    void resetForgetsTheRestarts() {
        StallWatch watch;
        for (int i = 0; i < 7; ++i)
            watch.tick(StallWatch::Motion::Playing, 5);
        watch.reset();
        QString actions;
        for (int i = 0; i < 4; ++i)
            actions += watch.tick(StallWatch::Motion::Playing, 5) == Action::Restart ? 'R' : '.';
        QCOMPARE(actions, QString("...R"));
    }
};

QTEST_GUILESS_MAIN(TestStallWatch)
#include "tst_stallwatch.moc"
