#include "app/screenset.h"
#include "common/random.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tombel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tombel.ico")));
    // Screens hide and show each other; only "izlaz" (or a window's close
    // box) ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    ClockRandom random;
    ScreenSet screens(random);
    screens.start();
    return app.exec();
}
