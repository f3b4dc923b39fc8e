#include "app/check/DocumentCheck.h"

#include "platform/disc/DiscFile.h"
#include "platform/disc/FilePaths.h"
#include "platform/documents/DocumentFile.h"
#include "platform/documents/LocalLinks.h"
#include "window/Buttons.h"

#include <QFileInfo>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace vistrel {

namespace {

// The page read as the view reads it, noting each local file it asks for that is not there.
// Addresses elsewhere are never fetched, by the view either.
class PageResources : public QTextDocument {
  public:
    explicit PageResources(const QString& page) { setBaseUrl(QUrl::fromLocalFile(page)); }

    // The missing files, each once, with what the page wanted them as.
    QList<std::pair<QString, int>> missing;

  protected:
    QVariant loadResource(int type, const QUrl& name) override {
        const QString file = resolvePath(localFileOf(name, baseUrl()));
        if (file.isEmpty())
            return {};
        if (!isDiscFile(file)) {
            if (std::none_of(missing.begin(), missing.end(),
                             [&file](const auto& each) { return each.first == file; }))
                missing.append({file, type});
            return {};
        }
        const QByteArray bytes = readFileStart(file, ResourceReadLimit);
        if (type == QTextDocument::StyleSheetResource)
            return decodeDocumentText(bytes, false);
        return bytes;
    }
};

// Style sheets are asked for while the page is read, pictures once it is laid out: each picture
// of the page is asked for here.
void askForPictures(QTextDocument& page) {
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isImageFormat())
                page.resource(QTextDocument::ImageResource, QUrl(format.toImageFormat().name()));
        }
}

Finding missingResource(const CheckedDisc& disc, const QString& page, const QString& file,
                        int type) {
    const QString pageName = disc.relative(page);
    const QString name = disc.relative(file);
    if (type == QTextDocument::StyleSheetResource)
        return warning(name,
                       QStringLiteral("%1 uses the style sheet %2, which is not on the disc: the "
                                      "page shows without it")
                           .arg(pageName, name),
                       "put it there, or correct the link in " + pageName);
    return warning(name,
                   QStringLiteral("%1 shows the picture %2, which is not on the disc: the page "
                                  "shows a broken picture in its place")
                       .arg(pageName, name),
                   "put it there, or correct the picture's address in " + pageName);
}

// The page one system shows; nothing where it shows none or it is not HTML.
Findings checkPage(const CheckedDisc& disc, const QString& page) {
    const DocumentContent content = loadDocument(QFileInfo(page).absoluteFilePath());
    if (content.kind != DocumentKind::Html)
        return {};
    PageResources resources(QFileInfo(page).absoluteFilePath());
    resources.setHtml(content.text);
    askForPictures(resources);
    Findings findings;
    for (const auto& [file, type] : resources.missing)
        findings.append(missingResource(disc, page, file, type));
    return findings;
}

} // namespace

// Each system's page, once where they share one.
Findings checkInfoPage(const CheckedDisc& disc) {
    QStringList pages;
    for (const DiscConfig& system : disc.systems) {
        const QString page = system.offers(ButtonId::btnInfo)
                                 ? disc.folder.findFile(system.pathOf(ButtonId::btnInfo))
                                 : QString();
        if (!page.isEmpty() && !pages.contains(page))
            pages.append(page);
    }
    Findings findings;
    for (const QString& page : pages)
        findings.append(checkPage(disc, page));
    return findings;
}

} // namespace vistrel
