// The slideshow with camera photos: 100 JPEG pictures of 4000 x 3000 pixels. Measures the time
// from the start of the slideshow to the first picture shown, each step afterwards and the peak
// resident memory through a whole cycle, for the slideshow as built (pictures decoded at the
// area's size, neighbours ahead) beside loading every picture whole at the start.
//
//   bench_slideshow [--pictures N] [--folder DIR]
//
// The photos are generated once into DIR (default: <temp>/vistrel-bench-photos) and reused.

#include "doubles/TestWindow.h"
#include "media/Slideshow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <optional>
#include <vector>

using namespace vistrel;
using namespace vistrel::test;

namespace {

const QSize PhotoSize(4000, 3000);
const QSize ScreenSize(1920, 1080);

// ---- memory -------------------------------------------------------------------------------

qint64 statusKb(const char* field) {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

double rssMb() {
    return statusKb("VmRSS") / 1024.0;
}

// Resets the kernel's high-water mark of resident memory to the present amount.
bool resetPeak() {
    QFile refs("/proc/self/clear_refs");
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

double availableMb() {
    QFile info("/proc/meminfo");
    if (!info.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : info.readAll().split('\n')) {
        if (line.startsWith("MemAvailable:"))
            return line.mid(13).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

// Peak resident memory since the last reset; also follows samples where the reset is refused.
class PeakMemory {
  public:
    PeakMemory() : kernelPeak_(resetPeak()) { sample(); }
    void sample() { sampled_ = std::max(sampled_, rssMb()); }
    double peakMb() {
        sample();
        return kernelPeak_ ? std::max(sampled_, statusKb("VmHWM") / 1024.0) : sampled_;
    }

  private:
    bool kernelPeak_;
    double sampled_ = 0;
};

// ---- photos -------------------------------------------------------------------------------

// A photo-like picture: soft shapes of colour under sensor noise, so that it compresses to the
// size a camera's JPEG has.
QImage photo(int seed) {
    QRandomGenerator random(quint32(seed) * 7919u + 1u);
    QImage image(PhotoSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor::fromHsv(random.bounded(360), 90, 160));
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const QPointF centre(random.bounded(PhotoSize.width()), random.bounded(PhotoSize.height()));
        const double radius = 200 + random.bounded(1200);
        QRadialGradient gradient(centre, radius);
        gradient.setColorAt(0, QColor::fromHsv(random.bounded(360), 160, 230, 200));
        gradient.setColorAt(1, QColor(0, 0, 0, 0));
        painter.setBrush(gradient);
        painter.drawEllipse(centre, radius, radius);
    }
    painter.end();
    quint32 state = quint32(seed) * 2654435761u + 12345u;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int noise = int(state % 25) - 12;
            const QRgb p = line[x];
            line[x] =
                qRgb(std::clamp(qRed(p) + noise, 0, 255), std::clamp(qGreen(p) + noise, 0, 255),
                     std::clamp(qBlue(p) + int((state >> 8) % 13) - 6, 0, 255));
        }
    }
    return image;
}

QString photoPath(const QString& folder, int index) {
    return QDir(folder).filePath(QString("photo%1.jpg").arg(index, 3, 10, QChar('0')));
}

bool photoIsThere(const QString& path) {
    QImageReader reader(path);
    return reader.size() == PhotoSize;
}

void ensurePhotos(const QString& folder, int count) {
    QDir().mkpath(folder);
    std::vector<int> missing;
    for (int i = 0; i < count; ++i) {
        if (!photoIsThere(photoPath(folder, i)))
            missing.push_back(i);
    }
    QElapsedTimer clock;
    clock.start();
    QtConcurrent::blockingMap(missing, [&folder](int index) {
        QImageWriter writer(photoPath(folder, index), "jpeg");
        writer.setQuality(90);
        writer.write(photo(index));
    });
    qint64 bytes = 0;
    for (int i = 0; i < count; ++i)
        bytes += QFileInfo(photoPath(folder, i)).size();
    std::printf("photos: %d of %dx%d in %s, %.1f MB on disk (%zu generated in %.1f s)\n", count,
                PhotoSize.width(), PhotoSize.height(), qPrintable(folder), bytes / 1048576.0,
                missing.size(), clock.elapsed() / 1000.0);
}

// ---- the runs -----------------------------------------------------------------------------

struct Figures {
    double firstMs = 0;
    std::vector<double> stepsMs;       // with the interval's time between steps
    std::vector<double> quickStepsMs;  // one step right after the other
    std::vector<double> screenStepsMs; // at full-screen size
    double peakMb = 0;
    double baseMb = 0;
    int pictures = 0;
};

double msSince(const QElapsedTimer& clock) {
    return clock.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double worst(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// The slideshow of the photos in the program's window, on its stage.
struct BenchDisc {
    BenchDisc(const QString& folder, int count) {
        QStringList photos;
        for (int i = 0; i < count; ++i)
            photos.append(photoPath(folder, i));
        t.stage().setShow(Stage::Show::Slides, {});
        slideshow =
            std::make_unique<Slideshow>(*t.window.picShowPictures(), t.stage(), DiscFolder(folder),
                                        SlideshowSettings{photos, "3000"}, said);
        t.window.show();
    }
    MainDialog& window() { return t.window; }

    TestWindow t;
    RecordingMessageBoxes messages;
    Messages said{messages, "Vistrel"};
    std::unique_ptr<Slideshow> slideshow;
};

// Lets the picture decoding ahead finish, as the time between two steps would.
void waitForDecodingAhead(const Slideshow& show) {
    const SlidePictureCache& pictures = show.pictures();
    for (int slot = 0; slot < pictures.slotCount(); ++slot)
        while (pictures.isDecoding(slot)) {
            QCoreApplication::processEvents();
            QThread::msleep(1);
        }
    QCoreApplication::processEvents();
}

template <typename Step> double timedStep(MainDialog& window, Step step) {
    QElapsedTimer clock;
    clock.start();
    step();
    window.picShowPictures()->repaint();
    return msSince(clock);
}

Figures runLazy(const QString& folder, int count) {
    Figures figures;
    BenchDisc bench(folder, count);
    MainDialog& window = bench.window();
    Slideshow& show = *bench.slideshow;
    QCoreApplication::processEvents();
    figures.baseMb = rssMb();
    PeakMemory peak;

    figures.firstMs = timedStep(window, [&] { show.StartSlideShow(); });
    figures.pictures = show.slotCount();
    for (int i = 0; i < count; ++i) {
        waitForDecodingAhead(show);
        figures.stepsMs.push_back(timedStep(window, [&] { show.AdvanceSlide(); }));
        peak.sample();
    }
    for (int i = 0; i < count; ++i) {
        figures.quickStepsMs.push_back(timedStep(window, [&] { show.AdvanceSlide(); }));
        peak.sample();
    }
    window.picShowPictures()->setGeometry(QRect(QPoint(0, 0), ScreenSize));
    for (int i = 0; i < count; ++i) {
        waitForDecodingAhead(show);
        figures.screenStepsMs.push_back(timedStep(window, [&] { show.AdvanceSlide(); }));
        peak.sample();
    }
    waitForDecodingAhead(show);
    figures.peakMb = peak.peakMb();
    return figures;
}

// Every picture decoded whole when the slideshow starts; a step only shows another one.
Figures runEager(const QString& folder, int count) {
    Figures figures;
    BenchDisc bench(folder, count);
    MainDialog& window = bench.window();
    QCoreApplication::processEvents();
    figures.baseMb = rssMb();
    PeakMemory peak;

    std::vector<QPixmap> pictures;
    figures.firstMs = timedStep(window, [&] {
        for (int i = 0; i < count; ++i)
            pictures.emplace_back(photoPath(folder, i));
        window.picShowPictures()->setPicture(pictures.front());
        window.picShowPictures()->show();
    });
    figures.pictures = int(pictures.size());
    peak.sample();
    int index = 0;
    auto advance = [&] {
        index = (index + 1) % count;
        window.picShowPictures()->setPicture(pictures[size_t(index)]);
    };
    for (int i = 0; i < count; ++i)
        figures.stepsMs.push_back(timedStep(window, advance));
    figures.quickStepsMs = figures.stepsMs;
    window.picShowPictures()->setGeometry(QRect(QPoint(0, 0), ScreenSize));
    for (int i = 0; i < count; ++i)
        figures.screenStepsMs.push_back(timedStep(window, advance));
    figures.peakMb = peak.peakMb();
    return figures;
}

void printTable(const Figures& lazy, const std::optional<Figures>& eager) {
    struct Row {
        const char* name;
        double lazy;
        double eager;
        const char* target;
    };
    const Figures none;
    const Figures& e = eager ? *eager : none;
    const Row rows[] = {
        {"first picture shown (ms)", lazy.firstMs, e.firstMs, "< 300"},
        {"step, median (ms)", median(lazy.stepsMs), median(e.stepsMs), "< 50"},
        {"step, worst (ms)", worst(lazy.stepsMs), worst(e.stepsMs), "< 50"},
        {"step right after step, median (ms)", median(lazy.quickStepsMs), median(e.quickStepsMs),
         ""},
        {"step right after step, worst (ms)", worst(lazy.quickStepsMs), worst(e.quickStepsMs), ""},
        {"step at 1920x1080, median (ms)", median(lazy.screenStepsMs), median(e.screenStepsMs), ""},
        {"step at 1920x1080, worst (ms)", worst(lazy.screenStepsMs), worst(e.screenStepsMs), ""},
        {"resident memory before start (MB)", lazy.baseMb, e.baseMb, ""},
        {"peak resident memory (MB)", lazy.peakMb, e.peakMb, "< 250"},
    };
    std::printf("\n%-38s %14s %16s %8s\n", "", "decoded lazily", "all at start", "target");
    for (const Row& row : rows) {
        if (eager)
            std::printf("%-38s %14.1f %16.1f %8s\n", row.name, row.lazy, row.eager, row.target);
        else
            std::printf("%-38s %14.1f %16s %8s\n", row.name, row.lazy, "-", row.target);
    }
    std::printf("%-38s %14d %16d\n", "pictures in the cycle", lazy.pictures, e.pictures);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"pictures", "Number of photos (default 100).", "count", "100"});
    parser.addOption({"folder", "Folder of the generated photos.", "dir",
                      QDir(QDir::tempPath()).filePath("vistrel-bench-photos")});
    parser.addOption({"lazy-only", "Skip loading every picture at start."});
    parser.process(app);
    const int count = std::clamp(parser.value("pictures").toInt(), 1, 100);
    const QString folder = parser.value("folder");

    ensurePhotos(folder, count);
    const Figures lazy = runLazy(folder, count);

    std::optional<Figures> eager;
    // Every picture whole takes width x height x 4 bytes; run it only where memory allows.
    const double eagerNeedMb = count * PhotoSize.width() * PhotoSize.height() * 4.0 / 1048576.0;
    if (parser.isSet("lazy-only"))
        std::printf("loading every picture at start: skipped\n");
    else if (availableMb() < eagerNeedMb * 1.25 + 1024)
        std::printf("loading every picture at start: skipped, it needs %.0f MB and %.0f MB are "
                    "available\n",
                    eagerNeedMb, availableMb());
    else
        eager = runEager(folder, count);
    printTable(lazy, eager);
    return 0;
}
