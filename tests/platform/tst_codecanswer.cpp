// A made disc's codec answer, left beside the program: honoured only when it reads as one.
#include "platform/media/GstCodecTest.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vistrel;

class TstCodecAnswer : public QObject {
    Q_OBJECT
  private slots:
    void onlyAPlainYesOrNoIsAnAnswer_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("expected"); // 1 yes, 0 no, -1 no answer
        QTest::newRow("yes") << QByteArray("yes\n") << 1;
        QTest::newRow("no without a line end") << QByteArray("no") << 0;
        QTest::newRow("empty") << QByteArray() << -1;
        QTest::newRow("other word") << QByteArray("maybe\n") << -1;
        QTest::newRow("yes and more") << QByteArray("yes\nno\n") << -1;
        QTest::newRow("long") << QByteArray(100000, 'y') << -1;
    }
    void onlyAPlainYesOrNoIsAnAnswer() {
        QFETCH(QByteArray, content);
        QFETCH(int, expected);
        QTemporaryDir dir;
        QFile file(dir.filePath(CodecTestAnswerFile));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const std::optional<bool> answer = readCodecTestAnswer(file.fileName().toStdString());
        QCOMPARE(answer ? int(*answer) : -1, expected);
    }

    void aMissingFileIsNoAnswer() {
        QTemporaryDir dir;
        QVERIFY(!readCodecTestAnswer(dir.filePath(CodecTestAnswerFile).toStdString()));
    }
};

QTEST_GUILESS_MAIN(TstCodecAnswer)
#include "tst_codecanswer.moc"
