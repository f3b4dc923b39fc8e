#include "text/BreakOpportunities.h"

namespace vistrel {

namespace {

constexpr std::string_view kZeroWidthSpace = "\xE2\x80\x8B";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// A byte that continues a multi-byte character; a break never goes before one.
bool continuesCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Where a break may not go in markup: inside a tag, a character reference, or the content of a
// style sheet or script, which is not text.
class MarkupState {
  public:
    explicit MarkupState(bool markup) : markup_(markup) {}

    bool mayBreakBefore() const { return !inTag_ && !inReference_ && !inRawContent_; }

    void pass(char c) {
        if (!markup_)
            return;
        if (inTag_)
            passInTag(c);
        else if (c == '<')
            openTag();
        else if (c == '&')
            inReference_ = true;
        else if (inReference_ && (c == ';' || isBlank(c)))
            inReference_ = false;
    }

  private:
    void openTag() {
        inTag_ = true;
        inReference_ = false;
        tagName_.clear();
    }

    void passInTag(char c) {
        if (c != '>') {
            if (tagName_.size() < 8)
                tagName_ += lower(c);
            return;
        }
        inTag_ = false;
        if (tagName_.starts_with('/'))
            inRawContent_ = false;
        else if (tagName_.starts_with("style") || tagName_.starts_with("script"))
            inRawContent_ = true;
    }

    bool markup_;
    bool inTag_ = false;
    bool inReference_ = false;
    bool inRawContent_ = false;
    std::string tagName_;
};

} // namespace

std::string breakLongRuns(std::string_view utf8, bool markup, std::size_t maxRun) {
    std::string out;
    out.reserve(utf8.size());
    MarkupState state(markup);
    std::size_t run = 0;
    for (const char c : utf8) {
        if (isBlank(c)) {
            run = 0;
        } else if (!continuesCharacter(c)) {
            if (run >= maxRun && state.mayBreakBefore()) {
                out += kZeroWidthSpace;
                run = 0;
            }
            ++run;
        }
        state.pass(c);
        out += c;
    }
    return out;
}

} // namespace vistrel
