#include "platform/documents/DocumentFile.h"

#include "text/BreakOpportunities.h"
#include "text/LineWrap.h"
#include "text/StyleSheetLinks.h"
#include "text/TextDecoding.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTextDocument>

#include <string_view>

namespace vistrel {

namespace {

// Markup shown as text is often one line of many thousand characters; in lines of about the
// view's width it lays out several times faster (bench/bench_document).
constexpr std::size_t kMarkupAsTextLine = 80;

std::string_view viewOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

using Suffixes = std::initializer_list<const char*>;
const Suffixes kHtmlSuffixes{"html", "htm", "xhtml", "shtml"};
const Suffixes kTextSuffixes{"txt", "text", "nfo", "diz", "log", "ini", "md"};
const Suffixes kPictureSuffixes{"png", "jpg", "jpeg", "gif", "bmp", "ico", "svg"};
// Enough of a file without a suffix to tell text from anything else.
constexpr qint64 kSniffLength = 4096;

bool hasSuffix(const QString& path, Suffixes suffixes) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const char* candidate : suffixes) {
        if (suffix == QLatin1String(candidate))
            return true;
    }
    return false;
}

bool startsWithUtf16Mark(const QByteArray& bytes) {
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

// Text never holds a NUL byte, except as half of a UTF-16 character.
bool looksBinary(const QByteArray& bytes) {
    return !startsWithUtf16Mark(bytes) && bytes.contains('\0');
}

// By the name's suffix, or by a look at the text when the name does not tell.
DocumentKind textKind(const QString& path, const QString& text) {
    if (hasSuffix(path, kHtmlSuffixes))
        return DocumentKind::Html;
    if (hasSuffix(path, kTextSuffixes))
        return DocumentKind::PlainText;
    return Qt::mightBeRichText(text) ? DocumentKind::Html : DocumentKind::PlainText;
}

// What of the page's shape is beyond the view's limits; empty when nothing is.
QString beyondLimits(const HtmlShape& shape) {
    const HtmlShape& limits = DocumentHtmlLimits;
    QStringList beyond;
    if (shape.depth > limits.depth)
        beyond << QStringLiteral("elements nested over %1 deep").arg(limits.depth);
    if (shape.tableDepth > limits.tableDepth)
        beyond << QStringLiteral("tables nested over %1 deep").arg(limits.tableDepth);
    if (shape.elements > limits.elements)
        beyond << QStringLiteral("over %1 elements").arg(limits.elements);
    return beyond.join(QLatin1String(", "));
}

} // namespace

QByteArray readFileStart(const QString& path, qint64 limit, bool* cut) {
    if (cut)
        *cut = false;
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.read(limit);
    if (cut)
        *cut = !file.atEnd();
    return bytes;
}

bool isPageFile(const QString& path) {
    if (hasSuffix(path, kHtmlSuffixes) || hasSuffix(path, kTextSuffixes) ||
        hasSuffix(path, kPictureSuffixes))
        return true;
    if (!QFileInfo(path).suffix().isEmpty())
        return false;
    const QByteArray start = readFileStart(path, kSniffLength);
    return !start.isEmpty() && !looksBinary(start);
}

QString decodeDocumentText(const QByteArray& bytes, bool cut) {
    std::string_view text = viewOf(bytes);
    if (cut && !isValidUtf8(text)) {
        // At most three bytes of a character can hang over the end of the part.
        for (std::size_t drop = 1; drop <= 3 && drop < text.size(); ++drop) {
            const std::string_view shorter = text.substr(0, text.size() - drop);
            if (isValidUtf8(shorter)) {
                text = shorter;
                break;
            }
        }
    }
    return QString::fromStdString(decodeText(text));
}

DocumentContent loadDocument(const QString& path) {
    DocumentContent content;
    if (hasSuffix(path, kPictureSuffixes)) {
        content.kind = DocumentKind::Picture;
        return content;
    }
    const QByteArray bytes = readFileStart(path, DocumentReadLimit, &content.cut);
    if (looksBinary(bytes))
        return content;
    const QString text = decodeDocumentText(bytes, content.cut);
    const std::string utf8 = text.toStdString();
    content.kind = textKind(path, text);
    if (content.kind == DocumentKind::Html) {
        content.shownAsText = beyondLimits(measureHtmlShape(utf8, DocumentHtmlLimits));
        if (!content.shownAsText.isEmpty())
            content.kind = DocumentKind::PlainText;
    }
    if (!content.shownAsText.isEmpty())
        content.text = QString::fromStdString(
            wrapLongLines(utf8Prefix(utf8, MarkupAsTextLimit), kMarkupAsTextLine));
    else if (content.kind == DocumentKind::Html)
        content.text = QString::fromStdString(breakLongRuns(typeStyleSheetLinks(utf8), true));
    else
        content.text = QString::fromStdString(breakLongRuns(utf8, false));
    return content;
}

} // namespace vistrel
