#include "doubles/Doubles.h"
#include "platform/media/DeferredPlayerControl.h"
#include "platform/media/MediaOpenError.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

// The stand-in keeps the framework unloaded until a file is named, then hands everything over.
class TestDeferredPlayer : public QObject {
    Q_OBJECT

    QWidget window_;
    int made_ = 0;
    FakeMediaPlayerControl* player_ = nullptr;

    DeferredPlayerControl::Factory factory(bool loads = true) {
        return [this, loads](QWidget* parent) -> MediaPlayerControl* {
            ++made_;
            if (!loads)
                return nullptr;
            player_ = new FakeMediaPlayerControl(parent);
            return player_;
        };
    }

  private slots:
    void init() {
        made_ = 0;
        player_ = nullptr;
    }

    void nothingLoadsUntilAFileIsNamed() {
        DeferredPlayerControl control(&window_, factory());
        control.setGeometry({16, 24, -5, 378});
        control.setVisible(false);
        control.setEnabled(false);
        control.Play();
        control.Stop();
        control.setDisplaySize(MediaDisplaySize::FitToSize);
        control.setFileName(QString());
        QCOMPARE(made_, 0);
        QCOMPARE(control.geometry(), QRect(16, 24, 0, 378));
        QVERIFY(!control.Visible());
        QCOMPARE(control.PlayState(), MediaPlayState::Stopped);
        QCOMPARE(control.errorIndicator(), 0);
        QCOMPARE(control.Duration(), 0.0);
    }

    void theFirstFileMakesThePlayerOnceWithWhatWasSet() {
        DeferredPlayerControl control(&window_, factory());
        QWidget* madeLater = new QWidget(&window_);
        control.setGeometry({16, 24, 513, 378});
        control.setVisible(false);
        control.setFileName("movie.avi");
        control.setFileName("other.avi");
        QCOMPARE(made_, 1);
        QVERIFY(player_->calls.contains("Geometry=16,24 513x378"));
        QVERIFY(!player_->Visible());
        QCOMPARE(player_->fileName(), QString("other.avi"));
        control.Play();
        QCOMPARE(control.PlayState(), MediaPlayState::Playing);
        // The video lies where the control was made: beneath what was made after it.
        const QList<QWidget*> order = window_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QVERIFY(order.indexOf(player_->widget()) < order.indexOf(madeLater));
        QSignalSpy clicks(&control, &MediaPlayerControl::DblClick);
        QSignalSpy failures(&control, &MediaPlayerControl::failedLate);
        emit player_->DblClick();
        emit player_->failedLate();
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(failures.count(), 1);
        delete madeLater;
    }

    void aFrameworkThatDoesNotLoadRefusesEveryFile() {
        DeferredPlayerControl control(&window_, factory(false));
        control.setFileName("movie.avi");
        QCOMPARE(control.errorIndicator(), int(Undecodable));
        control.Play();
        control.setDisplaySize(MediaDisplaySize::FullScreen);
        control.setFileName("again.avi");
        QCOMPARE(made_, 1);
        QCOMPARE(control.errorIndicator(), int(Undecodable));
        QCOMPARE(control.PlayState(), MediaPlayState::Stopped);
    }
};

QTEST_MAIN(TestDeferredPlayer)
#include "tst_deferredplayer.moc"
