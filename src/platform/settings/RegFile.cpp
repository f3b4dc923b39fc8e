#include "platform/settings/RegFile.h"

#include "platform/settings/RegFileText.h"
#include "text/CaseFold.h"
#include "text/TextDecoding.h"
#include "text/TrimText.h"

#include <algorithm>

namespace vistrel {

namespace {

constexpr std::string_view kHeader4 = "REGEDIT4";
constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";
// Bytes per line of a hex list before it continues on the next line.
constexpr std::size_t kHexBytesPerLine = 25;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimBlanks(std::string_view text) {
    return trimIf(text, isBlank);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// One to eight hex digits and nothing else.
std::optional<std::uint32_t> parseHexNumber(std::string_view text) {
    if (text.empty() || text.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t number = 0;
    for (const char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        number = (number << 4) | static_cast<std::uint32_t>(digit);
    }
    return number;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return a == b || (a >= 'a' && a <= 'z' && b == a - 0x20);
           });
}

// The lines of the text without their line ends, consumed one at a time.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool next(std::string_view& line) {
        if (pos_ > text_.size()) {
            return false;
        }
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos) {
            end = text_.size();
        }
        line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        return true;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// A quoted string at the start of `text` with \\ and \" escapes; any other
// backslash stands for itself. `rest` receives what follows the closing quote.
std::optional<std::string> parseQuoted(std::string_view text, std::string_view& rest) {
    if (text.empty() || text.front() != '"') {
        return std::nullopt;
    }
    std::string out;
    for (std::size_t pos = 1; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            rest = text.substr(pos + 1);
            return out;
        }
        if (c == '\\' && pos + 1 < text.size() && (text[pos + 1] == '\\' || text[pos + 1] == '"')) {
            ++pos;
        }
        out.push_back(text[pos]);
    }
    return std::nullopt;
}

std::optional<std::string> parseByteList(std::string_view list) {
    std::string bytes;
    list = trimBlanks(list);
    if (list.empty()) {
        return bytes;
    }
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view token = trimBlanks(list.substr(0, comma));
        if (token.empty() || token.size() > 2) {
            return std::nullopt;
        }
        const auto byte = parseHexNumber(token);
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(*byte));
        if (comma == std::string_view::npos) {
            return bytes;
        }
        list = list.substr(comma + 1);
    }
}

// The format version decides how text given as hex bytes is encoded.
enum class Version { Regedit4, Editor5 };

// Text, expandable text and text lists given as hex bytes are UTF-16LE in the editor's export;
// the hive holds UTF-8. Bytes that are not UTF-16 stay as they are, so nothing is lost.
void textFromUtf16(RegValue& value) {
    if (value.type != kRegSz && value.type != kRegExpandSz && value.type != kRegMultiSz) {
        return;
    }
    if (auto text = utf16LeToUtf8(value.data)) {
        value.data = std::move(*text);
    }
}

// "hex:" or "hex(N):" data; a line ending in '\' continues on the next.
std::optional<RegValue> parseHexData(std::string_view data, LineReader& lines, Version version) {
    RegValue value{kRegBinary, {}};
    data.remove_prefix(3);
    if (!data.empty() && data.front() == '(') {
        const std::size_t close = data.find(')');
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        const auto type = parseHexNumber(data.substr(1, close - 1));
        if (!type) {
            return std::nullopt;
        }
        value.type = *type;
        data.remove_prefix(close + 1);
    }
    if (data.empty() || data.front() != ':') {
        return std::nullopt;
    }
    std::string list(trimBlanks(data.substr(1)));
    std::string_view more;
    while (!list.empty() && list.back() == '\\') {
        list.pop_back();
        if (!lines.next(more)) {
            return std::nullopt;
        }
        list.append(trimBlanks(more));
    }
    auto bytes = parseByteList(list);
    if (!bytes) {
        return std::nullopt;
    }
    value.data = std::move(*bytes);
    if (version == Version::Editor5) {
        textFromUtf16(value);
    }
    return value;
}

std::optional<RegValue> parseData(std::string_view data, LineReader& lines, Version version) {
    if (!data.empty() && data.front() == '"') {
        std::string_view rest;
        auto text = parseQuoted(data, rest);
        if (!text || !trimBlanks(rest).empty()) {
            return std::nullopt;
        }
        return RegValue::text(*text);
    }
    if (startsWithNoCase(data, "dword:")) {
        const auto number = parseHexNumber(trimBlanks(data.substr(6)));
        return number ? std::optional(RegValue::dword(*number)) : std::nullopt;
    }
    if (startsWithNoCase(data, "hex")) {
        return parseHexData(data, lines, version);
    }
    return std::nullopt;
}

// One `"name"=data` or `@=data` line (with its continuation lines) into the key.
bool parseValueLine(std::string_view line, LineReader& lines, Version version, RegHive& hive,
                    const std::string& keyPath) {
    std::string name;
    std::string_view rest;
    if (line.front() == '@') {
        rest = line.substr(1);
    } else {
        auto quoted = parseQuoted(line, rest);
        if (!quoted) {
            return false;
        }
        name = std::move(*quoted);
    }
    rest = trimBlanks(rest);
    if (rest.empty() || rest.front() != '=') {
        return false;
    }
    auto value = parseData(trimBlanks(rest.substr(1)), lines, version);
    if (!value) {
        return false;
    }
    hive.set(keyPath, name, std::move(*value));
    return true;
}

std::optional<Version> readHeader(LineReader& lines) {
    std::string_view line;
    while (lines.next(line)) {
        line = trimBlanks(line);
        if (line == kHeader4) {
            return Version::Regedit4;
        }
        if (line == kHeader5) {
            return Version::Editor5;
        }
        if (!line.empty()) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool isPlainText(const std::string& data) {
    if (data.empty() || data.back() != '\0') {
        return false;
    }
    const std::string_view text(data.data(), data.size() - 1);
    return text.find_first_of(std::string_view("\0\r\n", 3)) == std::string_view::npos &&
           isValidUtf8(text);
}

void appendQuoted(std::string& out, std::string_view text) {
    out.push_back('"');
    for (const char c : text) {
        if (c == '\\' || c == '"') {
            out.push_back('\\');
        }
        out.push_back(c);
    }
    out.push_back('"');
}

void appendHex(std::string& out, std::uint32_t number, int digits) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
        out.push_back(kDigits[(number >> shift) & 0xF]);
    }
}

void appendHexType(std::string& out, std::uint32_t type) {
    out.append("hex(");
    int digits = 1;
    while (digits < 8 && (type >> (digits * 4)) != 0) {
        ++digits;
    }
    appendHex(out, type, digits);
    out.append("):");
}

void appendData(std::string& out, const RegValue& value) {
    if (value.type == kRegSz && isPlainText(value.data)) {
        appendQuoted(out, std::string_view(value.data.data(), value.data.size() - 1));
        return;
    }
    if (value.type == kRegDword && value.data.size() == 4) {
        out.append("dword:");
        appendHex(out, *value.dwordData(), 8);
        return;
    }
    if (value.type == kRegBinary) {
        out.append("hex:");
    } else {
        appendHexType(out, value.type);
    }
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        if (i > 0) {
            out.append(i % kHexBytesPerLine == 0 ? ",\\\n  " : ",");
        }
        appendHex(out, static_cast<unsigned char>(value.data[i]), 2);
    }
}

} // namespace

RegValue RegValue::text(std::string_view utf8) {
    RegValue value{kRegSz, std::string(utf8)};
    value.data.push_back('\0');
    return value;
}

RegValue RegValue::expandableText(std::string_view utf8) {
    RegValue value = text(utf8);
    value.type = kRegExpandSz;
    return value;
}

RegValue RegValue::dword(std::uint32_t number) {
    std::string bytes(4, '\0');
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    }
    return RegValue{kRegDword, bytes};
}

std::string RegValue::stringData() const {
    return data.substr(0, data.find('\0'));
}

std::optional<std::uint32_t> RegValue::dwordData() const {
    if (data.size() != 4) {
        return std::nullopt;
    }
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        number |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
    }
    return number;
}

std::optional<RegHive> RegHive::parse(std::string_view bytes) {
    const auto text = regFileText(bytes);
    if (!text) {
        return std::nullopt;
    }
    LineReader lines(*text);
    const auto version = readHeader(lines);
    if (!version) {
        return std::nullopt;
    }
    RegHive hive;
    std::optional<std::string> keyPath;
    std::string_view line;
    while (lines.next(line)) {
        line = trimBlanks(line);
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            // "[-path]" deletes a key in an import; a stored hive never holds one.
            if (line.back() != ']' || line.size() < 2 || line[1] == '-') {
                return std::nullopt;
            }
            keyPath = std::string(line.substr(1, line.size() - 2));
            hive.addKey(*keyPath);
        } else if (!keyPath || !parseValueLine(line, lines, *version, hive, *keyPath)) {
            return std::nullopt;
        }
    }
    return hive;
}

std::string RegHive::serialize() const {
    std::string out(kHeader4);
    out.push_back('\n');
    for (const RegKey& key : keys_) {
        out.append("\n[").append(key.path).append("]\n");
        for (const RegNamedValue& named : key.values) {
            if (named.name.empty()) {
                out.push_back('@');
            } else {
                appendQuoted(out, named.name);
            }
            out.push_back('=');
            appendData(out, named.value);
            out.push_back('\n');
        }
    }
    return out;
}

const RegValue* RegHive::find(std::string_view keyPath, std::string_view valueName) const {
    const auto key = keyIndex_.find(foldCase(keyPath));
    if (key == keyIndex_.end()) {
        return nullptr;
    }
    const auto& names = valueIndex_[key->second];
    const auto value = names.find(foldCase(valueName));
    if (value == names.end()) {
        return nullptr;
    }
    return &keys_[key->second].values[value->second].value;
}

void RegHive::set(std::string_view keyPath, std::string_view valueName, RegValue value) {
    const std::size_t key = keyIndex(keyPath);
    auto& values = keys_[key].values;
    const auto [where, added] = valueIndex_[key].try_emplace(foldCase(valueName), values.size());
    if (added) {
        values.push_back({std::string(valueName), std::move(value)});
    } else {
        values[where->second].value = std::move(value);
    }
}

void RegHive::addKey(std::string_view keyPath) {
    keyIndex(keyPath);
}

std::size_t RegHive::keyIndex(std::string_view keyPath) {
    const auto [where, added] = keyIndex_.try_emplace(foldCase(keyPath), keys_.size());
    if (added) {
        keys_.push_back({std::string(keyPath), {}});
        valueIndex_.emplace_back();
    }
    return where->second;
}

} // namespace vistrel
