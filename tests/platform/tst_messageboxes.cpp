// Texts reach a message box cut to a length that lays out at once, with the cut marked.
#include "doubles/Doubles.h"
#include "platform/messages/ErrorMessage.h"
#include "platform/messages/MessageBoxes.h"

#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

namespace {

const QChar Ellipsis(0x2026);
const QString Huge(10 * 1024 * 1024, QChar('x'));
// A character outside the basic plane (two UTF-16 units) placed across the value's cut.
const QString AcrossTheCut = QString(MessageValueLimit - 2, QChar('a')) +
                             QString::fromUtf8("\xf0\x9f\x8e\xac") + QString(10, QChar('b'));

} // namespace

class TstMessageBoxes : public QObject {
    Q_OBJECT
  private slots:
    void textsAreCut_data() {
        QTest::addColumn<QString>("text");  // a message text; "%s" is the value's place
        QTest::addColumn<QString>("value"); // filled in through showErrorMessage
        QTest::addColumn<QString>("shown");

        QTest::newRow("short text as it is") << "File %s not found."
                                             << "movie.avi"
                                             << "File movie.avi not found.";
        QTest::newRow("value at the limit as it is")
            << "%s" << QString(MessageValueLimit, 'v') << QString(MessageValueLimit, 'v');
        QTest::newRow("huge value cut, the text around it kept")
            << "File %s not found." << Huge
            << "File " + Huge.left(MessageValueLimit - 1) + Ellipsis + " not found.";
        QTest::newRow("a character is never split")
            << "%s" << AcrossTheCut << AcrossTheCut.left(MessageValueLimit - 2) + Ellipsis;
        QTest::newRow("huge text cut as a whole")
            << Huge << "" << Huge.left(MessageTextLimit - 1) + Ellipsis;
        QTest::newRow("many values cut as a whole")
            << "%s %s %s %s %s" << Huge
            << (QString(MessageValueLimit - 1, 'x') + Ellipsis + ' ')
                       .repeated(4)
                       .left(MessageTextLimit - 1) +
                   Ellipsis;
    }
    void textsAreCut() {
        QFETCH(QString, text);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        RecordingMessageBoxes messages;
        showErrorMessage(messages, Huge, text, value);
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, shown);
        QCOMPARE(messages.shown[0].title, Huge.left(MessageTextLimit - 1) + Ellipsis);
    }
};

QTEST_GUILESS_MAIN(TstMessageBoxes)
#include "tst_messageboxes.moc"
