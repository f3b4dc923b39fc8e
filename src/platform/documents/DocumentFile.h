#pragma once

#include "text/HtmlShape.h"

#include <QByteArray>
#include <QString>

#include <cstddef>

namespace vistrel {

enum class DocumentKind { Html, PlainText, Picture, NotText };

struct DocumentContent {
    DocumentKind kind = DocumentKind::NotText;
    QString text;     // the decoded text of an HTML or plain-text document
    bool cut = false; // the file was longer than a document is read
    // A page whose markup is beyond DocumentHtmlLimits comes as plain text; this says why.
    QString shownAsText;
};

// How much of a document file is read. Laying out text is slow, so a huge file is shown only
// in its first part rather than freezing the window for many seconds.
constexpr qint64 DocumentReadLimit = 1024 * 1024;
// The deepest and largest page the view is given as a page (bench/bench_document measures
// them): beyond, laying it out would freeze the window, and deeply nested tables overflow the
// stack. Such a page is shown as plain text instead.
constexpr HtmlShape DocumentHtmlLimits{.depth = 500, .tableDepth = 12, .elements = 3000};
// Of such a page only the beginning of its markup is shown: enough to see what is wrong with it,
// and laid out at once even in a slow build, where a megabyte of text keeps a core busy.
constexpr std::size_t MarkupAsTextLimit = 64 * 1024;
// The largest picture or style sheet a document may pull in.
constexpr qint64 ResourceReadLimit = 32 * 1024 * 1024;

// Up to limit bytes of a regular file (never a device or pipe, which could block or never end);
// cut tells whether the file was longer. Empty when it cannot be read.
QByteArray readFileStart(const QString& path, qint64 limit, bool* cut = nullptr);

// The document at path (an absolute path on disk): what kind it is and its text, decoded as
// UTF-8 when it is valid UTF-8 and as Windows-1252 otherwise.
DocumentContent loadDocument(const QString& path);

// Whether the view shows the file as a page: an HTML page, a text or a picture by its suffix, or,
// without a suffix, a file that reads as text. Anything else (a PDF, a program, an archive) is
// for the system's own program.
bool isPageFile(const QString& path);

// Text bytes decoded the same way as a document; a cut-off multi-byte character at the end of
// a part is dropped, so that the part does not lose its UTF-8 reading.
QString decodeDocumentText(const QByteArray& bytes, bool cut);

} // namespace vistrel
