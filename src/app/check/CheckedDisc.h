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
    // As the program on the system the check runs on reads it.
    DiscConfig config;
    // As the program on each system reads it, in the order of TargetSystems.
    std::array<DiscConfig, TargetSystems.size()> systems;

    const DiscConfig& configOf(TargetSystem system) const;
    // Whether a button is there on any of the systems.
    bool offersAnywhere(ButtonId id) const;

    // A path as findings name it: relative to the disc when it lies on it.
    QString relative(const QString& path) const;
    // A configured path as it is looked for under the disc, with '/' between the names.
    static QString asWritten(const QString& configured);
    // Why a [Main] switch is off, as an author should read it: "SlideShow is not 1", or, for a
    // word that looks like on, that it counts as off.
    QString switchOff(const QString& key) const;
};

} // namespace vistrel
