#include "text/HtmlShape.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_map>
#include <vector>

namespace vistrel {

namespace {

// Longer names are cut: no element the view knows has a longer one.
constexpr std::size_t kNameLength = 16;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool isQuote(char c) {
    return c == '"' || c == '\'';
}

constexpr std::array<std::string_view, 15> kVoidElements{
    "area", "base", "br",    "col",    "embed", "hr",  "img",     "input",
    "link", "meta", "param", "source", "track", "wbr", "basefont"};

// The elements the view lays out as blocks of their own; a new paragraph closes the one it is
// in only when no other block lies between them.
constexpr std::array<std::string_view, 22> kBlockElements{
    "blockquote", "body", "caption", "center", "dd", "div", "dl", "dt",  "h1", "h2", "h3",
    "h4",         "h5",   "h6",      "hr",     "li", "ol",  "p",  "pre", "qt", "td", "th"};

// The names whose rules the tree follows, interned first so that their numbers are fixed.
enum Known { Table, Thead, Tbody, Tfoot, Tr, Td, Th, Caption, Dl, Dd, Dt, P, Li, KnownCount };
constexpr std::array<std::string_view, KnownCount> kKnownNames{
    "table", "thead", "tbody", "tfoot", "tr", "td", "th", "caption", "dl", "dd", "dt", "p", "li"};

bool isListed(std::string_view name, const auto& list) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

// The open elements, with for each name where its open elements stand, so that finding the
// nearest one of a name takes constant time and every element is popped once.
class OpenElements {
  public:
    OpenElements() {
        for (const std::string_view name : kKnownNames)
            intern(name);
    }

    int intern(std::string_view name) {
        const auto [at, added] = ids_.try_emplace(std::string(name), int(openAt_.size()));
        if (added) {
            openAt_.emplace_back();
            isBlock_.push_back(isListed(name, kBlockElements));
        }
        return at->second;
    }

    // The name's id, or -1 for a name never opened.
    int find(std::string_view name) const {
        const auto at = ids_.find(std::string(name));
        return at == ids_.end() ? -1 : at->second;
    }

    std::size_t size() const { return stack_.size(); }
    std::size_t openOf(int id) const { return openAt_[id].size(); }
    bool topIs(int id) const { return !stack_.empty() && stack_.back().id == id; }

    // Where the nearest open element of the name stands, counted from 1; 0 when none is open.
    std::size_t nearest(int id) const { return openAt_[id].empty() ? 0 : openAt_[id].back() + 1; }

    // The nearest open block, counted from 1, and whether it is of the name.
    bool nearestBlockIs(int id, std::size_t* at) const {
        *at = stack_.empty() ? 0 : stack_.back().blockAt;
        return *at != 0 && stack_[*at - 1].id == id;
    }

    void push(int id) {
        const std::size_t at = stack_.size();
        const std::size_t below = stack_.empty() ? 0 : stack_.back().blockAt;
        stack_.push_back({id, isBlock_[id] ? at + 1 : below});
        openAt_[id].push_back(at);
    }

    // Closes every element beyond the first count.
    void keep(std::size_t count) {
        while (stack_.size() > count) {
            openAt_[stack_.back().id].pop_back();
            stack_.pop_back();
        }
    }

  private:
    struct Open {
        int id;
        std::size_t blockAt; // the nearest block at or below this one, counted from 1
    };
    std::vector<Open> stack_;
    std::vector<std::vector<std::size_t>> openAt_;
    std::vector<bool> isBlock_;
    std::unordered_map<std::string, int> ids_;
};

// Builds the element tree's shape from tags, as the view places each new element.
class ShapeBuilder {
  public:
    explicit ShapeBuilder(const HtmlShape& limits) : limits_(limits) {}

    const HtmlShape& shape() const { return shape_; }
    bool done() const { return exceeds(shape_, limits_); }

    void start(std::string_view name, bool closed) {
        if (name.empty())
            return; // the view takes "<>" for text
        const int id = open_.intern(name);
        placeAmongOpen(id);
        ++shape_.elements;
        if (closed || isListed(name, kVoidElements)) {
            shape_.depth = std::max(shape_.depth, open_.size() + 1);
            return;
        }
        push(id);
    }

    void end(std::string_view name) {
        const int id = name.empty() ? -1 : open_.find(name);
        if (id >= 0 && open_.nearest(id) != 0)
            open_.keep(open_.nearest(id) - 1);
    }

  private:
    void push(int id) {
        open_.push(id);
        shape_.depth = std::max(shape_.depth, open_.size());
        shape_.tableDepth = std::max(shape_.tableDepth, open_.openOf(Table));
    }

    void imply(int id) {
        ++shape_.elements;
        push(id);
    }

    std::size_t nearestOf(std::initializer_list<int> ids) const {
        std::size_t at = 0;
        for (const int id : ids)
            at = std::max(at, open_.nearest(id));
        return at;
    }

    // Closes what the new element closes, and opens what it needs around it.
    void placeAmongOpen(int id) {
        std::size_t at = 0;
        switch (id) {
        case Td:
        case Th:
            if (open_.nearest(Tr) == 0) {
                imply(Table);
                imply(Tr);
            }
            open_.keep(open_.nearest(Tr));
            break;
        case Tr:
            if (open_.nearest(Table) == 0)
                imply(Table);
            open_.keep(nearestOf({Table, Thead, Tbody, Tfoot}));
            break;
        case Thead:
        case Tbody:
        case Tfoot:
        case Caption:
            open_.keep(open_.nearest(Table));
            break;
        case Dd:
        case Dt:
            open_.keep(open_.nearest(Dl));
            break;
        case P:
            if (open_.nearestBlockIs(P, &at))
                open_.keep(at - 1);
            break;
        case Li:
            if (open_.topIs(Li))
                open_.keep(open_.size() - 1);
            break;
        default:
            break;
        }
    }

    HtmlShape limits_;
    HtmlShape shape_;
    OpenElements open_;
};

// Reads the markup's tags one after the other and hands them to the builder.
class TagReader {
  public:
    TagReader(std::string_view html, ShapeBuilder& builder) : html_(html), builder_(builder) {}

    void run() {
        while (!builder_.done()) {
            pos_ = html_.find('<', pos_);
            if (pos_ == std::string_view::npos)
                return;
            ++pos_;
            readTag();
        }
    }

  private:
    bool at(char c) const { return pos_ < html_.size() && html_[pos_] == c; }
    bool atEnd() const { return pos_ >= html_.size(); }

    void skipBlanks() {
        while (!atEnd() && isBlank(html_[pos_]))
            ++pos_;
    }

    void skipPast(std::string_view mark) {
        const std::size_t found = html_.find(mark, pos_);
        pos_ = found == std::string_view::npos ? html_.size() : found + mark.size();
    }

    void readTag() {
        skipBlanks();
        if (at('!')) {
            ++pos_;
            if (html_.substr(pos_).starts_with("--")) {
                pos_ += 2;
                skipPast("-->");
            } else {
                skipPast(">");
            }
        } else if (at('/')) {
            ++pos_;
            const std::string name = readName();
            skipPast(">");
            builder_.end(name);
        } else {
            const std::string name = readName();
            builder_.start(name, readAttributes());
        }
    }

    // The name, in lower case, up to a blank, '<', '=', '>' or "/>".
    std::string readName() {
        std::string name;
        for (; !atEnd(); ++pos_) {
            const char c = html_[pos_];
            if (isBlank(c) || c == '<' || c == '=' || c == '>' || isQuote(c) ||
                (c == '/' && html_.substr(pos_ + 1).starts_with('>')))
                break;
            if (name.size() < kNameLength)
                name += lower(c);
        }
        return name;
    }

    // Passes the rest of a start tag; true when it closes itself ('/' after its attributes).
    bool readAttributes() {
        bool closed = false;
        bool wordStart = true;
        for (; !atEnd() && html_[pos_] != '>'; ++pos_) {
            const char c = html_[pos_];
            if (wordStart && isQuote(c)) {
                skipQuoted(c);
                wordStart = true;
                continue;
            }
            if (c == '/' && (wordStart || html_.substr(pos_ + 1).starts_with('>')))
                closed = true;
            wordStart = isBlank(c) || c == '=';
        }
        ++pos_;
        return closed;
    }

    // Leaves pos_ on the closing quote; a backslash keeps a single quote open.
    void skipQuoted(char quote) {
        for (++pos_; !atEnd(); ++pos_) {
            if (html_[pos_] == quote && !(quote == '\'' && html_[pos_ - 1] == '\\'))
                return;
        }
        --pos_; // no closing quote: the value runs to the end
    }

    std::string_view html_;
    ShapeBuilder& builder_;
    std::size_t pos_ = 0;
};

} // namespace

bool exceeds(const HtmlShape& shape, const HtmlShape& limits) {
    return shape.depth > limits.depth || shape.tableDepth > limits.tableDepth ||
           shape.elements > limits.elements;
}

HtmlShape measureHtmlShape(std::string_view html, const HtmlShape& limits) {
    ShapeBuilder builder(limits);
    TagReader(html, builder).run();
    return builder.shape();
}

} // namespace vistrel
