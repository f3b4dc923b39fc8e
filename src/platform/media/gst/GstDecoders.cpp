#include "platform/media/gst/GstDecoders.h"

#include <gst/gst.h>

namespace vistrel {

namespace {

bool decodes(const char* caps) {
    GstCaps* wanted = gst_caps_from_string(caps);
    GList* decoders =
        gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_DECODER, GST_RANK_MARGINAL);
    GList* fitting = gst_element_factory_list_filter(decoders, wanted, GST_PAD_SINK, FALSE);
    const bool found = fitting != nullptr;
    gst_plugin_feature_list_free(fitting);
    gst_plugin_feature_list_free(decoders);
    gst_caps_unref(wanted);
    return found;
}

} // namespace

bool gstreamerDecodesMpeg4Video() {
    if (!gst_init_check(nullptr, nullptr, nullptr))
        return false;
    return decodes("video/mpeg, mpegversion=(int)4, systemstream=(boolean)false");
}

} // namespace vistrel
