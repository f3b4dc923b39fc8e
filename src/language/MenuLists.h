#pragma once

#include <QString>
#include <QStringList>

class QAction;

namespace vistrel {

struct MenuTree;

// Entries of a disc folder as the menu lists take them: sorted by name without regard to case
// (the order in which the disc's own file system keeps them), "." and ".." and hidden (dot)
// names left out. Skins are the sub-folders; languages the regular files named "*.lng" (any
// case). Names the toolkit cannot decode are not listed, as they could not be opened.
QStringList listSkinFolders(const QString& folder);
QStringList listLanguageFiles(const QString& folder);
// The caption of a language file: its name up to the first dot.
QString languageCaption(const QString& fileName);

// The name a list entry stands for: the very string handed to LoadLanguage or LoadSkin.
QString menuEntryName(const QAction& entry);

// Build the two lists of the menu once, at start-up; false when the folder gives no entry.
bool FillLanguageMenu(MenuTree& menu, const QString& appPath);
bool FillSkinMenu(MenuTree& menu, const QString& appPath);

} // namespace vistrel
