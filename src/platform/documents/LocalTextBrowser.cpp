#include "platform/documents/LocalTextBrowser.h"

#include "platform/disc/FilePaths.h"
#include "platform/documents/DocumentFile.h"
#include "platform/documents/LocalLinks.h"
#include "platform/log/Log.h"

#include <QTextDocument>

namespace vistrel {

namespace {

// Not a null value: a null one would let the document try the address by other means.
QVariant emptyResource(int type) {
    if (type == QTextDocument::StyleSheetResource)
        return QString(QLatin1String(""));
    return QByteArray("");
}

} // namespace

LocalTextBrowser::LocalTextBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

void LocalTextBrowser::setDocumentUrl(const QUrl& url) {
    documentUrl_ = url;
    document()->setBaseUrl(url);
}

QVariant LocalTextBrowser::loadResource(int type, const QUrl& name) {
    // Pictures written into the document itself need nothing from outside; the document
    // decodes them when this gives nothing.
    if (name.scheme().compare(QLatin1String("data"), Qt::CaseInsensitive) == 0)
        return {};
    const QString file = resolvePath(localFileOf(name, documentUrl_));
    if (file.isEmpty()) {
        qCInfo(logAction).noquote() << "document resource not fetched:" << name.toString();
        return emptyResource(type);
    }
    bool cut = false;
    const QByteArray bytes = readFileStart(file, ResourceReadLimit, &cut);
    if (bytes.isEmpty() || cut)
        return emptyResource(type);
    if (type == QTextDocument::StyleSheetResource)
        return decodeDocumentText(bytes, false);
    return bytes;
}

} // namespace vistrel
