#pragma once

#include "app/check/CheckedDisc.h"
#include "app/check/DiscFindings.h"

#include <optional>

namespace vistrel {

// A program a button starts (an installer, the external player), found on the disc, as one
// system reads it from vistrel.ini.
struct ProgramTarget {
    TargetSystem system;
    QString key;     // as findings name it: "[Player] InstallPath.Linux"
    QString section; // "Player"
    QString ownKey;  // the key that gives this system a program of its own: "InstallPath.Linux"
    bool shared;     // read from the plain key, which serves every system without its own
    QString button;  // the button, as an author knows it
    QString found;   // the file, as it lies on disk
};

// What keeps the system from starting the program, or from having one at all: a Windows
// program must be one Windows starts by its name; a Linux one must be a Linux program or a
// script with a working interpreter line (and, judged where the check runs on Linux, executable).
std::optional<Finding> programProblem(const CheckedDisc& disc, const ProgramTarget& target);

} // namespace vistrel
