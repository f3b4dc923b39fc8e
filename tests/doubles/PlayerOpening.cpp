#include "doubles/PlayerOpening.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace vistrel::test {

int openAndWait(MediaPlayerControl& player, const QString& path, int waitMs) {
    QSignalSpy opened(&player, &MediaPlayerControl::opened);
    QSignalSpy failed(&player, &MediaPlayerControl::failed);
    player.open(path);
    if (!QTest::qWaitFor([&] { return !opened.isEmpty() || !failed.isEmpty(); }, waitMs))
        return -1;
    return failed.isEmpty() ? int(NoError)
                            : int(qvariant_cast<MediaOpenError>(failed.first().at(0)));
}

QString writeMediaFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

} // namespace vistrel::test
