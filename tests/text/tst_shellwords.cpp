#include "text/ShellWords.h"

#include <QtTest>

using namespace vistrel;

// The configured parameter becomes the external player's arguments: split like a shell splits
// words, with quoting, and without any expansion or command syntax.
class TestShellWords : public QObject {
    Q_OBJECT

  private slots:
    void split_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        auto row = [](const char* name, const QString& text, const QStringList& words) {
            QTest::newRow(name) << text << words;
        };
        row("empty", "", {});
        row("blanks only", " \t \n ", {});
        row("one word", "movie.avi", {"movie.avi"});
        row("blanks of every kind separate", " a  b\tc\nd ", {"a", "b", "c", "d"});
        row("single quotes keep blanks", "'my movie.avi' -f", {"my movie.avi", "-f"});
        row("double quotes keep blanks", "\"my movie.avi\" -f", {"my movie.avi", "-f"});
        row("empty quotes are a word", "a '' \"\" b", {"a", "", "", "b"});
        row("quoted parts join", "\"x y\"'z'w", {"x yzw"});
        row("backslash keeps a blank", "my\\ movie.avi", {"my movie.avi"});
        row("backslash keeps a quote", "it\\'s", {"it's"});
        row("escaped quote in double quotes", "\"say \\\"hi\\\"\"", {"say \"hi\""});
        row("other backslashes stay in double quotes", "\"C:\\movies\\a.avi\"",
            {"C:\\movies\\a.avi"});
        row("backslash stays in single quotes", "'a\\b'", {"a\\b"});
        row("double quote inside single quotes", "'say \"hi\"'", {"say \"hi\""});
        row("single quote inside double quotes", "\"it's\"", {"it's"});
        row("command substitution stays literal", "$(rm -rf ~) x", {"$(rm", "-rf", "~)", "x"});
        row("quoted substitution stays literal", "\"$(id)\"", {"$(id)"});
        row("backquotes stay literal", "`id` \"`id`\"", {"`id`", "`id`"});
        row("variables stay literal", "$HOME \"$HOME\" ${X}", {"$HOME", "$HOME", "${X}"});
        row("escaped dollar in double quotes", "\"\\$HOME\"", {"$HOME"});
        row("semicolon is plain text", "a;b ; c", {"a;b", ";", "c"});
        row("operators are plain text", "a|b && c > d < e &",
            {"a|b", "&&", "c", ">", "d", "<", "e", "&"});
        row("globs and tilde stay literal", "*.avi ~/x ?", {"*.avi", "~/x", "?"});
        row("hash is plain text", "#1 a#b", {"#1", "a#b"});
        row("unterminated single quote runs to the end", "a 'b c", {"a", "b c"});
        row("unterminated double quote runs to the end", "a \"b c", {"a", "b c"});
        row("trailing backslash stands for itself", "a\\", {"a\\"});
        row("backslash-newline joins", "ab\\\ncd", {"abcd"});
        row("non-ASCII text passes", "Film\u00e4 \"\u00fcber uns\"",
            {"Film\u00e4", "\u00fcber uns"});
    }

    void split() {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QStringList actual;
        for (const std::string& word : splitShellWords(text.toStdString()))
            actual.append(QString::fromStdString(word));
        QCOMPARE(actual, words);
    }
};

QTEST_GUILESS_MAIN(TestShellWords)
#include "tst_shellwords.moc"
