#pragma once

#include <QString>

namespace vistrel {

// Removes leading and trailing spaces only; tabs and other white space stay, as the
// configuration's readers have always done.
inline QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace vistrel
