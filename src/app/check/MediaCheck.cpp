#include "app/check/MediaCheck.h"

#include "app/check/ConfiguredPath.h"
#include "app/check/MediaContainers.h"
#include "app/check/WindowsFormats.h"
#include "media/SlideDecoding.h"
#include "media/SlideInterval.h"
#include "platform/media/MediaProbe.h"
#include "text/NumericText.h"
#include "window/WindowAreas.h"

#include <QFileInfo>

#include <cmath>

namespace vistrel {

namespace {

constexpr double AspectTolerance = 0.05;

QString describe(const MediaFacts& facts) {
    QStringList parts;
    parts.append(QStringLiteral("%1 s").arg(double(facts.durationMs) / 1000.0, 0, 'f', 1));
    if (facts.videoSize.isValid())
        parts.append(QStringLiteral("video %1x%2")
                         .arg(facts.videoSize.width())
                         .arg(facts.videoSize.height()));
    if (!facts.videoCodec.isEmpty())
        parts.append("video codec " + facts.videoCodec);
    if (!facts.audioCodec.isEmpty())
        parts.append("audio codec " + facts.audioCodec);
    return parts.join(", ");
}

// The shape the viewer sees: the picture's size with the shape of its pixels (a DVD's 720x576
// is 16:9 or 4:3 as its pixels say).
double shownRatio(const MediaFacts& facts) {
    const QSize pixel = facts.pixelAspect.isEmpty() ? QSize(1, 1) : facts.pixelAspect;
    return double(facts.videoSize.width()) * pixel.width() /
           (double(facts.videoSize.height()) * pixel.height());
}

// Nothing an author must mend: the player keeps the film's shape and fills the rest with black.
std::optional<Finding> shapeNote(const QString& file, const MediaFacts& facts) {
    const QSize video = facts.videoSize;
    if (!video.isValid() || video.isEmpty())
        return std::nullopt;
    const QSize area = VideoArea.size();
    const double ratio = shownRatio(facts);
    const double areaRatio = double(area.width()) / area.height();
    if (std::abs(ratio / areaRatio - 1.0) <= AspectTolerance)
        return std::nullopt;
    const bool wider = ratio > areaRatio;
    const QSize shown = wider ? QSize(area.width(), int(std::lround(area.width() / ratio)))
                              : QSize(int(std::lround(area.height() * ratio)), area.height());
    const QString pixels = facts.pixelAspect.isEmpty() || facts.pixelAspect == QSize(1, 1)
                               ? QString()
                               : QStringLiteral(" with pixels of %1:%2")
                                     .arg(facts.pixelAspect.width())
                                     .arg(facts.pixelAspect.height());
    return note(file,
                QStringLiteral("the video shows at %1:1 (%2x%3%4), the video area is %5:1 "
                               "(%6x%7): the film fills %8x%9 of it, with black bars %10")
                    .arg(ratio, 0, 'f', 2)
                    .arg(video.width())
                    .arg(video.height())
                    .arg(pixels)
                    .arg(areaRatio, 0, 'f', 2)
                    .arg(area.width())
                    .arg(area.height())
                    .arg(shown.width())
                    .arg(shown.height())
                    .arg(wider ? "above and below" : "left and right"),
                "a film at 4:3 (e.g. 640x480) fills the area; any other shape plays as well");
}

// Players that go by a file's name rather than its content may refuse a file whose extension
// says another kind than it is.
Finding misnamedMedia(const QString& file, const QString& key, const MediaContainer& container) {
    const QFileInfo name(file);
    return warning(file,
                   QStringLiteral("%1 is %2, not what its extension .%3 says: players that go by "
                                  "the name, the external player among them, may refuse it")
                       .arg(name.fileName(), container.name, name.suffix()),
                   QStringLiteral("rename it to %1.%2 and change %3 to match")
                       .arg(name.completeBaseName(), container.extensions.first(), key));
}

QString mediaKey(bool movie) {
    return movie ? QStringLiteral("[Main] Movie") : QStringLiteral("[Main] Music");
}

Findings probe(const CheckedDisc& disc, const MediaProber& probeMedia, const QString& found,
               bool movie) {
    const QString file = disc.relative(found);
    if (QFileInfo(found).isDir())
        return {error(file, "the media names a folder", "name the media file itself")};
    if (QFileInfo(found).size() == 0)
        return {error(file, "the media file is empty", "put the real file there")};
    const MediaFacts facts = probeMedia(found, MediaProbeTimeoutMs);
    switch (facts.verdict) {
    case MediaFacts::Refused:
        return {error(file, "the media framework cannot open it: " + facts.error,
                      "encode it as MPEG-4 or H.264 video with MP3 or AAC sound")};
    case MediaFacts::NoVideoDecoder:
        return {error(file, "this machine has no decoder for its video (" + describe(facts) + ")",
                      "encode it with a common codec (MPEG-4, H.264), or install the decoder")};
    case MediaFacts::NoAnswer:
        return {warning(file, "the media framework gave no answer within 5 s",
                        "try a smaller or more common file")};
    case MediaFacts::Opened:
        break;
    }
    Findings findings{note(file, "opens: " + describe(facts))};
    if (movie)
        if (const std::optional<Finding> shape = shapeNote(file, facts))
            findings.append(*shape);
    // Windows is asked about the kind the file really is, whatever its name says.
    QString judged = found;
    if (const MediaContainer* container = findMediaContainer(facts.container);
        container && !isNamedAs(found, *container)) {
        findings.append(misnamedMedia(file, mediaKey(movie), *container));
        judged = QFileInfo(found).completeBaseName() + "." + container->extensions.first();
    }
    if (const std::optional<QString> lack =
            windowsLacksFor(judged, facts.videoCodec, facts.audioCodec))
        findings.append(note(file,
                             *lack + ": the Windows program plays it with its own decoders, "
                                     "but an external player on Windows plays it only where "
                                     "extra codecs are installed",
                             "for a film that every Windows player plays too, use H.264 video "
                             "with AAC sound in MP4"));
    return findings;
}

std::optional<Finding> intervalFinding(const QString& configured) {
    const std::string interval = configured.toStdString();
    const int used = slideInterval(interval);
    if (configured.isEmpty())
        return std::nullopt;
    if (!isNumericText(interval) || *numericValue(interval) < 0)
        return warning("vistrel.ini",
                       "[SlideShow] Interval \"" + configured +
                           "\" is not a number of milliseconds; the program uses " +
                           QString::number(used),
                       "write Interval=3000 for three seconds");
    if (used == SlideIntervalFloor && std::nearbyint(*numericValue(interval)) < used)
        return warning("vistrel.ini",
                       "[SlideShow] Interval \"" + configured + "\" is shorter than " +
                           QString::number(used) + " ms; the program uses " + QString::number(used),
                       "no viewer sees faster pictures: write Interval=" + QString::number(used) +
                           " or more");
    return std::nullopt;
}

} // namespace

Findings checkMedia(const CheckedDisc& disc, const MediaProber& probeMedia) {
    const DiscConfig& config = disc.config;
    const bool movie = !config.movie.isEmpty();
    const QString configured = movie ? config.movie : config.music;
    if (configured.isEmpty())
        return {};
    const LocatedPath media = locatePath(disc, mediaKey(movie), configured, PathKind::Entry);
    Findings findings = media.findings;
    if (!media.found.isEmpty())
        findings.append(probe(disc, probeMedia, media.found, movie));
    return findings;
}

Findings checkSlideshow(const CheckedDisc& disc) {
    const DiscConfig& config = disc.config;
    if (!config.slideShow) {
        if (!config.slidePictures.isEmpty() && config.movie.isEmpty())
            return {note("vistrel.ini",
                         "[SlideShow] lists pictures, but [Main] " + disc.switchOff("SlideShow"),
                         "set SlideShow=1 under [Main] to show them")};
        return {};
    }
    Findings findings;
    if (config.slidePictures.isEmpty())
        findings.append(warning("vistrel.ini", "SlideShow=1, but [SlideShow] lists no pictures",
                                "add pictures as 0=Pictures\\first.jpg, 1=..."));
    const QSize area = VideoArea.size();
    for (const QString& picture : config.slidePictures) {
        const LocatedPath slide =
            locatePath(disc, "a [SlideShow] picture", picture, PathKind::Entry);
        findings.append(slide.findings);
        if (!slide.found.isEmpty() && decodeSlidePicture(slide.found, area).isNull())
            findings.append(error(disc.relative(slide.found),
                                  "the slide cannot be read; its place stays empty",
                                  "save it again as JPEG or PNG"));
    }
    if (const std::optional<Finding> interval = intervalFinding(config.slideInterval))
        findings.append(*interval);
    return findings;
}

} // namespace vistrel
