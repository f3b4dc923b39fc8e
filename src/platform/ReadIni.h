#pragma once

#include <QString>

namespace vistrel {

// One value of a profile file: the value, or the default when the file, section or key is
// missing; an empty value gives an empty string. Parsed files are cached by path, size and
// modification time, so repeated reads of one file parse it once.
QString ReadIni(const QString& section, const QString& key, const QString& defaultValue,
                const QString& filePath);

// Forgets every cached file (tests that rewrite a file within one timestamp tick use it).
void clearIniCache();

} // namespace vistrel
