// The yardstick of the benchmark: the least a Qt Widgets program of Tombel's
// size can be. One fixed 598 x 397 window that draws a JPEG background; at
// rest it does nothing else. Given a state of the game, it shows as many
// changes as the game shows there, in the least work a widget can do for
// them: plain boxes of the game's sizes filled with a new colour.
//
// - flash: one box of a menu item's size, every 20 ms;
// - fade: two boxes of the intro texts' sizes, every 20 ms;
// - spin: every 50 ms four of five card-sized boxes change, painted 10 ms
//   later, as the card table's draw and painting do.
//
// It sends its frames to the X server as the game does (not through shared
// memory), so the comparison is of the programs' own work.
//
// usage: bare_window picture.jpg [flash | fade | spin]

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <vector>

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

class Box : public QWidget {
public:
    Box(QWidget* parent, QRect place) : QWidget(parent) {
        setGeometry(place);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void setLevel(int level) {
        level_ = level;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor(level_, level_, level_));
    }

private:
    int level_ = 0;
};
} // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    BareWindow window(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    const QString mode = argc > 2 ? QString::fromLatin1(argv[2]) : QString();

    std::vector<Box*> boxes;
    if (mode == QLatin1String("flash")) {
        boxes.push_back(new Box(&window, {148, 206, 65, 20}));
    } else if (mode == QLatin1String("fade")) {
        boxes.push_back(new Box(&window, {238, 168, 85, 22}));
        boxes.push_back(new Box(&window, {238, 189, 85, 29}));
    } else if (mode == QLatin1String("spin")) {
        for (int left : {38, 143, 248, 352, 456})
            boxes.push_back(new Box(&window, {left, 208, 93, 145}));
    }

    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QTimer paint;
    paint.setTimerType(Qt::PreciseTimer);
    paint.setSingleShot(true);
    paint.setInterval(10);
    int level = 0;
    if (mode == QLatin1String("spin")) {
        // The draw picks, the painting shows; one card stays as it was.
        QObject::connect(&tick, &QTimer::timeout, &paint, qOverload<>(&QTimer::start));
        QObject::connect(&paint, &QTimer::timeout, [&] {
            level = (level + 25) % 250;
            for (std::size_t n = 0; n + 1 < boxes.size(); ++n)
                boxes[n]->setLevel(level);
        });
        tick.start(50);
    } else if (!boxes.empty()) {
        QObject::connect(&tick, &QTimer::timeout, [&] {
            level = (level + 2) % 256;
            for (Box* box : boxes)
                box->setLevel(level);
        });
        tick.start(20);
    }
    window.show();
    return app.exec();
}
