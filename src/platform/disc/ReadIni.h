#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

namespace vistrel {

class IniFile;

// The largest profile file read (vistrel.ini, a language file); a larger one counts as missing.
inline constexpr qint64 ProfileFileLimit = 1024 * 1024;

// One look at a profile file for many values: the file is found, checked and (when changed)
// parsed once, and every value comes from that same version of it. A value is the default when
// the file, section or key is missing (a file that is no regular file, or is over the limit, is
// missing); an empty value gives an empty string. Parsed files are cached by path, size and
// modification time, so repeated looks at one file parse it once.
class ProfileSnapshot {
  public:
    explicit ProfileSnapshot(const QString& filePath);
    // Whether the file is one that is read: a regular file within the limit.
    bool found() const { return file_ != nullptr; }
    QString value(const QString& section, const QString& key,
                  const QString& defaultValue = QString()) const;
    // Whether the file holds the key, even with an empty value.
    bool has(const QString& section, const QString& key) const;

  private:
    std::shared_ptr<const IniFile> file_; // null: missing or unreadable
};

// True when the profile file at filePath (letter case ignored) is one that is read: a regular
// file within the limit.
bool isProfileFile(const QString& filePath);

// Forgets every cached file (tests that rewrite a file within one timestamp tick use it).
void clearIniCache();

} // namespace vistrel
