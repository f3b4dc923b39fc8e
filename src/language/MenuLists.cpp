#include "language/MenuLists.h"

#include "platform/disc/FilePaths.h"
#include "platform/log/Log.h"
#include "window/MenuTree.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include <algorithm>

namespace vistrel {

namespace {

// Folders and regular files only: without QDir::System, special files (pipes, sockets, devices)
// and links that lead nowhere are left out, so a listed language file can be read without
// blocking. Names that differ only in case keep a fixed order between them.
QFileInfoList sortedEntries(const QString& folder) {
    const QString resolved = resolvePath(folder);
    if (!QFileInfo(resolved).isDir())
        return {};
    QFileInfoList entries =
        QDir(resolved).entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort);
    std::sort(entries.begin(), entries.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const int order = a.fileName().compare(b.fileName(), Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.fileName() < b.fileName();
    });
    return entries;
}

// The entry shows its name as it stands: a "&" in a file name is no keyboard mnemonic.
void setEntryName(QAction* entry, const QString& name) {
    entry->setText(QString(name).replace(QLatin1Char('&'), QLatin1String("&&")));
    entry->setData(name);
}

void fillList(QMenu* submenu, QList<QAction*>& elements, const QStringList& names) {
    setEntryName(elements[0], names.first());
    elements[0]->setVisible(true);
    for (qsizetype i = 1; i < names.size(); ++i) {
        elements.append(submenu->addAction(QString()));
        setEntryName(elements.last(), names[i]);
    }
}

} // namespace

QStringList listSkinFolders(const QString& folder) {
    QStringList names;
    for (const QFileInfo& entry : sortedEntries(folder)) {
        if (entry.isDir() && !entry.fileName().startsWith(QLatin1Char('.')))
            names.append(entry.fileName());
    }
    return names;
}

QStringList listLanguageFiles(const QString& folder) {
    QStringList names;
    for (const QFileInfo& entry : sortedEntries(folder)) {
        const QString name = entry.fileName();
        if (entry.isFile() && !name.startsWith(QLatin1Char('.')) &&
            name.endsWith(QLatin1String(".lng"), Qt::CaseInsensitive))
            names.append(name);
    }
    return names;
}

QString menuEntryName(const QAction& entry) {
    return entry.data().toString();
}

QString languageCaption(const QString& fileName) {
    return fileName.left(fileName.indexOf(QLatin1Char('.')));
}

bool FillLanguageMenu(MenuTree& menu, const QString& appPath) {
    const QStringList files = listLanguageFiles(joinPath(appPath, "language"));
    if (files.isEmpty())
        return false;
    QStringList captions;
    for (const QString& file : files)
        captions.append(languageCaption(file));
    fillList(menu.mnuChooseLanguage, menu.mnuLanguage, captions);
    qCInfo(logMenu).noquote() << "languages:" << captions.join(", ");
    return true;
}

bool FillSkinMenu(MenuTree& menu, const QString& appPath) {
    const QStringList folders = listSkinFolders(joinPath(appPath, "skins"));
    if (folders.isEmpty())
        return false;
    fillList(menu.mnuChooseSkin, menu.mnuSkin, folders);
    qCInfo(logMenu).noquote() << "skins:" << folders.join(", ");
    return true;
}

} // namespace vistrel
