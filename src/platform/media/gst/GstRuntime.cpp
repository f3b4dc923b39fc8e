#include "platform/media/gst/GstRuntime.h"

#include "platform/log/Log.h"

#include <QRunnable>
#include <QThreadPool>

#include <gst/gst.h>

namespace vistrel {

bool startGstreamer() {
    static const bool started = [] {
        qCDebug(logMedia) << "starting the media framework";
        GError* error = nullptr;
        if (gst_init_check(nullptr, nullptr, &error))
            return true;
        qCWarning(logMedia) << "the media framework does not start:"
                            << (error ? error->message : "unknown reason");
        g_clear_error(&error);
        return false;
    }();
    return started;
}

void runOnPipelineThread(std::function<void()> task) {
    // One thread keeps the order; it is waited for when the program ends.
    static QThreadPool pool;
    static const bool configured = [] {
        pool.setMaxThreadCount(1);
        return true;
    }();
    Q_UNUSED(configured);
    pool.start(std::move(task));
}

} // namespace vistrel
