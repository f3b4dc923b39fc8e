// How long the information document view takes to show enormous or awkward documents: the
// window is frozen for that time. Prints its figures; never fails.
#include "platform/QtDocumentView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

using namespace vistrel;

namespace {

void writeRepeated(const QString& path, const QByteArray& unit, qint64 bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    const QByteArray block = unit.repeated(qMax<qint64>(1, 1024 * 1024 / unit.size()));
    for (qint64 written = 0; written < bytes; written += block.size())
        file.write(block);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget window;
    window.resize(699, 432);
    QtDocumentView view(&window);
    view.setGeometry(13, 24, 517, 378);
    window.show();

    QTemporaryDir dir;
    constexpr qint64 size = 50 * 1024 * 1024;
    const struct {
        const char* name;
        const char* file;
        QByteArray unit;
    } documents[] = {
        {"text, short lines", "lines.txt", "a line of text in the document\n"},
        {"text, one word", "word.txt", "\xC3\xA4"},
        {"HTML, paragraphs", "paragraphs.html", "<p>a <b>paragraph</b> of text</p>\n"},
        {"HTML, one word", "word.html", "x"},
        {"binary", "data.bin", QByteArray("\0\x01\x02\x03", 4)},
    };
    for (const auto& document : documents) {
        const QString path = dir.filePath(document.file);
        writeRepeated(path, document.unit, size);
        QElapsedTimer timer;
        timer.start();
        view.Navigate(path);
        view.widget()->repaint();
        std::printf("50 MB %-18s %6lld ms\n", document.name, timer.elapsed());
    }
    return 0;
}
