#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QStringList>
#include <QThreadPool>

#include <map>
#include <memory>

namespace vistrel {

// The slide pictures, decoded on demand at the size of the area that shows them. Only the slot
// shown and its two neighbours are kept; the neighbours are decoded ahead on worker threads so
// that a step finds its picture ready. Lives on the GUI thread.
class SlidePictureCache : public QObject {
    Q_OBJECT
  public:
    explicit SlidePictureCache(QObject* parent = nullptr);
    ~SlidePictureCache() override;

    // One file per slot; an empty name is an empty slot. Forgets every decoded picture.
    void reset(const QStringList& files);
    int slotCount() const { return static_cast<int>(files_.size()); }
    QString file(int slot) const;

    // The area, in device pixels, that pictures are decoded for.
    void setAreaSize(QSize size);
    QSize areaSize() const { return area_; }

    // The picture of a slot at the area's size, decoded now when it is not ready. Null for an
    // empty slot, one out of range, and a file that does not decode.
    QPixmap picture(int slot);
    // Keeps slot and its neighbours (wrapping), drops the rest, and decodes what is missing of
    // the three in the background.
    void prepareAround(int slot);

    // How many slots hold or are decoding a picture.
    int keptCount() const { return static_cast<int>(entries_.size()); }
    // True while the slot's background decode is queued or running.
    bool isDecoding(int slot) const;

  signals:
    // A background decode of the slot has landed at the area's size.
    void decoded(int slot);

  private:
    struct Entry {
        QSize size;
        QPixmap picture;
        bool ready = false;
        bool pending = false;
        quint64 job = 0;
        QFuture<QImage> decoding;
        std::unique_ptr<QFutureWatcher<QImage>> watcher;
    };

    void decodeAhead(int slot);
    void land(int slot, quint64 job);
    static void store(Entry& entry, QImage image);
    static void abandon(Entry& entry);
    void dropAll();

    // Declared first so that it is destroyed last, after every watcher is gone.
    QThreadPool pool_;
    QStringList files_;
    QSize area_;
    quint64 lastJob_ = 0;
    std::map<int, Entry> entries_;
};

} // namespace vistrel
