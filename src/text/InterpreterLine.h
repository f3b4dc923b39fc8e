#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

// A script's first line as the system reads it to start the script ("#!/bin/sh -e"): the
// interpreter is the first word after "#!", up to a blank, a tab or the line's end. Only '\n'
// ends the line, so a carriage return before it (a script saved with Windows line ends) becomes
// part of the interpreter's name, or of its argument.
struct InterpreterLine {
    std::string interpreter; // empty when the line names none
    bool endsInCarriageReturn = false;
};

// Nothing when the text does not begin with "#!".
std::optional<InterpreterLine> readInterpreterLine(std::string_view text);

} // namespace vistrel
