#pragma once

#include <QString>

namespace vistrel::discgen {

// Language/english.lng and Language/german.lng (the German one in Windows-1252, as the disc's
// own code page); false (with the reason) when a file cannot be written.
bool writeLanguageFiles(const QString& discFolder, QString& error);

} // namespace vistrel::discgen
