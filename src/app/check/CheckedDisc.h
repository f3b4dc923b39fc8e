#pragma once

#include "app/DiscConfig.h"
#include "platform/disc/DiscFolder.h"

#include <QString>

namespace vistrel {

// The disc as every check sees it: its folder and its configuration, read as the program reads
// them.
struct CheckedDisc {
    explicit CheckedDisc(const QString& root);

    DiscFolder folder;
    QString iniPath;
    DiscConfig config;

    // A path as findings name it: relative to the disc when it lies on it.
    QString relative(const QString& path) const;
    // A configured path as it is looked for under the disc, with '/' between the names.
    static QString asWritten(const QString& configured);
    // Why a [Main] switch is off, as an author should read it: "SlideShow is not 1", or, for a
    // word that looks like on, that it counts as off.
    QString switchOff(const QString& key) const;
};

} // namespace vistrel
