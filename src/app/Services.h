#pragma once

#include "window/MainDialog.h"

#include <functional>

namespace vistrel {

class Desktop;
class MessageBoxes;
class ProgramEnd;
class Registry;
class SingleInstance;

// The seams to the outside world that the application is given: real ones in the program, test
// doubles in the tests.
struct Services {
    Registry& registry;
    MessageBoxes& messages;
    ProgramEnd& programEnd;
    Desktop& desktop;
    SingleInstance& singleInstance;
    MainDialog::PlayerFactory makePlayer;
    MainDialog::DocumentFactory makeDocument;
    // True when the media framework here decodes the disc's video format by itself.
    std::function<bool()> frameworkDecodesMovieVideo;
};

} // namespace vistrel
