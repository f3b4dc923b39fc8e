#include "platform/DocumentFile.h"

#include "text/BreakOpportunities.h"
#include "text/TextDecoding.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

#include <string_view>

namespace vistrel {

namespace {

std::string_view viewOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

bool hasSuffix(const QString& path, std::initializer_list<const char*> suffixes) {
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
    if (hasSuffix(path, {"html", "htm", "xhtml", "shtml"}))
        return DocumentKind::Html;
    if (hasSuffix(path, {"txt", "text", "nfo", "diz", "log", "ini", "md"}))
        return DocumentKind::PlainText;
    return Qt::mightBeRichText(text) ? DocumentKind::Html : DocumentKind::PlainText;
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
    if (hasSuffix(path, {"png", "jpg", "jpeg", "gif", "bmp", "ico", "svg"})) {
        content.kind = DocumentKind::Picture;
        return content;
    }
    const QByteArray bytes = readFileStart(path, DocumentReadLimit, &content.cut);
    if (looksBinary(bytes))
        return content;
    const QString text = decodeDocumentText(bytes, content.cut);
    content.kind = textKind(path, text);
    content.text = QString::fromStdString(
        breakLongRuns(text.toStdString(), content.kind == DocumentKind::Html));
    return content;
}

} // namespace vistrel
