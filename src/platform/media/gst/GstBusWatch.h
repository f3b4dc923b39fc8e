#pragma once

#include <functional>

class QTimer;
typedef struct _GstBus GstBus;
typedef struct _GstMessage GstMessage;

namespace vistrel {

// Hands a pipeline's bus messages to the GUI thread, one at a time, from the Qt event loop. Where
// Qt runs GLib's main loop (Linux) the bus is a source of that loop and nothing polls; elsewhere a
// short timer empties the bus. Gone with this object: no message arrives after its destruction;
// a handler never destroys the watch that calls it.
class GstBusWatch {
  public:
    using Handler = std::function<void(GstMessage*)>;

    GstBusWatch(GstBus* bus, Handler handler);
    ~GstBusWatch();
    GstBusWatch(const GstBusWatch&) = delete;
    GstBusWatch& operator=(const GstBusWatch&) = delete;

    // Delivers what is waiting now (a caller that cannot wait for the event loop).
    void drain();

  private:
    GstBus* bus_;
    Handler handler_;
    unsigned source_ = 0;
    QTimer* poll_ = nullptr;
};

} // namespace vistrel
