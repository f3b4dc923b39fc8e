#pragma once

#include <QString>

namespace vistrel {

// The one rule for finding a path the disc's configuration names. A configured path may use '\'
// or '/' and its letter case does not matter. It is looked for under the disc first, then as
// written (absolute, or relative to the working folder): whoever started the program must not
// be able to put a file of theirs in place of the disc's own. Each lookup is named by the kind
// it needs and gives the absolute path as it lies on disk, or an empty string.
class DiscFolder {
  public:
    explicit DiscFolder(QString root);

    const QString& root() const { return root_; }

    // A regular file or a link to one; never a folder, a pipe or a device.
    QString findFile(const QString& configured) const;
    // A folder.
    QString findFolder(const QString& configured) const;
    // A file or a folder, for what is handed on as found and reported by whatever reads it (a
    // folder named as a slide shows as an empty slot). Never a pipe or a device.
    QString findEntry(const QString& configured) const;
    // The configured path joined under the disc, as messages show it; nothing is tested.
    QString under(const QString& configured) const;

  private:
    template <typename Fits> QString find(const QString& configured, Fits fits) const;

    QString root_;
};

} // namespace vistrel
