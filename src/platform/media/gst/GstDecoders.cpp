#include "platform/media/gst/GstDecoders.h"

#include <gst/gst.h>

#include <string>
#include <vector>

#ifndef VISTREL_GST_PLUGIN_DIR
#define VISTREL_GST_PLUGIN_DIR ""
#endif

namespace vistrel {

namespace {

// FFmpeg's plugin has a decoder for each decoder of the FFmpeg it links, and MPEG-4 Part 2 is one
// that builds made for playing keep (the disc's own among them). Loading it to ask takes longer
// than the whole window's start (Debian's links a hundred libraries), so its file is enough.
constexpr const char* FfmpegPlugin = "libgstlibav.so";
// The plugins of hardware decoders, which have an MPEG-4 Part 2 decoder only where the machine's
// hardware does: loaded to ask.
constexpr const char* HardwareDecoderPlugins[] = {"libgstnvcodec.so", "libgstvaapi.so",
                                                  "libgstvideo4linux2.so", "libgstomx.so"};

constexpr const char* Mpeg4Video = "video/mpeg, mpegversion=(int)4, systemstream=(boolean)false";

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

// Whether any plugin file is known: not when the registry was left out.
bool registryHasPluginFiles() {
    GList* plugins = gst_registry_get_plugin_list(gst_registry_get());
    bool found = false;
    for (GList* each = plugins; each && !found; each = each->next)
        found = gst_plugin_get_filename(GST_PLUGIN(each->data)) != nullptr;
    gst_plugin_list_free(plugins);
    return found;
}

void appendFolders(std::vector<std::string>& folders, const char* list) {
    if (!list || !*list)
        return;
    gchar** parts = g_strsplit(list, G_SEARCHPATH_SEPARATOR_S, -1);
    for (gchar** part = parts; *part; ++part)
        if (**part)
            folders.emplace_back(*part);
    g_strfreev(parts);
}

// Where GStreamer looks for plugins: the folders named in its variables, else the user's own
// and the system's.
std::vector<std::string> pluginFolders() {
    std::vector<std::string> folders;
    const char* path = g_getenv("GST_PLUGIN_PATH_1_0");
    appendFolders(folders, path ? path : g_getenv("GST_PLUGIN_PATH"));
    const char* system = g_getenv("GST_PLUGIN_SYSTEM_PATH_1_0");
    if (!system)
        system = g_getenv("GST_PLUGIN_SYSTEM_PATH");
    if (system) {
        appendFolders(folders, system);
        return folders;
    }
    gchar* own = g_build_filename(g_get_user_data_dir(), "gstreamer-1.0", "plugins", nullptr);
    folders.emplace_back(own);
    g_free(own);
    appendFolders(folders, VISTREL_GST_PLUGIN_DIR);
    return folders;
}

// The plugin file's path in the first folder that has it; empty where none does.
std::string pluginFile(const std::vector<std::string>& folders, const char* file) {
    for (const std::string& folder : folders) {
        gchar* path = g_build_filename(folder.c_str(), file, nullptr);
        const std::string found = g_file_test(path, G_FILE_TEST_IS_REGULAR) ? path : "";
        g_free(path);
        if (!found.empty())
            return found;
    }
    return {};
}

bool decodesWithoutRegistry() {
    const std::vector<std::string> folders = pluginFolders();
    if (!pluginFile(folders, FfmpegPlugin).empty())
        return true;
    for (const char* file : HardwareDecoderPlugins) {
        const std::string path = pluginFile(folders, file);
        if (!path.empty())
            if (GstPlugin* plugin = gst_plugin_load_file(path.c_str(), nullptr))
                gst_object_unref(plugin);
    }
    return decodes(Mpeg4Video);
}

} // namespace

bool gstreamerDecodesMpeg4Video() {
    if (!gst_init_check(nullptr, nullptr, nullptr))
        return false;
    return registryHasPluginFiles() ? decodes(Mpeg4Video) : decodesWithoutRegistry();
}

} // namespace vistrel
