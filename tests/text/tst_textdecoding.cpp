#include "text/CaseFold.h"
#include "text/CodePageGuess.h"
#include "text/TextDecoding.h"

#include <QtTest>

#include <iconv.h>

#include <string>

using namespace vistrel;

namespace {

// Byte literals that may hold NUL bytes.
template <std::size_t N> QByteArray raw(const char (&literal)[N]) {
    return QByteArray(literal, N - 1);
}

QByteArray bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string str(const QByteArray& array) {
    return std::string(array.constData(), static_cast<std::size_t>(array.size()));
}

} // namespace

class TestTextDecoding : public QObject {
    Q_OBJECT

  private slots:
    void decodesDiscText_data();
    void decodesDiscText();
    void everyWindows1252ByteAgreesWithQt();
    void encodesWindows1252_data();
    void encodesWindows1252();
    void countsAndCutsCharacters_data();
    void countsAndCutsCharacters();
    void foldsCase_data();
    void foldsCase();
    void namesTheCodePageTextWasSavedIn_data();
    void namesTheCodePageTextWasSavedIn();
};

void TestTextDecoding::decodesDiscText_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("ASCII") << QByteArray("Film starten") << QByteArray("Film starten");
    QTest::newRow("valid UTF-8 kept") << QByteArray("schlie\xc3\x9f"
                                                    "en \xe2\x82\xac \xf0\x9f\x8e\xac")
                                      << QByteArray("schlie\xc3\x9f"
                                                    "en \xe2\x82\xac \xf0\x9f\x8e\xac");
    QTest::newRow("UTF-8 BOM skipped") << QByteArray("\xef\xbb\xbf"
                                                     "a\xc3\xa4")
                                       << QByteArray("a\xc3\xa4");
    QTest::newRow("broken UTF-8 after BOM replaced") << QByteArray("\xef\xbb\xbf"
                                                                   "a\xff"
                                                                   "b")
                                                     << QByteArray("a\xef\xbf\xbd"
                                                                   "b");
    QTest::newRow("Windows-1252 letters") << QByteArray("schlie\xdf"
                                                        "en \xc4\xd6\xdc")
                                          << QByteArray("schlie\xc3\x9f"
                                                        "en \xc3\x84\xc3\x96\xc3\x9c");
    QTest::newRow("Windows-1252 high controls")
        << QByteArray("\x80\x85\x93\x94\x9f")
        << QByteArray("\xe2\x82\xac\xe2\x80\xa6\xe2\x80\x9c\xe2\x80\x9d\xc5\xb8");
    QTest::newRow("undefined Windows-1252 bytes map to C1")
        << QByteArray("\x81\x8d\x8f\x90\x9d")
        << QByteArray("\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d");
    QTest::newRow("one bad byte makes the whole file Windows-1252")
        << QByteArray("\xc3\xa4 \xe4") << QByteArray("\xc3\x83\xc2\xa4 \xc3\xa4");
    QTest::newRow("overlong UTF-8 is not UTF-8")
        << QByteArray("\xc0\xaf") << QByteArray("\xc3\x80\xc2\xaf");
    QTest::newRow("UTF-8 surrogate is not UTF-8")
        << QByteArray("\xed\xa0\x80") << QByteArray("\xc3\xad\xc2\xa0\xe2\x82\xac");
    QTest::newRow("truncated UTF-8 at end is not UTF-8")
        << QByteArray("a\xe2\x82") << QByteArray("a\xc3\xa2\xe2\x80\x9a");
    QTest::newRow("UTF-16 LE") << raw("\xff\xfe"
                                      "A\0\xe4\0\xac\x20")
                               << QByteArray("A\xc3\xa4\xe2\x82\xac");
    QTest::newRow("UTF-16 BE") << raw("\xfe\xff\0A\0\xe4\x20\xac")
                               << QByteArray("A\xc3\xa4\xe2\x82\xac");
    QTest::newRow("UTF-16 surrogate pair")
        << raw("\xff\xfe\x3c\xd8\xac\xdf") << QByteArray("\xf0\x9f\x8e\xac");
    QTest::newRow("UTF-16 unpaired high surrogate") << raw("\xff\xfe\x3c\xd8"
                                                           "A\0")
                                                    << QByteArray("\xef\xbf\xbd"
                                                                  "A");
    QTest::newRow("UTF-16 unpaired low surrogate")
        << raw("\xff\xfe\xac\xdf\x3c\xd8") << QByteArray("\xef\xbf\xbd\xef\xbf\xbd");
    QTest::newRow("UTF-16 odd last byte dropped") << raw("\xff\xfe"
                                                         "A\0B")
                                                  << QByteArray("A");
    QTest::newRow("UTF-16 NUL kept") << raw("\xff\xfe"
                                            "A\0\0\0B\0")
                                     << raw("A\0B");
    QTest::newRow("NUL bytes are valid UTF-8") << raw("a\0b") << raw("a\0b");
}

void TestTextDecoding::decodesDiscText() {
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes(decodeText(str(input))), expected);
}

// Qt's own Windows-1252 codec is an independent reference for the single-byte
// table (the five undefined bytes aside, which Qt leaves out).
void TestTextDecoding::everyWindows1252ByteAgreesWithQt() {
    auto toUnicode = QStringDecoder("windows-1252");
    QVERIFY(toUnicode.isValid());
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D) {
            continue;
        }
        const char single = static_cast<char>(byte);
        const QString expected = toUnicode(QByteArray(1, single));
        const std::string decoded = decodeText(std::string(1, single));
        QCOMPARE(QString::fromUtf8(decoded.data(), static_cast<qsizetype>(decoded.size())),
                 expected);
        QCOMPARE(encodeWindows1252(decoded), std::string(1, single));
    }
}

void TestTextDecoding::encodesWindows1252_data() {
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("ASCII") << QByteArray("Film starten") << QByteArray("Film starten");
    QTest::newRow("German") << QByteArray("Vistrel schlie\xc3\x9f"
                                          "en, \xc3\x84nderung")
                            << QByteArray("Vistrel schlie\xdf"
                                          "en, \xc4nderung");
    QTest::newRow("euro and quotes")
        << QByteArray("\xe2\x82\xac \xe2\x80\x9eja\xe2\x80\x9c") << QByteArray("\x80 \x84ja\x93");
    QTest::newRow("C1 stand-ins round trip")
        << QByteArray("\xc2\x81\xc2\x9d") << QByteArray("\x81\x9d");
    QTest::newRow("unmappable becomes ?") << QByteArray("a\xe4\xb8\xad"
                                                        "b\xf0\x9f\x8e\xac")
                                          << QByteArray("a?b?");
    QTest::newRow("unmappable C1 becomes ?") << QByteArray("\xc2\x80") << QByteArray("?");
    QTest::newRow("broken UTF-8 becomes ?") << QByteArray("a\xff"
                                                          "b")
                                            << QByteArray("a?b");
}

void TestTextDecoding::encodesWindows1252() {
    QFETCH(QByteArray, utf8);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes(encodeWindows1252(str(utf8))), expected);
}

void TestTextDecoding::countsAndCutsCharacters_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("cutAt");
    QTest::addColumn<QByteArray>("prefix");

    QTest::newRow("empty") << QByteArray() << 0 << 3 << QByteArray();
    QTest::newRow("ASCII cut") << QByteArray("abcdef") << 6 << 4 << QByteArray("abcd");
    QTest::newRow("cut at zero") << QByteArray("abc") << 3 << 0 << QByteArray();
    QTest::newRow("shorter than cut") << QByteArray("ab") << 2 << 5 << QByteArray("ab");
    QTest::newRow("two-byte characters")
        << QByteArray("\xc3\xa4\xc3\xb6\xc3\xbc") << 3 << 2 << QByteArray("\xc3\xa4\xc3\xb6");
    QTest::newRow("four-byte character not split") << QByteArray("a\xf0\x9f\x8e\xac"
                                                                 "b")
                                                   << 3 << 2 << QByteArray("a\xf0\x9f\x8e\xac");
}

void TestTextDecoding::countsAndCutsCharacters() {
    QFETCH(QByteArray, text);
    QFETCH(int, length);
    QFETCH(int, cutAt);
    QFETCH(QByteArray, prefix);
    QCOMPARE(utf8Length(str(text)), static_cast<std::size_t>(length));
    QCOMPARE(bytes(utf8Prefix(str(text), static_cast<std::size_t>(cutAt))), prefix);
}

void TestTextDecoding::foldsCase_data() {
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<bool>("same");

    QTest::newRow("ASCII") << QByteArray("Main") << QByteArray("mAIN") << true;
    QTest::newRow("different names") << QByteArray("Main") << QByteArray("Mains") << false;
    QTest::newRow("punctuation not folded") << QByteArray("[") << QByteArray("{") << false;
    QTest::newRow("Latin-1 letters") << QByteArray("\xc3\xa4\xc3\xb6\xc3\xbc\xc3\xa9")
                                     << QByteArray("\xc3\x84\xc3\x96\xc3\x9c\xc3\x89") << true;
    QTest::newRow("division and multiplication signs differ")
        << QByteArray("\xc3\xb7") << QByteArray("\xc3\x97") << false;
    QTest::newRow("y diaeresis") << QByteArray("\xc3\xbf") << QByteArray("\xc5\xb8") << true;
    QTest::newRow("Latin Extended-A")
        << QByteArray("\xc5\x82\xc5\xba\xc4\x8d") << QByteArray("\xc5\x81\xc5\xb9\xc4\x8c") << true;
    QTest::newRow("Cyrillic") << QByteArray("\xd1\x8f\xd1\x91") << QByteArray("\xd0\xaf\xd0\x81")
                              << true;
    QTest::newRow("Greek") << QByteArray("\xce\xb1\xcf\x89") << QByteArray("\xce\x91\xce\xa9")
                           << true;
    QTest::newRow("broken bytes kept apart") << QByteArray("\xe4") << QByteArray("\xc4") << false;
}

void TestTextDecoding::foldsCase() {
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(bool, same);
    QCOMPARE(foldCase(str(first)) == foldCase(str(second)), same);
}

// Real sentences saved as "ANSI" in each code page (as the editor of a Polish, Russian or Greek
// Windows saves them); only the Western ones read right as Windows-1252.
void TestTextDecoding::namesTheCodePageTextWasSavedIn_data() {
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<QString>("codePage"); // "" = Windows-1252 reads it right
    auto row = [](const char* page, const QString& named, const char* text) {
        iconv_t convert = iconv_open(page, "UTF-8");
        std::string in(text), out(in.size() * 2, '\0');
        char* from = in.data();
        char* to = out.data();
        std::size_t left = in.size(), room = out.size();
        QVERIFY(iconv(convert, &from, &left, &to, &room) != std::size_t(-1));
        iconv_close(convert);
        QTest::newRow(text) << bytes(out.substr(0, out.size() - room)) << named;
    };
    const QString central = "Windows-1250", cyrillic = "Windows-1251", greek = "Windows-1253";
    row("CP1250", central, "Zmień język...\nPełny ekran\nZamknij");
    row("CP1250", central, "Nie znaleziono pliku %s. Sprawdź, czy płyta jest włożona.");
    row("CP1250", central, "Źródło dźwięku");
    row("CP1250", central, "Přehrát film\nZměnit vzhled...\nZavřít");
    row("CP1250", central, "Nainstalovat kodek (potřebný pro přehrávání videa)");
    row("CP1250", central, "Következő kép\nElőző kép\nTeljes képernyő");
    row("CP1250", central, "A(z) %s fájl nem található. Kérjük, ellenőrizze a lemezt.");
    row("CP1251", cyrillic, "Запустить фильм\nСменить язык...\nВыход");
    row("CP1251", cyrillic, "Файл %s не найден. Проверьте, вставлен ли диск.");
    row("CP1251", cyrillic, "Пусни филма\nСмяна на езика...\nИзход");
    row("CP1251", cyrillic, "Файлът %s не е намерен. Моля, поставете диска отново.");
    row("CP1253", greek, "Αναπαραγωγή ταινίας\nΑλλαγή γλώσσας...\nΈξοδος");
    row("CP1253", greek, "Έξοδος");
    row("CP1253", greek, "Το αρχείο %s δεν βρέθηκε. Ελέγξτε ότι ο δίσκος είναι στη θέση του.");
    row("CP1252", {}, "Vistrel schließen\nZurück\nÜber...\nFür die Diashow wurden keine Bilder");
    row("CP1252", {}, "Größere Schrift für ältere Zuschauer wählen");
    row("CP1252", {}, "Über...");
    row("CP1252", {}, "Démarrer le film\nÀ propos...\nPlein écran\nFermer l’écran");
    row("CP1252", {}, "Où sont les vidéos ? Ça coûte très cher, n’est-ce pas ?");
    row("CP1252", {}, "Le fichier %s est introuvable. Vérifiez que le disque est bien inséré.");
    row("CP1252", {}, "Première étape : la fenêtre principale, même à côté");
    row("CP1252", {}, "¿Dónde está el baño?\nMañana iré a España.");
    row("CP1252", {}, "No se encontraron imágenes para la presentación.\nAtrás");
    row("CP1252", {}, "Instalar el códec (necesario para ver el vídeo)\n¡Pequeño niño!");
    row("UTF-8", {}, "Pełny ekran (UTF-8 is never another code page)");
}

void TestTextDecoding::namesTheCodePageTextWasSavedIn() {
    QFETCH(QByteArray, saved);
    QFETCH(QString, codePage);
    const std::optional<CodePage> found = otherCodePage(str(saved));
    QCOMPARE(found ? QString::fromLatin1(found->name.data(), qsizetype(found->name.size()))
                   : QString(),
             codePage);
}

QTEST_GUILESS_MAIN(TestTextDecoding)
#include "tst_textdecoding.moc"
