#include "text/StyleSheetLinks.h"

#include "text/CaseFold.h"

#include <algorithm>

namespace vistrel {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool startsWithFolded(std::string_view text, std::size_t at, std::string_view word) {
    return text.size() - at >= word.size() && equalFolded(text.substr(at, word.size()), word);
}

// What a link tag says about itself; `end` is just past its '>', or the end of the text.
struct LinkTag {
    bool styleSheet = false;
    bool typed = false;
    std::size_t end = 0;
};

bool namesStyleSheet(std::string_view rel) {
    std::size_t at = 0;
    while (at < rel.size()) {
        while (at < rel.size() && isSpace(rel[at]))
            ++at;
        std::size_t word = at;
        while (word < rel.size() && !isSpace(rel[word]))
            ++word;
        if (equalFolded(rel.substr(at, word - at), "stylesheet"))
            return true;
        at = word;
    }
    return false;
}

// The attribute value at `at` (quoted or bare); `at` is left just past it.
std::string_view readValue(std::string_view html, std::size_t& at) {
    if (at < html.size() && (html[at] == '"' || html[at] == '\'')) {
        const char quote = html[at++];
        const std::size_t close = std::min(html.find(quote, at), html.size());
        const std::string_view value = html.substr(at, close - at);
        at = std::min(close + 1, html.size());
        return value;
    }
    const std::size_t start = at;
    while (at < html.size() && !isSpace(html[at]) && html[at] != '>')
        ++at;
    return html.substr(start, at - start);
}

// The attributes of a tag from `at`, just past its name.
LinkTag readLinkTag(std::string_view html, std::size_t at) {
    LinkTag tag;
    while (at < html.size() && html[at] != '>') {
        if (isSpace(html[at]) || html[at] == '/') {
            ++at;
            continue;
        }
        const std::size_t nameStart = at;
        while (at < html.size() && !isSpace(html[at]) && html[at] != '=' && html[at] != '>' &&
               html[at] != '/')
            ++at;
        const std::string_view name = html.substr(nameStart, at - nameStart);
        while (at < html.size() && isSpace(html[at]))
            ++at;
        std::string_view value;
        if (at < html.size() && html[at] == '=') {
            ++at;
            while (at < html.size() && isSpace(html[at]))
                ++at;
            value = readValue(html, at);
        }
        if (equalFolded(name, "type"))
            tag.typed = true;
        else if (equalFolded(name, "rel"))
            tag.styleSheet = namesStyleSheet(value);
    }
    tag.end = std::min(at + 1, html.size());
    return tag;
}

} // namespace

std::string typeStyleSheetLinks(std::string_view html) {
    std::string result;
    result.reserve(html.size());
    std::size_t copied = 0;
    std::size_t at = 0;
    while ((at = html.find('<', at)) != std::string_view::npos) {
        if (html.substr(at, 4) == "<!--") {
            const std::size_t close = html.find("-->", at + 4);
            at = close == std::string_view::npos ? html.size() : close + 3;
            continue;
        }
        const std::size_t nameEnd = at + 5;
        if (!startsWithFolded(html, at + 1, "link") ||
            (nameEnd < html.size() && !isSpace(html[nameEnd]) && html[nameEnd] != '/' &&
             html[nameEnd] != '>')) {
            ++at;
            continue;
        }
        const LinkTag tag = readLinkTag(html, nameEnd);
        if (tag.styleSheet && !tag.typed) {
            result.append(html.substr(copied, nameEnd - copied));
            result.append(" type=\"text/css\"");
            copied = nameEnd;
        }
        at = tag.end;
    }
    result.append(html.substr(copied));
    return result;
}

} // namespace vistrel
