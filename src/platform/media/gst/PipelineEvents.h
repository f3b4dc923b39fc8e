#pragma once

#include <QString>

typedef struct _GstMessage GstMessage;

namespace vistrel {

// What a pipeline tells the GUI thread, its bus messages read for the player.
struct PipelineEvent {
    enum class Kind { Prerolled, VideoChanged, MissingVideoDecoder, Error, Ended, DurationChanged };
    Kind kind;
    // Error: the framework's text. MissingVideoDecoder: the picture's media type, e.g.
    // "video/x-xvid" (a missing sound decoder leaves the picture to play).
    QString text;
};

// The event a bus message is for the player; false for a message the player has no use for.
bool pipelineEventOf(GstMessage* message, PipelineEvent& event);

} // namespace vistrel
