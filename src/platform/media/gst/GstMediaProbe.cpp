#include "platform/media/gst/GstMediaProbe.h"

#include "platform/media/gst/GstRuntime.h"

#include <QUrl>

#include <gst/pbutils/pbutils.h>

namespace vistrel {

namespace {

QString codecOf(GstDiscovererStreamInfo* stream) {
    GstCaps* caps = gst_discoverer_stream_info_get_caps(stream);
    if (!caps)
        return {};
    gchar* description = gst_pb_utils_get_codec_description(caps);
    const QString name = QString::fromUtf8(description);
    g_free(description);
    gst_caps_unref(caps);
    return name;
}

// The first stream of a kind (video or audio) and what it says of itself.
void readStreams(GstDiscovererInfo* info, MediaFacts& facts) {
    if (GList* video = gst_discoverer_info_get_video_streams(info)) {
        auto* stream = GST_DISCOVERER_VIDEO_INFO(video->data);
        facts.videoSize = QSize(int(gst_discoverer_video_info_get_width(stream)),
                                int(gst_discoverer_video_info_get_height(stream)));
        const QSize pixel(int(gst_discoverer_video_info_get_par_num(stream)),
                          int(gst_discoverer_video_info_get_par_denom(stream)));
        if (!pixel.isEmpty())
            facts.pixelAspect = pixel;
        facts.videoCodec = codecOf(GST_DISCOVERER_STREAM_INFO(stream));
        gst_discoverer_stream_info_list_free(video);
    }
    if (GList* audio = gst_discoverer_info_get_audio_streams(info)) {
        facts.audioCodec = codecOf(GST_DISCOVERER_STREAM_INFO(audio->data));
        gst_discoverer_stream_info_list_free(audio);
    }
    const GstClockTime duration = gst_discoverer_info_get_duration(info);
    if (GST_CLOCK_TIME_IS_VALID(duration))
        facts.durationMs = qint64(duration / GST_MSECOND);
}

// The outermost stream is the container, where the file has one.
QString containerOf(GstDiscovererInfo* info) {
    GstDiscovererStreamInfo* top = gst_discoverer_info_get_stream_info(info);
    if (!top)
        return {};
    QString type;
    if (GST_IS_DISCOVERER_CONTAINER_INFO(top))
        if (GstCaps* caps = gst_discoverer_stream_info_get_caps(top)) {
            if (gst_caps_get_size(caps) > 0)
                type = QString::fromUtf8(gst_structure_get_name(gst_caps_get_structure(caps, 0)));
            gst_caps_unref(caps);
        }
    gst_discoverer_stream_info_unref(top);
    return type;
}

// What the discoverer lacked, each as "gstreamer|1.0|program|description|decoder-caps...".
QStringList missingOf(GstDiscovererInfo* info) {
    QStringList missing;
    if (const gchar** details = gst_discoverer_info_get_missing_elements_installer_details(info))
        for (const gchar** each = details; *each; ++each)
            missing.append(QString::fromUtf8(*each));
    return missing;
}

// A decoder missing for the video is told apart, as the player tells it; one missing for the
// sound alone, or a missing demuxer, means the file cannot be played.
MediaFacts::Verdict verdictOf(GstDiscovererResult result, const QStringList& missing) {
    switch (result) {
    case GST_DISCOVERER_OK:
        return MediaFacts::Opened;
    case GST_DISCOVERER_TIMEOUT:
        return MediaFacts::NoAnswer;
    case GST_DISCOVERER_MISSING_PLUGINS:
        for (const QString& each : missing)
            if (each.section('|', 4).startsWith("decoder-video/"))
                return MediaFacts::NoVideoDecoder;
        return MediaFacts::Refused;
    default:
        return MediaFacts::Refused;
    }
}

QString describeMissing(const QStringList& missing) {
    QStringList names;
    for (const QString& each : missing)
        names.append(each.section('|', 3, 3));
    return names.isEmpty() ? QStringLiteral("a plugin is missing") : "missing: " + names.join(", ");
}

} // namespace

MediaFacts probeMediaWithGstreamer(const QString& path, int timeoutMs) {
    MediaFacts facts;
    if (!startGstreamer()) {
        facts.error = QStringLiteral("the media framework does not start");
        return facts;
    }
    GError* error = nullptr;
    GstDiscoverer* discoverer = gst_discoverer_new(GstClockTime(timeoutMs) * GST_MSECOND, &error);
    if (!discoverer) {
        facts.error = QString::fromUtf8(error ? error->message : "no discoverer");
        g_clear_error(&error);
        return facts;
    }
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded();
    GstDiscovererInfo* info = gst_discoverer_discover_uri(discoverer, uri.constData(), &error);
    if (info) {
        readStreams(info, facts);
        facts.container = containerOf(info);
        const QStringList missing = missingOf(info);
        facts.verdict = verdictOf(gst_discoverer_info_get_result(info), missing);
        if (!missing.isEmpty())
            facts.error = describeMissing(missing);
        gst_discoverer_info_unref(info);
    }
    if (facts.verdict == MediaFacts::Refused && facts.error.isEmpty())
        facts.error = QString::fromUtf8(error ? error->message : "it cannot be read");
    g_clear_error(&error);
    g_object_unref(discoverer);
    return facts;
}

} // namespace vistrel
