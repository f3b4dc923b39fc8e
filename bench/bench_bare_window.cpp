// The yardstick for the start-up benchmark: a bare Qt Widgets program that shows one 699 x 432
// picture in a frameless window and reports its first painted frame, as the program does.
#include <QApplication>
#include <QLoggingCategory>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace {

Q_LOGGING_CATEGORY(logBare, "bare.window")

class BareWindow : public QWidget {
  public:
    explicit BareWindow(const QString& picture)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), picture_(picture) {
        setFixedSize(699, 432);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!painted_) {
            painted_ = true;
            qCInfo(logBare) << "first frame painted";
        }
        QPainter(this).drawPixmap(0, 0, picture_);
    }

  private:
    QPixmap picture_;
    bool painted_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    BareWindow window(QString::fromLocal8Bit(argv[1]));
    window.show();
    return app.exec();
}
