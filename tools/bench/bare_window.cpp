// The yardstick of the benchmark: the least a Qt Widgets program of Tombel's
// size can be. One fixed 598 x 397 window that draws a JPEG background and
// does nothing else.
//
// usage: bare_window picture.jpg

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace {
class BareWindow : public QWidget {
public:
    explicit BareWindow(const QString& picture) : background_(picture) {
        setFixedSize(598, 397);
        setWindowTitle(QStringLiteral("bare"));
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(0, 0, background_); }

private:
    QPixmap background_;
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    BareWindow window(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    window.show();
    return app.exec();
}
