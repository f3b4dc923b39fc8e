#pragma once

#include <QString>

namespace vistrel {

// The program-wide values that start-up fills once from the disc's configuration.
struct AppState {
    QString AppPath;
    QString IniPath;
    QString MediaPath;
    bool IsMovie = false;
    bool IsMusic = false;
    bool SlideShowOn = false;
    bool CodecInstalled = false;
    bool PlayerInstalled = false;
    QString PlayerDescription;
    QString PlayerInstallPath;
    QString PlayerRunPath;
    QString PlayerParameter;
    QString CodecDescription;
    QString CodecInstallPath;
    QString ExplorerPath;
    QString InfoPath;
    bool InstallPlayerVisible = false;
    bool InstallCodecVisible = false;
    bool InfoVisible = false;
    bool StartPlayerVisible = false;
    bool ExploreVisible = false;
    bool IsFullScreen = false;
    QString MsgTitle;
};

} // namespace vistrel
