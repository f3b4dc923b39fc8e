#pragma once

#include "app/DiscConfig.h"
#include "platform/settings/Detection.h"

#include <QString>

namespace vistrel {

// The program-wide values that start-up fills once; features get the parts they use.
struct AppState {
    QString AppPath;
    QString IniPath;
    DiscConfig config;
    Components installed;
};

} // namespace vistrel
