#include "text/ShellWords.h"

namespace vistrel {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool escapableInDoubleQuotes(char c) {
    return c == '"' || c == '\\' || c == '$' || c == '`' || c == '\n';
}

class WordSplitter {
  public:
    explicit WordSplitter(const std::string& text) : text_(text) {}

    std::vector<std::string> split() {
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (isBlank(c))
                endWord();
            else if (c == '\'')
                singleQuoted();
            else if (c == '"')
                doubleQuoted();
            else if (c == '\\')
                escaped();
            else
                append(c);
        }
        endWord();
        return std::move(words_);
    }

  private:
    void append(char c) {
        word_ += c;
        inWord_ = true;
    }

    void endWord() {
        if (inWord_)
            words_.push_back(std::move(word_));
        word_.clear();
        inWord_ = false;
    }

    void singleQuoted() {
        inWord_ = true;
        while (at_ < text_.size() && text_[at_] != '\'')
            word_ += text_[at_++];
        if (at_ < text_.size())
            ++at_; // the closing quote
    }

    void doubleQuoted() {
        inWord_ = true;
        while (at_ < text_.size() && text_[at_] != '"') {
            const char c = text_[at_++];
            if (c == '\\' && at_ < text_.size() && escapableInDoubleQuotes(text_[at_])) {
                const char next = text_[at_++];
                if (next != '\n') // a backslash-newline joins the lines
                    word_ += next;
            } else {
                word_ += c;
            }
        }
        if (at_ < text_.size())
            ++at_;
    }

    void escaped() {
        if (at_ >= text_.size()) {
            append('\\'); // a trailing backslash stands for itself
            return;
        }
        const char next = text_[at_++];
        if (next == '\n') // a backslash-newline joins the lines
            return;
        append(next);
    }

    const std::string& text_;
    std::size_t at_ = 0;
    std::string word_;
    bool inWord_ = false;
    std::vector<std::string> words_;
};

} // namespace

std::vector<std::string> splitShellWords(const std::string& text) {
    return WordSplitter(text).split();
}

} // namespace vistrel
