#include "platform/messages/MessageBoxes.h"

#include "platform/log/Log.h"

namespace vistrel {

QString shortenedText(const QString& text, qsizetype limit) {
    if (text.size() <= limit)
        return text;
    if (limit < 1)
        return {};
    qsizetype kept = limit - 1;
    // Never half a character: a surrogate pair stays whole or goes.
    if (kept > 0 && text.at(kept - 1).isHighSurrogate())
        --kept;
    return text.left(kept) + QChar(0x2026);
}

void MessageBoxes::showError(const QString& title, const QString& text) {
    const QString shownTitle = shortenedText(title, MessageTextLimit);
    const QString shownText = shortenedText(text, MessageTextLimit);
    qCInfo(logMessage).noquote() << "message:" << shownTitle + ":" << shownText;
    present(shownTitle, shownText);
}

} // namespace vistrel
