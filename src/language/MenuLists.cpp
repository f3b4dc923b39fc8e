#include "language/MenuLists.h"

#include "platform/FilePaths.h"
#include "platform/Log.h"
#include "window/MainDialog.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace vistrel {

namespace {

QFileInfoList sortedEntries(const QString& folder) {
    const QString resolved = resolvePath(folder);
    if (!QFileInfo(resolved).isDir())
        return {};
    QDir dir(resolved);
    return dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System,
                             QDir::Name | QDir::IgnoreCase);
}

void fillList(QMenu* submenu, QList<QAction*>& elements, const QStringList& captions) {
    elements[0]->setText(captions.first());
    elements[0]->setVisible(true);
    for (qsizetype i = 1; i < captions.size(); ++i)
        elements.append(submenu->addAction(captions[i]));
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
        if (!entry.isDir() && !name.startsWith(QLatin1Char('.')) &&
            name.endsWith(QLatin1String(".lng"), Qt::CaseInsensitive))
            names.append(name);
    }
    return names;
}

QString languageCaption(const QString& fileName) {
    return fileName.left(fileName.indexOf(QLatin1Char('.')));
}

bool FillLanguageMenu(MainDialog& dialog, const QString& appPath) {
    const QStringList files = listLanguageFiles(joinPath(appPath, "language"));
    if (files.isEmpty())
        return false;
    QStringList captions;
    for (const QString& file : files)
        captions.append(languageCaption(file));
    fillList(dialog.mnuChooseLanguage, dialog.mnuLanguage, captions);
    qCInfo(logMenu).noquote() << "languages:" << captions.join(", ");
    return true;
}

bool FillSkinMenu(MainDialog& dialog, const QString& appPath) {
    const QStringList folders = listSkinFolders(joinPath(appPath, "skins"));
    if (folders.isEmpty())
        return false;
    fillList(dialog.mnuChooseSkin, dialog.mnuSkin, folders);
    qCInfo(logMenu).noquote() << "skins:" << folders.join(", ");
    return true;
}

} // namespace vistrel
