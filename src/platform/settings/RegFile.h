#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vistrel {

// Registry value types by their Windows numbers; any other number is kept too.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

// One typed registry value: its type number and its data bytes exactly as the
// registry would hold them (text as UTF-8 with its terminating zero, a DWORD
// as four bytes, low byte first).
struct RegValue {
    std::uint32_t type = 0;
    std::string data;

    static RegValue text(std::string_view utf8);
    static RegValue expandableText(std::string_view utf8);
    static RegValue dword(std::uint32_t number);

    // The text up to the first zero byte (the whole data when it has none).
    std::string stringData() const;
    // The number when the data is exactly four bytes.
    std::optional<std::uint32_t> dwordData() const;

    bool operator==(const RegValue&) const = default;
};

struct RegNamedValue {
    std::string name; // empty for the key's default value ("@")
    RegValue value;

    bool operator==(const RegNamedValue&) const = default;
};

struct RegKey {
    std::string path; // e.g. "SOFTWARE\Nordquill\Vistrel"
    std::vector<RegNamedValue> values;

    bool operator==(const RegKey&) const = default;
};

// A registry hive held as the Windows registry export text (REGEDIT4):
//
//   REGEDIT4
//
//   [SOFTWARE\Nordquill\Vistrel]
//   "Language"="english"
//   "N"=dword:0000002a
//   "E"=hex(2):25,00
//
// Key paths and value names match without regard to case; keys and values
// keep the order in which they were first written.
class RegHive {
  public:
    // Reads the export text: "REGEDIT4" in UTF-8, or the registry editor's
    // "Windows Registry Editor Version 5.00" in UTF-16LE with a byte order
    // mark (or UTF-8), CR LF or LF. Text given as hex bytes in the latter is
    // UTF-16 and is held as UTF-8. Nothing when the bytes are not a whole,
    // valid export: the store then reads as empty and is kept aside before
    // its next write.
    static std::optional<RegHive> parse(std::string_view bytes);

    // The export text, REGEDIT4 in UTF-8 with LF line ends; parse() gives
    // back exactly this hive.
    std::string serialize() const;

    const RegValue* find(std::string_view keyPath, std::string_view valueName) const;

    // Sets one value, creating its key when needed; every other key and value
    // stays as and where it was.
    void set(std::string_view keyPath, std::string_view valueName, RegValue value);

    // Makes sure the key exists (a key may hold no values).
    void addKey(std::string_view keyPath);

    const std::vector<RegKey>& keys() const { return keys_; }

    bool operator==(const RegHive& other) const { return keys_ == other.keys_; }

  private:
    std::size_t keyIndex(std::string_view keyPath);

    std::vector<RegKey> keys_;
    // Folded key path -> index in keys_; per key, folded value name -> index.
    std::unordered_map<std::string, std::size_t> keyIndex_;
    std::vector<std::unordered_map<std::string, std::size_t>> valueIndex_;
};

} // namespace vistrel
