// The preview's rules: when saves have settled, what a reload says of the check, and a window on
// trial that never ends the program.
#include "app/check/FindingsReport.h"
#include "app/preview/FindingsChange.h"
#include "app/preview/SaveSettle.h"
#include "doubles/TestDisc.h"
#include "platform/messages/TrialMessageBoxes.h"
#include "platform/process/TrialProgramEnd.h"

#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

class TstPreview : public QObject {
    Q_OBJECT
  private slots:
    // The folder is looked at every 50 ms for 4 s; saves at the given moments, and the saved
    // pictures half-written until halfUntil.
    void reloadsOnceTheSavesSettle_data() {
        QTest::addColumn<QList<int>>("saves");
        QTest::addColumn<int>("halfUntil");
        QTest::addColumn<QList<int>>("reloads");
        QTest::newRow("one save") << QList<int>{500} << 0 << QList<int>{650};
        QTest::newRow("saves in steps, one reload")
            << QList<int>{500, 600, 700} << 0 << QList<int>{850};
        QTest::newRow("two saves apart, two reloads")
            << QList<int>{500, 1500} << 0 << QList<int>{650, 1650};
        QTest::newRow("a half-written picture is waited for")
            << QList<int>{500} << 1200 << QList<int>{1200};
        QTest::newRow("one that stays half-written is reloaded to be told")
            << QList<int>{500} << 9999 << QList<int>{3500};
        QTest::newRow("nothing saved") << QList<int>{} << 0 << QList<int>{};
    }
    void reloadsOnceTheSavesSettle() {
        QFETCH(QList<int>, saves);
        QFETCH(int, halfUntil);
        SaveSettle settle;
        QList<int> reloads;
        for (int now = 0; now <= 4000; now += 50)
            if (settle.reloadNow(now, saves.contains(now), now >= halfUntil))
                reloads.append(now);
        QTEST(reloads, "reloads");
    }

    void postponedReloadComesAtTheNextLook() {
        SaveSettle settle;
        settle.reloadNow(0, true, true);
        QVERIFY(settle.reloadNow(150, false, true));
        settle.postpone();
        QVERIFY(settle.reloadNow(200, false, true));
        QVERIFY(!settle.reloadNow(250, false, true));
    }

    void findingsThatChangedAreToldInTheCheckWords() {
        const Finding kept = warning("vistrel.ini", "kept", "fix it");
        const Finding mended = error("Skins/default/back.bmp", "missing", "save it");
        const Finding added = note("Language/english.ini", "new");
        QCOMPARE(findingsChange({kept, mended}, {kept, added}),
                 (QStringList{"new: " + findingLine(added), "mended: " + findingLine(mended)}));
        QCOMPARE(findingLine(mended), QString("error: Skins/default/back.bmp: missing; save it"));
        QCOMPARE(findingsChange({kept, kept}, {kept}), QStringList{"mended: " + findingLine(kept)});
        QVERIFY(findingsChange({kept}, {kept}).isEmpty());
    }

    // A disc that would end the program ends only the window on trial; once accepted, an end is
    // the program's and a message a box.
    void windowOnTrialNeverEndsTheProgram() {
        TestDisc disc;
        disc.addLanguage("english");
        disc.writeIni("[Main]\nVersion=1.0\n");
        TestApp tc;
        TrialProgramEnd refused(tc.programEnd);
        TrialMessageBoxes boxes(tc.messages);
        QVERIFY(!tc.make(boxes, refused)->Main(disc.path()));
        QCOMPARE(refused.refusal(), QString("no skin folder"));
        QVERIFY(!tc.programEnd.ended);
        boxes.showError("title", "on the terminal");
        QVERIFY(tc.messages.shown.isEmpty());

        TrialProgramEnd accepted(tc.programEnd);
        accepted.accept();
        boxes.accept();
        boxes.showError("title", "in a box");
        QCOMPARE(tc.messages.texts(), QStringList{"in a box"});
        accepted.end("Exit pressed");
        QCOMPARE(tc.programEnd.reason, QString("Exit pressed"));
    }
};

QTEST_MAIN(TstPreview)
#include "tst_preview.moc"
