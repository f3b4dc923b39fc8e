// The hostile-disc corpus: copies of the sample discs with one fault each (damaged, badly
// authored or made to harm), and the list tests/hostile/run.sh works through.
//
// Usage: vistrel_hostilegen SAMPLE_DISC SLIDESHOW_DISC OUT_DIR [TINY_MOVIE]
//
// Each case is a folder OUT_DIR/<name>/ holding the disc, "config" (its XDG_CONFIG_HOME) and
// "xdg" (its XDG_CONFIG_DIRS). OUT_DIR/discs.tsv has one line per case:
//   name <TAB> disc folder <TAB> action <TAB> expectation <TAB> what is wrong
// action: start (nothing but starting), info (btnInfo clicked), link (btnInfo, then the link at
// the top of the document), codec / player (the installer buttons), run (btnStartPlayer),
// cpu (the process's processor time is measured).
// expectation: "-", "marker" (the started program left its marker), "keep" (the settings
// store's foreign value survives, in the store or a copy beside it), or "log:REGEX".
#include <QColor>
#include <QImage>

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A value no program but the tester writes: it must survive any rewrite of the store.
constexpr const char* kForeignValue = "kept-by-another-program-4711";
constexpr const char* kStoreKey = "SOFTWARE\\Nordquill\\Vistrel";

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Replaces whatever is at path: discs share their unchanged files with the sample by hard links,
// so a file is never written in place.
void clear(const fs::path& path) {
    std::error_code ignored;
    fs::remove_all(path, ignored);
    fs::create_directories(path.parent_path());
}

void put(const fs::path& path, const std::string& bytes) {
    clear(path);
    std::ofstream(path, std::ios::binary) << bytes;
}

void putExecutable(const fs::path& path, const std::string& text) {
    put(path, text);
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
}

void fifo(const fs::path& path) {
    clear(path);
    if (mkfifo(path.c_str(), 0644) != 0)
        throw std::runtime_error("mkfifo failed: " + path.string());
}

void link(const fs::path& path, const fs::path& target) {
    clear(path);
    fs::create_symlink(target, path);
}

void folder(const fs::path& path) {
    clear(path);
    fs::create_directories(path / "inside");
}

std::string repeat(const std::string& piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Deterministic noise, so that a failing case can be made again byte for byte.
std::string noise(std::size_t size, std::uint32_t seed) {
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        seed = seed * 1664525u + 1013904223u;
        c = static_cast<char>(seed >> 24);
    }
    return bytes;
}

std::string utf16le(const std::string& ascii, bool withMark) {
    std::string bytes = withMark ? std::string("\xFF\xFE", 2) : std::string();
    for (const char c : ascii) {
        bytes.push_back(c);
        bytes.push_back('\0');
    }
    return bytes;
}

// The same text with Section/Key set to value (added when missing); a null value removes it.
std::string withKey(const std::string& ini, const std::string& section, const std::string& key,
                    const char* value) {
    std::istringstream in(ini);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::size_t sectionAt = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == "[" + section + "]")
            sectionAt = i;
    if (sectionAt == lines.size()) {
        lines.push_back("[" + section + "]");
    }
    std::size_t at = sectionAt + 1;
    for (; at < lines.size() && (lines[at].empty() || lines[at][0] != '['); ++at) {
        if (lines[at].rfind(key + "=", 0) == 0) {
            if (value)
                lines[at] = key + "=" + value;
            else
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
            value = nullptr;
            break;
        }
    }
    if (value)
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(sectionAt + 1), key + "=" + value);
    std::string out;
    for (const std::string& line : lines)
        out += line + "\n";
    return out;
}

void appendLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void appendBe(std::string& out, std::uint32_t value) {
    for (int i = 3; i >= 0; --i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A 24-bit bitmap header announcing 40000 x 40000 pixels (4.8 GB) over a few bytes of data.
std::string bitmapBomb() {
    constexpr std::uint32_t side = 40000;
    std::string bmp = "BM";
    appendLe(bmp, 54 + side * 3 * side / 1024, 4); // a file size no reader should trust
    appendLe(bmp, 0, 4);
    appendLe(bmp, 54, 4);
    appendLe(bmp, 40, 4);
    appendLe(bmp, side, 4);
    appendLe(bmp, side, 4);
    appendLe(bmp, 1, 2);
    appendLe(bmp, 24, 2);
    for (int i = 0; i < 6; ++i)
        appendLe(bmp, 0, 4);
    return bmp + std::string(64, '\0');
}

std::uint32_t crc32(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void pngChunk(std::string& png, const std::string& type, const std::string& data) {
    appendBe(png, static_cast<std::uint32_t>(data.size()));
    png += type + data;
    appendBe(png, crc32(type + data));
}

// A PNG announcing 40000 x 40000 RGB pixels whose data is one short deflate stream of zeros.
std::string pngBomb() {
    std::string png = "\x89PNG\r\n\x1A\n";
    std::string header;
    appendBe(header, 40000);
    appendBe(header, 40000);
    header += std::string("\x08\x02\x00\x00\x00", 5);
    pngChunk(png, "IHDR", header);
    pngChunk(png, "IDAT", std::string("\x78\x9C\x63\x60\x18\x05\x00\x00", 8));
    pngChunk(png, "IEND", "");
    return png;
}

// A real JPEG whose frame header claims 40000 x 40000 pixels.
std::string jpegBomb(std::string jpeg) {
    for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
        const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (jpeg[i] == '\xFF' && (marker == 0xC0 || marker == 0xC2)) {
            jpeg[i + 5] = jpeg[i + 7] = static_cast<char>(0x9C);
            jpeg[i + 6] = jpeg[i + 8] = 0x40;
            return jpeg;
        }
    }
    throw std::runtime_error("no JPEG frame header");
}

std::string base64(const std::string& bytes) {
    static const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t n = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size())
            n |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size())
            n |= static_cast<unsigned char>(bytes[i + 2]);
        out += digits[(n >> 18) & 63];
        out += digits[(n >> 12) & 63];
        out += i + 1 < bytes.size() ? digits[(n >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? digits[n & 63] : '=';
    }
    return out;
}

void savePicture(const fs::path& path, int width, int height, QColor colour) {
    clear(path);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    if (!image.save(QString::fromStdString(path.string()), "BMP"))
        throw std::runtime_error("cannot write " + path.string());
}

std::string html(const std::string& body) {
    return "<html><head><title>Hostile</title></head><body>" + body + "</body></html>\n";
}

// A link in letters big enough to cover the top left of the video area, where the test clicks.
std::string bigLink(const std::string& target) {
    return html("<p><a href=\"" + target +
                "\"><span style=\"font-size:96px\">LINK LINK LINK</span></a></p>");
}

// Started programs leave their name and arguments in the file the test names.
constexpr const char* kMarkerScript =
    "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" >>\"$HOSTILE_MARKER\"\n";

std::string store(const std::string& header, const std::string& body) {
    return header + "\r\n\r\n[SOFTWARE\\Other\\Program]\r\n\"Setting\"=\"" + kForeignValue +
           "\"\r\n\r\n[" + kStoreKey + "]\r\n" + body;
}

enum class Base { Movie, Slideshow };

class Corpus {
  public:
    Corpus(fs::path movieDisc, fs::path slideshowDisc, fs::path out)
        : movieDisc_(std::move(movieDisc)), slideshowDisc_(std::move(slideshowDisc)),
          out_(std::move(out)), list_(out_ / "discs.tsv") {}

    // A new case: a copy of a sample disc, an empty settings store folder and machine folder.
    fs::path make(const std::string& name, const std::string& what, Base base = Base::Movie,
                  const std::string& action = "start", const std::string& expect = "-",
                  const std::string& discFolder = "disc") {
        const fs::path root = out_ / name;
        fs::create_directories(root / "config");
        fs::create_directories(root / "xdg");
        const fs::path disc = root / discFolder;
        copyTree(base == Base::Movie ? movieDisc_ : slideshowDisc_, disc, Copy::Link);
        list_ << name << '\t' << discFolder << '\t' << action << '\t' << expect << '\t' << what
              << '\n';
        ++count_;
        return disc;
    }

    fs::path caseRoot(const std::string& name) const { return out_ / name; }
    const fs::path& movieDisc() const { return movieDisc_; }
    int count() const { return count_; }

    enum class Copy { Link, Full };

    static void copyTree(const fs::path& from, const fs::path& to, Copy how) {
        fs::create_directories(to);
        for (auto it = fs::recursive_directory_iterator(
                 from, fs::directory_options::follow_directory_symlink);
             it != fs::recursive_directory_iterator(); ++it) {
            const fs::path target = to / it->path().lexically_relative(from);
            if (it->is_directory()) {
                fs::create_directories(target);
            } else if (it->path().filename() != "vistrel") {
                std::error_code failed;
                if (how == Copy::Link)
                    fs::create_hard_link(it->path(), target, failed);
                if (how == Copy::Full || failed)
                    fs::copy_file(it->path(), target);
            }
        }
    }

  private:
    fs::path movieDisc_, slideshowDisc_, out_;
    std::ofstream list_;
    int count_ = 0;
};

void configurationFaults(Corpus& c, const std::string& ini) {
    fifo(c.make("ini-fifo", "vistrel.ini is a FIFO") / "vistrel.ini");
    link(c.make("ini-devzero", "vistrel.ini is a link to /dev/zero") / "vistrel.ini", "/dev/zero");
    put(c.make("ini-empty", "vistrel.ini is empty") / "vistrel.ini", "");
    put(c.make("ini-binary", "vistrel.ini is binary noise") / "vistrel.ini", noise(65536, 1));
    put(c.make("ini-50mb", "vistrel.ini is 50 MB") / "vistrel.ini",
        ini + "[Filler]\n" + repeat("Key=" + std::string(60, 'v') + "\n", 50 * 1024 * 1024 / 65));
    put(c.make("ini-nul", "vistrel.ini is 1 MB of NUL bytes") / "vistrel.ini",
        std::string(1 << 20, '\0'));
    put(c.make("ini-utf16-nobom", "vistrel.ini is UTF-16 without a byte order mark") /
            "vistrel.ini",
        utf16le(ini, false));
    put(c.make("ini-no-equals", "vistrel.ini: 100,000 keys without '='") / "vistrel.ini",
        "[Main]\n" + repeat("Movie movie.avi\n", 100000) + ini);
    put(c.make("ini-100k-sections", "vistrel.ini: 100,000 sections before the real ones") /
            "vistrel.ini",
        [] {
            std::string text;
            for (int i = 0; i < 100000; ++i)
                text += "[S" + std::to_string(i) + "]\nKey=" + std::to_string(i) + "\n";
            return text;
        }() +
            ini);
    put(c.make("ini-long-line", "vistrel.ini: a 10 MB value for Skin") / "vistrel.ini",
        withKey(ini, "Main", "Skin", std::string(10 << 20, 'k').c_str()));
    folder(c.make("ini-folder", "vistrel.ini is a folder") / "vistrel.ini");
    {
        const fs::path disc = c.make("ini-link-loop", "vistrel.ini is a loop of links");
        link(disc / "vistrel.ini", "loop-a.ini");
        link(disc / "loop-a.ini", "loop-b.ini");
        link(disc / "loop-b.ini", "vistrel.ini");
    }
}

void languageFaults(Corpus& c, const std::string& english) {
    const auto lng = [&](const std::string& name, const std::string& what) {
        return c.make(name, what) / "Language" / "english.lng";
    };
    fifo(lng("lang-fifo", "english.lng is a FIFO"));
    link(lng("lang-devzero", "english.lng is a link to /dev/zero"), "/dev/zero");
    put(lng("lang-empty", "english.lng is empty"), "");
    put(lng("lang-binary", "english.lng is binary noise"), noise(65536, 2));
    put(lng("lang-50mb", "english.lng is 50 MB"),
        english + "[Filler]\n" +
            repeat("Key=" + std::string(60, 'w') + "\n", 50 * 1024 * 1024 / 65));
    put(lng("lang-nul", "english.lng is 1 MB of NUL bytes"), std::string(1 << 20, '\0'));
    put(lng("lang-utf16-nobom", "english.lng is UTF-16 without a byte order mark"),
        utf16le(english, false));
    put(lng("lang-huge-text", "english.lng: a 10 MB message text"),
        withKey(english, "ErrorMsg", "errFileNotFound", std::string(10 << 20, 'm').c_str()));
    folder(lng("lang-folder", "english.lng is a folder"));
    {
        const fs::path file = lng("lang-link-loop", "english.lng is a loop of links");
        link(file, "english.lng");
    }
    put(c.make("lang-dir-is-file", "Language is a file, not a folder") / "Language", "english\n");
}

void skinFaults(Corpus& c, const std::string& ini) {
    const auto skin = [&](const std::string& name, const std::string& what) {
        return c.make(name, what) / "Skins" / "default";
    };
    const std::string back = readFile(c.movieDisc() / "Skins" / "default" / "back.bmp");
    fifo(skin("back-fifo", "back.bmp is a FIFO") / "back.bmp");
    link(skin("back-devzero", "back.bmp is a link to /dev/zero") / "back.bmp", "/dev/zero");
    put(skin("back-truncated", "back.bmp cut in the middle of its pixels") / "back.bmp",
        back.substr(0, back.size() / 2));
    put(skin("back-zero", "back.bmp is zero bytes") / "back.bmp", "");
    put(skin("back-text", "back.bmp is text") / "back.bmp", "this is not a picture\n");
    put(skin("back-bomb", "back.bmp announces 40000 x 40000 pixels") / "back.bmp", bitmapBomb());
    put(skin("logo-png-bomb", "logo.bmp is a PNG announcing 40000 x 40000 pixels") / "logo.bmp",
        pngBomb());
    folder(skin("back-folder", "back.bmp is a folder") / "back.bmp");
    put(skin("button-truncated", "start0.bmp cut short") / "start0.bmp",
        readFile(c.movieDisc() / "Skins" / "default" / "start0.bmp").substr(0, 100));
    savePicture(skin("mask-small", "transp.bmp is 100 x 50, not the window's size") / "transp.bmp",
                100, 50, Qt::white);
    savePicture(skin("mask-black", "transp.bmp is all black") / "transp.bmp", 699, 432, Qt::black);
    savePicture(skin("mask-white", "transp.bmp is all white") / "transp.bmp", 699, 432, Qt::white);
    fifo(skin("mask-fifo", "transp.bmp is a FIFO") / "transp.bmp");
    put(c.make("skin-folder-is-file", "the skin's folder is a file") / "Skins" / "default", "x");
    {
        const fs::path skins =
            c.make("skin-link-loop", "the skin's folder is a loop of links") / "Skins";
        link(skins / "default", "other");
        link(skins / "other", "default");
    }
    put(c.make("skin-dotdot", "Skin names a folder outside the disc with ..") / "vistrel.ini",
        withKey(ini, "Main", "Skin", "..\\..\\..\\..\\..\\..\\..\\..\\etc"));
    put(c.make("title-dotdot", "Title names a file outside the disc with ..") / "vistrel.ini",
        withKey(ini, "Main", "Title", "..\\..\\..\\..\\..\\..\\..\\..\\..\\etc\\passwd"));
    put(c.make("title-device", "Title is the absolute path /dev/zero") / "vistrel.ini",
        withKey(ini, "Main", "Title", "/dev/zero"));
    put(c.make("title-urandom", "Title is the absolute path /dev/urandom") / "vistrel.ini",
        withKey(ini, "Main", "Title", "/dev/urandom"));
}

void movieFaults(Corpus& c, const std::string& ini, const fs::path& tinyMovie) {
    const std::string movie = readFile(c.movieDisc() / "movie.avi");
    fifo(c.make("movie-fifo", "the movie is a FIFO") / "movie.avi");
    link(c.make("movie-urandom", "the movie is a link to /dev/urandom") / "movie.avi",
         "/dev/urandom");
    put(c.make("movie-garbage", "the movie is noise") / "movie.avi", noise(1 << 20, 3));
    put(c.make("movie-empty", "the movie is empty") / "movie.avi", "");
    put(c.make("movie-truncated", "the movie cut after its first tenth") / "movie.avi",
        movie.substr(0, movie.size() / 10));
    if (!tinyMovie.empty()) {
        // Unlinked first: copying over the shared file would write through to the sample's.
        const fs::path target = c.make("movie-1x1", "the movie is 1 x 1 pixels") / "movie.avi";
        clear(target);
        fs::copy_file(tinyMovie, target);
    }
    folder(c.make("movie-folder", "the movie is a folder") / "movie.avi");
    put(c.make("movie-dotdot", "Movie leaves the disc with .. to /dev/zero") / "vistrel.ini",
        withKey(ini, "Main", "Movie", "..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\dev\\zero"));
    put(c.make("movie-absolute", "Movie is the absolute path /dev/zero") / "vistrel.ini",
        withKey(ini, "Main", "Movie", "/dev/zero"));
    {
        const fs::path disc = c.make("movie-link-loop", "the movie is a loop of links");
        link(disc / "movie.avi", "movie.avi");
    }
}

void slideshowFaults(Corpus& c, const std::string& slideIni, const fs::path& slideshowDisc) {
    const auto slide = [&](const std::string& name, const std::string& what) {
        return c.make(name, what, Base::Slideshow) / "Pictures" / "slide01.jpg";
    };
    const std::string jpeg = readFile(slideshowDisc / "Pictures" / "slide01.jpg");
    fifo(slide("slide-fifo", "the first slide is a FIFO"));
    link(slide("slide-devzero", "the first slide is a link to /dev/zero"), "/dev/zero");
    put(slide("slide-bomb", "the first slide announces 40000 x 40000 pixels"), jpegBomb(jpeg));
    put(slide("slide-truncated", "the first slide cut in half"), jpeg.substr(0, jpeg.size() / 2));
    put(slide("slide-zero", "the first slide is zero bytes"), "");
    folder(slide("slide-folder", "the first slide is a folder"));
    fifo(c.make("music-fifo", "the music is a FIFO", Base::Slideshow) / "music.mp3");
    {
        // No music: the processor time measured is the slideshow's own.
        std::string fast = withKey(slideIni, "SlideShow", "Interval", "1");
        fast = withKey(fast, "Main", "Music", nullptr);
        put(c.make("slide-interval-1ms", "slideshow interval of 1 ms", Base::Slideshow, "cpu") /
                "vistrel.ini",
            fast);
    }
}

void documentFaults(Corpus& c) {
    const auto doc = [&](const std::string& name, const std::string& what,
                         const std::string& action = "info") {
        return c.make(name, what, Base::Movie, action) / "Info" / "index.html";
    };
    put(doc("doc-div-100k", "document of 100,000 nested <div>"),
        html(repeat("<div>", 100000) + "deep" + repeat("</div>", 100000)));
    put(doc("doc-unclosed-100k", "document of 100,000 unclosed tags"),
        html(repeat("<span><b>", 50000) + "never closed"));
    put(doc("doc-table-20k", "document of 20,000 nested tables"),
        html(repeat("<table><tr><td>", 20000) + "x" + repeat("</td></tr></table>", 20000)));
    put(doc("doc-table-3k", "document of 3,000 nested tables"),
        html(repeat("<table><tr><td>", 3000) + "x" + repeat("</td></tr></table>", 3000)));
    put(doc("doc-list-60k", "document of 60,000 nested lists"),
        html(repeat("<ul><li>", 60000) + "x" + repeat("</li></ul>", 60000)));
    put(doc("doc-huge-inline-image", "document with a 40000 x 40000 inline picture"),
        html("<img src=\"data:image/png;base64," + base64(pngBomb()) +
             "\"><img src=\"disc.png\" width=\"40000\" height=\"40000\">"));
    put(doc("doc-link-file", "document linking file:///etc/passwd, clicked", "link"),
        bigLink("file:///etc/passwd"));
    put(doc("doc-link-http", "document linking http://, clicked", "link"),
        bigLink("http://192.0.2.1:8080/page.html"));
    put(doc("doc-link-javascript", "document linking javascript:, clicked", "link"),
        bigLink("javascript:alert(document.cookie)"));
    fifo(doc("doc-fifo", "the document is a FIFO"));
    link(doc("doc-devzero", "the document is a link to /dev/zero"), "/dev/zero");
    put(doc("doc-50mb", "the document is 50 MB"),
        html(repeat("<p>" + std::string(60, 'd') + "</p>\n", 50 * 1024 * 1024 / 68)));
    folder(doc("doc-folder", "the document is a folder"));
}

// The sample disc names Linux's programs by the keys ending in .Linux, which win there.
void installerFaults(Corpus& c, const std::string& ini) {
    struct Installer {
        const char* name;
        const char* file;
        const char* what;
    };
    const Installer installers[] = {
        {"inst-spaces", "install the codec now.sh", "installer path with spaces"},
        {"inst-quotes", "it's \"quoted\".sh", "installer path with quotes"},
        {"inst-semicolon", "setup;touch pwned;.sh", "installer path with ';'"},
        {"inst-subst", "$(touch pwned).sh", "installer path with $(...)"},
        {"inst-backquote", "`touch pwned`.sh", "installer path with backquotes"},
    };
    for (const Installer& i : installers) {
        const fs::path disc = c.make(i.name, i.what, Base::Movie, "codec", "marker");
        putExecutable(disc / "Setup" / i.file, kMarkerScript);
        put(disc / "vistrel.ini",
            withKey(ini, "Codec", "InstallPath.Linux", (std::string("Setup\\") + i.file).c_str()));
    }
    {
        // A value cannot hold a line feed; a carriage return inside one is the nearest thing.
        const fs::path disc =
            c.make("inst-newline", "installer path with a carriage return", Base::Movie, "codec");
        putExecutable(disc / "Setup" / "line\rtouch pwned.sh", kMarkerScript);
        put(disc / "vistrel.ini",
            withKey(ini, "Codec", "InstallPath.Linux", "Setup\\line\rtouch pwned.sh"));
    }
    {
        const fs::path disc =
            c.make("inst-dotdot", "installer outside the disc with ..", Base::Movie, "player");
        putExecutable(disc.parent_path() / "outside.sh", kMarkerScript);
        put(disc / "vistrel.ini", withKey(ini, "Player", "InstallPath.Linux", "..\\outside.sh"));
    }
    put(c.make("inst-absolute", "installer is the absolute path /usr/bin/true", Base::Movie,
               "player") /
            "vistrel.ini",
        withKey(ini, "Player", "InstallPath.Linux", "/usr/bin/true"));
    put(c.make("inst-folder", "installer is a folder", Base::Movie, "codec") / "vistrel.ini",
        withKey(ini, "Codec", "InstallPath.Linux", "Setup"));
    {
        const fs::path disc =
            c.make("player-parameter", "external player parameter with ;, $(...), backquotes",
                   Base::Movie, "run", "marker");
        putExecutable(disc / "Player" / "record.sh", kMarkerScript);
        std::string text = withKey(ini, "Player", "RunPath.Linux", "Player\\record.sh");
        text = withKey(text, "Player", "Parameter.Linux",
                       "movie.avi; touch pwned $(touch pwned) `touch pwned` \"two words\" '|x'");
        put(disc / "vistrel.ini", text);
        // The machine store says the external player is installed.
        put(c.caseRoot("player-parameter") / "xdg" / "vistrel" / "HKEY_LOCAL_MACHINE.reg",
            "REGEDIT4\n\n[SOFTWARE\\DVE\\Micro DVD Player]\n\"INILocation\"=\"C:\\\\x.ini\"\n");
    }
}

void storeFaults(Corpus& c) {
    const auto user = [&](const std::string& name, const std::string& what,
                          const std::string& expect = "-") {
        c.make(name, what, Base::Movie, "start", expect);
        return c.caseRoot(name) / "config" / "vistrel" / "HKEY_CURRENT_USER.reg";
    };
    fifo(user("store-fifo", "the settings store is a FIFO"));
    link(user("store-devzero", "the settings store is a link to /dev/zero"), "/dev/zero");
    folder(user("store-folder", "the settings store is a folder"));
    {
        const std::string whole = store("REGEDIT4", "\"Skin\"=\"default\"\r\n");
        put(user("store-truncated", "the settings store cut inside a value", "keep"),
            store("REGEDIT4", "\"Other\"=\"a value cut sh"));
        put(user("store-unknown-header", "the settings store has an unknown header", "keep"),
            "REGEDIT9\r\n" + whole.substr(whole.find('\n') + 1));
    }
    put(user("store-utf16", "the settings store is the registry editor's UTF-16 export",
             "log:language chosen: german"),
        utf16le(store("Windows Registry Editor Version 5.00", "\"Language\"=\"german\"\r\n"),
                true));
    put(user("store-utf16-keep", "a UTF-16 export store without the language", "keep"),
        utf16le(store("Windows Registry Editor Version 5.00", "\"Skin\"=\"default\"\r\n"), true));
    put(user("store-10mb-value", "the settings store holds a 10 MB language value"),
        store("REGEDIT4", "\"Language\"=\"" + std::string(10 << 20, 'L') + "\"\r\n"));
    put(user("store-binary", "the settings store is binary noise"), noise(65536, 4));
    c.make("machine-fifo", "the machine store is a FIFO");
    fifo(c.caseRoot("machine-fifo") / "xdg" / "vistrel" / "HKEY_LOCAL_MACHINE.reg");
    c.make("machine-devzero", "the machine store is a link to /dev/zero");
    link(c.caseRoot("machine-devzero") / "xdg" / "vistrel" / "HKEY_LOCAL_MACHINE.reg", "/dev/zero");
}

void discFaults(Corpus& c) {
    const fs::path readOnly = c.make("read-only", "a read-only disc");
    fs::remove_all(readOnly);
    Corpus::copyTree(c.movieDisc(), readOnly, Corpus::Copy::Full);
    for (auto& entry : fs::recursive_directory_iterator(readOnly))
        fs::permissions(entry.path(), fs::perms::owner_write | fs::perms::group_write,
                        fs::perm_options::remove);
    fs::permissions(readOnly, fs::perms::owner_write | fs::perms::group_write,
                    fs::perm_options::remove);
    c.make("unicode-path", "disc path with spaces and non-ASCII letters", Base::Movie, "start", "-",
           "Disc with spaces \xC3\x9C\x62\x65rsicht \xE2\x80\x94 \xE6\x98\xA0\xE7\x94\xBB");
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4 || argc > 5) {
        std::fprintf(stderr, "usage: %s SAMPLE_DISC SLIDESHOW_DISC OUT_DIR [TINY_MOVIE]\n",
                     argv[0]);
        return 2;
    }
    try {
        const fs::path movieDisc = argv[1], slideshowDisc = argv[2], out = argv[3];
        const fs::path tinyMovie = argc == 5 ? fs::path(argv[4]) : fs::path();
        fs::create_directories(out);
        // The cases share files with a private copy: a build that rewrites the sample disc in
        // place must not change the corpus under a running test.
        const fs::path privateMovieDisc = out / ".sample" / "disc";
        const fs::path privateSlideshowDisc = out / ".sample" / "disc-slideshow";
        Corpus::copyTree(movieDisc, privateMovieDisc, Corpus::Copy::Full);
        Corpus::copyTree(slideshowDisc, privateSlideshowDisc, Corpus::Copy::Full);
        Corpus corpus(privateMovieDisc, privateSlideshowDisc, out);
        const std::string ini = readFile(privateMovieDisc / "vistrel.ini");
        configurationFaults(corpus, ini);
        languageFaults(corpus, readFile(privateMovieDisc / "Language" / "english.lng"));
        skinFaults(corpus, ini);
        movieFaults(corpus, ini, tinyMovie);
        slideshowFaults(corpus, readFile(privateSlideshowDisc / "vistrel.ini"),
                        privateSlideshowDisc);
        documentFaults(corpus);
        installerFaults(corpus, ini);
        storeFaults(corpus);
        discFaults(corpus);
        std::cout << corpus.count() << " hostile discs in " << out.string() << "\n";
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vistrel_hostilegen: %s\n", error.what());
        return 1;
    }
    return 0;
}
