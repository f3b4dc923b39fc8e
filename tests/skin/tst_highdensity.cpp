// A skin on a high-density screen (device pixel ratio 2): the doubled pictures beside the 1x
// ones are used where they are exactly twice the size, the 1x ones otherwise, and --check says
// which cannot be used.
#include "app/check/DiscCheck.h"
#include "doubles/TestDisc.h"
#include "platform/media/MediaProbe.h"
#include "skin/HighDensityPicture.h"

#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

namespace {

struct Started {
    Started() {
        disc.writeIni("[Main]\nVersion=1.0\nDefaultLanguage=english\nSkin=default\n");
        disc.addLanguage("english");
        disc.addSkin("default");
    }
    bool start() {
        core = tc.make();
        return core->Main(disc.path());
    }
    MainDialog& w() { return tc.window(); }

    TestDisc disc;
    TestApp tc;
    std::unique_ptr<Application> core;
};

Findings highDensityFindings(const Findings& all) {
    Findings found;
    for (const Finding& f : all)
        if (f.file.contains("@2x"))
            found.append(f);
    return found;
}

} // namespace

class TstHighDensity : public QObject {
    Q_OBJECT
  private slots:
    void nearerPictureByRatio() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        for (qreal ratio : {1.0, 1.25})
            QVERIFY(!wantsHighDensity(ratio));
        for (qreal ratio : {1.5, 2.0, 3.0})
            QVERIFY(wantsHighDensity(ratio));
    }

    void doubledPicturesUsedWhereSound() {
        Started s;
        // Sound: the background and btnExit's released look. Wrong size: the logo. Unreadable:
        // the title. Named in another case: the console's first picture.
        s.disc.addPicture("Skins/default/back@2x.bmp", {1398, 864}, Qt::darkGreen);
        s.disc.addPicture("Skins/default/exit1@2x.bmp", {278, 58}, Qt::darkGreen);
        s.disc.addPicture("Skins/default/logo@2x.bmp", {1000, 700}, Qt::darkGreen);
        s.disc.writeFile("Skins/default/title@2x.bmp", "BM not a picture");
        s.disc.addPicture("Skins/default/CONSOLE1@2X.BMP", {42, 22}, Qt::darkGreen);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not used: .*logo@2x.bmp.*1000x700"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not used: .*title@2x.bmp.*read"));
        QVERIFY(s.start());

        const QPixmap& back = s.w().backgroundPicture();
        QCOMPARE(back.devicePixelRatio(), 2.0);
        QCOMPARE(back.size(), QSize(1398, 864));
        QCOMPARE(back.toImage().pixel(5, 5), QColor(Qt::darkGreen).rgb());
        const QPixmap& exit = s.w().button(ButtonId::btnExit)->picture();
        QCOMPARE(exit.devicePixelRatio(), 2.0);
        QCOMPARE(exit.deviceIndependentSize(), QSizeF(139, 29));
        // btnPlay's pressed look is the console's picture 1.
        QTest::mousePress(s.w().button(ButtonId::btnPlay), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(s.w().button(ButtonId::btnPlay)->picture().devicePixelRatio(), 2.0);
        QTest::mouseRelease(s.w().button(ButtonId::btnPlay), Qt::LeftButton, {}, QPoint(-40, -40));
        // Not usable: the 1x picture, which the painter scales.
        QCOMPARE(s.w().picShowPictures()->picture().devicePixelRatio(), 1.0);
        QCOMPARE(s.w().picShowPictures()->picture().size(), QSize(517, 378));
        QCOMPARE(s.w().picTitle()->picture().devicePixelRatio(), 1.0);
        QCOMPARE(s.w().picTitle()->size(), QSize(152, 88));
        // Without a doubled picture: the 1x one.
        QCOMPARE(s.w().button(ButtonId::btnInfo)->picture().devicePixelRatio(), 1.0);

        // The window keeps its size in the window's own pixels, twice that on the screen.
        QCOMPARE(s.w().size(), QSize(699, 432));
        QCOMPARE(s.w().devicePixelRatio(), 2.0);

        const Findings findings = highDensityFindings(checkDisc(s.disc.path(), probeMedia));
        QCOMPARE(findings.size(), 2);
        for (const Finding& f : findings)
            QVERIFY2(f.severity == Finding::Warning &&
                         (f.file.endsWith("logo@2x.bmp") || f.file.endsWith("title@2x.bmp")),
                     qPrintable(f.file + ": " + f.message));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TstHighDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdensity.moc"
