// The window's own drawing of the video's pictures (a Wayland session): the picture keeps its
// shape as shown, pixel shape included, with black bars where it does not fill the area; until
// the first picture the area is black; a new picture is drawn without being asked for.
#include "platform/media/gst/DrawnFrames.h"
#include "platform/media/gst/FrameSurface.h"

#include <QSignalSpy>
#include <QTest>

#include <thread>

using namespace vistrel;

class TestFrameSurface : public QObject {
    Q_OBJECT

    static QImage filled(QSize size, QColor colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    static QColor at(QWidget& widget, int x, int y) {
        return widget.grab().toImage().pixelColor(x, y);
    }

  private slots:
    void keepsTheShapeAsShownWithBars() {
        auto frames = DrawnFrames::make();
        QWidget window;
        FrameSurface surface(&window, frames);
        surface.resize(400, 300);
        QCOMPARE(at(surface, 200, 150), QColor(Qt::black));

        // A DVD's 720 x 576 with wide pixels shows at 16:9: bars above and below in a 4:3 area.
        frames->put({filled({720, 576}, Qt::red), 64.0 / 45.0});
        QCOMPARE(at(surface, 200, 150), QColor(Qt::red));
        QCOMPARE(at(surface, 200, 30), QColor(Qt::black));
        QCOMPARE(at(surface, 200, 270), QColor(Qt::black));
        QCOMPARE(at(surface, 2, 150), QColor(Qt::red));

        // A tall picture: bars left and right instead.
        frames->put({filled({300, 600}, Qt::blue), 1.0});
        QCOMPARE(at(surface, 200, 150), QColor(Qt::blue));
        QCOMPARE(at(surface, 40, 150), QColor(Qt::black));
        QCOMPARE(at(surface, 200, 2), QColor(Qt::blue));

        frames->clear();
        QCOMPARE(at(surface, 200, 150), QColor(Qt::black));
    }

    void aPictureFromAnotherThreadAsksForOnePaint() {
        auto frames = DrawnFrames::make();
        QSignalSpy arrived(frames.get(), &DrawnFrames::arrived);
        std::thread sink([frames] {
            for (int i = 0; i < 5; ++i)
                frames->put({filled({16, 16}, QColor(i * 40, 0, 0)), 1.0});
        });
        sink.join();
        QVERIFY(arrived.wait(2000));
        QTest::qWait(50);
        QCOMPARE(arrived.count(), 1); // the pictures replaced one another
        QCOMPARE(frames->newest().image.pixelColor(0, 0), QColor(160, 0, 0));
    }
};

QTEST_MAIN(TestFrameSurface)
#include "tst_framesurface.moc"
