#include "text/CaseFold.h"
#include "text/CodePageGuess.h"
#include "text/TextDecoding.h"

#include <QtTest>

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

// Real sentences saved as "ANSI" in each code page; only the Western ones read right as
// Windows-1252 (the row names show the text as its author wrote it).
void TestTextDecoding::namesTheCodePageTextWasSavedIn_data() {
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<QString>("codePage"); // "" = Windows-1252 reads it right
    QTest::newRow("Polish 1: Zmień język...")
        << QByteArray("Zmie\xf1 j\xeazyk...\nPe\xb3ny ekran\nZamknij") << QString("Windows-1250");
    QTest::newRow("Polish 2: Nie znaleziono pliku %s. Sprawdź, czy płyta jest włożona.")
        << QByteArray("Nie znaleziono pliku %s. Sprawd\x9f, czy p\xb3yta jest w\xb3o\xbfona.")
        << QString("Windows-1250");
    QTest::newRow("Polish 3: Źródło dźwięku") << QByteArray("\x8fr\xf3"
                                                            "d\xb3o d\x9fwi\xeaku")
                                              << QString("Windows-1250");
    QTest::newRow("Czech 1: Přehrát film")
        << QByteArray("P\xf8"
                      "ehr\xe1t film\nZm\xecnit vzhled...\nZav\xf8\xedt")
        << QString("Windows-1250");
    QTest::newRow("Czech 2: Nainstalovat kodek (potřebný pro přehrávání videa)")
        << QByteArray("Nainstalovat kodek (pot\xf8"
                      "ebn\xfd pro p\xf8"
                      "ehr\xe1v\xe1n\xed videa)")
        << QString("Windows-1250");
    QTest::newRow("Hungarian 1: Következő kép")
        << QByteArray("K\xf6vetkez\xf5 k\xe9p\nEl\xf5z\xf5 k\xe9p\nTeljes k\xe9perny\xf5")
        << QString("Windows-1250");
    QTest::newRow("Hungarian 2: A(z) %s fájl nem található. Kérjük, ellenőrizze a lemezt.")
        << QByteArray("A(z) %s f\xe1jl nem tal\xe1lhat\xf3. K\xe9rj\xfck, ellen\xf5rizze a lemezt.")
        << QString("Windows-1250");
    QTest::newRow("Russian 1: Запустить фильм")
        << QByteArray("\xc7\xe0\xef\xf3\xf1\xf2\xe8\xf2\xfc "
                      "\xf4\xe8\xeb\xfc\xec\n\xd1\xec\xe5\xed\xe8\xf2\xfc "
                      "\xff\xe7\xfb\xea...\n\xc2\xfb\xf5\xee\xe4")
        << QString("Windows-1251");
    QTest::newRow("Russian 2: Файл %s не найден. Проверьте, вставлен ли диск.")
        << QByteArray("\xd4\xe0\xe9\xeb %s \xed\xe5 \xed\xe0\xe9\xe4\xe5\xed. "
                      "\xcf\xf0\xee\xe2\xe5\xf0\xfc\xf2\xe5, \xe2\xf1\xf2\xe0\xe2\xeb\xe5\xed "
                      "\xeb\xe8 \xe4\xe8\xf1\xea.")
        << QString("Windows-1251");
    QTest::newRow("Bulgarian 1: Пусни филма")
        << QByteArray("\xcf\xf3\xf1\xed\xe8 \xf4\xe8\xeb\xec\xe0\n\xd1\xec\xff\xed\xe0 \xed\xe0 "
                      "\xe5\xe7\xe8\xea\xe0...\n\xc8\xe7\xf5\xee\xe4")
        << QString("Windows-1251");
    QTest::newRow("Bulgarian 2: Файлът %s не е намерен. Моля, поставете диска отново.")
        << QByteArray("\xd4\xe0\xe9\xeb\xfa\xf2 %s \xed\xe5 \xe5 \xed\xe0\xec\xe5\xf0\xe5\xed. "
                      "\xcc\xee\xeb\xff, \xef\xee\xf1\xf2\xe0\xe2\xe5\xf2\xe5 \xe4\xe8\xf1\xea\xe0 "
                      "\xee\xf2\xed\xee\xe2\xee.")
        << QString("Windows-1251");
    QTest::newRow("Greek 1: Αναπαραγωγή ταινίας")
        << QByteArray("\xc1\xed\xe1\xf0\xe1\xf1\xe1\xe3\xf9\xe3\xde "
                      "\xf4\xe1\xe9\xed\xdf\xe1\xf2\n\xc1\xeb\xeb\xe1\xe3\xde "
                      "\xe3\xeb\xfe\xf3\xf3\xe1\xf2...\n\xb8\xee\xef\xe4\xef\xf2")
        << QString("Windows-1253");
    QTest::newRow("Greek 2: Το αρχείο %s δεν βρέθηκε. Ελέγξτε ότι ο δίσκος είναι στη θέση του.")
        << QByteArray(
               "\xd4\xef \xe1\xf1\xf7\xe5\xdf\xef %s \xe4\xe5\xed \xe2\xf1\xdd\xe8\xe7\xea\xe5. "
               "\xc5\xeb\xdd\xe3\xee\xf4\xe5 \xfc\xf4\xe9 \xef \xe4\xdf\xf3\xea\xef\xf2 "
               "\xe5\xdf\xed\xe1\xe9 \xf3\xf4\xe7 \xe8\xdd\xf3\xe7 \xf4\xef\xf5.")
        << QString("Windows-1253");
    QTest::newRow("German 1: Vistrel schließen")
        << QByteArray("Vistrel schlie\xdf"
                      "en\nZur\xfc"
                      "ck\n\xdc"
                      "ber...\nF\xfcr die Diashow wurden keine Bilder gefunden.")
        << QString("");
    QTest::newRow("German 2: Größere Schrift für ältere Zuschauer wählen")
        << QByteArray("Gr\xf6\xdf"
                      "ere Schrift f\xfcr \xe4ltere Zuschauer w\xe4hlen")
        << QString("");
    QTest::newRow("German 3: Über...") << QByteArray("\xdc"
                                                     "ber...")
                                       << QString("");
    QTest::newRow("French 1: Démarrer le film")
        << QByteArray("D\xe9marrer le film\n\xc0 propos...\nPlein \xe9"
                      "cran\nFermer l\x92\xe9"
                      "cran")
        << QString("");
    QTest::newRow("French 2: Où sont les vidéos ? Ça coûte très cher, n’est-ce pas ?")
        << QByteArray("O\xf9 sont les vid\xe9os ? \xc7"
                      "a co\xfbte tr\xe8s cher, n\x92"
                      "est-ce pas ?")
        << QString("");
    QTest::newRow(
        "French 3: Le fichier %s est introuvable. Vérifiez que le disque est bien inséré.")
        << QByteArray(
               "Le fichier %s est introuvable. V\xe9rifiez que le disque est bien ins\xe9r\xe9.")
        << QString("");
    QTest::newRow("French 4: Première étape : la fenêtre principale, même à côté")
        << QByteArray("Premi\xe8re \xe9tape : la fen\xeatre principale, m\xeame \xe0 c\xf4t\xe9")
        << QString("");
    QTest::newRow("Spanish 1: ¿Dónde está el baño?")
        << QByteArray("\xbf"
                      "D\xf3nde est\xe1 el ba\xf1o?\nMa\xf1"
                      "ana ir\xe9 a Espa\xf1"
                      "a.")
        << QString("");
    QTest::newRow("Spanish 2: No se encontraron imágenes para la presentación.")
        << QByteArray("No se encontraron im\xe1genes para la presentaci\xf3n.\nAtr\xe1s")
        << QString("");
    QTest::newRow("Spanish 3: Instalar el códec (necesario para ver el vídeo)")
        << QByteArray("Instalar el c\xf3"
                      "dec (necesario para ver el v\xed"
                      "deo)\n\xa1Peque\xf1o ni\xf1o!")
        << QString("");
    QTest::newRow("UTF-8 is never another code page")
        << QByteArray("Pe\xc5\x82ny ekran") << QString();
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
