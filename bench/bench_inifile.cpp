// How long a profile file takes to decode and parse, and what start-up's
// reads of it cost. Prints its figures; never fails.
#include "text/IniFile.h"
#include "text/TextDecoding.h"

#include <chrono>
#include <cstdio>
#include <string>

using namespace vistrel;

namespace {

std::string largeProfile(std::size_t bytes) {
    std::string text = "[Main]\r\n";
    for (int i = 0; text.size() < bytes; ++i) {
        text += "Key" + std::to_string(i) + " = value number " + std::to_string(i) + "\r\n";
    }
    return text;
}

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

int main() {
    const std::string file = largeProfile(50u * 1024 * 1024);

    auto start = std::chrono::steady_clock::now();
    const std::string text = decodeText(file);
    std::printf("decode 50 MB: %.1f ms\n", millisecondsSince(start));

    start = std::chrono::steady_clock::now();
    const IniFile ini = IniFile::parse(text);
    std::printf("parse 50 MB: %.1f ms\n", millisecondsSince(start));

    start = std::chrono::steady_clock::now();
    std::size_t total = 0;
    for (int i = 0; i < 230; ++i) {
        total += readProfileString(&ini, "Main", "Key" + std::to_string(i), "").size();
    }
    std::printf("230 reads: %.3f ms (%zu bytes)\n", millisecondsSince(start), total);
    return 0;
}
