#include "platform/media/gst/PipelineEvents.h"

#include <QByteArray>

#include <gst/gst.h>

namespace vistrel {

namespace {

// The media type a "missing decoder" message names, e.g. "video/x-xvid"; empty for others.
QByteArray missingDecoderFor(GstMessage* message) {
    const GstStructure* s = gst_message_get_structure(message);
    if (!s || !gst_structure_has_name(s, "missing-plugin") ||
        g_strcmp0(gst_structure_get_string(s, "type"), "decoder") != 0)
        return {};
    const GValue* detail = gst_structure_get_value(s, "detail");
    if (!detail || !GST_VALUE_HOLDS_CAPS(detail))
        return {};
    const GstCaps* caps = gst_value_get_caps(detail);
    if (!caps || gst_caps_get_size(caps) == 0)
        return {};
    return gst_structure_get_name(gst_caps_get_structure(caps, 0));
}

QString errorText(GstMessage* message) {
    GError* error = nullptr;
    gst_message_parse_error(message, &error, nullptr);
    const QString text = QString::fromUtf8(error ? error->message : "unknown error");
    g_clear_error(&error);
    return text;
}

} // namespace

bool pipelineEventOf(GstMessage* message, PipelineEvent& event) {
    using Kind = PipelineEvent::Kind;
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ERROR:
        event = {Kind::Error, errorText(message)};
        return true;
    case GST_MESSAGE_ELEMENT: {
        const QByteArray mediaType = missingDecoderFor(message);
        event = {Kind::MissingVideoDecoder, QString::fromUtf8(mediaType)};
        return mediaType.startsWith("video/") || mediaType.startsWith("image/");
    }
    case GST_MESSAGE_APPLICATION:
        event = {Kind::VideoChanged, {}};
        return true;
    case GST_MESSAGE_ASYNC_DONE:
        event = {Kind::Prerolled, {}};
        return true;
    case GST_MESSAGE_EOS:
        event = {Kind::Ended, {}};
        return true;
    case GST_MESSAGE_DURATION_CHANGED:
        event = {Kind::DurationChanged, {}};
        return true;
    default:
        return false;
    }
}

} // namespace vistrel
