#include "media/SlidePictureCache.h"

#include "media/SlideDecoding.h"
#include "platform/process/LowerPriority.h"

#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <set>

namespace vistrel {

SlidePictureCache::SlidePictureCache(QObject* parent) : QObject(parent) {
    // One worker for the next picture, one for the previous.
    pool_.setMaxThreadCount(2);
}

SlidePictureCache::~SlidePictureCache() {
    dropAll();
}

void SlidePictureCache::reset(const QStringList& files) {
    dropAll();
    files_ = files;
}

QString SlidePictureCache::file(int slot) const {
    return slot >= 0 && slot < files_.size() ? files_[slot] : QString();
}

void SlidePictureCache::setAreaSize(QSize size) {
    area_ = size;
}

QPixmap SlidePictureCache::picture(int slot) {
    const QString path = file(slot);
    if (path.isEmpty())
        return {};
    Entry& entry = entries_[slot];
    if (entry.ready && entry.size == area_)
        return entry.picture;
    if (entry.pending && entry.size == area_) {
        // Started ahead but not finished: waiting runs it here if no worker has taken it yet.
        entry.decoding.waitForFinished();
        store(entry, entry.decoding.result());
        return entry.picture;
    }
    abandon(entry);
    entry.size = area_;
    store(entry, decodeSlidePicture(path, area_));
    return entry.picture;
}

void SlidePictureCache::prepareAround(int slot) {
    const int count = slotCount();
    if (slot < 0 || slot >= count)
        return;
    const int next = (slot + 1) % count;
    const int previous = (slot + count - 1) % count;
    const std::set<int> kept{slot, next, previous};
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (kept.count(it->first)) {
            ++it;
            continue;
        }
        abandon(it->second);
        it = entries_.erase(it);
    }
    for (int wanted : {slot, next, previous})
        decodeAhead(wanted);
}

bool SlidePictureCache::isDecoding(int slot) const {
    const auto found = entries_.find(slot);
    return found != entries_.end() && found->second.pending && !found->second.decoding.isFinished();
}

void SlidePictureCache::decodeAhead(int slot) {
    const QString path = file(slot);
    if (path.isEmpty())
        return;
    Entry& entry = entries_[slot];
    if (entry.size == area_ && (entry.ready || entry.pending))
        return;
    abandon(entry);
    entry.size = area_;
    entry.job = ++lastJob_;
    // Decoding ahead is work nothing on the screen waits for yet; the first slide's is started
    // as the window's first frame goes to the screen. A wait for the picture may run the decode
    // on the waiting thread itself, which keeps its priority.
    entry.decoding = QtConcurrent::run(&pool_, [path, area = area_, owner = thread()] {
        if (QThread::currentThread() != owner)
            lowerThisThreadsPriority();
        return decodeSlidePicture(path, area);
    });
    entry.pending = true;
    entry.watcher = std::make_unique<QFutureWatcher<QImage>>();
    connect(entry.watcher.get(), &QFutureWatcherBase::finished, this,
            [this, slot, job = entry.job] { land(slot, job); });
    entry.watcher->setFuture(entry.decoding);
}

void SlidePictureCache::land(int slot, quint64 job) {
    const auto found = entries_.find(slot);
    if (found == entries_.end())
        return;
    Entry& entry = found->second;
    // A later decode replaced this one, or the slot was needed at once and decoded already.
    if (entry.job != job || !entry.pending)
        return;
    store(entry, entry.decoding.result());
    emit decoded(slot);
}

void SlidePictureCache::store(Entry& entry, QImage image) {
    entry.picture = QPixmap::fromImage(std::move(image));
    entry.ready = true;
    entry.pending = false;
    entry.decoding = {};
    entry.watcher.reset();
}

void SlidePictureCache::abandon(Entry& entry) {
    entry.watcher.reset();
    // A decode that has not started yet is skipped; a running one finishes unseen.
    if (entry.pending)
        entry.decoding.cancel();
    entry.pending = false;
    entry.decoding = {};
    entry.picture = QPixmap();
    entry.ready = false;
    entry.job = 0;
}

void SlidePictureCache::dropAll() {
    for (auto& [slot, entry] : entries_)
        abandon(entry);
    entries_.clear();
}

} // namespace vistrel
