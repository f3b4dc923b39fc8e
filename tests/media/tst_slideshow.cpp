#include "app/DiscConfig.h"
#include "doubles/FifoWatchdog.h"
#include "doubles/TestDisc.h"
#include "doubles/TestWindow.h"
#include "media/SlideDecoding.h"
#include "media/SlidePictureCache.h"
#include "media/Slideshow.h"
#include "window/MainDialog.h"

#include <QDir>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

#include <limits>

using namespace vistrel;
using namespace vistrel::test;

namespace {

const QSize NormalArea = VideoArea.size();

// A disc with the slideshow on and the given [SlideShow] section, read as the program reads it;
// the slideshow on a stage of its own, in a window on show.
struct SlideDisc {
    explicit SlideDisc(const QByteArray& slideShowSection) {
        disc.writeIni("[Main]\nSlideShow=1\n[SlideShow]\n" + slideShowSection);
        const DiscConfig config = DiscConfig::read(disc.filePath("vistrel.ini"));
        t.stage().setShow(Stage::Show::Slides, {});
        slideshow = std::make_unique<Slideshow>(
            *t.window.picShowPictures(), t.stage(), DiscFolder(disc.path()),
            SlideshowSettings{config.slidePictures, config.slideInterval}, said);
        t.window.show();
    }
    Slideshow& show() { return *slideshow; }
    MainDialog& window() { return t.window; }
    Stage& stage() { return t.stage(); }
    QColor shownColour() {
        const QPixmap shown = window().picShowPictures()->picture();
        if (shown.isNull())
            return QColor();
        const QImage image = shown.toImage();
        return QColor(image.pixel(image.width() / 2, image.height() / 2));
    }

    TestDisc disc;
    TestWindow t;
    RecordingMessageBoxes messages;
    Messages said = namedMessages(messages, "english");
    std::unique_ptr<Slideshow> slideshow;
};

// Distinct colours for pictures, by position.
QColor colourOf(int n) {
    return QColor(QColor::fromHsv((n * 47) % 360, 220, 200).rgb());
}

QByteArray key(int number, const QString& value) {
    return QByteArray::number(number) + "=" + value.toUtf8() + "\n";
}

// A picture with detail in it, so that scaling and identity show in its pixels.
void addDetailedPicture(TestDisc& disc, const QString& name, QSize size, int seed) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, colourOf(seed));
    gradient.setColorAt(1, colourOf(seed + 3));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(QPen(Qt::white, 9));
    for (int i = 0; i < 12; ++i)
        painter.drawLine(0, (i * 97 + seed * 31) % size.height(), size.width(),
                         (i * 53 + seed * 17) % size.height());
    painter.end();
    image.save(disc.filePath(name));
}

// Mean difference per channel of two images of one size (0 = identical).
double meanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double total = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            total += std::abs(qRed(p[col]) - qRed(q[col])) +
                     std::abs(qGreen(p[col]) - qGreen(q[col])) +
                     std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return total / (3.0 * x.width() * x.height());
}

void waitForBackground(const SlidePictureCache& cache) {
    for (int slot = 0; slot < cache.slotCount(); ++slot)
        QTRY_VERIFY(!cache.isDecoding(slot));
    QCoreApplication::processEvents();
}

// The slots whose background decode has landed since the last call, lowest first.
QList<int> landedSlots(QSignalSpy& decoded) {
    QList<int> landed;
    for (const QList<QVariant>& arguments : std::as_const(decoded))
        landed.append(arguments.at(0).toInt());
    decoded.clear();
    std::sort(landed.begin(), landed.end());
    return landed;
}

} // namespace

class TestSlideshow : public QObject {
    Q_OBJECT

  private slots:
    void cyclesInKeyOrderAndWrapsBothWays();
    void buildsSlotsFromTheKeys_data();
    void buildsSlotsFromTheKeys();
    void findsPicturesBelowTheDisc();
    void fileThatDoesNotDecodeShowsAsEmptySlot();
    void interval_data();
    void interval();
    void zeroIntervalNeverSteps();
    void timerStepsThePictures();
    void tickWaitsForTheNextPicture();
    void pipeDecodesAsNothing();
    void noPictureConfiguredDoesNothing();
    void slideIndexIsNeverReset();
    void lazyDecodeMatchesDirectDecode();
    void steppingShowsTheRightPictureAndKeepsFew();
    void followsThePictureAreaSize();
};

void TestSlideshow::cyclesInKeyOrderAndWrapsBothWays() {
    SlideDisc s(key(0, "red.png") + key(5, "green.png") + key(42, "blue.png"));
    s.disc.addPicture("red.png", {40, 30}, Qt::red);
    s.disc.addPicture("green.png", {40, 30}, Qt::green);
    s.disc.addPicture("blue.png", {40, 30}, Qt::blue);

    s.show().StartSlideShow();
    QCOMPARE(s.show().slotCount(), 3);
    QVERIFY(s.messages.shown.isEmpty());
    QVERIFY(s.window().picShowPictures()->isVisible());
    QVERIFY(s.stage().slidesRunning());
    QCOMPARE(s.shownColour(), QColor(Qt::red));

    const QList<QColor> forward{Qt::green, Qt::blue, Qt::red, Qt::green};
    for (const QColor& expected : forward) {
        s.show().AdvanceSlide();
        QCOMPARE(s.shownColour(), expected);
    }
    QVERIFY(s.stage().slidesRunning());

    const QList<QColor> backward{Qt::red, Qt::blue, Qt::green, Qt::red};
    for (const QColor& expected : backward) {
        s.show().stepBack();
        QCOMPARE(s.shownColour(), expected);
        QVERIFY(!s.stage().slidesRunning());
    }
}

// Each row: the [SlideShow] keys, the files that exist, the expected slots (file names, "" for
// an empty slot), and whether the one message is shown.
void TestSlideshow::buildsSlotsFromTheKeys_data() {
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("expectedSlots");
    QTest::addColumn<bool>("message");

    QTest::newRow("gaps between keys") << key(3, "c.png") + key(17, "a.png") + key(99, "b.png")
                                       << QStringList{"a.png", "b.png", "c.png"}
                                       << QStringList{"c.png", "a.png", "b.png"} << false;
    QTest::newRow("first missing: the second moves up, the last slot empty")
        << key(0, "gone.png") + key(1, "here.png") << QStringList{"here.png"}
        << QStringList{"here.png", ""} << true;
    QTest::newRow("several missing, one message")
        << key(0, "x.png") + key(1, "a.png") + key(2, "y.png") + key(3, "b.png") + key(4, "z.png")
        << QStringList{"a.png", "b.png"} << QStringList{"a.png", "b.png", "", "", ""} << true;
    QTest::newRow("keys that are not plain numbers do not count")
        << key(1, "a.png") + "07=b.png\n-1=b.png\n100=b.png\nx=b.png\n2=\n"
        << QStringList{"a.png", "b.png", "c.png"} << QStringList{"a.png"} << false;
    QTest::newRow("a blank value is no picture")
        << key(0, "   ") + key(1, "a.png") << QStringList{"a.png"} << QStringList{"a.png"} << false;

    QByteArray hundred;
    QStringList present, expectedSlots, empties;
    for (int i = 0; i < 100; ++i) {
        const QString name = QString("p%1.png").arg(i);
        hundred += key(i, name);
        if (i % 2 == 0) {
            present << name;
            expectedSlots << name;
        } else {
            empties << QString();
        }
    }
    QTest::newRow("100 pictures, half missing")
        << hundred << present << expectedSlots + empties << true;
}

void TestSlideshow::buildsSlotsFromTheKeys() {
    QFETCH(QByteArray, section);
    QFETCH(QStringList, present);
    QFETCH(QStringList, expectedSlots);
    QFETCH(bool, message);

    SlideDisc s(section);
    for (int i = 0; i < present.size(); ++i)
        s.disc.addPicture(present[i], {8, 6}, colourOf(i));
    s.show().StartSlideShow();

    QCOMPARE(s.show().slotCount(), expectedSlots.size());
    for (int i = 0; i < expectedSlots.size(); ++i) {
        const QString file = s.show().slotFile(i);
        if (expectedSlots[i].isEmpty())
            QVERIFY2(file.isEmpty(), qPrintable(file));
        else
            QCOMPARE(QFileInfo(file).fileName(), expectedSlots[i]);
    }
    // The message text is shown as it stands: no placeholder is filled in.
    const QStringList expectedMessages =
        message ? QStringList{"english errSlideshow %s"} : QStringList{};
    QCOMPARE(s.messages.texts(), expectedMessages);
    if (message)
        QCOMPARE(s.messages.shown.first().title, QString("Vistrel"));

    // Walking the whole cycle shows each slot's picture, or nothing for an empty slot, and comes
    // back to the first.
    auto colourOfSlot = [&](int slot) {
        return colourOf(int(present.indexOf(expectedSlots[slot])));
    };
    for (int slot = 0; slot < expectedSlots.size(); ++slot) {
        const bool empty = expectedSlots[slot].isEmpty();
        QCOMPARE(s.window().picShowPictures()->hasPicture(), !empty);
        if (!empty)
            QCOMPARE(s.shownColour(), colourOfSlot(slot));
        s.show().AdvanceSlide();
    }
    QCOMPARE(s.shownColour(), colourOfSlot(0));
}

void TestSlideshow::findsPicturesBelowTheDisc() {
    TestDisc outside;
    outside.addPicture("far.png", {8, 6}, Qt::cyan);
    SlideDisc s(key(0, "Pics\\Sub\\ONE.PNG") + key(1, "pics/sub/two.png") +
                key(2, outside.filePath("far.png")) + key(3, "\\pics\\sub\\one.png"));
    s.disc.addPicture("pics/sub/one.png", {8, 6}, Qt::red);
    s.disc.addPicture("pics/sub/two.png", {8, 6}, Qt::green);
    s.show().StartSlideShow();

    QVERIFY(s.messages.shown.isEmpty());
    const QList<QColor> expected{Qt::red, Qt::green, Qt::cyan, Qt::red};
    for (const QColor& colour : expected) {
        QCOMPARE(s.shownColour(), colour);
        s.show().AdvanceSlide();
    }
}

void TestSlideshow::fileThatDoesNotDecodeShowsAsEmptySlot() {
    SlideDisc s(key(0, "good.png") + key(1, "text.jpg") + key(2, "empty.png") + key(3, "folder") +
                key(4, "huge.bmp") + key(5, "cut.png") + key(6, "last.png"));
    s.disc.addPicture("good.png", {20, 20}, Qt::red);
    s.disc.writeFile("text.jpg", "this is not a picture at all\n");
    s.disc.writeFile("empty.png", "");
    QDir(s.disc.path()).mkdir("folder");
    // A bitmap header that promises 60000 x 60000 pixels: far beyond the allocation limit.
    QByteArray huge(54, '\0');
    auto put32 = [&huge](int at, quint32 value) {
        for (int i = 0; i < 4; ++i)
            huge[at + i] = char((value >> (8 * i)) & 0xff);
    };
    huge[0] = 'B';
    huge[1] = 'M';
    put32(2, 54 + 16);
    put32(10, 54);
    put32(14, 40);
    put32(18, 60000);
    put32(22, 60000);
    huge[26] = 1;
    huge[28] = 24;
    s.disc.writeFile("huge.bmp", huge + QByteArray(16, '\x7f'));
    s.disc.addPicture("whole.png", {300, 200}, Qt::blue);
    QFile whole(s.disc.filePath("whole.png"));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    s.disc.writeFile("cut.png", whole.read(whole.size() / 3));
    s.disc.addPicture("last.png", {20, 20}, Qt::green);

    s.show().StartSlideShow();
    QCOMPARE(s.show().slotCount(), 7);
    QVERIFY(s.messages.shown.isEmpty());
    QCOMPARE(s.shownColour(), QColor(Qt::red));
    for (int slot = 1; slot <= 4; ++slot) {
        s.show().AdvanceSlide();
        QVERIFY2(!s.window().picShowPictures()->hasPicture(), qPrintable(s.show().slotFile(slot)));
    }
    // A truncated file shows what it holds or nothing; it never brings the program down.
    s.show().AdvanceSlide();
    s.show().AdvanceSlide();
    QCOMPARE(s.shownColour(), QColor(Qt::green));
    s.show().AdvanceSlide();
    QCOMPARE(s.shownColour(), QColor(Qt::red));
}

void TestSlideshow::interval_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("interval");

    const int largest = std::numeric_limits<int>::max();
    QTest::newRow("no key") << QByteArray() << 3000;
    QTest::newRow("empty") << QByteArray("Interval=\n") << 3000;
    QTest::newRow("letters") << QByteArray("Interval=abc\n") << 3000;
    QTest::newRow("negative") << QByteArray("Interval=-5\n") << 3000;
    QTest::newRow("small negative") << QByteArray("Interval=-0.4\n") << 3000;
    QTest::newRow("number then text") << QByteArray("Interval=15 s\n") << 3000;
    QTest::newRow("overflowing exponent") << QByteArray("Interval=1e999\n") << 3000;
    QTest::newRow("plain") << QByteArray("Interval=1500\n") << 1500;
    QTest::newRow("blanks") << QByteArray("Interval=  2500  \n") << 2500;
    QTest::newRow("exponent") << QByteArray("Interval=1e3\n") << 1000;
    QTest::newRow("half rounds to even") << QByteArray("Interval=1500.5\n") << 1500;
    QTest::newRow("fraction rounds") << QByteArray("Interval=1500.7\n") << 1501;
    QTest::newRow("above 16 bits used as it is") << QByteArray("Interval=40000\n") << 40000;
    QTest::newRow("beyond any timer") << QByteArray("Interval=99999999999\n") << largest;
    QTest::newRow("zero: never fires") << QByteArray("Interval=0\n") << 0;
    QTest::newRow("rounds to zero") << QByteArray("Interval=0.4\n") << 0;
    QTest::newRow("1 ms runs at the floor") << QByteArray("Interval=1\n") << 100;
    QTest::newRow("just below the floor") << QByteArray("Interval=99.4\n") << 100;
    QTest::newRow("at the floor") << QByteArray("Interval=100\n") << 100;
}

void TestSlideshow::interval() {
    QFETCH(QByteArray, line);
    QFETCH(int, interval);

    SlideDisc s(line + key(0, "a.png"));
    s.disc.addPicture("a.png", {8, 6}, Qt::red);
    s.show().StartSlideShow();
    QCOMPARE(s.stage().slideInterval(), interval);
    QVERIFY(s.stage().slidesRunning());
}

void TestSlideshow::zeroIntervalNeverSteps() {
    SlideDisc s("Interval=0\n" + key(0, "a.png") + key(1, "b.png"));
    s.disc.addPicture("a.png", {8, 6}, Qt::red);
    s.disc.addPicture("b.png", {8, 6}, Qt::green);
    s.show().StartSlideShow();
    QTest::qWait(100);
    QCOMPARE(s.shownColour(), QColor(Qt::red));
    // Running the slides again, as Play does, keeps them quiet as well.
    s.stage().runSlides();
    QTest::qWait(100);
    QCOMPARE(s.shownColour(), QColor(Qt::red));
    // Stepping by hand still works.
    s.show().AdvanceSlide();
    QCOMPARE(s.shownColour(), QColor(Qt::green));
}

void TestSlideshow::timerStepsThePictures() {
    SlideDisc s("Interval=20\n" + key(0, "a.png") + key(1, "b.png"));
    s.disc.addPicture("a.png", {8, 6}, Qt::red);
    s.disc.addPicture("b.png", {8, 6}, Qt::green);
    s.show().StartSlideShow();
    QCOMPARE(s.shownColour(), QColor(Qt::red));
    // The first tick shows slot 1: slot 0 was shown at the start.
    QTRY_COMPARE(s.shownColour(), QColor(Qt::green));
    QTRY_COMPARE(s.shownColour(), QColor(Qt::red));
}

// A tick while the next picture is still being decoded leaves the picture on show: waiting
// for the decode would hold the window.
void TestSlideshow::tickWaitsForTheNextPicture() {
    SlideDisc s("Interval=100\n" + key(0, "a.png") + key(1, "big.png"));
    s.disc.addPicture("a.png", {8, 6}, Qt::red);
    // Large enough that its decode is still running when the tick comes right after the start.
    addDetailedPicture(s.disc, "big.png", {3000, 2000}, 1);
    s.show().StartSlideShow();
    s.stage().holdSlides();
    QVERIFY(s.show().pictures().isDecoding(1));
    emit s.stage().slideDue();
    QCOMPARE(s.shownColour(), QColor(Qt::red));
    waitForBackground(s.show().pictures());
    emit s.stage().slideDue();
    QVERIFY(s.shownColour().isValid() && s.shownColour() != QColor(Qt::red));
}

// A worker held on a pipe would hold the step that waits for its picture as well.
void TestSlideshow::pipeDecodesAsNothing() {
    QTemporaryDir dir;
    const QString pipe = dir.filePath("slide.png");
    QVERIFY(makeFifo(pipe));
    const FifoWatchdog watchdog({pipe});
    QVERIFY(decodeSlidePicture(pipe, NormalArea).isNull());
    QVERIFY2(!watchdog.fired(), "decoding blocked on a pipe");
}

void TestSlideshow::noPictureConfiguredDoesNothing() {
    SlideDisc s("Interval=500\n");
    s.window().picShowPictures()->hide();
    const qint64 logo = s.window().picShowPictures()->picture().cacheKey();
    s.show().StartSlideShow();
    QCOMPARE(s.show().slotCount(), 0);
    QVERIFY(s.messages.shown.isEmpty());
    QVERIFY(!s.stage().slidesRunning());
    QVERIFY(!s.window().picShowPictures()->isVisible());

    s.show().AdvanceSlide();
    s.show().stepBack();
    // The skin's logo stays: nothing was stepped to.
    QCOMPARE(s.window().picShowPictures()->picture().cacheKey(), logo);
    // Play asks for the slides whatever the slideshow holds: with none set up, nothing runs.
    s.stage().runSlides();
    QVERIFY(!s.stage().slidesRunning());
    QCOMPARE(s.window().picShowPictures()->picture().cacheKey(), logo);
    QVERIFY(s.messages.shown.isEmpty());
}

void TestSlideshow::slideIndexIsNeverReset() {
    QByteArray four;
    for (int i = 0; i < 4; ++i)
        four += key(i, QString("p%1.png").arg(i));
    SlideDisc s(four);
    for (int i = 0; i < 4; ++i)
        s.disc.addPicture(QString("p%1.png").arg(i), {8, 6}, colourOf(i));
    s.show().StartSlideShow();
    s.show().AdvanceSlide();
    s.show().AdvanceSlide();
    QCOMPARE(s.shownColour(), colourOf(2));

    // A second start shows slot 0 but keeps the slot last stepped to: the next step goes on
    // from there.
    s.show().StartSlideShow();
    QCOMPARE(s.shownColour(), colourOf(0));
    s.show().AdvanceSlide();
    QCOMPARE(s.shownColour(), colourOf(3));
}

void TestSlideshow::lazyDecodeMatchesDirectDecode() {
    const QSize photo(1600, 1200);
    QByteArray section;
    for (int i = 0; i < 5; ++i)
        section += key(i, QString("photo%1.%2").arg(i).arg(i % 2 ? "jpg" : "png"));
    SlideDisc s(section);
    for (int i = 0; i < 5; ++i)
        addDetailedPicture(s.disc, QString("photo%1.%2").arg(i).arg(i % 2 ? "jpg" : "png"), photo,
                           i);
    QSignalSpy decodedAhead(&s.show().pictures(), &SlidePictureCache::decoded);
    s.show().StartSlideShow();

    SlidePictureCache cold;
    cold.setAreaSize(NormalArea);
    QStringList files;
    for (int i = 0; i < 5; ++i)
        files << s.show().slotFile(i);
    cold.reset(files);

    for (int step = 0; step < 6; ++step) {
        const int slot = step % 5;
        const QImage shown = s.window().picShowPictures()->picture().toImage();
        QCOMPARE(shown.size(), NormalArea);
        // Decoded ahead on a worker or on the spot: the same pixels.
        QCOMPARE(shown, cold.picture(slot).toImage());
        // And the same picture as the whole file scaled down directly.
        const QImage direct =
            QImage(files[slot]).scaled(NormalArea, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(meanDifference(shown, direct) < 6, qPrintable(files[slot]));
        // The neighbours not yet kept are decoded ahead: both at the start, then the next one.
        waitForBackground(s.show().pictures());
        const QList<int> ahead =
            step == 0 ? QList<int>{(slot + 1) % 5, (slot + 4) % 5} : QList<int>{(slot + 1) % 5};
        QCOMPARE(landedSlots(decodedAhead), ahead);
        s.show().AdvanceSlide();
    }

    // A picture still kept is shown as the very same picture again.
    const qint64 before = s.window().picShowPictures()->picture().cacheKey();
    s.show().AdvanceSlide();
    s.show().stepBack();
    QCOMPARE(s.window().picShowPictures()->picture().cacheKey(), before);
}

void TestSlideshow::steppingShowsTheRightPictureAndKeepsFew() {
    const int count = 7;
    QByteArray section;
    for (int i = 0; i < count; ++i)
        section += key(i, QString("p%1.png").arg(i));
    SlideDisc s(section);
    for (int i = 0; i < count; ++i)
        s.disc.addPicture(QString("p%1.png").arg(i), {1200, 900}, colourOf(i));
    s.show().StartSlideShow();

    QRandomGenerator random(7);
    int expected = 0;
    for (int step = 0; step < 60; ++step) {
        if (random.bounded(2)) {
            s.show().AdvanceSlide();
            expected = (expected + 1) % count;
        } else {
            s.show().stepBack();
            expected = (expected + count - 1) % count;
        }
        if (random.bounded(4) == 0)
            QCoreApplication::processEvents();
        QCOMPARE(s.shownColour(), colourOf(expected));
        // Only the picture shown and its neighbours stay decoded.
        QVERIFY(s.show().pictures().keptCount() <= 3);
    }
    waitForBackground(s.show().pictures());
    QCOMPARE(s.shownColour(), colourOf(expected));
}

void TestSlideshow::followsThePictureAreaSize() {
    SlideDisc s(key(0, "a.png") + key(1, "b.png") + key(2, "c.png"));
    s.disc.addPicture("a.png", {2000, 1500}, Qt::red);
    s.disc.addPicture("b.png", {2000, 1500}, Qt::green);
    s.disc.addPicture("c.png", {300, 200}, Qt::blue);
    s.show().StartSlideShow();
    QCOMPARE(s.window().picShowPictures()->picture().size(), NormalArea);

    // Full screen stretches the area over the screen: the picture follows at the new size.
    const QSize screen(1280, 1024);
    s.window().picShowPictures()->setGeometry(QRect(QPoint(0, 0), screen));
    QTRY_COMPARE(s.window().picShowPictures()->picture().size(), screen);
    QCOMPARE(s.shownColour(), QColor(Qt::red));
    s.show().AdvanceSlide();
    QCOMPARE(s.window().picShowPictures()->picture().size(), screen);
    QCOMPARE(s.shownColour(), QColor(Qt::green));
    // A picture smaller than the area keeps its own size; the area stretches it.
    s.show().AdvanceSlide();
    QCOMPARE(s.window().picShowPictures()->picture().size(), QSize(300, 200));

    s.window().picShowPictures()->setGeometry(VideoArea);
    s.show().stepBack();
    QTRY_COMPARE(s.window().picShowPictures()->picture().size(), NormalArea);
    QCOMPARE(s.shownColour(), QColor(Qt::green));
}

QTEST_MAIN(TestSlideshow)
#include "tst_slideshow.moc"
