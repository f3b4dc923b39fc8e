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
#include <optional>
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

// How many pages the walk reads at most: more than an information document has, few enough to
// be read in seconds.
constexpr qsizetype kMostPages = 200;

// Each picture and link of a laid-out page, by its format.
template <typename Visit> void forEachFragment(const QTextDocument& page, Visit visit) {
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            visit(fragment.fragment().charFormat());
}

// Style sheets are asked for while the page is read, pictures once it is laid out: each picture
// of the page is asked for here. What the page links to comes back, each address once.
QList<QUrl> readPicturesAndLinks(QTextDocument& page) {
    QList<QUrl> links;
    forEachFragment(page, [&page, &links](const QTextCharFormat& format) {
        if (format.isImageFormat())
            page.resource(QTextDocument::ImageResource, QUrl(format.toImageFormat().name()));
        const QUrl link(format.anchorHref());
        if (format.isAnchor() && !link.isEmpty() && !links.contains(link))
            links.append(link);
    });
    return links;
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

// A link that leads nowhere a viewer can follow; nothing for one that works.
std::optional<Finding> brokenLink(const CheckedDisc& disc, const QString& page,
                                  const LinkTarget& target) {
    const QString pageName = disc.relative(page);
    const QString name = disc.relative(target.file);
    if (target.kind == LinkTarget::Missing)
        return warning(name,
                       QStringLiteral("%1 links to %2, which is not on the disc: a viewer who "
                                      "clicks it is told the file was not found")
                           .arg(pageName, name),
                       "put it there, or correct the link in " + pageName);
    if (target.kind == LinkTarget::OffDisc)
        return warning(name,
                       QStringLiteral("%1 links to %2, outside the disc: the link is not followed")
                           .arg(pageName, name),
                       "put the file on the disc and link to it there");
    return std::nullopt;
}

// The page as the view shows it: its missing pictures and style sheets and its broken links.
// The pages it links to are added to pages, each once.
Findings checkPage(const CheckedDisc& disc, const QString& page, QStringList& pages) {
    const DocumentContent content = loadDocument(page);
    if (content.kind != DocumentKind::Html)
        return {};
    PageResources resources(page);
    resources.setHtml(content.text);
    const QList<QUrl> links = readPicturesAndLinks(resources);
    Findings findings;
    for (const auto& [file, type] : resources.missing)
        findings.append(missingResource(disc, page, file, type));
    for (const QUrl& link : links) {
        const LinkTarget target = linkTarget(link, resources.baseUrl(), disc.folder.root());
        if (const std::optional<Finding> broken = brokenLink(disc, page, target))
            findings.append(*broken);
        else if (target.kind == LinkTarget::Page && !pages.contains(target.file))
            pages.append(target.file);
    }
    return findings;
}

} // namespace

// Each system's page, once where they share one, and every page of the disc reached from them by
// links; a page linked in a circle is read once.
Findings checkInfoPage(const CheckedDisc& disc) {
    QStringList pages;
    for (const DiscConfig& system : disc.systems) {
        const QString page = system.offers(ButtonId::btnInfo)
                                 ? disc.folder.findFile(system.pathOf(ButtonId::btnInfo))
                                 : QString();
        if (!page.isEmpty() && !pages.contains(QFileInfo(page).absoluteFilePath()))
            pages.append(QFileInfo(page).absoluteFilePath());
    }
    Findings findings;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i == kMostPages) {
            findings.append(note(disc.relative(pages.first()),
                                 QStringLiteral("only the first %1 pages reached from %2 were "
                                                "checked; the pages beyond them were not")
                                     .arg(kMostPages)
                                     .arg(disc.relative(pages.first()))));
            break;
        }
        findings.append(checkPage(disc, pages[i], pages));
    }
    return findings;
}

} // namespace vistrel
