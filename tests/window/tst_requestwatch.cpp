#include "window/RequestWatch.h"

#include <QtTest>

using namespace vistrel;

// The judgement on a request to the window manager, tick by tick.
class TestRequestWatch : public QObject {
    Q_OBJECT

    // Ticks given as "y" (the window has what was asked) or "n"; the actions written as "."
    // (wait), "A" (ask again), "D" (done) and "X" (give up).
    static QString run(const QString& ticks) {
        RequestWatch watch;
        watch.start();
        QString actions;
        for (const QChar tick : ticks) {
            switch (watch.tick(tick == 'y')) {
            case RequestWatch::Action::Wait:
                actions += '.';
                break;
            case RequestWatch::Action::AskAgain:
                actions += 'A';
                break;
            case RequestWatch::Action::Done:
                actions += 'D';
                break;
            case RequestWatch::Action::GiveUp:
                actions += 'X';
                break;
            }
        }
        return actions;
    }

  private slots:
    void judge_data() {
        QTest::addColumn<QString>("ticks");
        QTest::addColumn<QString>("actions");
        QTest::newRow("granted at once") << "y"
                                         << "D";
        QTest::newRow("granted after a while") << "nnny"
                                               << "...D";
        QTest::newRow("dropped, asked again, granted") << "nnnnnnny"
                                                       << "....A..D";
        QTest::newRow("never granted") << "nnnnnnnnnnnnnnnnnnnn"
                                       << "....A....A....A....X";
    }

    void judge() {
        QFETCH(QString, ticks);
        QFETCH(QString, actions);
        QCOMPARE(run(ticks), actions);
    }

    // A new request starts the count again.
    void aNewRequestForgetsTheOld() {
        RequestWatch watch;
        watch.start();
        for (int i = 0; i < 14; ++i)
            watch.tick(false);
        watch.start();
        for (int i = 0; i < RequestWatch::QuietTicks - 1; ++i)
            QCOMPARE(watch.tick(false), RequestWatch::Action::Wait);
        QCOMPARE(watch.tick(false), RequestWatch::Action::AskAgain);
    }
};

QTEST_APPLESS_MAIN(TestRequestWatch)
#include "tst_requestwatch.moc"
