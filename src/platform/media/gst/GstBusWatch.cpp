#include "platform/media/gst/GstBusWatch.h"

#include <QAbstractEventDispatcher>
#include <QTimer>

#include <gst/gst.h>

namespace vistrel {

namespace {

constexpr int PollIntervalMs = 10;

// Qt's GLib event dispatchers (the GUI thread's, offscreen as on X11) iterate the thread's default
// main context, where a bus watch lives.
bool eventLoopRunsGlib() {
    const QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    return dispatcher && QByteArray(dispatcher->metaObject()->className()).contains("Glib");
}

gboolean deliver(GstBus*, GstMessage* message, gpointer handler) {
    (*static_cast<GstBusWatch::Handler*>(handler))(message);
    return G_SOURCE_CONTINUE;
}

} // namespace

GstBusWatch::GstBusWatch(GstBus* bus, Handler handler)
    : bus_(static_cast<GstBus*>(gst_object_ref(bus))), handler_(std::move(handler)) {
    if (eventLoopRunsGlib()) {
        source_ = gst_bus_add_watch(bus_, deliver, &handler_);
        if (source_ != 0)
            return;
    }
    poll_ = new QTimer;
    poll_->setInterval(PollIntervalMs);
    QObject::connect(poll_, &QTimer::timeout, [this] { drain(); });
    poll_->start();
}

GstBusWatch::~GstBusWatch() {
    if (source_ != 0)
        gst_bus_remove_watch(bus_);
    delete poll_;
    gst_object_unref(bus_);
}

void GstBusWatch::drain() {
    while (GstMessage* message = gst_bus_pop(bus_)) {
        handler_(message);
        gst_message_unref(message);
    }
}

} // namespace vistrel
