#include "doubles/PlayerOpening.h"
#include "doubles/ScriptedEngine.h"
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
    QTemporaryDir media_;
    int made_ = 0;
    MediaPlayerControl* player_ = nullptr;
    ScriptedEngine* engine_ = nullptr;

    QString mediaFile(const QString& name) { return writeMediaFile(media_.filePath(name)); }

    DeferredPlayerControl::Factory factory(bool loads = true) {
        return [this, loads](QWidget* parent) -> MediaPlayerControl* {
            ++made_;
            if (!loads)
                return nullptr;
            return player_ = makeScriptedPlayer(parent, &engine_);
        };
    }

  private slots:
    void init() {
        made_ = 0;
        player_ = nullptr;
    }

    void nothingLoadsUntilAFileIsNamed() {
        DeferredPlayerControl control(&window_, factory());
        control.place({{16, 24, -5, 378}, false});
        control.Play();
        control.Stop();
        control.open(QString());
        QCOMPARE(made_, 0);
        QCOMPARE(control.PlayState(), MediaPlayState::Stopped);
        QCOMPARE(control.fileName(), QString());
        QCOMPARE(control.Duration(), 0.0);
    }

    void theFirstFileMakesThePlayerOnceWithWhatWasSet() {
        DeferredPlayerControl control(&window_, factory());
        QWidget* madeLater = new QWidget(&window_);
        const VideoPlacement hidden{{16, 24, 513, 378}, false};
        control.place(hidden);
        QSignalSpy opened(&control, &MediaPlayerControl::opened);
        control.open(mediaFile("movie.avi"));
        control.open(mediaFile("other.avi"));
        QCOMPARE(made_, 1);
        QCOMPARE(engine_->placement, hidden);
        QTRY_COMPARE(player_->fileName(), media_.filePath("other.avi"));
        QCOMPARE(opened.count(), 1); // the first file's verdict is dropped, as a player's is
        control.Play();
        QCOMPARE(control.PlayState(), MediaPlayState::Playing);
        // The video lies where the control was made: beneath what was made after it.
        const QList<QWidget*> order = window_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QVERIFY(order.indexOf(player_->widget()) < order.indexOf(madeLater));
        QSignalSpy clicks(&control, &MediaPlayerControl::DblClick);
        QSignalSpy failures(&control, &MediaPlayerControl::failed);
        QSignalSpy leftFullScreen(&control, &MediaPlayerControl::fullScreenLeft);
        emit engine_->doubleClicked();
        engine_->failNow(1);
        control.place({{16, 24, 513, 378}, true, true});
        engine_->pressEscapeInFullScreen();
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(failures.count(), 1);
        QCOMPARE(leftFullScreen.count(), 1);
        delete madeLater;
    }

    void aFrameworkThatDoesNotLoadRefusesEveryFile() {
        DeferredPlayerControl control(&window_, factory(false));
        QCOMPARE(openAndWait(control, "movie.avi"), int(Undecodable));
        control.Play();
        control.place({{16, 24, 513, 378}, true, true});
        QCOMPARE(openAndWait(control, "again.avi"), int(Undecodable));
        QCOMPARE(made_, 1);
        QCOMPARE(control.PlayState(), MediaPlayState::Stopped);
    }
};

QTEST_MAIN(TestDeferredPlayer)
#include "tst_deferredplayer.moc"
