// The yardstick of the benchmark: the least a Qt Widgets program of Tombel's
// size can be. One fixed 598 x 397 window that draws a JPEG background and
// does nothing else; with "flash", it also recolours one short text every
// 20 ms in the plainest way (a label's palette), as a yardstick for what
// fifty changes a second cost any Qt window here.
//
// usage: bare_window picture.jpg [flash]

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
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
    QTimer flash;
    if (argc > 2 && qstrcmp(argv[2], "flash") == 0) {
        auto* text = new QLabel(QStringLiteral("nova igra"), &window);
        text->setGeometry(148, 206, 65, 20);
        QFont bold = text->font();
        bold.setBold(true);
        text->setFont(bold);
        QObject::connect(&flash, &QTimer::timeout, text, [text] {
            static int level = 0;
            level = (level + 25) % 250;
            QPalette palette = text->palette();
            palette.setColor(QPalette::WindowText, QColor(level, level + 5, level + 5));
            text->setPalette(palette);
        });
        flash.setTimerType(Qt::PreciseTimer);
        flash.start(20);
    }
    window.show();
    return app.exec();
}
