#include "doubles/Doubles.h"
#include "language/AboutDialog.h"
#include "language/AboutLabel.h"
#include "window/ImageArea.h"

#include <QApplication>
#include <QScreen>
#include <QtTest>

using namespace vistrel;

namespace {

// Mean brightness (0..255) of a part of a picture.
double meanBrightness(const QImage& image, QRect area) {
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (area.width() * area.height());
}

QWidget* element(AboutDialog& about, const QString& name) {
    return name.isEmpty() ? &about : about.findChild<QWidget*>(name);
}

// The mouse moved to a point of the screen while held; the box may have moved meanwhile.
void moveMouse(QWidget* target, QPoint global, Qt::MouseButtons held) {
    QMouseEvent move(QEvent::MouseMove, target->mapFromGlobal(global), global, Qt::NoButton, held,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

} // namespace

class TestAboutDialog : public QObject {
    Q_OBJECT

  private slots:
    void elementsSitWhereTheArtworkLeavesRoom_data();
    void elementsSitWhereTheArtworkLeavesRoom();
    void looksOfTheBoxAndItsTexts();
    void artworkIsDarkWithAnExitButton();
    void opensCentredOnTheScreen();
    void linksOpenThroughTheDesktop_data();
    void linksOpenThroughTheDesktop();
    void closeAreaEndsTheModalBox();
    void dragRule_data();
    void dragRule();
};

void TestAboutDialog::elementsSitWhereTheArtworkLeavesRoom_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("version") << "VersionNr" << QRect(0, 64, 305, 17);
    QTest::newRow("mail") << "btnSendMail" << QRect(64, 140, 169, 17);
    QTest::newRow("homepage") << "btnVisitHomepage" << QRect(64, 160, 169, 17);
    QTest::newRow("close area") << "btnExit" << QRect(128, 192, 49, 17);
}

void TestAboutDialog::elementsSitWhereTheArtworkLeavesRoom() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    test::RecordingDesktop desktop;
    AboutDialog about(desktop, nullptr);
    QWidget* found = element(about, name);
    QVERIFY(found);
    QCOMPARE(found->geometry(), geometry);
}

void TestAboutDialog::looksOfTheBoxAndItsTexts() {
    test::RecordingDesktop desktop;
    AboutDialog about(desktop, nullptr);

    QCOMPARE(about.size(), QSize(300, 225));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(about.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(about.isModal());

    QCOMPARE(about.VersionNr->text(), QString("Version 1.0.0"));
    QVERIFY(about.VersionNr->font().bold());
    QCOMPARE(about.VersionNr->palette().color(QPalette::WindowText), QColor(192, 255, 255));
    QVERIFY(about.VersionNr->alignment().testFlag(Qt::AlignHCenter));
    QVERIFY(!about.VersionNr->autoFillBackground());

    QCOMPARE(about.btnSendMail->text(), QString("vistrel@nordquill.example"));
    QCOMPARE(about.btnVisitHomepage->text(), QString("www.nordquill.example/vistrel"));
    for (const AboutLabel* link : {about.btnSendMail, about.btnVisitHomepage}) {
        QVERIFY(link->font().underline());
        QVERIFY(!link->font().bold());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(link->alignment().testFlag(Qt::AlignHCenter));
        QVERIFY(!link->autoFillBackground());
    }
    QVERIFY(!about.btnExit->hasPicture());
    QCOMPARE(about.cursor().shape(), Qt::ArrowCursor);
}

void TestAboutDialog::artworkIsDarkWithAnExitButton() {
    const QImage art(":/about/about.png");
    QCOMPARE(art.size(), QSize(300, 225));
    QVERIFY(meanBrightness(art, art.rect()) < 60);
    // The drawn button stands out from the dark band just above it.
    const double button = meanBrightness(art, AboutDialog::CloseArea.adjusted(2, 2, -2, -2));
    const double above = meanBrightness(art, QRect(128, 182, 49, 8));
    QVERIFY2(button > above + 30, qPrintable(QString("%1 vs %2").arg(button).arg(above)));
}

void TestAboutDialog::opensCentredOnTheScreen() {
    test::RecordingDesktop desktop;
    QWidget owner;
    owner.setGeometry(10, 10, 200, 100);
    owner.show();
    AboutDialog about(desktop, &owner);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));

    const QRect screen = about.screen()->availableGeometry();
    QCOMPARE(about.pos(),
             screen.topLeft() + QPoint((screen.width() - 300) / 2, (screen.height() - 225) / 2));
    QCOMPARE(about.frameGeometry(), about.geometry());
}

void TestAboutDialog::linksOpenThroughTheDesktop_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QUrl>("url");

    QTest::newRow("mail") << "btnSendMail" << QUrl("mailto:vistrel@nordquill.example");
    QTest::newRow("homepage") << "btnVisitHomepage" << QUrl("http://www.nordquill.example/Vistrel");
}

void TestAboutDialog::linksOpenThroughTheDesktop() {
    QFETCH(QString, name);
    QFETCH(QUrl, url);
    test::RecordingDesktop desktop;
    AboutDialog about(desktop, nullptr);
    about.show();
    QWidget* link = element(about, name);

    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::RightButton);
    QTest::mouseClick(link, Qt::MiddleButton);
    QCOMPARE(desktop.urlsOpened, (QList<QUrl>{url, url}));
    QVERIFY(about.isVisible());
    QVERIFY(desktop.started.isEmpty());
}

void TestAboutDialog::closeAreaEndsTheModalBox() {
    test::RecordingDesktop desktop;
    AboutDialog about(desktop, nullptr);
    bool stillOpenAfterMiss = false;
    QTimer inside;
    inside.setSingleShot(true);
    connect(&inside, &QTimer::timeout, [&] {
        // Just beside the close area, and the right button on it, leave the box open.
        QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(120, 200));
        QTest::mouseClick(about.btnExit, Qt::RightButton);
        stillOpenAfterMiss = about.isVisible();
        QTest::mouseClick(about.btnExit, Qt::LeftButton);
    });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, &about, &QDialog::reject);
    inside.start(0);
    guard.start(5000);

    about.exec();
    QVERIFY(guard.isActive());
    QVERIFY(stillOpenAfterMiss);
    QVERIFY(!about.isVisible());
    QVERIFY(desktop.urlsOpened.isEmpty());
}

// Each row: the element pressed (empty: the background), the button held, and whether the box
// follows the mouse.
void TestAboutDialog::dragRule_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("moves");

    QTest::newRow("background, left") << "" << Qt::LeftButton << true;
    QTest::newRow("background, right") << "" << Qt::RightButton << false;
    QTest::newRow("background, middle") << "" << Qt::MiddleButton << false;
    QTest::newRow("version line") << "VersionNr" << Qt::LeftButton << false;
    QTest::newRow("mail link") << "btnSendMail" << Qt::LeftButton << false;
    QTest::newRow("homepage link") << "btnVisitHomepage" << Qt::LeftButton << false;
    QTest::newRow("close area") << "btnExit" << Qt::LeftButton << false;
}

void TestAboutDialog::dragRule() {
    QFETCH(QString, name);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, moves);
    test::RecordingDesktop desktop;
    AboutDialog about(desktop, nullptr);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QPoint start = about.pos();
    QWidget* target = element(about, name);
    const QPoint at = name.isEmpty() ? QPoint(20, 110) : target->rect().center();

    const QPoint pressed = target->mapToGlobal(at);

    QTest::mousePress(target, button, {}, at);
    moveMouse(target, pressed + QPoint(20, 10), button);
    moveMouse(target, pressed + QPoint(40, 25), button);
    QTest::mouseRelease(target, button, {}, target->mapFromGlobal(pressed + QPoint(40, 25)));

    const QPoint released = about.pos();
    QCOMPARE(released, moves ? start + QPoint(40, 25) : start);
    // The release ends the drag: a later move, even with the button held, leaves the box be.
    moveMouse(target, pressed + QPoint(90, 60), Qt::LeftButton);
    QCOMPARE(about.pos(), released);
    QVERIFY(about.isVisible());
}

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
